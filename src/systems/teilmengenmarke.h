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

class Teilmengenmarke {
  public:
    Teilmengenmarke(int n, int k);

    int k() const { return k_; }
    // Marks every k-subset of r (at most six positions).
    void AlleSetzen(Reihenmaske r);
    // True when some k-subset of r (at most six positions) is marked.
    bool EineGesetzt(Reihenmaske r) const;
    bool RangGesetzt(int64_t rang) const {
        const auto i = static_cast<uint64_t>(rang);
        return (bits_[i >> 6] >> (i & 63)) & 1;
    }
    void RangSetzen(int64_t rang) {
        const auto i = static_cast<uint64_t>(rang);
        bits_[i >> 6] |= uint64_t{1} << (i & 63);
    }

  private:
    int k_;
    std::vector<uint64_t> bits_;
};

// Calls f(groesse, rang) for every non-empty subset of the set bits of r (at most six): its
// size and colex rank. A subset's rank is that of the subset without its largest position
// plus C(largest, size), so each costs one addition.
template <typename F>
void TeilmengenRaenge(Reihenmaske r, F&& f) {
    const auto& c = Binomialtabelle();
    int pos[6], n = 0;
    for (Reihenmaske m = r; m && n < 6; m &= m - 1) pos[n++] = __builtin_ctzll(m);
    int64_t rang[64];
    rang[0] = 0;
    for (unsigned w = 1; w < (1u << n); ++w) {
        const int oben = 31 - __builtin_clz(w), groesse = __builtin_popcount(w);
        rang[w] = rang[w & ~(1u << oben)] +
                  c[static_cast<std::size_t>(pos[oben])][static_cast<std::size_t>(groesse)];
        f(groesse, rang[w]);
    }
}

// The rows' masks over the positions of `zahlen` (number z at the place of z among them);
// numbers outside `zahlen` are dropped.
Reihenmaske AufZahlenVerdichten(Reihenmaske r, Reihenmaske zahlen);

}  // namespace zahlix
