#pragma once
// The rows-with-hits list of the evaluation window as data: which draws a page shows, the
// caption, the scroll range, and every line as coloured pieces, so the window only paints.
#include <cstdint>
#include <string>
#include <vector>

#include "core/lottodatei.h"
#include "core/zahlen.h"
#include "evaluation/auswertung.h"

namespace zahlix {

// Palette colours of the list: black, light blue for a hit number, light red for a hit bonus.
enum class Listenfarbe : int { Schwarz = 0, Hellblau = 9, Hellrot = 12 };

struct Textstueck {
    std::string text;
    Listenfarbe farbe = Listenfarbe::Schwarz;
    bool operator==(const Textstueck&) const = default;
};
using Listenzeile = std::vector<Textstueck>;

// " 05/2004-M :", " 01 07 ...", "-", "12", "  3 T." - one line of the list for draw i; for
// row i of a system "    12 :", the numbers and the class.
Listenzeile TrefferZeile(const Lottodatei& d, int i, const Bitworte& auswahl);
// The pieces joined (for tests and the clipboard).
std::string ZeilenText(const Listenzeile& z);

struct Trefferseite {
    int filter = 10;          // the filter in effect (0 when the chosen class is empty)
    std::string titel;        // caption, with " --- Keine gefunden ---" when empty
    int scrollMax = 0;        // largest scroll position
    int scrollPos = 0;        // the position used (reset to 0 when above the range)
    std::vector<int> ziehungen;  // indices of the draws on the page, at most sichtbar + 1
};

// The page of the list for `filter` at scroll position `scrollPos` with `sichtbar` visible
// lines, from the counters the window shows and the evaluated draws. `titel` is the caption
// as it stands (see TrefferTitel).
Trefferseite TrefferseiteBerechnen(const Lottodatei& d, const Klassenzaehler& z, int filter,
                                   int scrollPos, int sichtbar, const std::string& titel);

}  // namespace zahlix
