#include "app/ui/start.h"

#include <QApplication>
#include <QLabel>

namespace zahlix::ui {

int ProgrammStarten(QApplication& app) {
    QLabel platzhalter("Zahlix Freeware");
    platzhalter.setObjectName("fZXT");
    platzhalter.show();
    return app.exec();
}

}  // namespace zahlix::ui
