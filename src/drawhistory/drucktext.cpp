#include "drawhistory/drucktext.h"

#include "app/port.h"

namespace zahlix {

namespace {
constexpr const char* kZeilenende = "\r\n";
}

std::string ZiehungenTitel(bool system, const std::string& name) {
    return (system ? "Reihen anzeigen: " : "Ziehungen anzeigen: ") + name;
}

std::string ZiehungenDrucktext(const Lottodatei& d, const Zeilenwahl& w, const std::string& titel,
                               const std::string& bereichText) {
    std::string t;
    // About 80 characters a line; one allocation for the whole history.
    t.reserve(static_cast<size_t>(d.Anzahl() + 6) * 84);
    t += "* " + titel + kZeilenende;
    t += "* Bereich - " + (w.alle ? std::string("Alle Reihen") : bereichText) + kZeilenende;
    t += kZeilenende;
    t += Kopfzeile(w, true) + kZeilenende;
    for (int i = 0; i < kSlots && d.WocheKennung[i] != 0; ++i) {
        if (!Angezeigt(d, i, w.alle)) continue;
        ZiehungszeileAnhaengen(t, d, i, w, true);
        t += kZeilenende;
        if (i % 256 == 0) EreignissePumpen();
    }
    t += std::string(80, '-') + kZeilenende;
    return t;
}

}  // namespace zahlix
