// File commands of the evaluation window: the logic lives in DateiBefehle, the window only
// tells it how to redraw.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>

#include "core/dateibefehle.h"
#include "core/ui/neue_lottodatei_dialog.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "evaluation/ui/trefferliste_widget.h"
#include "systems/system_lottodatei.h"

namespace zahlix::ui {

DateiFensterRueckrufe AuswertungFenster::DateiRueckrufe() {
    DateiFensterRueckrufe r;
    QLabel* status = bzHilfe_;
    r.statuszeileSetzen = [status](const std::string& t) {
        status->setText(QString::fromStdString(t));
        status->repaint();
    };
    r.statuszeileLesen = [status] { return status->text().toStdString(); };
    r.titelZeichnen = [this] { TitelAnzeigen(); };
    r.zahlenFreigeben = [this](int) { KnoepfeFreigeben(); };
    r.auswahlLeeren = [this] {
        BusySetzen(QStringLiteral("Nicht Auswerten"));
        for (QPushButton* b : kZahl_) b->setChecked(false);
        BusySetzen({});
        vbTreffer_->setRange(0, 0);
        bdTreffer_->Leeren();
    };
    r.auswerten = [this] { AuswertenAutomatisch(); };
    r.kurzmeldung = [status](const std::string& t) {
        const QString vorher = status->text(), text = QString::fromStdString(t);
        status->setText(text);
        QTimer::singleShot(4000, status, [status, vorher, text] {
            if (status->text() == text) status->setText(vorher);
        });
    };
    return r;
}

void AuswertungFenster::LottodateiOeffnen() {
    DateiBefehle(*daten_, DateiRueckrufe()).LottodateiOeffnen();
}

void AuswertungFenster::DateiOeffnen() {
    DateiBefehle(*daten_, DateiRueckrufe()).mDateiOeffnen();
}

void AuswertungFenster::DateiSpeichern() {
    DateiBefehle(*daten_, DateiRueckrufe()).mDateiSpeichern();
}

void AuswertungFenster::DateiSpeichernUnter() {
    DateiBefehle(*daten_, DateiRueckrufe()).mDateiSpeichernUnter();
}

void AuswertungFenster::ToolbarSpeichern() {
    DateiBefehle(*daten_, DateiRueckrufe()).ToolbarSpeichern();
}

void AuswertungFenster::NeueDatei() {
    const std::optional<NeueDateiAngaben> a = NeueLottodateiAbfragen(this);
    if (!a) return;  // cancelled: history and Geaendert untouched
    DateiBefehle(*daten_, DateiRueckrufe())
        .NeueLottodatei(a->dateiname, a->groessteZahl, a->woche, a->jahr);
}

bool AuswertungFenster::SchliessenFragen() {
    return DateiBefehle(*daten_, DateiRueckrufe()).Schliessen();
}

void AuswertungFenster::TitelAnzeigen() {
    const std::string name = std::filesystem::path(daten_->Dateiname).filename().string();
    setWindowTitle(QStringLiteral("Lotto-Auswertung: ") + QString::fromStdString(name));
    // Every change of the table or the range passes here, so the range line stays current.
    const QString bereich = QStringLiteral("Bereich - ") + QString::fromStdString(daten_->Titel);
    bzTitel_[1]->setToolTip(bereich);
    if (bzBereich_) bzBereich_->setText(bereich);
    SystemmodusAnzeigen();
}

void AuswertungFenster::SystemmodusAnzeigen() {
    const bool system = IstSystem(*daten_);
    for (QCheckBox* c : kTreffer_) c->setEnabled(!system);
    for (QAction* a : mZusatzzahlAuswerten_) a->setEnabled(!system);
    for (size_t f = 7; f <= 9; ++f) mFilter_[f]->setEnabled(!system);
    if (system && trefferfilter_ >= 7 && trefferfilter_ <= 9) TrefferfilterSetzen(10);
    for (const char* name : {"mZiehungHinzufuegen", "mZiehungenEditieren", "mLetzteZiehungLoeschen",
                             "mDateiHinzufuegen"})
        findChild<QAction*>(name)->setEnabled(!system);
    findChild<QAction*>("mZiehungenAnzeigen")
        ->setText(system ? QStringLiteral("&Reihen anzeigen...")
                         : QStringLiteral("&Ziehungen anzeigen..."));
}

bool AuswertungFenster::SystemUebernehmen(const Tippsystem& s, const std::string& name,
                                          bool geaendert, std::string& fehler) {
    if (!SystemInLottodatei(s, name, *daten_, fehler)) return false;
    daten_->Geaendert = geaendert;
    DatenNeuAnzeigen();
    return true;
}

}  // namespace zahlix::ui
