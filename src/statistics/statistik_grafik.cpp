#include "statistics/statistik_grafik.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zahlix::statistik {

namespace {

constexpr int kOben = 420;   // room for the title
constexpr int kUnten = 100;  // the zero line of non-negative values lies this far up
constexpr int kZelle = 360;  // colour field cells
constexpr int kFeldX = 2600, kFeldY = 200;
constexpr int kZeile = 213, kZeichen = 130;  // an 8-point text: height, width of a digit
constexpr int kBand = 300;                   // room for the row labels below the bars
const Farbe kSchwarz{0, 0, 0}, kWeiss{255, 255, 255}, kGrau{128, 128, 128};

std::string Zahl2(double x) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", x);
    return b;
}

// Labels under bars: the first, the last and the middle row first, then every tenth row at
// its guide line, each only where it does not run into one already placed.
template <typename X>
void Zeilenbeschriftung(Grafik& g, const std::vector<std::string>& b, int n, int boden, X x) {
    std::vector<int> reihe = {1, n, (n + 1) / 2};
    for (int k = 10; k < n; k += 10) reihe.push_back(k);
    std::vector<std::pair<int, int>> belegt;  // left and right edge of each placed label
    for (int k : reihe) {
        if (k < 1 || k >= static_cast<int>(b.size()) || b[static_cast<size_t>(k)].empty()) continue;
        const std::string& t = b[static_cast<size_t>(k)];
        // "≤" and "≥" take three bytes but one place.
        const int laenge = static_cast<int>(t.size()) - (t.starts_with("\xE2\x89") ? 2 : 0);
        const int breite = laenge * kZeichen;
        const int mitte = std::clamp((x(k - 1) + x(k)) / 2, breite / 2, g.breite - breite / 2);
        const int l = mitte - breite / 2, r = mitte + breite / 2;
        if (std::any_of(belegt.begin(), belegt.end(),
                        [&](const auto& p) { return l < p.second + 90 && r > p.first - 90; }))
            continue;
        belegt.push_back({l, r});
        g.elemente.push_back(
            Linie(x(k - 1) / 2 + x(k) / 2, boden, x(k - 1) / 2 + x(k) / 2, boden + 45, kSchwarz));
        g.elemente.push_back(Text(mitte, boden + 60, t, kSchwarz, true));
    }
}

