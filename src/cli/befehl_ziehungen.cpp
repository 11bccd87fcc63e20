// zahlix-cli ziehungen: the print text of the draw history window for a whole file.
#include <filesystem>
#include <ostream>

#include "app/programm.h"
#include "cli/auswertung_cli.h"
#include "cli/bereich_optionen.h"
#include "cli/quelldatei.h"
#include "core/bereich.h"
#include "drawhistory/drucktext.h"

namespace zahlix::cli {

namespace {

struct Ziehungsaufruf {
    std::string datei;
    Zeilenwahl wahl;
};

std::optional<int> Gruppenwahl(const Argumente& a, size_t i) {
    if (i >= a.size()) return std::nullopt;
    const auto g = GanzeZahl(a[i]);
    if (!g || *g < 0 || *g > kGruppenReiheAlsBild) return std::nullopt;
    return g;
}

int ZiehungsaufrufLesen(const Argumente& a, Ziehungsaufruf& z, std::ostream& err) {
    bool dateiGelesen = false;
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& arg = a[i];
        if (arg == "--gruppen") {
            const auto g1 = Gruppenwahl(a, i + 1), g2 = Gruppenwahl(a, i + 2);
            if (!g1 || !g2) {
                err << "--gruppen erwartet zwei Zahlen von 0 bis 5.\n";
                return kAufruffehler;
            }
            z.wahl.gruppe1 = *g1;
            z.wahl.gruppe2 = *g2;
            i += 2;
        } else if (arg == "--zusatzzahl") {
            // The bonus-number view only changes the window's graphic, never the text.
            if (i + 1 >= a.size() ||
                (a[i + 1] != "ohne" && a[i + 1] != "mit" && a[i + 1] != "nur")) {
                err << "--zusatzzahl erwartet ohne, mit oder nur.\n";
                return kAufruffehler;
            }
            ++i;
        } else if (arg == "--alle") {
            z.wahl.alle = true;
        } else if (arg.starts_with("--")) {
            err << "Unbekannte Option: " << arg << "\n" << Verwendung();
            return kAufruffehler;
        } else if (!dateiGelesen) {
            z.datei = arg;
            dateiGelesen = true;
        } else {
            err << "Überzähliges Argument: " << arg << "\n" << Verwendung();
            return kAufruffehler;
        }
    }
    if (!dateiGelesen) {
        err << "Es fehlt der Name der Lottodatei.\n" << Verwendung();
        return kAufruffehler;
    }
    return kErfolg;
}

}  // namespace

int Ziehungen(const Argumente& alle, std::ostream& out, std::ostream& err) {
    Bereichsoptionen bereichswahl;
    Argumente a;
    if (int r = BereichsoptionenAbtrennen(alle, a, bereichswahl, err); r != kErfolg) return r;
    Ziehungsaufruf z;
    // Without --gruppen the text carries one group column only.
    z.wahl.gruppe2 = kGruppenReiheAlsBild;
    if (int r = ZiehungsaufrufLesen(a, z, err); r != kErfolg) return r;
    if (int r = FormatLesbar(z.datei, err); r != kErfolg) return r;
    Lottodatei d;
    if (int r = ImBereichOeffnen(z.datei, bereichswahl, d, err); r != kErfolg) return r;
    const std::string bereich = d.Titel.empty() ? BereichText() : d.Titel;
    z.wahl.system = IstSystembereich(bereich);
    const std::string name = std::filesystem::path(z.datei).filename().string();
    TextUnveraendertAusgeben(
        out, ZiehungenDrucktext(d, z.wahl, ZiehungenTitel(z.wahl.system, name), bereich));
    return kErfolg;
}

}  // namespace zahlix::cli
