#pragma once
// The filters a player combines to shrink a system. Each keeps or drops a row by its own rule,
// and the rows that pass all of them are thinned last by "gemeinsam": a row stays only when
// it shares at most that many numbers with every row kept before it (so the order of the rows
// decides which of two close rows stays). Low numbers are those below 25 and groups are
// counted as the draw display counts them (drawhistory/gruppenmuster.h).
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/lottodatei.h"
#include "systems/laufsteuerung.h"
#include "systems/tippsystem.h"

namespace zahlix {

// The group kinds whose patterns can be picked. A kind's values are the patterns 1..11 of
// MusterText, for THUG the index T * 7 + U (T numbers below 25, U odd numbers).
enum class Musterart { Zeilen, Spalten, Zehner, Endziffern, Nachbarn, Bilder, Thug };
inline constexpr int kMusterarten = 7;
inline constexpr int kMusterwerte = 49;
inline constexpr uint64_t kAlleMuster = ~uint64_t{0};

const char* MusterartName(Musterart a);  // "Zeilen", ..., "THUG"
// The value's label: "  2211" for a pattern, "3324" (T H U G) for THUG; "" for none.
std::string MusterwertText(Musterart a, int wert);

struct Spanne {
    int von = 0, bis = 0;
    bool Enthaelt(int x) const { return von <= x && x <= bis; }
};

struct Reihenmerkmale {
    int summe = 0, ungerade = 0, tief = 0;
    // The largest group: the longest run of neighbours, the most numbers of one decade and
    // of one end digit.
    int nachbarn = 0, zehner = 0, endziffern = 0;
    std::array<int, kMusterarten> muster{};
};
// Of a row of six numbers.
Reihenmerkmale MerkmaleVon(Reihenmaske r);

struct Systemfilter {
    std::optional<Spanne> summe, ungerade, tief;
    std::optional<int> nachbarn, zehner, endziffern;  // at most
    // Per kind, bit v set: value v stays.
    std::array<uint64_t, kMusterarten> muster{kAlleMuster, kAlleMuster, kAlleMuster, kAlleMuster,
                                              kAlleMuster, kAlleMuster, kAlleMuster};
    // A row with gezogenTreffer (5 or 6) or more numbers of one of these draws goes; 0 keeps.
    std::vector<Reihenmaske> ziehungen;
    int gezogenTreffer = 0;
    std::optional<int> gemeinsam;  // 0..5: the most numbers two kept rows share

    bool MusterErlaubt(Musterart a, int wert) const {
        return (muster[static_cast<std::size_t>(a)] >> wert) & 1;
    }
};

struct Filterergebnis {
    std::vector<Reihenmaske> reihen;
    // Per kind and value: the rows that pass every filter but that kind's patterns and
    // "gemeinsam", i.e. the rows that value would let through.
    std::array<std::array<int64_t, kMusterwerte>, kMusterarten> musterAnzahl{};
    bool abgebrochen = false;
};

// The rows of quelle the filter keeps, in their order. Progress runs from 0 to 100.
Filterergebnis FilterAnwenden(std::span<const Reihenmaske> quelle, const Systemfilter& f,
                              const Laufsteuerung& s = {});

// The drawn numbers of every draw of the history (bonus number left out).
std::vector<Reihenmaske> ZiehungenAlsReihen(const Lottodatei& d);

// All C(n, 6) rows of the numbers, ascending by combination; only the first of them when s
// stops the run.
std::vector<Reihenmaske> AlleReihen(Reihenmaske zahlen, const Laufsteuerung& s = {});

}  // namespace zahlix
