// The frame's menus, their commands, menu merging with the active child window and the
// right-click pop-ups.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPushButton>
#include <QToolBar>

#include "app/anwendungsdateien.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "app/ui/info_fenster.h"
#include "help/ui/hilfetaste.h"
#include "shell/optionen.h"
#include "shell/ui/rahmen.h"
#include "systems/ui/system_auswertung_fenster.h"

namespace zahlix::ui {

QAction* Rahmen::Eintrag(QMenu* menue, const char* name, const QString& text) {
    QAction* a = menue->addAction(text);
    a->setObjectName(name);
    return a;
}

void Rahmen::MenuesAufbauen() {
    auto neu = [this](const char* name, const QString& titel) {
        auto* m = new QMenu(titel, this);
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "_Titel");
        connect(m, &QMenu::aboutToShow, this, &Rahmen::AktionenAktualisieren);
        eigeneMenues_ << m;
        return m;
    };
    QMenu* start = neu("mProgramm", "S&tart");
    connect(Eintrag(start, "mZwischenspeicher", "&Zwischenspeicher"), &QAction::triggered, this,
            [] { ZwischenspeicherZeigen(); });
    connect(Eintrag(start, "mLottoAuswertung", "&Lotto-Auswertung"), &QAction::triggered, this,
            [] { LottoAuswertungNeu(); });
    start->addSeparator();
    connect(Eintrag(start, "mSystemAuswertung", "&System-Auswertung"), &QAction::triggered, this,
            [] { SystemAuswertungStarten(); });
    connect(Eintrag(start, "mLottoscheinDruck", "Lottoschein D&ruck"), &QAction::triggered, this,
            [] { FensterOeffnen("fLottoschein"); });
    connect(Eintrag(start, "mSystemdateiFilter", "Systemdatei-&Filter"), &QAction::triggered, this,
            [] { FensterOeffnen("fSystemfilter"); });
    Eintrag(start, "mZahlixProgrammer", "Zahlix-&Programmer");
    start->addSeparator();
    Eintrag(start, "mAnderesProgramm", "&Anderes Programm...");
    start->addSeparator();
    connect(Eintrag(start, "mZahlixBeenden", "Zahlix &beenden..."), &QAction::triggered, this,
            [] { ProgrammBeenden(); });

    neu("mDatei", "&Datei");

    QMenu* bearbeiten = neu("mBearbeiten", "&Bearbeiten");
    connect(Eintrag(bearbeiten, "mKopieren", "&Kopieren"), &QAction::triggered, this,
            &Rahmen::MenueKopieren);

    QMenu* zeigen = neu("mZeigen", "&Zeigen");
    Eintrag(zeigen, "mStatistik", "&Statistik");
    Eintrag(zeigen, "mErmittlung", "&Analyse");

    QMenu* extras = neu("mExtras", "&Extras");
    Eintrag(extras, "mKombinationsrechner", "&Kombinationsrechner");
    Eintrag(extras, "mFinanzrechner", "&Finanzrechner");
    extras->addSeparator();
    connect(Eintrag(extras, "mOptionen", "&Optionen..."), &QAction::triggered, this,
            &Rahmen::MenueOptionen);

    QMenu* fenster = neu("mFenster", "&Fenster");
    connect(Eintrag(fenster, "mAlleAnordnen", "&Alle anordnen"), &QAction::triggered, flaeche_,
            &QMdiArea::cascadeSubWindows);
    connect(Eintrag(fenster, "mSymboleAnordnen", "&Symbole anordnen"), &QAction::triggered, this,
            &Rahmen::SymboleAnordnen);

    QMenu* hilfe = neu("mHilfe", "&Hilfe");
    connect(Eintrag(hilfe, "mHilfeAnzeigen", "&Hilfe anzeigen"), &QAction::triggered, this,
            [] { HilfeZumAktivenFenster(); });
    mQuickInfo_ = Eintrag(hilfe, "mQuickInfo", "&Zahlix-Info");
    mQuickInfo_->setCheckable(true);
    connect(mQuickInfo_, &QAction::triggered, this, &Rahmen::MenueQuickInfo);
    hilfe->addSeparator();
    connect(Eintrag(hilfe, "mInfo", "&Info"), &QAction::triggered, this, &Rahmen::MenueInfo);

    QMenu* zahlenfeld = neu("mZahlenfeld", "&Zahlenfeld");
    connect(Eintrag(zahlenfeld, "mZahlenKopieren", "Zahlen &kopieren"), &QAction::triggered, this,
            [this] { ZahlenKopieren(AktivesFenster()); });
    connect(Eintrag(zahlenfeld, "mZahlenEinfuegen", "Zahlen &einfügen"), &QAction::triggered, this,
            [this] { ZahlenEinfuegen(AktivesFenster()); });

    MenueleisteZeigen(nullptr);
}

