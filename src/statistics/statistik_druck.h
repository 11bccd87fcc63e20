#pragma once
// The print text of the statistics window and the texts it is built from.
#include <string>
#include <vector>

#include "statistics/statistik_listen.h"

namespace zahlix::statistik {

// "Lotto-Statistik: <type> - <title>", "System-Statistik: ..." for a system file.
std::string Fenstertitel(bool systemdatei, const std::string& typ, const std::string& titel);

// One shown parameter: the label without "&", a blank and the selector text.
std::string ParameterText(const std::string& beschriftung, const std::string& auswahl);
// The bonus-number option 0..2 as "Ohne Zusatzzahl", "Mit Zusatzzahl", "Nur Zusatzzahl".
std::string ZusatzzahlText(int ansicht);

struct Druckangaben {
    std::string fenstertitel;
    std::string bereich;                 // the range text
    std::vector<std::string> parameter;  // the shown parameters, bonus-number option last
    int wertart = 0;
    bool listenrahmen = true;  // else `text` is printed
    std::string normalKopf, sortiertKopf;
    const Listen* listen = nullptr;
    std::string text;
};

// Lines end with CR LF.
std::string Drucktext(const Druckangaben& a);

}  // namespace zahlix::statistik
