#pragma once
class QApplication;

namespace zahlix::ui {

// Runs the start-up sequence and the event loop; returns the exit status.
int ProgrammStarten(QApplication& app);

}  // namespace zahlix::ui
