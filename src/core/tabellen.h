#pragma once
// The shared lookup tables of the draw history: bit counts, number masks, binomial
// coefficients and the multiples of 49 that unscramble row files.
#include <array>
#include <cstdint>

namespace zahlix {

struct Tabellen {
    // Set bits of every 15-bit value; a hit count is four lookups of this table.
    std::array<int16_t, 32767> BitZahl{};
    // Mask of number n (row 0..50) in bit word k (column 0..3); rows 0 and 50 stay 0.
    std::array<std::array<int16_t, 4>, 51> ZahlMaske{};
    // C(n, k) for n = 0..49, k = 0..9; row 0 and column 0 hold 0, as the original table did.
    std::array<std::array<int32_t, 10>, 50> Binomial{};
    // 49 * i for i = 1..127 (index 0 holds 0).
    std::array<int32_t, 128> Vielfache{};
};

// The process-wide tables. Built on first use, so every caller sees complete tables even
// before Initialisieren ran (tests, command line).
const Tabellen& Tab();

// Builds the tables (idempotent) and returns 0, as the start-up expects.
int16_t Initialisieren();

}  // namespace zahlix
