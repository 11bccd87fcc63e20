#pragma once
// How the statistics classify a row of six numbers into groups, and how many of all C(N, 6)
// rows fall into each class (the exact basis of the Sollwert columns).
#include <array>
#include <cstdint>

namespace zahlix::statistik {

// The groups of "Gruppenverteilung" by list index.
enum Gruppe : int {
    THUG = 0,
    Zeilen,
    Spalten,
    Zehner,
    Endziffern,
    Nachbarn,
    Bilder,
    TiefHoch,
    UngeradeGerade
};

// C(n, k) exactly, 1 for k = 0, 0 outside 0 <= k <= n.
int64_t Auswahl(int n, int k);

// The index 1..11 of the partition of six given group counts (any order), 0 when they do not
// add up to six.
int MusterAusAnzahlen(const int* anzahlen, int gruppen);

// The row of "Gruppenverteilung" (1-based) the sorted numbers z[0..c-1] fall into for group g,
// 0 when the row has not six numbers.
//   THUG: T numbers below 25, U odd numbers; rows as the labels count them.
//   Tief/Hoch, Ungerade/Gerade: row 7 - T resp. 7 - U ("60" first).
//   Zeilen/Spalten/Zehner/Endziffern: the partition of the counts per ticket row, ticket
//   column, decade (1-9, 10-19, ...) or end digit.
//   Nachbarn: the partition of the lengths of runs of consecutive numbers.
//   Bilder: the partition over the draw display's ticket pictures (BildVonZahl), each
//   number outside them a group of its own.
int GruppenZeile(const int* z, int c, int g);
int GruppenZeilen(int g);  // rows of group g: 49, 11 or 7

// How many of all rows of six of 1..N fall into each row of group g (index 0 unused).
std::array<int64_t, 50> GruppenAnzahlen(int g, int N);

// The group of number x for "Wie oft an Position" (0 Zahlen, 1 Zeilen, 2 Spalten, 3 Zehner,
// 4 Endziffern), as a row 1..; and the rows of that group.
int PositionsZeile(int x, int gruppe);
int PositionsZeilen(int gruppe, int N);

}  // namespace zahlix::statistik
