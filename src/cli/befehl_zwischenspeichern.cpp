#include <ostream>

#include "cli/befehle.h"

namespace zahlix::cli {

// Not built yet.
int Zwischenspeichern(const Argumente&, std::ostream&, std::ostream& err) {
    err << "Dieser Befehl ist noch nicht verfügbar.\n";
    return kAufruffehler;
}

}  // namespace zahlix::cli
