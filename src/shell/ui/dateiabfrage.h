#pragma once
// fDateiabfrage, the program's file dialog, created once and reused for every request.
// A request (Anfrage) brings a pattern list ("*.ZX7;*.ZX6;*.AS7") and a title; the answer is
// the chosen path in Tag(): the bare name for a file in the start directory, else the full
// path, with the list's first extension added to a name without one; "" when cancelled.
// Folder and drive stay between requests; every answer goes to the top of Zuletzt.ZXI.
//
// Tests drive it without blocking: Anfrage, show() instead of exec(), set the controls found
// by objectName, click bOK, then read isVisible() and Tag(). Systemdialog() replaces the
// platform's file dialog behind "&Win-Dialog".
#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/ui/dialoghilfe.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace zahlix::ui {

class VorschauFeld;

class Dateiabfrage : public QDialog {
    Q_OBJECT
  public:
    explicit Dateiabfrage(QWidget* parent = nullptr);

    // Prepares a request: caption, pattern list, file list, name field and recent files.
    void Anfrage(const std::string& muster, const std::string& titel);
    QString Tag() const { return tag_; }
    // The folder the lists show.
    std::string Ordner() const;
    // Moves the folder and file lists to an existing folder.
    void OrdnerWechseln(const std::filesystem::path& ordner);

    // (parent, for saving, filter "ZX7 - Datei (*.ZX7 *.zx7);;...", title, start folder)
    // -> the chosen full path, "" when cancelled.
    using SystemdialogFunktion = std::function<std::string(QWidget*, bool, const std::string&,
                                                           const std::string&, const std::string&)>;
    static SystemdialogFunktion& Systemdialog();

    // Closing without OK is cancelling: the answer is empty.
    void reject() override;

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    void OrdnerSetzen(const std::filesystem::path& ordner);
    void DateilisteFuellen();
    void MusterAnwenden(const std::string& muster);
    void DateiGewaehlt(QListWidgetItem* item);
    void ZuletztGewaehlt(QListWidgetItem* item);
    void ZuletztUmschalten(bool an);
    void OkGeklickt();
    void Annehmen(const std::string& pfad);
    void WinDialog();
    void DateiLoeschen(const QPoint& pos);
    void OrdnerAnlegen(const QPoint& pos);

    QComboBox* datei_;
    QListWidget* dateien_;
    QListWidget* zuletzt_;
    QListWidget* zuletztGesamt_;
    QCheckBox* kZuletzt_;
    QComboBox* laufwerk_;
    QListWidget* verzeichnis_;
    QLabel* ordnerText_;
    VorschauFeld* vorschau_;

    std::filesystem::path ordner_;
    std::string anfrageMuster_;  // the request's list, for the answer's extension
    std::string muster_;         // the file list's pattern
    std::string kandidat_;       // the path OK would answer
    bool ausZuletzt_ = false;    // kandidat_ came from the recent list
    std::vector<std::string> zuletztListe_;
    QString tag_;
    QuickInfoWaehrendSichtbar quickInfo_;
};

// The one dialog, created on first use.
Dateiabfrage& DateiabfrageInstanz(QWidget* parent = nullptr);
// Shows a request modally and returns the chosen path, or "" when cancelled.
std::string DateiabfrageZeigen(QWidget* parent, const std::string& muster,
                               const std::string& titel);

}  // namespace zahlix::ui
