// Construction and layout of fSystemAuswertung.
#include "systems/ui/system_auswertung_fenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/anwendungsdateien.h"
#include "app/port.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "app/ui/symbole.h"
#include "app/ui/werkzeugleiste.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "evaluation/ui/zahlenbilder.h"
#include "systems/meine_systeme.h"
#include "systems/system_lottodatei.h"
#include "systems/ui/system_ui_hilfen.h"

namespace zahlix::ui {

SystemAuswertungFenster::SystemAuswertungFenster(QWidget* eltern)
    : QWidget(eltern), lebt_(std::make_shared<std::atomic<bool>>(true)) {
    setObjectName("fSystemAuswertung");
    setProperty("zahlixKurz", QStringLiteral("SY"));
    setProperty("zahlixQuickInfo",
                QString::fromUtf8("System-Auswertung zeigt, was ein System in den Ziehungen "
                                  "getroffen hätte\r\n\r\n-> 'Auswerten'\r\nDas System gegen "
                                  "jede Ziehung des Bereichs\r\n\r\n-> 'Tipps prüfen'\r\nMeine "
                                  "Systeme gegen die neueste Ziehung\r\n"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("System-Auswertung"));

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(8, 6, 8, 6);
    QHBoxLayout* zeile = nullptr;
    QFrame* leiste = WerkzeugleisteBauen(this, zeile);
    const std::pair<const char*, QIcon> knoepfe[] = {
        {"Öffnen", ToolbarSymbol(0)},
        {"Auswerten", ToolbarSymbol(7)},
        {"Zwischensp.", StartSymbol("Zwischenspeicher")},
        {"Drucken", ToolbarSymbol(2)},
        {"Tipps prüfen", StartSymbol("System-Auswertung")}};
    const char* tipps[] = {"Öffnet eine Systemdatei", "Wertet das System aus",
                           "Übergibt das Ergebnis dem Zwischenspeicher",
                           "Übergibt das Ergebnis der Druckausgabe",
                           "Prüft Meine Systeme gegen die neueste Ziehung"};
    for (int i = 0; i < 5; ++i) {
        QToolButton* b = WerkzeugknopfBauen(leiste, i, QString::fromUtf8(knoepfe[i].first),
                                            QString::fromUtf8(tipps[i]), knoepfe[i].second);
        zeile->addWidget(b);
        if (i != 1) sperren_.push_back(b);
        connect(b, &QToolButton::clicked, this, [this, i] {
            switch (i) {
                case 0:
                    SystemOeffnen(DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT",
                                                  "System-Auswertung - Systemdatei öffnen"));
                    break;
                case 1:
                    AuswertenUmschalten();
                    break;
                case 2:
                    Zwischenspeichern();
                    break;
                case 3:
                    Drucken();
                    break;
                default:
                    TippsPruefen();
                    break;
            }
        });
    }
    zeile->addStretch(1);
    haupt->addWidget(leiste);

    // Left the system and the list, right the draws with the result under them: the result
    // block is 80 columns wide and gets every pixel the window grows by.
    auto* mitte = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(SystemteilBauen());
    links->addWidget(MeineSystemeBauen(), 1);
    mitte->addLayout(links);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(ZiehungsteilBauen());
    rtErgebnis_ = new QPlainTextEdit(this);
    rtErgebnis_->setObjectName("rtErgebnis");
    rtErgebnis_->setReadOnly(true);
    rtErgebnis_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(QStringLiteral("Courier New"), 8);  // the whole 80 columns of a block in view
    mono.setStyleHint(QFont::TypeWriter);
    rtErgebnis_->setFont(mono);
    rechts->addWidget(rtErgebnis_, 1);
    mitte->addLayout(rechts, 1);
    haupt->addLayout(mitte, 1);
    for (auto [taste, befehl] : {std::pair{QKeySequence(Qt::Key_F4), 2},
                                 std::pair{QKeySequence(Qt::CTRL | Qt::Key_P), 3}}) {
        auto* a = new QAction(this);
        a->setShortcut(taste);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this,
                [this, befehl] { befehl == 2 ? Zwischenspeichern() : Drucken(); });
        addAction(a);
    }

