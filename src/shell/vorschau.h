#pragma once
// The file dialog's preview: a few text lines describing the selected file, chosen by its
// extension (case-insensitive), and the decoder of the scrambled row files.
//
// Row files (.ZS3, .ZS4, and .ZXD, which shares the .ZS3 layout): little-endian 16-bit words.
//   .ZS3  8-byte rows, no header:            w1 w2 w3 w4
//   .ZS4  10-byte header (content ignored), then 10-byte rows:  v w1 w2 w3 w4
// w1..w4 hold a number set in the four-word layout of the draw history (numbers 1..14 in w1,
// 15..28 in w2, 29..42 in w3, 43..49 in the low byte of w4; bits 0..6 and 8..14). The high
// byte of w4 is a key k; w1, w2 and w3 are stored XORed with 49 * k. v is a free leading word
// the writer chooses; the decoder hands it back unchanged. Bits outside the layout are dropped.
// A trailing incomplete row is not a row.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/zahlen.h"

namespace zahlix {

enum class Reihenformat { ZS3, ZS4 };

struct Systemreihe {
    int16_t vorwort = 0;      // the leading word of a .ZS4 row, 0 for .ZS3
    std::vector<int> zahlen;  // ascending

    bool operator==(const Systemreihe&) const = default;
};

// The number set of one stored row (the key byte is cleared).
Bitworte SystemreiheEntschluesseln(const std::array<uint16_t, 4>& gespeichert);

// All rows of a row file; nothing when the file cannot be read.
std::optional<std::vector<Systemreihe>> SystemreihenLesen(const std::filesystem::path& datei,
                                                          Reihenformat format);

// The preview lines of the file (without line ends). An unreadable file gives no lines.
//   .ZX7/.ZX6: "Anzahl Reihen = n", up to 14 draws from the start, 31 "-", the last draw;
//              a draw reads "05/2005 A 03 12 17 25 38 44 09" (identifier "." for none, bonus
//              "--" for none).
//   .ZS3/.ZS4/.ZXD: "Anzahl Reihen = n", up to 14 rows "    1 : 03 12 17 25 38 44", 31 "-",
//              the last row.
//   .ZXM/.EXE: "Keine Vorschau möglich".
//   others: "Dateigröße in Byte = 1.234".
std::vector<std::string> DateiVorschau(const std::filesystem::path& datei);

}  // namespace zahlix
