#pragma once
// The number-field graphics of the evaluation window: each colours the grid numbers 1..N by
// a statistic over the draws of the evaluation range, with the three sliders (1..20) as its
// parameters. The rules are the ones the help topic "Zahlix.Zahlenfeldgrafik" states.
#include <array>
#include <string>

#include "core/lottodatei.h"
#include "statistics/statistik_grafik.h"

namespace zahlix::statistik {

// The pop-up entries "Ohne Statistik" (0), "Wann zuletzt gezogen" (1), "Zahlentendenz 2" (2),
// "Zahlenbarometer" (3), "Nachbarkombinationen" (4), "Zahlix-Barometer" (5).
struct Zahlenfeldfarben {
    std::array<bool, 50> gefaerbt{};  // number k has a colour
    std::array<Farbe, 50> farbe{};
    std::array<std::string, 50> wert{};  // what the number's tool tip says
    std::string legende;                 // lines for the Quick-Info, CR LF separated
};

Zahlenfeldfarben ZahlenfeldgrafikBerechnen(const Lottodatei& d, int grafik,
                                           const std::array<int, 3>& regler);

}  // namespace zahlix::statistik
