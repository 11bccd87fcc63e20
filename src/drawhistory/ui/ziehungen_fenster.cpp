#include "drawhistory/ui/ziehungen_fenster.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <filesystem>

#include "app/port.h"
#include "app/ui/fenster.h"
#include "core/bereich.h"
#include "drawhistory/drucktext.h"
#include "drawhistory/ui/ziehungen_grafik.h"
#include "evaluation/ui/bereich_dialog.h"
#include "output/ui/drucker.h"

namespace zahlix::ui {

namespace {

const char* const kBlaetternHilfe =
    " Bildsteuertasten können zum Blättern verwendet werden - Pos1=Erste Reihe , Ende=Letzte "
    "Reihe";
const char* const kGruppenTexte[6] = {"Gruppen THUG",      "Sum Kombi-Nr",    "Zeilen Spalten",
                                      "Zehner Endziffern", "Nachbarn Bilder", "Reihe als Bild"};
// Heights in pixels (15 units each) of the tall and the short graphic and the short text area.
constexpr int kGrafikGross = 3640 / 15, kGrafikKlein = 1855 / 15, kTextKlein = 2595 / 15;
constexpr int kTextGross = 21 * 13 + 8;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

ZiehungenFenster::ZiehungenFenster(QWidget* eltern)
    : QWidget(eltern), daten_(std::make_unique<Lottodatei>()) {
    setObjectName(QStringLiteral("fZiehungen"));
    setProperty("zahlixKurz", QStringLiteral("RE"));
    setProperty("zahlixHilfethema", QStringLiteral("Ziehungen"));
    setProperty("zahlixQuickInfo",
                U("Ziehungen anzeigen zeigt die Lottoziehungen auf zwei Arten gleichzeitig an."
                  "\r\n\r\n-> 'Drucken'\r\nÜbergibt die Ziehungen an die Druckausgabe\r\n"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);

    // The list with its scroll bar beside the controls and the number field; the strip graphic
    // runs under both, as wide as the window.
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(8, 6, 8, 6);
    haupt->setSpacing(6);
    auto* oben = new QHBoxLayout;
    oben->setSpacing(0);
    bdReihen_ = new Zeilenflaeche(this);
    bdReihen_->setObjectName(QStringLiteral("bdReihen"));
    bdReihen_->setMinimumWidth(72 * 7);
    vbReihen_ = new QScrollBar(Qt::Vertical, this);
    vbReihen_->setObjectName(QStringLiteral("vbReihen"));
    vbReihen_->setPageStep(kBlaetterSchritt);
    oben->addWidget(bdReihen_, 1);
    oben->addWidget(vbReihen_);
    oben->addSpacing(8);
    bdZahlenfeld_ = new Zeichenflaeche(this);
    bdZahlenfeld_->setObjectName(QStringLiteral("bdZahlenfeld"));
    bdZahlenfeld_->setFixedSize(7 * 20 + 1, 7 * 20 + 1);
    oben->addWidget(SteuerungBauen(), 0, Qt::AlignTop);
    haupt->addLayout(oben, 1);

    bdZiehungen_ = new Zeichenflaeche(this);
    bdZiehungen_->setObjectName(QStringLiteral("bdZiehungen"));
    bdZiehungen_->setMinimumWidth(49 * 12);
    haupt->addWidget(bdZiehungen_);

    auto* unten = new QHBoxLayout;
    bzHilfe_ = new QLabel(U(kBlaetternHilfe), this);
    bzHilfe_->setObjectName(QStringLiteral("bzHilfe"));
    bzHilfe_->setStyleSheet(
        QStringLiteral("background: #fbfbf3; border: 1px solid #c9ccd2; padding: 3px 6px;"));
    auto* schliessen = new QPushButton(U("Modul schließen"), this);
    schliessen->setObjectName(QStringLiteral("bSchliessen"));
    schliessen->setFocusPolicy(Qt::NoFocus);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(bzHilfe_, 1);
    unten->addWidget(schliessen);
    haupt->addLayout(unten);

    connect(vbReihen_, &QScrollBar::valueChanged, this, &ZiehungenFenster::Neuzeichnen);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    GrafikgroesseSetzen(true);
    DatenUebernehmenUndAnzeigen();
}

ZiehungenFenster::~ZiehungenFenster() = default;

QWidget* ZiehungenFenster::SteuerungBauen() {
    auto* rahmen = new QWidget(this);
    auto* v = new QVBoxLayout(rahmen);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    auto* knoepfe = new QHBoxLayout;
    const char* const texte[3][2] = {{"&Drucken", "An die Druckausgabe übergeben"},
                                     {"&Bereich", "Auswertebereich einstellen"},
                                     {"&Alle", "Auswertebereich aufheben"}};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(U(texte[i][0]), rahmen);
        b->setObjectName(QStringLiteral("bToolbar_%1").arg(i));
        b->setToolTip(U(texte[i][1]));
        b->setFocusPolicy(Qt::NoFocus);
        bToolbar_[static_cast<size_t>(i)] = b;
        knoepfe->addWidget(b);
    }
    connect(bToolbar_[0], &QPushButton::clicked, this, &ZiehungenFenster::Drucken);
    connect(bToolbar_[1], &QPushButton::clicked, this, &ZiehungenFenster::BereichEinstellen);
    connect(bToolbar_[2], &QPushButton::clicked, this, &ZiehungenFenster::AlleAnzeigen);
    v->addLayout(knoepfe);

    auto* gitter = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        auto* c = new QComboBox(rahmen);
        c->setObjectName(QStringLiteral("cGruppen_%1").arg(i));
        for (int g = 0; g < 6; ++g) c->addItem(g == 5 && i == 1 ? U("Keine") : U(kGruppenTexte[g]));
        c->setCurrentIndex(i == 0 ? wahl_.gruppe1 : wahl_.gruppe2);
        connect(c, &QComboBox::currentIndexChanged, this, [this, i](int g) {
            (i == 0 ? wahl_.gruppe1 : wahl_.gruppe2) = g;
            Neuzeichnen();
        });
        cGruppen_[static_cast<size_t>(i)] = c;
        auto* l = new QLabel(i == 0 ? U("Statistik I") : U("Statistik II"), rahmen);
        l->setBuddy(c);
        gitter->addWidget(l, i, 0);
        gitter->addWidget(c, i, 1);
    }
    v->addLayout(gitter);

