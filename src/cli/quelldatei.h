#pragma once
// The checks the commands run on the lottery file they read. Each writes the German reason to
// err and returns the exit code (kErfolg when all is well).
#include <iosfwd>
#include <string>

#include "core/dateisperre.h"
#include "core/lottodatei.h"

namespace zahlix::cli {

// kDatenfehler when there is no such file.
int DateiVorhanden(const std::string& name, std::ostream& err);
// kAufruffehler for a name no reader takes.
int FormatLesbar(const std::string& name, std::ostream& err);
// Opens the file the way the evaluation window does, so the range line matches the window.
int WieImFensterOeffnen(const std::string& name, Lottodatei& d, std::ostream& err);
// Takes the file's lock into sperre (held until the command has written the file) and notes
// its state in d.Stand; kDatenfehler with the German reason when another writer keeps it.
int Sperren(const std::string& name, Dateisperre& sperre, Lottodatei& d, std::ostream& err);
// Format check, lock (unless sperre holds it already), existence check and plain load for the
// commands that change the file; the backup folder becomes ./Datensicherungen.
int ZumAendernLaden(const std::string& name, Lottodatei& d, Dateisperre& sperre, std::ostream& err);
// Writes d to name unless the file is no longer as d.Stand found it (a program that does not
// take the lock changed it meanwhile): then nothing is written and err says so.
int Zurueckschreiben(const std::string& name, const Lottodatei& d, std::ostream& err,
                     int* geschrieben = nullptr);
// The message for a file that exists but did not load.
void NichtGeladen(const std::string& name, std::ostream& err);

}  // namespace zahlix::cli
