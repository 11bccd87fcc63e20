#pragma once
// The texts of an evaluation as the evaluation window hands them on: the result-buffer block,
// the print report, the rows-with-hits caption and the status line. Pure functions of the
// window's state; nothing is evaluated again. Lines end with CR LF. For a system (range line
// "Systemreihe ...") a line names the row instead of week and year, has no bonus number, and
// the summary block has no "Zuletzt" lines.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/lottodatei.h"
#include "core/zahlen.h"
#include "evaluation/auswertung.h"

namespace zahlix {

// What the window shows after an evaluation.
struct Auswertungsanzeige {
    std::string fenstertitel;  // "Lotto-Auswertung: Samstaglotto.ZX7"
    std::string bereichText;   // BereichText() of the evaluated range
    Bitworte auswahl{};        // the marked numbers
    int groessteZahl = 49;     // numbers above it are not listed
    Klassenzaehler zaehler{};  // the ten class counters
    std::string listentitel;   // caption of the rows-with-hits list
    int filter = 10;           // 0..9 one class, 10 any hit, 11 three or more, 12 every draw
};

// Status line texts around an evaluation and its reports.
inline constexpr const char* kStatusAuswertungLaeuft = " Auswertung läuft ...";
inline constexpr const char* kStatusF9 = " F9 zum Auswerten drücken";
inline constexpr const char* kStatusZwischenspeicher =
    " Auswertung wurde dem Zwischenspeicher übergeben";
inline constexpr const char* kStatusDruck = " Auswertung wird an die Druckausgabe übergeben...";
// The progress shown while the print report is built: kStatusDruck and the draws so far.
std::string DruckFortschrittText(int ziehungen);

// True when a draw of this class belongs in the list for the filter.
bool PasstZumFilter(int klasse, int filter);

// "Reihen mit 3 Treffer", "Reihen mit 4 und Zusatzzahl", ...
std::string TrefferTitel(int filter);

// The status line after an evaluation of k numbers over `reihen` draws; kombiNr and summe are
// only shown for six numbers.
std::string StatuszeileNachAuswertung(int k, int32_t reihen, int32_t kombiNr, int32_t summe);

// Head lines 1..5 shared by both reports: title, range, numbers, column heading, counters.
std::string BerichtKopf(const Auswertungsanzeige& a);

// The class header and the "Treffer" line of an evaluation block.
std::string TrefferZeilen(const Klassenzaehler& zaehler);
// The "Zuletzt" line and the identifier line under it: for every class the draw index of its
// latest draw (-1 for none) as week/year ("'" for 20xx) and identifier.
std::string ZuletztZeilen(const Lottodatei& d, const std::array<int, 10>& zuletzt);

// The summary block for the result buffer: head, the date of the latest draw of every class
// and its identifier, closed by 80 "-".
std::string ZwischenspeicherBlock(const Auswertungsanzeige& a, const Lottodatei& d);

// The full report for the print output: head, empty line, caption, heading, one line per draw
// in range that passes the filter, 80 "-". fortschritt (if set) is called every 50 draws
// with the number of draws written so far, so the caller can report progress and keep the
// windows alive.
std::string DruckBericht(const Auswertungsanzeige& a, const Lottodatei& d,
                         const std::function<void(int)>& fortschritt = {});

// One line of the print report for draw i (without CR LF).
std::string DruckZeile(const Lottodatei& d, int i, const Bitworte& auswahl);

}  // namespace zahlix
