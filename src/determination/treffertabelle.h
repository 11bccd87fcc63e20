#pragma once
// The hit table of a system: every k-combination of the system numbers is taken as an assumed
// draw and evaluated against every row in range; assumed draws with the same counts of rows
// with 6, 5, 4 and 3 hits (only the classes the chosen entry compares) form one picture.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/lottodatei.h"
#include "evaluation/auswertung.h"

namespace zahlix {

inline constexpr int kMaxTrefferbilder = 999;

inline constexpr const char* kStatusTreffertabelleLaeuft = " Erstelle Treffertabelle...";
inline constexpr const char* kStatusTreffertabelleFertig = " Treffertabelle wurde erstellt";
inline constexpr const char* kStatusTreffertabelleVoll =
    " Treffertabelle konnte wegen zu vieler Kombinationen nicht vollständig erstellt werden!";

struct Trefferbild {
    std::array<int32_t, 4> klassen{};  // rows with 6T, 5T, 4T, 3T; classes not compared are 0
    int64_t anzahl = 0;                // assumed draws with this picture
};

struct Treffertabellenergebnis {
    int index = 0;
    int k = 0;
    int64_t kombinationen = 0;        // C(n, k), 0 for n < k
    std::vector<Trefferbild> bilder;  // descending by 6T, 5T, 4T, 3T
    bool unvollstaendig = false;      // stopped at kMaxTrefferbilder pictures
    bool abgebrochen = false;         // the stop callback ended it
};

// The classes an entry compares, as the highest and lowest hit count (6..3).
struct Vergleichsspalten {
    int hoch, tief;
};
Vergleichsspalten TreffertabelleSpalten(int index);

// The table for the ascending system numbers `zahlen` (1..49, each once) and entry index
// 0..13, with the bonus switches of the window (a row with 3..5 hits whose bonus number lies
// in the assumed draw counts in its bonus class, not as 3T..5T). Counts subsets instead of
// evaluating every assumed draw; equals TreffertabelleWoertlich. stopp is asked now and then.
Treffertabellenergebnis TreffertabelleBerechnen(const Lottodatei& d, std::span<const int> zahlen,
                                                int index, const Zusatzzahlwertung& zusatz,
                                                const std::function<bool()>& stopp = {});

// The same table the literal way: ReihenAuswerten for every assumed draw in lexicographic
// order. The reference the fast method is tested against.
Treffertabellenergebnis TreffertabelleWoertlich(const Lottodatei& d, std::span<const int> zahlen,
                                                int index, const Zusatzzahlwertung& zusatz,
                                                const std::function<bool()>& stopp = {});

// The result text: header, column line, one line per picture, empty line, 80 "-".
std::string TreffertabelleText(const Treffertabellenergebnis& t, const std::string& fenstertitel,
                               const std::string& bereichText);
// The final status line.
std::string TreffertabelleStatus(const Treffertabellenergebnis& t);

}  // namespace zahlix
