#include "evaluation/ui/zahlenbilder.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zahlix::ui {

QPixmap Zahlbild(int zahl, int satz, int groesse) {
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 1.5, groesse - 3.0, groesse - 3.0);
    // Resting balls are warm yellow, pressed ones deep blue; both lit from the top left.
    const QColor hell = satz == 0 ? QColor(255, 246, 196) : QColor(120, 150, 255);
    const QColor dunkel = satz == 0 ? QColor(230, 170, 30) : QColor(0, 0, 159);
    QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.75);
    g.setColorAt(0, hell);
    g.setColorAt(1, dunkel);
    p.setBrush(g);
    p.setPen(QPen(dunkel.darker(130), 1));
    p.drawEllipse(r);
    const double innen = r.width() * 0.56;
    const QRectF kreis(r.center().x() - innen / 2, r.center().y() - innen / 2, innen, innen);
    p.setBrush(QColor(255, 255, 255, satz == 0 ? 235 : 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(kreis);
    QFont f;
    f.setBold(true);
    f.setPixelSize(std::max(7, static_cast<int>(innen * 0.62)));
    p.setFont(f);
    p.setPen(satz == 0 ? QColor(40, 40, 40) : Qt::white);
    p.drawText(kreis, Qt::AlignCenter, QString::number(zahl));
    return bild;
}

namespace {

void Blatt(QPainter& p, const QColor& rand) {
    QPainterPath blatt;
    blatt.moveTo(5, 2);
    blatt.lineTo(15, 2);
    blatt.lineTo(19, 6);
    blatt.lineTo(19, 22);
    blatt.lineTo(5, 22);
    blatt.closeSubpath();
    p.setPen(QPen(rand, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(blatt);
    p.drawLine(QPointF(15, 2), QPointF(15, 6));
    p.drawLine(QPointF(15, 6), QPointF(19, 6));
}

void Zeichnen(QPainter& p, int i) {
    const QColor blau(30, 90, 180), grau(90, 96, 110);
    switch (i) {
        case 0:  // folder
            p.setPen(QPen(QColor(170, 120, 20), 1.2));
            p.setBrush(QColor(250, 200, 80));
            p.drawRoundedRect(QRectF(2, 7, 20, 14), 2, 2);
            p.drawRoundedRect(QRectF(2, 4, 8, 5), 1.5, 1.5);
            break;
        case 1:  // disk
            p.setPen(QPen(blau.darker(140), 1.2));
            p.setBrush(blau);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 3, 10, 7));
            p.setBrush(QColor(220, 225, 235));
            p.drawRect(QRectF(6, 14, 12, 7));
            break;
        case 2:  // printer
            p.setPen(QPen(grau, 1.2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 2, 10, 8));
            p.setBrush(QColor(200, 205, 215));
            p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 15, 10, 7));
            break;
        case 3:  // cross
            p.setPen(QPen(QColor(200, 40, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 6), QPointF(18, 18));
            p.drawLine(QPointF(18, 6), QPointF(6, 18));
            break;
        case 4:  // range brackets over a calendar line
            p.setPen(QPen(grau, 1.2));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(2, 4, 20, 17), 2, 2);
            p.setBrush(QColor(200, 60, 60));
            p.drawRect(QRectF(2, 4, 20, 4));
            p.setPen(QPen(blau, 2));
            p.drawLine(QPointF(6, 14), QPointF(18, 14));
            p.drawLine(QPointF(6, 11), QPointF(6, 17));
            p.drawLine(QPointF(18, 11), QPointF(18, 17));
            break;
        case 5: {  // pencil on a sheet
            Blatt(p, grau);
            p.setPen(QPen(QColor(170, 110, 20), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 18), QPointF(20, 7));
            break;
        }
        case 6:  // bars
            p.setPen(Qt::NoPen);
            p.setBrush(blau);
            p.drawRect(QRectF(3, 12, 4, 9));
            p.setBrush(QColor(40, 150, 90));
            p.drawRect(QRectF(10, 5, 4, 16));
            p.setBrush(QColor(220, 140, 30));
            p.drawRect(QRectF(17, 9, 4, 12));
            p.setPen(QPen(grau, 1.2));
            p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
            break;
        case 7:  // magnifier
            p.setPen(QPen(grau, 2.4));
            p.setBrush(QColor(210, 230, 250));
            p.drawEllipse(QRectF(3, 3, 12, 12));
            p.setPen(QPen(grau, 3.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(14, 14), QPointF(20, 20));
            break;
        default: {  // new sheet with a star
            Blatt(p, grau);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(240, 180, 20));
            p.drawEllipse(QPointF(17, 17), 4.5, 4.5);
            break;
        }
    }
}

}  // namespace

QIcon ToolbarSymbol(int i) {
    QIcon icon;
    for (int groesse : {24, 48}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(groesse / 24.0, groesse / 24.0);
        Zeichnen(p, i);
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

}  // namespace zahlix::ui
