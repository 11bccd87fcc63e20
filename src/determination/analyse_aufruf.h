#pragma once
// The options of the command-line analyses (zahlix-cli analyse / treffertabelle) read into the
// inputs of one run. Kept with the analyses so both commands and their tests share one reader.
#include <optional>
#include <string>
#include <vector>

#include "determination/analyse.h"

namespace zahlix {

struct AnalyseAufruf {
    AnalyseEingaben e;
    int ermittlungen = 1;                    // determinations of the repeated analyses
    std::optional<std::vector<int>> zahlen;  // --zahlen: marked (analyse) or system numbers
    std::vector<int> gesperrt;               // --gesperrt: locked in addition to the unused numbers
};

// The analysis of a list text, also written without umlauts ("Fuenferwiederholungen") and in
// any case.
std::optional<Analyseart> AnalyseartAusName(const std::string& name);

// Reads "--name WERT" / "--name=WERT" options; returns the German reason of the first bad one,
// or nothing when all were good.
std::optional<std::string> AnalyseOptionenLesen(const std::vector<std::string>& optionen,
                                                AnalyseAufruf& aufruf);

// The numbers the window locks on loading: those in no row in range (bonus numbers aside).
std::array<bool, 49> UngezogeneZahlen(const Lottodatei& d);

}  // namespace zahlix
