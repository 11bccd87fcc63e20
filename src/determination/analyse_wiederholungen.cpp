// Zweier- to Fünferwiederholungen and Zerlegungsprüfung: how often groups of m numbers were
// drawn together. Every row adds one to each of its m-subsets; the tables are indexed by the
// subsets' colex rank, so a run costs one pass over the rows and one over the subsets.
#include <algorithm>
#include <bit>
#include <numeric>

#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"
#include "determination/teilmengen.h"

namespace zahlix {

namespace {

// Width of the count after the numbers, as the print headings have it.
int Anzahlbreite(int m) {
    return m == 2 ? 8 : m == 5 ? 6 : 7;
}

std::string Eintrag(const int* p, int m, int32_t anzahl, const std::vector<int>& zahlen) {
    std::string t;
    for (int i = 0; i < m; ++i)
        t += ZahlFeld3(static_cast<int16_t>(zahlen[static_cast<size_t>(p[i])]));
    std::string a = std::to_string(anzahl);
    const size_t breite = static_cast<size_t>(Anzahlbreite(m));
    return t + (a.size() < breite ? std::string(breite - a.size(), ' ') : " ") + a;
}

struct Zaehltabelle {
    std::vector<int> zahlen;       // the numbers taking part, ascending
    std::array<int, 50> stelle{};  // number -> position, -1 when not taking part
    std::vector<uint16_t> anzahl;  // per m-subset (colex rank)
};

template <typename Mitzaehlen>
bool Zaehlen(Kontext& k, uint64_t zahlen, int m, Mitzaehlen mitzaehlen, Zaehltabelle& t) {
    t.zahlen = ZahlenAus(zahlen);
    t.stelle.fill(-1);
    for (size_t i = 0; i < t.zahlen.size(); ++i)
        t.stelle[static_cast<size_t>(t.zahlen[i])] = static_cast<int>(i);
    t.anzahl.assign(static_cast<size_t>(Bin(static_cast<int>(t.zahlen.size()), m)), 0);
    std::vector<int> stellen;
    for (const Zeile& z : k.zeilen) {
        if (k.Stopp()) return false;
        // A damaged row with more than six numbers would only blow up the count.
        if (Anzahl(z.maske) > 6 || !mitzaehlen(z)) continue;
        stellen.clear();
        for (uint64_t r = z.maske & zahlen; r != 0; r &= r - 1)
            stellen.push_back(t.stelle[static_cast<size_t>(std::countr_zero(r) + 1)]);
        TeilmengenDurchlaufen(stellen, m, [&](const int* p) {
            ++t.anzahl[static_cast<size_t>(ColexRang(p, m))];
            return true;
        });
    }
    return true;
}

struct Treffer {
    int32_t anzahl;
    uint32_t stellen;  // positions, six bits each, the first highest: orders lexicographically
};

// Every subset whose count the predicate accepts.
template <typename Passt>
std::vector<Treffer> Auflisten(const Zaehltabelle& t, int m, Passt passt) {
    std::vector<Treffer> liste;
    const int n = static_cast<int>(t.zahlen.size());
    int c[7];
    for (int i = 0; i < m; ++i) c[i] = i;
    c[m] = n;
    for (size_t r = 0; r < t.anzahl.size(); ++r) {
        const int32_t a = t.anzahl[r];
        if (passt(a)) {
            uint32_t s = 0;
            for (int i = 0; i < m; ++i) s = (s << 6) | static_cast<uint32_t>(c[i]);
            liste.push_back({a, s});
        }
        int i = 0;
        while (i < m && c[i] + 1 == c[i + 1]) ++i;
        if (i == m) break;
        ++c[i];
        for (int j = 0; j < i; ++j) c[j] = j;
    }
    return liste;
}

bool NachZahlen(const Treffer& a, const Treffer& b) {
    return a.stellen < b.stellen;
}

// Most frequent first; equal counts in number order.
bool NachAnzahl(const Treffer& a, const Treffer& b) {
    return a.anzahl != b.anzahl ? a.anzahl > b.anzahl : a.stellen < b.stellen;
}

// The first kMaxListe entries in this order, chosen over all of them.
void Vorderste(std::vector<Treffer>& liste, bool (*ordnung)(const Treffer&, const Treffer&)) {
    if (liste.size() > kMaxListe) {
        std::nth_element(liste.begin(), liste.begin() + kMaxListe, liste.end(), ordnung);
        liste.resize(kMaxListe);
    }
    std::sort(liste.begin(), liste.end(), ordnung);
}

std::string Eintrag(const Treffer& t, int m, const std::vector<int>& zahlen) {
    int p[6];
    for (int i = 0; i < m; ++i) p[i] = static_cast<int>((t.stellen >> (6 * (m - 1 - i))) & 63);
    return Eintrag(p, m, t.anzahl, zahlen);
}

std::string Restzeile(int64_t gesamt, size_t gezeigt) {
    if (static_cast<int64_t>(gezeigt) >= gesamt) return {};
    return "... und" + Str(gesamt - static_cast<int64_t>(gezeigt)) + " weitere" + kCrLf;
}

}  // namespace

// Zweier- to Fünferwiederholungen: every m free numbers with how many draws held them all,
// listed when that count is below, equal to or above the limit; Vierer and Fünfer count only
// draws from the start year (system: start row) on.
void Wiederholungen(Kontext& k, int m) {
    const int32_t grenze = k.e.grenze & 0x7FFF;
    const auto vergleich = k.e.vergleich;
    const bool mitStart = m >= 4;
    const int start = k.e.start;
    Zaehltabelle t;
    if (!Zaehlen(
            k, k.frei, m, [&](const Zeile& z) { return !mitStart || k.Startwert(z) >= start; }, t))
        return;
    std::vector<Treffer> liste;
    if (vergleich == Vergleich::Kleiner)
        liste = Auflisten(t, m, [&](int32_t a) { return a < grenze; });
    else if (vergleich == Vergleich::Gleich)
        liste = Auflisten(t, m, [&](int32_t a) { return a == grenze; });
    else
        liste = Auflisten(t, m, [&](int32_t a) { return a > grenze; });
    const auto gesamt = static_cast<int64_t>(liste.size());
    Vorderste(liste, NachAnzahl);

    static const char* const kVergleich[] = {"kleiner als", "gleich", "größer als"};
    std::string text =
        k.Kopf() + "* Anzahl " + kVergleich[static_cast<int>(vergleich)] + Str(grenze);
    if (mitStart) text += (k.system ? ", ab Systemreihe" : ", ab dem Jahr") + Str(start);
    text += ":" + Str(gesamt) + " Kombinationen" + kCrLf + kCrLf;
    static const char* const kKopf[] = {"   Z1 Z2     Anz", "   Z1 Z2 Z3    Anz",
                                        "   Z1 Z2 Z3 Z4    Anz", "   Z1 Z2 Z3 Z4 Z5   Anz"};
    text += std::string(kKopf[m - 2]) + kCrLf;
    k.ergebnis.liste.reserve(liste.size());
    for (size_t i = 0; i < liste.size(); ++i) {
        k.ergebnis.liste.push_back(Eintrag(liste[i], m, t.zahlen));
        if (i < kMaxTextzeilen) text += "  " + k.ergebnis.liste.back() + kCrLf;
    }
    text += Restzeile(gesamt, std::min(liste.size(), kMaxTextzeilen));
    k.ergebnis.text = text + std::string(80, '-') + kCrLf;
    k.ergebnis.status = " " + Anzahl(gesamt, "Kombination", "Kombinationen") + " gefunden";
}

// Zerlegungsprüfung: every m of the marked numbers with how many draws held them all, in
// lexicographic order and by count.
void Zerlegung(Kontext& k) {
    const int m = std::clamp(k.e.zerlegung, 2, 5);
    if (Anzahl(k.markiert) <= m) {
        k.ergebnis.meldung = MeldungZerlegung(m);
        return;
    }
    Zaehltabelle t;
    if (!Zaehlen(
            k, k.markiert, m, [](const Zeile&) { return true; }, t))
        return;
    auto normal = Auflisten(t, m, [](int32_t) { return true; });
    const auto gesamt = static_cast<int64_t>(normal.size());
    auto sortiert = normal;
    Vorderste(normal, NachZahlen);
    Vorderste(sortiert, NachAnzahl);

    std::string text = k.Kopf() + Zahlenzeile(k.markiert, k.groessteZahl);
    text += "* Zerlegung in" + Str(m) + "er Kombinationen:" + Str(gesamt) +
            ", Anz = wie oft alle ihre Zahlen kamen" + kCrLf + kCrLf;
    for (size_t i = 0; i < normal.size(); ++i) {
        k.ergebnis.liste.push_back(Eintrag(normal[i], m, t.zahlen));
        k.ergebnis.listeSortiert.push_back(Eintrag(sortiert[i], m, t.zahlen));
        if (i < kMaxTextzeilen)
            text += k.ergebnis.liste.back() + std::string(8, ' ') +
                    k.ergebnis.listeSortiert.back() + kCrLf;
    }
    text += Restzeile(gesamt, std::min(normal.size(), kMaxTextzeilen));
    k.ergebnis.text = text + std::string(80, '-') + kCrLf;
    k.ergebnis.zahlenzeile = Zahlenzeile(k.markiert, k.groessteZahl);
    k.ergebnis.status = Str(gesamt) + " Kombinationen geprüft";
}

}  // namespace zahlix
