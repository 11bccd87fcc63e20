// fStatistik: construction and wiring of the controls.
#include "statistics/ui/statistik_fenster.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/ui/fenster.h"
#include "app/ui/textbreite.h"
#include "core/bereich.h"
#include "output/ui/editorhilfe.h"
#include "statistics/ui/grafik_bild.h"

namespace zahlix::ui {

namespace {

const char* const kHilfetext =
    "Das Modul Statistik erzeugt viele Statistiken.\r\n\r\n-> 'Drucken'\r\nÜbergibt die "
    "Statistik an die Druckausgabe\r\n\r\n-> 'Ermitteln'\r\nBerechnet die gewünschte Statistik "
    "neu\r\n";

const char* const kGrafikTipps[5] = {
    "Balkengrafik mit Mittelwertlinie", "Balkengrafik der plus/minus Abweichung vom Mittelwert",
    "Balkengrafik der absolute Abweichung vom Mittelwert",
    "Farbfeldgrafik der Abweichung vom Mittelwert", "Balkengrafik mit Sollwertlinie"};

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text, const QString& tipp) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tipp);
    return b;
}

}  // namespace

StatistikFenster::StatistikFenster(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("fStatistik"));
    setProperty("zahlixKurz", QStringLiteral("ST"));
    setProperty("zahlixQuickInfo", QString::fromUtf8(kHilfetext));
    setProperty("zahlixHilfethema", QStringLiteral("Statistik"));
    DatenUebernehmen(daten_);

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(6, 6, 6, 6);
    haupt->addWidget(KopfBauen());
    bzAuswertebereich_ = new QLabel(this);
    bzAuswertebereich_->setObjectName(QStringLiteral("bzAuswertebereich"));
    haupt->addWidget(bzAuswertebereich_);
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(ListenBauen(), 0);
    mitte->addWidget(GrafikBauen(), 1);
    haupt->addLayout(mitte, 1);
    bzHilfe_ = new QLabel(this);
    bzHilfe_->setObjectName(QStringLiteral("bzHilfe"));
    bzHilfe_->setFrameShape(QFrame::StyledPanel);
    haupt->addWidget(bzHilfe_);

    bzAuswertebereich_->setText(QStringLiteral("Bereich - ") + Q(daten_.Titel));
    TypEinrichten();
    AnzeigeLoeschen();
    TitelAnzeigen();
}

StatistikFenster::~StatistikFenster() = default;

