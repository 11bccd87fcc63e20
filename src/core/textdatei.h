#pragma once
// Reading files and text: the UTF-8 / Windows-1252 rule for text, whole-file reads with a size
// limit, line splitting, line ends, and UTF-8 path conversion (portable, Windows too).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zahlix {

// Paths travel through the program as UTF-8 strings, so names with umlauts survive everywhere.
std::filesystem::path PfadVonName(const std::string& name);
std::string TextAusPfad(const std::filesystem::path& pfad);

// Windows-1252 byte to code point; the five unassigned bytes map to themselves.
char32_t Cp1252ZuUnicode(unsigned char b);
// The Windows-1252 byte of a code point, if it has one.
std::optional<unsigned char> UnicodeZuCp1252(char32_t c);

void Utf8Anhaengen(std::string& out, char32_t c);
// Decodes the UTF-8 sequence at s[i] into cp and returns its length; 0 when it is not valid
// (overlong, surrogate, beyond U+10FFFF or cut off).
size_t Utf8Lesen(std::string_view s, size_t i, char32_t& cp);

// The bytes unchanged when they are valid UTF-8, else read as Windows-1252 and converted.
std::string NachUtf8(std::string_view bytes);

// The bytes of a text file as UTF-8: valid UTF-8 stays as it is (a byte order mark is
// dropped), UTF-16 with a byte order mark is converted, anything else is read as
// Windows-1252. NUL bytes are dropped so a binary file opened by mistake still shows as
// (garbled) text.
std::string TextDekodieren(std::string_view bytes);

// Every CR LF, lone CR and lone LF becomes CR LF.
std::string ZeilenendenCrLf(std::string_view text);
// Every CR LF and lone CR becomes LF (the editors keep LF internally).
std::string ZeilenendenLf(std::string_view text);

// The last four characters of a name, upper-cased (".rtf" -> ".RTF"); the whole name if shorter.
std::string Endung4(const std::string& name);

// Reads a whole file (up to 64 MB). On failure returns false with the system's error text.
bool GanzEinlesen(const std::filesystem::path& pfad, std::string& inhalt, std::string& fehler);

// Reads a whole file for an editor; larger files are refused. On failure returns false, leaves
// inhalt alone and gives a German message naming the file.
bool DateiEinlesen(const std::filesystem::path& pfad, std::string& inhalt, std::string& fehler);
constexpr std::uintmax_t kGroessteTextdatei = 32u * 1024u * 1024u;

// The lines of the file (CR LF, LF or a lone CR end a line; the ends are removed), decoded
// with NachUtf8 after a UTF-8 byte order mark is dropped; nothing when the file cannot be read.
std::optional<std::vector<std::string>> TextzeilenLesen(const std::filesystem::path& datei);

}  // namespace zahlix
