#pragma once
// Exports the number rows found in a free text (a report, a result buffer, a hand-made list)
// as a row file.
//
// Which lines are rows:
//  1. A numbers line "Zahlen     :" of a result block: its numbers, continued on the following
//     lines that start with 12 blanks, up to the closing " :". Any count of 1..49 numbers.
//  2. A line made only of six to nine different numbers 1..49, separated by blanks, tabs or
//     commas, optionally preceded by a row counter and ":" or "." ("  3: 01 07 12 30 41 49").
//     Report lines with dates, hit marks ("*"), slashes or words are therefore never rows.
// A line with a number outside 1..49 or a repeated number is not a row. The numbers of a row
// are written in ascending order.
//
// What each format takes (rows that do not fit are left out and not counted):
//  .ASC  rows of exactly six numbers: ZahlFeld3 per number, CR LF (the lottery export line).
//  .ZXT  rows of six or seven numbers: ZahlFeld3 per number, CR LF.
//  .AS4  any row: ZahlFeld3 per number, CR LF.
//  .ZS3  any row, 8 bytes: the four number words; the first three XOR Vielfache(k), the high
//        byte of the fourth word holds k = (row index mod 127) + 1.
//  .ZS4  header of 10 bytes: "Z4" (0x5A 0x34), then as words the row count (low, high word),
//        the largest number 49 and 0; then 10 bytes per row: a leading word with the count of
//        numbers in the row, then the four words as in .ZS3.
// All words little-endian.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zahlix {

using Zahlenreihe = std::vector<int>;  // ascending, distinct, 1..49

enum class Exportformat { ZS4, ZS3, ASC, AS4, ZXT };

// The format named by the last four characters of the name (case-insensitive), if any.
std::optional<Exportformat> ExportformatAus(const std::string& dateiname);

// The rows of the text by the rule above, in text order.
std::vector<Zahlenreihe> ZahlenreihenFinden(std::string_view text);

// True when the format can hold the row.
bool PasstInFormat(const Zahlenreihe& reihe, Exportformat f);

// The file bytes for the rows that fit; anzahl receives how many rows were written.
std::string ReihenKodieren(const std::vector<Zahlenreihe>& reihen, Exportformat f, int& anzahl);

// Finds the rows of text and writes them to ziel in the format its extension names. Returns
// the number of rows written, 0 when none was found (the file is then not touched, so an
// existing file is not emptied), or -1 with a German message in fehler when the extension is
// not a row format or the file cannot be written.
int ReihenExportieren(const std::filesystem::path& ziel, std::string_view text,
                      std::string& fehler);

}  // namespace zahlix
