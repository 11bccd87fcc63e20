#include "statistics/tendenz.h"

#include <algorithm>
#include <cmath>

namespace zahlix::statistik {

std::array<int16_t, 50> TendenzBerechnen(const std::vector<Zug>& z, int ansicht, int N, int art,
                                         int fenster) {
    std::array<int16_t, 50> t{};
    const int m = static_cast<int>(z.size());
    fenster = std::max(1, fenster);
    std::array<int, 50> neu{}, davor{}, alle{};
    int zahlen[50];
    for (int i = 0; i < m; ++i) {
        const int alter = m - 1 - i;  // 0 for the newest draw
        const int k = Entpacken(z[static_cast<size_t>(i)].Menge(ansicht), zahlen);
        for (int j = 0; j < k; ++j) {
            const int x = zahlen[j];
            if (x > N) continue;
            ++alle[x];
            if (alter < fenster)
                ++neu[x];
            else if (alter < 2 * fenster)
                ++davor[x];
        }
    }
    const int breite = std::min(fenster, m);
    for (int x = 1; x <= N; ++x) {
        if (art == 1) {
            t[x] = Klemmen(neu[x] - davor[x]);
        } else if (alle[x] > 0 && breite > 0) {
            const double prozent = 100.0 * neu[x] * m / (double(breite) * alle[x]) - 100.0;
            t[x] = Klemmen(static_cast<int64_t>(std::nearbyint(prozent)));
        }
    }
    return t;
}

}  // namespace zahlix::statistik
