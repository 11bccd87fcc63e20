#pragma once
// The evaluation engine: hit classes of a selection against every draw in range.
#include <array>
#include <cstdint>
#include <span>

#include "core/lottodatei.h"
#include "core/zahlen.h"

namespace zahlix {

// Class codes 0..6 = hits, 7/8/9 = 3/4/5 hits with the bonus number.
using Klassenzaehler = std::array<int32_t, 10>;
// Switch i is on only when it equals exactly 1: 0 enables class 7, 1 class 8, 2 class 9.
using Zusatzzahlwertung = std::array<int16_t, 3>;

// Report column order 6T, 5+, 5T, 4+, 4T, 3+, 3T, 2T, 1T, 0T.
inline constexpr std::array<int, 10> kSpaltenKlassen{6, 9, 5, 8, 4, 7, 3, 2, 1, 0};

// Fills the counters and writes Trefferwert of every draw with ImBereich == -1, from index 0
// up to the first draw whose three words and low byte of the fourth are all zero. Draws out of
// range keep their Trefferwert. A bonus value outside 1..49 (0 and 50 mean "none") never
// matches; a damaged draw with more than six numbers counts as six hits. Allocates nothing.
void ReihenAuswerten(const Bitworte& auswahl, Lottodatei& d, Klassenzaehler& zaehler,
                     const Zusatzzahlwertung& zusatz);

// The same evaluation written the table way (four ANDs and four BitZahl lookups per draw);
// kept as the reference the fast one is checked and measured against.
void ReihenAuswertenTabellen(const Bitworte& auswahl, Lottodatei& d, Klassenzaehler& zaehler,
                             const Zusatzzahlwertung& zusatz);

// "Gewinn" (classes 3..9) and "Alle" (classes 1..9).
int32_t GewinnSumme(const Klassenzaehler& z);
int32_t AlleSumme(const Klassenzaehler& z);

int32_t ZahlenSumme(std::span<const int> zahlen);

// 1-based lexicographic rank of the ascending combination zahlen (k = size, 1..9) of 1..n
// (n <= 49); 0 when k is outside 1..9 or the list is not strictly ascending inside 1..n.
int32_t KombiNrBerechnen(std::span<const int> zahlen, int n);
// The ascending k-combination of 1..n with rank r into zahlen[0..k-1] (k = size, 1..9);
// r is clamped to 1..C(n, k). Leaves zahlen untouched when k or n is out of range.
void KombinationAusKombiNr(int32_t r, std::span<int> zahlen, int n);

}  // namespace zahlix
