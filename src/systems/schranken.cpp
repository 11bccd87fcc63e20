#include "systems/schranken.h"

#include <algorithm>
#include <array>

#include "determination/teilmengen.h"

namespace zahlix {

namespace {

int64_t Zaehlschranke(int n, int t, int m) {
    int64_t jeReihe = 0;
    for (int i = t; i <= std::min(6, m); ++i) jeReihe += Bin(6, i) * Bin(n - 6, m - i);
    return (Bin(n, m) + jeReihe - 1) / jeReihe;
}

// The pairs no row holds form a graph without m mutually joined numbers (those m would have no
// row with two of them), so by Turán at most the edges of the balanced (m-1)-partite graph.
int64_t Turanschranke(int n, int m) {
    int64_t quadrate = 0;
    for (int i = 0; i < m - 1; ++i) {
        const int64_t teil = n / (m - 1) + (i < n % (m - 1) ? 1 : 0);
        quadrate += teil * teil;
    }
    const int64_t frei = (int64_t{n} * n - quadrate) / 2;
    return (Bin(n, 2) - frei + 14) / 15;
}

}  // namespace

int64_t Schoenheim(int n, int t) {
    int64_t l = 1;
    for (int i = t - 1; i >= 0; --i) l = ((n - i) * l + (6 - i) - 1) / (6 - i);
    return l;
}

int64_t UntereSchranke(int n, int t, int m) {
    if (m == t) return Schoenheim(n, t);
    const int64_t z = Zaehlschranke(n, t, m);
    return t == 2 ? std::max(z, Turanschranke(n, m)) : z;
}

const char* SchrankenName(int n, int t, int m) {
    if (m == t) return "Schönheim";
    return t == 2 && Turanschranke(n, m) > Zaehlschranke(n, t, m) ? "Turán" : "Zählschranke";
}

std::optional<int> BekannteGroesse(int n, int t, int m) {
    // Smallest published coverings C(n, 6, t), La Jolla Covering Repository (D. M. Gordon).
    // Carried are the sizes known to be least (they meet Schönheim's bound, among them the
    // Steiner systems S(3,6,22) and S(5,6,12)) and the repository's sizes for 10 to 15 numbers
    // the program is measured against; 0 where it carries none. Columns t = 2, 3, 4, 5.
    static constexpr std::array<std::array<int, 4>, 19> kTabelle = {{
        {3, 4, 5, 6},      // n = 7
        {3, 4, 7, 12},     // 8
        {3, 0, 0, 0},      // 9
        {4, 10, 20, 50},   // 10
        {0, 11, 0, 0},     // 11
        {6, 15, 41, 132},  // 12
        {7, 21, 0, 245},   // 13
        {7, 25, 80, 0},    // 14
        {0, 31, 0, 0},     // 15
        {0, 0, 0, 0},      // 16
        {12, 0, 0, 0},     // 17
        {12, 0, 0, 0},     // 18
        {0, 0, 0, 0},      // 19
        {0, 0, 0, 0},      // 20
        {0, 0, 0, 0},      // 21
        {19, 77, 0, 0},    // 22
        {0, 0, 0, 0},      // 23
        {0, 0, 0, 0},      // 24
        {0, 0, 0, 0},      // 25
    }};
    if (m != t || n < 7 || n > 25 || t < 2 || t > 5) return std::nullopt;
    const int g = kTabelle[static_cast<size_t>(n - 7)][static_cast<size_t>(t - 2)];
    return g > 0 ? std::optional<int>(g) : std::nullopt;
}

}  // namespace zahlix
