// Construction and layout of the evaluation window.
#include "evaluation/ui/auswertung_fenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/fenster.h"
#include "app/ui/werkzeugleiste.h"
#include "evaluation/ui/trefferliste_widget.h"
#include "evaluation/ui/zahlenbilder.h"
#include "shell/optionen.h"
#include "statistics/ui/zahlenfeldgrafik_anzeige.h"

namespace zahlix::ui {

namespace {

// Display order of the counters: the report's column order, then the two totals.
constexpr std::array<int, 12> kZaehlerReihe{6, 9, 5, 8, 4, 7, 3, 2, 1, 0, 10, 11};
const char* const kZaehlerTitel[12] = {
    " Null :", " Ein  :", " Zwei :", " Drei :", " Vier :", " Fünf :",
    " Sechs:", " 3+Z:",   " 4+Z:",   " 5+Z:",   " Alle :", " Gewinn:"};
const char* const kToolbarText[9] = {"Öffnen",     "Speichern", "Drucken", "Löschen", "Bereich",
                                     "Bearbeiten", "Statistik", "Analyse", "Neu"};
const char* const kToolbarTipp[9] = {"Öffnet eine Lottodatei",
                                     "Speichert die aktuelle Datei",
                                     "Übergibt die aktuelle Auswertung an die Druckausgabe",
                                     "Löscht die Zahlen der Zahlenauswahl",
                                     "Auswertebereich",
                                     "Ziehungen bearbeiten",
                                     "Statistiken",
                                     "Analysen",
                                     "Erstellt eine neue Lottodatei"};

QString QuickInfoText() {
    QString s = QStringLiteral("Lotto-Auswertung bearbeitet Lottodateien und wertet diese aus\r\n");
    const char* const paare[5][2] = {
        {"-> 'Neu'", "Erstellt eine neue Lottodatei"},
        {"-> 'Öffnen'", "Öffnet eine Lottodatei"},
        {"-> 'Speichern'", "Speichert die aktuelle Datei"},
        {"-> 'Drucken'", "Übergibt die aktuelle Auswertung an die Druckausgabe"},
        {"-> 'Löschen'", "Löscht die Zahlen der Zahlenauswahl"}};
    for (const auto& p : paare)
        s += QStringLiteral("\r\n") + QString::fromUtf8(p[0]) + QStringLiteral("\r\n") +
             QString::fromUtf8(p[1]) + QStringLiteral("\r\n");
    return s;
}

QLabel* Titel(const QString& text, QWidget* eltern, const char* name) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.1);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #1f3a68;"));
    return l;
}

}  // namespace

