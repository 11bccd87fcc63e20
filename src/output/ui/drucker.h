#pragma once
// fDrucker, the print output: holds the text every window hands over for printing, prints it
// in Courier New at the chosen size, saves it as text or rich text, exports its number rows
// (.ZS4, .ZS3, .ASC, .AS4, .ZXT) and reopens saved print files.
#include <QPrinter>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QPrintDialog;
class QPushButton;
class QTextEdit;

namespace zahlix::ui {

// Prints text from 1 cm left and 2 cm below the printable area's corner in Courier New
// (monospaced fallback) at punktgroesse; tabs go to multiples of 8 columns, lines too long for
// the page continue on the next line, full pages start a new one. Returns false when the
// printer cannot start (nothing printed).
bool TextDrucken(QPrinter& drucker, const QString& text, int punktgroesse);

// The print dialog for drucker: the selection offered when hatAuswahl, and printing to a PDF
// file offered on every platform, so a machine without printers still prints. Without any
// printer the PDF file (Druckausgabe.pdf in the start directory) is preset.
std::unique_ptr<QPrintDialog> DruckdialogAufbauen(QPrinter& drucker, bool hatAuswahl,
                                                  QWidget* eltern);

class Drucker : public QWidget {
    Q_OBJECT
  public:
    explicit Drucker(QWidget* parent = nullptr);
    ~Drucker() override;
    // Room for an 80-column report at the first opening.
    QSize sizeHint() const override { return {820, 520}; }

    // Replaces the content by banner, text and a final CR LF; shows the window in front.
    void Uebernehmen(const std::string& text);

    // The toolbar commands bToolbar_0 .. bToolbar_4.
    void Oeffnen();
    void Speichern();
    void Drucken();
    void Loeschen();
    void Einrichten();

    // The font size chosen in cSchriftGroesse, in points.
    int Punktgroesse() const;

    // The print dialog, replaceable for tests: it gets the printer (print range preset to the
    // selection when hatAuswahl) and returns false for cancel.
    using Druckdialog = std::function<bool(QPrinter& drucker, bool hatAuswahl)>;
    void DruckdialogErsetzen(Druckdialog d) { druckdialog_ = std::move(d); }
    QPrinter& Druckereinstellung() { return *drucker_; }

    QTextEdit* Dokument() const { return rt_; }

    private:
    void StatusAnzeigen();
    void SchriftgroesseAnwenden();
    bool StandardDruckdialog(QPrinter& drucker, bool hatAuswahl);

    QTextEdit* rt_;
    QLabel* bzHilfe_;
    QComboBox* cSchriftGroesse_;
    std::array<QPushButton*, 5> knoepfe_{};
    std::unique_ptr<QPrinter> drucker_;
    Druckdialog druckdialog_;
};

// The one print output, created (and put into the frame) on first use.
Drucker* DruckerInstanz();

}  // namespace zahlix::ui

namespace zahlix {
// The print output's entry for every window: replaces its content by the text (UTF-8) under
// our banner line and shows it.
void AnDruckausgabe(const std::string& text);
}  // namespace zahlix
