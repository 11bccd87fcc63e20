#include <filesystem>
#include <ostream>

#include "cli/analyse_cli.h"
#include "cli/auswertung_cli.h"
#include "cli/bereich_optionen.h"
#include "cli/quelldatei.h"
#include "determination/analyse_aufruf.h"

namespace zahlix::cli {

int AnalyseVorbereiten(const Argumente& a, const Bereichsoptionen& bereich, AnalyseAufruf& aufruf,
                       Lottodatei& d, std::ostream& err) {
    const auto art = AnalyseartAusName(a[1]);
    if (!art) {
        err << "Unbekannte Analyse: " << a[1] << "\nBekannt sind:";
        for (const auto& e : Analysekatalog()) err << " " << e.listentext;
        err << "\n";
        return kAufruffehler;
    }
    aufruf.e.art = *art;
    if (const auto fehler = AnalyseOptionenLesen({a.begin() + 2, a.end()}, aufruf)) {
        err << *fehler << "\n";
        return kAufruffehler;
    }
    if (int r = ImBereichOeffnen(a[0], bereich, d, err); r != kErfolg) return r;

    AnalyseEingaben& e = aufruf.e;
    e.bereichText = d.Titel;
    e.fenstertitel =
        AnalyseFenstertitel(d.Titel, *art, std::filesystem::path(a[0]).filename().string());
    e.gesperrt = UngezogeneZahlen(d);
    for (int n : aufruf.gesperrt) e.gesperrt[static_cast<size_t>(n - 1)] = true;
    if (aufruf.zahlen)
        for (int n : *aufruf.zahlen) e.markiert[static_cast<size_t>(n - 1)] = true;
    // The system numbers of the two system checks may be any; marks must be usable numbers.
    if (aufruf.zahlen && e.art != Analyseart::Treffertabelle &&
        e.art != Analyseart::Garantiestufe) {
        for (int n : *aufruf.zahlen)
            if (e.gesperrt[static_cast<size_t>(n - 1)] || n > d.GroessteZahl) {
                err << "Die Zahl " << n << " ist gesperrt oder kommt in keiner Ziehung vor.\n";
                return kAufruffehler;
            }
    }
    return kErfolg;
}

// DATEI ART [options] [--seed S]: the result block of one analysis, as the determination
// window shows it. The repeated analyses print --ermittlungen blocks, one per determination.
int Analyse(const Argumente& alle, std::ostream& out, std::ostream& err) {
    Bereichsoptionen bereichswahl;
    Argumente a;
    if (int r = BereichsoptionenAbtrennen(alle, a, bereichswahl, err); r != kErfolg) return r;
    if (a.empty() || a[0].starts_with("--")) {
        err << "Es fehlen die Lottodatei und die Art der Analyse.\n" << Verwendung();
        return kAufruffehler;
    }
    if (a.size() == 1) {
        out << "Analysen:\n";
        for (const auto& e : Analysekatalog()) out << "  " << e.listentext << "\n";
        return kErfolg;
    }
    if (a[1].starts_with("--")) {
        err << "Es fehlt die Art der Analyse (zahlix-cli analyse DATEI zeigt die Analysen).\n";
        return kAufruffehler;
    }
    AnalyseAufruf aufruf;
    Lottodatei d;
    if (int r = AnalyseVorbereiten(a, bereichswahl, aufruf, d, err); r != kErfolg) return r;
    AnalyseEingaben& e = aufruf.e;
    const bool wiederholt = e.art == Analyseart::Zufallszahlen ||
                            e.art == Analyseart::Gewinnzahlen ||
                            e.art == Analyseart::Glueckszahlen || e.art == Analyseart::Pechzahlen;
    const int laeufe = wiederholt ? aufruf.ermittlungen : 1;
    for (int n = 1; n <= laeufe; ++n) {
        e.ermittlung = n;
        const AnalyseErgebnis r = AnalyseAusfuehren(d, e);
        if (r.text.empty()) {
            err << (r.meldung.empty() ? "Es gibt keine freie Zahl für die Analyse." : r.meldung)
                << "\n";
            return kAufruffehler;
        }
        TextUnveraendertAusgeben(out, r.text);
        if (!r.status.empty()) err << r.status.substr(r.status.front() == ' ' ? 1 : 0) << "\n";
        if (r.zyklusBeenden) break;
    }
    return kErfolg;
}

}  // namespace zahlix::cli