    // The two small groups side by side keep the window low enough for a 768-pixel screen.
    auto* gruppen = new QHBoxLayout;
    v->addLayout(gruppen);
    auto* zusatz = new QGroupBox(U("Zusatzzahl"), rahmen);
    auto* zh = new QHBoxLayout(zusatz);
    zh->setContentsMargins(6, 2, 6, 2);
    auto* gruppe = new QButtonGroup(this);
    const char* const ansichten[3] = {"&Ohne", "&Mit", "&Nur"};
    for (int i = 0; i < 3; ++i) {
        auto* o = new QRadioButton(U(ansichten[i]), zusatz);
        o->setObjectName(QStringLiteral("oZusatzzahl_%1").arg(i));
        o->setChecked(i == 0);
        gruppe->addButton(o, i);
        zh->addWidget(o);
        oZusatzzahl_[static_cast<size_t>(i)] = o;
    }
    connect(gruppe, &QButtonGroup::idClicked, this, [this] { Neuzeichnen(); });
    gruppen->addWidget(zusatz);

    auto* grafik = new QGroupBox(U("Grafik"), rahmen);
    auto* gh = new QHBoxLayout(grafik);
    gh->setContentsMargins(6, 2, 6, 2);
    kGrafikfarbe_ = new QCheckBox(U("Ohne"), grafik);
    kGrafikfarbe_->setObjectName(QStringLiteral("kGrafikfarbe"));
    kGrafikfarbe_->setToolTip(U("Grafik ohne Farben"));
    connect(kGrafikfarbe_, &QCheckBox::toggled, this, &ZiehungenFenster::Neuzeichnen);
    kGrafik_ = new QCheckBox(U("Groß"), grafik);
    kGrafik_->setObjectName(QStringLiteral("kGrafik"));
    kGrafik_->setToolTip(U("Hohe oder flache Ziehungsgrafik"));
    kGrafik_->setChecked(true);
    connect(kGrafik_, &QCheckBox::toggled, this, &ZiehungenFenster::GrafikgroesseSetzen);
    gh->addWidget(kGrafikfarbe_);
    gh->addWidget(kGrafik_);
    gruppen->addWidget(grafik);
    v->addWidget(bdZahlenfeld_, 0, Qt::AlignHCenter);
    return rahmen;
}

void ZiehungenFenster::ArtWaehlen(const QString&) {
    if (!druckt_) DatenUebernehmenUndAnzeigen();
}

void ZiehungenFenster::DatenUebernehmenUndAnzeigen() {
    Beschaeftigt(-1);
    DatenUebernehmen(*daten_);
    bereichText_ = Transfer().text2.empty() ? BereichText() : Transfer().text2;
    wahl_.system = IstSystembereich(bereichText_);
    // Rows of a system have no bonus number to show.
    if (wahl_.system) oZusatzzahl_[0]->setChecked(true);
    for (size_t i = 1; i < 3; ++i) oZusatzzahl_[i]->setEnabled(!wahl_.system);
    wahl_.alle = false;
    const std::string name = std::filesystem::path(daten_->Dateiname).filename().string();
    setWindowTitle(QString::fromStdString(ZiehungenTitel(wahl_.system, name)));
    BildlaufSetzen();
    vbReihen_->setValue(0);
    Neuzeichnen();
    Beschaeftigt(0);
}

void ZiehungenFenster::BildlaufSetzen() {
    const QSignalBlocker sperre(vbReihen_);
    vbReihen_->setRange(0, BildlaufMaximum(*daten_, wahl_.alle));
}

void ZiehungenFenster::Neuzeichnen() {
    Grafikwahl g;
    for (int i = 0; i < 3; ++i)
        if (oZusatzzahl_[static_cast<size_t>(i)]->isChecked())
            g.zusatz = static_cast<Zusatzansicht>(i);
    g.einfarbig = kGrafikfarbe_->isChecked();
    seite_ = SeiteBerechnen(*daten_, wahl_, g, vbReihen_->value());
    bdReihen_->Setzen(seite_.zeilen);
    bdZiehungen_->Setzen(seite_.streifen);
    bdZahlenfeld_->Setzen(seite_.zahlenfeld);
    GemeinsamesBildSetzen(bdZiehungen_->Bild());
}

void ZiehungenFenster::GrafikgroesseSetzen(bool gross) {
    // The short list keeps at least its 2595 units but takes the height beside the controls,
    // so that a whole page stays readable.
    bdZiehungen_->setFixedHeight(gross ? kGrafikGross : kGrafikKlein);
    bdReihen_->setMinimumHeight(gross ? kTextGross : kTextKlein);
    vbReihen_->setMinimumHeight(gross ? kTextGross : kTextKlein);
    // The short graphic makes a compact window: it shrinks to what its parts need.
    if (isVisible()) {
        layout()->activate();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->resize(sub->sizeHint());
        else
            resize(sizeHint());
    }
}

void ZiehungenFenster::HilfezeileZeigen(const QString& text) {
    bzHilfe_->setText(text);
    bzHilfe_->repaint();
}

void ZiehungenFenster::Drucken() {
    // The print text lets events run: a second click must not start a second one.
    if (druckt_) return;
    druckt_ = true;
    const QString vorher = bzHilfe_->text();
    HilfezeileZeigen(U(" Wird an die Druckausgabe übergeben..."));
    Beschaeftigt(-1);
    const std::string text =
        ZiehungenDrucktext(*daten_, wahl_, windowTitle().toStdString(), bereichText_);
    Beschaeftigt(0);
    HilfezeileZeigen(vorher);
    druckt_ = false;
    AnDruckausgabe(text);
}

void ZiehungenFenster::BereichEinstellen() {
    if (druckt_) return;
    const QString vorher = bzHilfe_->text();
    HilfezeileZeigen(U("Auswertebereich einstellen..."));
    daten_->Titel = bereichText_;
    const bool ok = EigenenBereichEinstellen(this, *daten_);
    HilfezeileZeigen(vorher);
    if (!ok) return;
    bereichText_ = daten_->Titel;
    wahl_.alle = false;
    BildlaufSetzen();
    Neuzeichnen();
}

void ZiehungenFenster::AlleAnzeigen() {
    if (druckt_) return;
    wahl_.alle = true;
    BildlaufSetzen();
    Neuzeichnen();
}

bool ZiehungenFenster::TasteVerarbeiten(int taste) {
    Blaettern b;
    switch (taste) {
        case Qt::Key_PageUp:
            b = Blaettern::SeiteZurueck;
            break;
        case Qt::Key_PageDown:
            b = Blaettern::SeiteVor;
            break;
        case Qt::Key_Home:
            b = Blaettern::Anfang;
            break;
        case Qt::Key_End:
            b = Blaettern::Ende;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            b = Blaettern::Zurueck;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            b = Blaettern::Vor;
            break;
        default:
            return false;
    }
    vbReihen_->setValue(Geblaettert(vbReihen_->value(), b, vbReihen_->maximum()));
    return true;
}

bool ZiehungenFenster::eventFilter(QObject* o, QEvent* e) {
    // The paging keys work wherever the focus is, as the window sees keys before its controls.
    if (e->type() == QEvent::KeyPress &&
        !(static_cast<QKeyEvent*>(e)->modifiers() & ~Qt::KeypadModifier) &&
        TasteVerarbeiten(static_cast<QKeyEvent*>(e)->key()))
        return true;
    return QWidget::eventFilter(o, e);
}

void ZiehungenFenster::closeEvent(QCloseEvent* e) {
    // Closing in the middle of the print text would pull the history from under it.
    if (druckt_ && !ProgrammEndet())
        e->ignore();
    else
        QWidget::closeEvent(e);
}

void ZiehungenFenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (gezeigt_) return;
    gezeigt_ = true;
    // Where the tall graphic would push the status line out of the work area, the window
    // opens with the short one; "Groß" brings the tall one back.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* flaeche = sub ? sub->mdiArea() : nullptr;
    if (flaeche && flaeche->viewport()->height() - sub->y() < sub->sizeHint().height())
        kGrafik_->setChecked(false);
}

void ZiehungenFenster::keyPressEvent(QKeyEvent* e) {
    if (!TasteVerarbeiten(e->key())) QWidget::keyPressEvent(e);
}

QWidget* ZiehungenFensterErzeugen() {
    return new ZiehungenFenster;
}

}  // namespace zahlix::ui
