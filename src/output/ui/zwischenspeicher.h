#pragma once
// fZwischenspeicher, the result buffer: one monospaced document that collects result blocks
// (newest on top, each selection once), with open, save, hand-over to the print output,
// cut/copy/paste with one undo text, search and replace. There is one instance; it cannot be
// closed by the user (it minimises) and goes only when the program ends.
//
// "Ersetzen" with Shift or Ctrl held (on the click, or on Alt+R) does not ask for texts: it
// rewrites the number lines of the selection (the whole text when nothing is selected) with
// ZahlFeld3 per number; with Ctrl the lines also get consecutive counters "  1:", "  2:", ...
// (see ZeilenNeuNummerieren). The undo text is saved first, so "&Zurück" takes it back.
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <string>

class QLabel;
class QPushButton;
class QTextEdit;

namespace zahlix::ui {

class Zwischenspeicher : public QWidget {
    Q_OBJECT
  public:
    explicit Zwischenspeicher(QWidget* parent = nullptr);
    // Room for an 80-column result block when it is not maximised.
    QSize sizeHint() const override { return {820, 520}; }

    // Puts a result block (UTF-8, CR LF or LF) on top unless its selection is already there;
    // false when it was.
    bool TextEinfuegen(const std::string& text);

    // The toolbar commands bToolbar_0 .. bToolbar_9.
    void Oeffnen();
    void Speichern();
    void Drucken();
    void Loeschen();
    void Ausschneiden();
    void Kopieren();
    void Einfuegen();
    void Zurueck();
    void Suchen();
    // zustand: 0 search and replace, 1 (Shift) or 2 (Ctrl) renumber the number lines.
    void Ersetzen(int zustand);
    // The quick fill on Ctrl+1, Ctrl+4, Ctrl+5: n placeholders " 0 " from the caret.
    void SchnellFuellen(int n);

    // Lets the window close for good (program end).
    void EndgueltigSchliessen();

    QString Dateiname() const { return dateiname_; }
    QString UndoText() const { return undo_; }
    QTextEdit* Dokument() const { return rt_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void TitelAnzeigen();
    void StatusAnzeigen();
    void UndoMerken();
    // Replaces the whole text and puts the caret at pos.
    void TextSetzen(const QString& text, int pos);
    QString SuchtextErfragen(const QString& titel, const QString& hinweis);

    QTextEdit* rt_;
    QLabel* bzHilfe_;
    std::array<QPushButton*, 10> knoepfe_{};
    QString dateiname_ = QStringLiteral("OhneName.TXT");
    QString undo_;
    bool endgueltig_ = false;
};

// The one result buffer, created (and put into the frame) on first use.
Zwischenspeicher* ZwischenspeicherInstanz();

}  // namespace zahlix::ui

namespace zahlix {
// The result buffer's entry for every window: the block (UTF-8) on top unless already there
// (then false).
bool TextEinfuegen(const std::string& text);
}  // namespace zahlix
