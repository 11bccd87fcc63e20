// The analyses that list draws or counts: Summenzahlen, Kombinationszahlen, Trefferverteilung
// and Zahlenabstand.
#include <algorithm>
#include <array>
#include <map>

#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"
#include "output/kennung.h"

namespace zahlix {

namespace {

// "-S" after the date tells two draws of one week apart; blanks keep the column for none.
std::string MitKennung(int16_t wocheKennung) {
    const int kennung = KennungAus(wocheKennung);
    return kennung != 0 ? "-" + KennungText(kennung) : "  ";
}

bool BereichGueltig(Kontext& k, int64_t von, int64_t bis) {
    if (von <= bis) return true;
    k.ergebnis.meldung = "Der Anfang des Bereichs (" + std::to_string(von) +
                         ") liegt über seinem Ende (" + std::to_string(bis) + ").";
    return false;
}

// Per value (sum or combination number) the rows in range with it, for the two range analyses.
struct Wert {
    int64_t anzahl = 0;
    int letzte = -1;  // slot of the latest row
    uint64_t zahlen = 0;
};

std::string Werteliste(Kontext& k, const std::map<int64_t, Wert>& werte, int64_t treffer,
                       const std::string& was, int64_t von, int64_t bis, bool mitZahlen) {
    std::string t = k.Kopf() + "* " + was + " von" + Str(von) + " bis" + Str(bis) + ":" +
                    Str(treffer) + " von" + Str(static_cast<int64_t>(k.zeilen.size())) +
                    (k.system ? " Reihen (" : " Ziehungen (") +
                    Prozentwert(treffer, static_cast<int64_t>(k.zeilen.size()), ' ') + ")" + kCrLf +
                    kCrLf;
    t += (mitZahlen ? std::string("  Kombi-Nr  Anzahl     in%  Zuletzt  Zahlen")
                    : std::string("     Summe  Anzahl     in%  Zuletzt")) +
         kCrLf;
    size_t zeilen = 0;
    for (const auto& [wert, w] : werte) {
        std::string e =
            (mitZahlen ? ZahlGruppiert10(static_cast<int32_t>(wert))
                       : ZahlRechts6(static_cast<int16_t>(wert)) + "    ") +
            "  " + ZahlRechts6(static_cast<int16_t>(std::min<int64_t>(w.anzahl, 32767))) + "  " +
            Prozentwert(w.anzahl, static_cast<int64_t>(k.zeilen.size()), ' ') + "  " +
            (k.system ? "R" + ZahlRechts5(static_cast<int16_t>(w.letzte + 1)) + " "
                      : Ziehungsdatum(k.d, w.letzte));
        if (mitZahlen) e += " " + ZahlenText(w.zahlen);
        k.ergebnis.liste.push_back(e);
        if (zeilen++ < kMaxTextzeilen) t += e + kCrLf;
    }
    if (zeilen > kMaxTextzeilen)
        t += "... und" + Str(static_cast<int64_t>(zeilen - kMaxTextzeilen)) + " weitere" + kCrLf;
    return t + std::string(80, '-') + kCrLf;
}

// In a back-test the two range analyses play what a player filtering by them plays: a random
// row of the free numbers whose sum (combination number) lies within the range.
void GefilterteReihe(Kontext& k, bool kombi) {
    const int anzahl = std::clamp(k.e.anzahlZahlen, 1, 49);
    const auto von = kombi ? std::max(k.e.kombiVon, 1) : k.e.summeVon;
    const auto bis = kombi && anzahl <= 9 ? std::min(k.e.kombiBis, Binomial(k.groessteZahl, anzahl))
                                          : (kombi ? 0 : k.e.summeBis);
    for (int versuch = 0; versuch < 100000 && von <= bis && Anzahl(k.frei) >= anzahl; ++versuch) {
        uint64_t reihe = 0;
        if (kombi) {
            std::vector<int> zahlen(static_cast<size_t>(anzahl));
            KombinationAusKombiNr(von + k.zufall.Bis(bis - von + 1), zahlen, k.groessteZahl);
            reihe = MaskeAus(zahlen);
            if ((reihe & ~k.frei) != 0) continue;
        } else {
            reihe = k.zufall.Ziehen(k.frei, anzahl);
            int32_t summe = 0;
            for (int n : ZahlenAus(reihe)) summe += n;
            if (summe < von || summe > bis) continue;
        }
        k.ergebnis.vorschlag = ZahlenAus(reihe);
        return;
    }
    k.ergebnis.meldung = "Keine Reihe aus" + Str(anzahl) + " freien Zahlen hat " +
                         (kombi ? "eine Kombinationsnummer" : "eine Summe") + " von" + Str(von) +
                         " bis" + Str(kombi ? k.e.kombiBis : bis) + ".";
}

}  // namespace

void Summen(Kontext& k) {
    // How often the numbers of a row added up to each sum of the range.
    if (!BereichGueltig(k, k.e.summeVon, k.e.summeBis)) return;
    if (k.nurVorschlag) return GefilterteReihe(k, false);
    std::map<int64_t, Wert> werte;
    int64_t treffer = 0;
    for (const Zeile& z : k.zeilen) {
        int64_t s = 0;
        for (int n : ZahlenAus(z.maske)) s += n;
        if (s < k.e.summeVon || s > k.e.summeBis) continue;
        Wert& w = werte[s];
        ++w.anzahl, ++treffer, w.letzte = z.index;
    }
    k.ergebnis.text = Werteliste(k, werte, treffer, "Summen", k.e.summeVon, k.e.summeBis, false);
    k.ergebnis.status = " " + Anzahl(treffer, "Reihe", "Reihen") + " mit passender Summe";
}

void Kombinationszahlen(Kontext& k) {
    // The combination number of every row of six numbers; rows within the range, by number.
    if (!BereichGueltig(k, k.e.kombiVon, k.e.kombiBis)) return;
    if (k.nurVorschlag) return GefilterteReihe(k, true);
    std::map<int64_t, Wert> werte;
    int64_t treffer = 0;
    for (const Zeile& z : k.zeilen) {
        if (k.Stopp()) return;
        const auto zahlen = ZahlenAus(z.maske);
        if (zahlen.size() != 6) continue;
        const int64_t nr = KombiNrBerechnen(zahlen, k.groessteZahl);
        if (nr == 0 || nr < k.e.kombiVon || nr > k.e.kombiBis) continue;
        Wert& w = werte[nr];
        ++w.anzahl, ++treffer, w.letzte = z.index, w.zahlen = z.maske;
    }
    k.ergebnis.text =
        Werteliste(k, werte, treffer, "Kombinationszahlen", k.e.kombiVon, k.e.kombiBis, true);
    k.ergebnis.status =
        " " + Anzahl(treffer, "Reihe", "Reihen") + " mit passender Kombinationszahl";
}

void Verteilung(Kontext& k) {
    // The hit classes of the marked row, counted per year or per week number.
    if (k.markiert == 0) {
        k.ergebnis.meldung = "Zuerst müssen Zahlen im Zahlenfeld markiert werden.";
        return;
    }
    const bool woche = k.e.verteilung == 1;
    std::map<int, std::array<int32_t, 10>> gruppen;
    Klassenzaehler gesamt{};
    for (const Zeile& z : k.zeilen) {
        const int c = Trefferklasse(z, k.markiert, k.zusatz);
        const int schluessel = woche ? WocheAus(k.d.WocheKennung[static_cast<size_t>(z.index)])
                                     : JahrAusJahrCode(k.d.JahrCode[static_cast<size_t>(z.index)]);
        ++gruppen[schluessel][static_cast<size_t>(c)];
        ++gesamt[static_cast<size_t>(c)];
    }
    static constexpr int kSpalten[] = {0, 1, 2, 3, 7, 4, 8, 5, 9, 6};
    // Columns as wide as the largest count needs, so that counts never run together.
    int32_t groesste = 0;
    for (const auto& [schluessel, z] : gruppen)
        groesste = std::max(groesste, *std::max_element(z.begin(), z.end()));
    const size_t breite = std::max<size_t>(3, std::to_string(groesste).size() + 1);
    std::string t = k.Kopf() + Zahlenzeile(k.markiert, k.groessteZahl) + kCrLf +
                    TrefferverteilungKopf(breite) + kCrLf;
    for (const auto& [schluessel, z] : gruppen) {
        std::string e = woche ? "  W " + ZahlNull2(static_cast<int16_t>(schluessel))
                              : ZahlRechts6(static_cast<int16_t>(schluessel));
        for (int c : kSpalten) {
            const std::string a = std::to_string(z[static_cast<size_t>(c)]);
            e += std::string(breite - a.size(), ' ') + a;
        }
        k.ergebnis.liste.push_back(e);
        t += e + kCrLf;
    }
    k.ergebnis.text = t + std::string(80, '-') + kCrLf;
    k.ergebnis.zahlenzeile = Zahlenzeile(k.markiert, k.groessteZahl);
    k.ergebnis.zaehler = gesamt;
    k.ergebnis.status = woche ? " Wochenverteilung erstellt" : " Jahresverteilung erstellt";
}

std::string TrefferverteilungKopf(size_t breite) {
    std::string t(6, ' ');
    for (const char* klasse : {"0T", "1T", "2T", "3T", "3+", "4T", "4+", "5T", "5+", "6T"})
        t += std::string(breite - 2, ' ') + klasse;
    return t;
}

void Abstand(Kontext& k) {
    // The five gaps between the six sorted numbers; a draw matches when at least the chosen
    // number of its gaps, position by position, are the same.
    if (Anzahl(k.markiert) != 6) {
        k.ergebnis.meldung = kMeldungSechsZahlen;
        return;
    }
    const int mindestens = std::clamp(k.e.abstaende, 2, 5);
    auto luecken = [](uint64_t m) {
        const auto z = ZahlenAus(m);
        std::array<int, 5> g{};
        for (size_t i = 0; i < 5; ++i) g[i] = z[i + 1] - z[i];
        return g;
    };
    const auto eigene = luecken(k.markiert);
    std::string abstaende;
    for (int g : eigene) abstaende += ZahlRechts3(static_cast<int16_t>(g));
    int64_t treffer = 0;
    std::string liste;
    for (const Zeile& z : k.zeilen) {
        if (Anzahl(z.maske) != 6) continue;
        const auto g = luecken(z.maske);
        int gleich = 0;
        for (size_t i = 0; i < 5; ++i) gleich += g[i] == eigene[i];
        if (gleich < mindestens) continue;
        std::string e =
            " " +
            (k.system ? "R" + ZahlRechts5(static_cast<int16_t>(z.index + 1)) + " "
                      : Ziehungsdatum(k.d, z.index) +
                            MitKennung(k.d.WocheKennung[static_cast<size_t>(z.index)])) +
            " :" + ZahlenText(z.maske) + " :";
        for (int x : g) e += ZahlRechts3(static_cast<int16_t>(x));
        e += " :" + Str(gleich);
        k.ergebnis.liste.push_back(e);
        if (treffer++ < static_cast<int64_t>(kMaxTextzeilen)) liste += e + kCrLf;
    }
    std::string t = k.Kopf() + Zahlenzeile(k.markiert, k.groessteZahl) +
                    "* Abstände der Reihe:" + abstaende + kCrLf + "*" + Str(treffer) +
                    (k.system ? " Reihen" : " Ziehungen") + " mit mindestens" + Str(mindestens) +
                    " gleichen Abständen" + kCrLf + kCrLf + liste;
    if (treffer > static_cast<int64_t>(kMaxTextzeilen))
        t += "... und" + Str(treffer - static_cast<int64_t>(kMaxTextzeilen)) + " weitere" + kCrLf;
    k.ergebnis.text = t + std::string(80, '-') + kCrLf;
    k.ergebnis.zahlenzeile = Zahlenzeile(k.markiert, k.groessteZahl);
    k.ergebnis.status = Str(treffer) + " passende Abstände gefunden";
}

}  // namespace zahlix
