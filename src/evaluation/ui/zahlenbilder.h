#pragma once
// Pictures of the number grid and the window's tool bar, painted at run time: the two ball
// sets of the animated grid and simple tool-bar symbols.
#include <QIcon>
#include <QPixmap>

namespace zahlix::ui {

// Ball with the number for the animated grid; set 0 is the resting ball, set 1 the pressed one.
QPixmap Zahlbild(int zahl, int satz, int groesse);

// Symbol of tool-bar button i (0 Öffnen ... 8 Neu).
QIcon ToolbarSymbol(int i);

}  // namespace zahlix::ui
