#include <memory>
#include <ostream>

#include "cli/auswertung_cli.h"

namespace zahlix::cli {

// The result-buffer block of the evaluation window for the given selection.
int Zwischenspeichern(const Argumente& a, std::ostream& out, std::ostream& err) {
    Auswertungsaufruf aufruf;
    if (int r = AufrufLesen(a, false, aufruf, err); r != kErfolg) return r;
    auto d = std::make_unique<Lottodatei>();
    Auswertungsanzeige anzeige;
    if (int r = AuswertungAusfuehren(aufruf, *d, anzeige, err); r != kErfolg) return r;
    TextUnveraendertAusgeben(out, ZwischenspeicherBlock(anzeige, *d));
    return kErfolg;
}

}  // namespace zahlix::cli
