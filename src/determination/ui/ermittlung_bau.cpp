// The number field, the counters and the tool bar of the analysis window.
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/werkzeugleiste.h"
#include "determination/ui/ermittlung_fenster.h"
#include "evaluation/ui/zahlenbilder.h"
#include "shell/ui/rahmen.h"

namespace zahlix::ui {

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

// Display order of the counters as in the evaluation window, then the two totals.
constexpr std::array<int, 12> kZaehlerReihe{6, 9, 5, 8, 4, 7, 3, 2, 1, 0, 10, 11};
const char* const kZaehlerTitel[12] = {
    " Null :", " Ein  :",  " Zwei :",  " Drei :",  " Vier :", " Fünf :",
    " Sechs:", " 3+Zu  :", " 4+Zu  :", " 5+Zu  :", " Alle :", " Gewinn:"};
const char* const kNurTrefferText[7] = {"&Drei Treffer",  "&VierTreffer",  "&FünfTreffer",
                                        "&Sechs Treffer", "&3+Zu Treffer", "&4+Zu Treffer",
                                        "&5+Zu Treffer"};
const char* const kToolbarText[4] = {"&Drucken", "&Bereich", "&Ermitteln", "Rück&blick"};
const char* const kToolbarTipp[4] = {
    "Ermittlung an die Druckausgabe übergeben", "Auswertebereich einstellen",
    "Ermittlung starten/unterbrechen", "Vorschläge der Analyse an früheren Ziehungen prüfen"};
// Symbols borrowed from the evaluation window's tool bar: print, range, analysis, bars.
constexpr std::array<int, 4> kToolbarSymbol{2, 4, 7, 6};

}  // namespace

QWidget* ErmittlungFenster::ToolbarBauen() {
    QHBoxLayout* h = nullptr;
    QFrame* leiste = WerkzeugleisteBauen(this, h);
    for (int i = 0; i < 4; ++i) {
        auto* b = WerkzeugknopfBauen(leiste, i, u(kToolbarText[i]), u(kToolbarTipp[i]),
                                     ToolbarSymbol(kToolbarSymbol[static_cast<size_t>(i)]));
        bToolbar_[static_cast<size_t>(i)] = b;
        h->addWidget(b);
    }
    connect(bToolbar_[0], &QToolButton::clicked, this, &ErmittlungFenster::Drucken);
    connect(bToolbar_[1], &QToolButton::clicked, this, &ErmittlungFenster::BereichNeuEinstellen);
    connect(bToolbar_[2], &QToolButton::clicked, this, &ErmittlungFenster::ErmittlungUmschalten);
    connect(bToolbar_[3], &QToolButton::clicked, this, &ErmittlungFenster::RueckblickOeffnen);
    h->addStretch(1);
    return leiste;
}

QWidget* ErmittlungFenster::ZahlenfeldBauen() {
    auto* box = new QGroupBox(u("Zahlenauswahl"), this);
    box->setObjectName("rZahlenauswahl");
    auto* v = new QVBoxLayout(box);
    auto* g = new QGridLayout;
    g->setSpacing(3);
    for (int i = 0; i < 49; ++i) {
        auto* b = new QPushButton(QString::number(i + 1), box);
        b->setObjectName(QStringLiteral("kZahl_%1").arg(i));
        b->setProperty("raster", true);
        b->setCheckable(true);
        b->setFocusPolicy(Qt::TabFocus);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        // The frame's number menu copies and pastes the field's marks.
        connect(b, &QWidget::customContextMenuRequested, this, [b](const QPoint& p) {
            Rahmen* r = Rahmen::Instanz();
            if (QMenu* m = r ? r->findChild<QMenu*>("mZahlenfeld") : nullptr)
                m->popup(b->mapToGlobal(p));
        });
        g->addWidget(b, i / 7, i % 7);
        kZahl_[static_cast<size_t>(i)] = b;
    }
    v->addLayout(g);
    const char* const sperrText[3] = {"Mar&kierte Sperren", "S&perrung aufheben", "Alle &Löschen"};
    // Two rows of lock buttons keep the window within a 768-pixel screen, beside and below.
    auto* knoepfe = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(u(sperrText[i]), box);
        b->setObjectName(QStringLiteral("bZahlenSperren_%1").arg(i));
        bZahlenSperren_[static_cast<size_t>(i)] = b;
        knoepfe->addWidget(b, i / 2, i % 2);
    }
    connect(bZahlenSperren_[0], &QPushButton::clicked, this, &ErmittlungFenster::MarkierteSperren);
    connect(bZahlenSperren_[1], &QPushButton::clicked, this, &ErmittlungFenster::SperrungAufheben);
    connect(bZahlenSperren_[2], &QPushButton::clicked, this, &ErmittlungFenster::AlleLoeschen);
    v->addLayout(knoepfe);
    return box;
}

QWidget* ErmittlungFenster::ZaehlerBauen() {
    // Each "Berücksichtige" switch sits beside the counter of its class.
    auto* box = new QGroupBox(u("Anzahl Treffer"), this);
    box->setObjectName("rTreffer");
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(0);
    g->setHorizontalSpacing(6);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    for (int i = 0; i < 24; ++i) {
        auto* l = new QLabel(box);
        l->setObjectName(QStringLiteral("bzTreffer_%1").arg(i));
        bzTreffer_[static_cast<size_t>(i)] = l;
        if (i < 12) {
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setMinimumWidth(40);
            l->setContentsMargins(3, 0, 3, 0);
        } else {
            l->setText(u(kZaehlerTitel[i - 12]));
            l->setFont(mono);
        }
    }
    auto* kopf = new QLabel(u("Berücksichtige"), box);
    kopf->setObjectName("bzBeruecksichtige");
    g->addWidget(kopf, 0, 2);
    // kNurTreffer(0..6) belong to classes 3, 4, 5, 6, 7, 8, 9.
    constexpr std::array<int, 7> kKlasseDesSchalters{3, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i < 7; ++i) {
        // The row's caption names the class; the switch's own caption stays as its tip.
        auto* c = new QCheckBox(box);
        c->setToolTip(u(kNurTrefferText[i]).remove(QLatin1Char('&')));
        c->setAccessibleName(c->toolTip());
        c->setObjectName(QStringLiteral("kNurTreffer_%1").arg(i));
        c->setChecked(true);
        kNurTreffer_[static_cast<size_t>(i)] = c;
    }
    for (int zeile = 0; zeile < 12; ++zeile) {
        const int k = kZaehlerReihe[static_cast<size_t>(zeile)];
        g->addWidget(bzTreffer_[static_cast<size_t>(k + 12)], zeile + 1, 0);
        g->addWidget(bzTreffer_[static_cast<size_t>(k)], zeile + 1, 1);
        for (int i = 0; i < 7; ++i)
            if (kKlasseDesSchalters[static_cast<size_t>(i)] == k)
                g->addWidget(kNurTreffer_[static_cast<size_t>(i)], zeile + 1, 2);
    }
    return box;
}

}  // namespace zahlix::ui
