#pragma once
// fNeueZiehung: takes the six numbers marked in the evaluation window as a new draw. It
// proposes week, year and identifier of the next draw and asks for bonus number and identifier.
//
// The dialog works on its own copy of the draw table (taken in the constructor, the direct
// form of the transfer area): OK appends the draw to that copy, Cancel leaves it untouched, and
// the caller takes the copy back only after OK.
#include <QDialog>
#include <array>
#include <functional>
#include <span>
#include <string>

#include "core/lottodatei.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zahlix::ui {

class NeueZiehungDialog : public QDialog {
    Q_OBJECT
  public:
    // zahlen: the six marked numbers, ascending.
    NeueZiehungDialog(const Lottodatei& d, const std::array<int, 6>& zahlen,
                      QWidget* eltern = nullptr);

    // The table, with the new draw after OK.
    const Lottodatei& Daten() const { return daten_; }
    Lottodatei DatenNehmen() { return std::move(daten_); }
    int Woche() const { return woche_; }
    int Jahr() const { return jahr_; }

    // Runs the dialog and returns its result; exec() unless a test drives it without blocking.
    static std::function<int(QDialog&)>& Ausfuehrer();

    static constexpr const char* kModul = "Neue Ziehung";

  private:
    void WocheAnzeigen();
    void Vor();
    void Zurueck();
    void Ok();

    Lottodatei daten_;
    int nachIndex_ = 0;
    int woche_ = 1;
    int jahr_ = 1900;
    std::array<QLineEdit*, 10> tZiehung_{};
    QLabel* bzDatumKW_ = nullptr;
};

// The command "Ziehung hinzufügen": checks capacity and the six marked numbers, shows the
// dialog and, after OK, sorts the table (asking when the quick sort gives up), moves the range
// end, renders Titel and sets Geaendert. status shows the sorting note in the caller's status
// line. Returns true when d changed; the caller then evaluates again and redraws its titles.
bool ZiehungHinzufuegenDialog(QWidget* eltern, Lottodatei& d, std::span<const int> markiert,
                              const std::function<void(const std::string&)>& status = {});

// The note shown while the table is sorted.
inline constexpr const char* kSortierStatus =
    " Sortiere Lottodaten... Dies kann einige Minuten dauern!";

// The dates of a week for bzDatumKW.
QString WochenDatumText(int woche, int jahr);

}  // namespace zahlix::ui
