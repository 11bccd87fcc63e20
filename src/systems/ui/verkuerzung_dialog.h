#pragma once
// fVerkuerzung: builds a reduced system for the numbers of the evaluation window's number
// field. The search runs on a worker thread while the dialog shows its progress; "Stop" keeps
// the best complete system. A result goes to the result buffer at once and can be saved as
// .ZS4 and opened in the evaluation window.
#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "systems/verkuerzung.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace zahlix::ui {

class VerkuerzungDialog : public QDialog {
    Q_OBJECT
  public:
    VerkuerzungDialog(std::vector<int> zahlen, QWidget* eltern = nullptr);
    ~VerkuerzungDialog() override;

    // Runs the dialog; exec() unless a test replaced it to drive the dialog without blocking.
    static std::function<void(VerkuerzungDialog&)>& Ausfuehrer();

    void Bauen();
    // Asks for a name and saves; true when saved.
    bool Speichern();
    void InAuswertungOeffnen();

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

  private:
    bool Laeuft() const { return arbeiter_.joinable(); }
    std::optional<Verkuerzungsauftrag> AuftragLesen();
    void SchrankenZeigen();
    void FortschrittZeigen(const Suchfortschritt& f, std::optional<int> sekunden);
    bool DarfSchliessen();

    std::vector<int> zahlen_;
    QComboBox *cTreffer_, *cRichtige_;
    QLineEdit *tSekunden_, *tStartwert_, *tHoechstens_;
    QCheckBox* kZufallsbelegung_;
    QLabel *bzSchranken_, *bzFortschritt_;
    QProgressBar* pbZeit_;
    QPlainTextEdit* rtErgebnis_;
    QPushButton *bBauen_, *bSpeichern_, *bAuswertung_, *bSchliessen_;

    std::thread arbeiter_;
    std::atomic<bool> stop_{false};
    Tippsystem system_;
    std::string gespeichert_;  // the file the result went to, "" before
    std::shared_ptr<bool> lebt_ = std::make_shared<bool>(true);
};

// Opens the dialog for the given numbers (from the number field).
void VerkuerztesSystemBauen(const std::vector<int>& zahlen, QWidget* eltern = nullptr);

}  // namespace zahlix::ui
