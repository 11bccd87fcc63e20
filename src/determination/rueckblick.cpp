// The back-test loop: one analysis run per tested draw on the rows before it.
#include "determination/rueckblick.h"

#include <chrono>
#include <cmath>

#include "core/bereich.h"
#include "core/isowoche.h"
#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"
#include "determination/zufallserwartung.h"

namespace zahlix {

namespace {

// Horoskop numbers for the day of the draw: Wednesday for identifier "M", else Saturday.
void DatumDerZiehung(const Lottodatei& d, int slot, AnalyseEingaben& e) {
    const int16_t wk = d.WocheKennung[static_cast<size_t>(slot)];
    const auto montag =
        WochenMontag(WocheAus(wk), JahrAusJahrCode(d.JahrCode[static_cast<size_t>(slot)]));
    if (!montag) return;
    const std::chrono::year_month_day tag{std::chrono::sys_days(*montag) +
                                          std::chrono::days(KennungAus(wk) == 'M' ? 2 : 5)};
    e.tag = static_cast<int>(static_cast<unsigned>(tag.day()));
    e.monat = static_cast<int>(static_cast<unsigned>(tag.month()));
    e.jahr = static_cast<int>(tag.year());
}

Klassenvergleich Vergleichen(int64_t beobachtet, const std::vector<double>& p) {
    Klassenvergleich k;
    k.beobachtet = beobachtet;
    double varianz = 0;
    for (double q : p) k.erwartet += q, varianz += q * (1 - q);
    k.spanne = 1.96 * std::sqrt(varianz);
    k.p = static_cast<double>(beobachtet) >= k.erwartet
              ? MindestensWahrscheinlichkeit(p, beobachtet)
              : HoechstensWahrscheinlichkeit(p, beobachtet);
    return k;
}

}  // namespace

uint64_t RueckblickSaat(uint64_t saat, int slot) {
    uint64_t z = saat + 0x9E3779B97F4A7C15u * (static_cast<uint64_t>(slot) + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::string RueckblickTitel(Analyseart art, const std::string& dateiname) {
    return "Rückblick: " + std::string(Katalogeintrag(art).listentext) + " - " + dateiname;
}

std::string KeinRueckblick(Analyseart art) {
    if (SchlaegtReiheVor(art)) return {};
    return std::string(Katalogeintrag(art).listentext) +
           " schlägt keine Zahlenreihe vor, die man hätte spielen können. Einen Rückblick gibt es "
           "für Prognosen, Zufalls-, Gewinn-, Glücks-, Pech-, Summen- und Kombinationszahlen und "
           "das Horoskop.";
}

RueckblickErgebnis RueckblickAusfuehren(const Lottodatei& d, const RueckblickEingaben& e,
                                        const AnalyseRueckrufe& r,
                                        const std::function<void(int, int)>& fortschritt) {
    RueckblickErgebnis erg;
    const AnalyseEingaben& a = e.analyse;
    const std::string name = Katalogeintrag(a.art).listentext;
    const int n = std::clamp<int>(d.GroessteZahl, 1, 49);
    erg.zahlenJeReihe = std::clamp(a.anzahlZahlen, 1, 49);
    erg.meldung = KeinRueckblick(a.art);
    if (!erg.meldung.empty()) return erg;
    if (IstSystembereich(a.bereichText)) {
        erg.meldung = "Ein Rückblick braucht Ziehungen; die Reihen eines Systems sind keine.";
        return erg;
    }
    if (erg.zahlenJeReihe > n) {
        erg.meldung = "Eine Reihe mit" + Str(erg.zahlenJeReihe) +
                      " Zahlen passt nicht in eine Lotterie mit" + Str(n) + " Zahlen.";
        return erg;
    }
    const std::vector<Zeile> zeilen = ZeilenImBereich(d);
    // Prognosen need the draw before the last one, the others at least one draw.
    const int vorlauf = a.art == Analyseart::Prognosen ? 2 : 1;
    const int moeglich = static_cast<int>(zeilen.size()) - vorlauf;
    if (moeglich < 1) {
        erg.meldung = "Für einen Rückblick mit " + name + " werden mindestens" + Str(vorlauf + 1) +
                      " Ziehungen im Auswertebereich gebraucht; er hat" +
                      Str(static_cast<int64_t>(zeilen.size())) + ".";
        return erg;
    }
    if (e.letzte < 0 || e.letzte > moeglich) {
        erg.meldung = "Der Auswertebereich reicht für einen Rückblick auf höchstens" +
                      Str(moeglich) + " Ziehungen (jede braucht" + Str(vorlauf) +
                      (vorlauf == 1 ? " Ziehung" : " Ziehungen") + " davor), nicht auf" +
                      Str(e.letzte) + ".";
        return erg;
    }
    erg.verlangt = e.letzte == 0 ? moeglich : e.letzte;
    const size_t erste = zeilen.size() - static_cast<size_t>(erg.verlangt);
    erg.von = Ziehungsdatum(d, zeilen[erste].index);
    erg.bis = Ziehungsdatum(d, zeilen.back().index);

    uint64_t gezogen = 0;
    for (size_t j = 0; j < erste; ++j) gezogen |= zeilen[j].maske;
    const Zusatzzahlwertung zusatz{static_cast<int16_t>(a.beruecksichtige[4]),
                                   static_cast<int16_t>(a.beruecksichtige[5]),
                                   static_cast<int16_t>(a.beruecksichtige[6])};
    AnalyseEingaben schritt = a;
    schritt.ermittlung = 1;
    AnalyseRueckrufe innen;  // the progress line stays the back-test's own
    innen.stopp = r.stopp;
    std::array<std::vector<double>, 10> p;
    std::vector<double> pGewinn;
    std::array<int64_t, 10> treffer{};
    std::chrono::steady_clock::time_point letzteFrage{};  // the first step asks at once
    for (size_t j = erste; j < zeilen.size(); ++j) {
        const auto jetzt = std::chrono::steady_clock::now();
        if (jetzt - letzteFrage >= std::chrono::milliseconds(100)) {
            letzteFrage = jetzt;
            if (r.stopp && r.stopp()) {
                erg.abgebrochen = true;
                break;
            }
            if (r.status)
                r.status(" Rückblick..." + Str(erg.getestet) + " von" + Str(erg.verlangt) +
                         " Ziehungen");
            if (fortschritt) fortschritt(erg.getestet, erg.verlangt);
        }
        const Zeile& ziel = zeilen[j];
        schritt.seed = RueckblickSaat(a.seed, ziel.index);
        if (a.art == Analyseart::Horoskop) DatumDerZiehung(d, ziel.index, schritt);
        const AnalyseErgebnis v =
            AnalyseAusfuehren(d, schritt, innen, Vorgeschichte{{zeilen.data(), j}, gezogen});
        if (v.abgebrochen) {
            erg.abgebrochen = true;
            break;
        }
        if (v.vorschlag.empty()) {
            erg.meldung = "Bei der Ziehung " + Ziehungsdatum(d, ziel.index) + ": " +
                          (v.meldung.empty() ? "keine Zahl frei" : v.meldung);
            erg.getestet = 0;
            return erg;
        }
        const uint64_t reihe = MaskeAus(v.vorschlag);
        ++treffer[static_cast<size_t>(Trefferklasse(ziel, reihe, zusatz))];
        const auto q = Zufallsklassen(ziel, static_cast<int>(v.vorschlag.size()), n, zusatz);
        double gewinn = 0;
        for (size_t c = 0; c < 10; ++c) {
            p[c].push_back(q[c]);
            if (c >= 3) gewinn += q[c];
        }
        pGewinn.push_back(gewinn);
        gezogen |= ziel.maske;
        ++erg.getestet;
    }
    int64_t gewinnTreffer = 0;
    for (size_t c = 0; c < 10; ++c) {
        erg.klasse[c] = Vergleichen(treffer[c], p[c]);
        if (c >= 3) gewinnTreffer += treffer[c];
    }
    erg.gewinn = Vergleichen(gewinnTreffer, pGewinn);
    erg.text = RueckblickText(erg, e);
    return erg;
}

}  // namespace zahlix