QWidget* StatistikFenster::KopfBauen() {
    auto* kopf = new QWidget(this);
    auto* g = new QGridLayout(kopf);
    g->setContentsMargins(0, 0, 0, 0);
    bToolbar_[2] = Knopf(kopf, "bToolbar_2", QStringLiteral("&Ermitteln"),
                         QStringLiteral("Statistik ermitteln/unterbrechen"));
    bToolbar_[1] = Knopf(kopf, "bToolbar_1", QStringLiteral("&Bereich"),
                         QStringLiteral("Auswertebereich einstellen"));
    bToolbar_[0] = Knopf(kopf, "bToolbar_0", QStringLiteral("&Drucken"),
                         QStringLiteral("Statistik an die Druckausgabe übergeben"));
    bSchliessen_ = Knopf(kopf, "bSchliessen", QStringLiteral("Modul schließen"),
                         QStringLiteral("Modul schließen"));
    auto* leiste = new QHBoxLayout;
    for (int i : {2, 1, 0}) leiste->addWidget(bToolbar_[static_cast<size_t>(i)]);
    auto* artText = new QLabel(QStringLiteral("Art der Statistik"), kopf);
    cStatistikart_ = new QComboBox(kopf);
    cStatistikart_->setObjectName(QStringLiteral("cStatistikart"));
    cStatistikart_->setToolTip(QStringLiteral("Hier die Statistikart auswählen"));
    cStatistikart_->addItem(QString());
    for (int t = 1; t <= statistik::kTypen; ++t)
        cStatistikart_->addItem(QString::fromUtf8(statistik::Beschreibung(t).name));
    cStatistikart_->setMinimumContentsLength(24);
    leiste->addSpacing(12);
    leiste->addWidget(artText);
    leiste->addWidget(cStatistikart_);
    leiste->addStretch(1);
    leiste->addWidget(bSchliessen_);
    g->addLayout(leiste, 0, 0, 1, 10);

    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(kopf);
        l->setObjectName(QStringLiteral("bzZahl_%1").arg(i));
        auto* c = new QComboBox(kopf);
        c->setObjectName(QStringLiteral("cZahl_%1").arg(i));
        c->setEditable(true);  // the wider frame of the two kinds the selectors take
        QStringList eintraege;
        for (int t = 1; t <= statistik::kTypen; ++t)
            for (const auto& f : {statistik::Auswahl1(t), statistik::Auswahl2(t)})
                for (const std::string& e : f.eintraege) eintraege << Q(e);
        BreiteFuerTexte(c, eintraege);
        l->setBuddy(c);
        bzZahl_[static_cast<size_t>(i)] = l;
        cZahl_[static_cast<size_t>(i)] = c;
        g->addWidget(l, 1, 2 * i);
        g->addWidget(c, 1, 2 * i + 1);
    }
    bzZusatzzahl_ = new QLabel(QStringLiteral("Zusatzzahl"), kopf);
    bzZusatzzahl_->setObjectName(QStringLiteral("bzZusatzzahl"));
    g->addWidget(bzZusatzzahl_, 1, 4);
    const char* const texte[3] = {"&Ohne", "&Mit", "&Nur"};
    auto* gruppe = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(texte[i]), kopf);
        o->setObjectName(QStringLiteral("oZusatzzahl_%1").arg(i));
        gruppe->addButton(o, i);
        oZusatzzahl_[static_cast<size_t>(i)] = o;
        g->addWidget(o, 1, 5 + i);
    }
    oZusatzzahl_[0]->setChecked(true);
    bErmitteln_ = Knopf(kopf, "bErmitteln", QStringLiteral("&Ermitteln"), QString());
    bErmitteln_->setDefault(true);
    g->addWidget(bErmitteln_, 1, 8);
    g->setColumnStretch(9, 1);

    connect(bToolbar_[2], &QPushButton::clicked, this, &StatistikFenster::Ermitteln);
    connect(bErmitteln_, &QPushButton::clicked, this, &StatistikFenster::Ermitteln);
    connect(bToolbar_[1], &QPushButton::clicked, this, &StatistikFenster::BereichEinstellen);
    connect(bToolbar_[0], &QPushButton::clicked, this, &StatistikFenster::Drucken);
    connect(bSchliessen_, &QPushButton::clicked, this, &QWidget::close);
    connect(cStatistikart_, &QComboBox::activated, this, [this] {
        TypEinrichten();
        AnzeigeLoeschen();
        TitelAnzeigen();
    });
    connect(gruppe, &QButtonGroup::idClicked, this, [this] {
        if (hatErgebnis_) Ermitteln();
    });
    for (int i = 0; i < 2; ++i)
        connect(cZahl_[static_cast<size_t>(i)], &QComboBox::editTextChanged, this,
                [this, i] { ZahlGetippt(i); });
    return kopf;
}

QWidget* StatistikFenster::ListenBauen() {
    auto* rahmen = new QWidget(this);
    auto* v = new QVBoxLayout(rahmen);
    v->setContentsMargins(0, 0, 0, 0);
    rListen_ = new QGroupBox(rahmen);
    rListen_->setObjectName(QStringLiteral("rStatistik_0"));
    auto* g = new QGridLayout(rListen_);
    const QFont schrift = Festbreitenschrift(8);
    bzNormal_ = new QLabel(rListen_);
    bzNormal_->setObjectName(QStringLiteral("bzNormal"));
    bzSortiert_ = new QLabel(rListen_);
    bzSortiert_->setObjectName(QStringLiteral("bzSortiert"));
    auto* bzAuf = new QLabel(rListen_);
    for (QLabel* l : {bzNormal_, bzSortiert_, bzAuf}) l->setFont(schrift);
    g->addWidget(bzNormal_, 0, 0);
    g->addWidget(bzSortiert_, 0, 1);
    g->addWidget(bzAuf, 0, 2);
    const char* const namen[3] = {"lNormal", "lSortiert", "lAufSortiert"};
    std::array<QListWidget**, 3> ziel = {&lNormal_, &lSortiert_, &lAufSortiert_};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QListWidget(rListen_);
        l->setObjectName(QString::fromLatin1(namen[i]));
        l->setFont(schrift);
        const int breite = QFontMetrics(schrift).horizontalAdvance(QString(19, QLatin1Char('0')));
        l->setFixedWidth(breite + 24);
        g->addWidget(l, 1, i);
        *ziel[static_cast<size_t>(i)] = l;
    }
    // The ascending list repeats the sorted header.
    bzAuf->setObjectName(QStringLiteral("bzAufSortiert"));
    bzAufSortiert_ = bzAuf;
    v->addWidget(rListen_, 1);
    rText_ = new QGroupBox(rahmen);
    rText_->setObjectName(QStringLiteral("rStatistik_1"));
    auto* tv = new QVBoxLayout(rText_);
    rtStatistik_ = new QTextEdit(rText_);
    rtStatistik_->setObjectName(QStringLiteral("rtStatistik"));
    rtStatistik_->setFont(schrift);
    tv->addWidget(rtStatistik_);
    rText_->hide();
    v->addWidget(rText_, 1);
    return rahmen;
}

