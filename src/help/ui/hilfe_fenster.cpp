#include "help/ui/hilfe_fenster.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/anwendungsdateien.h"
#include "app/port.h"
#include "help/ui/hilfe_anzeige.h"
#include "output/ui/drucker.h"

namespace zahlix::ui {

namespace {

const char* const kQuickInfo =
    "Die Hilfe erklärt die Funktionen der einzelnen Zahlix Programmteile\r\n\r\n"
    "-> 'Drucken'\r\nÜbergibt das Hilfethema an die Druckausgabe\r\n\r\n"
    "-> 'Zurück'\r\nBlättert in den gewählten Hilfethemen rückwärts\r\n\r\n"
    "-> 'Vorwärts'\r\nBlättert in den gewählten Hilfethemen vorwärts\r\n\r\n"
    "-> Alle Hilfethemen\r\nZeigt eine Liste der vorhandenen Hilfethemen an\r\n\r\n"
    "-> Gewählte Hilfethemen\r\nZeigt eine Liste der bisher gewählten Hilfethemen an";

struct Gruppenknopf {
    const char* text;
    std::vector<int> gruppen;  // the menus it pops up; several become sub-menus
};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

HilfeFenster::HilfeFenster(QWidget* parent) : QWidget(parent) {
    setObjectName("fHilfe");
    setProperty("zahlixKurz", "HI");
    setProperty("zahlixHilfethema", "Hilfe");
    setProperty("zahlixQuickInfo", QString::fromUtf8(kQuickInfo));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Hilfe"));

    auto* haupt = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    auto knopf = [this, leiste](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        leiste->addWidget(b);
        return b;
    };
    bDrucken_ = knopf("bDrucken", "&Drucken");
    bZurueck_ = knopf("bZurueck", "&Zurück");
    bVorwaerts_ = knopf("bVorwaerts", "&Vorwärts");
    leiste->addSpacing(12);
    connect(bDrucken_, &QPushButton::clicked, this, &HilfeFenster::Drucken);
    connect(bZurueck_, &QPushButton::clicked, this, &HilfeFenster::Zurueck);
    connect(bVorwaerts_, &QPushButton::clicked, this, &HilfeFenster::Vorwaerts);

    const Gruppenknopf gruppen[6] = {{"&Allgemeines", {kGruppeAllgemein}},
                                     {"Mod&ule", {kGruppeModul}},
                                     {"&Menüs", {5, 6, 7, 8, 9, 10, 11, 12, 13}},
                                     {"Dial&oge", {kGruppeDialog}},
                                     {"Sym&bole", {kGruppeSymbol}},
                                     {"&Befehle", {kGruppeBefehl}}};
    for (int i = 0; i < 6; ++i) {
        QPushButton* b = knopf("", gruppen[i].text);
        b->setObjectName(QStringLiteral("bHilfethema_%1").arg(i));
        auto* menue = new QMenu(this);
        if (gruppen[i].gruppen.size() == 1) {
            menues_[static_cast<size_t>(gruppen[i].gruppen[0])] = menue;
        } else {
            for (int g : gruppen[i].gruppen)
                menues_[static_cast<size_t>(g)] =
                    menue->addMenu(QString::fromUtf8(kHilfemenues[static_cast<size_t>(g - 5)]));
        }
        connect(b, &QPushButton::clicked, this,
                [b, menue] { menue->popup(b->mapToGlobal(QPoint(0, b->height()))); });
    }
    leiste->addStretch();
    haupt->addLayout(leiste);

    auto* listenzeile = new QHBoxLayout;
    bListe_ = new QPushButton(QStringLiteral("Lade Hilfethemen ..."), this);
    bListe_->setObjectName("bListe");
    bListe_->setAutoDefault(false);
    connect(bListe_, &QPushButton::clicked, this, &HilfeFenster::ListeUmschalten);
    listenzeile->addWidget(bListe_);
    listen_ = new QStackedWidget(this);
    cChronik_ = new QComboBox(this);
    cChronik_->setObjectName("cChronik");
    cSuchen_ = new QComboBox(this);
    cSuchen_->setObjectName("cSuchen");
    // Typing part of a key finds it among several hundred topics.
    cSuchen_->setEditable(true);
    cSuchen_->setInsertPolicy(QComboBox::NoInsert);
    cSuchen_->completer()->setFilterMode(Qt::MatchContains);
    cSuchen_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    cSuchen_->setMaxVisibleItems(25);
    listen_->addWidget(cChronik_);
    listen_->addWidget(cSuchen_);
    listenzeile->addWidget(listen_, 1);
    haupt->addLayout(listenzeile);
    connect(cChronik_, &QComboBox::activated, this, [this](int i) {
        if (chronik_.Auswaehlen(static_cast<size_t>(i))) ChronikAnzeigen();
    });
    connect(cSuchen_, &QComboBox::activated, this,
            [this](int i) { ThemaZeigen(cSuchen_->itemText(i)); });
    // Filtered, not returnPressed: the combo box hands the same key to its line edit again.
    cSuchen_->lineEdit()->installEventFilter(this);

    ansicht_ = new QStackedWidget(this);
    rtHilfe2_ = new HilfeAnzeige(this);
    rtHilfe2_->setObjectName("rtHilfe2");
    rtHilfe1_ = new QPlainTextEdit(this);
    rtHilfe1_->setObjectName("rtHilfe1");
    rtHilfe1_->setFont(rtHilfe2_->font());
    ansicht_->addWidget(rtHilfe2_);
    ansicht_->addWidget(rtHilfe1_);
    haupt->addWidget(ansicht_, 1);
    connect(rtHilfe2_, &HilfeAnzeige::ThemaGewaehlt, this, [this](const QString& k) {
        Hilfethema() = k.toStdString();
        ThemaZeigen(k);
    });
    connect(rtHilfe1_, &QPlainTextEdit::textChanged, this, [this] { geaendert_ = true; });

    const std::pair<QKeySequence, void (HilfeFenster::*)()> tasten[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), &HilfeFenster::BearbeitenUmschalten},
        {QKeySequence(Qt::CTRL | Qt::Key_F), &HilfeFenster::TextSuchen},
        {QKeySequence(Qt::CTRL | Qt::Key_H), &HilfeFenster::TextErsetzen},
        {QKeySequence(Qt::CTRL | Qt::Key_R), &HilfeFenster::Erneuern},
    };
    for (const auto& [taste, aktion] : tasten) {
        auto* s = new QShortcut(taste, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, aktion);
    }
    auto* speichern = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    speichern->setContext(Qt::WidgetWithChildrenShortcut);
    connect(speichern, &QShortcut::activated, this, [this] { Speichern(); });

    resize(sizeHint());
    Laden();
    const std::string start = Hilfethema().empty() ? "Einführung" : Hilfethema();
    ThemaZeigen(Q(start));
}

bool HilfeFenster::Laden() {
    bListe_->setText(QStringLiteral("Lade Hilfethemen ..."));
    std::string fehler;
    auto geladen = HilfedateiLaden(Dateien().hilfe, fehler);
    fehler_ = geladen ? QString() : Q(fehler);
    hilfe_ = geladen ? std::move(*geladen) : Hilfetext();
    {
        const QSignalBlocker sperre(rtHilfe1_);
        rtHilfe1_->setPlainText(Q(hilfe_.Text()));
    }
    geaendert_ = false;
    MenuesFuellen();
    bListe_->setText(listen_->currentWidget() == cSuchen_ ? QStringLiteral("&Gewählte Hilfethemen")
                                                          : QStringLiteral("&Alle Hilfethemen"));
    return geladen.has_value();
}

void HilfeFenster::Drucken() {
    AnDruckausgabe(rtHilfe2_->toPlainText().toStdString());
}

}  // namespace zahlix::ui
