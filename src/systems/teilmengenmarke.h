#pragma once
// One bit for every k-subset of the positions 0..n-1 (n <= 64, k <= 6), addressed by colex
// rank: "is some k-subset of this row already taken?" in C(6, k) look-ups, whatever the number
// of rows that took subsets before. Rows and subsets are bit masks of positions.
#include <array>
#include <cstdint>
#include <vector>

#include "systems/tippsystem.h"

namespace zahlix {

// C(a, b) for 0 <= a <= 64, 0 <= b <= 7, without range checks: the inner loops' table.
using Binomialzeile = std::array<int64_t, 8>;
const std::array<Binomialzeile, 65>& Binomialtabelle();

// Colex rank of the set bits of m among all subsets of their size.
inline int64_t ColexRangVon(Reihenmaske m) {
    const auto& c = Binomialtabelle();
    int64_t r = 0;
    for (int i = 1; m; m &= m - 1, ++i)
        r += c[static_cast<std::size_t>(__builtin_ctzll(m))][static_cast<std::size_t>(i)];
    return r;
}

class Teilmengenmarke {
  public:
    Teilmengenmarke(int n, int k);

    int k() const { return k_; }
    // Marks every k-subset of r (at most six positions).
    void AlleSetzen(Reihenmaske r);
    // True when some k-subset of r (at most six positions) is marked.
    bool EineGesetzt(Reihenmaske r) const;
    bool Gesetzt(Reihenmaske teilmenge) const { return RangGesetzt(ColexRangVon(teilmenge)); }
    bool RangGesetzt(int64_t rang) const {
        const auto i = static_cast<uint64_t>(rang);
        return (bits_[i >> 6] >> (i & 63)) & 1;
    }

  private:
    int k_;
    std::vector<uint64_t> bits_;
};

// Calls f(teil) for every k-subset of the set bits of r (at most six), ascending by pattern.
template <typename F>
void TeilmengenVon(Reihenmaske r, int k, F&& f) {
    int pos[6], n = 0;
    for (Reihenmaske m = r; m && n < 6; m &= m - 1) pos[n++] = __builtin_ctzll(m);
    for (unsigned wahl = 0; wahl < (1u << n); ++wahl) {
        if (__builtin_popcount(wahl) != k) continue;
        Reihenmaske teil = 0;
        for (int i = 0; i < n; ++i)
            if (wahl >> i & 1) teil |= Reihenmaske{1} << pos[i];
        f(teil);
    }
}

// The rows' masks over the positions of `zahlen` (number z at the place of z among them);
// numbers outside `zahlen` are dropped.
Reihenmaske AufZahlenVerdichten(Reihenmaske r, Reihenmaske zahlen);

}  // namespace zahlix
