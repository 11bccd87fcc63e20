#pragma once
// fInfo, the about box: splash screen at start and the "&Info" command.
#include <QDialog>

namespace zahlix::ui {

class InfoFenster : public QDialog {
    Q_OBJECT
  public:
    // As splash screen the box has no frame and no button; it is closed by the start-up.
    explicit InfoFenster(bool alsSplash, QWidget* parent = nullptr);
};

}  // namespace zahlix::ui
