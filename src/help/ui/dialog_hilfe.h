#pragma once
// fDialogHilfe, the small help window of the modal dialogs: it shows the current help topic
// (Hilfethema()) above the dialog that asked for it and has one button that closes it.
#include <QDialog>

#include "help/hilfetext.h"

namespace zahlix::ui {

class HilfeAnzeige;

class DialogHilfe : public QDialog {
    Q_OBJECT
  public:
    explicit DialogHilfe(QWidget* parent = nullptr);
    // Shows Hilfethema() (reading the help file again, it may have been edited meanwhile).
    void HilfethemaZeigen();

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    Hilfetext hilfe_;
    HilfeAnzeige* anzeige_ = nullptr;
    bool quickInfo_ = false;
};

// Opens the dialog help at Hilfethema() over the active modal dialog (one instance, kept in
// front, modal so it can be used while the dialog blocks the other windows).
DialogHilfe* DialogHilfeZeigen();

}  // namespace zahlix::ui
