#include "output/ui/seite_malen.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "app/port.h"

namespace zahlix::ui {

namespace {

QColor Farbe(uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

}  // namespace

void SeiteMalen(QPainter& p, const Zeichenseite& s, const QRectF& ziel) {
    const double kx = ziel.width() / s.breite, ky = ziel.height() / s.hoehe;
    auto punkt = [&](double x, double y) { return QPointF(ziel.x() + x * kx, ziel.y() + y * ky); };
    auto stift = [&](double staerke, uint32_t farbe) {
        QPen pen(Farbe(farbe), std::max(staerke * kx, 0.5));
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(ziel, Qt::white);
    for (const Zeichenrechteck& r : s.rechtecke) {
        const QRectF q(punkt(r.x, r.y), punkt(r.x + r.breite, r.y + r.hoehe));
        if (r.fuellung) p.fillRect(q, Farbe(*r.fuellung));
        if (r.staerke <= 0) continue;
        p.setPen(stift(r.staerke, r.farbe));
        p.setBrush(Qt::NoBrush);
        p.drawRect(q);
    }
    for (const Zeichenlinie& l : s.linien) {
        p.setPen(stift(l.staerke, l.farbe));
        p.drawLine(punkt(l.x1, l.y1), punkt(l.x2, l.y2));
    }
    QFont schrift(QStringLiteral("Helvetica"));
    schrift.setStyleHint(QFont::SansSerif);
    for (const Zeichentext& t : s.texte) {
        // Points are 1/72 inch, the page is in millimetres.
        schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(t.punkt * 25.4 / 72 * ky))));
        schrift.setBold(t.fett);
        p.setFont(schrift);
        p.setPen(Farbe(t.farbe));
        const QString text = QString::fromStdString(t.text);
        QPointF a = punkt(t.x, t.y);
        const double breite = QFontMetricsF(schrift, p.device()).horizontalAdvance(text);
        if (t.ausrichtung == Ausrichtung::Mitte) a.rx() -= breite / 2;
        if (t.ausrichtung == Ausrichtung::Rechts) a.rx() -= breite;
        p.drawText(a, text);
    }
    p.restore();
}

bool SeitenDrucken(QPrinter& drucker, std::span<const Zeichenseite> seiten) {
    drucker.setFullPage(true);
    QPainter p;
    if (!p.begin(&drucker)) return false;
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        if (i > 0) drucker.newPage();
        SeiteMalen(p, seiten[i], drucker.pageLayout().fullRectPixels(drucker.resolution()));
        EreignissePumpen();
    }
    return p.end();
}

}  // namespace zahlix::ui
