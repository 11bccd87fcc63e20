#pragma once
// Subsets of up to six numbers by colex rank: the index of the count tables of the repetition
// and decomposition analyses.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zahlix {

// C(n, k) for 0 <= n <= 64, 0 <= k <= 7 (0 when k > n).
int64_t Bin(int n, int k);
// Colex rank of the ascending positions p[0..k-1].
int64_t ColexRang(const int* p, int k);
// Calls f(p) for every k-subset (ascending positions) of the positions in `stellen`, in
// lexicographic order; stops when f returns false.
template <typename F>
void TeilmengenDurchlaufen(const std::vector<int>& stellen, int k, F&& f) {
    const int n = static_cast<int>(stellen.size());
    if (k < 1 || k > n) return;
    int idx[8], p[8];
    for (int i = 0; i < k; ++i) idx[i] = i;
    for (;;) {
        for (int i = 0; i < k; ++i) p[i] = stellen[static_cast<size_t>(idx[i])];
        if (!f(static_cast<const int*>(p))) return;
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i) --i;
        if (i < 0) return;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
}

}  // namespace zahlix
