#include "determination/zufallserwartung.h"

#include <algorithm>
#include <bit>

namespace zahlix {

namespace {

// C(n, k) in double: exact up to n = 49, where every value stays below 2^53.
double C(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    double c = 1;
    for (int i = 1; i <= std::min(k, n - k); ++i) c = c * (n - std::min(k, n - k) + i) / i;
    return c;
}

// P(count <= x) over the events with probabilities p, the table cut off above x.
double Hoechstens(const std::vector<double>& p, int64_t x, bool gegenteil) {
    if (x < 0) return 0;
    if (x >= static_cast<int64_t>(p.size())) return 1;
    std::vector<double> f(static_cast<size_t>(x) + 1, 0.0);
    f[0] = 1;
    for (double q : p) {
        if (gegenteil) q = 1 - q;
        for (size_t j = f.size() - 1; j >= 1; --j) f[j] = f[j] * (1 - q) + f[j - 1] * q;
        f[0] *= 1 - q;
    }
    double s = 0;
    for (double w : f) s += w;
    return std::min(s, 1.0);
}

}  // namespace

Klassenwahrscheinlichkeit Zufallsklassen(const Zeile& z, int k, int n,
                                         const Zusatzzahlwertung& zusatz) {
    Klassenwahrscheinlichkeit p{};
    const uint64_t lotterie = (uint64_t{1} << n) - 1;
    const int m = std::popcount(z.maske & lotterie);
    const bool bonus = z.zusatz >= 1 && z.zusatz <= n;
    // A damaged draw may hold its bonus number among its numbers.
    const bool bonusGezogen = bonus && Enthaelt(z.maske, z.zusatz);
    const double alle = C(n, k);
    if (alle == 0) return p;
    for (int h = 0; h <= std::min(m, k); ++h) {
        const int c = std::min(h, 6);
        const double treffer = C(m, h) * C(n - m, k - h) / alle;
        double plus = 0;
        if (c >= 3 && c <= 5 && zusatz[static_cast<size_t>(c - 3)] == 1 && bonus)
            plus = (bonusGezogen ? C(m - 1, h - 1) * C(n - m, k - h)
                                 : C(m, h) * C(n - m - 1, k - h - 1)) /
                   alle;
        p[static_cast<size_t>(c)] += treffer - plus;
        if (plus > 0) p[static_cast<size_t>(c + 4)] += plus;
    }
    return p;
}

double HoechstensWahrscheinlichkeit(const std::vector<double>& p, int64_t x) {
    return Hoechstens(p, x, false);
}

double MindestensWahrscheinlichkeit(const std::vector<double>& p, int64_t x) {
    // At least x events are at most size - x missing ones: no cancellation in a small tail.
    return Hoechstens(p, static_cast<int64_t>(p.size()) - x, true);
}

}  // namespace zahlix