    auto* unten = new QHBoxLayout;
    bzHilfe_ = new QLabel(this);
    bzHilfe_->setObjectName("bzHilfe");
    bzHilfe_->setStyleSheet(
        QStringLiteral("background: #fbfbf3; border: 1px solid #c9ccd2; padding: 3px 6px;"));
    unten->addWidget(bzHilfe_, 1);
    QPushButton* schliessen = Knopf("Modul schließen", "bSchliessen", this);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(schliessen);
    haupt->addLayout(unten);

    // A history to start with: the Saturday lottery of the start folder, when it is there.
    const std::string start = DateiFinden(Programm().startverzeichnis, kStandardStartdatei);
    historienname_ = start;
    tZiehungsdatei_->setText(Q(start));
    ListeLaden();
    Anzeigen();
}

QWidget* SystemAuswertungFenster::SystemteilBauen() {
    auto* box = new QGroupBox(QStringLiteral("System"), this);
    box->setFixedWidth(300);
    auto* lay = new QVBoxLayout(box);
    bzSystem_ = new QLabel(box);
    bzSystem_->setObjectName("bzSystem");
    bzSystem_->setWordWrap(true);
    lay->addWidget(bzSystem_);
    auto* knoepfe = new QHBoxLayout;
    QPushButton* oeffnen = Knopf("System ö&ffnen...", "bSystemOeffnen", box);
    connect(oeffnen, &QPushButton::clicked, this, [this] {
        SystemOeffnen(
            DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT", "System-Auswertung - Systemdatei öffnen"));
    });
    QPushButton* merken = Knopf("Zu &Meine Systeme", "bMeinSystem", box);
    connect(merken, &QPushButton::clicked, this, [this] {
        std::error_code ec;
        const std::filesystem::path p = PfadVonName(systemname_);
        if (systemname_.empty() || !std::filesystem::is_regular_file(p, ec)) {
            Meldung("Das System hat noch keine Datei. Bitte zuerst speichern.", flags::Information,
                    kSystemTitel);
            return;
        }
        MeinSystemMerken(systemname_);
    });
    knoepfe->addWidget(oeffnen);
    knoepfe->addWidget(merken);
    lay->addLayout(knoepfe);
    sperren_.push_back(box);
    return box;
}

QWidget* SystemAuswertungFenster::ZiehungsteilBauen() {
    auto* box = new QGroupBox(QStringLiteral("Ziehungen"), this);
    auto* g = new QGridLayout(box);
    tZiehungsdatei_ = new QLineEdit(box);
    tZiehungsdatei_->setObjectName("tZiehungsdatei");
    tZiehungsdatei_->setReadOnly(true);
    QPushButton* waehlen = Knopf("&Wählen...", "bZiehungsdatei", box);
    connect(waehlen, &QPushButton::clicked, this, [this] {
        HistorieWaehlen(
            DateiAuswaehlen("*.ZX7;*.ZX6;*.AS7", "System-Auswertung - Lottodatei wählen"));
    });
    oAlle_ = new QRadioButton(QStringLiteral("&Alle Ziehungen"), box);
    oAlle_->setObjectName("oAlle");
    oAlle_->setChecked(true);
    oLetzte_ = new QRadioButton(QStringLiteral("Nur die &letzten"), box);
    oLetzte_->setObjectName("oLetzte");
    tLetzte_ = new QSpinBox(box);
    tLetzte_->setObjectName("tLetzte");
    tLetzte_->setRange(1, kMaxZiehungen);
    tLetzte_->setValue(100);
    tLetzte_->setSuffix(QStringLiteral(" Ziehungen"));
    oZeitraum_ = new QRadioButton(QStringLiteral("&Zeitraum"), box);
    oZeitraum_->setObjectName("oZeitraum");
    tZeitraum_ = new QLineEdit(QStringLiteral("01/2020-52/2025"), box);
    tZeitraum_->setObjectName("tZeitraum");
    tZeitraum_->setToolTip(QStringLiteral("Von Woche/Jahr bis Woche/Jahr: WW/JJJJ-WW/JJJJ"));
    tEinsatz_ = new QLineEdit(QStringLiteral("1,20"), box);
    tEinsatz_->setObjectName("tEinsatz");
    tEinsatz_->setMaximumWidth(90);

    g->addWidget(new QLabel(QStringLiteral("Lottodatei:"), box), 0, 0);
    g->addWidget(tZiehungsdatei_, 0, 1, 1, 2);
    g->addWidget(waehlen, 0, 3);
    g->addWidget(oAlle_, 1, 0, 1, 2);
    g->addWidget(oLetzte_, 2, 0);
    g->addWidget(tLetzte_, 2, 1);
    g->addWidget(oZeitraum_, 3, 0);
    g->addWidget(tZeitraum_, 3, 1);
    auto* einsatz = new QLabel(QStringLiteral("Einsatz je &Reihe (€):"), box);
    einsatz->setBuddy(tEinsatz_);
    g->addWidget(einsatz, 4, 0);
    g->addWidget(tEinsatz_, 4, 1);
    g->setColumnStretch(2, 1);
    sperren_.push_back(box);

    // Outside the box, which is locked while a run goes: the button then reads "Stop".
    auto* rechts = new QWidget(this);
    auto* lay = new QVBoxLayout(rechts);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(box);
    auto* lauf = new QHBoxLayout;
    lauf->setContentsMargins(0, 4, 0, 0);
    bAuswerten_ = Knopf("&Auswerten", "bAuswerten", rechts);
    connect(bAuswerten_, &QPushButton::clicked, this,
            &SystemAuswertungFenster::AuswertenUmschalten);
    pbFortschritt_ = new QProgressBar(rechts);
    pbFortschritt_->setObjectName("pbFortschritt");
    pbFortschritt_->setRange(0, 100);
    pbFortschritt_->setValue(0);
    lauf->addWidget(bAuswerten_);
    lauf->addWidget(pbFortschritt_, 1);
    lay->addLayout(lauf);
    return rechts;
}

void SystemAuswertungFenster::Status(const QString& text) {
    bzHilfe_->setText(text);
}

void SystemAuswertungFenster::Anzeigen() {
    const std::string name = systemname_.empty() ? "" : Kurzname(systemname_);
    setWindowTitle(name.empty() ? QStringLiteral("System-Auswertung")
                                : Q("System-Auswertung: " + name));
    bzSystem_->setText(system_.reihen.empty()
                           ? QString::fromUtf8("Noch kein System geöffnet")
                           : Q(name + "\n" +
                               Gruppiert(static_cast<int64_t>(system_.reihen.size())) +
                               " Reihen mit " + std::to_string(AnzahlIn(system_.Zahlen())) +
                               " Zahlen" + (systembereich_.empty() ? "" : "\n" + systembereich_)));
    tZiehungsdatei_->setText(Q(fensterHistorie_
                                   ? Kurzname(historienname_) + " (aus der Lotto-Auswertung)"
                                   : historienname_));
    Status(system_.reihen.empty()
               ? QString::fromUtf8(" Bitte ein System öffnen und \"Auswerten\" wählen")
               : QString::fromUtf8(" Bereit - \"Auswerten\" wertet das System gegen die "
                                   "Ziehungen aus"));
}

void SystemAuswertungFenster::closeEvent(QCloseEvent* e) {
    if (laeuft_ && !ProgrammEndet()) {
        Meldung("Die System-Auswertung läuft noch. Bitte zuerst \"Stop\" wählen.",
                flags::Information, kSystemTitel);
        e->ignore();
        return;
    }
    stopp_ = true;
    e->accept();
}

SystemAuswertungFenster::~SystemAuswertungFenster() {
    *lebt_ = false;
    stopp_ = true;
    if (arbeiter_.joinable()) arbeiter_.join();
}

QWidget* SystemAuswertungFensterErzeugen() {
    return new SystemAuswertungFenster;
}

}  // namespace zahlix::ui
