#include "app/ui/symbole.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace zahlix::ui {

namespace {

using Maler = std::function<void(QPainter&)>;

// Draws on a 32 x 32 canvas scaled to the requested size and the screen's pixel ratio.
QPixmap Zeichnen(int groesse, const Maler& maler) {
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap bild(QSize(groesse, groesse) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(groesse / 32.0, groesse / 32.0);
    maler(p);
    return bild;
}

QIcon AlsIcon(const Maler& maler) {
    QIcon icon;
    for (int g : {16, 24, 32, 48, 64}) icon.addPixmap(Zeichnen(g, maler));
    return icon;
}

void Kugel(QPainter& p, QPointF mitte, qreal r, QColor farbe) {
    QRadialGradient g(mitte - QPointF(r * 0.35, r * 0.35), r * 1.3);
    g.setColorAt(0, farbe.lighter(160));
    g.setColorAt(0.6, farbe);
    g.setColorAt(1, farbe.darker(140));
    p.setPen(QPen(farbe.darker(170), 0.8));
    p.setBrush(g);
    p.drawEllipse(mitte, r, r);
}

void Beschriftung(QPainter& p, const QRectF& feld, const QString& text, QColor farbe, qreal pt) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(qRound(pt));
    p.setFont(f);
    p.setPen(farbe);
    p.drawText(feld, Qt::AlignCenter, text);
}

// A lottery ball with a short label: the predefined lotteries.
Maler LotterieKugel(QColor farbe, const QString& text,
                    const std::function<void(QPainter&)>& muster = {}) {
    return [=](QPainter& p) {
        Kugel(p, {16, 16}, 14, farbe);
        if (muster) muster(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(QPointF(16, 16), 8.5, 8.5);
        Beschriftung(p, QRectF(6, 6, 20, 20), text, farbe.darker(150), text.size() > 1 ? 9 : 11);
    };
}

Maler Zwischenspeicher() {
    return [](QPainter& p) {
        p.setPen(QPen(QColor(90, 70, 40), 1.2));
        p.setBrush(QColor(196, 150, 92));
        p.drawRoundedRect(QRectF(5, 4, 22, 26), 2.5, 2.5);
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(150, 150, 150), 0.8));
        p.drawRect(QRectF(8, 8, 16, 19));
        p.setPen(QPen(QColor(70, 70, 70), 1.1));
        p.setBrush(QColor(120, 120, 130));
        p.drawRoundedRect(QRectF(11, 2.5, 10, 5), 1.5, 1.5);
        p.setPen(QPen(QColor(60, 90, 160), 1.4));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(10.5, 12 + i * 3.8), QPointF(21.5 - (i % 2) * 4, 12 + i * 3.8));
    };
}

// A ticket grid with a few marked fields.
Maler Lottoschein(bool mitHaken) {
    return [=](QPainter& p) {
        p.setPen(QPen(QColor(170, 40, 40), 1.2));
        p.setBrush(QColor(255, 250, 235));
        p.drawRoundedRect(QRectF(3, 4, 26, 24), 2, 2);
        p.setPen(QPen(QColor(210, 120, 120), 0.7));
        for (int i = 1; i < 4; ++i) {
            p.drawLine(QPointF(3 + i * 6.5, 4), QPointF(3 + i * 6.5, 28));
            p.drawLine(QPointF(3, 4 + i * 6), QPointF(29, 4 + i * 6));
        }
        p.setPen(QPen(QColor(30, 60, 170), 2.0, Qt::SolidLine, Qt::RoundCap));
        for (QPointF z :
             {QPointF(6.2, 7), QPointF(19.2, 13), QPointF(12.7, 19), QPointF(25.7, 25)}) {
            p.drawLine(z + QPointF(-2, -2), z + QPointF(2, 2));
            p.drawLine(z + QPointF(-2, 2), z + QPointF(2, -2));
        }
        if (mitHaken) {
            p.setPen(QPen(QColor(30, 140, 60), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(15, 20), QPointF(20, 26), QPointF(30, 11)}));
        }
    };
}

Maler Drucker() {
    return [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 70), 1.1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 11));
        QLinearGradient g(0, 12, 0, 25);
        g.setColorAt(0, QColor(150, 155, 165));
        g.setColorAt(1, QColor(90, 95, 105));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2.5, 2.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 20, 14, 9));
        p.setPen(QPen(QColor(200, 40, 40), 1.2));
        p.drawLine(QPointF(11, 23.5), QPointF(21, 23.5));
        p.drawLine(QPointF(11, 26.5), QPointF(18, 26.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 220, 90));
        p.drawEllipse(QPointF(25, 16), 1.3, 1.3);
    };
}

Maler Filter() {
    return [](QPainter& p) {
        QPainterPath trichter;
        trichter.moveTo(3, 5);
        trichter.lineTo(29, 5);
        trichter.lineTo(19, 17);
        trichter.lineTo(19, 27);
        trichter.lineTo(13, 30);
        trichter.lineTo(13, 17);
        trichter.closeSubpath();
        QLinearGradient g(3, 0, 29, 0);
        g.setColorAt(0, QColor(70, 130, 210));
        g.setColorAt(1, QColor(30, 80, 160));
        p.setPen(QPen(QColor(20, 50, 110), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(trichter);
    };
}

Maler Programmer() {
    return [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 70), 1.1));
        p.setBrush(QColor(45, 50, 60));
        p.drawRoundedRect(QRectF(2, 5, 28, 22), 3, 3);
        Beschriftung(p, QRectF(2, 5, 28, 22), "</>", QColor(120, 230, 140), 11);
    };
}

