// Placeholder until the command is built.
#include <ostream>

#include "cli/befehle.h"

namespace zahlix::cli {

int SystemInfo(const Argumente&, std::ostream&, std::ostream& err) {
    err << "Dieser Befehl ist noch nicht verfügbar.\n";
    return kAufruffehler;
}

int SystemAuswerten(const Argumente&, std::ostream&, std::ostream& err) {
    err << "Dieser Befehl ist noch nicht verfügbar.\n";
    return kAufruffehler;
}

int SystemPruefen(const Argumente&, std::ostream&, std::ostream& err) {
    err << "Dieser Befehl ist noch nicht verfügbar.\n";
    return kAufruffehler;
}

}  // namespace zahlix::cli
