#pragma once
// The evaluation range: the process-wide range values and their one-line text.
#include <cstdint>
#include <string>

namespace zahlix {

struct Bereichswerte {
    int16_t wocheVon = 1, jahrVon = 1900, wocheBis = 1, jahrBis = 1900;
    int16_t wochenImJahrVon = 1, wochenImJahrBis = 53;
    int16_t markierung = 0;   // 0 none, 1 "G", 2 "U"
    std::string kennung;      // only draws with this identifier; empty = all
    std::string wochenliste;  // " W="
    std::string jahresliste;  // " J="
    bool gruppe = false;      // " Gruppe"
    bool zahlen = false;      // " Zahlen"
    bool systemdatei = false;
    int16_t ersteReihe = 0, letzteReihe = 0;
    std::string reihenliste;  // " R="
    int16_t letzte = 0;       // only the last N draws (" Letzte N"); 0 = no such limit

    // Weeks-in-year 1..53, no mark, no identifier, no lists, no flags (bounds kept).
    void EinschraenkungenAufheben();
    bool operator==(const Bereichswerte&) const = default;
};

// The process-wide range values (owned by the evaluation window).
Bereichswerte& Auswertebereich();

// "01/1955-53/2004  Wo:01-53 " and its optional tails.
std::string BereichText(const Bereichswerte& b);
std::string BereichText();
// Parses such a line back into b; every line BereichText writes is read back whole (lists,
// identifier and flags included). A system line leaves the week/year bounds untouched.
void BereichTextLesen(const std::string& text, Bereichswerte& b);
void BereichTextLesen(const std::string& text);
// True when the range text describes a system file (rows instead of draws).
bool IstSystembereich(const std::string& bereichText);

}  // namespace zahlix
