// Hostile CSV and JSON archives: no crash, no hang, and the import either takes sound draws
// or refuses with a message and leaves the history as it was.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/import.h"

namespace {

void Pruefen(bool ok, const char* was) {
    if (ok) return;
    std::fprintf(stderr, "Verletzt: %s\n", was);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zahlix;
    static Lottodatei d;
    d.Leeren(0);
    // One present draw, so conflicts and duplicates are reached too.
    d.WocheKennung[0] = WocheKennungAus(1, 'S');
    d.JahrCode[0] = JahrCodeAusJahr(2005);
    const int werte[6] = {1, 2, 3, 4, 5, 6};
    d.ZahlenSetzen(0, ZahlenPacken(werte));
    d.LetzterIndex = 0;

    std::string fehler;
    const auto quelle =
        ImportquelleLesen(std::string_view(reinterpret_cast<const char*>(data), size), fehler);
    if (!quelle) {
        Pruefen(!fehler.empty(), "Meldung zum Lesefehler");
        return 0;
    }
    const Importergebnis e = ZiehungenZusammenfuehren(d, *quelle, {});
    const int n = d.Anzahl();
    if (!e.ok) {
        Pruefen(!e.fehler.empty() && n == 1, "nichts geändert, mit Meldung");
        return 0;
    }
    Pruefen(n == 1 + e.neu && d.LetzterIndex == n - 1, "Anzahl passt zum Ergebnis");
    for (int i = 0; i < n; ++i) {
        std::array<int, 49> liste{};
        Pruefen(ZahlenEntpacken(d.Zahlen(i), liste) == 6, "sechs Zahlen");
        Pruefen(WocheAus(d.WocheKennung[i]) >= 1 && WocheAus(d.WocheKennung[i]) <= 53, "Woche");
        if (i > 0)
            Pruefen(Sortierschluessel(d.JahrCode[i - 1], d.WocheKennung[i - 1]) <=
                        Sortierschluessel(d.JahrCode[i], d.WocheKennung[i]),
                    "sortiert");
    }
    return 0;
}
