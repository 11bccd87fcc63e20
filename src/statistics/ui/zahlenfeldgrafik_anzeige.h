#pragma once
// Applies the number-field graphic chosen in the evaluation window's pop-up "Zahlenfeldgrafik"
// (its checked mGrafik_<i> entry, the sliders hbBarometer_0..2) to the grid buttons kZahl_<i>:
// background colours, a tool tip per number and the legend under the window's Quick-Info.
// "Ohne Statistik" restores the plain grid.
class QWidget;

namespace zahlix {
struct Lottodatei;
}

namespace zahlix::ui {

void ZahlenfeldgrafikAktualisieren(QWidget* fenster, const Lottodatei& d);

}  // namespace zahlix::ui
