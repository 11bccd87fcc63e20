#include "determination/ermittlung_druck.h"

#include <algorithm>
#include <array>

#include "app/port.h"
#include "core/zahlformat.h"
#include "determination/analyse.h"

namespace zahlix {

namespace {

const std::string kZeilenende = "\r\n";
const std::string kSchluss = std::string(80, '-') + "\r\n";

struct Wiederholung {
    const char* art;
    const char* nebeneinander;
    int proZeile;
    const char* untereinander;
};

// The "z5" in the last heading is how the print has always looked.
constexpr std::array<Wiederholung, 4> kWiederholungen{{
    {"Zweierwiederholungen",
     " Z1 Z2     Anz      Z1 Z2     Anz      Z1 Z2     Anz      Z1 Z2     Anz", 4,
     "   Z1 Z2     Anz"},
    {"Dreierwiederholungen",
     " Z1 Z2 Z3    Anz    Z1 Z2 Z3    Anz    Z1 Z2 Z3    Anz    Z1 Z2 Z3    Anz", 4,
     "   Z1 Z2 Z3    Anz"},
    {"Viererwiederholungen", " Z1 Z2 Z3 Z4    Anz      Z1 Z2 Z3 Z4    Anz      Z1 Z2 Z3 Z4    Anz",
     3, "   Z1 Z2 Z3 Z4    Anz"},
    {"Fünferwiederholungen",
     " Z1 Z2 Z3 Z4 Z5   Anz    Z1 Z2 Z3 Z4 Z5   Anz    Z1 Z2 Z3 Z4 z5   Anz", 3,
     "   Z1 Z2 Z3 Z4 Z5   Anz"},
}};

std::string Kopf(const ErmittlungDruckDaten& d) {
    return "* " + d.fenstertitel + kZeilenende + "* Bereich - " + d.bereichText + kZeilenende;
}

// Progress every 100 entries: "... 100 von 2345".
void Melden(const std::function<void(const std::string&)>& f, size_t i, size_t n) {
    if (f && i > 0 && i % 100 == 0)
        f(kStatusErmittlungDruck + Str(static_cast<int64_t>(i)) + " von" +
          Str(static_cast<int64_t>(n)));
}

std::string WiederholungText(const ErmittlungDruckDaten& d, const Wiederholung& w,
                             const std::function<void(const std::string&)>& f) {
    const bool untereinander = Meldung("Sollen alle Kombinationen untereinader gedruckt werden?",
                                       flags::Frage + flags::JaNein, d.fenstertitel) == kJa;
    std::string s = Kopf(d) + kZeilenende;
    s += (untereinander ? w.untereinander : w.nebeneinander) + kZeilenende;
    const size_t proZeile = untereinander ? 1 : static_cast<size_t>(w.proZeile);
    std::string zeile;
    size_t inZeile = 0;
    for (size_t i = 0; i < d.liste.size(); ++i) {
        Melden(f, i, d.liste.size());
        if (untereinander) {
            s += d.liste[i] + kZeilenende;
            continue;
        }
        zeile += d.liste[i] + "     ";
        if (++inZeile == proZeile) {
            s += zeile + kZeilenende;
            zeile.clear();
            inZeile = 0;
        }
    }
    if (inZeile > 0) s += zeile + kZeilenende;
    return s + kSchluss;
}

std::string ListenText(const ErmittlungDruckDaten& d,
                       const std::function<void(const std::string&)>& f) {
    std::string s = Kopf(d) + ZahlenzeileText(d.auswahl, d.groessteZahl) + kZeilenende;
    const bool zerlegung = d.art == "Zerlegungsprüfung";
    if (d.art == "Trefferverteilung")
        s += TrefferverteilungKopf(
                 d.liste.empty() || d.liste[0].size() < 36 ? 3 : (d.liste[0].size() - 6) / 10) +
             kZeilenende;
    const size_t n = zerlegung ? std::max(d.liste.size(), d.sortiert.size()) : d.liste.size();
    for (size_t i = 0; i < n; ++i) {
        Melden(f, i, n);
        if (!zerlegung) {
            s += d.liste[i] + kZeilenende;
            continue;
        }
        const std::string links = i < d.liste.size() ? d.liste[i] : std::string();
        const std::string rechts = i < d.sortiert.size() ? d.sortiert[i] : std::string();
        s += links + std::string(8, ' ') + rechts + kZeilenende;
    }
    return s + kSchluss;
}

}  // namespace

std::string ZahlenzeileText(const Bitworte& auswahl, int groessteZahl) {
    std::string s = "Zahlen     :";
    int gezaehlt = 0;
    for (int n = 1; n <= std::min(groessteZahl, 49); ++n) {
        if (!ZahlGesetzt(n, auswahl)) continue;
        s += ZahlFeld4(static_cast<int16_t>(n));
        if (++gezaehlt % 15 == 0) s += kZeilenende + std::string(12, ' ');
    }
    return s + " :" + kZeilenende;
}

std::string ErmittlungDruckText(const ErmittlungDruckDaten& d,
                                const std::function<void(const std::string&)>& fortschritt) {
    for (const Wiederholung& w : kWiederholungen)
        if (d.art == w.art) return WiederholungText(d, w, fortschritt);
    if (d.art == "Zerlegungsprüfung" || d.art == "Zahlenabstand" || d.art == "Trefferverteilung")
        return ListenText(d, fortschritt);
    return d.ergebnistext;
}

}  // namespace zahlix
