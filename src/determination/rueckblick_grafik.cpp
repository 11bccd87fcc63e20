// The bar graph of a back-test from the statistics' drawing primitives: per class the hits of
// the proposals beside the expectation for random rows with its 95 % span.
#include "determination/rueckblick_grafik.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zahlix {

namespace {

using statistik::Element;
using statistik::Farbe;
using statistik::Kasten;
using statistik::Linie;

const Farbe kSchwarz{0, 0, 0}, kGrau{150, 150, 150}, kLinie{210, 210, 210}, kBlau{30, 60, 170};

Element Text(int x, int y, std::string t, bool mittig = true, bool fett = false) {
    return statistik::Text(x, y, std::move(t), kSchwarz, mittig, fett);
}

std::string EineStelle(double x) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", x);
    std::string t = b;
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

constexpr const char* kName[10] = {"0T", "1T", "2T", "3T", "4T", "5T", "6T", "3+", "4+", "5+"};

}  // namespace

statistik::Grafik RueckblickGrafik(const RueckblickErgebnis& r, int breite, int hoehe) {
    statistik::Grafik g;
    g.breite = breite, g.hoehe = hoehe;
    constexpr int kLinks = 700, kOben = 760, kUnten = 450;
    double groesste = 0;
    for (const Klassenvergleich& k : r.klasse)
        groesste = std::max({groesste, static_cast<double>(k.beobachtet), k.erwartet + k.spanne});
    const int schritt = statistik::Skalenschritt(static_cast<int>(std::ceil(groesste)));
    const int null = hoehe - kUnten;
    auto y = [&](double wert) {
        return null - static_cast<int>(std::lround(wert * (null - kOben) / schritt));
    };

    g.elemente.push_back(Text(breite / 2, 120,
                              "Rückblick: Treffer der Vorschläge und des Zufalls je Klasse", true,
                              true));
    g.elemente.push_back(Kasten(kLinks, 400, kLinks + 240, 550, kBlau));
    g.elemente.push_back(Text(kLinks + 330, 380, "Vorschläge", false));
    g.elemente.push_back(Kasten(kLinks + 2200, 400, kLinks + 2440, 550, kGrau));
    g.elemente.push_back(Text(kLinks + 2530, 380, "Zufall erwartet, Strich: 95-%-Spanne", false));
    // Scale lines every fifth of the step, labelled as far as the labels stay apart.
    const int abstand = (null - kOben) / 5;
    const int jeder = abstand >= 230 ? 1 : (abstand >= 115 ? 2 : 5);
    for (int j = 1; j <= 5; ++j) {
        const int wert = schritt * j / 5;
        g.elemente.push_back(Linie(kLinks, y(wert), breite, y(wert), kLinie));
        if ((5 - j) % jeder == 0)
            g.elemente.push_back(Text(60, y(wert) - 100, std::to_string(wert), false));
    }
    const double gruppe = double(breite - kLinks) / 10;
    const int balken = static_cast<int>(gruppe * 0.32);
    for (size_t i = 0; i < 10; ++i) {
        const int c = kSpaltenKlassen[i];
        const Klassenvergleich& k = r.klasse[static_cast<size_t>(c)];
        const int mitte = kLinks + static_cast<int>(std::lround(gruppe * (i + 0.5)));
        const int xv = mitte - balken - 15, xz = mitte + 15;
        g.elemente.push_back(
            Kasten(xv, y(static_cast<double>(k.beobachtet)), xv + balken, null, kBlau));
        g.elemente.push_back(Kasten(xz, y(k.erwartet), xz + balken, null, kGrau));
        const int xs = xz + balken / 2;
        const int oben = y(k.erwartet + k.spanne), unten = y(std::max(0.0, k.erwartet - k.spanne));
        g.elemente.push_back(Linie(xs, oben, xs, unten, kSchwarz, 30));
        g.elemente.push_back(Linie(xs - 60, oben, xs + 60, oben, kSchwarz, 30));
        // Values only where they fit over their bar; small expectations are left out.
        const std::string b = std::to_string(k.beobachtet), z = EineStelle(k.erwartet);
        if (balken >= 70 * static_cast<int>(b.size()))
            g.elemente.push_back(
                Text(xv + balken / 2, y(static_cast<double>(k.beobachtet)) - 200, b));
        if (balken >= 70 * static_cast<int>(z.size()) && k.erwartet >= 0.05)
            g.elemente.push_back(Text(xs, oben - 200, z));
        g.elemente.push_back(Text(mitte, null + 90, kName[c], true, true));
    }
    g.elemente.push_back(Linie(kLinks, null, breite, null, kSchwarz));
    return g;
}

}  // namespace zahlix
