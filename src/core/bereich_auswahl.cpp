#include "core/bereich_auswahl.h"

#include <algorithm>
#include <charconv>

#include "core/neue_lottodatei.h"
#include "core/reihenbereich.h"
#include "core/zahlen.h"

namespace zahlix {

namespace {

int Wochenwert(int jahr, int woche) {
    return jahr * 64 + woche;
}

int Jahr(const Lottodatei& d, int i) {
    const int j = JahrAusJahrCode(d.JahrCode[i]);
    return j == 0 ? 1900 : j;
}

bool HatZahlen(const Lottodatei& d, int i) {
    return d.Bitwort1[i] || d.Bitwort2[i] || d.Bitwort3[i] || (d.Bitwort4[i] & 0xFF);
}

bool KennungPasst(const std::string& kennung, int code) {
    if (kennung.empty()) return true;
    return kennung == "." ? code == 0 : code == static_cast<unsigned char>(kennung[0]);
}

bool KennungGueltigerText(const std::string& k) {
    if (k.empty() || k == ".") return true;
    return k.size() == 1 && KennungGueltig(static_cast<unsigned char>(k[0])) && k[0] != 0;
}

}  // namespace

int BereichMarkieren(Lottodatei& d, Bereichswerte& b) {
    if (b.systemdatei) return ReihenMarkieren(d, b);
    const int n = d.Anzahl();
    const int von = Wochenwert(b.jahrVon, b.wocheVon), bis = Wochenwert(b.jahrBis, b.wocheBis);
    int anzahl = 0;
    for (int i = 0; i < n; ++i) {
        const int woche = WocheAus(d.WocheKennung[i]);
        const int wert = Wochenwert(Jahr(d, i), woche);
        const bool drin = HatZahlen(d, i) && wert >= von && wert <= bis &&
                          woche >= b.wochenImJahrVon && woche <= b.wochenImJahrBis &&
                          KennungPasst(b.kennung, KennungAus(d.WocheKennung[i]));
        d.ImBereich[i] = drin ? -1 : 0;
        anzahl += drin;
    }
    for (int i = n; i < kSlots; ++i) d.ImBereich[i] = 0;
    if (b.letzte <= 0 || anzahl == 0) return anzahl;
    // The last N: walk back and drop everything before the N-th draw from the end.
    int behalten = 0, erste = -1, letzte = -1;
    for (int i = n - 1; i >= 0; --i) {
        if (d.ImBereich[i] != -1) continue;
        if (behalten == b.letzte) {
            d.ImBereich[i] = 0;
            continue;
        }
        ++behalten;
        erste = i;
        if (letzte < 0) letzte = i;
    }
    b.wocheVon = static_cast<int16_t>(WocheAus(d.WocheKennung[erste]));
    b.jahrVon = static_cast<int16_t>(Jahr(d, erste));
    b.wocheBis = static_cast<int16_t>(WocheAus(d.WocheKennung[letzte]));
    b.jahrBis = static_cast<int16_t>(Jahr(d, letzte));
    return behalten;
}

bool BereichBerechnen(Lottodatei& d, const Bereichswahl& w, Bereichswerte& ergebnis,
                      std::string& fehler) {
    if (w.zeitraum &&
        (w.wocheVon < 1 || w.wocheVon > 53 || w.wocheBis < 1 || w.wocheBis > 53 ||
         w.jahrVon < 1900 || w.jahrVon > 2099 || w.jahrBis < 1900 || w.jahrBis > 2099)) {
        fehler = "Die Wochen müssen zwischen 1 und 53, die Jahre zwischen 1900 und 2099 liegen.";
        return false;
    }
    if (w.zeitraum && Wochenwert(w.jahrVon, w.wocheVon) > Wochenwert(w.jahrBis, w.wocheBis)) {
        fehler = "Der Beginn des Bereichs liegt nach seinem Ende.";
        return false;
    }
    std::string k = w.kennung;
    if (!k.empty() && k[0] >= 'a' && k[0] <= 'z') k[0] = static_cast<char>(k[0] - 'a' + 'A');
    if (!KennungGueltigerText(k)) {
        fehler = "Die Kennung ist eine Ziffer 0 bis 9, ein Buchstabe A bis Z oder \".\".";
        return false;
    }
    if (w.letzte < 0 || w.letzte > kMaxZiehungen) {
        fehler = "Die Anzahl der letzten Ziehungen muss zwischen 1 und 32000 liegen.";
        return false;
    }
    Bereichswerte b = ergebnis;
    b.EinschraenkungenAufheben();
    b.systemdatei = false;
    b.ersteReihe = b.letzteReihe = 0;
    b.reihenliste.clear();
    if (w.zeitraum) {
        b.wocheVon = static_cast<int16_t>(w.wocheVon);
        b.jahrVon = static_cast<int16_t>(w.jahrVon);
        b.wocheBis = static_cast<int16_t>(w.wocheBis);
        b.jahrBis = static_cast<int16_t>(w.jahrBis);
    } else {
        const int letzter = std::max(d.Anzahl() - 1, 0);
        b.wocheVon = static_cast<int16_t>(std::clamp(WocheAus(d.WocheKennung[0]), 1, 53));
        b.jahrVon = static_cast<int16_t>(Jahr(d, 0));
        b.wocheBis = static_cast<int16_t>(std::clamp(WocheAus(d.WocheKennung[letzter]), 1, 53));
        b.jahrBis = static_cast<int16_t>(std::max(Jahr(d, letzter), Jahr(d, 0)));
    }
    b.kennung = k;
    b.letzte = static_cast<int16_t>(w.letzte);

    const std::vector<int16_t> vorher = d.ImBereich;
    if (BereichMarkieren(d, b) == 0) {
        d.ImBereich = vorher;
        fehler = "Im gewählten Bereich liegt keine Ziehung. Der Bereich bleibt unverändert.";
        return false;
    }
    ergebnis = b;
    d.Titel = BereichText(b);
    return true;
}

bool BereichEinstellen(Lottodatei& d, const Bereichswahl& w, std::string& fehler) {
    Bereichswerte b = Auswertebereich();
    if (!BereichBerechnen(d, w, b, fehler)) return false;
    Auswertebereich() = b;
    return true;
}

void BereichAufheben(Lottodatei& d) {
    if (IstSystembereich(d.Titel)) {
        ReihenbereichAufheben(d);
        return;
    }
    std::string fehler;
    if (BereichEinstellen(d, Bereichswahl{}, fehler)) return;
    // A history without any draw: nothing to mark, the range spans its placeholder.
    const int n = d.Anzahl();
    for (int i = 0; i < kSlots; ++i) d.ImBereich[i] = i < n && HatZahlen(d, i) ? -1 : 0;
    const int w = n > 0 ? std::clamp(WocheAus(d.WocheKennung[0]), 1, 53) : 1;
    const int j = n > 0 ? Jahr(d, 0) : 1900;
    AuswertebereichSetzen(w, j, w, j);
    d.Titel = BereichText();
}

Bereichswahl AktuelleBereichswahl() {
    const Bereichswerte& b = Auswertebereich();
    Bereichswahl w;
    w.zeitraum = b.letzte == 0;
    w.wocheVon = b.wocheVon;
    w.jahrVon = b.jahrVon;
    w.wocheBis = b.wocheBis;
    w.jahrBis = b.jahrBis;
    w.kennung = b.kennung;
    w.letzte = b.letzte;
    return w;
}

bool ZeitraumLesen(const std::string& text, Bereichswahl& w) {
    int werte[4];
    const char* p = text.data();
    const char* ende = text.data() + text.size();
    const char trenner[4] = {'/', '-', '/', '\0'};
    for (int i = 0; i < 4; ++i) {
        if (p == ende || *p < '0' || *p > '9') return false;
        auto [q, ec] = std::from_chars(p, ende, werte[i]);
        if (ec != std::errc{}) return false;
        p = q;
        if (i < 3) {
            if (p == ende || *p != trenner[i]) return false;
            ++p;
        }
    }
    if (p != ende) return false;
    w.zeitraum = true;
    w.wocheVon = werte[0];
    w.jahrVon = werte[1];
    w.wocheBis = werte[2];
    w.jahrBis = werte[3];
    return true;
}

}  // namespace zahlix
