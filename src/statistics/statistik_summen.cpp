// Types 15 and 16: sums and spreads of the drawn numbers.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "statistics/gruppenmuster.h"
#include "statistics/statistik_intern.h"

namespace zahlix::statistik {

namespace {

// anzahl[s]: the sets of k numbers out of 1..N with sum s.
std::vector<double> Summenverteilung(int N, int k) {
    const int hoechste = k * N;
    std::vector<std::vector<double>> t(static_cast<size_t>(k) + 1,
                                       std::vector<double>(static_cast<size_t>(hoechste) + 1));
    t[0][0] = 1;
    for (int x = 1; x <= N; ++x)
        for (int j = std::min(k, x); j >= 1; --j)
            for (int s = hoechste; s >= x; --s) t[j][s] += t[j - 1][s - x];
    return t[static_cast<size_t>(k)];
}

}  // namespace

SummenFenster SummenFensterFuer(int N, int k) {
    const int kleinste = k * (k + 1) / 2;
    const int groesste = k * N - k * (k - 1) / 2;
    SummenFenster f;
    if (groesste - kleinste + 1 <= kZeilen) {
        f.von = kleinste;
        f.zeilen = groesste - kleinste + 1;
        return f;
    }
    // 100 sums around the mean; the first row takes all smaller sums, the last all larger.
    const int mitte = static_cast<int>(std::floor(k * (N + 1) / 2.0 - 49.5));
    f.von = std::clamp(mitte, kleinste, groesste - kZeilen + 1);
    f.zeilen = kZeilen;
    return f;
}

void SummenBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                     Unterbrechung& u) {
    const int m = static_cast<int>(z.size());
    int zahlen[50];
    int passend = 0;
    if (p.typ == Zahlensumme) {
        // The sum of the numbers the bonus-number view selects; only draws with six numbers
        // (seven with the bonus number, one for the bonus alone) count.
        const int k = p.zusatz == Nur ? 1 : (p.zusatz == Mit ? 7 : 6);
        const SummenFenster f = SummenFensterFuer(N, k);
        e.n = f.zeilen;
        e.versatz = f.von - 1;
        e.ersteSammelt = f.von > k * (k + 1) / 2;
        e.letzteSammelt = f.von + f.zeilen - 1 < k * N - k * (k - 1) / 2;
        Ereignisse ev(e.n);
        for (int i = 0; i < m; ++i) {
            if (u.Schritt(i)) {
                e.abgebrochen = true;
                break;
            }
            const int c = Entpacken(z[static_cast<size_t>(i)].Menge(p.zusatz), zahlen);
            if (c != k) continue;
            ++passend;
            int s = 0;
            for (int j = 0; j < c; ++j) s += zahlen[j];
            ev.Treffer(std::clamp(s - f.von + 1, 1, e.n), i);
        }
        ev.Eintragen(e, m);
        const std::vector<double> a = Summenverteilung(N, k);
        const double alle = double(Auswahl(N, k));
        std::array<double, kZeilen + 1> soll{};
        for (int s = 0; s < static_cast<int>(a.size()); ++s)
            if (a[static_cast<size_t>(s)] > 0)
                soll[static_cast<size_t>(std::clamp(s - f.von + 1, 1, e.n))] +=
                    a[static_cast<size_t>(s)];
        for (int r = 1; r <= e.n; ++r) e.sollwert[r] = static_cast<float>(passend * soll[r] / alle);
        return;
    }

    // Spreads of a consecutive numbers of the sorted draw (a = 2: the gaps between
    // neighbours, a = 6: largest minus smallest). Istwert counts every such spread, so a draw
    // may count several times; Zuletzt and Abstand count draws with at least one.
    const int a = p.zahl2 + 2;
    e.n = N - 1;
    Ereignisse ev(e.n);
    std::array<int, kZeilen + 1> anzahl{};
    for (int i = 0; i < m; ++i) {
        if (u.Schritt(i)) {
            e.abgebrochen = true;
            break;
        }
        const int c = Entpacken(z[static_cast<size_t>(i)].zahlen, zahlen);
        if (c != 6) continue;
        ++passend;
        for (int j = 0; j + a - 1 < 6; ++j) {
            const int d = zahlen[j + a - 1] - zahlen[j];
            if (d > e.n) continue;  // a damaged draw with numbers above GroessteZahl
            ++anzahl[static_cast<size_t>(d)];
            ev.Treffer(d, i);
        }
    }
    ev.Eintragen(e, m);
    const double alle = double(Auswahl(N, 6));
    for (int d = 1; d <= e.n; ++d) {
        e.istwert[d] = Klemmen(anzahl[static_cast<size_t>(d)]);
        // Rows where the spread starts at x with j numbers below: C(x-1, j) ways below,
        // C(d-1, a-2) between, C(N-x-d, 6-j-a) above.
        double w = 0;
        for (int j = 0; j + a <= 6; ++j)
            for (int x = 1; x + d <= N; ++x)
                w += double(Auswahl(x - 1, j) * Auswahl(d - 1, a - 2) *
                            Auswahl(N - x - d, 6 - j - a));
        e.sollwert[d] = static_cast<float>(passend * w / alle);
    }
}

}  // namespace zahlix::statistik
