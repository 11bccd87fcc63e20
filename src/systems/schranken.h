#pragma once
// How small a reduced system with rows of six can be: lower bounds that hold for every system,
// and the smallest published systems for the plain coverings (m = t).
#include <cstdint>
#include <optional>

namespace zahlix {

// Schönheim's bound for coverings C(n, 6, t): ceil(n/6 ceil((n-1)/5 ... ceil((n-t+1)/(7-t)))).
int64_t Schoenheim(int n, int t);

// A lower bound for "t aus m" on n numbers: Schönheim's for m = t; for m > t the larger of
// the counting bound (every row holds a fixed number of m-subsets) and, for t = 2, the bound
// from Turán's theorem on the pairs no row holds. 2 <= t <= m <= 6, 7 <= n <= 49.
int64_t UntereSchranke(int n, int t, int m);
// The name of that bound for texts: "Schönheim", "Zählschranke" or "Turán".
const char* SchrankenName(int n, int t, int m);

// The row count of the smallest published covering C(n, 6, t) (m = t), where the program
// carries it: 7 <= n <= 25, 2 <= t <= 5.
std::optional<int> BekannteGroesse(int n, int t, int m);

}  // namespace zahlix
