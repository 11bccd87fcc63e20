#pragma once
// fHilfe, the help window: topic menus by group, the list of all topics and of the topics
// shown so far, Zurück/Vorwärts through that history, printing of the shown topic, and an
// editing mode on the whole help file (Ctrl+O shows it; Ctrl+F, Ctrl+H, Ctrl+R, Ctrl+S).
#include <QWidget>
#include <array>
#include <optional>

#include "help/chronik.h"
#include "help/hilfetext.h"

class QComboBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace zahlix::ui {

class HilfeAnzeige;

class HilfeFenster : public QWidget {
    Q_OBJECT
  public:
    explicit HilfeFenster(QWidget* parent = nullptr);

    // Shows the program's current help topic (Hilfethema()), "Einführung" when it is empty.
    Q_INVOKABLE void HilfethemaZeigen();
    // Shows key and puts it at the end of the history; an empty key is ignored.
    Q_INVOKABLE void ThemaZeigen(const QString& schluessel);
    // Shows the topic that carries this number ("~#" marker).
    void NummerZeigen(int nummer);

    // Reads the help file again (index, menus, working copy). False with the reason shown.
    bool Laden();
    bool Zurueck();
    bool Vorwaerts();
    void Drucken();
    // The editing mode, also bound to Ctrl+O and friends.
    void BearbeitenUmschalten();
    void TextSuchen();
    void TextErsetzen();
    void Erneuern();
    bool Speichern();
    bool Bearbeitet() const { return geaendert_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    // Saves the working copy where edits go (HilfeBearbeitungsziel), false with the reason
    // shown.
    bool DateiSchreiben();
    void ChronikAnzeigen();
    void MenuesFuellen();
    void ListeUmschalten();
    // Enter in the list of all topics: a typed part that only one key contains opens it.
    void SucheBestaetigen();

    Hilfetext hilfe_;
    Hilfechronik chronik_;
    QString fehler_;
    bool geaendert_ = false;
    std::array<QMenu*, kGruppenAnzahl> menues_{};
    QPushButton* bDrucken_ = nullptr;
    QPushButton* bZurueck_ = nullptr;
    QPushButton* bVorwaerts_ = nullptr;
    QPushButton* bListe_ = nullptr;
    QComboBox* cSuchen_ = nullptr;
    QComboBox* cChronik_ = nullptr;
    QStackedWidget* listen_ = nullptr;
    QStackedWidget* ansicht_ = nullptr;
    HilfeAnzeige* rtHilfe2_ = nullptr;
    QPlainTextEdit* rtHilfe1_ = nullptr;
};

// The help window, created on first use.
QWidget* HilfeFensterErzeugen();

}  // namespace zahlix::ui
