#include "output/textdatei.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace zahlix {

namespace {

constexpr std::array<char16_t, 32> kCp1252Hoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string SystemText(int fehlernummer) {
    if (fehlernummer == 0) return {};
    return ": " + std::generic_category().message(fehlernummer);
}

std::string Anzeigename(const fs::path& p) {
    return p.filename().string();
}

}  // namespace

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
    static constexpr char32_t kMindest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (wert < kMindest[laenge] || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) return 0;
    cp = wert;
    return laenge;
}

namespace {

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

std::string TextDekodieren(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE") return Utf16Dekodieren(bytes.substr(2), true);
    if (bytes.substr(0, 2) == "\xFE\xFF") return Utf16Dekodieren(bytes.substr(2), false);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    bool utf8 = true;
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp;
        const size_t n = Utf8Lesen(bytes, i, cp);
        if (n == 0) {
            utf8 = false;
            break;
        }
        i += n;
    }
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        if (c == '\0') continue;
        if (utf8)
            out += c;
        else
            Utf8Anhaengen(out, Cp1252ZuUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string ZeilenendenCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else if (text[i] == '\n') {
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

bool DateiEinlesen(const fs::path& pfad, std::string& inhalt, std::string& fehler) {
    std::error_code ec;
    if (!fs::is_regular_file(pfad, ec)) {
        fehler = "Die Datei " + Anzeigename(pfad) + " wurde nicht gefunden.";
        return false;
    }
    const auto groesse = fs::file_size(pfad, ec);
    if (ec) {
        fehler = "Die Datei " + Anzeigename(pfad) + " kann nicht gelesen werden: " + ec.message();
        return false;
    }
    if (groesse > kGroessteTextdatei) {
        fehler = "Die Datei " + Anzeigename(pfad) + " ist zu groß für den Texteditor.";
        return false;
    }
    errno = 0;
    std::ifstream in(pfad, std::ios::binary);
    if (!in) {
        fehler = "Die Datei " + Anzeigename(pfad) + " kann nicht geöffnet werden" +
                 SystemText(errno) + ".";
        return false;
    }
    std::string daten(static_cast<size_t>(groesse), '\0');
    in.read(daten.data(), static_cast<std::streamsize>(daten.size()));
    daten.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) {
        fehler = "Die Datei " + Anzeigename(pfad) + " kann nicht gelesen werden.";
        return false;
    }
    inhalt = std::move(daten);
    return true;
}

bool DateiAtomarSchreiben(const fs::path& pfad, std::string_view inhalt, std::string& fehler) {
    const fs::path temp = fs::path(pfad).concat(".zahlix-neu");
    std::error_code ec;
    if (fs::is_directory(pfad, ec)) {
        fehler = "Die Datei " + Anzeigename(pfad) +
                 " kann nicht geschrieben werden: " + "Es gibt bereits einen Ordner dieses Namens.";
        return false;
    }
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            fehler = "Die Datei " + Anzeigename(pfad) + " kann nicht geschrieben werden" +
                     SystemText(errno) + ".";
            return false;
        }
        out.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
        out.close();
        if (!out) {
            const int nummer = errno;
            fs::remove(temp, ec);
            fehler = "Die Datei " + Anzeigename(pfad) +
                     " konnte nicht vollständig geschrieben werden" + SystemText(nummer) + ".";
            return false;
        }
    }
    fs::rename(temp, pfad, ec);
    if (ec) {
        std::error_code egal;
        fs::remove(temp, egal);
        fehler = "Die Datei " + Anzeigename(pfad) + " kann nicht ersetzt werden: " + ec.message();
        return false;
    }
    return true;
}

}  // namespace zahlix
