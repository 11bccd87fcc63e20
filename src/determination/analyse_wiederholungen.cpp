// Zweier- to Fünferwiederholungen and Zerlegungsprüfung: how often groups of m numbers were
// drawn together. Every row adds one to each of its m-subsets; the tables are indexed by the
// subsets' colex rank, so a run costs one pass over the rows and one over the subsets.
#include <algorithm>
#include <numeric>

#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"
#include "determination/teilmengen.h"

namespace zahlix {

namespace {

// Width of the count after the numbers, as the print headings have it.
int Anzahlbreite(int m) { return m == 2 ? 8 : m == 5 ? 6 : 7; }

std::string Eintrag(const int* p, int m, int32_t anzahl, const std::vector<int>& zahlen) {
    std::string t;
    for (int i = 0; i < m; ++i) t += ZahlFeld3(static_cast<int16_t>(zahlen[static_cast<size_t>(p[i])]));
    std::string a = std::to_string(anzahl);
    const size_t breite = static_cast<size_t>(Anzahlbreite(m));
    return t + (a.size() < breite ? std::string(breite - a.size(), ' ') : " ") + a;
}

// Rows with more than six numbers are damaged; their subsets would only blow up the count.
std::vector<int> Stellen(uint64_t zeile, const std::array<int, 50>& stelle) {
    std::vector<int> p;
    for (int z : ZahlenAus(zeile))
        if (stelle[static_cast<size_t>(z)] >= 0) p.push_back(stelle[static_cast<size_t>(z)]);
    return p;
}

struct Zaehltabelle {
    std::vector<int> zahlen;          // the numbers taking part, ascending
    std::array<int, 50> stelle{};     // number -> position, -1 when not taking part
    std::vector<uint16_t> anzahl;     // per m-subset (colex rank)
};

bool Zaehlen(Kontext& k, uint64_t zahlen, int m, const std::function<bool(const Zeile&)>& mitzaehlen,
             Zaehltabelle& t) {
    t.zahlen = ZahlenAus(zahlen);
    t.stelle.fill(-1);
    for (size_t i = 0; i < t.zahlen.size(); ++i) t.stelle[static_cast<size_t>(t.zahlen[i])] = static_cast<int>(i);
    t.anzahl.assign(static_cast<size_t>(Bin(static_cast<int>(t.zahlen.size()), m)), 0);
    for (const Zeile& z : k.zeilen) {
        if (k.Stopp()) return false;
        if (Anzahl(z.maske) > 6 || !mitzaehlen(z)) continue;
        TeilmengenDurchlaufen(Stellen(z.maske, t.stelle), m, [&](const int* p) {
            ++t.anzahl[static_cast<size_t>(ColexRang(p, m))];
            return true;
        });
    }
    return true;
}

struct Treffer {
    int32_t anzahl;
    uint32_t rang;  // position in lexicographic order
    std::string eintrag;
};

// Lists the subsets the predicate accepts, in lexicographic order, at most kMaxListe.
std::vector<Treffer> Auflisten(const Zaehltabelle& t, int m, const std::function<bool(int32_t)>& passt,
                               int64_t& gesamt) {
    std::vector<Treffer> liste;
    gesamt = 0;
    std::vector<int> alle(t.zahlen.size());
    std::iota(alle.begin(), alle.end(), 0);
    uint32_t rang = 0;
    TeilmengenDurchlaufen(alle, m, [&](const int* p) {
        const int32_t a = t.anzahl[static_cast<size_t>(ColexRang(p, m))];
        if (passt(a)) {
            ++gesamt;
            if (liste.size() < kMaxListe) liste.push_back({a, rang, Eintrag(p, m, a, t.zahlen)});
        }
        ++rang;
        return true;
    });
    return liste;
}

void Absortieren(std::vector<Treffer>& liste) {
    std::stable_sort(liste.begin(), liste.end(), [](const Treffer& a, const Treffer& b) { return a.anzahl > b.anzahl; });
}

std::string Restzeile(int64_t gesamt, size_t gezeigt) {
    if (static_cast<int64_t>(gezeigt) >= gesamt) return {};
    return "... und" + Str(gesamt - static_cast<int64_t>(gezeigt)) + " weitere" + kCrLf;
}

}  // namespace

void Wiederholungen(Kontext& k, int m) {
    const int32_t grenze = k.e.grenze & 0x7FFF;
    const auto vergleich = k.e.vergleich;
    const bool mitStart = m >= 4;
    const int start = k.e.start;
    Zaehltabelle t;
    if (!Zaehlen(k, k.frei, m, [&](const Zeile& z) { return !mitStart || k.Startwert(z) >= start; }, t)) return;
    int64_t gesamt = 0;
    auto liste = Auflisten(t, m, [&](int32_t a) {
        return vergleich == Vergleich::Kleiner ? a < grenze : vergleich == Vergleich::Gleich ? a == grenze : a > grenze;
    }, gesamt);
    Absortieren(liste);

    static const char* const kVergleich[] = {"kleiner als", "gleich", "größer als"};
    std::string text = k.Kopf() + "* Anzahl " + kVergleich[static_cast<int>(vergleich)] + Str(grenze);
    if (mitStart) text += (k.system ? ", ab Systemreihe" : ", ab dem Jahr") + Str(start);
    text += ":" + Str(gesamt) + " Kombinationen" + kCrLf + kCrLf;
    static const char* const kKopf[] = {"   Z1 Z2     Anz", "   Z1 Z2 Z3    Anz", "   Z1 Z2 Z3 Z4    Anz",
                                        "   Z1 Z2 Z3 Z4 Z5   Anz"};
    text += std::string(kKopf[m - 2]) + kCrLf;
    for (size_t i = 0; i < liste.size(); ++i) {
        k.ergebnis.liste.push_back(liste[i].eintrag);
        if (i < kMaxTextzeilen) text += "  " + liste[i].eintrag + kCrLf;
    }
    text += Restzeile(gesamt, std::min(liste.size(), kMaxTextzeilen));
    k.ergebnis.text = text + std::string(80, '-') + kCrLf;
    k.ergebnis.status = Str(gesamt) + " Kombinationen gefunden";
}

void Zerlegung(Kontext& k) {
    const int m = std::clamp(k.e.zerlegung, 2, 5);
    if (Anzahl(k.markiert) <= m) {
        k.ergebnis.meldung = MeldungZerlegung(m);
        return;
    }
    Zaehltabelle t;
    if (!Zaehlen(k, k.markiert, m, [](const Zeile&) { return true; }, t)) return;
    int64_t gesamt = 0;
    const auto normal = Auflisten(t, m, [](int32_t) { return true; }, gesamt);
    auto sortiert = normal;
    Absortieren(sortiert);

    std::string text = k.Kopf() + Zahlenzeile(k.markiert, k.groessteZahl);
    text += "* Zerlegung in" + Str(m) + "er Kombinationen:" + Str(gesamt) +
            " Kombinationen, Anz = wie oft alle ihre Zahlen gezogen wurden" + kCrLf + kCrLf;
    for (size_t i = 0; i < normal.size(); ++i) {
        k.ergebnis.liste.push_back(normal[i].eintrag);
        k.ergebnis.listeSortiert.push_back(sortiert[i].eintrag);
        if (i < kMaxTextzeilen) text += normal[i].eintrag + std::string(8, ' ') + sortiert[i].eintrag + kCrLf;
    }
    text += Restzeile(gesamt, std::min(normal.size(), kMaxTextzeilen));
    k.ergebnis.text = text + std::string(80, '-') + kCrLf;
    k.ergebnis.zahlenzeile = Zahlenzeile(k.markiert, k.groessteZahl);
    k.ergebnis.status = Str(gesamt) + " Kombinationen geprüft";
}

}  // namespace zahlix
