#include "shell/textdatei.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zahlix {

namespace {

bool IstUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int folge = 0;
        uint32_t wert = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            folge = 1;
            wert = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            folge = 2;
            wert = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            folge = 3;
            wert = c & 0x07;
        } else {
            return false;
        }
        if (i + folge >= s.size()) return false;
        for (int k = 1; k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(s[i + k]);
            if ((f & 0xC0) != 0x80) return false;
            wert = (wert << 6) | (f & 0x3F);
        }
        // Overlong forms and surrogates are what a Windows-1252 text looks like by accident.
        static constexpr std::array<uint32_t, 4> kMinimum{0, 0x80, 0x800, 0x10000};
        if (wert < kMinimum[folge] || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF))
            return false;
        i += folge + 1;
    }
    return true;
}

void Anhaengen(std::string& aus, uint32_t cp) {
    if (cp < 0x80) {
        aus += static_cast<char>(cp);
    } else if (cp < 0x800) {
        aus += static_cast<char>(0xC0 | (cp >> 6));
        aus += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        aus += static_cast<char>(0xE0 | (cp >> 12));
        aus += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// 0x80..0x9F of Windows-1252; the five unassigned codes keep their Latin-1 value.
constexpr std::array<uint16_t, 32> kCp1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string NachUtf8(std::string_view bytes) {
    if (IstUtf8(bytes)) return std::string(bytes);
    std::string aus;
    aus.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0)
            Anhaengen(aus, kCp1252[c - 0x80]);
        else
            Anhaengen(aus, c);
    }
    return aus;
}

std::optional<std::vector<std::string>> TextzeilenLesen(const std::filesystem::path& datei) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec)) return std::nullopt;
    std::string bytes;
    try {
        std::ifstream ein(datei, std::ios::binary);
        if (!ein) return std::nullopt;
        bytes.assign(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
        if (ein.bad()) return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;  // the library reports some read errors by throwing
    }
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

std::string DateiErsetzen(const std::filesystem::path& datei, const std::string& bytes) {
    std::filesystem::path temp = datei;
    temp += ".neu";
    {
        std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
        if (!aus) return std::strerror(errno);
        aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        aus.flush();
        if (!aus) {
            const std::string fehler = std::strerror(errno);
            aus.close();
            std::error_code weg;
            std::filesystem::remove(temp, weg);
            return fehler;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, datei, ec);
    if (ec) {
        std::error_code weg;
        std::filesystem::remove(temp, weg);
        return ec.message();
    }
    return {};
}

}  // namespace zahlix

namespace zahlix {

std::filesystem::path PfadAusText(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string TextAusPfad(const std::filesystem::path& pfad) {
    const std::u8string u = pfad.u8string();
    return std::string(u.begin(), u.end());
}

}  // namespace zahlix
