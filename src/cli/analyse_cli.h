#pragma once
// What the two commands on analyses (analyse, rueckblick) share.
#include <iosfwd>

#include "cli/befehle.h"
#include "cli/bereich_optionen.h"
#include "determination/analyse_aufruf.h"

namespace zahlix::cli {

// a = DATEI ART [options of the analysis]: reads the analysis and its options, loads the file
// with the range options and fills the inputs as the analysis window would (window title,
// range, unused and --gesperrt numbers locked, --zahlen marked). kErfolg, or the exit code
// after a German message on err.
int AnalyseVorbereiten(const Argumente& a, const Bereichsoptionen& bereich, AnalyseAufruf& aufruf,
                       Lottodatei& d, std::ostream& err);

}  // namespace zahlix::cli
