#pragma once
// Start-up and end of the window program.
#include <filesystem>
#include <memory>

class QApplication;

namespace zahlix::ui {

class Rahmen;

// The start-up sequence in the current directory, up to the shown and loaded main frame,
// without the event loop: window counter, splash screen, application file names and backup
// folder, options, frame (its load opens the evaluation window), Quick-Info visibility.
// `programmverzeichnis` is where a shipped help file is also looked for.
std::unique_ptr<Rahmen> StartAusfuehren(const std::filesystem::path& programmverzeichnis,
                                        bool mitSplash);

// Runs the start-up with the program's windows as port, then the event loop until the frame
// has closed; returns the exit status.
int ProgrammStarten(QApplication& app);

}  // namespace zahlix::ui
