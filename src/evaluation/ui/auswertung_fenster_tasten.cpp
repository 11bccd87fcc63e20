// Keyboard, mouse pop-ups, the grid's bulk changes, the animation and the combination number.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <random>

#include "app/ui/fenster.h"
#include "evaluation/kombinr_eingabe.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "evaluation/ui/kombinr_dialog.h"
#include "evaluation/ui/zahlenbilder.h"

namespace zahlix::ui {

namespace {

std::mt19937& Zufall() {
    static std::mt19937 g{std::random_device{}()};
    return g;
}

}  // namespace

bool AuswertungFenster::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        // Keys reach the window before its controls, but only its own keys.
        auto* w = qobject_cast<QWidget*>(o);
        if (w && (w == this || isAncestorOf(w)) && TasteVerarbeiten(static_cast<QKeyEvent*>(e)))
            return true;
        return false;
    }
    if (e->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(o, e);
    auto* m = static_cast<QMouseEvent*>(e);
    for (int i = 0; i < 24; ++i) {
        if (o != bzTreffer_[static_cast<size_t>(i)]) continue;
        if (m->button() == Qt::RightButton)
            mZeigen_->popup(m->globalPosition().toPoint());
        else if (m->button() == Qt::LeftButton)
            ZaehlerTitelGeklickt(i);
        return true;
    }
    if (o == bzHilfe_ && m->button() == Qt::RightButton) {
        HilfeMenue()->popup(m->globalPosition().toPoint());
        return true;
    }
    for (int i = 0; i < 4; ++i)
        if (o == bzFarbfeld_[static_cast<size_t>(i)] && m->button() == Qt::LeftButton) {
            FarbfeldGeklickt(i);
            return true;
        }
    return QWidget::eventFilter(o, e);
}

void AuswertungFenster::keyPressEvent(QKeyEvent* e) {
    if (!TasteVerarbeiten(e)) QWidget::keyPressEvent(e);
}

