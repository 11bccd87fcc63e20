#pragma once
// The catalogue of the sixteen statistic types: texts, selectors and what a result shows.
#include <string>
#include <vector>

#include "statistics/statistik.h"

namespace zahlix::statistik {

struct Auswahlfeld {
    bool sichtbar = false;
    std::string beschriftung;  // "Für &Zahl"
    std::vector<std::string> eintraege;
    int vorgabe = 0;  // index selected when the type is chosen
    // A larger typed value becomes this one: 49 for numbers, 99 for "Zieh&ungen".
    int hoechstens = 49;
};

struct Typbeschreibung {
    const char* name;    // "Zahlen wie oft", the type's text in menus and the command line
    const char* frage;   // shown in the status line when the type is chosen
    bool zusatzzahl;     // the bonus-number view is offered
    bool sollwertlinie;  // the target-line graph is offered
};

constexpr int kTypen = 16;
const Typbeschreibung& Beschreibung(int typ);  // typ 1..16
// 1..16, or 0 for an unknown text (blanks and "&" are ignored at both ends).
int TypAusName(const std::string& name);

// The two selectors as the type sets them up.
Auswahlfeld Auswahl1(int typ);
Auswahlfeld Auswahl2(int typ);
// True when the second selector lists entries whose list index is the parameter.
bool Auswahl2IstListe(int typ);

// What a result of the type shows: list headers, status description and the value kinds.
struct Anzeigeart {
    std::string normal, sortiert, beschreibung;
    std::vector<std::string> wertarten;
};
Anzeigeart AnzeigeFuer(const Parameter& p);

// The seven value kinds in selector order.
const std::vector<std::string>& AlleWertarten();

}  // namespace zahlix::statistik
