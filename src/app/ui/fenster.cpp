#include "app/ui/fenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <map>

#include "app/anwendungsdateien.h"
#include "app/fensterplatz.h"
#include "app/programm.h"
#include "shell/optionen.h"
#include "shell/ui/optionen_dialog.h"
#include "shell/ui/rahmen.h"


namespace zahlix::ui {

namespace {

std::map<std::string, FensterFabrik>& Fabriken() {
    static std::map<std::string, FensterFabrik> fabriken;
    return fabriken;
}

QImage& Bild() {
    static QImage bild;
    return bild;
}

void Aktualisieren() {
    if (Rahmen* r = Rahmen::Instanz()) r->AktionenAktualisieren();
}

QAbstractButton* ZahlKnopf(QWidget* fenster, int n) {
    return fenster->findChild<QAbstractButton*>(QStringLiteral("kZahl_%1").arg(n));
}

}  // namespace

void FensterAnmelden(const std::string& name, FensterFabrik fabrik) {
    Fabriken()[name] = std::move(fabrik);
    Aktualisieren();
}

void FensterAbmelden(const std::string& name) {
    Fabriken().erase(name);
    Aktualisieren();
}

bool FensterAngemeldet(const std::string& name) {
    return Fabriken().count(name) > 0;
}

QWidget* FensterSuchen(const std::string& name) {
    const QString gesucht = QString::fromStdString(name);
    if (Rahmen* r = Rahmen::Instanz()) {
        // A closed child lingers hidden until it is deleted; it no longer counts.
        for (QMdiSubWindow* sub : r->Flaeche()->subWindowList())
            if (!sub->isHidden() && sub->widget() && sub->widget()->objectName() == gesucht &&
                (sub->isMinimized() || !sub->widget()->isHidden()))
                return sub->widget();
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == gesucht) return w;
    return nullptr;
}

void FensterZeigen(QWidget* w) {
    if (!w) return;
    Rahmen* r = Rahmen::Instanz();
    if (!r) {
        w->show();
        w->raise();
        w->activateWindow();
        return;
    }
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    if (!sub || sub->mdiArea() != r->Flaeche()) sub = r->FensterAufnehmen(w);
    if (sub->isMinimized()) sub->showNormal();
    w->show();
    sub->show();
    sub->raise();
    r->Flaeche()->setActiveSubWindow(sub);
}

QWidget* FensterOeffnen(const std::string& name) {
    if (QWidget* w = FensterSuchen(name)) {
        FensterZeigen(w);
        return w;
    }
    auto it = Fabriken().find(name);
    if (it == Fabriken().end() || !it->second) return nullptr;
    QWidget* w = it->second();
    FensterZeigen(w);
    return w;
}

QPoint NaechstePosition() {
    const int p = TwipsZuPixel(NaechstePositionTwips());
    return {p, p};
}

void SchliessenFenster(QWidget*& w) {
    if (!w) return;
    QPointer<QWidget> wache(w);
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    const bool zu = sub ? sub->close() : w->close();
    if (!zu) return;
    // A child window deletes itself with its sub window once control is back in the event loop.
    if (wache && !sub && !w->testAttribute(Qt::WA_DeleteOnClose)) w->deleteLater();
    w = nullptr;
}

void LottoAuswertungNeu() {
    if (!FensterAngemeldet("fZX")) return;
    if (QWidget* alt = FensterSuchen("fZX")) {
        QWidget* w = alt;
        SchliessenFenster(w);
        if (w) return;  // it refused to close: keep the window the user still works in
    }
    QWidget* neu = Fabriken()["fZX"]();
    FensterZeigen(neu);
}

void ZwischenspeicherZeigen() {
    const bool neu = !FensterSuchen("fZwischenspeicher");
    QWidget* w = FensterOeffnen("fZwischenspeicher");
    // The result buffer is the backdrop of the work area when all windows are to be maximised.
    if (neu && w && Optionen().allgemein[1] == 1)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) sub->showMaximized();
}

void HilfeZeigen() {
    QWidget* w = FensterOeffnen("fHilfe");
    if (w && w->metaObject()->indexOfMethod("HilfethemaZeigen()") >= 0)
        QMetaObject::invokeMethod(w, "HilfethemaZeigen", Qt::DirectConnection);
}

void OptionenZeigen() {
    OptionenDialogZeigen(Hauptfenster());
}

void ProgrammBeenden() {
    if (Rahmen* r = Rahmen::Instanz()) r->Beenden();
}

bool ProgrammEndet() {
    Rahmen* r = Rahmen::Instanz();
    return r && r->Endet();
}

void QuickInfoMerken(const std::string& text) {
    if (Rahmen* r = Rahmen::Instanz()) r->QuickInfoMerken(QString::fromStdString(text));
}

void QuickInfoZurueck() {
    if (Rahmen* r = Rahmen::Instanz()) r->QuickInfoZurueck();
}

bool ZahlenKopieren(QWidget* fenster) {
    if (!fenster || !ZahlKnopf(fenster, 0)) return false;
    auto& ablage = Zahlenablage();
    for (int n = 0; n < 49; ++n) {
        QAbstractButton* k = ZahlKnopf(fenster, n);
        ablage[n] = (k && k->isChecked()) ? 1 : 0;
    }
    return true;
}

bool ZahlenEinfuegen(QWidget* fenster) {
    if (!fenster || !ZahlKnopf(fenster, 0)) return false;
    const auto& ablage = Zahlenablage();
    for (int n = 0; n < 49; ++n) {
        QAbstractButton* k = ZahlKnopf(fenster, n);
        if (k && k->isEnabled()) k->setChecked(ablage[n] != 0);
    }
    return true;
}

void GemeinsamesBildSetzen(const QImage& bild) {
    Bild() = bild;
    Aktualisieren();
}

QImage GemeinsamesBild() {
    return Bild();
}

QWidget* Hauptfenster() {
    return Rahmen::Instanz();
}

}  // namespace zahlix::ui
