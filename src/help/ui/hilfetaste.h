#pragma once
// F1 in every window, and the "Hilfe anzeigen" entries.
//
// The topic of a window is its dynamic property "zahlixHilfethema" (QString; the focused widget
// or its nearest ancestor that has one wins), else the module topic of its objectName. F1 in an
// open menu shows the topic of the highlighted entry ("Menü.<menu>.<entry>"), F1 in a modal
// dialog presses its "bHilfe" button (or shows its own topic in the dialog help).
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace zahlix::ui {

// The topic for widget w as described above; "Zahlix" when nothing names one.
QString HilfethemaFuer(const QWidget* w);
// The topic of the active child window of the frame (or the active window without a frame).
QString AktivesHilfethema();
// Shows AktivesHilfethema() in the help window.
void HilfeZumAktivenFenster();
// The topic of an entry of one of the nine main menus or of the number grid's pop-up; "" for
// separators, sub-menus and other pop-ups.
QString MenueHilfethema(const QMenu* menue, const QAction* eintrag);
// Installs F1 for the whole application (once).
void HilfetasteInstallieren();

}  // namespace zahlix::ui
