#include "shell/ui/optionen_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <system_error>

#include "app/anwendungsdateien.h"
#include "app/programm.h"
#include "core/textdatei.h"
#include "shell/ui/dialoghilfe.h"

namespace zahlix::ui {

namespace {

const char* const kQuickInfo =
    "Optionen einstellen\r\n\r\n"
    "Legt fest, mit welchen Optionen Zahlix gestartet werden soll\r\n\r\n"
    "-> 'OK'\r\nSpeichert die Einstellung\r\n\r\n"
    "-> 'Standard'\r\nStellt die Grundoptionen ein\r\n";

QComboBox* Auswahl(QWidget* eltern, const char* name, const std::vector<std::string>& eintraege) {
    auto* c = new QComboBox(eltern);
    c->setObjectName(name);
    for (const auto& e : eintraege) c->addItem(QString::fromStdString(e));
    return c;
}

QLineEdit* Textfeld(QWidget* eltern, const char* name) {
    auto* t = new QLineEdit(eltern);
    t->setObjectName(name);
    t->setMinimumWidth(220);
    return t;
}

// A caption with a mnemonic that moves the focus to its field.
QLabel* Beschriftung(const QString& text, QWidget* feld) {
    auto* l = new QLabel(text);
    l->setBuddy(feld);
    return l;
}

void KastenSetzen(QCheckBox* k, int16_t wert) {
    k->setChecked(wert != 0);
}
int16_t KastenWert(const QCheckBox* k) {
    return k->isChecked() ? 1 : 0;
}

}  // namespace

std::filesystem::path OptionsdateiPfad() {
    if (!Dateien().optionen.empty()) return Dateien().optionen;
    std::filesystem::path ordner = Programm().startverzeichnis;
    if (ordner.empty()) {
        std::error_code ec;
        ordner = std::filesystem::current_path(ec);
    }
    return ordner / kOptionsdatei;
}

OptionenDialog::OptionenDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("fOptionen");
    setWindowTitle(QStringLiteral("Start-Optionen einstellen"));
    setProperty("zahlixQuickInfo", QString::fromUtf8(kQuickInfo));
    setModal(true);

    auto* reiter = new QTabWidget(this);
    reiter->setObjectName("SSTab1");
    reiter->setUsesScrollButtons(false);  // all four tabs stay readable

    auto* allgemein = new QWidget;
    {
        auto* spalte = new QVBoxLayout(allgemein);
        const char* texte[] = {"&Zahlix-Info anzeigen ",
                               "Alle &Fenster maximieren",
                               "&System-Auswertung direkt starten",
                               "&Lottoschein-Druck direkt starten",
                               "Jedes &Modul nur einmal starten",
                               "&Zwischenspeicher nur manuell verwenden"};
        for (size_t i = 0; i < allgemein_.size(); ++i) {
            allgemein_[i] = new QCheckBox(QString::fromUtf8(texte[i]), allgemein);
            allgemein_[i]->setObjectName(QStringLiteral("kAllgemein_%1").arg(i));
            spalte->addWidget(allgemein_[i]);
        }
        auto* form = new QFormLayout;
        druckGroesse_ = Auswahl(allgemein, "cDruckausgabeSchriftgroesse", Schriftgroessen());
        form->addRow(Beschriftung(QString::fromUtf8("&Druckausgabe-Schriftgröße"), druckGroesse_),
                     druckGroesse_);
        startdatei_ = Textfeld(allgemein, "tStartdatei");
        form->addRow(Beschriftung(QStringLiteral("&Startdatei:"), startdatei_), startdatei_);
        spalte->addSpacing(8);
        spalte->addLayout(form);
        spalte->addStretch();
    }
    reiter->addTab(allgemein, QStringLiteral("Allgemeines"));

    const char* auswertung[] = {
        "&Automatisch auswerten",    "A&nimiertes Zahlenfeld",
        "&3 + Zusatzzahl auswerten", "&4 + Zusatzzahl auswerten",
        "&5 + Zusatzzahl auswerten", "&Erzeugung von Systemen über 32000 Reihen zulassen"};
    auto* lotto = new QWidget;
    {
        auto* spalte = new QVBoxLayout(lotto);
        for (size_t i = 0; i < lotto_.size(); ++i) {
            lotto_[i] = new QCheckBox(QString::fromUtf8(auswertung[i]), lotto);
            lotto_[i]->setObjectName(QStringLiteral("kLottoAuswertung_%1").arg(i));
            spalte->addWidget(lotto_[i]);
        }
        zahlenauswahl_ = Auswahl(lotto, "cLottoZahlenauswahl", Farbfeldgrafiken());
        spalte->addSpacing(8);
        spalte->addWidget(
            Beschriftung(QStringLiteral("&Farbfeldgrafik in der Zahlenauswahl:"), zahlenauswahl_));
        spalte->addWidget(zahlenauswahl_);
        spalte->addStretch();
    }
    reiter->addTab(lotto, QStringLiteral("Lotto-Auswertung"));

