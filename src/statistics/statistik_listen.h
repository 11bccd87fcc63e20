#pragma once
// From a result to what the window shows: the values of a value kind, their extremes, the
// row labels and the three text lists.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "statistics/statistik.h"

namespace zahlix::statistik {

using Werte = std::array<int16_t, kZeilen + 1>;  // rows 1..n

// The displayed values of kind 0..6 (Istwert, Zuletzt, Abstand, Differenz, Sollwert,
// Abweichung, Abweichung [%]); rounding is to the nearest integer, ties to even.
Werte Anzeigewerte(const Ergebnis& e, int art);

// Over values[1..n]: the largest starting from 0, the smallest starting from 32767 (both 0
// for n = 0), and the mean accumulated in single precision (0 for n = 0).
int16_t GroessterWert(std::span<const int16_t> werte, int n);
int16_t KleinsterWert(std::span<const int16_t> werte, int n);
float MittelWert(std::span<const int16_t> werte, int n);

// Labels of rows 1..n (element 0 unused); an empty label marks a row that does not apply.
std::vector<std::string> Zeilenbeschriftungen(const Parameter& p, const Ergebnis& e);

struct Listen {
    std::vector<std::string> normal, absortiert, aufsortiert;
    // For each row of the sorted lists, the result row it shows (1..n).
    std::vector<int> absortiertZeile, aufsortiertZeile;
    std::vector<int16_t> absortiertWert, aufsortiertWert;
};
Listen ListenBauen(const std::vector<std::string>& beschriftung, const Werte& werte, int n);

}  // namespace zahlix::statistik
