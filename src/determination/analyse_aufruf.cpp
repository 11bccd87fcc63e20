#include "determination/analyse_aufruf.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>
#include <map>

#include "determination/zeilen.h"

namespace zahlix {

namespace {

std::string Einfach(std::string s) {
    for (auto [von, nach] : {std::pair{"ä", "ae"},
                             {"ö", "oe"},
                             {"ü", "ue"},
                             {"Ä", "ae"},
                             {"Ö", "oe"},
                             {"Ü", "ue"},
                             {"ß", "ss"}})
        for (size_t p; (p = s.find(von)) != std::string::npos;)
            s.replace(p, std::string(von).size(), nach);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::optional<int64_t> Zahl(const std::string& t) {
    int64_t w = 0;
    const char* ende = t.data() + t.size();
    auto [p, ec] = std::from_chars(t.data(), ende, w);
    if (t.empty() || ec != std::errc{} || p != ende) return std::nullopt;
    return w;
}

std::optional<std::pair<int64_t, int64_t>> Paar(const std::string& t, char trenner) {
    const size_t p = t.find(trenner, 1);
    if (p == std::string::npos) return std::nullopt;
    const auto a = Zahl(t.substr(0, p)), b = Zahl(t.substr(p + 1));
    if (!a || !b) return std::nullopt;
    return std::pair{*a, *b};
}

std::optional<std::vector<int>> Liste(const std::string& t) {
    std::vector<int> z;
    size_t start = 0;
    while (start <= t.size()) {
        const size_t p = std::min(t.find(',', start), t.size());
        const auto n = Zahl(t.substr(start, p - start));
        if (!n || *n < 1 || *n > 49 || std::find(z.begin(), z.end(), *n) != z.end())
            return std::nullopt;
        z.push_back(static_cast<int>(*n));
        start = p + 1;
    }
    std::sort(z.begin(), z.end());
    return z;
}

}  // namespace

std::optional<Analyseart> AnalyseartAusName(const std::string& name) {
    for (const auto& e : Analysekatalog())
        if (name == e.listentext || Einfach(name) == Einfach(e.listentext)) return e.art;
    return std::nullopt;
}

std::optional<std::string> AnalyseOptionenLesen(const std::vector<std::string>& optionen,
                                                AnalyseAufruf& a) {
    AnalyseEingaben& e = a.e;
    using Leser = std::function<bool(const std::string&)>;
    auto zahl = [](auto& ziel, int64_t von, int64_t bis) -> Leser {
        return [&ziel, von, bis](const std::string& w) {
            const auto z = Zahl(w);
            if (!z || *z < von || *z > bis) return false;
            ziel = static_cast<std::remove_reference_t<decltype(ziel)>>(*z);
            return true;
        };
    };
    auto bereich = [](int32_t& von, int32_t& bis) -> Leser {
        return [&von, &bis](const std::string& w) {
            const auto p = Paar(w, '-');
            if (!p || p->first < 0 || p->second > 2147483647) return false;
            von = static_cast<int32_t>(p->first), bis = static_cast<int32_t>(p->second);
            return true;
        };
    };
    const std::map<std::string, Leser> leser = {
        {"--zahlen", [&](const std::string& w) { return (a.zahlen = Liste(w)).has_value(); }},
        {"--gesperrt",
         [&](const std::string& w) {
             auto l = Liste(w);
             if (l) a.gesperrt = *l;
             return l.has_value();
         }},
        {"--anzahl", zahl(e.anzahlZahlen, 1, 49)},
        {"--ermittlungen", zahl(a.ermittlungen, 1, 1000)},
        {"--verwende",
         [&](const std::string& w) {
             e.verwende = w == "markierte" ? 2 : 1;
             return w == "markierte" || w == "zufaellige";
         }},
        {"--klasse",
         [&](const std::string& w) {
             const size_t p = w.find('=');
             const auto k = Zahl(w.substr(0, p));
             const auto b = p == std::string::npos ? std::nullopt : Paar(w.substr(p + 1), '-');
             if (!k || *k < 0 || *k > 9 || !b) return false;
             e.gewinnVon[static_cast<size_t>(*k)] = static_cast<int32_t>(b->first);
             e.gewinnBis[static_cast<size_t>(*k)] = static_cast<int32_t>(b->second);
             return true;
         }},
        {"--versuche", zahl(e.versucheGewinnzahlen, 1, 1000000)},
        {"--summe", bereich(e.summeVon, e.summeBis)},
        {"--kombinr", bereich(e.kombiVon, e.kombiBis)},
        {"--grenze",
         [&](const std::string& w) {
             e.grenze = Grenzwert(w);
             return Zahl(w).has_value();
         }},
        {"--vergleich",
         [&](const std::string& w) {
             static const std::map<std::string, Vergleich> v = {{"kleiner", Vergleich::Kleiner},
                                                                {"gleich", Vergleich::Gleich},
                                                                {"groesser", Vergleich::Groesser}};
             const auto it = v.find(w);
             if (it != v.end()) e.vergleich = it->second;
             return it != v.end();
         }},
        {"--start", zahl(e.start, 0, 32767)},
        {"--verteilung",
         [&](const std::string& w) {
             e.verteilung = w == "woche" ? 1 : 0;
             return w == "woche" || w == "jahr";
         }},
        {"--abstaende", zahl(e.abstaende, 2, 5)},
        {"--zerlegung", zahl(e.zerlegung, 2, 5)},
        {"--sternzeichen",
         [&](const std::string& w) {
             for (size_t i = 0; i < Sternzeichen().size(); ++i)
                 if (Einfach(w) == Einfach(Sternzeichen()[i]))
                     return e.sternzeichen = static_cast<int>(i), true;
             return false;
         }},
        {"--datum",
         [&](const std::string& w) {
             int t = 0, m = 0, j = 0;
             if (w.size() != 10 || w[2] != '.' || w[5] != '.') return false;
             const auto zt = Zahl(w.substr(0, 2)), zm = Zahl(w.substr(3, 2)),
                        zj = Zahl(w.substr(6));
             if (!zt || !zm || !zj) return false;
             t = static_cast<int>(*zt), m = static_cast<int>(*zm), j = static_cast<int>(*zj);
             if (t < 1 || t > 31 || m < 1 || m > 12 || j < 1 || j > 9999) return false;
             e.tag = t, e.monat = m, e.jahr = j;
             return true;
         }},
        {"--prognoseart", zahl(e.prognoseart, 1, 3)},
        {"--methode", zahl(e.prognoseMethode, 0, 5)},
        {"--index", zahl(e.treffertabelle, 0, 13)},
        {"--stufe",
         [&](const std::string& w) {
             const auto p = Paar(w, ',');
             if (!p || p->first < 1 || p->first > 6 || p->second < 1 || p->second > 6) return false;
             e.garantieA = static_cast<int>(p->first), e.garantieB = static_cast<int>(p->second);
             return true;
         }},
        {"--zusatzzahl",
         [&](const std::string& w) {
             std::array<bool, 3> an{};
             if (w != "keine") {
                 if (w.empty()) return false;
                 for (char c : w) {
                     if (c < '3' || c > '5' || an[static_cast<size_t>(c - '3')]) return false;
                     an[static_cast<size_t>(c - '3')] = true;
                 }
             }
             for (size_t i = 0; i < 3; ++i) e.beruecksichtige[4 + i] = an[i];
             return true;
         }},
        {"--seed",
         [&](const std::string& w) {
             uint64_t s = 0;
             auto [p, ec] = std::from_chars(w.data(), w.data() + w.size(), s);
             e.seed = s;
             return !w.empty() && ec == std::errc{} && p == w.data() + w.size();
         }},
    };
    for (size_t i = 0; i < optionen.size(); ++i) {
        std::string name = optionen[i], wert;
        const size_t gleich = name.find('=');
        if (name.starts_with("--") && gleich != std::string::npos) {
            wert = name.substr(gleich + 1);
            name.resize(gleich);
        } else if (name == "--nur-pruefen") {
            e.nurPruefen = true;
            continue;
        } else if (name.starts_with("--") && i + 1 < optionen.size()) {
            wert = optionen[++i];
        } else {
            return "Unerwartetes Argument: " + name;
        }
        const auto it = leser.find(name);
        if (it == leser.end()) return "Unbekannte Option: " + name;
        if (!it->second(wert)) return "Ungültiger Wert für " + name + ": " + wert;
    }
    return std::nullopt;
}

std::array<bool, 49> UngezogeneZahlen(const Lottodatei& d) {
    uint64_t gezogen = 0;
    for (const Zeile& z : ZeilenImBereich(d)) gezogen |= z.maske;
    std::array<bool, 49> gesperrt{};
    for (int n = 1; n <= 49; ++n) gesperrt[static_cast<size_t>(n - 1)] = !Enthaelt(gezogen, n);
    return gesperrt;
}

}  // namespace zahlix
