#pragma once
// Play slips of the program's own design: on an A4 page twelve fields of 7 x 7 numbers (three
// across, four down), each field one row with crosses in its numbers, under a header with the
// system's name and the rows on the slip. The result is drawing primitives, printed by a window or
// written as PDF.
#include <span>
#include <string>
#include <vector>

#include "output/zeichenseite.h"
#include "systems/tippsystem.h"

namespace zahlix {

inline constexpr int kFelderProSchein = 12;
// More slips in one job would only fill paper trays and disks; the player picks a row range.
inline constexpr int kMaxScheine = 1000;

struct Scheinangaben {
    std::string name;          // the system's name in the header
    int ersteReihe = 1;        // number of reihen[0] in the system
    int64_t systemreihen = 0;  // rows of the whole system
    int groessteZahl = 49;     // cells above it stay empty
};

int Scheinanzahl(std::size_t reihen);

// One page per twelve rows (the last slip's spare fields stay empty and say so).
std::vector<Zeichenseite> LottoscheineSetzen(std::span<const Reihenmaske> reihen,
                                             const Scheinangaben& a);
// Only the page of slip n (0-based) of those.
Zeichenseite LottoscheinSetzen(std::span<const Reihenmaske> reihen, const Scheinangaben& a, int n);

// The rows von..bis (1-based, inclusive) of a system of `gesamt` rows, or the German reason
// why that range cannot be printed (empty, outside the system, more than kMaxScheine slips).
std::string Druckbereichfehler(int64_t von, int64_t bis, int64_t gesamt);

}  // namespace zahlix
