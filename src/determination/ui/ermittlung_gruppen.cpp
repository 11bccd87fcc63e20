// The analysis choice and the input group of every analysis; only the chosen one is visible.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/zahlformat.h"
#include "determination/analyse.h"
#include "determination/ui/ermittlung_fenster.h"

namespace zahlix::ui {

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

const char* const kVergleich[3] = {"&Kleiner als", "&Ist gleich", "&Größer als"};
const char* const kKlassen[10] = {"&Null", "&Ein",   "&Zwei", "&Drei", "&Vier",
                                  "&Fünf", "&Sechs", "&3+Zu", "&4+Zu", "&5+Zu"};
const char* const kSternzeichen[12] = {"&Widder",  "&Stier",     "&Zwilling",   "&Krebs",
                                       "&Löwe",    "&Jungfrau",  "Waa&ge",      "Sko&rpion",
                                       "Sc&hütze", "S&teinbock", "Wasser&mann", "&Fische"};
const char* const kPrognoseart[3] = {"Häu&figkeitsprognose (Oft danach bevorzugen)",
                                     "Aus&bleiberprognose (Selten danach bevorzugen)",
                                     "Aus&gleichsprognose (Oft und Selten bevorzugen)"};

}  // namespace

QGroupBox* ErmittlungFenster::Gruppe(const char* name, const QString& titel) {
    auto* g = new QGroupBox(titel, this);
    g->setObjectName(name);
    gruppen_.push_back(g);
    return g;
}

QRadioButton* ErmittlungFenster::Option(QWidget* eltern, const QString& name, const char* text,
                                        bool an) {
    auto* o = new QRadioButton(u(text), eltern);
    o->setObjectName(name);
    o->setChecked(an);
    return o;
}

QLineEdit* ErmittlungFenster::Feld(QWidget* eltern, const QString& name, const QString& wert) {
    auto* t = new QLineEdit(wert, eltern);
    t->setObjectName(name);
    t->setMaximumWidth(110);
    return t;
}

QWidget* ErmittlungFenster::EingabenBauen() {
    auto* flaeche = new QWidget(this);
    auto* v = new QVBoxLayout(flaeche);
    v->setContentsMargins(0, 0, 0, 0);

    auto* kopf = new QHBoxLayout;
    auto* artLabel = new QLabel(u("&Art der Analyse"), flaeche);
    cErmittlungart_ = new QComboBox(flaeche);
    cErmittlungart_->setObjectName("cErmittlungart");
    for (const Analysekatalogeintrag& a : Analysekatalog())
        cErmittlungart_->addItem(u(a.listentext));
    cErmittlungart_->setMaxVisibleItems(20);
    artLabel->setBuddy(cErmittlungart_);
    connect(cErmittlungart_, &QComboBox::activated, this,
            [this](int) { ArtWaehlen(cErmittlungart_->currentText()); });
    bErmitteln_ = new QPushButton(u("Ermitteln"), flaeche);
    bErmitteln_->setObjectName("bErmitteln");
    bErmitteln_->setToolTip(u("Ermittlung starten (Enter)"));
    connect(bErmitteln_, &QPushButton::clicked, this, &ErmittlungFenster::ErmittlungStarten);
    // The label stands above its list so the inputs column stays narrow.
    cErmittlungart_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cErmittlungart_->setMinimumContentsLength(16);
    v->addWidget(artLabel);
    kopf->addWidget(cErmittlungart_, 1);
    kopf->addWidget(bErmitteln_);
    v->addLayout(kopf);

    bzFrage_ = new QLabel(flaeche);
    bzFrage_->setObjectName("bzFrage");
    bzFrage_->setWordWrap(true);
    v->addWidget(bzFrage_);

    // The inputs shared by several analyses: count of determinations and numbers, and which
    // numbers the repeated analyses use.
    auto* gemeinsam = new QHBoxLayout;
    auto* anzahlen = new QGridLayout;
    const char* const anzahlText[2] = {"Anzahl E&rmittlungen", "Anzahl Za&hlen"};
    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(u(anzahlText[i]), flaeche);
        auto* c = new QComboBox(flaeche);
        c->setObjectName(QStringLiteral("cAnzahl_%1").arg(i));
        c->setMinimumContentsLength(8);
        l->setBuddy(c);
        // A row shows and hides as one.
        auto* r = new QWidget(flaeche);
        auto* h = new QHBoxLayout(r);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(l, 1);
        h->addWidget(c);
        cAnzahl_[static_cast<size_t>(i)] = c;
        rAnzahl_[i] = r;
        anzahlen->addWidget(r, i, 0);
    }
    gemeinsam->addLayout(anzahlen);
    // "Bis Stop" is any entry without a number: the run goes on until stopped.
    cAnzahl_[0]->setEditable(true);
    rZahlen_ = new QGroupBox(u("Zahlen"), flaeche);
    rZahlen_->setObjectName("rZahlen");
    auto* hz = new QVBoxLayout(rZahlen_);
    hz->setSpacing(1);
    oVerwende_[0] = Option(rZahlen_, QStringLiteral("oVerwende_0"), "Z&ufällige", true);
    oVerwende_[1] = Option(rZahlen_, QStringLiteral("oVerwende_1"), "&Markierte", false);
    hz->addWidget(oVerwende_[0]);
    hz->addWidget(oVerwende_[1]);
    gemeinsam->addWidget(rZahlen_);
    v->addLayout(gemeinsam);

    GruppenBauen();
    for (QGroupBox* g : gruppen_) v->addWidget(g);
    v->addStretch(1);
    return flaeche;
}

