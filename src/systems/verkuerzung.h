#pragma once
// Building a reduced system ("verkürztes System") for chosen numbers: rows of six such that
// whenever m of the drawn numbers are among the chosen ones, some row holds t of them.
//
// Contract: SystemVerkuerzen runs the search of systems/suchkette.h on two chains (one when
// the table of m-subsets is very large) with seeds derived from the given one; the result is
// the smallest system, between equal sizes the one of the lower chain, so the same seed gives
// the same rows unless the time limit or Stop cuts in. Every system it hands back has passed
// the exact check of the analysis "Garantiestufe"; a failed check comes back as `meldung`,
// never as a system. It never talks to the user and may run on any thread; the callbacks are
// called on the calling thread.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "determination/garantiestufe.h"
#include "systems/tippsystem.h"

namespace zahlix {

struct Verkuerzungsauftrag {
    std::vector<int> zahlen;      // the chosen numbers, 7 to 49 of 1..49
    int t = 3, m = 3;             // "t aus m"
    // Time limit, all of it used unless a chain reaches the goal; without it a fixed effort.
    std::optional<int> sekunden;
    uint64_t seed = 1;
    std::optional<int> hoechstens;  // stop once a system has at most this many rows
    bool zufallsbelegung = false;   // map the points onto the numbers in a random order
    // Effort without time limit, in moves times the rows and subsets each looks at; 0 for the
    // program's own (about half a minute).
    int64_t arbeit = 0;
};

// The German reason the order cannot run, or nothing.
std::optional<std::string> VerkuerzungPruefen(const Verkuerzungsauftrag& a);

struct Suchfortschritt {
    int reihen = 0;     // rows of the attempt running (0 during the greedy start)
    int64_t offen = 0;  // its m-subsets without a row
    int beste = 0;      // rows of the best complete system so far, 0 before the first
    double sekunden = 0;
};

struct Verkuerzungsrueckrufe {
    std::function<bool()> stopp;  // asked every ~20 ms; true keeps the best system so far
    std::function<void(const Suchfortschritt&)> fortschritt;  // every ~100 ms
};

struct Verkuerzungsergebnis {
    // Why there is no system: a refusal, a stop before the first complete system, or a failed
    // check. Empty when `system` holds the result.
    std::string meldung;
    Tippsystem system;
    int gierig = 0;        // rows of the greedy start
    int64_t schranke = 0;  // lower bound (UntereSchranke)
    std::optional<int> bekannt;
    bool zielErreicht = false;  // reached the goal (bound, published size or `hoechstens`)
    bool abgebrochen = false;   // Stop or the time limit ended the search
    Garantiepruefung pruefung;
    double sekunden = 0;
    // The "* " lines of the result (numbers, guarantee, size and bounds, the check's verdict),
    // and the result block: them, the rows and 80 "-" (CR LF lines).
    std::string kopf, text;
};

Verkuerzungsergebnis SystemVerkuerzen(const Verkuerzungsauftrag& a,
                                      const Verkuerzungsrueckrufe& r = {});

}  // namespace zahlix
