#pragma once
// bdGrafik: paints the drawing primitives of a statistics graph. Dragging with the left button
// reports the point in twips; the pop-up menu copies the picture or saves it as PNG.
#include <QImage>
#include <QWidget>
#include <functional>

#include "statistics/statistik_grafik.h"

namespace zahlix::ui {

// Paints g at one pixel per 15 twips.
void GrafikMalen(QPainter& p, const statistik::Grafik& g);
// The graph as a picture of its own size, or scaled to `breite` pixels.
QImage GrafikBild(const statistik::Grafik& g, int breite = 0);

class GrafikFlaeche : public QWidget {
    Q_OBJECT
  public:
    explicit GrafikFlaeche(QWidget* eltern = nullptr);
    void Setzen(statistik::Grafik g);
    // Builds the graph anew for a picture of so many pixels; "Grafik speichern…" asks it for
    // one at least 1600 pixels wide instead of enlarging the one on screen.
    void NeuBauenSetzen(std::function<statistik::Grafik(int breite, int hoehe)> f) {
        neuBauen_ = std::move(f);
    }
    const statistik::Grafik& Grafik() const { return grafik_; }
    // The pop-up commands.
    void Kopieren();
    void Speichern();

  signals:
    void Gezogen(int xTwips, int yTwips);
    void GroesseGeaendert();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

  private:
    double Massstab() const;  // below 1 when the graph is larger than the picture
    statistik::Grafik grafik_;
    std::function<statistik::Grafik(int, int)> neuBauen_;
};

}  // namespace zahlix::ui