void Balken(Grafik& g, const Werte& v, int n, const Grafikwahl& w, float mittel) {
    const auto [r, gr, b] = Farbflags(w.farbe);
    const bool schwarz = r == 0 && gr == 0 && b == 0;
    const Farbe flaeche = schwarz ? Farbe{120, 120, 120} : Farbe{120 * r, 120 * gr, 120 * b};
    const Farbe kante = schwarz ? kWeiss : Farbe{255 * r, 255 * gr, 255 * b};
    const Farbe umriss{200 * r, 200 * gr, 200 * b};

    const int groesster = GroessterWert(v, n), kleinster = KleinsterWert(v, n);
    const bool negativ = kleinster < 0;
    const int bezug = negativ ? std::max(-kleinster, groesster) : groesster;
    const int schritt = Skalenschritt(bezug);
    // Scale values stand in a column left of the bars and row labels in a band below them:
    // over a dark bar neither could be read.
    const size_t zeichen = std::to_string(negativ ? -schritt : schritt).size();
    g.links = 90 + static_cast<int>(zeichen) * kZeichen;
    const int boden = g.hoehe - (w.beschriftung ? kBand : 0);
    const int null = negativ ? (kOben + boden) / 2 : boden - kUnten;
    const double faktor = double(null - kOben) / schritt;
    const double bb = double(g.breite - g.links) / n;
    auto hoehe = [&](double wert) { return static_cast<int>(std::lround(wert * faktor)); };
    auto x = [&](int k) { return g.links + static_cast<int>(std::lround(k * bb)); };

    for (int j = 1; j <= 5; ++j) {
        const int wert = schritt * j / 5;
        for (int s : {1, -1}) {
            if (s < 0 && !negativ) break;
            const int y = null - s * hoehe(wert);
            g.elemente.push_back(Linie(g.links, y, g.breite, y, kGrau));
            g.elemente.push_back(Text(30, y - kZeile / 2, std::to_string(s * wert), kSchwarz));
        }
    }
    for (int k = 10; k < n; k += 10) g.elemente.push_back(Linie(x(k), kOben, x(k), boden, kGrau));
    // Bars: the face, light edges on the left and top (up to three pixels deep), the outline.
    const int tiefe = std::clamp(static_cast<int>(bb / 4 / 15), 0, 3);
    for (int k = 1; k <= n; ++k) {
        const int x1 = x(k - 1);
        const int x2 = std::max(x1 + 15, x(k) - 15);
        const int h = hoehe(v[k]);
        if (h == 0) continue;
        const int y1 = h > 0 ? null - h : null, y2 = h > 0 ? null : null - h;
        g.elemente.push_back(Kasten(x1, y1, x2, y2, flaeche));
        for (int t = 0; t < tiefe && (y2 - y1) > 30 * t; ++t) {
            g.elemente.push_back(Linie(x1 + 15 * t, y1 + 15 * t, x1 + 15 * t, y2, kante));
            g.elemente.push_back(Linie(x1 + 15 * t, y1 + 15 * t, x2, y1 + 15 * t, kante));
        }
        Element rand = Kasten(x1, y1, x2, y2, flaeche);
        rand.rahmen = true;
        rand.randfarbe = umriss;
        rand.gefuellt = false;
        g.elemente.push_back(rand);
    }
    if (w.beschriftung) Zeilenbeschriftung(g, *w.beschriftung, n, boden, x);
    g.elemente.push_back(Linie(g.links, null, g.breite, null, kSchwarz));
    g.elemente.push_back(Linie(g.links, kOben, g.links, boden, kSchwarz));

    if (w.art == 0) {
        if (w.sollwertlinie && w.sollwert) {
            // The target line: the expected value of each row across its bar.
            for (int k = 1; k <= n; ++k) {
                const int y = null - hoehe((*w.sollwert)[k]);
                const int x1 = x(k - 1), x2 = x(k);
                g.elemente.push_back(Linie(x1, y, x2, y, Farbe{0, 140, 0}, 30));
                if (k > 1) {
                    const int yv = null - hoehe((*w.sollwert)[k - 1]);
                    g.elemente.push_back(Linie(x1, yv, x1, y, Farbe{0, 140, 0}, 30));
                }
            }
        } else {
            const int y = null - hoehe(mittel);
            g.elemente.push_back(Linie(g.links, y, g.breite, y, Farbe{0, 0, 160}, 30));
        }
    }
}

void Farbfeld(Grafik& g, const Werte& v, int n, int farbe, float mittel) {
    const auto [r, gr, b] = Farbflags(farbe);
    g.elemente.push_back(Kasten(400, 400, 1200, 850, Farbe{200, 0, 0}));
    g.elemente.back().rahmen = true, g.elemente.back().randfarbe = kWeiss;
    g.elemente.push_back(Kasten(1600, 400, 2400, 850, Farbe{0, 0, 200}));
    g.elemente.back().rahmen = true, g.elemente.back().randfarbe = kWeiss;
    g.elemente.push_back(Text(400, 900, "Minus", kSchwarz));
    g.elemente.push_back(Text(1600, 900, "Plus", kSchwarz));
    const char* const legende[7] = {
        "Je heller die Farbe", "um so größer ist",     "die Abweichung",   "vom Mittelwert !",
        "Die Empfindlichkeit", "ist mit der Farbein-", "stellung wählbar."};
    for (int i = 0; i < 7; ++i)
        g.elemente.push_back(Text(400, 1400 + 240 * i, legende[i], kSchwarz));

    const int S = ((2 - r) * 2 - b) * 64 - gr * 96;
    const double groesster = GroessterWert(v, n), kleinster = KleinsterWert(v, n);
    for (int k = 1; k <= std::min(n, 98); ++k) {
        const int q = (k - 1) / 7 + 1, c = (k - 1) % 7 + 1;
        const int x1 = c * kZelle + kFeldX, y1 = q * kZelle + kFeldY;
        Farbe f = kSchwarz;
        if (v[k] > mittel) {
            const double fak = groesster == mittel ? 0 : std::fabs(S / (groesster - mittel));
            f.b = std::min(
                255, static_cast<int>(std::lround(std::fabs(256 + (v[k] - mittel) * fak - S))));
        } else if (v[k] < mittel) {
            const double fak = kleinster == mittel ? 0 : std::fabs(S / (mittel - kleinster));
            f.r = std::min(
                255, static_cast<int>(std::lround(std::fabs(256 + (mittel - v[k]) * fak - S))));
        }
        Element zelle = Kasten(x1, y1, x1 + kZelle, y1 + kZelle, f);
        zelle.rahmen = true;
        zelle.randfarbe = kWeiss;
        g.elemente.push_back(zelle);
        g.elemente.push_back(Text(x1 + kZelle / 2, y1 + 70, std::to_string(k), kWeiss, true));
    }
}

}  // namespace

