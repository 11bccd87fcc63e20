#pragma once
// The text the analysis window hands to the print output: for the repetition analyses their
// combination list side by side or one per line (the user is asked through the port), for the
// list analyses the numbers line and the list, for all others the result box. Lines end with
// CR LF; the text closes with 80 "-" where it builds its own layout.
#include <functional>
#include <string>
#include <vector>

#include "core/zahlen.h"

namespace zahlix {

struct ErmittlungDruckDaten {
    std::string art;           // list text of the analysis
    std::string fenstertitel;  // "Lotto-Analyse: Zweierwiederholungen - Samstaglotto.ZX7"
    std::string bereichText;
    Bitworte auswahl{};  // chosen numbers that are not locked
    int groessteZahl = 49;
    std::string ergebnistext;           // the whole result box
    std::vector<std::string> liste;     // the analysis' result list
    std::vector<std::string> sortiert;  // "Zerlegungsprüfung": the sorted list beside it
};

// "Zahlen     :" and ZahlFeld4 per number of 1..groessteZahl in the set, 15 per line, later
// lines indented by 12 blanks, closed by " :" and CR LF.
std::string ZahlenzeileText(const Bitworte& auswahl, int groessteZahl);

// The transfer text. fortschritt (if set) receives the status text every 100 entries.
std::string ErmittlungDruckText(const ErmittlungDruckDaten& d,
                                const std::function<void(const std::string&)>& fortschritt = {});

// The status text while the transfer runs.
inline constexpr const char* kStatusErmittlungDruck =
    " Auswertung wird an die Druckausgabe übergeben...";

}  // namespace zahlix
