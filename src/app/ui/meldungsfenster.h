#pragma once
// fOutBox, the program's own message box. Its tag holds the answer: the preset button's tag
// before it is shown, "OK" or "Abbrechen" after a button; closing it otherwise (Esc, close
// box) answers "Abbrechen" where the box has that button, so it never confirms by accident.
#include <QDialog>
#include <QString>

#include "app/port.h"

class QLabel;
class QPushButton;

namespace zahlix::ui {

class OutBox : public QDialog {
    Q_OBJECT
  public:
    explicit OutBox(QWidget* parent = nullptr);

    // Sets caption, icon, text, buttons and preset tag without showing the box. An icon of
    // Symbol::Unveraendert keeps the picture of the previous message.
    void Vorbereiten(const MeldungsAnfrage& anfrage);
    // Vorbereiten, then shows the box modally; returns the button the tag names, or
    // Taste::Geschlossen when a box with two buttons was closed without one.
    Taste Zeigen(const MeldungsAnfrage& anfrage);

    QString Tag() const { return tag_; }
    Symbol AktuellesSymbol() const { return symbol_; }

    // Closing (Esc, the window's close button) hides the box with the harmless answer.
    void reject() override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Antworten(const QString& tag);

    QLabel* bild_;
    QLabel* text_;
    QPushButton* ok_;
    QPushButton* abbrechen_;
    QString tag_ = QStringLiteral("OK");
    bool geschlossen_ = false;  // closed without a button
    Symbol symbol_ = Symbol::Unveraendert;
};

// Converts the program's CR LF texts for display.
QString AnzeigeText(const std::string& text);

// Keeps a box without parent above the frame and centres it over the window that asked.
void UeberDemRahmenPlatzieren(QDialog& box);

}  // namespace zahlix::ui