Element Kasten(int x1, int y1, int x2, int y2, Farbe f) {
    Element e;
    e.art = Element::Kasten;
    e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2, e.farbe = f;
    return e;
}

Element Linie(int x1, int y1, int x2, int y2, Farbe f, int staerke) {
    Element e;
    e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2, e.farbe = f, e.staerke = staerke;
    return e;
}

Element Text(int x, int y, std::string t, Farbe f, bool mittig, bool fett) {
    Element e;
    e.art = Element::Text;
    e.x1 = x, e.y1 = y, e.text = std::move(t), e.farbe = f, e.mittig = mittig, e.fett = fett;
    return e;
}

std::array<int, 3> Farbflags(int option) {
    static const int t[8][3] = {{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0},
                                {0, 1, 1}, {1, 0, 1}, {1, 1, 0}, {1, 1, 1}};
    const int i = option >= 0 && option <= 7 ? option : 3;
    return {t[i][0], t[i][1], t[i][2]};
}

int Skalenschritt(int r) {
    for (int s : {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000})
        if (s >= r) return s;
    return std::min(31999, (r + 4999) / 5000 * 5000);
}

Grafik LeereGrafik(int breite, int hoehe) {
    Grafik g{breite, hoehe, {}};
    Element t = Text(breite / 2, hoehe / 2 - 120, "Statistik wird mit 'Ermitteln' berechnet",
                     Farbe{0, 0, 127}, true, true);
    g.elemente.push_back(t);
    return g;
}

Grafik GrafikBauen(const Werte& werte, int n, const Grafikwahl& wahl, int breite, int hoehe) {
    Grafik g{breite, hoehe, {}};
    if (n <= 0) return g;
    Werte v = werte;
    float mittel = MittelWert(v, n);
    if (wahl.art == 1 || wahl.art == 2) {
        for (int k = 1; k <= n; ++k) {
            const double d = v[k] - double(mittel);
            v[k] = Klemmen(static_cast<int64_t>(std::nearbyint(wahl.art == 2 ? std::fabs(d) : d)));
        }
    }
    std::string titel;
    if (wahl.art == 3) {
        // The field has fixed cells; a smaller picture is scaled down when painted.
        g.breite = std::max(breite, 5700);
        g.hoehe = std::max(hoehe, 5700);
        Farbfeld(g, v, n, wahl.farbe, mittel);
        titel = "Abweichung vom Mittelwert  (" + Zahl2(mittel) + ")";
    } else {
        Balken(g, v, n, wahl, mittel);
        switch (wahl.art) {
            case 1:
                titel = "Plus/Minus Abweichung vom Mittelwert  (";
                break;
            case 2:
                titel = "Absolute Abweichung vom Mittelwert  (";
                break;
            default:
                titel = wahl.sollwertlinie ? "Balkengrafik mit Sollwertlinie  ("
                                           : "Balkengrafik mit Mittelwertlinie  (";
        }
        titel += Zahl2(mittel) + ")";
    }
    g.elemente.push_back(Text(g.breite / 2, 40, titel, kSchwarz, true));
    return g;
}

