#include "drawhistory/ziehungszeile.h"

#include <array>
#include <span>

#include "core/zahlformat.h"
#include "core/zahlen.h"
#include "drawhistory/gruppenmuster.h"
#include "evaluation/auswertung.h"
#include "output/kennung.h"

namespace zahlix {

namespace {

std::span<const int> Reihe(const Lottodatei& d, int i, std::array<int, 49>& liste) {
    const int n = ZahlenEntpacken(d.Zahlen(i), liste);
    return {liste.data(), static_cast<size_t>(n)};
}

std::string Kennungsteil(int k) {
    return k >= 1 ? "-" + KennungText(k) + " : " : "   : ";
}

// The column heading of a selector value; system rows have no bonus column, so "Sum  Kombi-Nr"
// loses its closing blank there.
std::string Spaltenkopf(int gruppe, bool system) {
    static const char* const kKopf[5] = {" Gruppen THUG", " Sum  Kombi-Nr ", " Zeilen Spalt.",
                                         " Zehner Endzi.", " Nachb. Bilder"};
    if (gruppe < 0 || gruppe > 4) return {};
    return gruppe == kGruppenSumKombi && system ? " Sum  Kombi-Nr" : kKopf[gruppe];
}

}  // namespace

bool IstSystembereich(const std::string& bereichText) {
    return bereichText.starts_with("System");
}

int AngezeigteAnzahl(const Lottodatei& d, bool alle) {
    int n = 0;
    for (int i = 0; i < kSlots && d.WocheKennung[i] != 0; ++i)
        if (Angezeigt(d, i, alle)) ++n;
    return n;
}

std::string Zeilenanfang(const Lottodatei& d, int i, bool system) {
    const int k = KennungAus(d.WocheKennung[i]);
    std::string t = ZahlRechts5(static_cast<int16_t>(i + 1));
    if (!system) {
        t += ": " + ZahlNull2(static_cast<int16_t>(WocheAus(d.WocheKennung[i]))) + "/" +
             ZahlNull4(static_cast<int16_t>(JahrAusJahrCode(d.JahrCode[i])));
    }
    return t + Kennungsteil(k);
}

std::string Zahlenteil(const Lottodatei& d, int i, bool system) {
    std::array<int, 49> liste{};
    std::string t;
    t.reserve(24);
    for (int z : Reihe(d, i, liste)) t += ZahlNull2(static_cast<int16_t>(z)) + " ";
    if (!system) {
        const int b = Zusatzzahl(d.Zahlen(i));
        t += b < 1 || b > d.GroessteZahl ? "/ .." : "/ " + ZahlNull2(static_cast<int16_t>(b));
    }
    return t;
}

std::string Gruppenspalten(const Lottodatei& d, int i, int gruppe) {
    std::array<int, 49> liste{};
    const std::span<const int> r = Reihe(d, i, liste);
    switch (gruppe) {
        case kGruppenTHUG:
            return ZahlNull7(ScheinzeilenCode(r)) + " " + ZahlNull4(static_cast<int16_t>(ThugCode(r)));
        case kGruppenSumKombi:
            return ZahlRechts3(static_cast<int16_t>(ZahlenSumme(r))) + " " +
                   ZahlGruppiert10(ReihenKombiNr(r, d.GroessteZahl));
        case kGruppenZeilenSpalten:
            return MusterText(ZeilenMuster(r)) + " " + MusterText(SpaltenMuster(r));
        case kGruppenZehnerEndziffern:
            return MusterText(ZehnerMuster(r)) + " " + MusterText(EndziffernMuster(r));
        case kGruppenNachbarnBilder:
            return MusterText(NachbarnMuster(r)) + " " + MusterText(BilderMuster(r));
        default:
            return {};
    }
}

std::string Ziehungszeile(const Lottodatei& d, int i, const Zeilenwahl& w, bool druck) {
    std::string t = Zeilenanfang(d, i, w.system);
    if (w.gruppe1 == kGruppenReiheAlsBild) {
        std::array<int, 49> liste{};
        t += ReiheAlsBild(Reihe(d, i, liste));
    } else {
        t += Zahlenteil(d, i, w.system);
        t += druck ? " : " : " ";
        t += Gruppenspalten(d, i, w.gruppe1);
    }
    t += " ";
    t += Gruppenspalten(d, i, w.gruppe2);
    return t;
}

std::string Kopfzeile(const Zeilenwahl& w, bool druck) {
    std::string t;
    if (w.gruppe1 == kGruppenReiheAlsBild) {
        t = std::string(w.system ? "Reihe-Ke " : "LfdNr: Wo/Jahr-Ke ") +
            " 0. Dekade 1. Dekade 2. Dekade 3. Dekade 4. Dekade";
    } else {
        if (w.system)
            t = druck ? "Reihe-Ke  Z1 Z2 Z3 Z4 Z5 Z6   " : "Reihe-Ke  Z1 Z2 Z3 Z4 Z5 Z6 ";
        else
            t = std::string("LfdNr  Wo/Jahr-Ke  Z1 Z2 Z3 Z4 Z5 Z6 / Zu") + (druck ? "  " : "");
        t += Spaltenkopf(w.gruppe1, w.system);
    }
    return t + Spaltenkopf(w.gruppe2, w.system);
}

}  // namespace zahlix
