#pragma once
// The range options shared by every command that evaluates draws:
//   --bereich WW/JJJJ-WW/JJJJ   only the draws of these weeks
//   --letzte N                  only the last N draws (of the identifier, if given)
//   --kennung K                 only draws with identifier K ("." for none)
// Each option may also be written --name=WERT.
//
// Use in a command, in two steps:
//   Bereichsoptionen bereich;
//   Argumente rest;
//   if (int r = BereichsoptionenAbtrennen(a, rest, bereich, err); r != kErfolg) return r;
//   ... read the command's own arguments from rest, load the file into d ...
//   if (int r = BereichAnwenden(bereich, d, err); r != kErfolg) return r;
//   ... evaluate: the draws with d.ImBereich[i] == -1 are in range; d.Titel is the range line.
// Without range options BereichAnwenden changes nothing.
#include <iosfwd>
#include <string>

#include "cli/befehle.h"
#include "core/bereich_auswahl.h"
#include "core/lottodatei.h"

namespace zahlix::cli {

struct Bereichsoptionen {
    bool gesetzt = false;
    Bereichswahl wahl;
};

// Moves the range options out of a into o and every other argument, in order, into rest.
// kAufruffehler with a German message for a malformed value.
int BereichsoptionenAbtrennen(const Argumente& a, Argumente& rest, Bereichsoptionen& o,
                              std::ostream& err);

// Applies the options to the loaded history: ImBereich, the shared range values and d.Titel.
// kDatenfehler with the German reason when the range selects no draw.
int BereichAnwenden(const Bereichsoptionen& o, Lottodatei& d, std::ostream& err);

// The load of every evaluating command: the file must exist, opens as in the evaluation
// window (start folder = working folder unless set) and gets the range options applied.
int ImBereichOeffnen(const std::string& name, const Bereichsoptionen& o, Lottodatei& d,
                     std::ostream& err);

}  // namespace zahlix::cli
