#pragma once
// A cyclic symmetry of the points: `zyklen` cycles of `laenge` points each (points
// i*laenge .. i*laenge+laenge-1 turn round), the remaining points stay fixed. A system it
// leaves unchanged is given by one base row per orbit, which makes the search space smaller
// by the factor `laenge`; many of the smallest known systems have such a symmetry.
#include <cstdint>
#include <vector>

namespace zahlix {

struct Symmetrie {
    int laenge = 1;
    int zyklen = 0;

    // The image of a point mask under the j-th power of the permutation (0 <= j < laenge).
    uint64_t Bild(uint64_t maske, int j) const {
        if (j == 0) return maske;
        const uint64_t voll = (uint64_t{1} << laenge) - 1;
        uint64_t bild = maske & ~((uint64_t{1} << (laenge * zyklen)) - 1);
        for (int i = 0; i < zyklen; ++i) {
            const uint64_t teil = (maske >> (i * laenge)) & voll;
            bild |= (((teil << j) | (teil >> (laenge - j))) & voll) << (i * laenge);
        }
        return bild;
    }
};

// The symmetries tried for n points, the longest cycles first: one to four cycles of at least
// 5 points each and up to two fixed points.
std::vector<Symmetrie> Symmetrien(int n);

// All distinct rows of the orbits of the base rows.
std::vector<uint64_t> Bahnen(const std::vector<uint64_t>& basis, const Symmetrie& s);

}  // namespace zahlix
