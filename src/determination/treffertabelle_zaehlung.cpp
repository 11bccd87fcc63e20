// The hit table without evaluating every assumed draw against every row.
//
// For an assumed draw A let S_j(A) be the sum over all rows of C(hits, j). It equals the sum,
// over the j-subsets J of A, of the number of rows containing J; so counting once how many
// rows contain each 3-, 4-, 5- and 6-subset of the system numbers gives S_3..S_6 of every A by
// lookups. The numbers of rows with exactly h hits follow by inverting
// S_j = sum_h C(h, j) N_h (triangular). Rows whose bonus number lies in A and that have 3..5
// hits belong to the bonus classes when the switch is on; they are counted the same way, over
// the subsets of A that contain a row's bonus number and j of its numbers.
//
// The assumed draws are walked in lexicographic order: a prefix Q of k-1 numbers, then the last
// number x. Counts are stored so that the sets "J plus x" for a fixed J lie side by side, which
// turns the innermost step into a few contiguous additions over all x at once.
#include "determination/treffertabelle_zaehlung.h"

#include <algorithm>
#include <bit>

#include "determination/teilmengen.h"

namespace zahlix {

SchnelleTabelle::SchnelleTabelle(int n, int k, const Zusatzzahlwertung& zusatz,
                                 Vergleichsspalten spalten, uint64_t spaltenMaske)
    : n_(n), k_(k), jmin_(spalten.tief), jmax_(std::min(k, 6)), maske_(spaltenMaske) {
    for (int h = 3; h <= 5; ++h) schalter_[h] = zusatz[static_cast<size_t>(h - 3)] == 1;
    // Classes below the lowest compared one are never needed, nor their subset sums. With
    // the bonus number in A at most k-1 numbers of A can hit.
    bonusJmin_ = 7;
    for (int h = 5; h >= std::max(3, jmin_); --h)
        if (schalter_[h]) bonusJmin_ = h;
    // A row whose bonus number is among its own numbers can reach any switched class.
    for (int h = std::max(3, jmin_); h <= std::min(5, k); ++h)
        bonusEigene_ = bonusEigene_ || schalter_[h];
    bonusJmax_ = std::min(k - 1, 6);
    if (bonusJmin_ > bonusJmax_) bonusJmin_ = 7, bonusJmax_ = 2;
    for (int s = 3; s <= 6; ++s) {
        const bool haupt = s >= jmin_ && s <= jmax_;
        const bool bonus = s >= bonusJmin_ + 1 && s <= bonusJmax_ + 1;
        if (haupt || bonus) BasisBauen(s);
        if (haupt) zahl_[s].assign(static_cast<size_t>(Bin(n, s)), 0);
        if (bonus) bonus_[s].assign(static_cast<size_t>(Bin(n, s)), 0);
    }
}

void SchnelleTabelle::ZeilenZaehlen(const std::vector<Zeile>& zeilen,
                                    const std::array<int, 50>& position) {
    for (const Zeile& z : zeilen) {
        uint64_t stellen = 0;
        for (uint64_t m = z.maske; m != 0; m &= m - 1) {
            const int pos = position[static_cast<size_t>(std::countr_zero(m) + 1)];
            if (pos >= 0) stellen |= uint64_t{1} << pos;
        }
        const int b = z.zusatz > 0 ? position[static_cast<size_t>(z.zusatz)] : -1;
        if (std::popcount(stellen) > 6 || (b >= 0 && bonusEigene_ && Enthaelt(z.maske, z.zusatz))) {
            sonder_.push_back({stellen, b});
            continue;
        }
        int p[6], r = 0;
        for (uint64_t m = stellen; m != 0; m &= m - 1) p[r++] = std::countr_zero(m);
        for (uint32_t sub = 1; sub < (1u << r); ++sub) {
            const int j = std::popcount(sub);
            if (j < 3) continue;
            int el[7], m = 0;
            for (int i = 0; i < r; ++i)
                if (sub & (1u << i)) el[m++] = p[i];
            if (j >= jmin_ && j <= jmax_) ++zahl_[j][static_cast<size_t>(Index(el, j))];
            if (b >= 0 && j >= bonusJmin_ && j <= bonusJmax_) {
                // The set of j row numbers and the bonus number, sorted.
                int mit[7], q = 0;
                bool drin = false;
                for (int i = 0; i < j; ++i) {
                    if (!drin && b < el[i]) mit[q++] = b, drin = true;
                    mit[q++] = el[i];
                }
                if (!drin) mit[q++] = b;
                if (q <= 6)
                    ++bonus_[q][static_cast<size_t>(Index(mit, q))];
                else
                    bonus7_[Maske(mit, 6)].push_back(mit[6]);
            }
        }
    }
}

void SchnelleTabelle::BasisBauen(int s) {
    const int g = s - 1;
    basis_[s].resize(static_cast<size_t>(Bin(n_, g)));
    int el[7];
    for (int i = 0; i < g; ++i) el[i] = i;
    int64_t gesamt = 0;
    for (;;) {
        const int m = el[g - 1];
        basis_[s][static_cast<size_t>(ColexRang(el, g))] = static_cast<int32_t>(gesamt - (m + 1));
        gesamt += n_ - 1 - m;
        int i = g - 1;
        while (i >= 0 && el[i] == n_ - g + i) --i;
        if (i < 0) break;
        ++el[i];
        for (int j = i + 1; j < g; ++j) el[j] = el[j - 1] + 1;
    }
}

int64_t SchnelleTabelle::Index(const int* el, int j) const {
    return basis_[j][static_cast<size_t>(ColexRang(el, j - 1))] + el[j - 1];
}

uint64_t SchnelleTabelle::Maske(const int* el, int m) {
    uint64_t r = 0;
    for (int i = 0; i < m; ++i) r |= uint64_t{1} << el[i];
    return r;
}
}  // namespace zahlix
