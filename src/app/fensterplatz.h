#pragma once
// Placement of child windows and of the main frame. The layout rules count in twips; the
// screen counts in pixels at 15 twips per pixel.
namespace zahlix {

constexpr int kTwipsProPixel = 15;
constexpr int kKaskadenschritt = 330;  // twips between two cascaded child windows

// Rounds to the nearest pixel (negative values round towards minus infinity).
int TwipsZuPixel(int twips);
constexpr int PixelZuTwips(int pixel) {
    return pixel * kTwipsProPixel;
}

// Cascade count for a frame whose inner height is given in twips: (h - 9000) div 330 + 1,
// at least 1.
int KaskadeBerechnen(int innenhoeheTwips);

// Left and top offset in twips of the next child window: (placements so far mod cascade
// count) * 330. Counts the placement in Programm().
int NaechstePositionTwips();

// Frame position in twips: centred, with 360 twips more room on the right; never negative.
int RahmenLinks(int bildschirmBreite, int rahmenBreite);
int RahmenOben(int bildschirmHoehe, int rahmenHoehe);

}  // namespace zahlix
