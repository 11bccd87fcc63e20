#include "core/textdatei.h"

#include <array>
#include <system_error>

#include "core/dateiname.h"
#include "core/dateisystem.h"
#include "core/systemfehler.h"

namespace fs = std::filesystem;

namespace zahlix {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned codes keep their Latin-1 value.
constexpr std::array<char16_t, 32> kCp1252Hoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// No lottery file comes near this; a larger one is not read into memory at all.
constexpr std::uintmax_t kGroessteLesbareDatei = 64u * 1024u * 1024u;

std::string Anzeigename(const fs::path& p) {
    return TextAusPfad(p.filename());
}

bool IstUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        char32_t cp;
        const size_t n = Utf8Lesen(s, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string AusCp1252(std::string_view bytes, bool ohneNul) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes)
        if (!ohneNul || c != '\0')
            Utf8Anhaengen(out, Cp1252ZuUnicode(static_cast<unsigned char>(c)));
    return out;
}

// Text saved as "Unicode" by Windows editors: UTF-16 with its byte order mark.
std::string Utf16Dekodieren(std::string_view bytes, bool kleinEndig) {
    std::string out;
    char16_t hoch = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        const auto e = static_cast<char16_t>(kleinEndig ? (b << 8) | a : (a << 8) | b);
        if (hoch != 0 && e >= 0xDC00 && e <= 0xDFFF) {
            Utf8Anhaengen(out,
                          0x10000 + ((static_cast<char32_t>(hoch) - 0xD800) << 10) + (e - 0xDC00));
            hoch = 0;
            continue;
        }
        if (hoch != 0) Utf8Anhaengen(out, U'\uFFFD');
        hoch = 0;
        if (e >= 0xD800 && e <= 0xDBFF)
            hoch = e;
        else if (e >= 0xDC00 && e <= 0xDFFF)
            Utf8Anhaengen(out, U'\uFFFD');
        else if (e != 0)
            Utf8Anhaengen(out, e);
    }
    if (hoch != 0) Utf8Anhaengen(out, U'\uFFFD');
    return out;
}

}  // namespace

fs::path PfadVonName(const std::string& name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}

std::string TextAusPfad(const fs::path& pfad) {
    const std::u8string u = pfad.u8string();
    return std::string(u.begin(), u.end());
}

char32_t Cp1252ZuUnicode(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kCp1252Hoch[b - 0x80];
    return b;
}

std::optional<unsigned char> UnicodeZuCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (size_t i = 0; i < kCp1252Hoch.size(); ++i)
        if (kCp1252Hoch[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void Utf8Anhaengen(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

size_t Utf8Lesen(std::string_view s, size_t i, char32_t& cp) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c0 = b(i);
    size_t laenge;
    char32_t wert;
    if (c0 < 0x80) {
        cp = c0;
        return 1;
    } else if (c0 >= 0xC2 && c0 <= 0xDF) {
        laenge = 2, wert = c0 & 0x1F;
    } else if (c0 >= 0xE0 && c0 <= 0xEF) {
        laenge = 3, wert = c0 & 0x0F;
    } else if (c0 >= 0xF0 && c0 <= 0xF4) {
        laenge = 4, wert = c0 & 0x07;
    } else {
        return 0;
    }
    if (i + laenge > s.size()) return 0;
    for (size_t k = 1; k < laenge; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        wert = (wert << 6) | (b(i + k) & 0x3F);
    }
    // Overlong forms and surrogates are what a Windows-1252 text looks like by accident.
    static constexpr char32_t kMindest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (wert < kMindest[laenge] || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) return 0;
    cp = wert;
    return laenge;
}

std::string NachUtf8(std::string_view bytes) {
    return IstUtf8(bytes) ? std::string(bytes) : AusCp1252(bytes, false);
}

std::string TextDekodieren(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE") return Utf16Dekodieren(bytes.substr(2), true);
    if (bytes.substr(0, 2) == "\xFE\xFF") return Utf16Dekodieren(bytes.substr(2), false);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (!IstUtf8(bytes)) return AusCp1252(bytes, true);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        if (c != '\0') out += c;
    return out;
}

std::string ZeilenendenCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ZeilenendenLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Endung4(const std::string& name) {
    std::string e = name.size() > 4 ? name.substr(name.size() - 4) : name;
    for (char& c : e)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return e;
}

namespace {

// The whole file, refused beyond grenze bytes (groesser: true). Through a handle of the file
// layer, so a file another program holds says so instead of "access denied".
bool Lesen(const fs::path& pfad, std::uintmax_t grenze, std::string& inhalt, bool& groesser,
           std::string& fehler) {
    groesser = false;
    if (auto grund = DateinameUnzulaessig(pfad)) {
        fehler = *grund;
        return false;
    }
    std::error_code ec;
    const fs::file_status st = fs::status(pfad, ec);
    if (fs::exists(st) && !fs::is_regular_file(st)) {
        // Reading a pipe or device would wait for data that never comes.
        fehler = fs::is_directory(st) ? "Der Name bezeichnet einen Ordner, keine Datei"
                                      : "Der Name bezeichnet keine gewöhnliche Datei, sondern "
                                        "ein Gerät oder eine Pipe";
        return false;
    }
    const Dateigriff g = ZumLesenOeffnen(pfad, ec);
    const std::uintmax_t laenge = g.Offen() ? fs::file_size(pfad, ec) : 0;
    if (!ec && laenge > grenze) {
        groesser = true;
        return false;
    }
    std::string daten;
    if (ec || !AllesLesen(g, daten, ec)) {
        fehler = SystemfehlerText(ec);
        return false;
    }
    inhalt = std::move(daten);
    return true;
}

}  // namespace

bool GanzEinlesen(const fs::path& pfad, std::string& inhalt, std::string& fehler) {
    bool groesser = false;
    if (Lesen(pfad, kGroessteLesbareDatei, inhalt, groesser, fehler)) return true;
    if (groesser) fehler = "Die Datei ist zu groß (mehr als 64 MB)";
    fehler += ".";
    return false;
}

bool DateiEinlesen(const fs::path& pfad, std::string& inhalt, std::string& fehler) {
    const std::string name = "Die Datei " + Anzeigename(pfad);
    std::error_code ec;
    if (!fs::exists(pfad, ec) && !DateinameUnzulaessig(pfad)) {
        fehler = name + " wurde nicht gefunden.";
        return false;
    }
    bool groesser = false;
    if (Lesen(pfad, kGroessteTextdatei, inhalt, groesser, fehler)) return true;
    fehler = groesser ? name + " ist zu groß für den Texteditor."
                      : name + " kann nicht geöffnet werden: " + fehler + ".";
    return false;
}

std::optional<std::vector<std::string>> TextzeilenLesen(const fs::path& datei) {
    std::error_code ec;
    if (!fs::is_regular_file(datei, ec)) return std::nullopt;
    std::string bytes, fehler;
    if (!GanzEinlesen(datei, bytes, fehler)) return std::nullopt;
    // Editors like Notepad put a byte order mark before the first line.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    const std::string text = NachUtf8(bytes);
    std::vector<std::string> zeilen;
    std::string zeile;
    bool offen = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            zeilen.push_back(std::move(zeile));
            zeile.clear();
            offen = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            zeile += c;
            offen = true;
        }
    }
    if (offen) zeilen.push_back(std::move(zeile));
    return zeilen;
}

}  // namespace zahlix
