// The filter window's controls: the source, the filters and the result column.
#include "systems/ui/systemfilter_fenster.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include "output/ui/editorhilfe.h"

namespace zahlix::ui {

namespace {

QSpinBox* Drehfeld(QWidget* eltern, const QString& name, int min, int max, int wert) {
    auto* s = new QSpinBox(eltern);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setValue(wert);
    s->setMaximumWidth(56);
    return s;
}

}  // namespace

SystemfilterFenster::SystemfilterFenster(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("fSystemfilter"));
    setWindowTitle(Q("Systemdatei-Filter"));
    setProperty("zahlixKurz", QStringLiteral("SF"));
    setProperty("zahlixHilfethema", QStringLiteral("Systemdatei-Filter"));
    setProperty("zahlixQuickInfo",
                Q("Der Systemdatei-Filter verkleinert ein System und zeigt nach jeder Änderung, "
                  "was es noch garantiert.\r\n\r\n-> 'Speichern'\r\nSchreibt die übrigen Reihen "
                  "als Systemdatei\r\n"));
    setAttribute(Qt::WA_DeleteOnClose);
    muster_.fill(kAlleMuster);

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(8, 6, 8, 6);
    auto* spalten = new QHBoxLayout;
    spalten->addWidget(QuelleBauen());
    spalten->addWidget(FilterBauen(), 3);
    spalten->addWidget(ErgebnisBauen(), 2);
    haupt->addLayout(spalten, 1);
    auto* unten = new QHBoxLayout;
    bzHilfe_ = new QLabel(this);
    bzHilfe_->setObjectName(QStringLiteral("bzHilfe"));
    bzHilfe_->setStyleSheet(
        QStringLiteral("background: #fbfbf3; border: 1px solid #c9ccd2; padding: 3px 6px;"));
    auto* schliessen = new QPushButton(Q("Modul schließen"), this);
    schliessen->setObjectName(QStringLiteral("bSchliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(bzHilfe_, 1);
    unten->addWidget(schliessen);
    haupt->addLayout(unten);
    baut_ = false;
    LaufStarten();
}

QWidget* SystemfilterFenster::QuelleBauen() {
    auto* box = new QGroupBox(Q("Quelle der Reihen"), this);
    auto* v = new QVBoxLayout(box);
    oQuelle_[0] = new QRadioButton(Q("&Markierte Zahlen"), box);
    oQuelle_[1] = new QRadioButton(Q("S&ystemdatei"), box);
    auto* gitter = new QGridLayout;
    gitter->setSpacing(2);
    for (int i = 0; i < 49; ++i) {
        auto* b = new QPushButton(QString::number(i + 1), box);
        b->setObjectName(QStringLiteral("kZahl_%1").arg(i));
        b->setProperty("raster", true);
        b->setCheckable(true);
        b->setFixedSize(28, 24);
        connect(b, &QPushButton::toggled, this, [this] {
            if (oQuelle_[0]->isChecked()) Geaendert();
        });
        gitter->addWidget(b, i / 7, i % 7);
        kZahl_[static_cast<std::size_t>(i)] = b;
    }
    tSystemdatei_ = new QLineEdit(box);
    tSystemdatei_->setObjectName(QStringLiteral("tSystemdatei"));
    tSystemdatei_->setReadOnly(true);
    auto* oeffnen = new QPushButton(Q("Ö&ffnen..."), box);
    oeffnen->setObjectName(QStringLiteral("bSystemdatei"));
    connect(oeffnen, &QPushButton::clicked, this, &SystemfilterFenster::SystemWaehlen);
    auto* datei = new QHBoxLayout;
    datei->addWidget(tSystemdatei_, 1);
    datei->addWidget(oeffnen);
    bzQuelle_ = new QLabel(box);
    bzQuelle_->setObjectName(QStringLiteral("bzQuelle"));
    for (int i = 0; i < 2; ++i) {
        oQuelle_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("oQuelle_%1").arg(i));
        connect(oQuelle_[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this](bool an) {
                    if (!an) return;
                    // The field shows the system's numbers; only the player's own marks edit.
                    for (QPushButton* b : kZahl_) b->setEnabled(oQuelle_[0]->isChecked());
                    Geaendert();
                });
    }
    oQuelle_[0]->setChecked(true);
    v->addWidget(oQuelle_[0]);
    v->addLayout(gitter);
    v->addSpacing(6);
    v->addWidget(oQuelle_[1]);
    v->addLayout(datei);
    v->addWidget(bzQuelle_);
    v->addStretch(1);
    return box;
}

QWidget* SystemfilterFenster::FilterBauen() {
    auto* box = new QGroupBox(Q("Filter"), this);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(4);
    int zeile = 0;
    auto schalter = [&](const char* name, const char* text) {
        auto* k = new QCheckBox(Q(text), box);
        k->setObjectName(QString::fromLatin1(name));
        connect(k, &QCheckBox::toggled, this, &SystemfilterFenster::Geaendert);
        g->addWidget(k, zeile, 0);
        return k;
    };
    // Touching a value switches its filter on.
    auto wert = [&](QCheckBox* k, QSpinBox* s, int spalte) {
        connect(s, &QSpinBox::valueChanged, this, [this, k] {
            if (k->isChecked())
                Geaendert();
            else
                k->setChecked(true);
        });
        g->addWidget(s, zeile, spalte);
    };
    auto spanne = [&](const char* k, const char* text, const char* s, int min, int max, int von,
                      int bis) {
        QCheckBox* schalt = schalter(k, text);
        QSpinBox* a = Drehfeld(box, QStringLiteral("%1_0").arg(s), min, max, von);
        QSpinBox* b = Drehfeld(box, QStringLiteral("%1_1").arg(s), min, max, bis);
        // The range stays ordered: moving one end past the other takes the other along.
        connect(a, &QSpinBox::valueChanged, b,
                [b](int x) { b->setValue(std::max(x, b->value())); });
        connect(b, &QSpinBox::valueChanged, a,
                [a](int x) { a->setValue(std::min(x, a->value())); });
        wert(schalt, a, 1);
        g->addWidget(new QLabel(Q("bis"), box), zeile, 2, Qt::AlignCenter);
        wert(schalt, b, 3);
        ++zeile;
    };
    auto grenze = [&](const char* k, const char* text, const char* s, int min, int max, int w,
                      const char* danach) {
        wert(schalter(k, text), Drehfeld(box, QString::fromLatin1(s), min, max, w), 1);
        g->addWidget(new QLabel(Q(danach), box), zeile, 2, 1, 2);
        ++zeile;
    };
    spanne("kSumme", "S&umme", "sSumme", 21, 279, 100, 200);
    spanne("kUngerade", "U&ngerade Zahlen", "sUngerade", 0, 6, 2, 4);
    spanne("kTief", "&Tiefe Zahlen (1-24)", "sTief", 0, 6, 2, 4);
    grenze("kNachbarn", "Na&chbarn in Folge", "sNachbarn", 1, 6, 2, "höchstens");
    grenze("kZehner", "Aus einem &Zehner", "sZehner", 1, 6, 3, "höchstens");
    grenze("kEndziffern", "Gleiche &Endziffer", "sEndziffern", 1, 6, 2, "höchstens");
    grenze("kGemeinsam", "Gemeinsame Za&hlen", "sGemeinsam", 0, 5, 4, "höchstens");

    QCheckBox* gezogen = schalter("kGezogen", "Gezogene st&reichen");
    auto* waehlen = new QPushButton(Q("&Lottodatei..."), box);
    waehlen->setObjectName(QStringLiteral("bZiehungsdatei"));
    connect(waehlen, &QPushButton::clicked, this, &SystemfilterFenster::ZiehungsdateiWaehlen);
    g->addWidget(waehlen, zeile++, 1, 1, 3);
    tZiehungsdatei_ = new QLineEdit(box);
    tZiehungsdatei_->setObjectName(QStringLiteral("tZiehungsdatei"));
    tZiehungsdatei_->setReadOnly(true);
    tZiehungsdatei_->setPlaceholderText(Q("Lottodatei der Ziehungen"));
    tZiehungsdatei_->setMinimumWidth(60);
    cGezogen_ = new QComboBox(box);
    cGezogen_->setObjectName(QStringLiteral("cGezogen"));
    cGezogen_->addItems({Q("6 Treffer"), Q("5 oder 6 Treffer")});
    connect(cGezogen_, &QComboBox::currentIndexChanged, this, &SystemfilterFenster::Geaendert);
    g->addWidget(tZiehungsdatei_, zeile, 0);
    g->addWidget(cGezogen_, zeile++, 1, 1, 3);
    // Without draws the filter would keep everything while looking switched on.
    connect(gezogen, &QCheckBox::toggled, this, [this, gezogen](bool an) {
        if (an && ziehungen_.empty() && !ZiehungsdateiWaehlen()) gezogen->setChecked(false);
    });

    g->addWidget(new QLabel(Q("&Gruppenmuster"), box), zeile, 0);
    cMusterart_ = new QComboBox(box);
    cMusterart_->setObjectName(QStringLiteral("cMusterart"));
    for (int a = 0; a < kMusterarten; ++a)
        cMusterart_->addItem(Q(MusterartName(static_cast<Musterart>(a))));
    qobject_cast<QLabel*>(g->itemAtPosition(zeile, 0)->widget())->setBuddy(cMusterart_);
    connect(cMusterart_, &QComboBox::currentIndexChanged, this,
            &SystemfilterFenster::MusterlisteFuellen);
    auto* alle = new QPushButton(Q("&Alle"), box);
    alle->setObjectName(QStringLiteral("bMusterAlle"));
    alle->setToolTip(Q("Alle Muster dieser Gruppe zulassen"));
    connect(alle, &QPushButton::clicked, this, [this] {
        muster_[static_cast<std::size_t>(cMusterart_->currentIndex())] = kAlleMuster;
        MusterlisteFuellen();
        Geaendert();
    });
    g->addWidget(cMusterart_, zeile, 1, 1, 2);
    g->addWidget(alle, zeile++, 3);
    lMuster_ = new QListWidget(box);
    lMuster_->setObjectName(QStringLiteral("lMuster"));
    lMuster_->setFont(Festbreitenschrift(9));
    lMuster_->setMinimumWidth(60);
    lMuster_->setToolTip(
        Q("Abgehakte Muster bleiben; die Zahl nennt die Reihen, die das Muster "
          "bei den übrigen Filtern durchlässt"));
    connect(lMuster_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        auto& bits = muster_[static_cast<std::size_t>(cMusterart_->currentIndex())];
        const uint64_t bit = uint64_t{1} << item->data(Qt::UserRole).toInt();
        bits = item->checkState() == Qt::Checked ? bits | bit : bits & ~bit;
        Geaendert();
    });
    g->addWidget(lMuster_, zeile, 0, 1, 4);
    g->setRowStretch(zeile, 1);
    g->setColumnStretch(0, 1);
    return box;
}

