#include "cli/quelldatei.h"

#include <filesystem>
#include <ostream>

#include "app/programm.h"
#include "cli/befehle.h"
#include "core/dateibefehle.h"
#include "core/lottodatei_io.h"
#include "core/lottodatei_format.h"
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

int ZumAendernLaden(const std::string& name, Lottodatei& d, std::ostream& err) {
    if (int r = FormatLesbar(name, err); r != kErfolg) return r;
    if (int r = DateiVorhanden(name, err); r != kErfolg) return r;
    std::error_code ec;
    StartverzeichnisSetzen(std::filesystem::current_path(ec));
    if (LottodateiLaden(name, d, 0) == 0) return kErfolg;
    NichtGeladen(name, err);
    return kDatenfehler;
}

void NichtGeladen(const std::string& name, std::ostream& err) {
    err << "Die Datei " << name << " konnte nicht als Lottodatei geladen werden.\n";
}

}  // namespace zahlix::cli
