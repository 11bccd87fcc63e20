#pragma once
// Small text files of the shell (options, recent-file list): reading as UTF-8 with a
// Windows-1252 fallback, and replacing a file only once its new content is complete.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zahlix {

// The bytes unchanged when they are valid UTF-8, else read as Windows-1252 and converted.
std::string NachUtf8(std::string_view bytes);

// The lines of the file (CR LF, LF or a lone CR end a line; the ends are removed), decoded
// with NachUtf8 after a UTF-8 byte order mark is dropped; nothing when the file cannot be opened or read.
std::optional<std::vector<std::string>> TextzeilenLesen(const std::filesystem::path& datei);

// Writes the bytes to a temporary file beside the target and renames it over the target, so
// the old file survives a failed write. Returns an empty string or the system's error text.
std::string DateiErsetzen(const std::filesystem::path& datei, const std::string& bytes);

}  // namespace zahlix

namespace zahlix {

// Paths travel through the shell as UTF-8 strings; these convert portably (Windows too).
std::filesystem::path PfadAusText(const std::string& text);
std::string TextAusPfad(const std::filesystem::path& pfad);

}  // namespace zahlix
