#pragma once
// A ticket system: the rows of six numbers a player plays together. Read from the row files
// .ZS4 and .ZS3 or from a plain row text (.TXT, one row of six numbers a line, as a user types
// it) and written as .ZS4, .ZS3 or .TXT. Files are written atomically under the file's lock.
//
// A row is a bit mask, bit n - 1 for number n, so a row is compared with a draw by one AND and
// a bit count; a system of all 13,983,816 rows of 6 aus 49 takes 112 MB.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/zahlen.h"

namespace zahlix {

using Reihenmaske = uint64_t;

inline constexpr int kZahlenProReihe = 6;
// All rows of 6 aus 49: more is no system of one lottery.
inline constexpr std::size_t kMaxSystemreihen = 13'983'816;

struct Tippsystem {
    std::vector<Reihenmaske> reihen;
    int groessteZahl = 49;  // no row holds a larger number

    // The numbers that occur in any row.
    Reihenmaske Zahlen() const;
    bool operator==(const Tippsystem&) const = default;
};

enum class Systemformat { ZS4, ZS3, TXT };

// The format the last four characters of the name give (case-insensitive), if any.
std::optional<Systemformat> SystemformatAus(const std::string& dateiname);

// Mask <-> ascending numbers and the four-word layout of the draw history.
Reihenmaske MaskeAus(std::span<const int> zahlen);
std::vector<int> ZahlenAusMaske(Reihenmaske m);
Reihenmaske MaskeAusBitworten(const Bitworte& w);  // the bonus byte is ignored
Bitworte BitworteAusMaske(Reihenmaske m);
inline int AnzahlIn(Reihenmaske m) {
    return __builtin_popcountll(m);
}

// Reads a system. Refuses, with a German message naming the file, and for a row text the line
// number: an unknown extension, an unreadable file, a row file whose length is no multiple of
// its row size, a row with numbers outside 1..groessteZahl, a repeated number or other than
// six numbers, a text line that is no row, a system of no rows or of more than
// kMaxSystemreihen rows. Blank lines and lines starting with "*" or "#" in a row text are
// skipped (result blocks and comments). A .ZS4 header naming a smaller lottery (6 aus 45)
// makes that the largest number allowed and the system's groessteZahl.
bool SystemLesen(const std::filesystem::path& datei, Tippsystem& s, std::string& fehler,
                 int groessteZahl = 49);
// The same for the bytes of a file of the given format; `name` is used in messages.
bool SystemDekodieren(std::string_view bytes, Systemformat f, const std::string& name,
                      Tippsystem& s, std::string& fehler, int groessteZahl = 49);

// The file bytes of the system in the format.
std::string SystemKodieren(const Tippsystem& s, Systemformat f);

// Writes the system to datei in the format its extension names: under the file's lock,
// atomically, the previous version first into the backup folder. A system of no rows, a name
// that is no system file and a lottery file's name are refused. False with the German reason.
bool SystemSchreiben(const std::filesystem::path& datei, const Tippsystem& s, std::string& fehler);

}  // namespace zahlix
