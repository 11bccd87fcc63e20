#pragma once
// Reading and writing lottery files in the five formats, chosen by the last four characters
// of the name (case-insensitive): .ZX7, .ZX6, .AS7 (read and write), .ASC, .ZXT (write only).
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/lottodatei.h"

namespace zahlix {

// Reads the file into d starting at index start. Returns 0 or -1. On success d.GroessteZahl
// is the file's largest number and d.LetzterIndex the index of the last draw read (0 if none);
// every slot after the history is cleared. On failure the history from start on is cleared
// (never half loaded) and a message says why, except for a missing file, an unknown
// extension and a .ZX7 file without its magic, which fail silently.
int16_t LottodateiLaden(const std::string& dateiname, Lottodatei& d, int start = 0);

// Writes the draws 0.. up to the first WocheKennung of 0. The previous version of an existing
// file goes to the backup folder first; the target is replaced only once the new content is
// completely written and on the disk, so a failed write leaves it as it was. A file the user
// may not write, or whose backup fails, is refused with a message. Returns 0 or -1.
int16_t LottodateiSchreiben(const std::string& dateiname, const Lottodatei& d);
// As above; geschrieben receives the number of draws in the file (a text format ends at the
// first draw without exactly six numbers), 0 on failure.
int16_t LottodateiSchreiben(const std::string& dateiname, const Lottodatei& d, int& geschrieben);

// The backup step: copies the existing file into the backup folder (created when missing),
// atomically, replacing the previous copy whatever its mode. Returns false (reason in fehler)
// when the copy could not be made; the writer then leaves the file alone.
bool DateiSichern(const std::string& dateiname, std::string* fehler = nullptr);

}  // namespace zahlix
