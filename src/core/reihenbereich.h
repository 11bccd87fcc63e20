#pragma once
// The evaluation range of a system file: a span of rows and an optional list of rows
// (" R=1-5,9"). Like the range of a draw history it is a view: the shared range values, the
// ImBereich flags and the range line, never the file.
#include <string>
#include <vector>

#include "core/bereich.h"
#include "core/lottodatei.h"

namespace zahlix {

struct Reihenwahl {
    int erste = 1;
    int letzte = 0;     // 0: up to the last row
    std::string liste;  // "1-5,9,12"; empty: every row of the span
};

// Reads a list of rows 1..anzahl: numbers and spans "a-b" separated by ",", blanks ignored.
// drin[r] tells whether row r is listed (drin has anzahl + 1 entries). False with the German
// reason for anything else, and for an empty list.
bool ReihenlisteLesen(const std::string& text, int anzahl, std::vector<bool>& drin,
                      std::string& fehler);

// Sets d.ImBereich for a system from b: rows ersteReihe..letzteReihe and, when b.reihenliste
// is set, only the listed ones of them. Returns the number of rows in range.
int ReihenMarkieren(Lottodatei& d, const Bereichswerte& b);

// Checks w, applies it to d and to the shared range values (system flag on) and renders
// d.Titel. A choice that is impossible or selects no row changes nothing: false and the reason.
bool ReihenbereichEinstellen(Lottodatei& d, const Reihenwahl& w, std::string& fehler);

// Every row of the system in range again.
void ReihenbereichAufheben(Lottodatei& d);

}  // namespace zahlix
