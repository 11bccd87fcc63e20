#include <ostream>

#include "cli/auswertung_cli.h"
#include "core/zahlen.h"

namespace zahlix::cli {

// The K numbers (ascending) whose combination number in a lottery of N numbers is NR.
int Kombination(const Argumente& a, std::ostream& out, std::ostream& err) {
    int n = 49, k = 6;
    std::optional<std::string> nrText;
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& arg = a[i];
        int* ziel = nullptr;
        std::string wert;
        if ((arg == "--groesste" || arg == "--anzahl") && i + 1 < a.size()) {
            ziel = arg == "--groesste" ? &n : &k;
            wert = a[++i];
        } else if (arg.starts_with("--groesste=") || arg.starts_with("--anzahl=")) {
            ziel = arg.starts_with("--groesste=") ? &n : &k;
            wert = arg.substr(arg.find('=') + 1);
        } else if (arg.starts_with("--") || nrText) {
            err << "Unerwartetes Argument: " << arg << "\n" << Verwendung();
            return kAufruffehler;
        } else {
            nrText = arg;
            continue;
        }
        const auto z = GanzeZahl(wert);
        if (!z) {
            err << "Ungültiger Wert für " << arg << ": " << wert << "\n";
            return kAufruffehler;
        }
        *ziel = *z;
    }
    if (n < 1 || n > 49) {
        err << "--groesste erwartet eine Zahl von 1 bis 49.\n";
        return kAufruffehler;
    }
    if (k < 1 || k > 9 || k > n) {
        err << "--anzahl erwartet eine Zahl von 1 bis 9 (höchstens " << n << ").\n";
        return kAufruffehler;
    }
    if (!nrText) {
        err << "Es fehlt die Kombinationsnummer.\n" << Verwendung();
        return kAufruffehler;
    }
    const int32_t hoechste = Binomial(n, k);
    const auto nr = GanzeZahl(*nrText);
    if (!nr || *nr < 1 || *nr > hoechste) {
        err << "Die Kombinationsnummer muss zwischen 1 und " << hoechste << " liegen.\n";
        return kAufruffehler;
    }
    std::vector<int> zahlen(static_cast<size_t>(k));
    KombinationAusKombiNr(*nr, zahlen, n);
    for (size_t i = 0; i < zahlen.size(); ++i) out << (i ? " " : "") << zahlen[i];
    out << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
