#pragma once
// Rückblick: had the player played an analysis' proposals over the last N draws, how would
// they have done compared with random rows? For each tested draw the analysis runs on the
// draws before it only (a view of the rows read once, never a copy of the history), its row is
// evaluated against the draw, and the classes are counted. The comparison is the exact
// expectation for a random row of the same size (hypergeometric, with the bonus classes),
// with a 95 % span and exact one-sided p-values; no simulation.
//
// Contract: like AnalyseAusfuehren, never talks to the user and may run on a worker thread.
// A refusal comes back as `meldung` with `getestet` 0; a stop keeps what was counted.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "determination/analyse.h"

namespace zahlix {

struct RueckblickEingaben {
    AnalyseEingaben analyse;  // the analysis and its inputs; its seed is the base seed
    int letzte = 500;         // draws tested, the newest of the range; 0 = as many as possible
    // The money view: stake per row and a fixed prize per class (0..9), in cents.
    bool mitGeld = false;
    int64_t einsatz = 0;
    std::array<int64_t, 10> gewinn{};
};

// The comparison of one class (or of all winning classes together).
struct Klassenvergleich {
    int64_t beobachtet = 0;
    double erwartet = 0;  // for random rows of the same size
    double spanne = 0;    // 1.96 standard deviations
    // One-sided, towards the deviation: P(at least `beobachtet`) for random rows when that is
    // above the expectation, else P(at most `beobachtet`).
    double p = 1;
};

struct RueckblickErgebnis {
    std::string meldung;  // refusal: nothing was tested
    bool abgebrochen = false;
    int verlangt = 0;  // draws asked for
    int getestet = 0;  // draws tested (fewer after a stop)
    int zahlenJeReihe = 0;
    std::string von, bis;                     // "05/2017": first and last tested draw
    std::array<Klassenvergleich, 10> klasse;  // by class code 0..9
    Klassenvergleich gewinn;                  // classes 3..9 together
    std::string text;                         // the result block, lines ending in CR LF
};

// The seed of the step that tests the draw in slot `slot`: the same draw gets the same seed
// whatever N is, so a back-test repeats exactly.
uint64_t RueckblickSaat(uint64_t saat, int slot);

// An amount as the user types it, "1,20", "1.20" or "2" (with mitKomma false only the point),
// in cents; nothing for anything else.
std::optional<int64_t> BetragInCent(const std::string& text, bool mitKomma = true);

// "Rückblick: Prognosen - Lotto6aus49.AS7", the title of the window and of the result block.
std::string RueckblickTitel(Analyseart art, const std::string& dateiname);

// The refusal for an analysis that proposes no row; empty when it can be back-tested.
std::string KeinRueckblick(Analyseart art);

// r.stopp is asked and r.status told about every 100 ms, fortschritt with it (draws tested,
// draws asked for); all on the calling thread.
RueckblickErgebnis RueckblickAusfuehren(
    const Lottodatei& d, const RueckblickEingaben& e, const AnalyseRueckrufe& r = {},
    const std::function<void(int getestet, int verlangt)>& fortschritt = {});

// The text block of a result (also built by RueckblickAusfuehren into `text`).
std::string RueckblickText(const RueckblickErgebnis& r, const RueckblickEingaben& e);

// "Die Vorschläge trafen 3 Richtige 41-mal, Zufall erwartet 35,2-mal (±11,6): kein Hinweis
// auf einen Vorteil."
std::string RueckblickSatz(const std::string& was, const Klassenvergleich& k);

}  // namespace zahlix
