#include "drawhistory/ui/ziehungen_grafik.h"

#include <QPainter>
#include <algorithm>

#include "output/ui/editorhilfe.h"

namespace zahlix::ui {

namespace {
constexpr double kEinheitenJePixel = 15.0;
}

QColor Palettenfarbe(int index) {
    static const QRgb kPalette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                      0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                      0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return QColor(kPalette[std::clamp(index, 0, 15)]);
}

Zeilenflaeche::Zeilenflaeche(QWidget* eltern) : QWidget(eltern) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void Zeilenflaeche::Setzen(const std::vector<std::string>& zeilen) {
    zeilen_.clear();
    for (const std::string& z : zeilen) zeilen_ << QString::fromStdString(z);
    update();
}

void Zeilenflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont f = Festbreitenschrift(9);
    // A page is the heading and 20 draws; shrink the font rather than cut draws off.
    const int zeilen = kSeitenZiehungen + 1;
    // The row picture makes the lines longer; they shrink to the width as well.
    qsizetype laengste = 0;
    for (const QString& z : zeilen_) laengste = std::max(laengste, z.size());
    const QString muster(laengste, QLatin1Char('0'));
    for (int px = 12; px >= 7; --px) {
        f.setPixelSize(px);
        const QFontMetrics m(f);
        if (m.lineSpacing() * zeilen <= height() - 6 && m.horizontalAdvance(muster) <= width() - 8)
            break;
    }
    p.setFont(f);
    const int hoehe = QFontMetrics(f).lineSpacing();
    p.setPen(Palettenfarbe(kSchwarz));
    int y = 3 + QFontMetrics(f).ascent();
    for (const QString& z : zeilen_) {
        p.drawText(4, y, z);
        y += hoehe;
    }
}

Zeichenflaeche::Zeichenflaeche(QWidget* eltern) : QWidget(eltern) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void Zeichenflaeche::Setzen(Zeichnung z) {
    z_ = std::move(z);
    update();
}

void Zeichenflaeche::Malen(QPainter& p, double sx, double sy) const {
    for (const Linie& l : z_.linien) {
        p.setPen(QPen(Palettenfarbe(l.farbe), 0));
        p.drawLine(QPointF(l.x1 * sx, l.y1 * sy), QPointF(l.x2 * sx, l.y2 * sy));
    }
    QFont f = Festbreitenschrift(8);
    const double zelleX = kZellenmass * sx, zelleY = kZellenmass * sy;
    f.setPixelSize(std::max(5, static_cast<int>(std::min(zelleX * 0.62, zelleY * 0.8))));
    f.setBold(true);
    p.setFont(f);
    for (const Beschriftung& b : z_.texte) {
        p.setPen(Palettenfarbe(b.farbe));
        p.drawText(QRectF(b.x * sx, b.y * sy, zelleX, zelleY), Qt::AlignCenter,
                   QString::fromStdString(b.text).trimmed());
    }
}

void Zeichenflaeche::paintEvent(QPaintEvent*) {
    if (z_.breite <= 0 || z_.hoehe <= 0) return;
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The width always fits; the height follows the widget, so the short graphic still
    // shows all rows of the page, only flatter.
    const double sx = (width() - 1) / static_cast<double>(z_.breite);
    const double sy = (height() - 1) / static_cast<double>(z_.hoehe);
    Malen(p, sx, sy);
}

QImage Zeichenflaeche::Bild() const {
    const double s = 1.0 / kEinheitenJePixel;
    QImage bild(static_cast<int>(z_.breite * s) + 1, static_cast<int>(z_.hoehe * s) + 1,
                QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    Malen(p, s, s);
    return bild;
}

}  // namespace zahlix::ui
