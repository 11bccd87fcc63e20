#include "cli/auswertung_cli.h"

namespace zahlix::cli {

// The result-buffer block of the evaluation window for the given selection.
int Zwischenspeichern(const Argumente& a, std::ostream& out, std::ostream& err) {
    return AuswertungBerichten(a, false, ZwischenspeicherBlock, out, err);
}

}  // namespace zahlix::cli
