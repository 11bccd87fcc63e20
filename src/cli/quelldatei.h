#pragma once
// The checks the commands run on the lottery file they read. Each writes the German reason to
// err and returns the exit code (kErfolg when all is well).
#include <iosfwd>
#include <string>

#include "core/lottodatei.h"

namespace zahlix::cli {

// kDatenfehler when there is no such file.
int DateiVorhanden(const std::string& name, std::ostream& err);
// kAufruffehler for a name no reader takes.
int FormatLesbar(const std::string& name, std::ostream& err);
// Opens the file the way the evaluation window does, so the range line matches the window.
int WieImFensterOeffnen(const std::string& name, Lottodatei& d, std::ostream& err);
// Format check, existence check and plain load for the commands that change the file; the
// backup folder becomes ./Datensicherungen.
int ZumAendernLaden(const std::string& name, Lottodatei& d, std::ostream& err);
// The message for a file that exists but did not load.
void NichtGeladen(const std::string& name, std::ostream& err);

}  // namespace zahlix::cli