int ZeileAnPunkt(const Grafik& g, int art, int n, int x, int y) {
    if (n <= 0 || x < 0) return -1;
    if (art == 3) {
        if (x < kFeldX || y < kFeldY) return -1;
        const int c = (x - kFeldX) / kZelle, q = (y - kFeldY) / kZelle;
        if (c < 1 || c > 7 || q < 1) return -1;
        const int k = (q - 1) * 7 + c;
        return k <= std::min(n, 98) ? k - 1 : -1;
    }
    if (x < g.links) return -1;
    const double bb = double(g.breite - g.links) / n;
    const int k = static_cast<int>((x - g.links) / bb);
    return k < n ? k : n - 1;
}

std::string GrafikAlsSvg(const Grafik& g) {
    auto px = [](int t) { return Zahl2(t / 15.0); };
    auto farbe = [](const Farbe& f) {
        char b[16];
        std::snprintf(b, sizeof b, "#%02x%02x%02x", std::clamp(f.r, 0, 255),
                      std::clamp(f.g, 0, 255), std::clamp(f.b, 0, 255));
        return std::string(b);
    };
    auto maskieren = [](const std::string& s) {
        std::string r;
        for (char c : s) {
            if (c == '&')
                r += "&amp;";
            else if (c == '<')
                r += "&lt;";
            else if (c == '>')
                r += "&gt;";
            else
                r += c;
        }
        return r;
    };
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + px(g.breite) + "\" height=\"" +
         px(g.hoehe) + "\" viewBox=\"0 0 " + px(g.breite) + " " + px(g.hoehe) + "\">\n";
    s += "<rect x=\"0\" y=\"0\" width=\"" + px(g.breite) + "\" height=\"" + px(g.hoehe) +
         "\" fill=\"#ffffff\"/>\n";
    for (const Element& e : g.elemente) {
        switch (e.art) {
            case Element::Kasten: {
                const bool gefuellt = e.gefuellt;
                s += "<rect x=\"" + px(std::min(e.x1, e.x2)) + "\" y=\"" +
                     px(std::min(e.y1, e.y2)) + "\" width=\"" + px(std::abs(e.x2 - e.x1)) +
                     "\" height=\"" + px(std::abs(e.y2 - e.y1)) + "\" fill=\"" +
                     (gefuellt ? farbe(e.farbe) : std::string("none")) + "\"";
                if (e.rahmen) s += " stroke=\"" + farbe(e.randfarbe) + "\" stroke-width=\"1\"";
                s += "/>\n";
                break;
            }
            case Element::Linie:
                s += "<line x1=\"" + px(e.x1) + "\" y1=\"" + px(e.y1) + "\" x2=\"" + px(e.x2) +
                     "\" y2=\"" + px(e.y2) + "\" stroke=\"" + farbe(e.farbe) +
                     "\" stroke-width=\"" + px(e.staerke) + "\"/>\n";
                break;
            case Element::Text:
                // The same text height the window paints: the size in points as 4/3 of its
                // twips, baseline about 0.85 of the height below the anchor.
                s += "<text x=\"" + px(e.x1) + "\" y=\"" +
                     px(e.y1 + e.groesse * 20 * 4 / 3 * 17 / 20) +
                     "\" font-family=\"Arial, sans-serif\" font-size=\"" +
                     px(e.groesse * 20 * 4 / 3) + "px\" fill=\"" + farbe(e.farbe) + "\"" +
                     (e.mittig ? " text-anchor=\"middle\"" : "") +
                     (e.fett ? " font-weight=\"bold\"" : "") + ">" + maskieren(e.text) +
                     "</text>\n";
                break;
        }
    }
    s += "</svg>\n";
    return s;
}

}  // namespace zahlix::statistik
