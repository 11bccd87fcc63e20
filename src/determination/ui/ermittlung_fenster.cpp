// Construction and layout of the analysis window.
#include "determination/ui/ermittlung_fenster.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/fenster.h"
#include "core/bereich.h"
#include "evaluation/ui/zahlenbilder.h"
#include "shell/ui/rahmen.h"

namespace zahlix::ui {

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

QString QuickInfoText() {
    return u(
        "Lotto-Analyse ermittelt Zahlenreihen und prüft Systeme\r\n\r\n"
        "-> 'Ermitteln'\r\nStartet die gewählte Analyse oder unterbricht sie (Esc)\r\n\r\n"
        "-> 'Drucken'\r\nÜbergibt die Ergebnisse an die Druckausgabe\r\n\r\n"
        "-> 'Bereich'\r\nStellt den Auswertebereich neu ein\r\n\r\n"
        "-> 'Rückblick'\r\nPrüft die Vorschläge der Analyse an früheren Ziehungen\r\n");
}

}  // namespace

ErmittlungFenster::ErmittlungFenster(QWidget* eltern)
    : QWidget(eltern),
      daten_(std::make_unique<Lottodatei>()),
      lebt_(std::make_shared<std::atomic<bool>>(true)) {
    setObjectName("fErmittlung");
    setProperty("zahlixKurz", QStringLiteral("AN"));
    setProperty("zahlixQuickInfo", QuickInfoText());
    setProperty("zahlixHilfethema", u("Lotto-Analyse"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);

    setStyleSheet(QStringLiteral(
        "QPushButton[raster=\"true\"] { min-width: 28px; max-width: 28px; min-height: 26px;"
        " max-height: 26px; border: 1px solid #9aa6b8; border-radius: 4px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e4e9f1);"
        " font-weight: bold; color: #222; padding: 0px; }"
        "QPushButton[raster=\"true\"]:checked { background: #00009f; color: white;"
        " border-color: #00006a; }"
        "QPushButton[raster=\"true\"]:disabled { background: #f1f2f4; color: #b8bcc4;"
        " border-color: #d6d9de; }"
        // While a run holds the field, its proposed row stays visible.
        "QPushButton[raster=\"true\"]:checked:disabled { background: #7a7fbf; color: white;"
        " border-color: #5a5f9f; }"
        "QLabel#bzHilfe { background: #fbfbf3; border: 1px solid #c9ccd2; padding: 3px 6px; }"
        "QLabel#bzFrage { font-weight: bold; color: #00009f; }"));

    // The history and the range come from the evaluation window.
    DatenUebernehmen(*daten_);
    bereichText_ = daten_->Titel.empty() ? BereichText() : daten_->Titel;

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(6, 6, 6, 6);
    haupt->setSpacing(6);
    haupt->addWidget(ToolbarBauen());

    // Top: number field, counters and the inputs of the chosen analysis; below them the
    // result box over the whole width, so an 80-column block fits without a wide window.
    auto* oben = new QHBoxLayout;
    oben->setSpacing(6);
    oben->addWidget(ZahlenfeldBauen(), 0, Qt::AlignTop);
    oben->addWidget(ZaehlerBauen(), 0, Qt::AlignTop);
    oben->addWidget(EingabenBauen(), 1);
    haupt->addLayout(oben);

    auto* ergebnis = new QHBoxLayout;
    // Plain text keeps the layout to the blocks on screen: a block put in front of thousands
    // costs what the first one did.
    rtErmittlung_ = new QPlainTextEdit(this);
    rtErmittlung_->setObjectName("rtErmittlung");
    rtErmittlung_->setReadOnly(true);
    rtErmittlung_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* leeren = new QAction(u("Ergebnisfeld &leeren"), this);
    leeren->setObjectName("mErgebnisfeldLeeren");
    connect(leeren, &QAction::triggered, this, &ErmittlungFenster::ErgebnisfeldLeeren);
    rtErmittlung_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rtErmittlung_, &QWidget::customContextMenuRequested, this,
            [this, leeren](const QPoint& p) {
                std::unique_ptr<QMenu> m(rtErmittlung_->createStandardContextMenu(p));
                m->addSeparator();
                m->addAction(leeren);
                leeren->setEnabled(!Laeuft() && !rtErmittlung_->document()->isEmpty());
                m->exec(rtErmittlung_->viewport()->mapToGlobal(p));
            });
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(9);
    rtErmittlung_->setFont(mono);
    rtErmittlung_->setMinimumHeight(QFontMetrics(mono).lineSpacing() * 4 + 12);
    ergebnis->addWidget(rtErmittlung_, 1);

    // The two lists of the decomposition check, one visible at a time, beside the results.
    rListen_ = new QWidget(this);
    auto* listen = new QVBoxLayout(rListen_);
    listen->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        auto* l = new QListWidget(rListen_);
        l->setObjectName(QStringLiteral("lZerlegung_%1").arg(i));
        l->setFont(mono);
        l->setVisible(i == 0);
        l->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QString(34, 'X')));
        l->setMinimumHeight(QFontMetrics(mono).lineSpacing() * 3);
        lZerlegung_[static_cast<size_t>(i)] = l;
        listen->addWidget(l, 1);
    }
    bUmsortieren_ = new QPushButton(u("Liste &umsortieren"), rListen_);
    bUmsortieren_->setObjectName("bUmsortieren");
    connect(bUmsortieren_, &QPushButton::clicked, this, [this] {
        const bool normal = lZerlegung_[0]->isVisible();
        lZerlegung_[1]->setVisible(normal);
        lZerlegung_[0]->setVisible(!normal);
    });
    listen->addWidget(bUmsortieren_);
    rListen_->setVisible(false);
    ergebnis->addWidget(rListen_);
    haupt->addLayout(ergebnis, 1);

    auto* unten = new QHBoxLayout;
    bzHilfe_ = new QLabel(this);
    bzHilfe_->setObjectName("bzHilfe");
    bzHilfe_->setMinimumHeight(24);
    unten->addWidget(bzHilfe_, 1);
    bSchliessen_ = new QPushButton(u("Modul schließen"), this);
    bSchliessen_->setObjectName("bSchliessen");
    connect(bSchliessen_, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(bSchliessen_);
    haupt->addLayout(unten);

    // Esc must reach the window whichever control has the focus.
    qApp->installEventFilter(this);

    ZaehlerLoeschen();
    StatusZeigen(u(" Analyse wählen und mit 'Ermitteln' starten"));
    ZahlenVerfuegbarkeit();
    BereichInTitel();
    ArtWaehlen(cErmittlungart_->currentText());
}

ErmittlungFenster::~ErmittlungFenster() {
    qApp->removeEventFilter(this);
    *lebt_ = false;
    stop_ = true;
    if (arbeiter_.joinable()) arbeiter_.join();
}

QWidget* ErmittlungFensterErzeugen() {
    return new ErmittlungFenster;
}

}  // namespace zahlix::ui
