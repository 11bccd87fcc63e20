#include "evaluation/ui/trefferliste_widget.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QPainter>
#include <QWheelEvent>

namespace zahlix::ui {

namespace {
constexpr double kZeilenhoehe = 250.0 / 15.0;  // 250 twips per line, 15 twips per pixel
constexpr int kRand = 4;
}  // namespace

TrefferlisteWidget::TrefferlisteWidget(QWidget* eltern) : QWidget(eltern) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(13);
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPixelSize(13);
    }
    setFont(f);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(320, 120);
}

int TrefferlisteWidget::SichtbareZeilen() const {
    const int innen = std::max(0, height() - 2 * kRand);
    return innen * 15 / 250;
}

void TrefferlisteWidget::ZeilenSetzen(std::vector<Textzeile> zeilen) {
    zeilen_ = std::move(zeilen);
    update();
}

void TrefferlisteWidget::Leeren() {
    if (zeilen_.empty()) return;
    zeilen_.clear();
    update();
}

QString TrefferlisteWidget::ZeilenText(size_t i) const {
    QString s;
    if (i < zeilen_.size())
        for (const Textstueck& t : zeilen_[i]) s += t.text;
    return s;
}

void TrefferlisteWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(190, 196, 206));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(font());
    const QFontMetrics fm(font());
    const int basis = static_cast<int>((kZeilenhoehe + fm.ascent() - fm.descent()) / 2.0);
    for (size_t z = 0; z < zeilen_.size(); ++z) {
        const int y = kRand + static_cast<int>(z * kZeilenhoehe) + basis;
        if (y - fm.ascent() > height()) break;
        // Alternate rows get a faint band so long lists stay readable.
        if (z % 2 == 1)
            p.fillRect(QRect(1, kRand + static_cast<int>(z * kZeilenhoehe), width() - 2,
                             static_cast<int>(kZeilenhoehe)),
                       QColor(244, 247, 252));
        int x = kRand + 2;
        for (const Textstueck& t : zeilen_[z]) {
            p.setPen(t.farbe);
            p.drawText(x, y, t.text);
            x += fm.horizontalAdvance(t.text);
        }
    }
}

void TrefferlisteWidget::wheelEvent(QWheelEvent* e) {
    radRest_ += e->angleDelta().y();
    const int schritte = radRest_ / 40;  // three lines per notch
    radRest_ -= schritte * 40;
    if (schritte != 0) emit Gerollt(-schritte);
    e->accept();
}

void TrefferlisteWidget::contextMenuEvent(QContextMenuEvent* e) {
    emit KontextmenueGewuenscht(e->globalPos());
    e->accept();
}

void TrefferlisteWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    emit GroesseGeaendert();
}

}  // namespace zahlix::ui
