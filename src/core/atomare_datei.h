#pragma once
// Replacing a file without ever leaving a half-written one behind: the content goes to a
// temporary file beside the target and is renamed over it only when completely written.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zahlix {

// A path from a UTF-8 string, so names with umlauts survive on every platform.
std::filesystem::path PfadVonName(const std::string& name);

// Writes inhalt to ziel atomically. On failure ziel is unchanged, no temporary file remains,
// the result is false and fehler holds the system's description of the error.
bool AtomarErsetzen(const std::filesystem::path& ziel, std::string_view inhalt,
                    std::string& fehler);

// Reads a whole file into inhalt. On failure returns false with the system's error text.
bool GanzEinlesen(const std::filesystem::path& pfad, std::string& inhalt, std::string& fehler);

// Test hook: every following atomic write fails after n bytes (as a full disk would);
// nullopt restores normal writing.
void SchreibfehlerNachBytes(std::optional<std::size_t> n);

}  // namespace zahlix
