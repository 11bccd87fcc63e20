#pragma once
// The evaluation window's draw commands without their dialogs: the checks before "Ziehung
// hinzufügen", what follows every change of the draw table, and deleting the last draw.
// Messages and questions go through the port.
#include <span>

#include "core/lottodatei.h"
#include "evaluation/sortieren.h"

namespace zahlix {

// Title of the evaluation window's messages.
inline constexpr const char* kModulAuswertung = "Lotto-Auswertung";

// Capacity and the six marked numbers (ascending). Shows the message and returns false when
// the add dialog must not open.
bool ZiehungHinzufuegenMoeglich(const Lottodatei& d, std::span<const int> markiert);

// Sets the range end to the week and year of the last draw (week clamped to 1..53, year 0 read
// as 1900), clears the system flag and renders Titel from the range. A range restricted to one
// identifier or the last N draws is marked anew.
void BereichsEndeSetzen(Lottodatei& d);

// After a dialog changed the table: sorts (with the question when the quick sort gives up),
// moves the range end and marks the history changed.
void NachZiehungsAenderung(Lottodatei& d, SortierAnlass anlass);

// Asks for confirmation, then clears the last entry and steps LetzterIndex back (the only entry
// is cleared to an empty table). Range end and Geaendert follow. Returns true when deleted.
bool LetzteZiehungLoeschen(Lottodatei& d);

// Clears the last entry without asking (the part of the command after the confirmation).
void LetzteZiehungEntfernen(Lottodatei& d);

// "Woche 12/2005 Kennung M:  3 12 17 25 38 44  Zusatzzahl  9" for questions and messages.
std::string ZiehungBeschreibung(const Lottodatei& d, int i);

}  // namespace zahlix
