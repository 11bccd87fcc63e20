#pragma once
// One chain of the search for a small reduced system: a greedy start, then simulated annealing
// at a fixed row count b (the cost is the number of open m-subsets; a move swaps one point of
// a row one point short of a randomly chosen open m-subset, giving up the point whose loss
// opens least), and after every success the same with fewer rows: one fewer, or twice as many
// fewer as last time when the success came quickly. A failed anneal goes on reheated with twice
// the length. The odd chain first anneals systems made of the orbits of base rows under a
// cyclic symmetry (systems/symmetrie.h), all symmetries in turn, and goes on from the best.
//
// Contract: the chain reads only its task, its seed and the shared flags; everything it draws
// comes from its own generator and all acceptance tests are integer, so the same seed gives
// the same rows on every platform unless the time limit or the stop flag cuts in. It never
// returns a system with open m-subsets; `beste` stays empty only when stopped before the greedy
// start was complete.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "systems/abdeckung.h"

namespace zahlix {

inline constexpr int kKeineKette = 1 << 30;

// What the chains and the caller share while a search runs.
struct Suchsignale {
    std::atomic<bool> stopp{false};
    // The lowest index of a chain that reached the goal; higher chains give up then, and under
    // a time limit every chain does.
    std::atomic<int> amZiel{kKeineKette};
};

// What a chain shows while it runs (written by the chain, read by anyone).
struct Kettenstand {
    std::atomic<int> reihen{0};     // rows of the current attempt (0 during the greedy start)
    std::atomic<int64_t> offen{0};  // its open m-subsets
    std::atomic<int> beste{0};      // rows of the best complete system, 0 before the first
};

struct Kettenauftrag {
    Garantieaufgabe aufgabe;
    int ziel = 0;  // stop at this many rows or fewer
    uint64_t seed = 1;
    int index = 0;   // of the chain, for Suchsignale::amZiel
    int ketten = 1;  // chains in the search
    // Work allowed in all anneals together, counted per move as the rows and ranks it looks
    // at: the deterministic end of a search without time limit.
    int64_t arbeit = 0;
    std::optional<std::chrono::steady_clock::time_point> frist;
};

struct Kettenergebnis {
    std::vector<uint64_t> beste;  // point masks, complete
    int gierig = 0;               // rows of the greedy start
};

Kettenergebnis KetteLaufen(const Kettenauftrag& auftrag, Suchsignale& signale, Kettenstand& stand);

// The greedy start alone: rows are added around the lowest open m-subset, each time taking the
// point that newly holds the most open m-subsets; then rows nothing needs are dropped. Empty
// when `abbruch` (asked once per row) said so before the end.
std::vector<uint64_t> GierigerStart(Abdeckung& a, Zufall& z, const std::function<bool()>& abbruch);

}  // namespace zahlix