AuswertungFenster::AuswertungFenster(QWidget* eltern, bool oeffnen)
    : QWidget(eltern), daten_(std::make_unique<Lottodatei>()) {
    setObjectName("fZX");
    setProperty("zahlixKurz", QStringLiteral("LO"));
    setProperty("zahlixQuickInfo", QuickInfoText());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lotto-Auswertung"));
    setFocusPolicy(Qt::StrongFocus);
    LeereLottodateiSetzen(*daten_);

    setStyleSheet(QStringLiteral(
        "QPushButton[raster=\"true\"] { min-width: 34px; max-width: 34px; min-height: 30px;"
        " max-height: 30px; border: 1px solid #9aa6b8; border-radius: 4px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e4e9f1);"
        " font-weight: bold; color: #222; padding: 0px; }"
        "QPushButton[raster=\"true\"]:hover { border-color: #3c6fc4; }"
        "QPushButton[raster=\"true\"]:checked { background: #00009f; color: white;"
        " border-color: #00006a; }"
        "QPushButton[raster=\"true\"]:disabled { background: #f1f2f4; color: #b8bcc4;"
        " border-color: #d6d9de; }"
        "QLabel#bzHilfe { background: #fbfbf3; border: 1px solid #c9ccd2; padding: 3px 6px; }"));

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(8, 6, 8, 6);
    haupt->setSpacing(6);
    haupt->addWidget(ToolbarBauen());

    // Grid, counters and list scroll together when the window is smaller than they need, so
    // the window fits a small screen and its tool bar and status line always stay in view.
    auto* inhalt = new QWidget(this);
    inhalt->setObjectName("rInhalt");
    auto* mitte = new QHBoxLayout(inhalt);
    mitte->setContentsMargins(0, 0, 0, 0);
    mitte->setSpacing(14);
    auto* rolle = new QScrollArea(this);
    rolle->setObjectName("rRolle");
    rolle->setFrameShape(QFrame::NoFrame);
    rolle->setFocusPolicy(Qt::NoFocus);  // the window handles the keys, as before
    rolle->setWidgetResizable(true);
    rolle->setWidget(inhalt);
    haupt->addWidget(rolle, 1);

    // Left: the grid with its buttons below.
    auto* links = new QVBoxLayout;
    bzTitel_[0] = Titel(QStringLiteral("Zahlenauswahl"), this, "bzTitel_0");
    links->addWidget(bzTitel_[0]);
    auto* raster = new QWidget(this);
    RasterBauen(raster);
    links->addWidget(raster);
    links->addSpacing(4);
    bKombiNr_ = new QPushButton(QStringLiteral("Kombination anzeigen"), this);
    bKombiNr_->setObjectName("bKombiNr");
    bKombiNr_->setProperty("tag", QString());
    connect(bKombiNr_, &QPushButton::clicked, this, &AuswertungFenster::KombinationAnzeigen);
    links->addWidget(bKombiNr_);
    links->addWidget(GrafikBauen());
    links->addStretch(1);
    mitte->addLayout(links);

    // Middle: counters.
    auto* zaehler = new QVBoxLayout;
    // The range stands once, above the list (bzBereich); here only as the tool tip.
    bzTitel_[1] = Titel(QStringLiteral("Anzahl Treffer"), this, "bzTitel_1");
    zaehler->addWidget(bzTitel_[1]);
    zaehler->addWidget(ZaehlerBauen());
    zaehler->addStretch(1);
    bSchliessen_ = new QPushButton(QStringLiteral("Modul schließen"), this);
    bSchliessen_->setObjectName("bSchliessen");
    connect(bSchliessen_, &QPushButton::clicked, this, &QWidget::close);
    zaehler->addWidget(bSchliessen_);
    mitte->addLayout(zaehler);

    // Right: the rows with hits; it takes every pixel the window grows by.
    auto* rechts = new QVBoxLayout;
    bzTreffertitel_ = Titel(QStringLiteral("Reihen mit Treffer"), this, "bzTreffertitel");
    rechts->addWidget(bzTreffertitel_);
    bzBereich_ = new QLabel(this);
    bzBereich_->setObjectName("bzBereich");
    rechts->addWidget(bzBereich_);
    auto* liste = new QHBoxLayout;
    liste->setSpacing(0);
    bdTreffer_ = new TrefferlisteWidget(this);
    bdTreffer_->setObjectName("bdTreffer");
    vbTreffer_ = new QScrollBar(Qt::Vertical, this);
    vbTreffer_->setObjectName("vbTreffer");
    vbTreffer_->setRange(0, 0);
    liste->addWidget(bdTreffer_, 1);
    liste->addWidget(vbTreffer_);
    rechts->addLayout(liste, 1);
    mitte->addLayout(rechts, 1);
    connect(vbTreffer_, &QScrollBar::valueChanged, this, [this] { ReihenMitTrefferAnzeigen(); });
    connect(bdTreffer_, &TrefferlisteWidget::Gerollt, this, [this](int z) { ListeBlaettern(z); });
    connect(bdTreffer_, &TrefferlisteWidget::GroesseGeaendert, this,
            &AuswertungFenster::ListeNachGroesse);
    connect(bdTreffer_, &TrefferlisteWidget::KontextmenueGewuenscht, this,
            [this](const QPoint& p) { mZeigen_->popup(p); });

    bzHilfe_ = new QLabel(this);
    bzHilfe_->setObjectName("bzHilfe");
    bzHilfe_->setMinimumHeight(24);
    bzHilfe_->installEventFilter(this);
    haupt->addWidget(bzHilfe_);

    zeit_ = new QTimer(this);
    zeit_->setObjectName("Zeit");
    zeit_->setInterval(2000);
    zeit_->setSingleShot(true);
    connect(zeit_, &QTimer::timeout, this, [this] { ZiffernAktion(ziffern_.Ablauf()); });
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(100);
    connect(timer1_, &QTimer::timeout, this, &AuswertungFenster::TimerSchritt);

    MenuesBauen();
    TrefferfilterSetzen(trefferfilter_);
    // The window sees keys before its controls.
    qApp->installEventFilter(this);
    resize(940, 560);

    bdTreffer_->Leeren();
    Animation();
    if (oeffnen) {
        LottodateiOeffnen();
    } else {
        DatenNeuAnzeigen();
    }
}

