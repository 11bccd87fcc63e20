// The analyses that propose one row: Zufalls-, Gewinn-, Glücks- and Pechzahlen, Prognosen and
// Horoskop. Each ends in the evaluation block of its row.
#include <algorithm>
#include <array>
#include <bit>
#include <numeric>

#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"

namespace zahlix {

namespace {

bool GenugFreie(Kontext& k, int anzahl) {
    if (Anzahl(k.frei) >= anzahl) return true;
    k.ergebnis.meldung = kMeldungNichtGenugFreie;
    k.ergebnis.zyklusBeenden = true;
    return false;
}

// "Markierte": the row comes from the marked numbers; fewer marks than numbers are topped up
// with random free numbers. "Zufällige": any free numbers.
uint64_t Zufallsreihe(Kontext& k, int anzahl) {
    if (k.e.verwende != 2) return k.zufall.Ziehen(k.frei, anzahl);
    const int m = Anzahl(k.markiert);
    if (m >= anzahl) return k.zufall.Ziehen(k.markiert, anzahl);
    return k.markiert | k.zufall.Ziehen(k.frei & ~k.markiert, anzahl - m);
}

// How many of the ten classes lie within their from/to bounds.
int Bildtest(const AnalyseEingaben& e, const Klassenzaehler& z) {
    int erfuellt = 0;
    for (size_t c = 0; c < 10; ++c) erfuellt += e.gewinnVon[c] <= z[c] && z[c] <= e.gewinnBis[c];
    return erfuellt;
}

// Glücks- and Pechzahlen: how often two numbers were drawn together. Starting from a random
// number (or the marks), the row grows by the number that came together with the row so far
// most often (Glück) or most seldom (Pech); ties are drawn by lot.
uint64_t Paarreihe(Kontext& k, int anzahl, bool glueck, int64_t& paarsumme) {
    std::array<std::array<int32_t, 50>, 50> paar{};
    for (const Zeile& z : k.zeilen) {
        const auto zahlen = ZahlenAus(z.maske);
        for (size_t i = 0; i < zahlen.size(); ++i)
            for (size_t j = i + 1; j < zahlen.size(); ++j)
                ++paar[static_cast<size_t>(zahlen[i])][static_cast<size_t>(zahlen[j])],
                    ++paar[static_cast<size_t>(zahlen[j])][static_cast<size_t>(zahlen[i])];
    }
    uint64_t reihe, kandidaten = k.frei;
    if (k.e.verwende == 2 && Anzahl(k.markiert) >= anzahl) kandidaten = k.markiert;
    if (k.e.verwende == 2 && Anzahl(k.markiert) > 0 && Anzahl(k.markiert) < anzahl)
        reihe = k.markiert;
    else
        reihe = k.zufall.Ziehen(kandidaten, 1);
    while (Anzahl(reihe) < anzahl) {
        int64_t bester = 0;
        int gleich = 0, wahl = 0;
        for (int x : ZahlenAus(kandidaten & ~reihe)) {
            int64_t s = 0;
            for (int a : ZahlenAus(reihe))
                s += paar[static_cast<size_t>(a)][static_cast<size_t>(x)];
            if (gleich == 0 || (glueck ? s > bester : s < bester)) {
                bester = s, gleich = 1, wahl = x;
            } else if (s == bester && k.zufall.Bis(++gleich) == 0) {
                wahl = x;
            }
        }
        if (wahl == 0) break;
        reihe |= uint64_t{1} << (wahl - 1);
    }
    paarsumme = 0;
    const auto zahlen = ZahlenAus(reihe);
    for (size_t i = 0; i < zahlen.size(); ++i)
        for (size_t j = i + 1; j < zahlen.size(); ++j)
            paarsumme += paar[static_cast<size_t>(zahlen[i])][static_cast<size_t>(zahlen[j])];
    return reihe;
}

void Abschliessen(Kontext& k, uint64_t reihe, const std::string& zusatzzeilen) {
    k.ergebnis.vorschlag = ZahlenAus(reihe);
    if (k.nurVorschlag) return;
    k.ergebnis.text = k.Bewertungsblock(reihe, zusatzzeilen);
    k.ergebnis.status = " Ermittlung beendet";
}

}  // namespace

// Zufallszahlen: one random row, evaluated. Gewinnzahlen: random rows until one meets every
// from/to bound of the hit picture. Glücks-/Pechzahlen: the row of often/seldom paired numbers.
void Zufallsreihen(Kontext& k) {
    const int anzahl = std::clamp(k.e.anzahlZahlen, 1, 49);
    if (k.e.verwende == 2 && k.markiert == 0) {
        k.ergebnis.meldung = "Zuerst müssen Zahlen im Zahlenfeld markiert werden.";
        k.ergebnis.zyklusBeenden = true;
        return;
    }
    if (!GenugFreie(k, anzahl)) return;
    std::string info;
    uint64_t reihe = 0;
    switch (k.e.art) {
        case Analyseart::Gewinnzahlen: {
            // Random rows until one passes all ten bounds; the best one found is kept.
            const int versuche = std::clamp(k.e.versucheGewinnzahlen, 1, 1000000);
            int beste = -1, versuch = 0;
            while (versuch < versuche && beste < 10 && !k.Stopp()) {
                ++versuch;
                k.Fortschritt([&] { return " Suche Gewinnzahlen... Versuch" + Str(versuch); });
                const uint64_t r = Zufallsreihe(k, anzahl);
                const int erfuellt = Bildtest(k.e, k.Bewerten(r));
                if (erfuellt > beste) beste = erfuellt, reihe = r;
            }
            if (reihe == 0) return;
            info = "* Trefferbild:" + Str(beste) + " von 10 Bedingungen erfüllt nach " +
                   Anzahl(versuch, "Versuch", "Versuchen") + kCrLf;
            break;
        }
        case Analyseart::Glueckszahlen:
        case Analyseart::Pechzahlen: {
            int64_t paare = 0;
            reihe = Paarreihe(k, anzahl, k.e.art == Analyseart::Glueckszahlen, paare);
            info = "* Je zwei Zahlen der Reihe kamen zusammen" + Str(paare) + " mal vor" + kCrLf;
            break;
        }
        default:
            reihe = Zufallsreihe(k, anzahl);
    }
    Abschliessen(k, reihe, info);
}

// Prognosen: the numbers that most often (or most seldom, or half and half) followed the
// numbers of the last draw in range, scored by count, sum or rank points.
void Prognose(Kontext& k) {
    const int anzahl = std::clamp(k.e.anzahlZahlen, 1, 49);
    if (k.zeilen.size() < 2) {
        k.ergebnis.meldung =
            "Für eine Prognose werden mindestens zwei Ziehungen im Auswertebereich gebraucht.";
        return;
    }
    if (!GenugFreie(k, anzahl)) return;
    const int methode = std::clamp(k.e.prognoseMethode, 0, 5);
    const bool mitZusatz = methode % 2 == 1;
    auto zahlenMit = [&](const Zeile& z) {
        return z.maske | (mitZusatz && z.zusatz > 0 ? uint64_t{1} << (z.zusatz - 1) : 0);
    };

    // "Wie oft danach gezogen": folge[a][x] counts the rows with x that follow a row with a.
    std::array<std::array<int32_t, 50>, 50> folge{};
    for (size_t i = 0; i + 1 < k.zeilen.size(); ++i)
        for (uint64_t a = zahlenMit(k.zeilen[i]); a != 0; a &= a - 1)
            for (uint64_t x = zahlenMit(k.zeilen[i + 1]); x != 0; x &= x - 1)
                ++folge[static_cast<size_t>(std::countr_zero(a) + 1)]
                       [static_cast<size_t>(std::countr_zero(x) + 1)];

    const Zeile& letzte = k.zeilen.back();
    const auto basis = ZahlenAus(zahlenMit(letzte));
    const auto kandidaten = ZahlenAus(k.frei);
    std::array<int64_t, 50> summe{}, wert{};
    for (int x : kandidaten)
        for (int a : basis)
            summe[static_cast<size_t>(x)] += folge[static_cast<size_t>(a)][static_cast<size_t>(x)];
    for (int a : basis) {
        const auto& f = folge[static_cast<size_t>(a)];
        int64_t gesamt = 0;
        for (int x : kandidaten) gesamt += f[static_cast<size_t>(x)];
        for (int x : kandidaten) {
            if (methode / 2 == 0) {
                // Anzahl: after how many basis numbers x came at least as often as on average.
                wert[static_cast<size_t>(x)] +=
                    f[static_cast<size_t>(x)] * static_cast<int64_t>(kandidaten.size()) >= gesamt;
            } else if (methode / 2 == 2) {
                // Punkte: rank points, 1 for the rarest follower of a.
                for (int y : kandidaten)
                    wert[static_cast<size_t>(x)] +=
                        f[static_cast<size_t>(y)] <= f[static_cast<size_t>(x)];
            }
        }
    }
    if (methode / 2 == 1) wert = summe;

    std::vector<int> rangfolge = kandidaten;  // most frequent follower first
    std::stable_sort(rangfolge.begin(), rangfolge.end(), [&](int a, int b) {
        const auto ia = static_cast<size_t>(a), ib = static_cast<size_t>(b);
        return wert[ia] != wert[ib] ? wert[ia] > wert[ib] : summe[ia] > summe[ib];
    });
    const int art = std::clamp(k.e.prognoseart, 1, 3);
    const int vorn = art == 1 ? anzahl : art == 2 ? 0 : (anzahl + 1) / 2;
    uint64_t reihe = 0;
    for (int i = 0; i < vorn; ++i) reihe |= uint64_t{1} << (rangfolge[static_cast<size_t>(i)] - 1);
    // The rarest followers; on a tie the smaller sum, then the smaller number, as from the top.
    std::vector<int> selten = kandidaten;
    std::stable_sort(selten.begin(), selten.end(), [&](int a, int b) {
        const auto ia = static_cast<size_t>(a), ib = static_cast<size_t>(b);
        return wert[ia] != wert[ib] ? wert[ia] < wert[ib] : summe[ia] < summe[ib];
    });
    for (size_t i = 0; Anzahl(reihe) < anzahl; ++i) reihe |= uint64_t{1} << (selten[i] - 1);

    static const char* const kArten[] = {"Häufigkeitsprognose", "Ausbleiberprognose",
                                         "Ausgleichsprognose"};
    std::string info = "* " + std::string(kArten[art - 1]) + ", " +
                       PrognoseMethoden()[static_cast<size_t>(methode)] + kCrLf;
    info +=
        "* Nach der Ziehung " + Ziehungsdatum(k.d, letzte.index) + ":" + ZahlenText(letzte.maske);
    if (mitZusatz && letzte.zusatz > 0)
        info += "  Zz" + ZahlFeld3(static_cast<int16_t>(letzte.zusatz));
    Abschliessen(k, reihe, info + kCrLf);
}

// Horoskop: numbers drawn by a generator seeded with the sign and the day; entertainment only.
void Horoskopzahlen(Kontext& k) {
    const int anzahl = std::clamp(k.e.anzahlZahlen, 1, 49);
    if (!GenugFreie(k, anzahl)) return;
    const int zeichen = std::clamp(k.e.sternzeichen, 0, 11);
    // The numbers depend on nothing but the sign and the day, like a printed horoscope.
    uint64_t saat = 1469598103934665603u;
    for (int teil : {zeichen, k.e.tag, k.e.monat, k.e.jahr})
        saat = (saat ^ static_cast<uint64_t>(teil)) * 1099511628211u;
    Zufall zufall(saat);
    const uint64_t reihe = zufall.Ziehen(k.frei, anzahl);
    const std::string info =
        "* Horoskopzahlen für " + std::string(Sternzeichen()[static_cast<size_t>(zeichen)]) +
        " am " + ZahlNull2(static_cast<int16_t>(k.e.tag)) + "." +
        ZahlNull2(static_cast<int16_t>(k.e.monat)) + "." +
        ZahlNull4(static_cast<int16_t>(k.e.jahr)) + " (nur zur Unterhaltung)" + kCrLf;
    Abschliessen(k, reihe, info);
}

}  // namespace zahlix
