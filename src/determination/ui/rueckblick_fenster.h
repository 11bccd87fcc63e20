#pragma once
// fRueckblick: the back-test of one analysis with the inputs it had in the analysis window.
// It holds its own copy of the history; a run goes to a worker thread while the window waits
// in a local event loop with progress and Stop (tool bar button or Esc), as the analysis
// window does. The result goes to the result box, the result buffer and the graph; "Drucken"
// hands the result box to the print output.
#include <QWidget>
#include <array>
#include <atomic>
#include <memory>
#include <thread>

#include "determination/rueckblick.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QTextEdit;
class QToolButton;

namespace zahlix::ui {

class GrafikFlaeche;

class RueckblickFenster : public QWidget {
    Q_OBJECT
  public:
    RueckblickFenster(const Lottodatei& d, const AnalyseEingaben& e, QWidget* eltern = nullptr);
    ~RueckblickFenster() override;
    // Room for the 80 columns of the result and the graph below it.
    QSize sizeHint() const override { return {880, 600}; }

    // Start when idle, stop request while running.
    void Umschalten();
    void Drucken();
    bool Laeuft() const { return laeuft_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    // The inputs of the fields; false after a German message on a bad one.
    bool EingabenLesen(RueckblickEingaben& e);
    void Sperren(bool laeuft);
    void GrafikZeigen();  // the last result's graph at the picture's size

    std::unique_ptr<Lottodatei> daten_;
    AnalyseEingaben analyse_;
    std::atomic<bool> stop_{false};
    bool laeuft_ = false;
    std::thread arbeiter_;
    std::shared_ptr<std::atomic<bool>> lebt_;
    std::unique_ptr<RueckblickErgebnis> letztes_;

    std::array<QToolButton*, 2> bToolbar_{};
    QLineEdit* tLetzte_ = nullptr;
    QLineEdit* tSaat_ = nullptr;
    QLineEdit* tEinsatz_ = nullptr;
    std::array<QLineEdit*, 10> tGewinn_{};  // by class code 0..9
    QProgressBar* pbFortschritt_ = nullptr;
    QTextEdit* rtRueckblick_ = nullptr;
    GrafikFlaeche* bdRueckblick_ = nullptr;
    QLabel* bzHilfe_ = nullptr;
};

}  // namespace zahlix::ui
