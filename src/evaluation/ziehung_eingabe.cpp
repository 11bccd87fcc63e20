#include "evaluation/ziehung_eingabe.h"

#include <algorithm>

#include "evaluation/ziehung_kennung.h"
#include "evaluation/ziehung_vorschlag.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

bool ZahlenGueltig(const Ziehungseingabe& e, int n) {
    std::array<int, 6> z = e.zahlen;
    std::sort(z.begin(), z.end());
    if (z.front() < 1 || z.back() > n) return false;
    if (std::adjacent_find(z.begin(), z.end()) != z.end()) return false;
    if (e.zusatzzahl < 0 || e.zusatzzahl > n) return false;
    return std::find(z.begin(), z.end(), e.zusatzzahl) == z.end();
}

std::string Pruefen(const Ziehungseingabe& e, int groessteZahl, const char* zahlenFehler) {
    const int n = std::clamp(groessteZahl, 1, 49);
    if (!ZahlenGueltig(e, n)) return zahlenFehler;
    // Week 0 would turn the entry into the end marker and cut off every later draw.
    if (e.woche < 1 || e.woche > 53 || e.jahr < kErstesJahr || e.jahr > kLetztesJahr)
        return kFehlerWocheJahr;
    if (e.kennung != 0 && KennungPosition(e.kennung) == 0) return kFehlerKennung;
    return {};
}

void Eintragen(Lottodatei& d, int i, const Ziehungseingabe& e) {
    const Bitworte w = ZahlenPacken(e.zahlen);
    const int z = e.zusatzzahl == 0 ? 50 : e.zusatzzahl;
    d.WocheKennung[i] = WocheKennungAus(e.woche, e.kennung);
    d.JahrCode[i] = JahrCodeAusJahr(e.jahr);
    d.Bitwort1[i] = w[0];
    d.Bitwort2[i] = w[1];
    d.Bitwort3[i] = w[2];
    d.Bitwort4[i] = static_cast<int16_t>(z * 256 + (w[3] & 0xFF));
}

}  // namespace

std::optional<int> FeldWert(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    if (t.empty()) return 0;
    bool negativ = false;
    if (t.front() == '-') {
        negativ = true;
        t.remove_prefix(1);
    }
    if (t.empty() || t.size() > 6) return std::nullopt;
    int wert = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    return negativ ? -wert : wert;
}

std::string NeueZiehungPruefen(const Ziehungseingabe& e, int groessteZahl) {
    return Pruefen(e, groessteZahl, kFehlerNeueZahlen);
}

std::string BerichtigungPruefen(const Ziehungseingabe& e, int groessteZahl) {
    return Pruefen(e, groessteZahl, kFehlerEditZahlen);
}

int ZiehungAnhaengen(Lottodatei& d, int nachIndex, const Ziehungseingabe& e) {
    const int i = std::max(nachIndex, -1) + 1;
    if (i > kGrenzeHinzufuegen) return -1;
    Eintragen(d, i, e);
    d.Trefferwert[i] = 0;
    d.ImBereich[i] = -1;
    d.Leeren(i + 1);
    d.LetzterIndex = static_cast<int16_t>(i);
    return i;
}

void ZiehungSchreiben(Lottodatei& d, int i, const Ziehungseingabe& e) {
    // A placeholder filled in here becomes a draw; outside the range it would never count.
    const bool platzhalter = d.Bitwort1[i] == 0 && d.Bitwort2[i] == 0 && d.Bitwort3[i] == 0 &&
                             (d.Bitwort4[i] & 0xFF) == 0;
    Eintragen(d, i, e);
    if (platzhalter) d.ImBereich[i] = -1;
}

int ZiehungSuchen(const Lottodatei& d, int woche, int jahr, int kennungPosition) {
    const int code = KennungCodeAusPosition(kennungPosition);
    const int L = std::clamp<int>(d.LetzterIndex, 0, kSlots - 2);
    const int16_t wk = WocheKennungAus(woche, code);
    const int16_t jc = JahrCodeAusJahr(jahr);
    for (int i = 0; i <= L; ++i)
        if (d.WocheKennung[i] == wk && d.JahrCode[i] == jc) return i;
    return L + 1;
}

Ziehungseingabe ZiehungLesen(const Lottodatei& d, int i) {
    Ziehungseingabe e;
    std::array<int, 49> liste{};
    const int anzahl = ZahlenEntpacken(d.Zahlen(i), liste);
    for (int k = 0; k < std::min(anzahl, 6); ++k) e.zahlen[k] = liste[k];
    const int z = Zusatzzahl(d.Zahlen(i));
    e.zusatzzahl = ZusatzzahlVorhanden(z) ? z : 0;
    e.kennung = KennungAus(d.WocheKennung[i]);
    e.woche = WocheAus(d.WocheKennung[i]);
    e.jahr = JahrAusJahrCode(d.JahrCode[i]);
    return e;
}

std::array<std::string, 10> ZiehungFelder(const Lottodatei& d, int i) {
    std::array<std::string, 10> f;
    std::array<int, 49> liste{};
    const int anzahl = ZahlenEntpacken(d.Zahlen(i), liste);
    for (int k = 0; k < std::min(anzahl, 6); ++k)
        f[k] = ZahlRechts2(static_cast<int16_t>(liste[k]));
    const int z = Zusatzzahl(d.Zahlen(i));
    if (ZusatzzahlVorhanden(z)) f[6] = ZahlRechts2(static_cast<int16_t>(z));
    if (d.WocheKennung[i] != 0) f[7] = KennungZeichen(KennungAus(d.WocheKennung[i]));
    const int woche = WocheAus(d.WocheKennung[i]);
    if (woche != 0) {
        f[8] = ZahlRechts2(static_cast<int16_t>(woche));
        f[9] = ZahlRechts4(static_cast<int16_t>(JahrAusJahrCode(d.JahrCode[i])));
    }
    return f;
}

}  // namespace zahlix
