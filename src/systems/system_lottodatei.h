#pragma once
// A system in the evaluation window: its rows become the entries of a Lottodatei (week 1 of
// 1900, no bonus number, every row a full entry), and the range line "Systemreihe 1 - N"
// tells every window that it holds rows of a system, not draws.
#include <string>

#include "core/bereich.h"
#include "core/lottodatei.h"
#include "systems/tippsystem.h"

namespace zahlix {

// The window holds at most this many rows, as many as draws.
inline constexpr int kMaxFensterreihen = kMaxZiehungen;

// Puts the rows of s into d under the name (Dateiname) with every row in range, the shared
// range values on the system and d.Titel its range line. A system of more rows than the window
// holds is refused: false with the German reason, and d and the range stay as they were.
bool SystemInLottodatei(const Tippsystem& s, const std::string& name, Lottodatei& d,
                        std::string& fehler);
// The check alone: false with that reason, nothing else touched.
bool SystemPasstInsFenster(const Tippsystem& s, const std::string& name, std::string& fehler);

// Every row of a window's system (im Bereich: only the rows in range), in order.
Tippsystem SystemAusLottodatei(const Lottodatei& d, bool imBereich = false);

inline bool IstSystem(const Lottodatei& d) {
    return IstSystembereich(d.Titel);
}

}  // namespace zahlix
