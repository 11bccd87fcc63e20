#pragma once
// The number tendency shared by the statistic "Zahlentendenz" and the number-field graphic
// "Zahlentendenz 2".
#include <array>
#include <cstdint>
#include <vector>

#include "statistics/statistik_intern.h"

namespace zahlix::statistik {

constexpr int kTendenzFenster1 = 25;
constexpr int kTendenzFenster2 = 50;

// Per number 1..N (index 0 unused), over the newest `fenster` draws of z:
// art 1: draws with the number among the newest `fenster` minus those among the `fenster`
//        draws before them (rising > 0, falling < 0);
// art 2: how far the number's rate in the newest `fenster` draws lies above (or below) its
//        rate over all draws, in percent, rounded ties to even; 0 for a number never drawn.
std::array<int16_t, 50> TendenzBerechnen(const std::vector<Zug>& z, int ansicht, int N, int art,
                                         int fenster);

}  // namespace zahlix::statistik
