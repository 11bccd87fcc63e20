#include "drawhistory/gruppenmuster.h"

#include <algorithm>
#include <array>
#include <functional>

#include "evaluation/auswertung.h"

namespace zahlix {

namespace {

constexpr int kSechs = 6;

// Counts per group (group index 0..N-1 from gruppe(z)), sorted descending, classified.
template <size_t N, typename Gruppe>
int MusterNachGruppen(std::span<const int> zahlen, Gruppe gruppe) {
    std::array<int, N> anzahl{};
    for (int z : zahlen) {
        const int g = gruppe(z);
        if (g >= 0 && g < static_cast<int>(N)) ++anzahl[static_cast<size_t>(g)];
    }
    std::sort(anzahl.begin(), anzahl.end(), std::greater<>());
    return MusterAusAnzahlen(anzahl);
}

}  // namespace

int32_t ScheinzeilenCode(std::span<const int> zahlen) {
    std::array<int32_t, 7> anzahl{};
    for (int z : zahlen)
        if (z >= 1 && z <= 49) ++anzahl[static_cast<size_t>((z - 1) / 7)];
    int32_t code = 0;
    for (int32_t a : anzahl) code = code * 10 + a;
    return code;
}

int ThugCode(std::span<const int> zahlen) {
    int t = 0, h = 0, u = 0, g = 0;
    for (int z : zahlen) {
        (z < 25 ? t : h) += 1;
        (z % 2 != 0 ? u : g) += 1;
    }
    return t * 1000 + h * 100 + u * 10 + g;
}

int32_t ReihenKombiNr(std::span<const int> zahlen, int groessteZahl) {
    return KombiNrBerechnen(zahlen, std::clamp(groessteZahl, 1, 49));
}

int MusterAusAnzahlen(std::span<const int> a) {
    // All counts must add up to six: a seventh group with one number is a row of seven.
    int summe = 0;
    for (int x : a) summe += x;
    if (summe != kSechs || a.size() < 3) return 0;
    switch (a[0]) {
        case 6:
            return 1;
        case 5:
            return 2;
        case 4:
            return a[1] == 2 ? 3 : 5;
        case 3:
            return a[1] == 3 ? 4 : a[1] == 2 ? 6 : 8;
        case 2:
            return a[1] == 2 ? (a[2] == 2 ? 7 : 9) : 10;
        case 1:
            return 11;
        default:
            return 0;
    }
}

std::string MusterText(int muster) {
    static const char* const kTexte[12] = {"",       "     6", "    51", "    42",
                                           "    33", "   411", "   321", "   222",
                                           "  3111", "  2211", " 21111", "111111"};
    return muster >= 0 && muster <= 11 ? kTexte[muster] : "";
}

int ZeilenMuster(std::span<const int> zahlen) {
    return MusterNachGruppen<7>(zahlen, [](int z) { return (z - 1) / 7; });
}

int SpaltenMuster(std::span<const int> zahlen) {
    return MusterNachGruppen<7>(zahlen, [](int z) { return (z - 1) % 7; });
}

int ZehnerMuster(std::span<const int> zahlen) {
    return MusterNachGruppen<5>(zahlen, [](int z) { return z / 10; });
}

int EndziffernMuster(std::span<const int> zahlen) {
    return MusterNachGruppen<10>(zahlen, [](int z) { return (z - 1) % 10; });
}

int NachbarnMuster(std::span<const int> zahlen) {
    if (zahlen.size() != kSechs) return 0;
    std::array<int, kSechs> laengen{};
    size_t n = 0;
    laengen[0] = 1;
    for (size_t i = 1; i < zahlen.size(); ++i) {
        if (zahlen[i] == zahlen[i - 1] + 1)
            ++laengen[n];
        else
            laengen[++n] = 1;
    }
    std::sort(laengen.begin(), laengen.end(), std::greater<>());
    return MusterAusAnzahlen(laengen);
}

int BildVonZahl(int z) {
    if (z < 1 || z > 49) return 0;
    const int zeile = (z - 1) / 7, spalte = (z - 1) % 7;
    if (zeile == 0 || zeile == 6 || spalte == 0 || spalte == 6) return 1;
    if (zeile == 3 || spalte == 3) return 3;
    if (zeile == spalte || zeile + spalte == 6) return 2;
    return 0;
}

int BilderMuster(std::span<const int> zahlen) {
    // Three picture counts and room for six single numbers outside every picture.
    std::array<int, 9> anzahl{};
    for (int z : zahlen)
        if (const int b = BildVonZahl(z); b > 0) ++anzahl[static_cast<size_t>(b - 1)];
    std::sort(anzahl.begin(), anzahl.end(), std::greater<>());
    int summe = anzahl[0] + anzahl[1] + anzahl[2];
    const int c = static_cast<int>(zahlen.size());
    for (size_t i = 0; i < anzahl.size() && summe < c; ++i)
        if (anzahl[i] == 0) {
            anzahl[i] = 1;
            ++summe;
        }
    return MusterAusAnzahlen(anzahl);
}

std::string ReiheAlsBild(std::span<const int> zahlen) {
    std::string bild(49, '.');
    for (int z : zahlen)
        if (z >= 1 && z <= 49) bild[static_cast<size_t>(z - 1)] = static_cast<char>('0' + z % 10);
    return bild;
}

}  // namespace zahlix
