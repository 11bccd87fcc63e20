#pragma once
// Window procedures for every window, without including the main frame.
//
// Child windows: a plain QWidget (or QMainWindow) with the window's objectName and the dynamic
// properties "zahlixKurz" (window-bar caption, e.g. "LO") and "zahlixQuickInfo" (its Quick-Info
// text, CR LF line ends; changes while active are shown at once). FensterZeigen puts it into
// the frame: placement by NaechstePosition, window-bar button, tag property "zahlixTag" ("3F").
// Closing the child (its own close() or the frame's) removes its sub window and button. Windows that refuse to close (closeEvent ignored) must
// accept while ProgrammEndet() is true.
//
// Openers: a window kind is registered once with a factory under its objectName ("fZX",
// "fZwischenspeicher", "fDrucker", "fHilfe", ...). Registration happens in
// BekannteFensterAnmelden (fensterliste.cpp), because a static registrar in the window's own
// file would be dropped by the linker. An opener whose window has no factory does nothing.
#include <QPoint>
#include <functional>
#include <string>

class QImage;
class QWidget;

namespace zahlix::ui {

using FensterFabrik = std::function<QWidget*()>;

void FensterAnmelden(const std::string& name, FensterFabrik fabrik);
void FensterAbmelden(const std::string& name);
bool FensterAngemeldet(const std::string& name);
// Registers the windows this program is built with (called once at start-up).
void BekannteFensterAnmelden();

// The loaded window with this objectName (the first, when there are several), or nullptr.
QWidget* FensterSuchen(const std::string& name);
// Shows w in the frame (made a child window on first call), restores it when minimised and
// brings it to the front. Without a frame it becomes a top-level window.
void FensterZeigen(QWidget* w);
// The loaded window, else a new one from its factory; shown in front. nullptr without factory.
QWidget* FensterOeffnen(const std::string& name);

// Offset in pixels for a new child window (the same value for left and top).
QPoint NaechstePosition();
// Closes w (its own close handling runs) and clears the reference once it is gone.
void SchliessenFenster(QWidget*& w);

// Closes the evaluation window (its save prompt runs), opens it anew and brings it to the
// front; the new window reads Programm().uebergabeDatei. Nothing when fZX is not available.
void LottoAuswertungNeu();
void ZwischenspeicherZeigen();
// Shows the help window at Hilfethema(); a help window with a slot HilfethemaZeigen() is told.
void HilfeZeigen();
// The modal options dialog; afterwards the active child follows "Alle Fenster maximieren".
void OptionenZeigen();
// Raises the frame's close request ("Zahlix beenden?").
void ProgrammBeenden();
// True while the frame closes its child windows at the end of the program.
bool ProgrammEndet();

// Quick-Info protocol for dialogs: Merken saves the frame's text and shows `text`,
// Zurueck restores what was saved. Calls nest. Without a frame both do nothing.
void QuickInfoMerken(const std::string& text);
void QuickInfoZurueck();

// The number clipboard on a window's kZahl_0 .. kZahl_48 buttons (checkable buttons found by
// objectName). Kopieren stores 1 for checked, 0 otherwise; Einfuegen sets enabled buttons only.
// Both do nothing for a window without kZahl_0. True when the window had the buttons.
bool ZahlenKopieren(QWidget* fenster);
bool ZahlenEinfuegen(QWidget* fenster);

// The picture last stored by a graphic view, copied by the frame's "&Kopieren".
void GemeinsamesBildSetzen(const QImage& bild);
QImage GemeinsamesBild();

// The main frame, as parent for dialogs; nullptr before it exists.
QWidget* Hauptfenster();

}  // namespace zahlix::ui
