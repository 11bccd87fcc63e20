#pragma once
// Restoring the order of the draw table by (JahrCode, week) after draws were added or edited.
// Both sorts are stable (draws of one week keep their order; the identifier takes no part) and
// produce the same order.
#include "core/lottodatei.h"

namespace zahlix {

// Bucket sort of the entries 0..L with room for seven draws per week. Returns true when it gave
// up: a week with more than seven draws, or a year before 1900 (which has no bucket). The table
// is then left exactly as it was.
bool ZiehungenSortierenSchnell(Lottodatei& d, int L);

// Insertion sort of the entries 0..L; any number of draws per week and any year. Lets pending
// events run once per step.
void ZiehungenSortierenLangsam(Lottodatei& d, int L);

// Index of the first entry 0..L whose year lies before 1900, or -1.
int ErsteZiehungVor1900(const Lottodatei& d, int L);

enum class SortierAnlass { Hinzufuegen, Berichtigen };

// The sorting step after a change: refuses a table with a year before 1900 with a message,
// runs the quick sort and, when it gives up, asks whether to try the slow one. Returns true
// when the table is sorted afterwards.
bool ZiehungenSortieren(Lottodatei& d, SortierAnlass anlass);

}  // namespace zahlix
