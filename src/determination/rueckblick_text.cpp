// The result block of the back-test: the table of classes, the plain German sentences and the
// money view.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/zahlformat.h"
#include "determination/analyse_kontext.h"
#include "determination/rueckblick.h"

namespace zahlix {

namespace {

// A rounded value with German separators: 1234.56 -> "1.234,6" for one place.
std::string Dezimal(double x, int stellen) {
    const double faktor = std::pow(10.0, stellen);
    const auto ganz = static_cast<int64_t>(std::llround(std::abs(x) * faktor));
    const auto teiler = static_cast<int64_t>(faktor);
    std::string t = Gruppiert(ganz / teiler);
    if (stellen > 0) {
        const std::string rest = std::to_string(ganz % teiler);
        t += "," + std::string(static_cast<size_t>(stellen) - rest.size(), '0') + rest;
    }
    return (x < 0 && ganz != 0 ? "-" : "") + t;
}

std::string Rechts(const std::string& t, size_t breite) {
    // "±" takes two bytes and one column.
    size_t spalten = 0;
    for (char c : t) spalten += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return spalten >= breite ? t : std::string(breite - spalten, ' ') + t;
}

constexpr const char* kKlassenName[10] = {"0T", "1T", "2T", "3T", "4T",
                                          "5T", "6T", "3+", "4+", "5+"};

std::string Was(int c) {
    const std::string n = std::to_string(c <= 6 ? c : c - 4) + " Richtige";
    return c <= 6 ? n : n + " mit Zusatzzahl";
}

bool Auffaellig(const Klassenvergleich& k) {
    return k.p < 0.025;
}

std::string Bewertung(const Klassenvergleich& k) {
    if (!Auffaellig(k)) return {};
    return static_cast<double>(k.beobachtet) > k.erwartet ? "mehr als Zufall"
                                                          : "weniger als Zufall";
}

std::string Tabellenzeile(const std::string& name, const Klassenvergleich& k) {
    return Rechts(name, 6) + Rechts(Gruppiert(k.beobachtet), 12) +
           Rechts(Dezimal(k.erwartet, 1), 17) + Rechts(Dezimal(k.spanne, 1), 9) +
           Rechts(Dezimal(k.p, 3), 9) + (Auffaellig(k) ? "  " + Bewertung(k) : std::string());
}

// Lines of at most 80 columns, broken at blanks.
std::string Umbrechen(const std::string& text) {
    std::string t, zeile;
    size_t start = 0;
    while (start < text.size()) {
        size_t ende = text.find(' ', start);
        if (ende == std::string::npos) ende = text.size();
        const std::string wort = text.substr(start, ende - start);
        if (!zeile.empty() && zeile.size() + 1 + wort.size() > 80) {
            t += zeile + kCrLf;
            zeile.clear();
        }
        zeile += (zeile.empty() ? "" : " ") + wort;
        start = ende + 1;
    }
    return t + zeile + kCrLf;
}

std::string Beschreibung(const AnalyseEingaben& a) {
    using A = Analyseart;
    std::string t = "* " + std::string(Katalogeintrag(a.art).listentext) + ": ";
    auto zahlen = [&] {
        if (a.verwende != 2) return std::string("zufällige Zahlen");
        std::string m = "markierte Zahlen";
        for (int n = 1; n <= 49; ++n)
            if (a.markiert[static_cast<size_t>(n - 1)]) m += ZahlFeld3(static_cast<int16_t>(n));
        return m;
    };
    switch (a.art) {
        case A::Prognosen: {
            static const char* const kArten[] = {"Häufigkeitsprognose", "Ausbleiberprognose",
                                                 "Ausgleichsprognose"};
            t += std::string(kArten[std::clamp(a.prognoseart, 1, 3) - 1]) + ", " +
                 PrognoseMethoden()[static_cast<size_t>(std::clamp(a.prognoseMethode, 0, 5))];
            break;
        }
        case A::Gewinnzahlen:
            t += zahlen() + ", bis zu" + Str(a.versucheGewinnzahlen) + " Versuche";
            break;
        case A::Summenzahlen:
            t += "eine zufällige Reihe mit einer Summe von" + Str(a.summeVon) + " bis" +
                 Str(a.summeBis);
            break;
        case A::Kombinationszahlen:
            t += "eine zufällige Reihe mit einer Kombi-Nr von" + Str(a.kombiVon) + " bis" +
                 Str(a.kombiBis);
            break;
        case A::Horoskop:
            t += std::string(
                     Sternzeichen()[static_cast<size_t>(std::clamp(a.sternzeichen, 0, 11))]) +
                 ", am Tag der Ziehung";
            break;
        default:
            t += zahlen();
    }
    return t + kCrLf;
}

std::string Geld(const RueckblickErgebnis& r, const RueckblickEingaben& e) {
    double vorschlaege = 0, zufall = 0;
    std::string t = "Geld: Einsatz " + Dezimal(static_cast<double>(e.einsatz) / 100, 2) +
                    " je Reihe; Gewinne je Klasse:";
    for (int c : kSpaltenKlassen) {
        const auto g = static_cast<double>(e.gewinn[static_cast<size_t>(c)]) / 100;
        vorschlaege += static_cast<double>(r.klasse[static_cast<size_t>(c)].beobachtet) * g;
        zufall += r.klasse[static_cast<size_t>(c)].erwartet * g;
        if (g != 0) t += std::string(" ") + kKlassenName[c] + " " + Dezimal(g, 2);
    }
    const double einsatz = r.getestet * static_cast<double>(e.einsatz) / 100;
    auto zeile = [](const char* was, double a, double b) {
        return std::string(was) + Rechts(Dezimal(a, 2), 22) + Rechts(Dezimal(b, 2), 22) + kCrLf;
    };
    return Umbrechen(t) + Rechts("Vorschläge", 30) + Rechts("Zufall (erwartet)", 22) + kCrLf +
           zeile("Einsatz ", einsatz, einsatz) + zeile("Gewinne ", vorschlaege, zufall) +
           zeile("Saldo   ", vorschlaege - einsatz, zufall - einsatz);
}

}  // namespace

std::optional<int64_t> BetragInCent(const std::string& text, bool mitKomma) {
    const size_t trenner = text.find_first_of(mitKomma ? ",." : ".");
    const std::string ganz = text.substr(0, trenner);
    std::string cent = trenner == std::string::npos ? "00" : text.substr(trenner + 1);
    if (cent.size() == 1) cent += "0";
    const auto ziffern = [](const std::string& t) {
        return !t.empty() && t.size() <= 12 &&
               std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!ziffern(ganz) || !ziffern(cent) || cent.size() != 2) return std::nullopt;
    return std::stoll(ganz) * 100 + std::stoll(cent);
}

std::string RueckblickSatz(const std::string& was, const Klassenvergleich& k) {
    std::string t = "Die Vorschläge trafen " + was + " " + Gruppiert(k.beobachtet) +
                    "-mal, Zufall erwartet " + Dezimal(k.erwartet, 1) + "-mal (±" +
                    Dezimal(k.spanne, 1) + "): ";
    if (!Auffaellig(k)) return t + "kein Hinweis auf einen Vorteil.";
    return t + (static_cast<double>(k.beobachtet) > k.erwartet ? "mehr" : "weniger") +
           " als zufällig zu erwarten (p = " + Dezimal(k.p, 3) + ").";
}

std::string RueckblickText(const RueckblickErgebnis& r, const RueckblickEingaben& e) {
    const AnalyseEingaben& a = e.analyse;
    std::string t = "* " + a.fenstertitel + kCrLf + "* Bereich - " + a.bereichText + kCrLf;
    t += "* Rückblick auf die letzten" + Str(r.verlangt) + " Ziehungen (" + r.von + " bis " +
         r.bis + ")" + kCrLf;
    t += Beschreibung(a);
    // Prognosen and the horoscope draw no lots: a seed would only mislead.
    const bool gelost = a.art != Analyseart::Prognosen && a.art != Analyseart::Horoskop;
    t += "* Je Ziehung eine Reihe mit" + Str(r.zahlenJeReihe) +
         " Zahlen, nur aus den Ziehungen davor ermittelt" +
         (gelost ? " (Saat " + std::to_string(a.seed) + ")" : std::string()) + kCrLf;
    if (r.abgebrochen)
        t += "* Abgebrochen nach" + Str(r.getestet) + " von" + Str(r.verlangt) + " Ziehungen" +
             kCrLf;
    t += kCrLf + std::string("Klasse  Vorschläge  Zufall erwartet     ±95%   p-Wert  Bewertung") +
         kCrLf;
    for (int c : kSpaltenKlassen)
        t += Tabellenzeile(kKlassenName[c], r.klasse[static_cast<size_t>(c)]) + kCrLf;
    t += Tabellenzeile("Gewinn", r.gewinn) + kCrLf + kCrLf;
    t += Umbrechen(RueckblickSatz("3 Richtige oder mehr", r.gewinn));
    for (int c : kSpaltenKlassen)
        if (Auffaellig(r.klasse[static_cast<size_t>(c)]))
            t += Umbrechen(RueckblickSatz(Was(c), r.klasse[static_cast<size_t>(c)]));
    if (e.mitGeld) t += kCrLf + Geld(r, e);
    return t + std::string(80, '-') + kCrLf;
}

}  // namespace zahlix
