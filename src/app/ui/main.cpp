// The GUI program: start-up lives in the app library, so this stays tiny.
#include <QApplication>

#include "app/ui/start.h"

int main(int argc, char** argv) {
    zahlix::ui::DeutscheUmgebungSetzen();
    QApplication app(argc, argv);
    return zahlix::ui::ProgrammStarten(app);
}
