// The start toolbar (Toolbar1), the window bar (Toolbar2) and the events of child windows.
#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QDynamicPropertyChangeEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "app/anwendungsdateien.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "app/ui/symbole.h"
#include "shell/ui/rahmen.h"
#include "systems/ui/system_auswertung_fenster.h"

namespace zahlix::ui {

namespace {

struct StartKnopfText {
    const char* taste;
    const char* text;
    const char* tipp;
};

constexpr StartKnopfText kStartKnoepfe[] = {
    {"Zwischenspeicher", "Zwischenspeicher", "Zwischenspeicher anzeigen"},
    {"Lotto-Auswertung", "Auswertung", "Lotto-Auswertung starten"},
    {"System-Auswertung", "System", "System-Auswertung starten"},
    {"Lottoschein-Druck", "Scheindruck", "Lottoschein-Druck starten"},
    {"Systemdatei-Filter", "Filter", "Systemdatei-Filter starten"},
    {"Zahlix-Programmer", "Programmer", "Zahlix-Programmer starten"},
    {"Samstag", "Samstag", "Lotto-Auswertung mit Samstaglotto starten"},
    {"Mittwoch", "Mittwoch", "Lotto-Auswertung mit Mittwochlotto starten"},
    {"Auswahl", "Auswahl", "Lotto-Auswertung mit Auswahlwette starten"},
    {"Oesterr", "Österreich", "Lotto-Auswertung mit Österreich-Lotto starten"},
    {"Schweiz", "Schweiz", "Lotto-Auswertung mit Schweizer-Lotto starten"},
};

const char* LotterieDatei(const QString& taste) {
    for (const auto& l : VordefinierteLotterien())
        if (taste == l.taste) return l.datei;
    return nullptr;
}

}  // namespace

void Rahmen::StartleisteAufbauen() {
    startleiste_ = new QToolBar("Start", this);
    startleiste_->setObjectName("Toolbar1");
    startleiste_->setMovable(false);
    startleiste_->setIconSize(QSize(28, 28));
    startleiste_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const auto& k : kStartKnoepfe) {
        const QString taste = k.taste;
        if (taste == "Samstag" || taste == "System-Auswertung") startleiste_->addSeparator();
        QAction* a = startleiste_->addAction(StartSymbol(taste), k.text);
        a->setObjectName(taste);
        a->setToolTip(k.tipp);
        a->setData(taste);
        startleiste_->widgetForAction(a)->setObjectName(taste);
        connect(a, &QAction::triggered, this, [this, taste] { StartKnopf(taste); });
    }
    addToolBar(Qt::TopToolBarArea, startleiste_);

    fensterleiste_ = new QToolBar("Fenster", this);
    fensterleiste_->setObjectName("Toolbar2");
    fensterleiste_->setMovable(false);
    fensterleiste_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    fensterleiste_->setContextMenuPolicy(Qt::PreventContextMenu);
    fensterleiste_->installEventFilter(this);
    fensterGruppe_ = new QActionGroup(this);
    fensterGruppe_->setExclusive(true);
    addToolBar(Qt::BottomToolBarArea, fensterleiste_);
}

void Rahmen::LotterieKnoepfePruefen() {
    for (const auto& l : VordefinierteLotterien()) {
        if (auto* a = startleiste_->findChild<QAction*>(l.taste))
            a->setVisible(!DateiFinden(Programm().startverzeichnis, l.datei).empty());
    }
}

void Rahmen::StartKnopf(const QString& taste) {
    if (!startTag_.isEmpty()) return;  // the previous click is still being handled
    startTag_ = "Warten";
    try {
        if (taste == "Zwischenspeicher") {
            ZwischenspeicherZeigen();
        } else if (taste == "Lotto-Auswertung") {
            Programm().uebergabeDatei.clear();
            LottoAuswertungNeu();
        } else if (taste == "Lottoschein-Druck") {
            FensterOeffnen("fLottoschein");
        } else if (taste == "Systemdatei-Filter") {
            FensterOeffnen("fSystemfilter");
        } else if (taste == "System-Auswertung") {
            SystemAuswertungStarten();
        } else if (const char* datei = LotterieDatei(taste)) {
            // Looked up again now: the file may have gone since start-up.
            Programm().uebergabeDatei = DateiFinden(std::filesystem::current_path(), datei);
            LottoAuswertungNeu();
        }
    } catch (...) {
        // A start button never takes the program down with it.
    }
    startTag_.clear();
}

void Rahmen::FensterleisteKnopf(QMdiSubWindow* sub, QWidget* w, const QString& tag) {
    QAction* a = fensterleiste_->addAction(w->property("zahlixKurz").toString());
    a->setObjectName(tag);
    a->setData(tag);
    a->setToolTip(w->windowTitle());
    a->setCheckable(true);
    fensterGruppe_->addAction(a);
    if (QWidget* knopf = fensterleiste_->widgetForAction(a)) {
        knopf->setObjectName(tag);
        knopf->setMinimumWidth(44);
    }
    a->setVisible(!sub->isHidden());
    connect(a, &QAction::triggered, this, [this, tag] { FensterleisteKlick(tag); });
}

