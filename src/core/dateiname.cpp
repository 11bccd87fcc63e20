#include "core/dateiname.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <system_error>

#include "core/textdatei.h"

namespace fs = std::filesystem;

namespace zahlix {

namespace {

// Without the long-path prefix, which the program does not use, Windows stops at MAX_PATH
// (260, the closing NUL included).
constexpr std::size_t kLaengsterPfad = 259;
constexpr std::size_t kLaengsterName = 255;

bool Trenner(char c) {
    return c == '/' || c == '\\';
}

// UTF-16 units, as Windows counts.
std::size_t Utf16Laenge(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        const std::size_t l = Utf8Lesen(s, i, cp);
        n += l && cp > 0xFFFF ? 2 : 1;
        i += l ? l : 1;
    }
    return n;
}

std::string Gross(std::string_view s) {
    std::string g(s);
    for (char& c : g) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return g;
}

// Windows reserves these names with any extension ("aux.AS7") and blanks before the dot; the
// reserved stem, or "" for a free name.
std::string Geraetename(std::string_view name) {
    std::string_view stamm = name.substr(0, name.find('.'));
    while (!stamm.empty() && stamm.back() == ' ') stamm.remove_suffix(1);
    const std::string g = Gross(stamm);
    static constexpr std::array<std::string_view, 4> kFest = {"CON", "PRN", "AUX", "NUL"};
    const bool reserviert = std::find(kFest.begin(), kFest.end(), g) != kFest.end() ||
                            (g.size() == 4 && (g.starts_with("COM") || g.starts_with("LPT")) &&
                             g[3] >= '1' && g[3] <= '9');
    return reserviert ? std::string(stamm) : "";
}

std::optional<std::string> Namensfehler(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    if (Utf16Laenge(name) > kLaengsterName) return "Der Dateiname ist zu lang";
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
            return "Unter Windows darf ein Dateiname keines der Zeichen < > : \" | ? * enthalten";
    }
    if (name.back() == '.' || name.back() == ' ')
        return "Unter Windows darf ein Dateiname nicht mit einem Punkt oder Leerzeichen enden";
    if (const std::string stamm = Geraetename(name); !stamm.empty())
        return "Der Name " + stamm + " ist unter Windows einem Gerät vorbehalten";
    return std::nullopt;
}

// Folds what German names need; enough for a spelling comparison, not a full case mapping.
std::u32string Gefaltet(const std::string& s) {
    std::u32string aus;
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        const std::size_t l = Utf8Lesen(s, i, cp);
        if (!l) cp = static_cast<unsigned char>(s[i]);
        i += l ? l : 1;
        if (cp == '/') cp = '\\';
        if ((cp >= 'a' && cp <= 'z') || (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)) cp -= 0x20;
        aus += cp;
    }
    return aus;
}

}  // namespace

std::optional<std::string> WindowsNamensfehler(const std::string& pfad) {
    // The drive ("C:") and the server of a network path ("\\server\share") are no file names.
    std::size_t start = 0;
    if (pfad.size() >= 2 && pfad[1] == ':' && std::isalpha(static_cast<unsigned char>(pfad[0])))
        start = 2;
    for (std::size_t i = start; i <= pfad.size();) {
        std::size_t ende = i;
        while (ende < pfad.size() && !Trenner(pfad[ende])) ++ende;
        if (auto fehler = Namensfehler(std::string_view(pfad).substr(i, ende - i))) return fehler;
        i = ende + 1;
    }
    if (Utf16Laenge(pfad) > kLaengsterPfad)
        return "Der Pfad ist länger als die " + std::to_string(kLaengsterPfad) +
               " Zeichen, die Windows erlaubt";
    return std::nullopt;
}

std::optional<std::string> DateinameUnzulaessig(const fs::path& pfad) {
    if (!kWindowsNamen) return std::nullopt;
    // The name as given first: making it absolute drops trailing dots and blanks.
    if (auto fehler = WindowsNamensfehler(TextAusPfad(pfad))) return fehler;
    std::error_code ec;
    const fs::path absolut = fs::absolute(pfad, ec);
    return ec ? std::nullopt : WindowsNamensfehler(TextAusPfad(absolut));
}

std::string NativerPfad(const std::string& pfad) {
    std::string p = pfad;
    if (kWindowsNamen) std::replace(p.begin(), p.end(), '/', '\\');
    return p;
}

bool GleicherPfad(const std::string& a, const std::string& b) {
    return kWindowsNamen ? Gefaltet(a) == Gefaltet(b) : a == b;
}

}  // namespace zahlix
