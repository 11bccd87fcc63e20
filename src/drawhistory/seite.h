#pragma once
// One page of the draw history display: up to 20 text lines under the heading, the strip
// graphic (one row of 49 cells per draw of the page) and the 7 x 7 number field of the page's
// top draw. The graphics are primitives in units of 1/15 pixel (twips), painted by the window.
#include <array>
#include <string>
#include <vector>

#include "core/lottodatei.h"
#include "drawhistory/ziehungszeile.h"

namespace zahlix {

inline constexpr int kSeitenZiehungen = 20;
inline constexpr int kZellenmass = 178;  // width and height of a graphic cell in units
inline constexpr int kBlaetterSchritt = 10;

// Colours of the 16-colour palette the graphics use.
inline constexpr int kSchwarz = 0, kGrau = 8, kHellblau = 9, kHellrot = 12;

// Bonus-number view oZusatzzahl: "&Ohne", "&Mit", "&Nur".
enum class Zusatzansicht { Ohne = 0, Mit = 1, Nur = 2 };

struct Grafikwahl {
    Zusatzansicht zusatz = Zusatzansicht::Ohne;
    bool einfarbig = false;  // kGrafikfarbe: every mark black
};

struct Linie {
    int x1, y1, x2, y2;
    int farbe;
};
// Text whose cell has its top left corner at x, y.
struct Beschriftung {
    int x, y;
    int farbe;
    std::string text;
};
struct Zeichnung {
    int breite = 0, hoehe = 0;
    std::vector<Linie> linien;
    std::vector<Beschriftung> texte;
};

struct Seite {
    std::vector<std::string> zeilen;  // the heading, then one line per draw
    Zeichnung streifen;               // 20 x 49 cells
    Zeichnung zahlenfeld;             // 7 x 7 cells
    int oben = -1;                    // index of the page's top draw, -1 for an empty page
};

// The page whose top draw is the (position+1)-th shown draw; past the end the page holds the
// heading only.
Seite SeiteBerechnen(const Lottodatei& d, const Zeilenwahl& z, const Grafikwahl& g, int position);

// Marks of a draw per number 1..49 (index 0 unused): -1 a drawn number, -8 the bonus number,
// 1 any mark when einfarbig, 0 none. A bonus outside 1..groessteZahl is not marked.
std::array<int, 50> Marken(const Bitworte& w, const Grafikwahl& g, int groessteZahl);
// Palette colour of a mark on number z: bonus light blue, odd light red, even black.
int Markenfarbe(int z, int marke);

// The largest scroll position: shown draws - 1, at least 0.
int BildlaufMaximum(const Lottodatei& d, bool alle);

// The paging keys: Bild auf/ab by 10, Pos1, Ende, and the arrows by 1.
enum class Blaettern { SeiteZurueck, SeiteVor, Anfang, Ende, Zurueck, Vor };
int Geblaettert(int position, Blaettern b, int maximum);

}  // namespace zahlix