QWidget* SystemfilterFenster::ErgebnisBauen() {
    auto* box = new QGroupBox(Q("Ergebnis"), this);
    auto* v = new QVBoxLayout(box);
    bzReihen_ = new QLabel(box);
    bzReihen_->setObjectName(QStringLiteral("bzReihen"));
    bzGarantie_ = new QLabel(box);
    bzGarantie_->setObjectName(QStringLiteral("bzGarantie"));
    QFont gross = bzReihen_->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.2);
    gross.setBold(true);
    bzReihen_->setFont(gross);
    bzReihen_->setWordWrap(true);
    bzGarantie_->setWordWrap(true);
    tGarantie_ = new QTableWidget(4, 5, box);
    tGarantie_->setObjectName(QStringLiteral("tGarantie"));
    tGarantie_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tGarantie_->setSelectionMode(QAbstractItemView::SingleSelection);
    tGarantie_->setToolTip(
        Q("Anteil aller Ziehungen mit so vielen Treffern in einer Reihe, "
          "wenn 6, 5, 4 oder 3 der Zahlen gezogen werden"));
    for (int m = 6; m >= 3; --m)
        tGarantie_->setVerticalHeaderItem(6 - m,
                                          new QTableWidgetItem(Q("aus " + std::to_string(m))));
    for (int t = 2; t <= 6; ++t)
        tGarantie_->setHorizontalHeaderItem(t - 2, new QTableWidgetItem(Q(std::to_string(t))));
    tGarantie_->setWordWrap(false);
    tGarantie_->horizontalHeader()->setMinimumSectionSize(20);
    tGarantie_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tGarantie_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tGarantie_->setFixedHeight(tGarantie_->horizontalHeader()->sizeHint().height() +
                               4 * tGarantie_->verticalHeader()->defaultSectionSize() + 4);
    connect(tGarantie_, &QTableWidget::currentCellChanged, this, [this](int zeile, int spalte) {
        if (zeile < 0 || spalte < 0 || spalte + 2 > 6 - zeile) return;
        garantieM_ = 6 - zeile;
        garantieT_ = spalte + 2;
        GarantiesatzZeigen();
    });
    pbFortschritt_ = new QProgressBar(box);
    pbFortschritt_->setObjectName(QStringLiteral("pbFortschritt"));
    pbFortschritt_->setRange(0, 100);
    bStopp_ = new QPushButton(Q("&Stop"), box);
    bStopp_->setObjectName(QStringLiteral("bStopp"));
    bStopp_->setEnabled(false);
    connect(bStopp_, &QPushButton::clicked, this, &SystemfilterFenster::Anhalten);
    auto* lauf = new QHBoxLayout;
    lauf->addWidget(pbFortschritt_, 1);
    lauf->addWidget(bStopp_);
    lReihen_ = new QListWidget(box);
    lReihen_->setObjectName(QStringLiteral("lReihen"));
    lReihen_->setFont(Festbreitenschrift(9));
    lReihen_->setUniformItemSizes(true);
    lReihen_->setMinimumWidth(60);
    bSpeichern_ = new QPushButton(Q("S&peichern..."), box);
    bSpeichern_->setObjectName(QStringLiteral("bSpeichern"));
    connect(bSpeichern_, &QPushButton::clicked, this, [this] { Speichern(); });
    bDrucken_ = new QPushButton(Q("Lottoschein &Druck..."), box);
    bDrucken_->setObjectName(QStringLiteral("bDrucken"));
    connect(bDrucken_, &QPushButton::clicked, this, &SystemfilterFenster::Drucken);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(bSpeichern_);
    knoepfe->addWidget(bDrucken_);
    v->addWidget(bzReihen_);
    v->addWidget(bzGarantie_);
    auto* ueber = new QLabel(Q("Anteil der Ziehungen in % mit so vielen Treffern (Spalten), wenn "
                               "6, 5, 4 oder 3 der Zahlen fallen:"),
                             box);
    ueber->setWordWrap(true);
    v->addWidget(ueber);
    v->addWidget(tGarantie_);
    v->addLayout(lauf);
    v->addWidget(lReihen_, 1);
    v->addLayout(knoepfe);
    return box;
}

