#pragma once
// The five graph kinds of the statistics window as drawing primitives in twips (15 per
// pixel): filled boxes, lines and texts with their colours. The window paints them with its
// painter, the command line writes them as SVG.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "statistics/statistik_listen.h"

namespace zahlix::statistik {

struct Farbe {
    int r = 0, g = 0, b = 0;
    bool operator==(const Farbe&) const = default;
};

struct Element {
    enum Art { Kasten, Linie, Text };
    Art art = Linie;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Kasten: corners; Linie: ends; Text: anchor
    Farbe farbe;                         // fill, line or text colour
    bool gefuellt = true;                // Kasten: filled with `farbe`
    bool rahmen = false;                 // Kasten: outlined in `randfarbe`
    Farbe randfarbe;
    int staerke = 15;  // line width
    std::string text;  // UTF-8
    bool fett = false;
    bool mittig = false;  // Text: x1 is the centre (else the left edge)
    int groesse = 8;      // Text: points
};

struct Grafik {
    int breite = 0, hoehe = 0;
    std::vector<Element> elemente;
    int links = 0;  // bars: their left edge, right of the scale values
};

// The three kinds of element, for other graphs drawn with the same primitives.
Element Kasten(int x1, int y1, int x2, int y2, Farbe f);
Element Linie(int x1, int y1, int x2, int y2, Farbe f, int staerke = 15);
Element Text(int x, int y, std::string t, Farbe f, bool mittig = false, bool fett = false);

// The colour option 0..7 as r, g, b flags (0 or 1).
std::array<int, 3> Farbflags(int option);

// The scale step for a reference r: the first of 10, 20, 50, ..., 10000 that is at least r;
// above 10000 the next multiple of 5000, never above 31999.
int Skalenschritt(int r);

struct Grafikwahl {
    int art = 0;                 // 0 bars with mean line, 1 plus/minus, 2 absolute, 3 colour field
    int farbe = 3;               // colour option 0..7
    bool sollwertlinie = false;  // option 4 with Istwert in plain order: bars with target line
    const std::array<float, kZeilen + 1>* sollwert = nullptr;  // the target line's values
    // Row labels in the order drawn (element 0 unused); bars then get labels below them.
    const std::vector<std::string>* beschriftung = nullptr;
};

// The graph of values[1..n]; n = 0 gives an empty picture.
Grafik GrafikBauen(const Werte& werte, int n, const Grafikwahl& wahl, int breite, int hoehe);
// The cleared picture with the prompt "Statistik wird mit 'Ermitteln' berechnet".
Grafik LeereGrafik(int breite, int hoehe);

// The list row (0-based) of the value under the point of g, or -1 where there is none.
int ZeileAnPunkt(const Grafik& g, int art, int n, int x, int y);

// The graph as an SVG document (one pixel per 15 twips).
std::string GrafikAlsSvg(const Grafik& g);

}  // namespace zahlix::statistik
