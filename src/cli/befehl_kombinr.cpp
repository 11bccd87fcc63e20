#include <ostream>

#include "cli/auswertung_cli.h"

namespace zahlix::cli {

namespace {

// "--groesste N" with 1..49; returns kErfolg or a usage error with its message.
int GroessteLesen(const std::string& wert, int& n, std::ostream& err) {
    const auto z = GanzeZahl(wert);
    if (!z || *z < 1 || *z > 49) {
        err << "--groesste erwartet eine Zahl von 1 bis 49.\n";
        return kAufruffehler;
    }
    n = *z;
    return kErfolg;
}

}  // namespace

// The combination number of 1..9 numbers of a lottery of N numbers.
int KombiNr(const Argumente& a, std::ostream& out, std::ostream& err) {
    int n = 49;
    std::vector<std::string> texte;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--groesste" && i + 1 < a.size()) {
            if (int r = GroessteLesen(a[++i], n, err); r != kErfolg) return r;
        } else if (a[i].starts_with("--groesste=")) {
            if (int r = GroessteLesen(a[i].substr(11), n, err); r != kErfolg) return r;
        } else if (a[i].starts_with("--")) {
            err << "Unbekannte Option oder fehlender Wert: " << a[i] << "\n" << Verwendung();
            return kAufruffehler;
        } else {
            texte.push_back(a[i]);
        }
    }
    if (texte.empty() || texte.size() > 9) {
        err << "kombinr erwartet 1 bis 9 Zahlen.\n" << Verwendung();
        return kAufruffehler;
    }
    const auto zahlen = ZahlenLesen(texte, n, err);
    if (!zahlen) return kAufruffehler;
    out << KombiNrBerechnen(*zahlen, n) << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
