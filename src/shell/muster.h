#pragma once
// File-name patterns of the file dialog: pattern lists such as "*.ZX7;*.ZX6;*.AS7", wildcard
// matching, what OK does with the typed text, the answer's extension and the filter of the
// system's file dialog. Matching ignores the case of ASCII letters, as the file names of the
// lottery formats are compared case-insensitively everywhere.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace zahlix {

inline constexpr const char* kStandardMuster = "*.ZX7;*.ZX6;*.ZS4;*.ZS3;*.TXT;*.RTF;*.ASC";
// Takes over when a pattern cannot be applied.
inline constexpr const char* kWeitesMuster =
    "*.ZX7;*.ZX6;*.ZS4;*.ZS3;*.TXT;*.RTF;*.ASC;*.AS4;*.AS7";

// The single patterns of a list, in order, blanks around them removed, empty ones dropped.
std::vector<std::string> MusterEintraege(const std::string& liste);

// True if the text contains a wildcard ("*" or "?").
bool IstMuster(const std::string& text);

// A list can be applied when it has at least one entry and no entry holds a folder part.
bool MusterAnwendbar(const std::string& liste);

// True if name matches any pattern of the list: "*" any run of characters, "?" exactly one
// character (a UTF-8 sequence counts as one). The whole name must match.
bool MusterPasst(const std::string& name, const std::string& liste);

// What OK does with the text of the name field.
enum class OkSchritt {
    Filtern,  // a pattern: it becomes the file list's pattern, the dialog stays open
    Ordner,   // a drive or folder (":" or a path separator): move there, stay open
    Waehlen,  // a file name: it is the answer
    Nichts,   // empty: nothing happens
};
OkSchritt OkEinordnen(const std::string& text);

// The extension of the list's first pattern (".ZX7"), or "" when it has none usable.
std::string ErsteEndung(const std::string& liste);

// The dialog's answer as the caller gets it: a file name without any "." gets the first
// extension of the list ("neu" -> "neu.ZX7"). A "." in a folder name does not count.
std::string AntwortVervollstaendigen(const std::string& antwort, const std::string& liste);

// The path the dialog answers for a file name in a folder: the bare name in the start
// directory, otherwise the full path.
std::string Kandidatenpfad(const std::filesystem::path& ordner, const std::string& name,
                           const std::filesystem::path& startverzeichnis);

// Filter pairs for the system's file dialog: ("ZX7 - Datei", "*.ZX7") per pattern.
std::vector<std::pair<std::string, std::string>> FilterPaare(const std::string& liste);
// The pairs joined with "|": "ZX7 - Datei|*.ZX7|ZX6 - Datei|*.ZX6".
std::string FilterText(const std::string& liste);

}  // namespace zahlix
