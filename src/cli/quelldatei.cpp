#include "cli/quelldatei.h"

#include <filesystem>
#include <ostream>

#include "app/programm.h"
#include "cli/befehle.h"
#include "core/dateibefehle.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "core/textdatei.h"

namespace zahlix::cli {

int DateiVorhanden(const std::string& name, std::ostream& err) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(PfadVonName(name), ec)) return kErfolg;
    err << "Die Datei " << name << " wurde nicht gefunden.\n";
    return kDatenfehler;
}

int FormatLesbar(const std::string& name, std::ostream& err) {
    if (Lesbar(FormatAusName(name))) return kErfolg;
    err << name << " ist kein gültiger Lotto-Dateiname! (lesbar sind .ZX7, .ZX6, .AS7)\n";
    return kAufruffehler;
}

int WieImFensterOeffnen(const std::string& name, Lottodatei& d, std::ostream& err) {
    DateiBefehle befehle(d);
    Programm().uebergabeDatei = name;
    if (befehle.LottodateiOeffnen() == 0) return kErfolg;
    // The reader has said why, except for a binary file without its mark.
    NichtGeladen(name, err);
    return kDatenfehler;
}

int Sperren(const std::string& name, Dateisperre& sperre, Lottodatei& d, std::ostream& err) {
    std::string fehler;
    if (!ZumSchreibenSperren(PfadVonName(name), sperre, fehler)) {
        err << fehler << "\n";
        return kDatenfehler;
    }
    d.Stand = DateistandLesen(name);
    return kErfolg;
}

int ZumAendernLaden(const std::string& name, Lottodatei& d, Dateisperre& sperre,
                    std::ostream& err) {
    if (int r = FormatLesbar(name, err); r != kErfolg) return r;
    if (!sperre.Gehalten()) {
        if (int r = Sperren(name, sperre, d, err); r != kErfolg) return r;
    }
    if (int r = DateiVorhanden(name, err); r != kErfolg) return r;
    std::error_code ec;
    StartverzeichnisSetzen(std::filesystem::current_path(ec));
    // The name decides the format's rules, as a .AS7 history growing with its numbers.
    d.Dateiname = name;
    if (LottodateiLaden(name, d, 0) == 0) return kErfolg;
    NichtGeladen(name, err);
    return kDatenfehler;
}

int Zurueckschreiben(const std::string& name, const Lottodatei& d, std::ostream& err,
                     int* geschrieben) {
    if (DateistandLesen(name) != d.Stand) {
        err << "Die Datei " << name
            << " wurde inzwischen von einem anderen Programm geändert und bleibt unverändert. "
               "Bitte den Befehl wiederholen.\n";
        return kDatenfehler;
    }
    int n = 0;
    const int r = LottodateiSchreiben(name, d, n) == 0 ? kErfolg : kDatenfehler;
    if (geschrieben) *geschrieben = n;
    return r;
}

void NichtGeladen(const std::string& name, std::ostream& err) {
    err << "Die Datei " << name << " konnte nicht als Lottodatei geladen werden.\n";
}

}  // namespace zahlix::cli