bool AuswertungFenster::TasteVerarbeiten(QKeyEvent* k) {
    if (Beschaeftigt()) return false;
    const bool strg = k->modifiers() & Qt::ControlModifier;
    const int n = daten_->GroessteZahl;
    if (strg) {
        std::optional<Verschiebung> v;
        switch (k->key()) {
            case Qt::Key_Left:
                v = Verschiebung::Links;
                break;
            case Qt::Key_Right:
                v = Verschiebung::Rechts;
                break;
            case Qt::Key_Up:
                v = Verschiebung::Hoch;
                break;
            case Qt::Key_Down:
                v = Verschiebung::Runter;
                break;
            case Qt::Key_Plus:
                v = Verschiebung::Plus;
                break;
            case Qt::Key_Minus:
                v = Verschiebung::Minus;
                break;
            default:
                return false;
        }
        RasterSchreiben(Verschieben(RasterLesen(), *v, n));
        return true;
    }
    if (k->modifiers() & Qt::AltModifier) return false;
    switch (k->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            ZahlenauswahlLoeschen();
            return true;
        case Qt::Key_PageUp:
            ListeBlaettern(-10);
            return true;
        case Qt::Key_PageDown:
            ListeBlaettern(10);
            return true;
        case Qt::Key_Home:
            ListeBlaettern(0, true);
            return true;
        case Qt::Key_End:
            ListeBlaettern(vbTreffer_->maximum(), true);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            ListeBlaettern(-1);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            ListeBlaettern(1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            KombinationAnzeigen();
            return true;
        default:
            break;
    }
    if (k->key() >= Qt::Key_0 && k->key() <= Qt::Key_9) {
        ZiffernAktion(ziffern_.Ziffer(k->key() - Qt::Key_0, n));
        return true;
    }
    return false;
}

void AuswertungFenster::ZiffernAktion(ZweiZiffernEingabe::Aktion a) {
    switch (a) {
        case ZweiZiffernEingabe::Aktion::Warten:
            StatusZeigen(QString::fromStdString(ziffern_.Status()));
            zeit_->start();
            return;
        case ZweiZiffernEingabe::Aktion::Umschalten:
            zeit_->stop();
            // A click, so the button's own handler evaluates.
            kZahl_[static_cast<size_t>(ziffern_.Zahl() - 1)]->click();
            return;
        case ZweiZiffernEingabe::Aktion::Auswerten:
            zeit_->stop();
            AuswertenAutomatisch();
            return;
    }
}

Rasterzustand AuswertungFenster::RasterLesen() const {
    Rasterzustand r{};
    for (int i = 0; i < 49; ++i)
        r[static_cast<size_t>(i)] = kZahl_[static_cast<size_t>(i)]->isChecked();
    return r;
}

void AuswertungFenster::RasterSchreiben(const Rasterzustand& neu) {
    BusySetzen(QStringLiteral("Nicht auswerten"));
    const int n = daten_->GroessteZahl;
    for (int i = 0; i < 49; ++i)
        kZahl_[static_cast<size_t>(i)]->setChecked(i < n && neu[static_cast<size_t>(i)]);
    BusySetzen({});
    AuswertenAnzeigen();
}

void AuswertungFenster::AuswahlSetzen(const std::vector<int>& zahlen, int f) {
    Rasterzustand r{};
    for (int n : zahlen)
        if (n >= 1 && n <= 49) r[static_cast<size_t>(n - 1)] = true;
    TrefferfilterSetzen(f);
    RasterSchreiben(r);
}

void AuswertungFenster::ZahlenfeldAktion(int eintrag) {
    const int n = daten_->GroessteZahl;
    Rasterzustand r = RasterLesen();
    std::vector<int> zellen;
    bool setzen = true;
    switch (eintrag) {
        case 0:
            ZahlenKopieren(this);  // buttons above N are unmarked, so they store 0
            return;
        case 1:
            BusySetzen(QStringLiteral("Nicht Auswerten"));
            ZahlenEinfuegen(this);  // enabled buttons only: 1..N
            BusySetzen({});
            AuswertenAnzeigen();
            return;
        case 3:
        case 4:
            for (int i = 0; i < n; ++i) zellen.push_back(i);
            setzen = eintrag == 3;
            break;
        case 6:
        case 7:
            zellen = ZeileIndizes(popupIndex_, n);
            setzen = eintrag == 6;
            break;
        case 9:
        case 10:
            zellen = SpalteIndizes(popupIndex_, n);
            setzen = eintrag == 9;
            break;
        default:
            return;
    }
    for (int i : zellen) r[static_cast<size_t>(i)] = setzen;
    RasterSchreiben(r);
}

void AuswertungFenster::ListeBlaettern(int zeilen, bool absolut) {
    const int ziel = absolut ? zeilen : vbTreffer_->value() + zeilen;
    vbTreffer_->setValue(std::clamp(ziel, vbTreffer_->minimum(), vbTreffer_->maximum()));
}

void AuswertungFenster::Animation() {
    const bool an = mAnimation_->isChecked();
    for (int i = 0; i < 49; ++i) {
        QPushButton* b = kZahl_[static_cast<size_t>(i)];
        if (an) {
            QIcon icon;
            icon.addPixmap(Zahlbild(i + 1, 0, 28), QIcon::Normal, QIcon::Off);
            icon.addPixmap(Zahlbild(i + 1, 1, 28), QIcon::Normal, QIcon::On);
            b->setIcon(icon);
            b->setText(QString());
        } else {
            b->setIcon(QIcon());
            b->setText(QString::number(i + 1));
        }
    }
    if (an)
        timer1_->start();
    else
        timer1_->stop();
}

void AuswertungFenster::TimerSchritt() {
    const int n = std::clamp<int>(daten_->GroessteZahl, 1, 49);
    const int i = std::uniform_int_distribution<int>(0, n - 1)(Zufall());
    const int satz = std::uniform_int_distribution<int>(0, 1)(Zufall());
    QPushButton* b = kZahl_[static_cast<size_t>(i)];
    QIcon icon;
    icon.addPixmap(Zahlbild(i + 1, satz, 28), QIcon::Normal, QIcon::Off);
    icon.addPixmap(Zahlbild(i + 1, 1, 28), QIcon::Normal, QIcon::On);
    b->setIcon(icon);
}

void AuswertungFenster::KombinationAnzeigen() {
    if (Beschaeftigt()) return;
    BusySetzen(QStringLiteral("Nicht Auswerten"));
    const int n = daten_->GroessteZahl;
    const int32_t total = Binomial(n, 6);
    const int64_t vorgabe =
        total > 0 ? std::uniform_int_distribution<int32_t>(1, total)(Zufall()) : 0;
    const int32_t r = KombiNrBegrenzen(KombiNrAbfragen(vorgabe, KombiNrPrompt(n), this), total);
    if (r < 1) {
        BusySetzen({});
        return;
    }
    std::array<int, 6> zahlen{};
    KombinationAusKombiNr(r, zahlen, n);
    for (QPushButton* b : kZahl_) b->setChecked(false);
    for (int z : zahlen) kZahl_[static_cast<size_t>(z - 1)]->setChecked(true);
    BusySetzen({});
    AuswertenAnzeigen();
}

void AuswertungFenster::FarbfelderAnzeigen() {
    // The legend offers the neighbouring combinations of a six-number selection.
    std::array<int, 49> liste{};
    const int k = ZahlenEntpacken(HoleMarkierteZahlen(), liste);
    const int n = daten_->GroessteZahl;
    const int32_t total = Binomial(n, 6);
    const int32_t kombi = k == 6 ? KombiNrBerechnen(std::span<const int>(liste.data(), 6), n) : 0;
    const int abstand[4] = {-2, -1, 1, 2};
    for (int i = 0; i < 4; ++i) {
        QLabel* l = bzFarbfeld_[static_cast<size_t>(i)];
        const int64_t nr = kombi + abstand[i];
        const bool gueltig = kombi > 0 && nr >= 1 && nr <= total;
        l->setProperty("tag", gueltig ? QString::number(nr) : QString());
        l->setText(gueltig ? QString::fromStdString(KombiNrFormat(nr)) : QStringLiteral("–"));
        l->setToolTip(gueltig ? QStringLiteral("Kombination %1 anzeigen")
                                    .arg(QString::fromStdString(KombiNrFormat(nr)))
                              : QString());
        // Restyling is costly, so only a change of state restyles.
        if (l->property("aktiv").isValid() && l->property("aktiv").toBool() == gueltig) continue;
        l->setProperty("aktiv", gueltig);
        l->setStyleSheet(gueltig
                             ? QStringLiteral("QLabel { background: #e6ecf7; border: 1px solid"
                                              " #9aa6b8; border-radius: 3px; padding: 1px 4px; }")
                             : QStringLiteral("QLabel { color: #a0a4ab; }"));
    }
}

void AuswertungFenster::FarbfeldGeklickt(int i) {
    if (Beschaeftigt()) return;
    const int64_t nr =
        KombiNrWert(bzFarbfeld_[static_cast<size_t>(i)]->property("tag").toString().toStdString());
    const int n = daten_->GroessteZahl;
    if (nr < 1 || nr > Binomial(n, 6)) return;
    BusySetzen(QStringLiteral("Nicht Auswerten"));
    std::array<int, 6> zahlen{};
    KombinationAusKombiNr(static_cast<int32_t>(nr), zahlen, n);
    for (QPushButton* b : kZahl_) b->setChecked(false);
    for (int z : zahlen) kZahl_[static_cast<size_t>(z - 1)]->setChecked(true);
    BusySetzen({});
    AuswertenAutomatisch();
}

}  // namespace zahlix::ui
