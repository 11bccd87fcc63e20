#pragma once
// The System-Auswertung: what the rows of a system would have hit in each draw of a history's
// evaluation range. Per draw the rows per hit class, with the bonus classes 3+, 4+ and 5+
// always on, and the best class any row reached; totals over the range. The draws are taken
// one at a time against every row (one AND and one bit count per row), and between two draws
// the caller hears the progress and may stop, so a window can run it on a worker thread.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/lottodatei.h"
#include "evaluation/auswertung.h"
#include "systems/tippsystem.h"

namespace zahlix {

// The classes that win, in report order: 6T, 5+, 5T, 4+, 4T, 3+, 3T.
inline constexpr std::array<int, 7> kGewinnklassen{6, 9, 5, 8, 4, 7, 3};

// Rank of a class code in report order: 6T is 9, 0T is 0.
int KlassenRang(int klasse);
// "6T", "5+", ..., "0T".
std::string KlassenKurztext(int klasse);

struct Systemziehung {
    int index = 0;            // the draw's index in the history
    Klassenzaehler reihen{};  // rows per class 0..9
    int beste = 0;            // the best class any row reached
};

struct Systemauswertung {
    std::vector<Systemziehung> ziehungen;      // the draws in range, in history order
    std::array<int64_t, 10> summen{};          // rows per class over all these draws
    std::array<int32_t, 10> besteZiehungen{};  // draws per best class
    int64_t reihen = 0;                        // rows of the system
    bool abgebrochen = false;                  // stopped: the draws so far are complete
};

struct Systemrueckrufe {
    std::function<bool()> stopp;                              // asked before every draw
    std::function<void(int fertig, int gesamt)> fortschritt;  // after every draw
};

// Every row against draw i of d, counted per class; the best class from the counts.
Klassenzaehler SystemGegenZiehung(std::span<const Reihenmaske> reihen, const Lottodatei& d, int i);
int BesteKlasse(const Klassenzaehler& z);
// The class of one row against a draw (bonus classes on).
int ReihenKlasse(Reihenmaske reihe, const Bitworte& ziehung);

// The system against every draw of d with ImBereich == -1, up to the end of the history.
Systemauswertung SystemAuswerten(std::span<const Reihenmaske> reihen, const Lottodatei& d,
                                 const Systemrueckrufe& r = {});

}  // namespace zahlix