Maler Auswertung() {
    return [](QPainter& p) {
        p.setPen(QPen(QColor(70, 70, 80), 1.0));
        p.setBrush(QColor(250, 250, 252));
        p.drawRoundedRect(QRectF(2.5, 3, 27, 26), 2, 2);
        const QColor farben[] = {QColor(220, 60, 50), QColor(240, 170, 30), QColor(60, 150, 220)};
        const qreal hoehe[] = {16, 9, 20};
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(farben[i]);
            p.drawRect(QRectF(6 + i * 7.5, 26 - hoehe[i], 5.5, hoehe[i]));
        }
        p.setPen(QPen(QColor(40, 40, 40), 1.0));
        p.drawLine(QPointF(4.5, 26), QPointF(27.5, 26));
    };
}

}  // namespace

QPixmap MeldungsSymbol(Symbol symbol, int groesse) {
    if (symbol == Symbol::Unveraendert) return {};
    return Zeichnen(groesse, [symbol](QPainter& p) {
        QColor farbe;
        QString zeichen;
        switch (symbol) {
            case Symbol::Kritisch:
                farbe = QColor(200, 40, 40);
                zeichen = QStringLiteral("\u2715");
                break;
            case Symbol::Frage:
                farbe = QColor(40, 110, 200);
                zeichen = "?";
                break;
            case Symbol::Ausruf:
                farbe = QColor(235, 170, 20);
                zeichen = "!";
                break;
            default:
                farbe = QColor(40, 110, 200);
                zeichen = "i";
                break;
        }
        p.setPen(QPen(farbe.darker(130), 1.0));
        p.setBrush(farbe);
        if (symbol == Symbol::Ausruf) {
            QPainterPath dreieck;
            dreieck.moveTo(16, 2.5);
            dreieck.lineTo(30.5, 28.5);
            dreieck.lineTo(1.5, 28.5);
            dreieck.closeSubpath();
            p.drawPath(dreieck);
            Beschriftung(p, QRectF(0, 8, 32, 22), zeichen, QColor(40, 30, 0), 17);
            return;
        }
        p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        if (symbol == Symbol::Kritisch) {
            p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
            p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
            return;
        }
        QFont f = p.font();
        f.setFamily(QStringLiteral("Serif"));
        p.setFont(f);
        Beschriftung(p, QRectF(0, 0, 32, 32), zeichen, Qt::white, 21);
    });
}

QIcon StartSymbol(const QString& taste) {
    if (taste == "Zwischenspeicher") return AlsIcon(Zwischenspeicher());
    if (taste == "Lotto-Auswertung") return AlsIcon(Auswertung());
    if (taste == "System-Auswertung") return AlsIcon(Lottoschein(true));
    if (taste == "Lottoschein-Druck") return AlsIcon(Drucker());
    if (taste == "Systemdatei-Filter") return AlsIcon(Filter());
    if (taste == "Zahlix-Programmer") return AlsIcon(Programmer());
    if (taste == "Samstag") return AlsIcon(LotterieKugel(QColor(220, 150, 0), "Sa"));
    if (taste == "Mittwoch") return AlsIcon(LotterieKugel(QColor(30, 130, 70), "Mi"));
    if (taste == "Auswahl") return AlsIcon(LotterieKugel(QColor(110, 60, 170), "AW"));
    if (taste == "Oesterr") {
        return AlsIcon(LotterieKugel(QColor(200, 30, 45), "A", [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawRect(QRectF(2, 12.5, 28, 7));
        }));
    }
    if (taste == "Schweiz") {
        return AlsIcon([](QPainter& p) {
            Kugel(p, {16, 16}, 14, QColor(215, 25, 32));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(13, 7, 6, 18));
            p.drawRect(QRectF(7, 13, 18, 6));
        });
    }
    return AlsIcon(Lottoschein(false));
}

QIcon ProgrammSymbol() {
    return AlsIcon([](QPainter& p) {
        Kugel(p, {11, 20}, 9.5, QColor(40, 110, 200));
        Kugel(p, {22, 12}, 9.5, QColor(220, 150, 0));
        Beschriftung(p, QRectF(2, 11, 18, 18), "Z", Qt::white, 12);
    });
}

QPixmap LogoBild(int breite, int hoehe) {
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap bild(QSize(breite, hoehe) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor farben[] = {QColor(220, 150, 0), QColor(40, 110, 200), QColor(200, 40, 50),
                             QColor(30, 140, 70), QColor(110, 60, 170), QColor(230, 110, 20)};
    const int zahlen[] = {3, 12, 19, 27, 38, 49};
    const qreal r = std::min(hoehe / 2.0 - 2, breite / 14.0);
    for (int i = 0; i < 6; ++i) {
        const QPointF mitte(breite / 2.0 + (i - 2.5) * r * 2.25,
                            hoehe / 2.0 + ((i % 2) ? r * 0.25 : -r * 0.25));
        Kugel(p, mitte, r, farben[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 240));
        p.drawEllipse(mitte, r * 0.58, r * 0.58);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(qMax(6, qRound(r * 0.7)));
        p.setFont(f);
        p.setPen(farben[i].darker(160));
        p.drawText(QRectF(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                   QString::number(zahlen[i]));
    }
    return bild;
}

}  // namespace zahlix::ui
