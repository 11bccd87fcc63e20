#pragma once
// What the shell's modal dialogs share: their Quick-Info in the frame while they are visible,
// their help button, and one instance each that follows the window asking for it.
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace zahlix::ui {

// Shows text in the frame's Quick-Info from Gezeigt() until Verborgen(); repeated calls of
// either do nothing, so show and hide events may come in any number.
class QuickInfoWaehrendSichtbar {
  public:
    void Gezeigt(const char* text);
    void Verborgen();

  private:
    bool gemerkt_ = false;
};

// Opens the dialog help at thema.
void HilfeZu(const char* thema);

// The "OK" / "&Abbrechen" / "&Hilfe" row of a modal dialog (objectNames bOK, bAbbrechen,
// bHilfe; OK is the default button, help opens hilfethema). The caller connects OK and Cancel.
struct DialogKnoepfe {
    QDialogButtonBox* leiste;
    QPushButton* ok;
    QPushButton* abbrechen;
};
DialogKnoepfe DialogKnoepfeBauen(QWidget* dialog, const char* hilfethema);

// The one dialog of its kind, made on first use and re-parented to the window asking.
template <class Dialog>
Dialog& EinzigerDialog(QPointer<Dialog>& dialog, QWidget* parent) {
    if (!dialog)
        dialog = new Dialog(parent);
    else if (parent && dialog->parentWidget() != parent)
        dialog->setParent(parent, dialog->windowFlags());
    return *dialog;
}

}  // namespace zahlix::ui
