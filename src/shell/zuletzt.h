#pragma once
// The recent-file list Zuletzt.ZXI: one path or file name per line, most recent first,
// CR LF; an empty line ends the list. No length limit. Errors reading or writing the file are
// ignored: the list is a convenience and never stops a file request.
#include <filesystem>
#include <string>
#include <vector>

namespace zahlix {

inline constexpr const char* kZuletztDatei = "Zuletzt.ZXI";

// Zuletzt.ZXI of the start directory (the current directory before start-up set it).
std::filesystem::path ZuletztPfad();

// The entries up to the first empty line. A missing or unreadable file gives an empty list;
// lines that cannot be a path (control characters, absurd length) are skipped one by one.
std::vector<std::string> ZuletztLaden(const std::filesystem::path& datei);

// Replaces the file with the entries, one per line. Returns false on failure (ignored by the
// dialog, which keeps its list in memory).
bool ZuletztSpeichern(const std::filesystem::path& datei, const std::vector<std::string>& liste);

// Puts pfad at the top with the system's separator (any earlier spelling of the same path
// goes: GleicherPfad) and writes the file.
void ZuletztEintragen(std::vector<std::string>& liste, const std::string& pfad,
                      const std::filesystem::path& datei);

// The entries matching the pattern list (see MusterPasst), order kept.
std::vector<std::string> ZuletztFiltern(const std::vector<std::string>& liste,
                                        const std::string& muster);

}  // namespace zahlix
