#include <filesystem>
#include <ostream>

#include "app/programm.h"
#include "cli/befehle.h"
#include "core/atomare_datei.h"
#include "core/dateibefehle.h"
#include "core/lottodatei_format.h"

namespace zahlix::cli {

// Reports what opening the file in the evaluation window would show: largest number, draws
// and the range the window sets.
int Info(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1) {
        err << "info erwartet genau einen Dateinamen.\n" << Verwendung();
        return kAufruffehler;
    }
    const std::string& name = a[0];
    if (!Lesbar(FormatAusName(name))) {
        err << name << " ist kein gültiger Lotto-Dateiname! (lesbar sind .ZX7, .ZX6, .AS7)\n";
        return kAufruffehler;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(PfadVonName(name), ec)) {
        err << "Die Datei " << name << " wurde nicht gefunden.\n";
        return kDatenfehler;
    }
    StartverzeichnisSetzen(std::filesystem::current_path(ec));
    Lottodatei d;
    DateiBefehle befehle(d);
    Programm().uebergabeDatei = name;
    if (befehle.LottodateiOeffnen() != 0) {
        // The reader has said why, except for a binary file without its mark.
        err << "Die Datei " << name << " konnte nicht als Lottodatei geladen werden.\n";
        return kDatenfehler;
    }
    out << "Datei: " << name << "\n"
        << "Größte Zahl: " << d.GroessteZahl << "\n"
        << "Ziehungen: " << d.Anzahl() << "\n"
        << "Bereich: " << d.Titel << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
