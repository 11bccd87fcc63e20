#pragma once
// fAuswertebereich: chooses the evaluation range of the open history — all draws, a span of
// weeks, or the last N draws, each optionally only of one identifier; of an open system all
// rows, a span of rows and optionally only the rows of a list. The choice is applied by the
// range logic; a range without any draw or row is refused there and the dialog stays open.
#include <QDialog>
#include <functional>

#include "core/bereich_auswahl.h"
#include "core/lottodatei.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace zahlix::ui {

class BereichDialog : public QDialog {
    Q_OBJECT
  public:
    BereichDialog(Lottodatei& d, QWidget* eltern = nullptr);

    // Runs the dialog; exec() unless a test replaced it to drive the dialog without blocking.
    static std::function<void(BereichDialog&)>& Ausfuehrer();

  private:
    void Ok();
    void Freigeben();
    Bereichswahl Wahl() const;
    void ReihenBauen(QGridLayout* g);

    Lottodatei& d_;
    bool system_;
    QSpinBox *tErsteReihe_ = nullptr, *tLetzteReihe_ = nullptr;
    QCheckBox* kReihenliste_ = nullptr;
    QLineEdit* tReihenliste_ = nullptr;
    QRadioButton *oAlle_, *oZeitraum_, *oLetzte_;
    QSpinBox *tWocheVon_, *tJahrVon_, *tWocheBis_, *tJahrBis_, *tLetzte_;
    QCheckBox* kKennung_;
    QLineEdit* tKennung_;
};

// Shows the dialog on d; true when a new range was set (ImBereich, range values, Titel).
bool AuswertebereichEinstellen(QWidget* eltern, Lottodatei& d);

// The same dialog on a window's own copy (statistics, draws, analysis): it starts from d.Titel
// and leaves the evaluation window's shared range values as they were. True when d got a new
// range (ImBereich, Titel); a system file's rows always count whole.
bool EigenenBereichEinstellen(QWidget* eltern, Lottodatei& d);

}  // namespace zahlix::ui
