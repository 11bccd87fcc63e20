#pragma once
// The program's pictures, drawn at run time so they stay sharp at every scale: the four
// message icons, the start toolbar's images, the program icon and the logo of the about box.
#include <QIcon>
#include <QPixmap>
#include <QString>

#include "app/port.h"

namespace zahlix::ui {

// Message icon of the given size in pixels; a null pixmap for Symbol::Unveraendert.
QPixmap MeldungsSymbol(Symbol symbol, int groesse);
// Image of a start toolbar button by its key ("Samstag", "Zwischenspeicher", ...).
QIcon StartSymbol(const QString& taste);
QIcon ProgrammSymbol();
// A row of lottery balls, for the about box.
QPixmap LogoBild(int breite, int hoehe);

}  // namespace zahlix::ui
