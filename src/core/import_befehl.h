#pragma once
// "Datei hinzufügen" of the evaluation window, and reading a source file for the importers.
#include <optional>
#include <string>
#include <vector>

#include "core/import.h"
#include "core/lottodatei.h"

namespace zahlix {

// The draws of a CSV or JSON file; nothing and a German message (naming the file, the line,
// or the system's error) on failure.
std::optional<std::vector<Importziehung>> ImportdateiLesen(const std::string& name,
                                                           std::string& fehler);

// Asks for a CSV or JSON file with the file dialog, reads it, confirms the identifiers (the
// proposal of KennungenVorschlagen; "Nein" lets the user type others), merges and shows the
// result line. On success with new draws the range spans the whole history again, Titel is
// rendered and Geaendert is set; saving is left to the usual commands. Returns true when the
// history changed. A cancel or any error leaves it untouched.
bool LottodateiHinzufuegen(Lottodatei& d);

}  // namespace zahlix
