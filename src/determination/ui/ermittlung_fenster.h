#pragma once
// fErmittlung: the analysis window ("Lotto-Analyse", "System-Analyse" for a system file). It
// holds its own copy of the history, a number field with locked numbers, the input group of the
// chosen analysis and the result box. A run hands the inputs to the analysis logic on a worker
// thread and waits in a local event loop, so the window stays responsive and a stop (tool bar
// button or Esc) reaches the analysis at once; while it runs the number field, the inputs and
// closing are blocked.
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/lottodatei.h"
#include "core/zahlen.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QEventLoop;
class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QPlainTextEdit;
class QToolButton;

#include "determination/analyse.h"

namespace zahlix::ui {

class ErmittlungFenster : public QWidget {
    Q_OBJECT
  public:
    explicit ErmittlungFenster(QWidget* eltern = nullptr);
    ~ErmittlungFenster() override;

    // Chooses an analysis by its list text (from the evaluation window's menu).
    Q_INVOKABLE void ArtWaehlen(const QString& art);

    // Start when idle, stop request while running (tool bar "&Ermitteln" / "&Stop").
    void ErmittlungUmschalten();
    // Start only (bErmitteln, Enter); nothing while running.
    void ErmittlungStarten();
    void Stoppen() { stop_ = true; }
    bool Laeuft() const { return !laeuft_.isEmpty(); }

    // Tool bar "&Drucken" and "&Bereich".
    void Drucken();
    void BereichNeuEinstellen();
    // Tool bar "Rück&blick": the back-test of the chosen analysis with the current inputs.
    void RueckblickOeffnen();

    // Number field procedures.
    void MarkierteSperren();
    void SperrungAufheben();
    void AlleLoeschen();
    void ZahlenAlleZurueckholen();
    int FreieZahlen() const;
    bool Gesperrt(int i) const;  // i = number - 1; numbers above N count as locked
    Bitworte Auswahl() const;

    const Lottodatei& Daten() const { return *daten_; }
    // A fixed seed for the random analyses (0: a new one from the system for every run).
    void SeedSetzen(uint64_t s) { seed_ = s; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    // construction (ermittlung_fenster.cpp, ermittlung_gruppen.cpp)
    QWidget* ToolbarBauen();
    QWidget* ZahlenfeldBauen();
    QWidget* ZaehlerBauen();
    QWidget* EingabenBauen();
    QGroupBox* Gruppe(const char* name, const QString& titel);
    QRadioButton* Option(QWidget* eltern, const QString& name, const char* text, bool an);
    QLineEdit* Feld(QWidget* eltern, const QString& name, const QString& wert);
    void GruppenBauen();
    // state shown (ermittlung_anzeige.cpp)
    void TitelAnzeigen();
    void EingabenVorbelegen();
    void StatusZeigen(const QString& text);
    void ZaehlerAnzeigen(const std::array<int32_t, 10>& z);
    void ZaehlerLoeschen();
    void ZahlenVerfuegbarkeit();
    void BereichInTitel();
    void ErgebnisZeigen(const std::string& block, const std::string& zahlenzeile,
                        bool auchZwischenspeicher);
    void SteuerungSperren(bool laeuft);
    // Empties the result box after asking (its pop-up menu); the numbers lines it held are
    // forgotten.
    void ErgebnisfeldLeeren();
    // the run (ermittlung_lauf.cpp)
    bool Pruefen(Analyseart art);
    void Wiederholen(Analyseart art);
    // One determination; false ends a repeated cycle.
    bool EinmalAusfuehren(Analyseart art, int modus, int ermittlung);
    AnalyseEingaben EingabenLesen(Analyseart art, int modus, int ermittlung) const;
    // Runs the analysis on the worker; false when the window went away meanwhile.
    bool Ausfuehren(const AnalyseEingaben& e, AnalyseErgebnis& r);
    void ErgebnisUebernehmen(Analyseart art, const AnalyseErgebnis& r);
    int Gewaehlt(const char* basis, int anzahl) const;  // checked option of basis_0..
    QString Feldtext(const QString& name) const;

    std::unique_ptr<Lottodatei> daten_;
    std::string bereichText_;
    QString art_;
    QString frage_;
    QString laeuft_;  // "Nicht auswerten" while an analysis runs
    std::atomic<bool> stop_{false};
    std::array<bool, 49> gemerkt_{};
    std::thread arbeiter_;
    uint64_t seed_ = 0;
    std::shared_ptr<std::atomic<bool>> lebt_;
    // The result lists of the last run, for the print transfer.
    std::optional<Analyseart> listenArt_;
    std::vector<std::string> liste_, sortiert_;
    QSet<QString> zahlenzeilen_;  // numbers lines of the blocks in the result box
    // Inside a cycle of determinations the status of each one waits for the cycle's end.
    bool imZyklus_ = false;
    QString zyklusStatus_;

    std::array<QPushButton*, 49> kZahl_{};
    std::array<QPushButton*, 3> bZahlenSperren_{};
    std::array<QLabel*, 24> bzTreffer_{};
    std::array<QCheckBox*, 7> kNurTreffer_{};
    std::array<QToolButton*, 4> bToolbar_{};
    std::array<QComboBox*, 2> cAnzahl_{};
    std::array<QRadioButton*, 2> oVerwende_{};
    std::vector<QGroupBox*> gruppen_;
    QGroupBox* rZahlen_ = nullptr;
    QWidget* rAnzahl_[2]{};
    QComboBox* cErmittlungart_ = nullptr;
    QPushButton* bErmitteln_ = nullptr;
    QPushButton* bSchliessen_ = nullptr;
    QPushButton* bUmsortieren_ = nullptr;
    QLabel* bzFrage_ = nullptr;
    QLabel* bzHilfe_ = nullptr;
    QPlainTextEdit* rtErmittlung_ = nullptr;
    std::array<QListWidget*, 2> lZerlegung_{};
    QWidget* rListen_ = nullptr;
};

// Runs arbeit on a new worker thread kept in arbeiter while the window handles events in a
// local loop, so a stop request reaches the work at once. False when the window went away
// meanwhile: its destructor, which must clear lebt and join arbeiter, has waited for the work.
bool AufArbeiterWarten(std::thread& arbeiter, const std::shared_ptr<std::atomic<bool>>& lebt,
                       const std::function<void()>& arbeit);

// The red square of a tool-bar button that reads "&Stop" while a run goes on.
QIcon StopSymbol();

// The analyses that run as repeated determinations (Zufalls-, Gewinn-, Glücks-, Pechzahlen).
bool Wiederholt(Analyseart a);

// The leading number of a field ("12abc" -> 12, "" or "Bis Stop" -> 0), kept inside int32.
int32_t Zahlwert(const QString& text);

// The window; the frame's factory for "fErmittlung".
QWidget* ErmittlungFensterErzeugen();

}  // namespace zahlix::ui
