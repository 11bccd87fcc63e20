#pragma once
// Choosing the evaluation range of a history: a span of weeks, only draws with one identifier,
// or the last N draws. The range is a view: it lives in the shared range values and the
// ImBereich flags, never in the lottery file.
#include <string>

#include "core/bereich.h"
#include "core/lottodatei.h"

namespace zahlix {

// What the range dialog and the command line ask for.
struct Bereichswahl {
    bool zeitraum = false;  // false: from the first to the last draw
    int wocheVon = 1, jahrVon = 1900, wocheBis = 53, jahrBis = 2099;
    std::string kennung;  // one character "0".."9" / "A".."Z", "." for none; empty: all
    int letzte = 0;       // only the last N of the draws chosen otherwise; 0: all
};

// Sets d.ImBereich from b: -1 for every draw inside the week bounds, the weeks-in-year bounds
// and the identifier; with b.letzte only the last N of these, and then the week bounds of b
// narrow to the first and last draw chosen (so the line reads back the same). Entries without
// numbers are never in range. Returns the number of draws in range. For a system (b.systemdatei)
// the row range decides (ReihenMarkieren).
int BereichMarkieren(Lottodatei& d, Bereichswerte& b);

// Checks w and applies it to d and the shared range values, and renders d.Titel. A choice
// with impossible values or one that selects no draw changes nothing: false, and fehler says
// why in German.
bool BereichEinstellen(Lottodatei& d, const Bereichswahl& w, std::string& fehler);
// The same for a history apart from the evaluation window: the range values go to b (which
// holds the start values) instead of the shared ones.
bool BereichBerechnen(Lottodatei& d, const Bereichswahl& w, Bereichswerte& b, std::string& fehler);

// Every draw (of a system: every row) in range again; the range spans the history and d.Titel
// is rendered.
void BereichAufheben(Lottodatei& d);

// The choice the current shared range values describe (to fill the dialog).
Bereichswahl AktuelleBereichswahl();

// "WW/JJJJ-WW/JJJJ" into the span of w (zeitraum set); false for anything else.
bool ZeitraumLesen(const std::string& text, Bereichswahl& w);

}  // namespace zahlix
