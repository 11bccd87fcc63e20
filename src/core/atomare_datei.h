#pragma once
// Replacing a file without ever leaving a half-written one behind: the content goes to a
// temporary file beside the target and is renamed over it only when completely written.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/textdatei.h"  // PfadVonName and GanzEinlesen, long used through this header

namespace zahlix {

// Writes inhalt to ziel atomically. On failure ziel is unchanged, no temporary file remains,
// the result is false and fehler holds the system's description of the error.
bool AtomarErsetzen(const std::filesystem::path& ziel, std::string_view inhalt,
                    std::string& fehler);

// The same for the text windows and exports: on failure a German message naming the file and
// the failed step (writing, completing or replacing); a folder of that name is never touched.
bool DateiAtomarSchreiben(const std::filesystem::path& pfad, std::string_view inhalt,
                          std::string& fehler);

// Test hook: every following atomic write fails after n bytes (as a full disk would);
// nullopt restores normal writing.
void SchreibfehlerNachBytes(std::optional<std::size_t> n);

}  // namespace zahlix
