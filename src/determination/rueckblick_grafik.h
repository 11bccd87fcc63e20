#pragma once
// The back-test's bar graph as drawing primitives (twips, 15 per pixel): the window paints
// it, saves it as PNG, and the command line writes it as SVG.
#include "determination/rueckblick.h"
#include "statistics/statistik_grafik.h"

namespace zahlix {

// Per class (report order) a bar of the proposals' hits beside the expectation for random
// rows with its 95 % span; the scale and value labels as in the statistics graphs.
statistik::Grafik RueckblickGrafik(const RueckblickErgebnis& r, int breite, int hoehe);

}  // namespace zahlix
