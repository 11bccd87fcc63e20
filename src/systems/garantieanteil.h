#pragma once
// What a set of rows still guarantees over all possible draws of the chosen numbers: for
// every m from 1 to 6 and every m-subset of the n chosen numbers (the draws that bring m of
// them), the most numbers of it that one row holds. "3 aus 4 in 97,3 % aller Ziehungen":
// among all 4-subsets, 97.3 % have a row with at least 3 of them. Counted exactly, not
// sampled.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "systems/laufsteuerung.h"
#include "systems/tippsystem.h"

namespace zahlix {

struct Garantietabelle {
    int zahlen = 0;  // n
    // anzahl[m][h]: the m-subsets whose best row holds exactly h of them.
    std::array<std::array<int64_t, 7>, 7> anzahl{};

    int64_t Ziehungen(int m) const;  // C(n, m)
    // The m-subsets with a row holding at least t of them.
    int64_t MindestensT(int t, int m) const;
};

// Rows may hold numbers outside `zahlen`; only their numbers inside count. Nothing when
// stopped. Marks the m-subsets of the rows once; an m-subset not inside a row is as good as
// its best (m-1)-subset, so each level looks up m entries of the level below.
std::optional<Garantietabelle> GarantieBerechnen(Reihenmaske zahlen,
                                                 std::span<const Reihenmaske> reihen,
                                                 const Laufsteuerung& s = {});

// teil of gesamt as "97,3 %": rounded down to a tenth, so "100 %" only when all and
// "0 %" only when none ("unter 0,1 %" between); "-" for an empty whole.
std::string Anteiltext(int64_t teil, int64_t gesamt);
// The same without the unit for a table in percent: "97,3", "100", "<0,1", "-".
std::string Anteilzahl(int64_t teil, int64_t gesamt);
// "3 aus 4 in 97,3 % aller Ziehungen".
std::string Garantiesatz(const Garantietabelle& g, int t, int m);
// The table as fixed-width text: a line per m = 6..3, a column per t = 2..6, CR LF ends.
std::string Garantieuebersicht(const Garantietabelle& g);

}  // namespace zahlix
