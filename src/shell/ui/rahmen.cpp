#include "shell/ui/rahmen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <exception>
#include <filesystem>

#include "app/anwendungsdateien.h"
#include "app/fensterplatz.h"
#include "app/kalender.h"
#include "app/port.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "app/ui/symbole.h"
#include "core/tabellen.h"
#include "shell/optionen.h"

namespace zahlix::ui {

namespace {
Rahmen* instanz = nullptr;
const QString kRahmenTitel = QStringLiteral("Zahlix Freeware");
}

std::string BeendenFrage() {
    return std::string(
               "Zahlix beenden?\r\n\r\n"
               "Vielen Dank, dass Sie Zahlix Freeware benutzen.\r\n\r\n"
               "Antworten auf Ihre Fragen finden Sie in der Hilfe (Taste F1), zum "
               "Beispiel im Thema \"") +
           kBeendenHilfethema + "\".";
}

Rahmen::Rahmen(QWidget* parent) : QMainWindow(parent) {
    instanz = this;
    setObjectName("fZXT");
    setWindowTitle(kRahmenTitel);
    setWindowIcon(ProgrammSymbol());

    flaeche_ = new QMdiArea;
    flaeche_->setObjectName("Arbeitsflaeche");
    // A maximised result buffer must not force every window opened above it to maximise too.
    flaeche_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    flaeche_->setBackground(QColor(118, 130, 146));
    flaeche_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    flaeche_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    flaeche_->installEventFilter(this);
    flaeche_->viewport()->installEventFilter(this);
    connect(flaeche_, &QMdiArea::subWindowActivated, this, &Rahmen::FensterAktiviert);

    QuickInfoAufbauen();
    auto* mitte = new QWidget;
    auto* zeile = new QHBoxLayout(mitte);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(0);
    zeile->addWidget(flaeche_, 1);
    zeile->addWidget(quickInfo_);
    setCentralWidget(mitte);

    MenuesAufbauen();
    StartleisteAufbauen();
    StatusleisteAufbauen();

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(500);
    connect(timer1_, &QTimer::timeout, this, &Rahmen::Blinken);

    qApp->installEventFilter(this);

    // A size that leaves room around the frame on common screens.
    QSize groesse(1180, 800);
    if (const QScreen* s = screen()) groesse = groesse.boundedTo(s->availableSize() * 0.95);
    resize(groesse);
}

Rahmen::~Rahmen() {
    qApp->removeEventFilter(this);
    if (instanz == this) instanz = nullptr;
    // The child windows go while the frame is still whole: their last signals and events
    // must not reach a half-destroyed frame.
    QObject::disconnect(flaeche_, nullptr, this, nullptr);
    flaeche_ = nullptr;
    delete takeCentralWidget();
}

Rahmen* Rahmen::Instanz() {
    return instanz;
}

void Rahmen::Laden(const std::function<void()>& vorAuswertung) {
    // Messages of the frame carry the product name as their title (kProduktname).
    if (const QScreen* s = screen()) {
        const QRect platz = s->availableGeometry();
        // The window system's title bar and borders come on top of the frame's size; the whole
        // frame, status bar included, stays on the screen.
        const QSize rand = (frameGeometry().size() - size()).expandedTo(QSize(8, 32));
        resize(size().boundedTo(platz.size() - rand));
        const int links =
            RahmenLinks(PixelZuTwips(platz.width()), PixelZuTwips(frameGeometry().width()));
        const int oben =
            RahmenOben(PixelZuTwips(platz.height()), PixelZuTwips(frameGeometry().height()));
        move(platz.topLeft() + QPoint(TwipsZuPixel(links), TwipsZuPixel(oben)));
    }
    KaskadeNeuBerechnen();
    FarbeSetzen(QColor(255, 255, 222));
    ZwischenspeicherZeigen();
    try {
        Initialisieren();
    } catch (const std::exception& e) {
        Meldung(e.what(), flags::Kritisch, "Initialisieren");
    }
    StartverzeichnisSetzen(std::filesystem::current_path());
    LotterieKnoepfePruefen();
    StatusAktualisieren();
    Programm().uebergabeDatei =
        StartdateiErmitteln(Programm().startverzeichnis, Optionen().startdatei);
    if (vorAuswertung) vorAuswertung();
    LottoAuswertungNeu();
    AktionenAktualisieren();
}

QMdiSubWindow* Rahmen::FensterAufnehmen(QWidget* w) {
    auto* sub = flaeche_->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(w->windowIcon().isNull() ? ProgrammSymbol() : w->windowIcon());
    sub->move(NaechstePosition());
    // A window reaching below the work area would hide its status line on a small screen.
    // Measured once the frame is laid out, not while it is still being built.
    QTimer::singleShot(0, sub, [this, sub] { Einpassen(sub, true); });
    const int k = ++Programm().fensterzaehler;
    const QString tag = QString::number(k) + "F";
    w->setProperty("zahlixTag", tag);
    w->installEventFilter(this);
    sub->installEventFilter(this);
    FensterleisteKnopf(sub, w, tag);
    connect(sub, &QObject::destroyed, this, [this, tag] { FensterleisteEntfernen(tag); });
    return sub;
}

void Rahmen::Einpassen(QMdiSubWindow* sub, bool begrenzen) {
    const QSize platz = flaeche_ ? flaeche_->viewport()->size() : QSize();
    if (platz.width() < 200 || platz.height() < 200 || sub->isMaximized() || sub->isMinimized())
        return;
    QSize s = begrenzen ? sub->size().boundedTo(platz) : sub->size();
    s = s.expandedTo(sub->minimumSizeHint());
    if (s == sub->size() && !begrenzen) return;  // where the user put it, it may stay
    sub->resize(s);
    const int x = std::clamp(sub->x(), 0, std::max(0, platz.width() - s.width()));
    const int y = std::clamp(sub->y(), 0, std::max(0, platz.height() - s.height()));
    if (QPoint(x, y) != sub->pos()) sub->move(x, y);
}

QWidget* Rahmen::AktivesFenster() const {
    QMdiSubWindow* sub = flaeche_ ? flaeche_->currentSubWindow() : nullptr;
    return (sub && !sub->isHidden()) ? sub->widget() : nullptr;
}

void Rahmen::KaskadeNeuBerechnen() {
    Programm().kaskade = KaskadeBerechnen(PixelZuTwips(flaeche_->height()));
}

void Rahmen::Beenden() {
    close();
}

void Rahmen::closeEvent(QCloseEvent* e) {
    if (beendenBestaetigt_) {
        e->accept();
        return;
    }
    if (isMinimized()) showNormal();
    if (Meldung(BeendenFrage(), flags::Frage + flags::JaNein, kProduktname) != kJa) {
        e->ignore();
        return;
    }
    endet_ = true;
    // Each child runs its own close handling (the evaluation window's save prompt) first,
    // newest first so the result buffer, opened first, goes last. A window that keeps
    // changes it could not save stops the end; everything stays open.
    QList<QPointer<QMdiSubWindow>> fenster;
    for (QMdiSubWindow* sub : flaeche_->subWindowList()) fenster.prepend(sub);
    for (const QPointer<QMdiSubWindow>& sub : fenster) {
        if (sub && !sub->close()) {
            endet_ = false;
            e->ignore();
            return;
        }
    }
    for (QMdiSubWindow* sub : flaeche_->subWindowList()) {
        flaeche_->removeSubWindow(sub);
        sub->deleteLater();
    }
    beendenBestaetigt_ = true;
    e->accept();
    emit Beendet();
}

void Rahmen::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // The count follows the client area, whose resize event recomputes it once laid out.
    KaskadeNeuBerechnen();
}

void Rahmen::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // A maximised child appends its caption to the frame's; the frame's caption stays as it is,
    // whichever child is maximised or active.
    if (e->type() == QEvent::WindowTitleChange && windowTitle() != kRahmenTitel)
        setWindowTitle(kRahmenTitel);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) QuickInfo();
}

}  // namespace zahlix::ui
