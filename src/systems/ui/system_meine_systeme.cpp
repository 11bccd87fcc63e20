// fSystemAuswertung's list of Meine Systeme, "Tipps prüfen" and the way to the rows with hits.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/port.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "systems/meine_systeme.h"
#include "systems/system_lottodatei.h"
#include "systems/ui/system_auswertung_fenster.h"
#include "systems/ui/system_ui_hilfen.h"

namespace zahlix::ui {

QWidget* SystemAuswertungFenster::MeineSystemeBauen() {
    auto* box = new QGroupBox(QStringLiteral("Meine Systeme"), this);
    box->setFixedWidth(300);
    auto* lay = new QVBoxLayout(box);
    lSysteme_ = new QListWidget(box);
    lSysteme_->setObjectName("lSysteme");
    lSysteme_->setToolTip(
        QString::fromUtf8("Doppelklick: das System in der Lotto-Auswertung öffnen"));
    connect(lSysteme_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* e) {
        ImAuswertungsfensterZeigen(e->data(Qt::UserRole).toString().toStdString());
    });
    lay->addWidget(lSysteme_, 1);
    auto* knoepfe = new QHBoxLayout;
    QPushButton* hinzu = Knopf("&Hinzufügen...", "bSystemHinzufuegen", box);
    connect(hinzu, &QPushButton::clicked, this, [this] {
        const std::string datei =
            DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT", "Meine Systeme - System hinzufügen");
        if (!datei.empty()) MeinSystemMerken(datei);
    });
    QPushButton* weg = Knopf("&Entfernen", "bSystemEntfernen", box);
    connect(weg, &QPushButton::clicked, this, [this] {
        QListWidgetItem* e = lSysteme_->currentItem();
        std::string fehler;
        if (e && !MeinSystemAustragen(MeineSystemePfad(),
                                      e->data(Qt::UserRole).toString().toStdString(), fehler))
            Meldung(fehler, flags::Ausruf, "Meine Systeme");
        ListeLaden();
    });
    bTippsPruefen_ = Knopf("&Tipps prüfen", "bTippsPruefen", box);
    connect(bTippsPruefen_, &QPushButton::clicked, this, &SystemAuswertungFenster::TippsPruefen);
    knoepfe->addWidget(hinzu);
    knoepfe->addWidget(weg);
    knoepfe->addWidget(bTippsPruefen_);
    lay->addLayout(knoepfe);
    sperren_.push_back(box);
    return box;
}

void SystemAuswertungFenster::MeinSystemMerken(const std::string& datei) {
    // Kept with its whole path: the list serves from any start folder.
    std::error_code ec;
    std::string fehler;
    if (!MeinSystemEintragen(MeineSystemePfad(),
                             TextAusPfad(std::filesystem::absolute(PfadVonName(datei), ec)),
                             fehler))
        Meldung(fehler, flags::Ausruf, "Meine Systeme");
    ListeLaden();
}

void SystemAuswertungFenster::ListeLaden() {
    std::vector<std::string> liste;
    std::string fehler;
    if (!MeineSystemeLaden(MeineSystemePfad(), liste, fehler)) Status(Q(" " + fehler));
    lSysteme_->clear();
    for (const std::string& e : liste) {
        auto* eintrag = new QListWidgetItem(Q(Kurzname(e)), lSysteme_);
        eintrag->setData(Qt::UserRole, Q(e));
        eintrag->setToolTip(Q(e));
    }
}

void SystemAuswertungFenster::TippsPruefen() {
    if (laeuft_) return;
    std::vector<std::string> liste;
    std::string fehler;
    if (!MeineSystemeLaden(MeineSystemePfad(), liste, fehler)) {
        Meldung(fehler, flags::Ausruf, kSystemTitel);
        return;
    }
    if (liste.empty()) {
        Meldung("Meine Systeme ist leer. Bitte mit \"Hinzufügen...\" Systemdateien aufnehmen.",
                flags::Information, kSystemTitel);
        return;
    }
    Lottodatei d;
    if (!HistorieBereit(d, false)) return;
    const int i = NeuesteZiehung(d);
    if (i < 0) {
        Meldung("Die Lottodatei " + Kurzname(historienname_) + " enthält keine Ziehung.",
                flags::Information, kSystemTitel);
        return;
    }
    std::vector<Tippergebnis> ergebnisse;
    Status(QString::fromUtf8(" Tipps prüfen läuft ..."));
    if (!Ausfuehren([&](std::atomic<bool>& stopp) {
            for (const std::string& datei : liste)
                if (!stopp) ergebnisse.push_back(TippPruefen(datei, d, i));
        }))
        return;
    block_ = bericht_ = TippsPruefenText(ergebnisse, d, i, Kurzname(historienname_));
    neuesteZahlen_ = ZahlenAusMaske(MaskeAusBitworten(d.Zahlen(i)));
    rtErgebnis_->setPlainText(Anzeigetext(block_));
    pbFortschritt_->setValue(100);
    Status(QString::fromUtf8(
        " Geprüft - ein Doppelklick auf ein System zeigt seine Reihen mit Treffern"));
}

void SystemAuswertungFenster::ImAuswertungsfensterZeigen(const std::string& datei) {
    if (laeuft_ || datei.empty()) return;
    Programm().uebergabeDatei = datei;
    LottoAuswertungNeu();
    // After "Tipps prüfen" the window marks the draw, so the rows with 3 or more hits show.
    auto* f = qobject_cast<AuswertungFenster*>(FensterSuchen("fZX"));
    if (f && IstSystem(f->Daten()) && f->Daten().Dateiname == datei && !neuesteZahlen_.empty())
        f->AuswahlSetzen(neuesteZahlen_, 11);
}

}  // namespace zahlix::ui
