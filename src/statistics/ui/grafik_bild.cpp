#include "statistics/ui/grafik_bild.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <filesystem>

#include "app/port.h"
#include "app/ui/fenster.h"
#include "core/atomare_datei.h"

namespace zahlix::ui {

namespace {

QColor Farbe(const statistik::Farbe& f) {
    return QColor(std::clamp(f.r, 0, 255), std::clamp(f.g, 0, 255), std::clamp(f.b, 0, 255));
}

}  // namespace

void GrafikMalen(QPainter& p, const statistik::Grafik& g) {
    p.save();
    p.scale(1.0 / 15, 1.0 / 15);
    p.fillRect(QRect(0, 0, g.breite, g.hoehe), Qt::white);
    for (const statistik::Element& e : g.elemente) {
        switch (e.art) {
            case statistik::Element::Kasten: {
                const QRect r = QRect(QPoint(e.x1, e.y1), QPoint(e.x2, e.y2)).normalized();
                if (e.gefuellt) p.fillRect(r, Farbe(e.farbe));
                if (e.rahmen) {
                    p.setPen(QPen(Farbe(e.randfarbe), 15));
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(r);
                }
                break;
            }
            case statistik::Element::Linie:
                p.setPen(QPen(Farbe(e.farbe), e.staerke, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(e.x1, e.y1, e.x2, e.y2);
                break;
            case statistik::Element::Text: {
                QFont f = p.font();
                f.setPixelSize(e.groesse * 20 * 4 / 3);  // points to twips at 96 dpi
                f.setBold(e.fett);
                p.setFont(f);
                p.setPen(Farbe(e.farbe));
                const QString t = QString::fromStdString(e.text);
                const int breite = 20000;
                const QRect r = e.mittig ? QRect(e.x1 - breite / 2, e.y1, breite, 600)
                                         : QRect(e.x1, e.y1, breite, 600);
                p.drawText(r, (e.mittig ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop, t);
                break;
            }
        }
    }
    p.restore();
}

QImage GrafikBild(const statistik::Grafik& g, int breite) {
    const double f = breite > 0 && g.breite > 0 ? breite * 15.0 / g.breite : 1.0;
    QImage bild(std::max(1, static_cast<int>(g.breite * f / 15)),
                std::max(1, static_cast<int>(g.hoehe * f / 15)), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(f, f);
    GrafikMalen(p, g);
    return bild;
}

GrafikFlaeche::GrafikFlaeche(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("bdGrafik"));
    setMinimumSize(300, 280);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GrafikFlaeche::Setzen(statistik::Grafik g) {
    grafik_ = std::move(g);
    update();
}

void GrafikFlaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    // A graph larger than the picture (the colour field's fixed cells) is scaled to fit.
    const double f = Massstab();
    p.scale(f, f);
    GrafikMalen(p, grafik_);
}

double GrafikFlaeche::Massstab() const {
    if (grafik_.breite <= 0 || grafik_.hoehe <= 0) return 1.0;
    return std::min({1.0, width() * 15.0 / grafik_.breite, height() * 15.0 / grafik_.hoehe});
}

void GrafikFlaeche::mousePressEvent(QMouseEvent* e) {
    mouseMoveEvent(e);
}

void GrafikFlaeche::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    const double f = 15.0 / Massstab();
    emit Gezogen(static_cast<int>(e->position().x() * f), static_cast<int>(e->position().y() * f));
}

void GrafikFlaeche::resizeEvent(QResizeEvent*) {
    emit GroesseGeaendert();
}

void GrafikFlaeche::contextMenuEvent(QContextMenuEvent* e) {
    QMenu m(this);
    m.setObjectName(QStringLiteral("mGrafik"));
    QAction* kopieren = m.addAction(QStringLiteral("Grafik kopieren"));
    kopieren->setObjectName(QStringLiteral("mGrafikKopieren"));
    QAction* speichern = m.addAction(QStringLiteral("Grafik speichern…"));
    speichern->setObjectName(QStringLiteral("mGrafikSpeichern"));
    QAction* a = m.exec(e->globalPos());
    if (a == kopieren) Kopieren();
    if (a == speichern) Speichern();
}

void GrafikFlaeche::Kopieren() {
    const QImage bild = GrafikBild(grafik_);
    GemeinsamesBildSetzen(bild);
    if (QClipboard* c = QApplication::clipboard()) c->setImage(bild);
}

void GrafikFlaeche::Speichern() {
    std::string name = DateiAuswaehlen("*.PNG", "Grafik speichern");
    if (name.empty()) return;
    if (QFileInfo(QString::fromStdString(name))
            .suffix()
            .compare(QStringLiteral("png"), Qt::CaseInsensitive) != 0)
        name += ".PNG";
    std::error_code ec;
    if (std::filesystem::exists(PfadVonName(name), ec) &&
        Meldung("Die Datei " + name + " gibt es schon. Soll sie ersetzt werden?",
                flags::Frage | flags::JaNein | flags::Zweiter, "Grafik speichern") != kJa)
        return;
    // Encoded first and written whole, so a failed save leaves an existing file as it was.
    const int breite = std::max(1600, width());
    const int hoehe = std::clamp(breite * height() / std::max(1, width()), 900, 1600);
    const QImage bild = GrafikBild(neuBauen_ ? neuBauen_(breite, hoehe) : grafik_, breite);
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    std::string fehler;
    if (!bild.save(&puffer, "PNG"))
        fehler = "Die Grafik konnte nicht als PNG umgewandelt werden.";
    else
        DateiAtomarSchreiben(PfadVonName(name), std::string_view(png.constData(), png.size()),
                             fehler);
    if (!fehler.empty()) Meldung(fehler, flags::Kritisch, "Grafik speichern");
}

}  // namespace zahlix::ui
