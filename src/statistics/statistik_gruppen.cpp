// Types 9 and 13: group patterns of the draws and numbers at a position of the sorted draw.
#include <array>

#include "statistics/gruppenmuster.h"
#include "statistics/statistik_intern.h"

namespace zahlix::statistik {

void GruppenBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                      Unterbrechung& u) {
    const int m = static_cast<int>(z.size());
    const bool position = p.typ == WieOftAnPosition;
    e.n = position ? PositionsZeilen(p.zahl2, N) : GruppenZeilen(p.zahl2);
    // Only draws of exactly six numbers have a pattern; the Sollwert scales with them.
    int sechser = 0;
    Ereignisse ev(e.n);
    int zahlen[50];
    for (int i = 0; i < m; ++i) {
        if (u.Schritt(i)) {
            e.abgebrochen = true;
            break;
        }
        const int c = Entpacken(z[static_cast<size_t>(i)].zahlen, zahlen);
        if (c != 6) continue;
        ++sechser;
        const int zeile = position ? PositionsZeile(zahlen[p.zahl1 - 1], p.zahl2)
                                   : GruppenZeile(zahlen, c, p.zahl2);
        if (zeile >= 1 && zeile <= e.n) ev.Treffer(zeile, i);
    }
    ev.Eintragen(e, m);

    // Sollwert: the share of all C(N, 6) rows in the class times the draws counted.
    const double alle = double(Auswahl(N, 6));
    if (position) {
        // The p-th smallest of six is x in C(x-1, p-1) * C(N-x, 6-p) rows.
        std::array<double, kZeilen + 1> soll{};
        for (int x = 1; x <= N; ++x) {
            const double w = double(Auswahl(x - 1, p.zahl1 - 1) * Auswahl(N - x, 6 - p.zahl1));
            const int zeile = PositionsZeile(x, p.zahl2);
            if (zeile >= 1 && zeile <= e.n) soll[static_cast<size_t>(zeile)] += sechser * w / alle;
        }
        for (int k = 1; k <= e.n; ++k) e.sollwert[k] = static_cast<float>(soll[k]);
    } else {
        const auto a = GruppenAnzahlen(p.zahl2, N);
        for (int k = 1; k <= e.n; ++k)
            e.sollwert[static_cast<size_t>(k)] = static_cast<float>(sechser * double(a[k]) / alle);
    }
}

}  // namespace zahlix::statistik