void Rahmen::AktionenAktualisieren() {
    auto setzen = [this](const char* name, bool an) {
        if (auto* a = findChild<QAction*>(name)) a->setEnabled(an);
    };
    const bool auswertung = FensterAngemeldet("fZX");
    const bool zwischenspeicher =
        FensterAngemeldet("fZwischenspeicher") || FensterSuchen("fZwischenspeicher");
    QWidget* aktiv = AktivesFenster();
    const bool zahlen = aktiv && aktiv->findChild<QWidget*>("kZahl_0");
    setzen("mZwischenspeicher", zwischenspeicher);
    setzen("mLottoAuswertung", auswertung);
    setzen("mSystemAuswertung", auswertung);
    const bool hilfe = FensterAngemeldet("fHilfe") || FensterSuchen("fHilfe");
    setzen("mHilfeAnzeigen", hilfe);
    if (auto* wieKannIch = findChild<QPushButton*>("bzWieKannIch")) wieKannIch->setEnabled(hilfe);
    setzen("mKopieren", !GemeinsamesBild().isNull());
    setzen("mZahlenKopieren", zahlen);
    setzen("mZahlenEinfuegen", zahlen);
    // Commands of modules this program does not contain, and views that need a lottery file
    // from the evaluation window, stay visible but cannot be chosen here.
    for (const char* name : {"mZahlixProgrammer", "mAnderesProgramm", "mStatistik", "mErmittlung",
                             "mKombinationsrechner", "mFinanzrechner"})
        setzen(name, false);
    setzen("mLottoscheinDruck", FensterAngemeldet("fLottoschein"));
    setzen("mSystemdateiFilter", FensterAngemeldet("fSystemfilter"));
    if (auto* datei = findChild<QMenu*>("mDatei")) datei->menuAction()->setEnabled(false);

    if (startleiste_) {
        for (QAction* a : startleiste_->actions()) {
            const QString t = a->objectName();
            if (t == "Zwischenspeicher")
                a->setEnabled(zwischenspeicher);
            else if (t == "Lotto-Auswertung")
                a->setEnabled(auswertung);
            else if (t == "Lottoschein-Druck")
                a->setEnabled(FensterAngemeldet("fLottoschein"));
            else if (t == "Systemdatei-Filter")
                a->setEnabled(FensterAngemeldet("fSystemfilter"));
            else if (t == "Zahlix-Programmer")
                a->setEnabled(false);
            else
                a->setEnabled(auswertung);
        }
    }
}

QList<QMenu*> Rahmen::KindMenues(QWidget* kind) const {
    QList<QMenu*> liste;
    if (!kind) return liste;
    if (kind->metaObject()->indexOfMethod("Menues()") >= 0) {
        QMetaObject::invokeMethod(kind, "Menues", Qt::DirectConnection,
                                  Q_RETURN_ARG(QList<QMenu*>, liste));
        liste.removeAll(nullptr);
        return liste;
    }
    if (auto* mw = qobject_cast<QMainWindow*>(kind)) {
        if (auto* leiste = qobject_cast<QMenuBar*>(mw->menuWidget())) {
            for (QAction* a : leiste->actions())
                if (a->menu()) liste << a->menu();
            leiste->hide();
        }
    }
    return liste;
}

QMenu* Rahmen::KindMenue(const QString& name, const QString& titel) const {
    for (QMenu* m : KindMenues(AktivesFenster()))
        if (m->objectName() == name || m->title() == titel) return m;
    for (QMenu* m : eigeneMenues_)
        if (m->objectName() == name) return m;
    return nullptr;
}

void Rahmen::MenueleisteZeigen(QWidget* kind) {
    QList<QMenu*> menues = KindMenues(kind);
    if (menues.isEmpty()) menues = eigeneMenues_;
    // The number commands act only on a window with a number field; elsewhere they would be
    // entries that do nothing.
    for (QMenu* m : eigeneMenues_)
        if (m->objectName() == "mZahlenfeld")
            m->menuAction()->setVisible(kind && kind->findChild<QWidget*>("kZahl_0"));
    QMenuBar* leiste = menuBar();
    QList<QAction*> soll;
    for (QMenu* m : menues) soll << m->menuAction();
    if (leiste->actions() == soll) return;
    for (QAction* a : leiste->actions()) leiste->removeAction(a);
    leiste->addActions(soll);
}

void Rahmen::SymboleAnordnen() {
    // Minimised windows line up along the bottom edge of the client area.
    int x = 0;
    for (QMdiSubWindow* sub : flaeche_->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized() || sub->isHidden()) continue;
        const int breite = sub->width();
        sub->move(x, flaeche_->viewport()->height() - sub->height());
        x += breite;
    }
}

void Rahmen::MenueKopieren() {
    const QImage bild = GemeinsamesBild();
    if (bild.isNull()) return;
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setImage(bild);
}

void Rahmen::MenueOptionen() {
    OptionenZeigen();
    if (QMdiSubWindow* sub = flaeche_->currentSubWindow()) {
        if (Optionen().allgemein[1] > 0)
            sub->showMaximized();
        else
            sub->showNormal();
    }
    QuickInfo();
}

void Rahmen::MenueQuickInfo() {
    Optionen().allgemein[0] = mQuickInfo_->isChecked() ? 1 : 0;
    QuickInfo();
}

void Rahmen::MenueInfo() {
    InfoFenster info(false, this);
    info.exec();
}

}  // namespace zahlix::ui
