#pragma once
// The proposal of week, year and identifier for the next draw, and stepping a week back and
// forth, as the "Neue Ziehung" dialog offers them.
#include <chrono>

#include "core/isowoche.h"
#include "core/lottodatei.h"

namespace zahlix {

// Years the dialogs accept; the sort buckets start at 1900.
constexpr int kErstesJahr = 1900;
constexpr int kLetztesJahr = 2099;

struct Folgeziehung {
    int woche = 1;
    int jahr = kErstesJahr;
    int kennung = 0;       // identifier code, 0 = none proposed
    int letzterIndex = 0;  // the new draw goes to letzterIndex + 1
};

// Looks for the previous draw with the last draw's identifier and derives from the draws
// between them whether the week is complete. A last entry without numbers (the placeholder of a
// new file) is replaced: its week and year are proposed and letzterIndex is one less. A table
// emptied completely gets the current ISO week, so no draw is ever proposed for week 0.
Folgeziehung FolgeziehungVorschlagen(const Lottodatei& d);

// One week on; 53 is always followed by week 1 of the next year. Stops at week 53 of the last
// accepted year. Returns false when nothing moved.
bool WocheVor(int& woche, int& jahr);
// One week back; week 1 is preceded by week 53 of the previous year. Stops at week 1 of 1900.
bool WocheZurueck(int& woche, int& jahr);

}  // namespace zahlix
