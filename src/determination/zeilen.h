#pragma once
// The draws (or system rows) an analysis reads, walked exactly as ReihenAuswerten walks them:
// from index 0 up to the first entry without numbers, only those in range.
#include <cstdint>
#include <vector>

#include "core/lottodatei.h"

namespace zahlix {

struct Zeile {
    int index = 0;       // slot in the history
    uint64_t maske = 0;  // bit n - 1 for number n (1..49)
    int zusatz = 0;      // bonus number 1..49, 0 for none
};

std::vector<Zeile> ZeilenImBereich(const Lottodatei& d);

// Bit mask of a number list and back (ascending).
uint64_t MaskeAus(const std::vector<int>& zahlen);
std::vector<int> ZahlenAus(uint64_t maske);
inline bool Enthaelt(uint64_t maske, int zahl) {
    return (maske >> (zahl - 1)) & 1u;
}

}  // namespace zahlix
