#include <ostream>

#include "cli/auswertung_cli.h"
#include "output/wochentext.h"

namespace zahlix::cli {

// The span of an ISO week and its Sunday, as the program shows them.
int Woche(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) {
        err << "woche erwartet WOCHE und JAHR.\n" << Verwendung();
        return kAufruffehler;
    }
    const auto woche = GanzeZahl(a[0]);
    const auto jahr = GanzeZahl(a[1]);
    if (!woche || !jahr) {
        err << "WOCHE und JAHR müssen ganze Zahlen sein.\n";
        return kAufruffehler;
    }
    out << WochenZeitraumText(*woche, *jahr) << "\n" << WochenEndeDatum(*woche, *jahr) << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
