#pragma once
// What the evaluation commands of zahlix-cli share: reading their arguments, loading the file
// as the evaluation window opens it, and evaluating the selection.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/befehle.h"
#include "cli/bereich_optionen.h"
#include "core/lottodatei.h"
#include "evaluation/auswertung.h"
#include "evaluation/bericht.h"

namespace zahlix::cli {

// A whole decimal argument ("+" and blanks are not numbers); nothing for anything else.
std::optional<int> GanzeZahl(const std::string& text);

// Numbers 1..n, each once; otherwise a German message on err and nothing.
std::optional<std::vector<int>> ZahlenLesen(const std::vector<std::string>& texte, int n,
                                            std::ostream& err);

struct Auswertungsaufruf {
    std::string datei;
    int filter = 10;
    Zusatzzahlwertung zusatz{1, 1, 1};
    std::vector<std::string> zahlen;  // checked against the file's largest number later
    Bereichsoptionen bereich;
};

// DATEI [--filter F] [--zusatzzahl LISTE] [range options] ZAHL...; --filter only when
// mitFilter.
// Returns kErfolg or kAufruffehler (message on err).
int AufrufLesen(const Argumente& a, bool mitFilter, Auswertungsaufruf& aufruf, std::ostream& err);

// Loads the file, applies the range options, checks the numbers and evaluates the draws in
// range. Returns kErfolg,
// kAufruffehler (bad numbers) or kDatenfehler (file), with a message on err.
int AuswertungAusfuehren(const Auswertungsaufruf& aufruf, Lottodatei& d,
                         Auswertungsanzeige& anzeige, std::ostream& err);

// Writes text unchanged (the reports carry their own CR LF, also on Windows).
void TextUnveraendertAusgeben(std::ostream& out, const std::string& text);

// The whole command: reads the call, evaluates, writes what bericht makes of the result.
int AuswertungBerichten(const Argumente& a, bool mitFilter,
                        std::string (*bericht)(const Auswertungsanzeige&, const Lottodatei&),
                        std::ostream& out, std::ostream& err);

}  // namespace zahlix::cli
