#pragma once
// The sixteen statistics of the statistics window: parameters, the result model every type
// fills, and the computation over the draws of the evaluation range.
#include <array>
#include <cstdint>
#include <functional>

#include "core/lottodatei.h"

namespace zahlix::statistik {

constexpr int kZeilen = 100;  // result rows are 1..100

// The catalogue number of a type (1..16), see statistik_katalog.h.
enum Typ : int {
    ZahlenWieOft = 1,
    WannZuletzt,
    WieOftMalZuletzt,
    Zahlentendenz,
    WannWieder,
    WieOftDanach,
    Wochenverteilung,
    Jahresverteilung,
    Gruppenverteilung,
    Zweierkombination,
    Dreierkombination,
    Nachbarzahlen,
    WieOftAnPosition,
    Ziehungsabstand,
    Zahlensumme,
    Zahlenabstand,
};

// Bonus-number view: which numbers of a draw count.
enum Zusatz : int { Ohne = 0, Mit = 1, Nur = 2 };

struct Parameter {
    int typ = ZahlenWieOft;
    // The first selector's number (0 for "Alle"/"Keine").
    int zahl1 = 0;
    // The second selector: its number where it lists numbers ("Zieh&ungen", "&2. Zahl"), else
    // its list index ("&Art", "&Gruppe", "&Abstand").
    int zahl2 = 0;
    int zusatz = Ohne;
};

// One value per row, rows 1..n (index 0 unused). Counts never wrap: every value is clamped
// to the 16-bit range.
struct Ergebnis {
    int n = 0;
    int versatz = 0;  // label offset
    std::array<int16_t, kZeilen + 1> istwert{}, zuletzt{}, abstand{};
    std::array<float, kZeilen + 1> sollwert{};
    // "Alle" of the pair and triple statistics: the partner number each row stands for.
    std::array<int16_t, kZeilen + 1> partner{};
    int ziehungen = 0;  // draws counted
    // "Zahlensumme": the first row also counts every smaller sum, the last every larger one.
    bool ersteSammelt = false, letzteSammelt = false;
    bool abgebrochen = false;
};

// The catalogue's defaults for a type (first entries of its selectors).
Parameter Standardparameter(int typ);

// "" when p fits the type and a lottery of `groessteZahl` numbers, else the German reason.
std::string ParameterFehler(const Parameter& p, int groessteZahl);

// Computes the statistic over the draws with ImBereich = -1 that hold numbers. Polls the event
// pump between steps; when `abbrechen` returns true it stops and returns what was filled so
// far with abgebrochen set. Parameters out of range give n = 0.
Ergebnis Berechnen(const Lottodatei& d, const Parameter& p,
                   const std::function<bool()>& abbrechen = {});

inline int16_t Klemmen(int64_t v) {
    return static_cast<int16_t>(v < -32768 ? -32768 : (v > 32767 ? 32767 : v));
}

}  // namespace zahlix::statistik
