// The editing mode of the help window: the whole help file in the working copy rtHilfe1, with
// search, replace, reload and an atomic save.
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTextCursor>

#include "app/anwendungsdateien.h"
#include "app/port.h"
#include "app/ui/fenster.h"
#include "core/atomare_datei.h"
#include "help/ui/hilfe_anzeige.h"
#include "help/ui/hilfe_fenster.h"

namespace zahlix::ui {

void HilfeFenster::BearbeitenUmschalten() {
    const bool bearbeiten = ansicht_->currentWidget() != rtHilfe1_;
    ansicht_->setCurrentWidget(bearbeiten ? static_cast<QWidget*>(rtHilfe1_) : rtHilfe2_);
    ansicht_->currentWidget()->setFocus();
}

void HilfeFenster::TextSuchen() {
    if (ansicht_->currentWidget() != rtHilfe1_) return;
    const std::string suche = Eingabe("Suchen nach:", "Text suchen");
    if (suche.empty()) return;
    if (!rtHilfe1_->find(QString::fromStdString(suche)))
        Meldung("Textende erreicht", flags::Information, "Text suchen");
}

void HilfeFenster::TextErsetzen() {
    if (ansicht_->currentWidget() != rtHilfe1_) return;
    const std::string suche = Eingabe("Ersetze:", "Text ersetzen");
    if (suche.empty()) return;
    const std::string durch = Eingabe("Ersetze \"" + suche + "\" durch:", "Text ersetzen");
    if (durch.empty()) return;
    std::string text = rtHilfe1_->toPlainText().toStdString();
    const std::size_t anzahl = AllesErsetzen(text, suche, durch);
    if (anzahl > 0) rtHilfe1_->setPlainText(QString::fromStdString(text));
    Meldung(std::to_string(anzahl) + " gefunden und ersetzt", flags::Information, "Text ersetzen");
}

void HilfeFenster::Erneuern() {
    if (ansicht_->currentWidget() != rtHilfe1_) return;
    // Reading the file again drops the edits; only the user may decide that.
    if (geaendert_ && Meldung("Die Änderungen an der Hilfedatei sind nicht gespeichert und gehen "
                              "verloren. Trotzdem neu laden?",
                              flags::Frage | flags::JaNein | flags::Zweiter, "Hilfe") != kJa)
        return;
    Meldung("Bitte warten, Hilfe wird erneuert. Dies kann einige Minuten dauern!",
            flags::Information, "Hilfe");
    Beschaeftigt(-1);
    Laden();
    Beschaeftigt(0);
    ChronikAnzeigen();
}

bool HilfeFenster::Speichern() {
    if (ansicht_->currentWidget() != rtHilfe1_ || !geaendert_) return false;
    if (Meldung("Änderungen speichern?", flags::Frage | flags::JaNein, "Hilfe") != kJa)
        return false;
    if (!DateiSchreiben()) return false;
    Laden();
    ansicht_->setCurrentWidget(rtHilfe2_);
    ChronikAnzeigen();
    return true;
}

bool HilfeFenster::DateiSchreiben() {
    const std::filesystem::path ziel = HilfeBearbeitungsziel();
    std::string fehler;
    const std::string text = ZeilenendenCrLf(rtHilfe1_->toPlainText().toStdString());
    if (!DateiAtomarSchreiben(ziel, text, fehler)) {
        Meldung(fehler, flags::Kritisch, "Hilfe");
        return false;
    }
    Dateien().hilfe = ziel;
    return true;
}

void HilfeFenster::closeEvent(QCloseEvent* e) {
    if (geaendert_) {
        ansicht_->setCurrentWidget(rtHilfe1_);
        // Nein closes without the edits; Esc and a failed save keep the window open, also at
        // the end of the program, which then stays as well.
        const int16_t antwort = Meldung("Die Hilfedatei wurde geändert. Änderungen speichern?",
                                        flags::Frage | flags::JaNein, "Hilfe");
        if (antwort == kAbbrechen || (antwort == kJa && !DateiSchreiben())) {
            e->ignore();
            return;
        }
    }
    e->accept();
}

QWidget* HilfeFensterErzeugen() {
    return new HilfeFenster;
}

}  // namespace zahlix::ui
