#include <ostream>
#include <string>

#include "app/programm.h"
#include "cli/befehle.h"
#include "cli/quelldatei.h"
#include "core/atomare_datei.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "evaluation/ziehung_befehle.h"

namespace zahlix::cli {

// Removes the last draw and writes the file (previous version to ./Datensicherungen). The
// command line has nobody to confirm with, so the removed draw is named on the output.
int LoeschenLetzte(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1) {
        err << "loeschen-letzte erwartet genau eine DATEI.\n" << Verwendung();
        return kAufruffehler;
    }
    const std::string& datei = a[0];
    Lottodatei d;
    Dateisperre sperre;
    if (int r = ZumAendernLaden(datei, d, sperre, err); r != kErfolg) return r;
    const int L = d.LetzterIndex;
    if (d.WocheKennung[L] == 0) {
        err << "Die Datei " << datei << " enthält keine Ziehung.\n";
        return kDatenfehler;
    }
    const std::string beschreibung = ZiehungBeschreibung(d, L);
    LetzteZiehungEntfernen(d);
    if (int r = Zurueckschreiben(datei, d, err); r != kErfolg) return r;
    out << "Gelöscht: " << beschreibung << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
