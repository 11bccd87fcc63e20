#pragma once
// Process-wide values set at start-up and shared by every window.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace zahlix {

struct Programmwerte {
    std::filesystem::path startverzeichnis;  // the current directory at start
    std::filesystem::path sicherungsordner;  // startverzeichnis / "Datensicherungen"
    std::string uebergabeDatei;              // file the evaluation window opens next
    int fensterzaehler = 0;
    int platzierungszaehler = 0;
    int kaskade = 1;                         // cascade count, at least 1
};

Programmwerte& Programm();

// Sets start directory and backup folder from the given directory.
void StartverzeichnisSetzen(const std::filesystem::path& verzeichnis);

// Today's date; tests replace it so date texts are fixed.
std::chrono::year_month_day Heute();
void HeuteErsetzen(std::optional<std::chrono::year_month_day> tag);

}  // namespace zahlix
