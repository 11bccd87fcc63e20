#include <filesystem>
#include <ostream>

#include "cli/auswertung_cli.h"
#include "cli/bereich_optionen.h"
#include "cli/quelldatei.h"
#include "determination/analyse_aufruf.h"
#include "determination/treffertabelle.h"

namespace zahlix::cli {

// DATEI INDEX [--zahlen Z1,Z2,...] [--zusatzzahl LISTE]: the hit table of the file's rows as
// a system; without --zahlen the system numbers are all numbers drawn in the file.
int Treffertabelle(const Argumente& alle, std::ostream& out, std::ostream& err) {
    Bereichsoptionen bereichswahl;
    Argumente a;
    if (int r = BereichsoptionenAbtrennen(alle, a, bereichswahl, err); r != kErfolg) return r;
    if (a.size() < 2 || a[0].starts_with("--") || a[1].starts_with("--")) {
        err << "Es fehlen die Lottodatei und die Nummer der Treffertabelle (0 bis 13).\n"
            << Verwendung();
        return kAufruffehler;
    }
    const auto index = GanzeZahl(a[1]);
    if (!index || *index < 0 || *index > 13) {
        err << "Die Nummer der Treffertabelle muss zwischen 0 und 13 liegen: " << a[1] << "\n";
        return kAufruffehler;
    }
    AnalyseAufruf aufruf;
    for (size_t i = 2; i < a.size(); ++i)
        if (!a[i].starts_with("--zahlen") && !a[i].starts_with("--zusatzzahl") &&
            a[i].starts_with("--")) {
            err << "Unbekannte Option: " << a[i] << "\n";
            return kAufruffehler;
        }
    if (const auto fehler = AnalyseOptionenLesen({a.begin() + 2, a.end()}, aufruf)) {
        err << *fehler << "\n";
        return kAufruffehler;
    }
    Lottodatei d;
    if (int r = ImBereichOeffnen(a[0], bereichswahl, d, err); r != kErfolg) return r;

    std::vector<int> zahlen;
    const auto ungezogen = UngezogeneZahlen(d);
    for (int n = 1; n <= std::clamp<int>(d.GroessteZahl, 1, 49); ++n)
        if (!ungezogen[static_cast<size_t>(n - 1)]) zahlen.push_back(n);
    if (aufruf.zahlen) zahlen = *aufruf.zahlen;
    const auto& b = aufruf.e.beruecksichtige;
    const Zusatzzahlwertung zusatz{static_cast<int16_t>(b[4]), static_cast<int16_t>(b[5]),
                                   static_cast<int16_t>(b[6])};
    const auto t = TreffertabelleBerechnen(d, zahlen, *index, zusatz);
    TextUnveraendertAusgeben(
        out,
        TreffertabelleText(t,
                           AnalyseFenstertitel(d.Titel, Analyseart::Treffertabelle,
                                               std::filesystem::path(a[0]).filename().string()),
                           d.Titel));
    err << TreffertabelleStatus(t).substr(1) << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
