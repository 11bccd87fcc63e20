#include "evaluation/ziehung_vorschlag.h"

#include <algorithm>

#include "app/programm.h"

namespace zahlix {

namespace {

bool OhneZahlen(const Lottodatei& d, int i) {
    return d.Bitwort1[i] == 0 && d.Bitwort2[i] == 0 && d.Bitwort3[i] == 0 && d.Bitwort4[i] == 0;
}

}  // namespace

bool WocheVor(int& woche, int& jahr) {
    if (woche >= 53) {
        if (jahr >= kLetztesJahr) return false;
        woche = 1;
        ++jahr;
    } else {
        woche = std::max(woche, 0) + 1;
    }
    return true;
}

bool WocheZurueck(int& woche, int& jahr) {
    if (woche <= 1) {
        if (jahr <= kErstesJahr) return false;
        woche = 53;
        --jahr;
    } else {
        woche = std::min(woche, 54) - 1;
    }
    return true;
}

Folgeziehung FolgeziehungVorschlagen(const Lottodatei& d) {
    Folgeziehung v;
    int L = std::clamp<int>(d.LetzterIndex, 0, kSlots - 2);
    if (d.WocheKennung[0] == 0) {
        // Every draw was deleted: start at the current week rather than at week 0.
        const KalenderWoche heute = KalenderWocheVon(Heute());
        v.woche = heute.woche;
        v.jahr = std::clamp(heute.jahr, kErstesJahr, kLetztesJahr);
        v.letzterIndex = -1;
        return v;
    }
    v.woche = WocheAus(d.WocheKennung[L]);
    v.jahr = JahrAusJahrCode(d.JahrCode[L]);
    const int K = KennungAus(d.WocheKennung[L]);

    int i = -1;
    if (L > 0) {
        i = L - 1;
        while (i > 0 && KennungAus(d.WocheKennung[i]) != K) --i;
    }
    int abstand = 1;
    if (i >= 0) {
        v.kennung = KennungAus(d.WocheKennung[i + 1]);
        const int wocheI = WocheAus(d.WocheKennung[i]);
        int j = i + 1;
        while (j < L && WocheAus(d.WocheKennung[j]) == wocheI) ++j;
        abstand = j - i;
    }

    if (OhneZahlen(d, L)) {
        v.letzterIndex = L - 1;
        return v;
    }
    v.letzterIndex = L;
    if (abstand == 1) {
        if (v.woche >= 53) {
            v.woche = 1;
            ++v.jahr;
        } else {
            ++v.woche;
        }
    }
    return v;
}

}  // namespace zahlix
