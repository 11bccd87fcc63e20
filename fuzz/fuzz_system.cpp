// Hostile system files in all three formats (the first byte picks one): no crash, no hang,
// a refused file leaves the system as it was, and a loaded one writes back the same rows.
#include <cstdio>
#include <cstdlib>

#include "core/tabellen.h"
#include "systems/tippsystem.h"

namespace {

void Pruefen(bool ok, const char* was) {
    if (ok) return;
    std::fprintf(stderr, "Verletzt: %s\n", was);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zahlix;
    static const bool init = (Initialisieren(), true);
    (void)init;
    if (size < 1) return 0;
    const auto f = static_cast<Systemformat>(data[0] % 3);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    Tippsystem s, vorher;
    vorher.reihen = {0x3F};
    s = vorher;
    std::string fehler;
    const int groesste = 40 + data[0] % 10;
    if (!SystemDekodieren(bytes, f, "fuzz", s, fehler, groesste)) {
        Pruefen(s == vorher && !fehler.empty(), "abgewiesen: unverändert und mit Grund");
        return 0;
    }
    Pruefen(!s.reihen.empty() && s.reihen.size() <= kMaxSystemreihen, "Reihenzahl");
    for (Reihenmaske r : s.reihen)
        Pruefen(AnzahlIn(r) == 6 && (r >> groesste) == 0, "sechs Zahlen bis zur größten");
    Tippsystem zurueck;
    Pruefen(SystemDekodieren(SystemKodieren(s, f), f, "fuzz", zurueck, fehler, groesste),
            "Geschriebenes lädt");
    Pruefen(zurueck.reihen == s.reihen, "Rundreise ändert nichts");
    return 0;
}
