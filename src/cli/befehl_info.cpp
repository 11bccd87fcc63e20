#include <filesystem>
#include <ostream>

#include "app/programm.h"
#include "cli/befehle.h"
#include "cli/quelldatei.h"

namespace zahlix::cli {

// Reports what opening the file in the evaluation window would show: largest number, draws
// and the range the window sets.
int Info(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1) {
        err << "info erwartet genau einen Dateinamen.\n" << Verwendung();
        return kAufruffehler;
    }
    const std::string& name = a[0];
    if (int r = FormatLesbar(name, err); r != kErfolg) return r;
    if (int r = DateiVorhanden(name, err); r != kErfolg) return r;
    std::error_code ec;
    StartverzeichnisSetzen(std::filesystem::current_path(ec));
    Lottodatei d;
    if (int r = WieImFensterOeffnen(name, d, err); r != kErfolg) return r;
    out << "Datei: " << name << "\n"
        << "Größte Zahl: " << d.GroessteZahl << "\n"
        << "Ziehungen: " << d.Anzahl() << "\n"
        << "Bereich: " << d.Titel << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
