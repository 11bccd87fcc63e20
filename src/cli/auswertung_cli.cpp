#include "cli/auswertung_cli.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <ostream>

#include "app/programm.h"
#include "cli/quelldatei.h"
#include "core/bereich.h"

namespace zahlix::cli {

std::optional<int> GanzeZahl(const std::string& text) {
    int wert = 0;
    const char* ende = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), ende, wert);
    if (text.empty() || ec != std::errc{} || p != ende) return std::nullopt;
    return wert;
}

std::optional<std::vector<int>> ZahlenLesen(const std::vector<std::string>& texte, int n,
                                            std::ostream& err) {
    std::vector<int> zahlen;
    for (const auto& t : texte) {
        const auto z = GanzeZahl(t);
        if (!z || *z < 1 || *z > n) {
            err << "Ungültige Zahl: " << t << " (erlaubt sind 1 bis " << n << ")\n";
            return std::nullopt;
        }
        if (std::find(zahlen.begin(), zahlen.end(), *z) != zahlen.end()) {
            err << "Die Zahl " << *z << " ist doppelt angegeben.\n";
            return std::nullopt;
        }
        zahlen.push_back(*z);
    }
    std::sort(zahlen.begin(), zahlen.end());
    return zahlen;
}

namespace {

// "345", "35", "keine": which of the three bonus classes are evaluated.
std::optional<Zusatzzahlwertung> ZusatzLesen(const std::string& liste) {
    if (liste == "keine") return Zusatzzahlwertung{0, 0, 0};
    if (liste.empty()) return std::nullopt;
    Zusatzzahlwertung z{0, 0, 0};
    for (char c : liste) {
        if (c < '3' || c > '5' || z[static_cast<size_t>(c - '3')] == 1) return std::nullopt;
        z[static_cast<size_t>(c - '3')] = 1;
    }
    return z;
}

// "--name WERT" or "--name=WERT"; returns the value and advances i past it.
std::optional<std::string> Optionswert(const Argumente& a, size_t& i, const std::string& name) {
    const std::string& arg = a[i];
    if (arg == name) {
        if (i + 1 >= a.size()) return std::nullopt;
        return a[++i];
    }
    if (arg.starts_with(name + "=")) return arg.substr(name.size() + 1);
    return std::nullopt;
}

bool IstOption(const std::string& arg, const std::string& name) {
    return arg == name || arg.starts_with(name + "=");
}

}  // namespace

int AufrufLesen(const Argumente& alle, bool mitFilter, Auswertungsaufruf& aufruf,
                std::ostream& err) {
    Argumente a;
    if (int r = BereichsoptionenAbtrennen(alle, a, aufruf.bereich, err); r != kErfolg) return r;
    if (a.empty()) {
        err << "Es fehlt der Name der Lottodatei.\n" << Verwendung();
        return kAufruffehler;
    }
    // Options may stand anywhere; the first plain argument names the file.
    bool dateiGelesen = false;
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& arg = a[i];
        if (mitFilter && IstOption(arg, "--filter")) {
            const auto wert = Optionswert(a, i, "--filter");
            const auto f = wert ? GanzeZahl(*wert) : std::nullopt;
            if (!f || *f < 0 || *f > 12) {
                err << "--filter erwartet eine Zahl von 0 bis 12.\n";
                return kAufruffehler;
            }
            aufruf.filter = *f;
        } else if (IstOption(arg, "--zusatzzahl")) {
            const auto wert = Optionswert(a, i, "--zusatzzahl");
            const auto z = wert ? ZusatzLesen(*wert) : std::nullopt;
            if (!z) {
                err << "--zusatzzahl erwartet Ziffern aus 3, 4, 5 oder \"keine\".\n";
                return kAufruffehler;
            }
            aufruf.zusatz = *z;
        } else if (arg.starts_with("--")) {
            err << "Unbekannte Option: " << arg << "\n" << Verwendung();
            return kAufruffehler;
        } else if (!dateiGelesen) {
            aufruf.datei = arg;
            dateiGelesen = true;
        } else {
            aufruf.zahlen.push_back(arg);
        }
    }
    if (!dateiGelesen) {
        err << "Es fehlt der Name der Lottodatei.\n" << Verwendung();
        return kAufruffehler;
    }
    if (aufruf.zahlen.empty()) {
        err << "Es fehlen die Zahlen der Auswahl.\n" << Verwendung();
        return kAufruffehler;
    }
    return kErfolg;
}

int AuswertungAusfuehren(const Auswertungsaufruf& aufruf, Lottodatei& d,
                         Auswertungsanzeige& anzeige, std::ostream& err) {
    if (int r = ImBereichOeffnen(aufruf.datei, aufruf.bereich, d, err); r != kErfolg) return r;
    const auto zahlen = ZahlenLesen(aufruf.zahlen, std::clamp<int>(d.GroessteZahl, 1, 49), err);
    if (!zahlen) return kAufruffehler;

    anzeige = {};
    anzeige.fenstertitel = "Lotto-Auswertung: " + aufruf.datei;
    anzeige.bereichText = d.Titel.empty() ? BereichText() : d.Titel;
    anzeige.auswahl = ZahlenPacken(*zahlen);
    anzeige.groessteZahl = d.GroessteZahl;
    anzeige.filter = aufruf.filter;
    anzeige.listentitel = TrefferTitel(aufruf.filter);
    ReihenAuswerten(anzeige.auswahl, d, anzeige.zaehler, aufruf.zusatz);
    return kErfolg;
}

void TextUnveraendertAusgeben(std::ostream& out, const std::string& text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
}

int AuswertungBerichten(const Argumente& a, bool mitFilter,
                        std::string (*bericht)(const Auswertungsanzeige&, const Lottodatei&),
                        std::ostream& out, std::ostream& err) {
    Auswertungsaufruf aufruf;
    if (int r = AufrufLesen(a, mitFilter, aufruf, err); r != kErfolg) return r;
    Lottodatei d;
    Auswertungsanzeige anzeige;
    if (int r = AuswertungAusfuehren(aufruf, d, anzeige, err); r != kErfolg) return r;
    TextUnveraendertAusgeben(out, bericht(anzeige, d));
    return kErfolg;
}

}  // namespace zahlix::cli
