#pragma once
// Start-up and end of the window program.
#include <filesystem>
#include <memory>

class QApplication;
class QCoreApplication;
class QTranslator;

namespace zahlix::ui {

class Rahmen;

// The start-up sequence in the current directory, up to the shown and loaded main frame,
// without the event loop: window counter, splash screen, application file names and backup
// folder, options, frame (its load opens the evaluation window), Quick-Info visibility.
// `programmverzeichnis` is where a shipped help file is also looked for.
std::unique_ptr<Rahmen> StartAusfuehren(const std::filesystem::path& programmverzeichnis,
                                        bool mitSplash);

// Loads Qt's German texts (qtbase_de: standard buttons, context menus, the system file
// dialog) from Qt's translation folder and installs them; nullptr, silently, when missing.
// The translator belongs to app.
QTranslator* QtUebersetzungLaden(QCoreApplication& app);

// Before the QApplication: Qt's own dialogs take sizes, dates and unit names from the
// environment's locale, so the program names German for them whatever the environment says.
// Character handling keeps the environment's choice (LC_ALL moves to LC_CTYPE).
void DeutscheUmgebungSetzen();

// Name, icon, German Qt texts and German as the default locale of the window program; returns
// QtUebersetzungLaden's translator. No display name: Qt would append it to every window
// caption.
QTranslator* AnwendungEinrichten(QApplication& app);

// Runs the start-up with the program's windows as port, then the event loop until the frame
// has closed; returns the exit status.
int ProgrammStarten(QApplication& app);

}  // namespace zahlix::ui
