#pragma once
// The text lines of the draw history display: the line of one draw with its two group
// columns and the heading above them, on screen and in print.
#include <string>

#include "core/bereich.h"
#include "core/lottodatei.h"

namespace zahlix {

// Entries of the group selectors "Statistik I" (0..5) and "Statistik II" (0..4, 5 "Keine").
inline constexpr int kGruppenTHUG = 0, kGruppenSumKombi = 1, kGruppenZeilenSpalten = 2,
                     kGruppenZehnerEndziffern = 3, kGruppenNachbarnBilder = 4,
                     kGruppenReiheAlsBild = 5;

// What the window's controls choose for the lines.
struct Zeilenwahl {
    int gruppe1 = kGruppenTHUG;      // 5: the row picture instead of numbers and first columns
    int gruppe2 = kGruppenSumKombi;  // 5: no second columns
    bool system = false;             // rows of a ticket system: no week, year or bonus number
    bool alle = false;               // also the draws outside the evaluation range
};


// The draw is shown: it has a number (or bonus) bit and lies in range unless alle is set.
inline bool Angezeigt(const Lottodatei& d, int i, bool alle) {
    return (d.Bitwort1[i] | d.Bitwort2[i] | d.Bitwort3[i] | d.Bitwort4[i]) != 0 &&
           d.ImBereich[i] < (alle ? 1 : 0);
}
// How many draws are shown, up to the end of the history.
int AngezeigteAnzahl(const Lottodatei& d, bool alle);

// The whole line of draw i: "    1: 05/2005-M : " (system rows "    1-M : "), the numbers with
// "/ 07" (or "/ .." for a bonus outside 1..GroessteZahl; none for system rows), a blank (in
// print " : ") and both group columns; the row picture replaces numbers and first columns.
std::string Ziehungszeile(const Lottodatei& d, int i, const Zeilenwahl& w, bool druck);
// The same line appended to t.
void ZiehungszeileAnhaengen(std::string& t, const Lottodatei& d, int i, const Zeilenwahl& w,
                            bool druck);
// The heading over the lines.
std::string Kopfzeile(const Zeilenwahl& w, bool druck);

}  // namespace zahlix
