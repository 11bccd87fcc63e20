// zahlix-cli system UNTERBEFEHL: the ticket-system commands share one name at the top level.
#include <map>
#include <ostream>

#include "cli/befehle.h"

namespace zahlix::cli {

int System(const Argumente& a, std::ostream& out, std::ostream& err) {
    using Befehl = int (*)(const Argumente&, std::ostream&, std::ostream&);
    static const std::map<std::string, Befehl> unterbefehle = {
        {"info", SystemInfo},       {"auswerten", SystemAuswerten}, {"pruefen", SystemPruefen},
        {"filtern", SystemFiltern}, {"drucken", SystemDrucken},     {"bauen", SystemBauen},
    };
    const auto it = a.empty() ? unterbefehle.end() : unterbefehle.find(a.front());
    if (it == unterbefehle.end()) {
        err << (a.empty() ? std::string("Der Unterbefehl fehlt.")
                          : "Unbekannter Unterbefehl: " + a.front())
            << "\nUnterbefehle: info, auswerten, pruefen, filtern, drucken, bauen\n"
            << Verwendung();
        return kAufruffehler;
    }
    return it->second(Argumente(a.begin() + 1, a.end()), out, err);
}

}  // namespace zahlix::cli
