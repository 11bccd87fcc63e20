// Placeholder until the command is built.
#include <ostream>

#include "cli/befehle.h"

namespace zahlix::cli {

int SystemFiltern(const Argumente&, std::ostream&, std::ostream& err) {
    err << "Dieser Befehl ist noch nicht verfügbar.\n";
    return kAufruffehler;
}

int SystemDrucken(const Argumente&, std::ostream&, std::ostream& err) {
    err << "Dieser Befehl ist noch nicht verfügbar.\n";
    return kAufruffehler;
}

}  // namespace zahlix::cli
