#pragma once
// fOptionen, the options dialog: four tabs with the 24 options. It is created once and kept;
// its controls keep what the user set even after "Abbrechen", so the next opening shows it
// again, while the values in force (Optionen()) change only with OK, which also writes
// ZX2005.ZXI. Its Quick-Info text is the property "zahlixQuickInfo" and is shown in the frame
// while the dialog is open.
#include <QDialog>
#include <QString>
#include <array>
#include <filesystem>

#include "shell/optionen.h"
#include "shell/ui/dialoghilfe.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zahlix::ui {

class OptionenDialog : public QDialog {
    Q_OBJECT
  public:
    explicit OptionenDialog(QWidget* parent = nullptr);

    // Puts the values into the controls (nothing is published or written).
    void WerteZeigen(const Optionswerte& werte);
    // The values the controls show.
    Optionswerte WerteLesen() const;
    // "OK" after OK, empty otherwise.
    QString Tag() const { return tag_; }
    // The file OK writes; empty (the default) means OptionsdateiPfad().
    void DateiSetzen(const std::filesystem::path& datei) { datei_ = datei; }

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    void OkGeklickt();

    std::array<QCheckBox*, 6> allgemein_{};
    QComboBox* druckGroesse_ = nullptr;
    QLineEdit* startdatei_ = nullptr;
    std::array<QCheckBox*, 5> lotto_{};
    QComboBox* zahlenauswahl_ = nullptr;
    std::array<QCheckBox*, 6> system_{};
    QLineEdit* addIn_ = nullptr;
    QCheckBox* scheinDruck_ = nullptr;
    QComboBox* scheinGroesse_ = nullptr;
    QLineEdit* scheinDatei_ = nullptr;
    QString tag_;
    std::filesystem::path datei_;
    QuickInfoWaehrendSichtbar quickInfo_;
};

// ZX2005.ZXI of the start directory.
std::filesystem::path OptionsdateiPfad();

// The one dialog, created on first use (its controls then show Optionen()).
OptionenDialog& OptionenDialogInstanz(QWidget* parent = nullptr);
// Shows the dialog modally.
void OptionenDialogZeigen(QWidget* parent);

}  // namespace zahlix::ui