QWidget* StatistikFenster::GrafikBauen() {
    auto* box = new QWidget(this);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    auto* zeile = new QHBoxLayout;
    cListe_ = new QComboBox(box);
    cListe_->setObjectName(QStringLiteral("cListe"));
    cListe_->addItems(
        {QStringLiteral("Normal"), QStringLiteral("Aufsortiert"), QStringLiteral("Absortiert")});
    cGrafik_ = new QComboBox(box);
    cGrafik_->setObjectName(QStringLiteral("cGrafik"));
    QStringList wertarten;
    for (const std::string& w : statistik::AlleWertarten()) wertarten << Q(w);
    BreiteFuerTexte(cGrafik_, wertarten);
    zeile->addWidget(cListe_);
    zeile->addWidget(cGrafik_);
    zeile->addStretch(1);
    v->addLayout(zeile);
    zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Grafik"), box));
    auto* artGruppe = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* o = new QRadioButton(QString::number(i + 1), box);
        o->setObjectName(QStringLiteral("oGrafikArt_%1").arg(i));
        o->setToolTip(QString::fromUtf8(kGrafikTipps[i]));
        artGruppe->addButton(o, i);
        oGrafikArt_[static_cast<size_t>(i)] = o;
        zeile->addWidget(o);
    }
    oGrafikArt_[0]->setChecked(true);
    zeile->addStretch(1);
    v->addLayout(zeile);
    auto* farben = new QHBoxLayout;
    farben->addWidget(new QLabel(QStringLiteral("Farbe"), box));
    auto* farbGruppe = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        auto* o = new QRadioButton(box);
        o->setObjectName(QStringLiteral("oGrafikfarbe_%1").arg(i));
        const auto f = statistik::Farbflags(i);
        const QColor c(f[0] ? 200 : (i == 7 ? 200 : 60), f[1] ? 200 : 60, f[2] ? 200 : 60);
        o->setStyleSheet(QStringLiteral("QRadioButton { background: %1; padding: 2px; }")
                             .arg(i == 0 ? QStringLiteral("#3c3c3c") : c.name()));
        o->setToolTip(QStringLiteral("Grafikfarbe"));
        farbGruppe->addButton(o, i);
        oGrafikfarbe_[static_cast<size_t>(i)] = o;
        farben->addWidget(o);
    }
    farben->addStretch(1);
    oGrafikfarbe_[3]->setChecked(true);
    v->addLayout(farben);
    bdGrafik_ = new GrafikFlaeche(box);
    v->addWidget(bdGrafik_, 1);

    connect(artGruppe, &QButtonGroup::idClicked, this, [this] {
        if (hatErgebnis_) Ermitteln();
    });
    connect(farbGruppe, &QButtonGroup::idClicked, this, [this](int i) {
        farbe_ = i;
        if (hatErgebnis_) Ermitteln();
    });
    connect(cGrafik_, &QComboBox::activated, this, &StatistikFenster::WertartGewaehlt);
    connect(cListe_, &QComboBox::activated, this, &StatistikFenster::ListeGewaehlt);
    connect(bdGrafik_, &GrafikFlaeche::Gezogen, this, &StatistikFenster::GrafikGezogen);
    connect(bdGrafik_, &GrafikFlaeche::GroesseGeaendert, this, &StatistikFenster::GrafikZeichnen);
    // The colour field has fixed cells: saved, it is its own picture enlarged.
    bdGrafik_->NeuBauenSetzen([this](int breite, int hoehe) {
        return oGrafikArt_[3]->isChecked() ? GrafikFuer(380, 380) : GrafikFuer(breite, hoehe);
    });
    return box;
}

void StatistikFenster::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        if (laeuft_) stop_ = true;
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!laeuft_) Ermitteln();
        return;
    }
    QWidget::keyPressEvent(e);
}

void StatistikFenster::closeEvent(QCloseEvent* e) {
    // A running statistic still uses this window; it closes once the run has ended.
    if (laeuft_ && !ProgrammEndet()) {
        stop_ = true;
        schliessenNachLauf_ = true;
        e->ignore();
        return;
    }
    stop_ = true;
    QWidget::closeEvent(e);
}

QWidget* StatistikFensterErzeugen() {
    return new StatistikFenster;
}

}  // namespace zahlix::ui
