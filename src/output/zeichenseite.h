#pragma once
// A printed page as drawing primitives, in millimetres from the top left corner, so the same
// page goes to the screen, a printer (QPainter) and a PDF file (pdf.h) without a window
// library in the logic. Colours are 0xRRGGBB.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zahlix {

struct Zeichenlinie {
    double x1, y1, x2, y2;
    double staerke;
    uint32_t farbe;
};

struct Zeichenrechteck {
    double x, y, breite, hoehe;
    double staerke;  // of the frame; 0 draws none
    uint32_t farbe;
    std::optional<uint32_t> fuellung;
};

enum class Ausrichtung { Links, Mitte, Rechts };

// A line of text in Helvetica (a sans-serif face on the screen) at `punkt` points; y is the
// baseline, x the left end, the middle or the right end as `ausrichtung` says. UTF-8.
struct Zeichentext {
    double x, y;
    double punkt;
    std::string text;
    bool fett = false;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    uint32_t farbe = 0;
};

struct Zeichenseite {
    double breite = 210, hoehe = 297;        // A4 portrait
    std::vector<Zeichenrechteck> rechtecke;  // drawn first
    std::vector<Zeichenlinie> linien;
    std::vector<Zeichentext> texte;
};

}  // namespace zahlix