AuswertungFenster::~AuswertungFenster() {
    qApp->removeEventFilter(this);
}

void AuswertungFenster::RasterBauen(QWidget* flaeche) {
    auto* g = new QGridLayout(flaeche);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(4);
    for (int i = 0; i < 49; ++i) {
        auto* b = new QPushButton(QString::number(i + 1), flaeche);
        b->setObjectName(QStringLiteral("kZahl_%1").arg(i));
        b->setProperty("raster", true);
        b->setCheckable(true);
        b->setFocusPolicy(Qt::TabFocus);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        b->setIconSize(QSize(28, 28));
        connect(b, &QPushButton::clicked, this, &AuswertungFenster::ZahlGeklickt);
        connect(b, &QWidget::customContextMenuRequested, this, [this, i, b](const QPoint& p) {
            popupIndex_ = i;
            mZahlenfeld_->popup(b->mapToGlobal(p));
        });
        g->addWidget(b, i / 7, i % 7);
        kZahl_[static_cast<size_t>(i)] = b;
    }
    // The style sheet's button height is only known once polished; the layout must not squeeze
    // the last row under the widgets below it.
    kZahl_[0]->ensurePolished();
    flaeche->setMinimumHeight(7 * kZahl_[0]->sizeHint().height() + 6 * g->spacing());
}

QWidget* AuswertungFenster::ZaehlerBauen() {
    auto* rahmen = new QFrame(this);
    rahmen->setObjectName("rZaehler");
    rahmen->setFrameShape(QFrame::StyledPanel);
    auto* g = new QGridLayout(rahmen);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(3);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    for (int i = 0; i < 24; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("bzTreffer_%1").arg(i));
        l->installEventFilter(this);
        l->setCursor(Qt::PointingHandCursor);
        bzTreffer_[static_cast<size_t>(i)] = l;
        if (i < 12) {
            l->setText(QStringLiteral("....."));
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setMinimumWidth(64);
            l->setAutoFillBackground(true);
            l->setContentsMargins(6, 1, 6, 1);
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        } else {
            l->setText(QString::fromUtf8(kZaehlerTitel[i - 12]));
            l->setFont(mono);
        }
    }
    for (int zeile = 0; zeile < 12; ++zeile) {
        const int k = kZaehlerReihe[static_cast<size_t>(zeile)];
        // The totals sit apart from the classes.
        const int z = zeile < 10 ? zeile : zeile + 1;
        g->addWidget(bzTreffer_[static_cast<size_t>(k + 12)], z, 0);
        g->addWidget(bzTreffer_[static_cast<size_t>(k)], z, 1);
        if (k >= 7 && k <= 9) {
            auto* c = new QCheckBox(this);
            const int idx = k - 7;
            c->setObjectName(QStringLiteral("kTreffer_%1").arg(idx));
            c->setToolTip(QStringLiteral("%1+ Zusatzzahl auswerten").arg(idx + 3));
            c->setFocusPolicy(Qt::TabFocus);
            connect(c, &QCheckBox::clicked, this, [this, idx] { ZusatzzahlGeklickt(idx); });
            kTreffer_[static_cast<size_t>(idx)] = c;
            g->addWidget(c, z, 2);
        }
    }
    auto* linie = new QFrame(rahmen);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    g->addWidget(linie, 10, 0, 1, 3);
    for (int i = 0; i < 3; ++i)
        kTreffer_[static_cast<size_t>(i)]->setChecked(Optionen().lottoAuswertung[2 + i] == 1);
    return rahmen;
}

