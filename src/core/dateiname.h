#pragma once
// What Windows makes of a file name, as rules the whole program follows there: names it
// refuses or silently changes, and when two spellings name the same file. On other systems
// every name is taken as it is (the rules stay callable, so they are tested everywhere).
#include <filesystem>
#include <optional>
#include <string>

namespace zahlix {

// True where the rules below apply to the files the program uses.
#ifdef _WIN32
inline constexpr bool kWindowsNamen = true;
#else
inline constexpr bool kWindowsNamen = false;
#endif

// The German reason why Windows cannot use the path (UTF-8, either separator): a device name
// such as CON or aux.AS7, a trailing dot or blank (Windows would drop it and write another
// file), a character Windows refuses (":" would write a hidden stream), a name over 255 or a
// path over 259 characters. nullopt for a usable path.
std::optional<std::string> WindowsNamensfehler(const std::string& pfad);

// WindowsNamensfehler of the absolute path where the rules apply; nullopt elsewhere.
std::optional<std::string> DateinameUnzulaessig(const std::filesystem::path& pfad);

// The path with the system's separator (Windows: "C:/a/b.ZX7" -> "C:\a\b.ZX7").
std::string NativerPfad(const std::string& pfad);

// Whether two path texts name the same file by spelling: on Windows regardless of separator
// and of the case of ASCII and Latin-1 letters; elsewhere exactly.
bool GleicherPfad(const std::string& a, const std::string& b);

}  // namespace zahlix
