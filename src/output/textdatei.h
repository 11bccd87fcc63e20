#pragma once
// Text files of the output windows: reading with the UTF-8 / Windows-1252 rule, writing
// atomically, and the small encoding helpers the RTF module shares.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zahlix {

// Windows-1252 byte to code point; the five unassigned bytes map to themselves.
char32_t Cp1252ZuUnicode(unsigned char b);
// The Windows-1252 byte of a code point, if it has one.
std::optional<unsigned char> UnicodeZuCp1252(char32_t c);

void Utf8Anhaengen(std::string& out, char32_t c);
// Decodes the UTF-8 sequence at s[i] into cp and returns its length; 0 when it is not valid
// (overlong, surrogate, beyond U+10FFFF or cut off).
size_t Utf8Lesen(std::string_view s, size_t i, char32_t& cp);

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

// Reads a whole file. Files above the size limit are refused rather than loaded into an editor.
// On failure returns false and a German message naming the file.
bool DateiEinlesen(const std::filesystem::path& pfad, std::string& inhalt, std::string& fehler);
constexpr std::uintmax_t kGroessteTextdatei = 32u * 1024u * 1024u;

// Writes to a temporary file beside the target and renames it over the target, so a failed
// write never leaves a half-written file. On failure returns false and a German message.
bool DateiAtomarSchreiben(const std::filesystem::path& pfad, std::string_view inhalt,
                          std::string& fehler);

}  // namespace zahlix
