// The entry of all analyses and what they share: the evaluation block and the run context.
#include "determination/analyse.h"

#include <algorithm>
#include <array>
#include <bit>

#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"
#include "determination/treffertabelle.h"
#include "evaluation/bericht.h"
#include "output/kennung.h"

namespace zahlix {

uint64_t Zufall::Ziehen(uint64_t pool, int k) {
    uint64_t reihe = 0;
    for (int i = 0; i < k && pool != 0; ++i) {
        int n = Bis(std::popcount(pool));
        uint64_t m = pool;
        while (n-- > 0) m &= m - 1;
        const uint64_t bit = m & (~m + 1);
        reihe |= bit;
        pool &= ~bit;
    }
    return reihe;
}

Kontext::Kontext(const Lottodatei& daten, const AnalyseEingaben& eingaben,
                 const AnalyseRueckrufe& rueck, const Vorgeschichte* v)
    : alleZeilen_(v ? std::vector<Zeile>{} : ZeilenImBereich(daten)),
      d(daten),
      e(eingaben),
      r(rueck),
      zeilen(v ? v->zeilen : std::span<const Zeile>(alleZeilen_)),
      nurVorschlag(v != nullptr),
      groessteZahl(std::clamp<int>(daten.GroessteZahl, 1, 49)),
      frei(0),
      markiert(0),
      system(IstSystembereich(eingaben.bereichText)),
      zusatz{static_cast<int16_t>(eingaben.beruecksichtige[4]),
             static_cast<int16_t>(eingaben.beruecksichtige[5]),
             static_cast<int16_t>(eingaben.beruecksichtige[6])},
      zufall(eingaben.seed ^ (static_cast<uint64_t>(eingaben.art) + 1) * 0xD6E8FEB86659FD93u ^
             static_cast<uint64_t>(static_cast<uint32_t>(eingaben.ermittlung)) *
                 0xA0761D6478BD642Fu) {
    for (int n = 1; n <= groessteZahl; ++n) {
        if (e.gesperrt[static_cast<size_t>(n - 1)]) continue;
        frei |= uint64_t{1} << (n - 1);
        if (e.markiert[static_cast<size_t>(n - 1)]) markiert |= uint64_t{1} << (n - 1);
    }
    if (v) frei &= v->gezogen, markiert &= v->gezogen;
}

bool Kontext::Stopp() {
    if (gestoppt_) return true;
    if (!r.stopp) return false;
    const auto jetzt = std::chrono::steady_clock::now();
    if (jetzt - letzteFrage_ < std::chrono::milliseconds(20)) return false;
    letzteFrage_ = jetzt;
    gestoppt_ = r.stopp();
    if (gestoppt_) ergebnis.abgebrochen = ergebnis.zyklusBeenden = true;
    return gestoppt_;
}

void Kontext::Status(const std::string& text) {
    if (r.status) r.status(text);
}

std::string Kontext::Kopf() const {
    return "* " + e.fenstertitel + kCrLf + "* Bereich - " + e.bereichText + kCrLf;
}

Klassenzaehler Kontext::Bewerten(uint64_t reihe) {
    return ZeilenAuswerten(zeilen, reihe, zusatz);
}

int Kontext::Startwert(const Zeile& z) const {
    return system ? z.index + 1 : JahrAusJahrCode(d.JahrCode[static_cast<size_t>(z.index)]);
}

std::string Zahlenzeile(uint64_t reihe, int groessteZahl) {
    std::string t = "Zahlen     :";
    int aufDerZeile = 0;
    for (int n : ZahlenAus(reihe)) {
        if (n > groessteZahl) break;
        t += ZahlFeld4(static_cast<int16_t>(n));
        // After every 15 numbers, even the last ones, the list goes on in a new line.
        if (++aufDerZeile == 15) {
            t += kCrLf + std::string(12, ' ');
            aufDerZeile = 0;
        }
    }
    return t + " :" + kCrLf;
}

std::string ZahlenText(uint64_t reihe) {
    std::string t;
    for (int n : ZahlenAus(reihe)) t += ZahlFeld3(static_cast<int16_t>(n));
    return t;
}

std::string Ziehungsdatum(const Lottodatei& d, int i) {
    return ZahlNull2(static_cast<int16_t>(WocheAus(d.WocheKennung[static_cast<size_t>(i)]))) + "/" +
           ZahlNull4(static_cast<int16_t>(JahrAusJahrCode(d.JahrCode[static_cast<size_t>(i)])));
}

std::string Zeilenende(const std::string& zeile) {
    return zeile + kCrLf;
}

int Anzahl(uint64_t maske) {
    return std::popcount(maske);
}

std::string Kontext::Bewertungsblock(uint64_t reihe, const std::string& zusatzzeilen) {
    // The engine itself, for the classes of every draw the "Zuletzt" lines need.
    if (!kopie_) kopie_ = std::make_unique<Lottodatei>(d);
    Klassenzaehler z{};
    ReihenAuswerten(ZahlenPacken(ZahlenAus(reihe)), *kopie_, z, zusatz);
    ergebnis.zaehler = z;
    ergebnis.zahlenzeile = Zahlenzeile(reihe, groessteZahl);
    std::string t = Kopf() + zusatzzeilen + ergebnis.zahlenzeile;
    t += TrefferZeilen(z);
    if (system) return t + std::string(80, '-') + kCrLf;

    // The latest row in range of every class, going back from the last one.
    std::array<int, 10> zuletzt;
    zuletzt.fill(-1);
    for (auto it = zeilen.rbegin(); it != zeilen.rend(); ++it) {
        const int c = kopie_->Trefferwert[static_cast<size_t>(it->index)];
        if (c >= 0 && c <= 9 && zuletzt[static_cast<size_t>(c)] < 0)
            zuletzt[static_cast<size_t>(c)] = it->index;
    }
    return t + ZuletztZeilen(d, zuletzt);
}

namespace {

AnalyseErgebnis Ausfuehren(Kontext& k) {
    const AnalyseEingaben& e = k.e;
    if (k.frei == 0) return k.ergebnis;  // no usable number: nothing happens
    using A = Analyseart;
    switch (e.art) {
        case A::Zufallszahlen:
        case A::Gewinnzahlen:
        case A::Glueckszahlen:
        case A::Pechzahlen:
            Zufallsreihen(k);
            break;
        case A::Prognosen:
            Prognose(k);
            break;
        case A::Horoskop:
            Horoskopzahlen(k);
            break;
        case A::Summenzahlen:
            Summen(k);
            break;
        case A::Kombinationszahlen:
            Kombinationszahlen(k);
            break;
        case A::Zweierwiederholungen:
            Wiederholungen(k, 2);
            break;
        case A::Dreierwiederholungen:
            Wiederholungen(k, 3);
            break;
        case A::Viererwiederholungen:
            Wiederholungen(k, 4);
            break;
        case A::Fuenferwiederholungen:
            Wiederholungen(k, 5);
            break;
        case A::Trefferverteilung:
            Verteilung(k);
            break;
        case A::Zahlenabstand:
            Abstand(k);
            break;
        case A::Zerlegungspruefung:
            Zerlegung(k);
            break;
        case A::Treffertabelle:
            TreffertabelleAnalyse(k);
            break;
        case A::Garantiestufe:
            Garantie(k);
            break;
    }
    return k.ergebnis;
}

}  // namespace

AnalyseErgebnis AnalyseAusfuehren(const Lottodatei& d, const AnalyseEingaben& e,
                                  const AnalyseRueckrufe& r) {
    Kontext k(d, e, r);
    return Ausfuehren(k);
}

AnalyseErgebnis AnalyseAusfuehren(const Lottodatei& d, const AnalyseEingaben& e,
                                  const AnalyseRueckrufe& r, const Vorgeschichte& v) {
    if (!SchlaegtReiheVor(e.art)) return {};
    Kontext k(d, e, r, &v);
    return Ausfuehren(k);
}

bool SchlaegtReiheVor(Analyseart art) {
    using A = Analyseart;
    for (A a : {A::Prognosen, A::Zufallszahlen, A::Gewinnzahlen, A::Glueckszahlen, A::Pechzahlen,
                A::Summenzahlen, A::Kombinationszahlen, A::Horoskop})
        if (art == a) return true;
    return false;
}

void TreffertabelleAnalyse(Kontext& k) {
    k.Status(kStatusTreffertabelleLaeuft);
    const std::vector<int> zahlen = ZahlenAus(k.frei);
    const auto t = TreffertabelleBerechnen(k.d, zahlen, std::clamp(k.e.treffertabelle, 0, 13),
                                           k.zusatz, [&k] { return k.Stopp(); });
    k.ergebnis.abgebrochen = t.abgebrochen;
    k.ergebnis.text = TreffertabelleText(t, k.e.fenstertitel, k.e.bereichText);
    k.ergebnis.fuerZwischenspeicher = false;
    k.ergebnis.status = TreffertabelleStatus(t);
}

}  // namespace zahlix
