#pragma once
// The draws (or system rows) an analysis reads, walked exactly as ReihenAuswerten walks them:
// from index 0 up to the first entry without numbers, only those in range.
#include <cstdint>
#include <span>
#include <vector>

#include "core/lottodatei.h"
#include "evaluation/auswertung.h"

namespace zahlix {

struct Zeile {
    int index = 0;       // slot in the history
    uint64_t maske = 0;  // bit n - 1 for number n (1..49)
    int zusatz = 0;      // bonus number 1..49, 0 for none
};

std::vector<Zeile> ZeilenImBereich(const Lottodatei& d);

// The hit class of a row against one draw, as ReihenAuswerten assigns it (hits capped at six,
// 7..9 for 3..5 hits with the bonus number when its switch is on).
int Trefferklasse(const Zeile& z, uint64_t reihe, const Zusatzzahlwertung& zusatz);
// The class counters of a row against the rows, as ReihenAuswerten counts them.
Klassenzaehler ZeilenAuswerten(std::span<const Zeile> zeilen, uint64_t reihe,
                               const Zusatzzahlwertung& zusatz);

// Bit mask of a number list and back (ascending).
uint64_t MaskeAus(const std::vector<int>& zahlen);
std::vector<int> ZahlenAus(uint64_t maske);
inline bool Enthaelt(uint64_t maske, int zahl) {
    return (maske >> (zahl - 1)) & 1u;
}

}  // namespace zahlix
