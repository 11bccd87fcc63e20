#pragma once
// The painted parts of the draw history window: the text area with the page's lines and the
// two graphics (strip and number field), each drawn from the primitives the logic computed.
#include <QImage>
#include <QStringList>
#include <QWidget>

#include "drawhistory/seite.h"

namespace zahlix::ui {

// A colour of the 16-colour palette (0..15).
QColor Palettenfarbe(int index);

// bdReihen: the heading in the first line, the draws below, monospaced; the font shrinks so
// that a whole page fits the height.
class Zeilenflaeche : public QWidget {
    Q_OBJECT
  public:
    explicit Zeilenflaeche(QWidget* eltern = nullptr);
    void Setzen(const std::vector<std::string>& zeilen);
    const QStringList& Zeilen() const { return zeilen_; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QStringList zeilen_;
};

// bdZiehungen and bdZahlenfeld: a Zeichnung scaled to the widget, texts centred in their cell.
class Zeichenflaeche : public QWidget {
    Q_OBJECT
  public:
    explicit Zeichenflaeche(QWidget* eltern = nullptr);
    void Setzen(Zeichnung z);
    const Zeichnung& Inhalt() const { return z_; }
    // The drawing at its own size (15 units a pixel), for the frame's "Kopieren".
    QImage Bild() const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    void Malen(QPainter& p, double sx, double sy) const;
    Zeichnung z_;
};

}  // namespace zahlix::ui
