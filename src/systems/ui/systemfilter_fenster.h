#pragma once
// fSystemfilter, "Systemdatei-Filter": shrinks a system, or all rows of the marked numbers, by
// the filters the player ticks. Every change runs the filter and the exact guarantee figure
// on a worker thread (a newer change stops the older run; "Stop" stops it for good); the rows
// left, the guarantee table and the first rows show when it ends. Nothing is written until
// "Speichern"; "Lottoschein Druck" hands the rows left to the slip printing.
#include <QWidget>
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "systems/garantieanteil.h"
#include "systems/reihenfilter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace zahlix::ui {

class SystemfilterFenster : public QWidget {
    Q_OBJECT
  public:
    explicit SystemfilterFenster(QWidget* eltern = nullptr);
    ~SystemfilterFenster() override;
    // Fits the frame's work area beside the Quick-Info pane on a 1366 x 768 screen.
    QSize sizeHint() const override { return {880, 560}; }

    // Loads a system file as the source; on failure a German message and the source stays.
    bool SystemOeffnen(const std::string& datei);
    // Loads the history whose draws the "gezogen" filter compares with.
    bool ZiehungsdateiOeffnen(const std::string& datei);
    void SystemWaehlen();
    bool ZiehungsdateiWaehlen();
    // Asks for a system file name (confirming a replacement) unless one is given.
    bool Speichern(std::string ziel = {});
    void Drucken();

    // The filter the controls describe.
    Systemfilter FilterAusSteuerung() const;
    bool Laeuft() const { return laeuft_; }
    // Lets events run until the current run is shown (tests and benchmarks).
    void Abwarten();
    // The rows left and the guarantee of the last finished run.
    const std::vector<Reihenmaske>& Ergebnis() const { return ergebnis_.reihen; }
    const std::optional<Garantietabelle>& Garantie() const { return garantie_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    struct Laufergebnis;
    QWidget* QuelleBauen();
    QWidget* FilterBauen();
    QWidget* ErgebnisBauen();
    void Geaendert();
    void LaufStarten();
    void LaufFertig(const std::shared_ptr<Laufergebnis>& r);
    void Anhalten();
    void ErgebnisZeigen();
    void MusterlisteFuellen();
    void GarantiesatzZeigen();
    void StatusZeigen(const QString& text, bool warnung = false);

    // The source: a system's rows, or (when zahlenQuelle_) all rows of the marked numbers,
    // made on the worker and kept for the next run with the same numbers.
    std::shared_ptr<const std::vector<Reihenmaske>> systemreihen_, zahlenreihen_;
    Reihenmaske zahlenreihenVon_ = 0;
    std::string systemname_;
    int groessteZahl_ = 49;
    std::vector<Reihenmaske> ziehungen_;
    std::array<uint64_t, kMusterarten> muster_{};

    Filterergebnis ergebnis_;
    std::optional<Garantietabelle> garantie_;
    int64_t quellreihen_ = 0;
    bool aktuell_ = false;  // the result belongs to the controls as they are
    int garantieT_ = 3, garantieM_ = 4;

    std::thread arbeiter_;
    std::atomic<bool> stopp_{false};
    bool laeuft_ = false, erneut_ = false, baut_ = true;

    std::array<QPushButton*, 49> kZahl_{};
    std::array<QRadioButton*, 2> oQuelle_{};
    QLineEdit* tSystemdatei_ = nullptr;
    QLineEdit* tZiehungsdatei_ = nullptr;
    QComboBox* cGezogen_ = nullptr;
    QComboBox* cMusterart_ = nullptr;
    QListWidget* lMuster_ = nullptr;
    QLabel* bzQuelle_ = nullptr;
    QLabel* bzReihen_ = nullptr;
    QLabel* bzGarantie_ = nullptr;
    QTableWidget* tGarantie_ = nullptr;
    QProgressBar* pbFortschritt_ = nullptr;
    QPushButton* bStopp_ = nullptr;
    QPushButton* bSpeichern_ = nullptr;
    QPushButton* bDrucken_ = nullptr;
    QListWidget* lReihen_ = nullptr;
    QLabel* bzHilfe_ = nullptr;
};

// The frame's factory for "fSystemfilter".
QWidget* SystemfilterFensterErzeugen();

}  // namespace zahlix::ui
