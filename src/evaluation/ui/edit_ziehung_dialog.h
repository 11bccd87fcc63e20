#pragma once
// fEditZiehung: corrects stored draws one at a time. The user steps through the draws or picks
// one by week, year and identifier with three scroll bars, and stores the corrected numbers,
// bonus number, identifier, week and year of the shown draw.
//
// Like the add dialog it works on its own copy of the draw table (taken in the constructor);
// the caller takes the copy back only after OK.
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "core/lottodatei.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace zahlix::ui {

class EditZiehungDialog : public QDialog {
    Q_OBJECT
  public:
    explicit EditZiehungDialog(const Lottodatei& d, QWidget* eltern = nullptr);

    const Lottodatei& Daten() const { return daten_; }
    Lottodatei DatenNehmen() { return std::move(daten_); }
    // Index of the shown entry; LetzterIndex + 1 when the scroll bars point at no draw.
    int Angezeigt() const { return angezeigt_; }
    // True after an OK that changed the stored entry.
    bool Geaendert() const { return geaendert_; }

    // Fills the ten fields and the week dates from entry i.
    void ZiehungAnzeigen(int i);

    // Runs the dialog and returns its result; exec() unless a test drives it without blocking.
    static std::function<int(QDialog&)>& Ausfuehrer();

    static constexpr const char* kModul = "Ziehungen bearbeiten";
    // Storing on an empty entry would leave a draw behind the end of the table.
    static constexpr const char* kKeineZiehung =
        "Zu dieser Woche, diesem Jahr und dieser Kennung gibt es keine Ziehung.\r"
        "Neue Ziehungen werden mit \"Ziehung hinzufügen...\" aufgenommen.";

  protected:
    // End/Pos1 jump to the last/first draw, Bild auf/ab by ten draws (also from a scroll bar).
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    bool Blaettern(int taste);
    void LeistenGeaendert();
    void LeistenSetzen(int i);
    void Beschriften();
    void Schritt(int richtung);
    void Ok();

    Lottodatei daten_;
    int angezeigt_ = 0;
    bool geaendert_ = false;
    std::array<QLineEdit*, 10> tZiehung_{};
    std::array<QLabel*, 5> bzZiehung_{};
    QScrollBar* hbWoche_ = nullptr;
    QScrollBar* hbJahr_ = nullptr;
    QScrollBar* hbKennung_ = nullptr;
    QLabel* bzDatumKW_ = nullptr;
};

// The command "Ziehung berichtigen": shows the dialog and, after an OK that changed a draw,
// sorts the table (asking when the quick sort gives up), moves the range end, renders Titel
// and sets Geaendert. Cancel changes nothing, Geaendert included. Returns true when d changed.
bool ZiehungBerichtigenDialog(QWidget* eltern, Lottodatei& d,
                              const std::function<void(const std::string&)>& status = {});

}  // namespace zahlix::ui