void Rahmen::FensterleisteEntfernen(const QString& tag) {
    if (!fensterleiste_) return;
    for (QAction* a : fensterleiste_->actions()) {
        if (a->data().toString() != tag) continue;
        fensterleiste_->removeAction(a);
        a->deleteLater();
    }
}

void Rahmen::FensterleisteKlick(const QString& tag) {
    for (QMdiSubWindow* sub : flaeche_->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isHidden() || !sub->widget()) continue;
        if (sub->widget()->property("zahlixTag").toString() != tag) continue;
        if (sub->isMinimized()) sub->showNormal();
        flaeche_->setActiveSubWindow(sub);
        sub->raise();
        return;
    }
}

void Rahmen::FensterAktiviert(QMdiSubWindow* sub) {
    // While a dialog is in front no child is active; the last one still counts.
    if (!sub) sub = flaeche_->currentSubWindow();
    QWidget* kind = (sub && !sub->isHidden()) ? sub->widget() : nullptr;
    if (kind) {
        const QVariant text = kind->property("zahlixQuickInfo");
        if (text.isValid()) QuickInfoSetzen(text.toString());
        const QString tag = kind->property("zahlixTag").toString();
        for (QAction* a : fensterleiste_->actions())
            if (a->data().toString() == tag) a->setChecked(true);
    }
    bool offen = false;
    for (QMdiSubWindow* s : flaeche_->subWindowList()) offen = offen || !s->isHidden();
    if (!offen && quickInfoStapel_.isEmpty()) QuickInfoSetzen(RahmenQuickInfo());
    MenueleisteZeigen(kind);
    AktionenAktualisieren();
}

bool Rahmen::eventFilter(QObject* o, QEvent* e) {
    if (!flaeche_) return QMainWindow::eventFilter(o, e);  // the frame is being taken down
    switch (e->type()) {
        case QEvent::KeyPress:
            TastenBeobachten(static_cast<QKeyEvent*>(e));
            break;
        case QEvent::Resize:
            if (o == flaeche_) KaskadeNeuBerechnen();
            break;
        case QEvent::ContextMenu:
            if (o == flaeche_->viewport() || o == fensterleiste_) {
                if (QMenu* m = KindMenue("mFenster", "&Fenster"))
                    m->popup(static_cast<QContextMenuEvent*>(e)->globalPos());
                return true;
            }
            if (o == quickInfo1_) {
                if (QMenu* m = KindMenue("mHilfe", "&Hilfe"))
                    m->popup(static_cast<QContextMenuEvent*>(e)->globalPos());
                return true;
            }
            break;
        case QEvent::LayoutRequest:
            // A window that shows more controls than before grows to hold them rather than
            // cut their texts off.
            if (auto* sub = qobject_cast<QMdiSubWindow*>(o)) {
                QPointer<QMdiSubWindow> s(sub);
                QTimer::singleShot(0, this, [this, s] {
                    if (s && flaeche_ && !s->isHidden()) Einpassen(s, false);
                });
            }
            break;
        case QEvent::Show:
        case QEvent::Hide:
            if (auto* sub = qobject_cast<QMdiSubWindow*>(o); sub && sub->widget()) {
                const QString tag = sub->widget()->property("zahlixTag").toString();
                for (QAction* a : fensterleiste_->actions())
                    if (a->data().toString() == tag) a->setVisible(e->type() == QEvent::Show);
            }
            break;
        case QEvent::Close:
            // A child that closes itself takes its sub window along, once its close handling
            // has accepted (a refused close leaves it visible).
            if (auto* w = qobject_cast<QWidget*>(o); w && w->property("zahlixTag").isValid()) {
                QPointer<QWidget> kind(w);
                QPointer<QMdiSubWindow> sub(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
                QTimer::singleShot(0, this, [kind, sub] {
                    if (!kind || !sub || !kind->isHidden() || sub->isHidden() || sub->isMinimized())
                        return;
                    sub->hide();
                    sub->deleteLater();
                });
            }
            break;
        case QEvent::DynamicPropertyChange:
        case QEvent::WindowTitleChange: {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || !w->property("zahlixTag").isValid()) break;
            const QString tag = w->property("zahlixTag").toString();
            for (QAction* a : fensterleiste_->actions()) {
                if (a->data().toString() != tag) continue;
                a->setText(w->property("zahlixKurz").toString());
                a->setToolTip(w->windowTitle());
            }
            const bool quickInfo =
                e->type() == QEvent::DynamicPropertyChange &&
                static_cast<QDynamicPropertyChangeEvent*>(e)->propertyName() == "zahlixQuickInfo";
            if (quickInfo && w == AktivesFenster())
                QuickInfoSetzen(w->property("zahlixQuickInfo").toString());
            break;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(o, e);
}

}  // namespace zahlix::ui
