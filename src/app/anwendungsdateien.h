#pragma once
// The application files beside the lottery files, the predefined lotteries of the start
// toolbar, and the values the frame shares with every window.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace zahlix {

inline constexpr const char* kHilfedatei = "ZX2005.ZXH";
inline constexpr const char* kStandardStartdatei = "Samstaglotto.ZX7";

struct Anwendungsdateien {
    std::filesystem::path optionen;  // ZX2005.ZXI in the start directory
    std::filesystem::path hilfe;     // ZX2005.ZXH, from the start directory or the program's
    std::filesystem::path start;
};

Anwendungsdateien& Dateien();

// Sets the file names for a start in `start`. The help file ships beside the executable
// (`programmverzeichnis`), installed in `programmverzeichnis`/../share/zahlix; else it is taken
// from the start folder (any spelling). A copy in the start folder newer than the shipped one
// is the user's edited help (HilfeBearbeitungsziel) and wins.
void AnwendungsdateienSetzen(const std::filesystem::path& start,
                             const std::filesystem::path& programmverzeichnis);

// Where edits of the help file are saved: the help file itself when it lives in the start
// folder, else a copy there, since a shipped or installed help is not the user's to change
// (and usually may not be written).
std::filesystem::path HilfeBearbeitungsziel();
struct VordefinierteLotterie {
    const char* taste;  // key of its start button
    const char* datei;
};
const std::array<VordefinierteLotterie, 5>& VordefinierteLotterien();

// `name` (optionally with folders, relative to `verzeichnis` or absolute) as the operating
// system spells the existing file, matched case-insensitively; "" when there is none.
// An exact match wins over other spellings.
std::string DateiFinden(const std::filesystem::path& verzeichnis, const std::string& name);

// The file the evaluation window opens at start: the option, or Samstaglotto.ZX7 when the
// option is empty; "" when that file does not exist, so the window asks instead.
std::string StartdateiErmitteln(const std::filesystem::path& verzeichnis,
                                const std::string& option);

// The number clipboard: 49 grid states copied between windows, all 0 at start.
std::array<int16_t, 49>& Zahlenablage();
// The topic the help window shows next.
std::string& Hilfethema();

}  // namespace zahlix
