#pragma once
// The coverage state of a reduced system under construction: rows of six over the points
// 0..n-1 and, for every m-subset of the points, how many rows hold at least t of it. An
// m-subset no row holds is "open"; the system is complete when none is.
//
// Contract: m-subsets are indexed by colex rank, with a 32-bit counter, an entry of the list of
// open ones and its place there each (C(49, 6) at most: 170 MB). A row change touches only the
// m-subsets that gain or lose their last row: Bewerten counts them without changing anything,
// Ausfuehren applies the move kept by Merken. Neither allocates.
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "determination/analyse_kontext.h"
#include "systems/symmetrie.h"

namespace zahlix {

// Uniform enough in 0..bis-1 for a search, and the same on every platform.
inline uint32_t Wahl(Zufall& z, uint32_t bis) {
    return static_cast<uint32_t>(((z.Naechste() >> 32) * bis) >> 32);
}

struct Garantieaufgabe {
    int n = 0;  // points
    int t = 0;  // hits one row guarantees ...
    int m = 0;  // ... when m of the drawn numbers are among the points
};

class Abdeckung {
  public:
    // Without a symmetry the rows are the system; with one they are its base rows and the
    // counters are kept per orbit of m-subsets, so the rows' orbits together are complete
    // exactly when no orbit is open.
    explicit Abdeckung(const Garantieaufgabe& a, std::optional<Symmetrie> s = {});

    const Garantieaufgabe& Aufgabe() const { return a_; }
    const std::vector<uint64_t>& Reihen() const { return reihen_; }
    // m-subsets, or orbits of them.
    int64_t Mengen() const { return static_cast<int64_t>(zahl_.size()); }
    int64_t Offen() const { return static_cast<int64_t>(liste_.size()); }
    // An open m-subset (one of an open orbit) chosen uniformly, as a point mask; Offen() > 0.
    uint64_t ZufaelligOffen(Zufall& z) const {
        const uint32_t k = liste_[Wahl(z, static_cast<uint32_t>(liste_.size()))];
        return Maske(vertreter_.empty() ? k : vertreter_[k]);
    }
    // The lowest-ranked open m-subset at or after rank `ab`, or -1 (no symmetry).
    int64_t NaechstesOffen(int64_t ab) const;
    // A row chosen uniformly among those holding exactly k points of `menge` (k < 8), or -1.
    int64_t ZeileMit(uint64_t menge, int k, Zufall& z);

    void Hinzufuegen(uint64_t reihe);
    // Removes row i; the last row takes its place.
    void Entfernen(size_t i);
    void Setzen(const std::vector<uint64_t>& reihen);
    // How many m-subsets (orbits) only row i holds: they open when it goes.
    int64_t Allein(size_t i);

    // Replacing point x of row i by y (x in the row, y not): open m-subsets afterwards minus
    // before. Merken keeps the move last evaluated (later evaluations leave it alone), and
    // Ausfuehren applies the kept one.
    int64_t Bewerten(size_t i, int x, int y);
    // The m-subsets one Bewerten looks at.
    int64_t ZugAufwand() const { return static_cast<int64_t>(zuege_[0].weg.size()) * 2; }
    void Merken() { frei_ ^= 1; }
    void Ausfuehren();

    // Open m-subsets the partial row `teil` would newly hold with the point p added (p not in
    // it; they meet `teil` in exactly t - 1 points). No symmetry.
    int64_t Gewinn(uint64_t teil, int p) const;
    // The number of ranks Gewinn looks at for a partial row of s points.
    int64_t Aufwand(int s) const;

    uint32_t Rang(uint64_t maske) const;
    uint64_t Maske(uint32_t rang) const;

  private:
    uint32_t Bin(int n, int k) const { return bin_[static_cast<size_t>(n * 8 + k)]; }
    uint32_t Klasse(uint32_t rang) const { return klasse_.empty() ? rang : klasse_[rang]; }
    // Rank of the sorted points z[0..len-1] together with p (not among them).
    uint32_t RangMit(const int* z, int len, int p) const;
    // Calls f(class) for every m-subset the row holds.
    template <typename F>
    void Gehalten(uint64_t reihe, F&& f) const;
    // Marks or unmarks row i in the row sets of the points of `reihe`.
    void Vermerken(uint64_t reihe, size_t i, bool an);
    void Verlieren(uint32_t k);
    void Gewinnen(uint32_t k);

    Garantieaufgabe a_;
    std::vector<uint32_t> bin_;
    std::vector<uint32_t> klasse_;     // orbit of each rank; empty without symmetry
    std::vector<uint32_t> vertreter_;  // a rank of each orbit
    std::vector<uint64_t> reihen_;
    std::vector<uint32_t> zahl_;    // rows holding the m-subset (with multiplicity per orbit)
    std::vector<uint32_t> liste_;   // the open m-subsets (orbits)
    std::vector<uint32_t> stelle_;  // of an open one in liste_
    // For every point the rows holding it, as bits of `worte_` words, so the rows meeting a
    // subset in k points are found a word of rows at a time.
    size_t worte_ = 0;
    std::vector<uint64_t> mit_, treffer_;
    // Two evaluated moves with the m-subsets (orbits) they change: the kept one and the one
    // evaluated last, in the slot frei_.
    struct Zug {
        size_t zeile = 0;
        uint64_t neu = 0;
        std::vector<uint32_t> weg, dazu;
    };
    std::array<Zug, 2> zuege_;
    int frei_ = 0;
};

// Calls f(z, len) for every union, sorted ascending, of an a-subset of the points of `innen`
// and a b-subset of the points of `aussen` (disjoint masks).
template <typename F>
void Vereinigungen(uint64_t innen, int a, uint64_t aussen, int b, F&& f) {
    int pi[64], pa[64], ia[8], ib[8], z[16];
    int ni = 0, na = 0;
    for (uint64_t x = innen; x != 0; x &= x - 1) pi[ni++] = std::countr_zero(x);
    if (b > 0)
        for (uint64_t x = aussen; x != 0; x &= x - 1) pa[na++] = std::countr_zero(x);
    if (a < 0 || b < 0 || a > ni || b > na) return;
    const auto weiter = [](int* idx, int k, int n) {
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i) --i;
        if (i < 0) return false;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
        return true;
    };
    for (int i = 0; i < a; ++i) ia[i] = i;
    do {
        for (int i = 0; i < b; ++i) ib[i] = i;
        do {
            int u = 0, v = 0, len = 0;
            while (u < a && v < b) z[len++] = pi[ia[u]] < pa[ib[v]] ? pi[ia[u++]] : pa[ib[v++]];
            while (u < a) z[len++] = pi[ia[u++]];
            while (v < b) z[len++] = pa[ib[v++]];
            f(static_cast<const int*>(z), len);
        } while (weiter(ib, b, na));
    } while (weiter(ia, a, ni));
}

}  // namespace zahlix
