#include "cli/bereich_optionen.h"

#include <filesystem>
#include <ostream>

#include "app/programm.h"
#include "cli/auswertung_cli.h"
#include "cli/quelldatei.h"

namespace zahlix::cli {

int BereichsoptionenAbtrennen(const Argumente& a, Argumente& rest, Bereichsoptionen& o,
                              std::ostream& err) {
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& t = a[i];
        std::string name = t, wert;
        const size_t gleich = t.find('=');
        if (t.starts_with("--") && gleich != std::string::npos) {
            name = t.substr(0, gleich);
            wert = t.substr(gleich + 1);
        }
        if (name != "--bereich" && name != "--letzte" && name != "--kennung") {
            rest.push_back(t);
            continue;
        }
        if (gleich == std::string::npos) {
            if (i + 1 >= a.size()) {
                err << "Zur Option " << name << " fehlt der Wert.\n";
                return kAufruffehler;
            }
            wert = a[++i];
        }
        o.gesetzt = true;
        if (name == "--bereich" && !ZeitraumLesen(wert, o.wahl)) {
            err << "--bereich erwartet WW/JJJJ-WW/JJJJ, z. B. 01/2020-52/2025.\n";
            return kAufruffehler;
        }
        if (name == "--letzte") {
            const auto n = GanzeZahl(wert);
            if (!n || *n < 1 || *n > kMaxZiehungen) {
                err << "--letzte erwartet eine Anzahl von 1 bis 32000.\n";
                return kAufruffehler;
            }
            o.wahl.letzte = *n;
        }
        if (name == "--kennung") o.wahl.kennung = wert;
    }
    return kErfolg;
}

int BereichAnwenden(const Bereichsoptionen& o, Lottodatei& d, std::ostream& err) {
    if (!o.gesetzt) return kErfolg;
    std::string fehler;
    if (BereichEinstellen(d, o.wahl, fehler)) return kErfolg;
    err << fehler << "\n";
    return kDatenfehler;
}

int ImBereichOeffnen(const std::string& name, const Bereichsoptionen& o, Lottodatei& d,
                     std::ostream& err) {
    if (int r = DateiVorhanden(name, err); r != kErfolg) return r;
    std::error_code ec;
    if (Programm().startverzeichnis.empty())
        StartverzeichnisSetzen(std::filesystem::current_path(ec));
    if (int r = WieImFensterOeffnen(name, d, err); r != kErfolg) return r;
    return BereichAnwenden(o, d, err);
}

}  // namespace zahlix::cli
