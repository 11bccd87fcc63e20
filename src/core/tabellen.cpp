#include "core/tabellen.h"

#include <bit>

#include "core/zahlen.h"

namespace zahlix {

namespace {

Tabellen Bauen() {
    Tabellen t;
    for (int v = 0; v < 32767; ++v) t.BitZahl[v] = static_cast<int16_t>(std::popcount(static_cast<unsigned>(v)));
    for (int n = 1; n <= 49; ++n) {
        const int k = (n - 1) / 14;
        const int p = (n - 1) % 14;
        t.ZahlMaske[n][k] = static_cast<int16_t>(p <= 6 ? (1 << p) : (1 << (p + 1)));
    }
    for (int n = 1; n <= 49; ++n)
        for (int k = 1; k <= 9; ++k) t.Binomial[n][k] = Binomial(n, k);
    for (int i = 1; i < 128; ++i) t.Vielfache[i] = 49 * i;
    return t;
}

}  // namespace

const Tabellen& Tab() {
    static const Tabellen tabellen = Bauen();
    return tabellen;
}

int16_t Initialisieren() {
    (void)Tab();
    return 0;
}

}  // namespace zahlix
