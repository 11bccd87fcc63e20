#include "determination/teilmengen.h"

#include <array>

namespace zahlix {

int64_t Bin(int n, int k) {
    static const auto tabelle = [] {
        std::array<std::array<int64_t, 8>, 65> t{};
        for (int a = 0; a <= 64; ++a) {
            t[static_cast<size_t>(a)][0] = 1;
            for (int b = 1; b <= 7 && b <= a; ++b)
                t[static_cast<size_t>(a)][static_cast<size_t>(b)] =
                    t[static_cast<size_t>(a - 1)][static_cast<size_t>(b - 1)] +
                    t[static_cast<size_t>(a - 1)][static_cast<size_t>(b)];
        }
        return t;
    }();
    if (n < 0 || n > 64 || k < 0 || k > 7) return 0;
    return tabelle[static_cast<size_t>(n)][static_cast<size_t>(k)];
}

int64_t ColexRang(const int* p, int k) {
    int64_t r = 0;
    for (int i = 0; i < k; ++i) r += Bin(p[i], i + 1);
    return r;
}

}  // namespace zahlix
