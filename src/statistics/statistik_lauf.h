#pragma once
// One statistic from parameters to what the window and the command line show: result,
// display values of a value kind, labels, lists and the print text.
#include <functional>
#include <string>
#include <vector>

#include "core/bereich.h"
#include "statistics/statistik.h"
#include "statistics/statistik_druck.h"
#include "statistics/statistik_katalog.h"
#include "statistics/statistik_listen.h"

namespace zahlix::statistik {

struct Lauf {
    Parameter p;
    Ergebnis ergebnis;
    Anzeigeart anzeige;
    std::vector<std::string> beschriftung;
    int wertart = 0;
    Werte werte{};
    Listen listen;
};

// Computes the statistic and shows it with value kind 0.
Lauf Ausfuehren(const Lottodatei& d, const Parameter& p,
                const std::function<bool()>& abbrechen = {});
// Rebuilds values and lists for another value kind (index into AlleWertarten).
void WertartSetzen(Lauf& l, int wertart);

// The row labels under a graph drawn in the order of list 0 "Normal", 1 "Aufsortiert" or
// 2 "Absortiert" (element 0 unused): blanks squeezed, and the end rows of "Zahlensumme" that
// also count every smaller or larger sum marked "≤ 100", "≥ 199".
std::vector<std::string> Achsenbeschriftungen(const Lauf& l, int liste);

// The text a selector shows for the parameter (" 7", "Alle", "Keine", "THUG").
std::string AuswahlText(int typ, int feld, const Parameter& p);
// The shown parameters for the print header: each selector as caption and text, then the
// bonus-number option unless it is hidden (system files, types without the choice).
std::vector<std::string> ParameterTexte(const Parameter& p, bool zusatzzahlSichtbar);


}  // namespace zahlix::statistik