void ErmittlungFenster::GruppenBauen() {
    const auto feldZeile = [this](QGroupBox* g, QGridLayout* l, int zeile, const char* text,
                                  const QString& name, const QString& wert) {
        auto* b = new QLabel(u(text), g);
        QLineEdit* t = Feld(g, name, wert);
        b->setBuddy(t);
        l->addWidget(b, zeile, 0);
        l->addWidget(t, zeile, 1);
        return b;
    };

    {  // hit-picture bounds of "Gewinnzahlen"
        QGroupBox* g = Gruppe("rGewinnzahlen", u("Trefferbild (von - bis)"));
        g->setProperty("arten", QStringList{u("Gewinnzahlen")});
        auto* l = new QGridLayout(g);
        l->setVerticalSpacing(1);
        for (int k = 0; k < 10; ++k) {
            const int spalte = (k / 5) * 3, zeile = k % 5;
            auto* b = new QLabel(u(kKlassen[k]), g);
            QLineEdit* von = Feld(g, QStringLiteral("tGewinnzahlen_%1").arg(k), {});
            QLineEdit* bis = Feld(g, QStringLiteral("tGewinnzahlen_%1").arg(k + 10), "99999");
            von->setMaximumWidth(60);
            bis->setMaximumWidth(60);
            b->setBuddy(von);
            l->addWidget(b, zeile, spalte);
            l->addWidget(von, zeile, spalte + 1);
            l->addWidget(bis, zeile, spalte + 2);
        }
    }
    for (const char* art : {"Summe", "KombiNr"}) {
        const bool summe = art[0] == 'S';
        QGroupBox* g = Gruppe(summe ? "rSumme" : "rKombiNr", {});
        g->setProperty("arten", QStringList{summe ? u("Summenzahlen") : u("Kombinationszahlen")});
        g->setProperty("bereich", true);
        auto* l = new QGridLayout(g);
        const QString name = summe ? QStringLiteral("tSumme_%1") : QStringLiteral("tKombiNr_%1");
        auto* b = new QLabel(summe ? u("&Summe (von-bis)") : u("&Kombi-Nr (von-bis)"), g);
        QLineEdit* von = Feld(g, name.arg(0), summe ? "21" : "1");
        QLineEdit* bis = Feld(g, name.arg(1), summe ? "300" : "13983816");
        b->setBuddy(von);
        l->addWidget(b, 0, 0);
        l->addWidget(von, 0, 1);
        l->addWidget(bis, 0, 2);
        feldZeile(g, l, 1, "S&uchmuster", name.arg(2), {});
    }
    const char* const wiederholung[4][3] = {{"rZweier", "Zweierwiederholungen", "Zweier"},
                                            {"rDreier", "Dreierwiederholungen", "Dreier"},
                                            {"rVierer", "Viererwiederholungen", "Vierer"},
                                            {"rFuenfer", "Fünferwiederholungen", "Fuenfer"}};
    for (int w = 0; w < 4; ++w) {
        QGroupBox* g = Gruppe(wiederholung[w][0], u(wiederholung[w][1]));
        g->setProperty("arten", QStringList{u(wiederholung[w][1])});
        auto* l = new QGridLayout(g);
        const QString basis = QString::fromLatin1(wiederholung[w][2]);
        for (int i = 0; i < 3; ++i)
            l->addWidget(
                Option(g, QStringLiteral("o%1_%2").arg(basis).arg(i), kVergleich[i], i == 2), 0, i);
        const QString grenze =
            w < 2 ? QStringLiteral("t") + basis : QStringLiteral("t%1_0").arg(basis);
        feldZeile(g, l, 1, "&Grenzwert", grenze,
                  w < 2 ? QStringLiteral("10") : QStringLiteral("2"));
        if (w >= 2) {
            QLabel* start = feldZeile(g, l, 2, "Beginne mit dem &Startjahr",
                                      QStringLiteral("t%1_1").arg(basis), QStringLiteral("1955"));
            start->setObjectName(QStringLiteral("bzStart%1").arg(basis));
        }
    }
    const auto optionen = [this](const char* name, const QString& titel, const char* art,
                                 const QString& basis, std::initializer_list<const char*> texte,
                                 int spalten) {
        QGroupBox* g = Gruppe(name, titel);
        g->setProperty("arten", QStringList{u(art)});
        auto* l = new QGridLayout(g);
        l->setVerticalSpacing(1);
        int i = 0;
        for (const char* t : texte) {
            l->addWidget(Option(g, QStringLiteral("%1_%2").arg(basis).arg(i), t, i == 0),
                         i / spalten, i % spalten);
            ++i;
        }
        return g;
    };
    optionen("rTrefferverteilung", u("Trefferverteilung"), "Trefferverteilung",
             QStringLiteral("oTreffer"), {"&Jahresverteilung", "&Wochenverteilung"}, 2);
    optionen("rAbstand", u("Ziehungsabstandsprüfung"), "Zahlenabstand", QStringLiteral("oAbstand"),
             {"&2 Abstände stimmen überein", "&3 Abstände stimmen überein",
              "&4 Abstände stimmen überein", "&5 Abstände stimmen überein"},
             1);
    optionen("rZerlegung", u("Zerlegungsprüfung"), "Zerlegungsprüfung",
             QStringLiteral("oZerlegung"),
             {"Zerlegung in &2er Kombinationen", "Zerlegung in &3er Kombinationen",
              "Zerlegung in &4er Kombinationen", "Zerlegung in &5er Kombinationen"},
             1);
    {
        QGroupBox* g = Gruppe("rSternzeichen", u("Zahlen für Sternzeichen"));
        g->setProperty("arten", QStringList{u("Horoskop")});
        auto* l = new QGridLayout(g);
        l->setVerticalSpacing(1);
        for (int i = 0; i < 12; ++i)
            l->addWidget(
                Option(g, QStringLiteral("oSternzeichen_%1").arg(i), kSternzeichen[i], i == 0),
                i / 3, i % 3);
    }
    {
        QGroupBox* g = Gruppe("rPrognoseart", u("Prognoseart"));
        g->setProperty("arten", QStringList{u("Prognosen")});
        auto* l = new QGridLayout(g);
        l->setVerticalSpacing(1);
        for (int i = 0; i < 3; ++i)
            l->addWidget(
                Option(g, QStringLiteral("oPrognoseart_%1").arg(i), kPrognoseart[i], i == 0), i, 0,
                1, 2);
        auto* methode = new QComboBox(g);
        methode->setObjectName("cPrognoseart");
        for (const char* t : PrognoseMethoden()) methode->addItem(u(t));
        l->addWidget(methode, 3, 0, 1, 2);
        auto* b = new QLabel(u("Index-Liste"), g);
        auto* index = new QComboBox(g);
        index->setObjectName("cPrognoseIndex");
        index->setMinimumWidth(200);
        b->setBuddy(index);
        l->addWidget(b, 4, 0);
        l->addWidget(index, 4, 1);
    }
    {
        QGroupBox* g = Gruppe("rTreffertabelle", u("Erstelle Treffertabelle"));
        g->setProperty("arten", QStringList{u("Treffertabelle")});
        auto* l = new QHBoxLayout(g);
        auto* c = new QComboBox(g);
        c->setObjectName("cTreffertabelle");
        for (const char* t : TreffertabellenEintraege()) c->addItem(u(t));
        c->setCurrentIndex(9);
        l->addWidget(c);
        l->addStretch(1);
    }
    {
        QGroupBox* g = Gruppe("rGarantiestufe", u("Prüfe Garantiestufe"));
        g->setProperty("arten", QStringList{u("Garantiestufe")});
        auto* l = new QGridLayout(g);
        const char* const stufeText[2] = {"&Gezogene Systemzahlen", "&Mindestens Treffer"};
        for (int i = 0; i < 2; ++i) {
            auto* b = new QLabel(u(stufeText[i]), g);
            auto* c = new QComboBox(g);
            c->setObjectName(QStringLiteral("cGarantiestufe_%1").arg(i));
            for (int s = 1; s <= 6; ++s) c->addItem(QString::number(s));
            c->setCurrentIndex(i == 0 ? 5 : 2);
            b->setBuddy(c);
            l->addWidget(b, i, 0);
            l->addWidget(c, i, 1);
        }
        auto* k = new QCheckBox(u("Nur prüfen, keine fehlenden Reihen listen"), g);
        k->setObjectName("kGarantiestufe");
        l->addWidget(k, 2, 0, 1, 2);
    }
}

}  // namespace zahlix::ui
