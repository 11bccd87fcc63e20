#include "evaluation/trefferliste.h"

#include <algorithm>
#include <array>

#include "core/bereich.h"
#include "core/zahlformat.h"
#include "evaluation/bericht.h"
#include "output/kennung.h"

namespace zahlix {

Listenzeile TrefferZeile(const Lottodatei& d, int i, const Bitworte& auswahl) {
    Listenzeile z;
    // A system's row has a number, no week, year or bonus number.
    const bool system = IstSystembereich(d.Titel);
    if (system) z.push_back({" " + ZahlRechts5(static_cast<int16_t>(i + 1)) + " :"});
    const int kennung = KennungAus(d.WocheKennung[i]);
    std::string kopf = " " + ZahlNull2(static_cast<int16_t>(WocheAus(d.WocheKennung[i]))) + "/" +
                       std::to_string(JahrAusJahrCode(d.JahrCode[i]));
    kopf += kennung != 0 ? "-" + KennungText(kennung) + " :" : std::string("   :");
    if (!system) z.push_back({kopf, Listenfarbe::Schwarz});

    const Bitworte w = d.Zahlen(i);
    std::array<int, 49> zahlen{};
    const int anzahl = std::min(ZahlenEntpacken(w, zahlen), 6);
    for (int j = 0; j < anzahl; ++j)
        z.push_back(
            {" " + ZahlNull2(static_cast<int16_t>(zahlen[j])),
             ZahlGesetzt(zahlen[j], auswahl) ? Listenfarbe::Hellblau : Listenfarbe::Schwarz});

    const int c = d.Trefferwert[i];
    const std::string endung = c >= 7 ? " " + Str(c - 4) + "+T." : " " + Str(c) + " T.";
    if (system) {
        z.push_back({endung, Listenfarbe::Schwarz});
        return z;
    }
    z.push_back({"-", Listenfarbe::Schwarz});
    // 0 and 50 both mean "no bonus number"; neither may colour as a hit.
    const int b = Zusatzzahl(w);
    if (ZusatzzahlVorhanden(b))
        z.push_back({ZahlNull2(static_cast<int16_t>(b)),
                     ZahlGesetzt(b, auswahl) ? Listenfarbe::Hellrot : Listenfarbe::Schwarz});
    else
        z.push_back({"..", Listenfarbe::Schwarz});

    z.push_back({endung, Listenfarbe::Schwarz});
    return z;
}

std::string ZeilenText(const Listenzeile& z) {
    std::string t;
    for (const auto& s : z) t += s.text;
    return t;
}

Trefferseite TrefferseiteBerechnen(const Lottodatei& d, const Klassenzaehler& z, int filter,
                                   int scrollPos, int sichtbar, const std::string& titel) {
    Trefferseite s;
    s.filter = std::clamp(filter, 0, 12);
    s.titel = titel;
    sichtbar = std::max(sichtbar, 0);
    const int32_t alle = AlleSumme(z), gewinn = GewinnSumme(z);
    const int32_t gezeigt = s.filter <= 9 ? z[s.filter] : s.filter == 10 ? alle : gewinn;

    const bool leer = gezeigt == 0 && s.filter != 12;
    if (leer) {
        if (s.titel.find("---") == std::string::npos) s.titel += " --- Keine gefunden ---";
        s.filter = 0;
    }
    // An empty class lists the draws without hits, so the range is theirs: counted over all
    // draws, its end would lie beyond the list and show a blank page.
    const int32_t zeilen = s.filter == 12 ? alle + z[0] : leer ? z[0] : gezeigt;
    s.scrollMax = std::max<int32_t>(0, zeilen - sichtbar);
    s.scrollPos = scrollPos < 0 || scrollPos > s.scrollMax ? 0 : scrollPos;

    const int ende = std::min<int>(d.Anzahl(), static_cast<int>(d.ImBereich.size()));
    int uebersprungen = 0;
    for (int i = 0; i < ende && static_cast<int>(s.ziehungen.size()) < sichtbar + 1; ++i) {
        if (d.ImBereich[i] != -1 || !PasstZumFilter(d.Trefferwert[i], s.filter)) continue;
        if (uebersprungen < s.scrollPos) {
            ++uebersprungen;
            continue;
        }
        s.ziehungen.push_back(i);
    }
    return s;
}

}  // namespace zahlix
