#include <filesystem>
#include <ostream>

#include "cli/analyse_cli.h"
#include "cli/auswertung_cli.h"
#include "cli/bereich_optionen.h"
#include "core/atomare_datei.h"
#include "determination/analyse_aufruf.h"
#include "determination/rueckblick_grafik.h"

namespace zahlix::cli {

namespace {

// "6T=1000000,3T=10.50": prizes by the class labels of the reports.
bool Gewinne(const std::string& text, std::array<int64_t, 10>& gewinn) {
    static const char* const kName[10] = {"0T", "1T", "2T", "3T", "4T",
                                          "5T", "6T", "3+", "4+", "5+"};
    size_t start = 0;
    while (start <= text.size()) {
        const size_t ende = std::min(text.find(',', start), text.size());
        const std::string teil = text.substr(start, ende - start);
        const size_t gleich = teil.find('=');
        const std::string klasse = teil.substr(0, gleich);
        const auto it = std::find_if(std::begin(kName), std::end(kName), [&](const char* n) {
            return klasse == n ||
                   (klasse.size() == 2 && klasse[0] == n[0] && klasse[1] == 't' && n[1] == 'T');
        });
        const auto wert = gleich == std::string::npos
                              ? std::nullopt
                              : BetragInCent(teil.substr(gleich + 1), false);
        if (it == std::end(kName) || !wert) return false;
        gewinn[static_cast<size_t>(it - std::begin(kName))] = *wert;
        start = ende + 1;
    }
    return true;
}

}  // namespace

// DATEI ART [--letzte N] [--seed S] [options of the analysis] [--einsatz E --gewinne K=V,...]
// [--svg DATEI]: how the analysis' proposals would have done over the last N draws.
int Rueckblick(const Argumente& alle, std::ostream& out, std::ostream& err) {
    RueckblickEingaben e;
    std::string svg;
    Argumente ohne;  // --letzte belongs to the back-test here, not to the range
    for (size_t i = 0; i < alle.size(); ++i) {
        std::string name = alle[i], wert;
        const size_t gleich = name.find('=');
        if (name.starts_with("--") && gleich != std::string::npos)
            wert = name.substr(gleich + 1), name.resize(gleich);
        else if (i + 1 < alle.size())
            wert = alle[i + 1];
        if (name != "--letzte" && name != "--einsatz" && name != "--gewinne" && name != "--svg") {
            ohne.push_back(alle[i]);
            continue;
        }
        if (gleich == std::string::npos) ++i;
        bool gut = !wert.empty();
        if (name == "--letzte") {
            const auto n = wert == "alle" ? std::optional<int>(0) : GanzeZahl(wert);
            gut = n && *n >= 0;
            if (gut) e.letzte = *n;
        } else if (name == "--einsatz") {
            const auto b = BetragInCent(wert);
            gut = b.has_value();
            if (gut) e.einsatz = *b, e.mitGeld = true;
        } else if (name == "--gewinne") {
            gut = gut && Gewinne(wert, e.gewinn);
            e.mitGeld = true;
        } else {
            svg = wert;
        }
        if (!gut) {
            err << "Ungültiger Wert für " << name << ": " << wert << "\n";
            return kAufruffehler;
        }
    }
    Bereichsoptionen bereichswahl;
    Argumente a;
    if (int r = BereichsoptionenAbtrennen(ohne, a, bereichswahl, err); r != kErfolg) return r;
    if (a.size() < 2 || a[0].starts_with("--") || a[1].starts_with("--")) {
        err << "Es fehlen die Lottodatei und die Art der Analyse. Einen Rückblick gibt es für:";
        for (const auto& k : Analysekatalog())
            if (SchlaegtReiheVor(k.art)) err << " " << k.listentext;
        err << "\n";
        return kAufruffehler;
    }
    AnalyseAufruf aufruf;
    Lottodatei d;
    if (int r = AnalyseVorbereiten(a, bereichswahl, aufruf, d, err); r != kErfolg) return r;
    e.analyse = aufruf.e;
    e.analyse.fenstertitel =
        RueckblickTitel(e.analyse.art, std::filesystem::path(a[0]).filename().string());
    const RueckblickErgebnis r = RueckblickAusfuehren(d, e);
    if (!r.meldung.empty()) {
        err << r.meldung << "\n";
        return kAufruffehler;
    }
    TextUnveraendertAusgeben(out, r.text);
    if (!svg.empty()) {
        std::string fehler;
        if (!DateiAtomarSchreiben(svg, statistik::GrafikAlsSvg(RueckblickGrafik(r, 12000, 6000)),
                                  fehler)) {
            err << fehler << "\n";
            return kDatenfehler;
        }
    }
    return kErfolg;
}

}  // namespace zahlix::cli
