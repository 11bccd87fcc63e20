#pragma once
// The texts of the System-Auswertung in the program's fixed-width layout: the summary block for
// the result buffer (head, class totals, the draws with 4T or better, newest first), the full
// report for the print output (every draw in range), and the stake with the cost. Lines end
// with CR LF; a block starts with "* " and its title and ends with 80 "-".
#include <cstdint>
#include <string>

#include "core/lottodatei.h"
#include "systems/systemauswertung.h"

namespace zahlix {

// The default stake per row, in cents.
inline constexpr int64_t kStandardEinsatz = 120;

// A stake as typed: euros with at most two decimals after a comma ("1,20", "2", "0,5"),
// optionally followed by "€" or "EUR"; more than 0 and at most 1.000,00. False with the German
// reason for anything else.
bool EinsatzLesen(const std::string& text, int64_t& cent, std::string& fehler);
// "1.234,50 €".
std::string Euro(int64_t cent);

struct Systemkopf {
    std::string systemname;     // file name of the system
    std::string systembereich;  // its range line when it came from a window, else ""
    std::string historienname;  // file name of the draw history
    std::string bereichText;    // the history's range line
    Reihenmaske zahlen = 0;     // the numbers of the system
    int64_t einsatz = kStandardEinsatz;
};

// "Kosten    : 20 Reihen x 3.693 Ziehungen x 1,20 € = 88.632,00 €" and the lines above it.
std::string SystemKopfText(const Systemkopf& k, const Systemauswertung& e);
// The class table: rows per class and draws per best class.
std::string SystemKlassenText(const Systemauswertung& e);
// One line for a draw: week/year, numbers, bonus number, best class, rows per winning class.
std::string SystemZiehungZeile(const Lottodatei& d, const Systemziehung& z);
std::string SystemZiehungKopfzeile();

// The block for the result buffer and the report for the print output.
std::string SystemauswertungBlock(const Systemkopf& k, const Systemauswertung& e,
                                  const Lottodatei& d);
std::string SystemauswertungBericht(const Systemkopf& k, const Systemauswertung& e,
                                    const Lottodatei& d);

}  // namespace zahlix
