#pragma once
// Replacing a file without ever leaving a half-written one behind: the content goes to a
// temporary file with a short name in the target's folder, made with the target's mode, owner
// and group, is flushed to the disk and only then renamed over the target; the folder is
// flushed after the rename. A symbolic link is written through to its target. A target the
// user may not write, or that is no regular file (a device, a pipe), is refused, not replaced.
// Where the owner cannot be kept (another user's file in a shared folder) or the folder takes
// no new file, the file is overwritten in place instead, its old content restored on failure.
// Each write removes the temporary files that killed writes left in its folder (older than a
// minute, named exactly as this program names them).
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/textdatei.h"  // PfadVonName and GanzEinlesen, long used through this header

namespace zahlix {

// Writes inhalt to ziel atomically. On failure ziel is unchanged, no temporary file remains,
// the result is false and fehler holds the German reason (SystemfehlerText).
bool AtomarErsetzen(const std::filesystem::path& ziel, std::string_view inhalt,
                    std::string& fehler);

// The same for the text windows and exports: on failure a German message naming the file and
// the failed step (writing, completing or replacing); a folder of that name is never touched.
bool DateiAtomarSchreiben(const std::filesystem::path& pfad, std::string_view inhalt,
                          std::string& fehler);

// Copies datei to sicherung the same atomic and durable way, with datei's mode (creating
// sicherung's folder, group-writable when the folder above it is). An earlier copy at
// sicherung is replaced whatever its mode. False with the reason in fehler.
bool SicherungSchreiben(const std::filesystem::path& datei, const std::filesystem::path& sicherung,
                        std::string& fehler);

// False with the German reason when an existing ziel may not be written by the user or is no
// regular file (a missing one is fine: whether its folder takes a new file shows on writing).
bool ZielBeschreibbar(const std::filesystem::path& ziel, std::string& fehler);

// The file a path names after following symbolic links (the path itself when it is none).
std::filesystem::path VerknuepfungAufloesen(const std::filesystem::path& pfad);

// Test hook: every following atomic write fails after n bytes (as a full disk would);
// nullopt restores normal writing.
void SchreibfehlerNachBytes(std::optional<std::size_t> n);

}  // namespace zahlix
