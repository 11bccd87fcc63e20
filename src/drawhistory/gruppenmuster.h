#pragma once
// Group patterns of a row of numbers: how a row splits over the ticket's rows, columns,
// decades, end digits, runs of neighbours and pictures, plus the codes of the "Gruppen THUG"
// and "Sum Kombi-Nr" columns. Every function takes the row ascending, as ZahlenEntpacken
// gives it. A pattern is the index of a partition of six (1 "     6" .. 11 "111111"); a row
// with fewer or more than six numbers gets pattern 0, whose label is empty.
#include <cstdint>
#include <span>
#include <string>

namespace zahlix {

// Counts per ticket row (1..7, seven numbers a row) as decimal digits, row 1 first:
// 1 2 3 4 5 6 -> 6000000.
int32_t ScheinzeilenCode(std::span<const int> zahlen);
// T*1000 + H*100 + U*10 + G: below 25, 25 and above, odd, even. 1..6 -> 6033.
int ThugCode(std::span<const int> zahlen);
// The row's combination number among the rows of 1..groessteZahl (0 when it has none).
int32_t ReihenKombiNr(std::span<const int> zahlen, int groessteZahl);

// The partition index of group counts sorted descending; 0 unless the first six add up to 6.
int MusterAusAnzahlen(std::span<const int> absteigend);
// "     6" .. "111111" for 1..11, "" for anything else.
std::string MusterText(int muster);

int ZeilenMuster(std::span<const int> zahlen);      // ticket rows
int SpaltenMuster(std::span<const int> zahlen);     // ticket columns
int ZehnerMuster(std::span<const int> zahlen);      // 1-9, 10-19, ..., 40-49
int EndziffernMuster(std::span<const int> zahlen);  // 1/11/21.., 2/12/22.., ..., 10/20/30..
int NachbarnMuster(std::span<const int> zahlen);    // runs of consecutive numbers
int BilderMuster(std::span<const int> zahlen);      // pictures on the ticket, see below

// The picture a number belongs to on the 7 x 7 ticket: 1 the border, 2 the diagonal cross
// inside the border (9 17 33 41 and 13 19 31 37), 3 the centre cross (11 18 32 39 and
// 23 24 25 26 27; the centre 25 belongs to it), 0 none (10 12 16 20 30 34 38 40).
// The pictures do not overlap, so the numbers of a row split into picture groups plus single
// numbers outside every picture, and BilderMuster classifies that split.
int BildVonZahl(int z);

// 49 characters "." with the last digit of z at position z for every number of the row.
std::string ReiheAlsBild(std::span<const int> zahlen);

}  // namespace zahlix
