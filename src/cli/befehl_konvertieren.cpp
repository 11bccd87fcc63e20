#include <filesystem>
#include <ostream>

#include "app/programm.h"
#include "cli/befehle.h"
#include "cli/quelldatei.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"

namespace zahlix::cli {

// Reads QUELLE and writes ZIEL in the format of its extension; the previous ZIEL goes to
// ./Datensicherungen first, as every write of the program does.
int Konvertieren(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) {
        err << "konvertieren erwartet QUELLE und ZIEL.\n" << Verwendung();
        return kAufruffehler;
    }
    const std::string& quelle = a[0];
    const std::string& ziel = a[1];
    if (int r = FormatLesbar(quelle, err); r != kErfolg) return r;
    if (FormatAusName(ziel) == Lottoformat::Unbekannt) {
        err << ziel
            << " ist kein gültiger Lotto-Dateiname! (schreibbar sind .ZX7, .ZX6, .AS7, .ASC, "
               ".ZXT)\n";
        return kAufruffehler;
    }
    if (int r = DateiVorhanden(quelle, err); r != kErfolg) return r;
    std::error_code ec;
    StartverzeichnisSetzen(std::filesystem::current_path(ec));
    Lottodatei d;
    Dateisperre sperre;
    if (int r = Sperren(ziel, sperre, d, err); r != kErfolg) return r;
    if (LottodateiLaden(quelle, d, 0) != 0) {
        NichtGeladen(quelle, err);
        return kDatenfehler;
    }
    int geschrieben = 0;
    if (int r = Zurueckschreiben(ziel, d, err, &geschrieben); r != kErfolg) return r;
    out << geschrieben << " Ziehungen geschrieben\n";
    return kErfolg;
}

}  // namespace zahlix::cli
