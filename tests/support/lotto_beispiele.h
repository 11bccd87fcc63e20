#pragma once
// Small hand-made histories for the tests.
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "core/lottodatei.h"
#include "core/zahlen.h"

namespace zahlix::test {

struct Ziehung {
    int woche, jahr;
    char kennung;  // 0 for none
    std::array<int, 6> zahlen;
    int zusatz;
};

inline Lottodatei HistorieAus(const std::vector<Ziehung>& ziehungen, int groessteZahl = 49) {
    Lottodatei d;
    d.GroessteZahl = static_cast<int16_t>(groessteZahl);
    int i = 0;
    for (const Ziehung& z : ziehungen) {
        d.WocheKennung[i] = WocheKennungAus(z.woche, static_cast<unsigned char>(z.kennung));
        d.JahrCode[i] = JahrCodeAusJahr(z.jahr);
        Bitworte w = ZahlenPacken(z.zahlen);
        w[3] = static_cast<int16_t>(w[3] | (z.zusatz << 8));
        d.ZahlenSetzen(i, w);
        d.ImBereich[i] = -1;
        ++i;
    }
    d.LetzterIndex = static_cast<int16_t>(i > 0 ? i - 1 : 0);
    return d;
}

// Mixed identifiers, bonus numbers 9 / none (0) / none (50), a year change and week 53.
inline Lottodatei Beispiel() {
    return HistorieAus({
        {5, 2005, 0, {3, 12, 17, 25, 38, 44}, 9},
        {5, 2005, 'M', {1, 2, 3, 4, 5, 49}, 0},
        {53, 2009, 'S', {7, 14, 21, 28, 35, 42}, 50},
        {1, 2010, 'A', {43, 44, 45, 46, 47, 48}, 1},
        {2, 1999, '9', {6, 13, 20, 27, 34, 41}, 49},
    });
}

// Every field of the draws 0..LetzterIndex, for whole-history comparisons.
inline std::vector<std::array<int16_t, 6>> Felder(const Lottodatei& d) {
    std::vector<std::array<int16_t, 6>> f;
    for (int i = 0; i < kSlots && d.WocheKennung[i] != 0; ++i)
        f.push_back({d.WocheKennung[i], d.JahrCode[i], d.Bitwort1[i], d.Bitwort2[i], d.Bitwort3[i],
                     d.Bitwort4[i]});
    return f;
}

// True when every slot from index ab on is zero in all eight arrays.
inline bool LeerAb(const Lottodatei& d, int ab) {
    static const std::vector<int16_t> nullen(kSlots);
    const auto n = static_cast<std::size_t>(kSlots - ab) * sizeof(int16_t);
    for (const auto* a : {&d.WocheKennung, &d.JahrCode, &d.Bitwort1, &d.Bitwort2, &d.Bitwort3,
                          &d.Bitwort4, &d.Trefferwert, &d.ImBereich})
        if (std::memcmp(a->data() + ab, nullen.data(), n) != 0) return false;
    return true;
}

}  // namespace zahlix::test
