#include "drawhistory/ziehungszeile.h"

#include <array>
#include <span>

#include "core/zahlen.h"
#include "core/zahlformat.h"
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

int AngezeigteAnzahl(const Lottodatei& d, bool alle) {
    int n = 0;
    for (int i = 0; i < kSlots && d.WocheKennung[i] != 0; ++i)
        if (Angezeigt(d, i, alle)) ++n;
    return n;
}

namespace {

// Numbers 0..99 as two digits, the common case of ZahlNull2, without a temporary string.
void ZweiZiffern(std::string& t, int z) {
    if (z < 0 || z > 99) {
        t += ZahlNull2(static_cast<int16_t>(z));
        return;
    }
    t += static_cast<char>('0' + z / 10);
    t += static_cast<char>('0' + z % 10);
}

void ZeilenanfangAnhaengen(std::string& t, const Lottodatei& d, int i, bool system) {
    t += ZahlRechts5(static_cast<int16_t>(i + 1));
    if (!system) {
        t += ": ";
        ZweiZiffern(t, WocheAus(d.WocheKennung[i]));
        t += '/';
        t += ZahlNull4(static_cast<int16_t>(JahrAusJahrCode(d.JahrCode[i])));
    }
    t += Kennungsteil(KennungAus(d.WocheKennung[i]));
}

void ZahlenteilAnhaengen(std::string& t, const Lottodatei& d, int i, std::span<const int> r,
                         bool system) {
    for (int z : r) {
        ZweiZiffern(t, z);
        t += ' ';
    }
    if (system) return;
    const int b = Zusatzzahl(d.Zahlen(i));
    if (b < 1 || b > d.GroessteZahl) {
        t += "/ ..";
    } else {
        t += "/ ";
        ZweiZiffern(t, b);
    }
}

void GruppenspaltenAnhaengen(std::string& t, std::span<const int> r, int gruppe, int groessteZahl) {
    switch (gruppe) {
        case kGruppenTHUG:
            t += ZahlNull7(ScheinzeilenCode(r));
            t += ' ';
            t += ZahlNull4(static_cast<int16_t>(ThugCode(r)));
            break;
        case kGruppenSumKombi:
            t += ZahlRechts3(static_cast<int16_t>(ZahlenSumme(r)));
            t += ' ';
            t += ZahlGruppiert10(ReihenKombiNr(r, groessteZahl));
            break;
        case kGruppenZeilenSpalten:
            t += MusterText(ZeilenMuster(r)) + " " + MusterText(SpaltenMuster(r));
            break;
        case kGruppenZehnerEndziffern:
            t += MusterText(ZehnerMuster(r)) + " " + MusterText(EndziffernMuster(r));
            break;
        case kGruppenNachbarnBilder:
            t += MusterText(NachbarnMuster(r)) + " " + MusterText(BilderMuster(r));
            break;
        default:
            break;
    }
}

}  // namespace

void ZiehungszeileAnhaengen(std::string& t, const Lottodatei& d, int i, const Zeilenwahl& w,
                            bool druck) {
    // Unpacked once for the numbers and both group columns.
    std::array<int, 49> liste;
    const std::span<const int> r = Reihe(d, i, liste);
    ZeilenanfangAnhaengen(t, d, i, w.system);
    if (w.gruppe1 == kGruppenReiheAlsBild) {
        t += ReiheAlsBild(r);
    } else {
        ZahlenteilAnhaengen(t, d, i, r, w.system);
        t += druck ? " : " : " ";
        GruppenspaltenAnhaengen(t, r, w.gruppe1, d.GroessteZahl);
    }
    t += ' ';
    GruppenspaltenAnhaengen(t, r, w.gruppe2, d.GroessteZahl);
}

std::string Ziehungszeile(const Lottodatei& d, int i, const Zeilenwahl& w, bool druck) {
    std::string t;
    t.reserve(96);
    ZiehungszeileAnhaengen(t, d, i, w, druck);
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
