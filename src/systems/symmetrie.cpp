#include "systems/symmetrie.h"

#include <algorithm>

namespace zahlix {

std::vector<Symmetrie> Symmetrien(int n) {
    std::vector<Symmetrie> s;
    for (int zyklen = 1; zyklen <= 4; ++zyklen)
        for (int fest = 0; fest <= 2; ++fest)
            if ((n - fest) % zyklen == 0 && (n - fest) / zyklen >= 5)
                s.push_back({(n - fest) / zyklen, zyklen});
    std::stable_sort(s.begin(), s.end(),
                     [](const Symmetrie& a, const Symmetrie& b) { return a.laenge > b.laenge; });
    return s;
}

std::vector<uint64_t> Bahnen(const std::vector<uint64_t>& basis, const Symmetrie& s) {
    std::vector<uint64_t> reihen;
    for (uint64_t b : basis)
        for (int j = 0; j < s.laenge; ++j) reihen.push_back(s.Bild(b, j));
    // A row the permutation maps onto itself after fewer steps comes more than once.
    std::sort(reihen.begin(), reihen.end());
    reihen.erase(std::unique(reihen.begin(), reihen.end()), reihen.end());
    return reihen;
}

}  // namespace zahlix
