// Types 10, 11 and 12: numbers drawn together.
#include <array>
#include <vector>

#include "statistics/statistik_intern.h"

namespace zahlix::statistik {

namespace {

using Zaehler = std::array<std::array<int, 50>, 50>;

// The most frequent partner j of every k (j not in `ohne`, smallest j on a tie), 0 when none.
std::array<int16_t, kZeilen + 1> Partner(const Zaehler& c, int N, uint64_t ohne) {
    std::array<int16_t, kZeilen + 1> p{};
    for (int k = 1; k <= N; ++k) {
        if (ohne >> k & 1) continue;
        int best = 0;
        for (int j = 1; j <= N; ++j)
            if (j != k && !(ohne >> j & 1) && (best == 0 || c[k][j] > c[k][best])) best = j;
        p[k] = static_cast<int16_t>(best);
    }
    return p;
}

}  // namespace

void KombinationBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                          Unterbrechung& u) {
    const int m = static_cast<int>(z.size());
    const int lauf = p.typ == Nachbarzahlen ? p.zahl1 : 0;
    e.n = p.typ == Nachbarzahlen ? N - lauf + 1 : N;
    // Row k counts the draws that hold all numbers of maske[k]: the chosen number(s) and k,
    // or the run k .. k+a-1 of neighbours.
    std::array<uint64_t, kZeilen + 1> maske{};
    uint64_t fest = 0;
    if (p.typ != Nachbarzahlen && p.zahl1) fest |= uint64_t{1} << p.zahl1;
    if (p.typ == Dreierkombination && p.zahl2) fest |= uint64_t{1} << p.zahl2;
    const bool alle = (p.typ == Zweierkombination && p.zahl1 == 0) ||
                      (p.typ == Dreierkombination && p.zahl2 == 0);
    if (alle) {
        // "Alle": each row stands for k with its most frequent partner (pairs), or for the
        // first number and k with their most frequent third number (triples).
        Zaehler c{};
        int zahlen[50];
        for (int i = 0; i < m; ++i) {
            const uint64_t s = z[static_cast<size_t>(i)].zahlen;
            if ((s & fest) != fest) continue;
            const int k = Entpacken(s & ~fest, zahlen);
            for (int a = 0; a < k; ++a)
                for (int b = a + 1; b < k; ++b) {
                    ++c[zahlen[a]][zahlen[b]];
                    ++c[zahlen[b]][zahlen[a]];
                }
        }
        e.partner = Partner(c, N, fest);
        for (int k = 1; k <= N; ++k)
            if (e.partner[k]) maske[k] = fest | uint64_t{1} << k | uint64_t{1} << e.partner[k];
    } else {
        for (int k = 1; k <= e.n; ++k) {
            if (lauf) {
                for (int x = k; x < k + lauf; ++x) maske[k] |= uint64_t{1} << x;
            } else if (!(fest >> k & 1)) {
                maske[k] = fest | uint64_t{1} << k;
            }
        }
    }
    Ereignisse ev(e.n);
    for (int i = 0; i < m; ++i) {
        if (u.Schritt(i)) {
            e.abgebrochen = true;
            break;
        }
        const uint64_t s = z[static_cast<size_t>(i)].Menge(p.zusatz);
        if ((s & fest) != fest) continue;
        // Every row's combination holds its own number k, so only the numbers drawn matter.
        int zahlen[50];
        const int c = Entpacken(s, zahlen);
        for (int j = 0; j < c; ++j) {
            const int k = zahlen[j];
            if (k <= e.n && maske[k] && (s & maske[k]) == maske[k]) ev.Treffer(k, i);
        }
    }
    ev.Eintragen(e, m);
    // A row without a combination (the chosen number itself) stays empty.
    for (int k = 1; k <= e.n; ++k)
        if (!maske[k]) e.istwert[k] = e.zuletzt[k] = e.abstand[k] = 0;
}

}  // namespace zahlix::statistik
