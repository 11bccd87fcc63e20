#include "statistics/gruppenmuster.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "drawhistory/gruppenmuster.h"

namespace zahlix::statistik {

namespace {

// The group (1..) of number x for the partition groups, 0 for the others.
int Gruppennummer(int x, int g) {
    switch (g) {
        case Zeilen:
            return 1 + (x - 1) / 7;
        case Spalten:
            return 1 + (x - 1) % 7;
        case Zehner:
            return 1 + x / 10;
        case Endziffern:
            return 1 + (x - 1) % 10;
        case Bilder: {
            // The draw display's pictures, so both windows call the same row alike: the three
            // pictures are groups 1..3, each number outside them a group of its own (4..11).
            static constexpr int kOhneBild[] = {10, 12, 16, 20, 30, 34, 38, 40};
            if (const int b = BildVonZahl(x); b != 0) return b;
            for (int i = 0; i < 8; ++i)
                if (kOhneBild[i] == x) return 4 + i;
            return 0;
        }
        default:
            return 0;
    }
}

int ThugZeile(int t, int u) {
    return u == 0 ? 7 * (7 - t) : 7 * (6 - t) + 7 - u;
}

}  // namespace

int64_t Auswahl(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

int MusterAusAnzahlen(const int* anzahlen, int gruppen) {
    std::array<int, 64> a{};
    for (int i = 0; i < gruppen && i < 64; ++i) a[static_cast<size_t>(i)] = anzahlen[i];
    std::sort(a.begin(), a.end(), std::greater<>());
    return zahlix::MusterAusAnzahlen(a);
}

int GruppenZeile(const int* z, int c, int g) {
    if (c != 6) return 0;
    int t = 0, u = 0;
    for (int i = 0; i < 6; ++i) {
        t += z[i] < 25;
        u += z[i] % 2;
    }
    switch (g) {
        case THUG:
            return ThugZeile(t, u);
        case TiefHoch:
            return 7 - t;
        case UngeradeGerade:
            return 7 - u;
        case Nachbarn: {
            int laengen[6]{}, k = 0;
            for (int i = 0; i < 6; ++i) {
                if (i > 0 && z[i] == z[i - 1] + 1)
                    ++laengen[k - 1];
                else
                    laengen[k++] = 1;
            }
            return MusterAusAnzahlen(laengen, k);
        }
        default: {
            int anzahl[14]{};
            for (int i = 0; i < 6; ++i) ++anzahl[Gruppennummer(z[i], g)];
            return MusterAusAnzahlen(anzahl + 1, 13);
        }
    }
}

int GruppenZeilen(int g) {
    return g == THUG ? 49 : (g >= TiefHoch ? 7 : 11);
}

std::array<int64_t, 50> GruppenAnzahlen(int g, int N) {
    std::array<int64_t, 50> a{};
    if (g == Nachbarn) {
        // Rows with r runs of given lengths: the ordered arrangements of the lengths times the
        // ways to put r blocks into the N - 5 gaps around the N - 6 numbers not drawn.
        const int muster[11][6] = {
            {6},       {5, 1},       {4, 2},       {3, 3},          {4, 1, 1},         {3, 2, 1},
            {2, 2, 2}, {3, 1, 1, 1}, {2, 2, 1, 1}, {2, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}};
        for (int i = 0; i < 11; ++i) {
            int r = 0, h[7]{};
            for (int x : muster[i])
                if (x) {
                    ++r;
                    ++h[x];
                }
            int64_t folgen = Auswahl(r, 0);
            for (int f = 2; f <= r; ++f) folgen *= f;
            for (int l = 1; l <= 6; ++l)
                for (int f = 2; f <= h[l]; ++f) folgen /= f;
            a[static_cast<size_t>(i + 1)] = folgen * Auswahl(N - 5, r);
        }
        return a;
    }
    // Every other group: sum over the counts per class of numbers, weighted by the ways to
    // choose them. THUG and its halves use the four classes low/high x odd/even.
    std::vector<int> groesse;
    std::vector<std::vector<int>> mitglieder;
    if (g == THUG || g == TiefHoch || g == UngeradeGerade) {
        groesse.assign(4, 0);
        for (int x = 1; x <= N; ++x) ++groesse[static_cast<size_t>((x < 25 ? 0 : 2) + x % 2)];
    } else {
        groesse.assign(13, 0);
        for (int x = 1; x <= N; ++x) ++groesse[static_cast<size_t>(Gruppennummer(x, g) - 1)];
    }
    std::vector<int> anzahl(groesse.size(), 0);
    std::function<void(size_t, int, int64_t)> verteilen = [&](size_t i, int rest, int64_t w) {
        if (i == groesse.size()) {
            if (rest != 0) return;
            int zeile;
            if (groesse.size() == 4) {
                const int t = anzahl[0] + anzahl[1], u = anzahl[1] + anzahl[3];
                zeile = g == THUG ? ThugZeile(t, u) : (g == TiefHoch ? 7 - t : 7 - u);
            } else {
                zeile = MusterAusAnzahlen(anzahl.data(), static_cast<int>(anzahl.size()));
            }
            a[static_cast<size_t>(zeile)] += w;
            return;
        }
        for (int k = 0; k <= rest && k <= groesse[i]; ++k) {
            anzahl[i] = k;
            verteilen(i + 1, rest - k, w * Auswahl(groesse[i], k));
        }
        anzahl[i] = 0;
    };
    verteilen(0, 6, 1);
    return a;
}

int PositionsZeile(int x, int gruppe) {
    switch (gruppe) {
        case 1:
            return 1 + (x - 1) / 7;
        case 2:
            return 1 + (x - 1) % 7;
        case 3:
            return 1 + x / 10;
        case 4:
            return 1 + (x - 1) % 10;
        default:
            return x;
    }
}

int PositionsZeilen(int gruppe, int N) {
    switch (gruppe) {
        case 1:
        case 2:
            return 7;
        case 3:
            return 5;
        case 4:
            return 10;
        default:
            return N;
    }
}

}  // namespace zahlix::statistik
