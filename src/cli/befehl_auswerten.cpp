#include "cli/auswertung_cli.h"

namespace zahlix::cli {

// The print report of the evaluation window for the given selection over the whole file.
int Auswerten(const Argumente& a, std::ostream& out, std::ostream& err) {
    return AuswertungBerichten(
        a, true,
        [](const Auswertungsanzeige& z, const Lottodatei& d) { return DruckBericht(z, d); }, out,
        err);
}

}  // namespace zahlix::cli