QWidget* AuswertungFenster::ToolbarBauen() {
    QHBoxLayout* h = nullptr;
    QFrame* leiste = WerkzeugleisteBauen(this, h);
    // "Neu" leads, as in every file-based program.
    for (int i : {8, 0, 1, 2, 3, 4, 5, 6, 7}) {
        auto* b = WerkzeugknopfBauen(leiste, i, QString::fromUtf8(kToolbarText[i]),
                                     QString::fromUtf8(kToolbarTipp[i]), ToolbarSymbol(i));
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QWidget::customContextMenuRequested, this,
                [this, b](const QPoint& p) { mDatei_->popup(b->mapToGlobal(p)); });
        bToolbar_[static_cast<size_t>(i)] = b;
        h->addWidget(b);
        if (i == 1 || i == 4) {
            auto* trenner = new QFrame(leiste);
            trenner->setFrameShape(QFrame::VLine);
            trenner->setFrameShadow(QFrame::Sunken);
            h->addWidget(trenner);
        }
    }
    h->addStretch(1);
    return leiste;
}

QWidget* AuswertungFenster::GrafikBauen() {
    auto* box = new QGroupBox(QStringLiteral("Zahlenfeldgrafik"), this);
    box->setObjectName("rGrafik");
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(2);
    bzGrafik_ = new QPushButton(QStringLiteral("Ohne Statistik"), box);
    bzGrafik_->setObjectName("bzGrafik");
    g->addWidget(bzGrafik_, 0, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        auto* s = new QScrollBar(Qt::Horizontal, box);
        s->setObjectName(QStringLiteral("hbBarometer_%1").arg(i));
        s->setRange(1, 20);
        s->setValue(3);
        auto* l = new QLabel(QStringLiteral("(3)"), box);
        l->setObjectName(QStringLiteral("bzBarometer_%1").arg(i));
        l->setMinimumWidth(34);
        connect(s, &QScrollBar::valueChanged, l,
                [l](int v) { l->setText(QStringLiteral("(%1)").arg(v)); });
        connect(s, &QScrollBar::valueChanged, this,
                [this] { ZahlenfeldgrafikAktualisieren(this, *daten_); });
        hbBarometer_[static_cast<size_t>(i)] = s;
        bzBarometer_[static_cast<size_t>(i)] = l;
        g->addWidget(s, 1 + i, 0);
        g->addWidget(l, 1 + i, 1);
    }
    auto* legende = new QLabel(QStringLiteral("Nachbarkombinationen:"), box);
    g->addWidget(legende, 4, 0, 1, 2);
    // Two by two: a grouped combination number is wider than a quarter of the column.
    auto* felder = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(box);
        l->setObjectName(QStringLiteral("bzFarbfeld_%1").arg(i));
        l->setProperty("tag", QString());
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(40);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        bzFarbfeld_[static_cast<size_t>(i)] = l;
        felder->addWidget(l, i / 2, i % 2);
    }
    g->addLayout(felder, 5, 0, 1, 2);
    return box;
}

void AuswertungFenster::ListeNachGroesse() {
    // A cleared list stays cleared: a new size only lays out what is shown.
    if (bzTreffer_[0]->text() == QStringLiteral(".....")) return;
    // A list showing its end keeps showing it at the new size, instead of jumping to the top.
    const bool amEnde = vbTreffer_->value() == vbTreffer_->maximum();
    ReihenMitTrefferAnzeigen();
    if (!amEnde || vbTreffer_->value() == vbTreffer_->maximum()) return;
    {
        const QSignalBlocker sperre(vbTreffer_);
        vbTreffer_->setValue(vbTreffer_->maximum());
    }
    ReihenMitTrefferAnzeigen();
}

void AuswertungFenster::closeEvent(QCloseEvent* e) {
    // Changes that could not be saved keep the window open, at the program's end too.
    if (!SchliessenFragen()) {
        e->ignore();
        return;
    }
    zeit_->stop();
    timer1_->stop();
    e->accept();
}

QWidget* AuswertungFensterErzeugen() {
    return new AuswertungFenster(nullptr, true);
}

}  // namespace zahlix::ui