    auto* system = new QWidget;
    {
        auto* spalte = new QVBoxLayout(system);
        for (size_t i = 0; i < system_.size(); ++i) {
            system_[i] = new QCheckBox(QString::fromUtf8(auswertung[i]), system);
            system_[i]->setObjectName(QStringLiteral("kSystemAuswertung_%1").arg(i));
            spalte->addWidget(system_[i]);
        }
        // Systems above 32000 rows are not offered in this version.
        system_[5]->hide();
        addIn_ = Textfeld(system, "tAddInDatei");
        spalte->addSpacing(8);
        spalte->addWidget(
            Beschriftung(QStringLiteral("&Systemerweiterung in AddIn-Datei:"), addIn_));
        spalte->addWidget(addIn_);
        spalte->addStretch();
    }
    reiter->addTab(system, QStringLiteral("System-Auswertung"));

    auto* schein = new QWidget;
    {
        auto* spalte = new QVBoxLayout(schein);
        scheinDruck_ = new QCheckBox(QStringLiteral("&Alternative Druckausgabe verwenden"), schein);
        scheinDruck_->setObjectName("kLottoscheinDruck");
        spalte->addWidget(scheinDruck_);
        auto* form = new QFormLayout;
        scheinGroesse_ = Auswahl(schein, "cLottoscheinSchriftgroesse", Schriftgroessen());
        form->addRow(Beschriftung(QString::fromUtf8("&Drucker-Schriftgröße"), scheinGroesse_),
                     scheinGroesse_);
        spalte->addSpacing(8);
        spalte->addLayout(form);
        scheinDatei_ = Textfeld(schein, "tLottoscheinDruckdatei");
        spalte->addWidget(
            Beschriftung(QStringLiteral("&Lottoscheinbeschreibung in Datei:"), scheinDatei_));
        spalte->addWidget(scheinDatei_);
        spalte->addStretch();
    }
    reiter->addTab(schein, QStringLiteral("Lottoschein-Druck"));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName("bOK");
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"));
    abbrechen->setObjectName("bAbbrechen");
    auto* standard = new QPushButton(QStringLiteral("S&tandard"));
    standard->setObjectName("bStandard");
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"));
    hilfe->setObjectName("bHilfe");
    connect(ok, &QPushButton::clicked, this, &OptionenDialog::OkGeklickt);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(standard, &QPushButton::clicked, this, [this] { WerteZeigen(OptionenStandard()); });
    connect(hilfe, &QPushButton::clicked, this, [] { HilfeZu("Dialog.Optionen"); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(standard);
    knoepfe->addWidget(hilfe);
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(reiter);
    haupt->addLayout(knoepfe);

    WerteZeigen(Optionen());
}

void OptionenDialog::WerteZeigen(const Optionswerte& w) {
    for (size_t i = 0; i < allgemein_.size(); ++i) KastenSetzen(allgemein_[i], w.allgemein[i]);
    druckGroesse_->setCurrentIndex(w.druckausgabeSchriftgroesse);
    startdatei_->setText(QString::fromStdString(w.startdatei));
    for (size_t i = 0; i < lotto_.size(); ++i) KastenSetzen(lotto_[i], w.lottoAuswertung[i]);
    zahlenauswahl_->setCurrentIndex(w.lottoZahlenauswahl);
    for (size_t i = 0; i < system_.size(); ++i) KastenSetzen(system_[i], w.systemAuswertung[i]);
    addIn_->setText(QString::fromStdString(w.addInDatei));
    KastenSetzen(scheinDruck_, w.lottoscheinDruck);
    scheinGroesse_->setCurrentIndex(w.lottoscheinSchriftgroesse);
    scheinDatei_->setText(QString::fromStdString(w.lottoscheinDruckdatei));
}

Optionswerte OptionenDialog::WerteLesen() const {
    Optionswerte w;
    for (size_t i = 0; i < allgemein_.size(); ++i) w.allgemein[i] = KastenWert(allgemein_[i]);
    w.druckausgabeSchriftgroesse = static_cast<int16_t>(druckGroesse_->currentIndex());
    w.startdatei = startdatei_->text().toStdString();
    for (size_t i = 0; i < lotto_.size(); ++i) w.lottoAuswertung[i] = KastenWert(lotto_[i]);
    w.lottoZahlenauswahl = static_cast<int16_t>(zahlenauswahl_->currentIndex());
    for (size_t i = 0; i < system_.size(); ++i) w.systemAuswertung[i] = KastenWert(system_[i]);
    w.addInDatei = addIn_->text().toStdString();
    w.lottoscheinDruck = KastenWert(scheinDruck_);
    w.lottoscheinSchriftgroesse = static_cast<int16_t>(scheinGroesse_->currentIndex());
    w.lottoscheinDruckdatei = scheinDatei_->text().toStdString();
    return w;
}

void OptionenDialog::OkGeklickt() {
    tag_ = QStringLiteral("OK");
    accept();
    QCoreApplication::processEvents();
    OptionenSpeichern(datei_.empty() ? OptionsdateiPfad() : datei_, WerteLesen());
}

void OptionenDialog::showEvent(QShowEvent* e) {
    tag_.clear();
    quickInfo_.Gezeigt(kQuickInfo);
    QDialog::showEvent(e);
}

void OptionenDialog::hideEvent(QHideEvent* e) {
    quickInfo_.Verborgen();
    QDialog::hideEvent(e);
}

OptionenDialog& OptionenDialogInstanz(QWidget* parent) {
    static QPointer<OptionenDialog> dialog;
    return EinzigerDialog(dialog, parent);
}

void OptionenDialogZeigen(QWidget* parent) {
    OptionenDialogInstanz(parent).exec();
}

}  // namespace zahlix::ui
