#pragma once
// fSystemAuswertung: what a system would have hit. It holds one system (from the evaluation
// window or a file, of any size) and a draw history (the evaluation window's, unsaved draws
// included, or a lottery file), evaluates the system against every draw of the chosen range on
// a worker thread with progress and Stop, and hands the result to the result buffer and the
// print output. Below it keeps "Meine Systeme" and checks them all against the newest draw
// ("Tipps prüfen"); a double click opens a system in the evaluation window with that draw's
// numbers marked, so its rows with 3 or more hits show in colour.
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/lottodatei.h"
#include "systems/systemauswertung.h"
#include "systems/systembericht.h"
#include "systems/tippsystem.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zahlix::ui {

class SystemAuswertungFenster : public QWidget {
    Q_OBJECT
  public:
    explicit SystemAuswertungFenster(QWidget* eltern = nullptr);
    ~SystemAuswertungFenster() override;
    QSize sizeHint() const override { return {900, 600}; }

    // The evaluation window's data: a system's rows in range become the system, a history
    // the draws (its name stands for them until another file is chosen).
    void DatenUebernehmen(const Lottodatei& d);
    void SystemSetzen(Tippsystem s, const std::string& name, const std::string& bereich = {});
    // Reads a system or a history file; false (after a German message) when it fails.
    bool SystemOeffnen(const std::string& datei);
    bool HistorieWaehlen(const std::string& datei);

    // Start when idle, stop request while running ("&Auswerten" / "&Stop").
    void AuswertenUmschalten();
    void TippsPruefen();
    void Zwischenspeichern();
    void Drucken();
    bool Laeuft() const { return laeuft_; }
    const std::string& Ergebnistext() const { return block_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    // construction (system_auswertung_fenster.cpp)
    QWidget* SystemteilBauen();
    QWidget* ZiehungsteilBauen();
    QWidget* MeineSystemeBauen();
    void ListeLaden();
    void MeinSystemMerken(const std::string& datei);
    void Status(const QString& text);
    void Anzeigen();
    // runs (system_auswertung_lauf.cpp)
    // The draws to use: the window's copy or the file, read now; in range all of them, or
    // with mitBereich the range of the controls. False after a German message.
    bool HistorieBereit(Lottodatei& d, bool mitBereich);
    bool Ausfuehren(const std::function<void(std::atomic<bool>& stopp)>& arbeit);
    void ImAuswertungsfensterZeigen(const std::string& datei);

    Tippsystem system_;
    std::string systemname_, systembereich_;
    std::optional<Lottodatei> fensterHistorie_;  // taken from the evaluation window
    std::string historienname_;                  // its name or the chosen file
    std::string block_, bericht_;                // the last result for F4 and Ctrl+P
    std::vector<int> neuesteZahlen_;             // of the last "Tipps prüfen"
    bool laeuft_ = false;
    std::atomic<bool> stopp_{false};
    std::shared_ptr<std::atomic<bool>> lebt_;
    std::thread arbeiter_;

    QLabel* bzSystem_ = nullptr;
    QLineEdit* tZiehungsdatei_ = nullptr;
    QRadioButton *oAlle_ = nullptr, *oLetzte_ = nullptr, *oZeitraum_ = nullptr;
    QSpinBox* tLetzte_ = nullptr;
    QLineEdit* tZeitraum_ = nullptr;
    QLineEdit* tEinsatz_ = nullptr;
    QPushButton* bAuswerten_ = nullptr;
    QPushButton* bTippsPruefen_ = nullptr;
    QProgressBar* pbFortschritt_ = nullptr;
    QListWidget* lSysteme_ = nullptr;
    QPlainTextEdit* rtErgebnis_ = nullptr;
    QLabel* bzHilfe_ = nullptr;
    std::vector<QWidget*> sperren_;  // locked while a run goes
};

// Shows fSystemAuswertung (one at a time) with the evaluation window's data; tippsPruefen
// starts "Tipps prüfen" at once.
void SystemAuswertungZeigen(const Lottodatei& d, bool tippsPruefen = false);
// The Start entry "System-Auswertung": asks for a system file and opens it in the evaluation
// window, or in fSystemAuswertung when it has more rows than that window holds.
void SystemAuswertungStarten();
// Opens a system in a new evaluation window (the old one runs its save prompt first); for a
// system built in the program name is kSystemOhneName or its intended file and geaendert true.
bool SystemImAuswertungsfensterZeigen(const Tippsystem& s, const std::string& name, bool geaendert);
QWidget* SystemAuswertungFensterErzeugen();

}  // namespace zahlix::ui
