#pragma once
// What a random row would have hit: the exact class probabilities of a random k-number row of
// 1..N against one draw, and the exact distribution of a count over many draws.
#include <array>
#include <vector>

#include "determination/zeilen.h"
#include "evaluation/auswertung.h"

namespace zahlix {

using Klassenwahrscheinlichkeit = std::array<double, 10>;  // by class code 0..9

// P(class c) for a row drawn uniformly from all k-subsets of 1..n, evaluated against the draw
// z as ReihenAuswerten does (hits capped at six; 7..9 when the bonus number is in the row and
// its switch is on). Hypergeometric: the draw's numbers within 1..n are the "good" ones.
Klassenwahrscheinlichkeit Zufallsklassen(const Zeile& z, int k, int n,
                                         const Zusatzzahlwertung& zusatz);

// For independent events with probabilities p: P(count <= x) and P(count >= x), exactly
// (Poisson binomial, by dynamic programming up to x).
double HoechstensWahrscheinlichkeit(const std::vector<double>& p, int64_t x);
double MindestensWahrscheinlichkeit(const std::vector<double>& p, int64_t x);

}  // namespace zahlix