Systemfilter SystemfilterFenster::FilterAusSteuerung() const {
    auto an = [this](const char* k) { return findChild<QCheckBox*>(k)->isChecked(); };
    auto wert = [this](const char* s) { return findChild<QSpinBox*>(s)->value(); };
    Systemfilter f;
    if (an("kSumme")) f.summe = Spanne{wert("sSumme_0"), wert("sSumme_1")};
    if (an("kUngerade")) f.ungerade = Spanne{wert("sUngerade_0"), wert("sUngerade_1")};
    if (an("kTief")) f.tief = Spanne{wert("sTief_0"), wert("sTief_1")};
    if (an("kNachbarn")) f.nachbarn = wert("sNachbarn");
    if (an("kZehner")) f.zehner = wert("sZehner");
    if (an("kEndziffern")) f.endziffern = wert("sEndziffern");
    if (an("kGemeinsam")) f.gemeinsam = wert("sGemeinsam");
    if (an("kGezogen") && !ziehungen_.empty()) {
        f.ziehungen = ziehungen_;
        f.gezogenTreffer = cGezogen_->currentIndex() == 0 ? 6 : 5;
    }
    f.muster = muster_;
    return f;
}

void SystemfilterFenster::closeEvent(QCloseEvent* e) {
    stopp_ = true;  // the destructor waits for the worker
    erneut_ = false;
    e->accept();
}

QWidget* SystemfilterFensterErzeugen() {
    return new SystemfilterFenster;
}

}  // namespace zahlix::ui
