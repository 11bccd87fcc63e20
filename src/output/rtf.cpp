#include "output/rtf.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/textdatei.h"

namespace zahlix {

namespace {

// Deeper nesting than this is treated as belonging to the innermost kept group; it bounds the
// memory a hostile file can make us spend.
constexpr size_t kGroessteTiefe = 200;

void Escape16(std::string& out, char16_t einheit, char32_t fallbackZeichen) {
    out += "\\u";
    out += std::to_string(static_cast<int16_t>(einheit));
    const auto ansi = UnicodeZuCp1252(fallbackZeichen);
    if (ansi && *ansi >= 0x80) {
        static const char* kHex = "0123456789abcdef";
        out += "\\'";
        out += kHex[*ansi >> 4];
        out += kHex[*ansi & 0xF];
    } else if (ansi && *ansi >= 0x20 && *ansi != '\\' && *ansi != '{' && *ansi != '}') {
        out += static_cast<char>(*ansi);
    } else {
        out += '?';
    }
}

void ZeichenSchreiben(std::string& out, char32_t c) {
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == '\t') {
        out += "\\tab ";
    } else if (c < 0x20) {
        // Other control characters have no place in a text document.
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x10000) {
        Escape16(out, static_cast<char16_t>(c), c);
    } else {
        const char32_t v = c - 0x10000;
        Escape16(out, static_cast<char16_t>(0xD800 + (v >> 10)), U'?');
        Escape16(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)), U'?');
    }
}

// Destinations whose content is not document text.
bool IstNebentext(std::string_view wort) {
    static constexpr std::array<std::string_view, 40> kListe = {"fonttbl",    "colortbl",
                                                                "stylesheet", "info",
                                                                "pict",       "object",
                                                                "header",     "headerl",
                                                                "headerr",    "headerf",
                                                                "footer",     "footerl",
                                                                "footerr",    "footerf",
                                                                "footnote",   "fldinst",
                                                                "listtable",  "listoverridetable",
                                                                "rsidtbl",    "generator",
                                                                "themedata",  "colorschememapping",
                                                                "datastore",  "latentstyles",
                                                                "xmlnstbl",   "mmathPr",
                                                                "filetbl",    "revtbl",
                                                                "pgdsctbl",   "bkmkstart",
                                                                "bkmkend",    "shp",
                                                                "shpinst",    "nonshppict",
                                                                "pntxta",     "pntxtb",
                                                                "objdata",    "template",
                                                                "xe",         "tc"};
    return std::find(kListe.begin(), kListe.end(), wort) != kListe.end();
}

struct Gruppe {
    bool ueberspringen = false;
    int uc = 1;  // characters that stand in for each \u
};

class Leser {
  public:
    explicit Leser(std::string_view rtf) : s_(rtf) {}

    std::string Lesen() {
        stapel_.push_back({});
        while (i_ < s_.size() && !fertig_) Schritt();
        ErsatzAusgeben();
        return out_;
    }

  private:
    std::string_view s_;
    size_t i_ = 0;
    std::string out_;
    std::vector<Gruppe> stapel_;
    size_t ueberTiefe_ = 0;  // groups opened beyond the depth cap
    bool fertig_ = false;
    bool sternGesehen_ = false;  // \* seen at the start of the current group
    bool gruppeFrisch_ = false;  // nothing but \* read since the group opened
    int zuUeberspringen_ = 0;    // fallback characters still to skip after \u
    char16_t hoheHaelfte_ = 0;   // pending high surrogate

    Gruppe& Oben() { return stapel_.back(); }

    void Ausgeben(char32_t c) {
        if (Oben().ueberspringen) return;
        ErsatzAusgeben();
        Utf8Anhaengen(out_, c);
    }
    void ErsatzAusgeben() {
        // A high surrogate without its partner shows as the replacement character.
        if (hoheHaelfte_ != 0) {
            hoheHaelfte_ = 0;
            Utf8Anhaengen(out_, U'\uFFFD');
        }
    }
    void Einheit(char16_t e) {
        if (Oben().ueberspringen) return;
        if (e >= 0xD800 && e <= 0xDBFF) {
            ErsatzAusgeben();
            hoheHaelfte_ = e;
        } else if (e >= 0xDC00 && e <= 0xDFFF) {
            if (hoheHaelfte_ != 0) {
                const char32_t c =
                    0x10000 + ((static_cast<char32_t>(hoheHaelfte_) - 0xD800) << 10) + (e - 0xDC00);
                hoheHaelfte_ = 0;
                Utf8Anhaengen(out_, c);
            } else {
                Utf8Anhaengen(out_, U'\uFFFD');
            }
        } else {
            Ausgeben(e);
        }
    }

    // A fallback character after \u is swallowed instead of shown.
    bool Verschluckt() {
        if (zuUeberspringen_ > 0) {
            --zuUeberspringen_;
            return true;
        }
        return false;
    }

    void Oeffnen() {
        zuUeberspringen_ = 0;
        if (stapel_.size() >= kGroessteTiefe) {
            ++ueberTiefe_;
        } else {
            stapel_.push_back(Oben());
        }
        gruppeFrisch_ = true;
        sternGesehen_ = false;
    }

    void Schliessen() {
        zuUeberspringen_ = 0;
        gruppeFrisch_ = false;
        if (ueberTiefe_ > 0) {
            --ueberTiefe_;
        } else if (stapel_.size() > 1) {
            stapel_.pop_back();
        } else {
            fertig_ = true;  // the document's own group ends; trailing bytes are not text
        }
    }

    void Schritt() {
        const char c = s_[i_];
        if (c == '{') {
            ++i_;
            Oeffnen();
        } else if (c == '}') {
            ++i_;
            Schliessen();
        } else if (c == '\\') {
            Steuerung();
        } else if (c == '\r' || c == '\n') {
            ++i_;
        } else {
            ++i_;
            gruppeFrisch_ = false;
            if (Verschluckt()) return;
            if (c == '\t') {
                Ausgeben(U'\t');
            } else if (static_cast<unsigned char>(c) >= 0x20) {
                Ausgeben(Cp1252ZuUnicode(static_cast<unsigned char>(c)));
            }
        }
    }

    static bool Buchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static int Hexwert(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void Steuerung() {
        ++i_;  // the backslash
        if (i_ >= s_.size()) return;
        const char c = s_[i_];
        if (!Buchstabe(c)) {
            ++i_;
            Symbol(c);
            return;
        }
        const size_t anfang = i_;
        while (i_ < s_.size() && Buchstabe(s_[i_]) && i_ - anfang < 32) ++i_;
        const std::string_view wort = s_.substr(anfang, i_ - anfang);
        while (i_ < s_.size() && Buchstabe(s_[i_])) ++i_;  // over-long words are cut
        bool hatWert = false;
        bool negativ = false;
        int64_t wert = 0;
        if (i_ < s_.size() && s_[i_] == '-') {
            negativ = true;
            ++i_;
        }
        int ziffern = 0;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') {
            if (ziffern < 10) wert = wert * 10 + (s_[i_] - '0');
            ++ziffern;
            ++i_;
            hatWert = true;
        }
        if (negativ) wert = -wert;
        if (i_ < s_.size() && s_[i_] == ' ') ++i_;
        Wort(wort, hatWert, wert);
    }

    void Symbol(char c) {
        const bool frisch = gruppeFrisch_;
        gruppeFrisch_ = false;
        switch (c) {
            case '*':
                if (frisch) Oben().ueberspringen = true;
                return;
            case '\'': {
                const int h = i_ < s_.size() ? Hexwert(s_[i_]) : -1;
                const int l = h >= 0 && i_ + 1 < s_.size() ? Hexwert(s_[i_ + 1]) : -1;
                if (h < 0 || l < 0) {
                    if (h >= 0) ++i_;  // a cut-off escape is dropped with its one digit
                    return;
                }
                const int wert = h * 16 + l;
                i_ += 2;
                if (Verschluckt()) return;
                Ausgeben(Cp1252ZuUnicode(static_cast<unsigned char>(wert)));
                return;
            }
            case '\r':
            case '\n':
                if (Verschluckt()) return;
                Ausgeben(U'\r');
                Ausgeben(U'\n');
                return;
            default:
                break;
        }
        if (Verschluckt()) return;
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Ausgeben(static_cast<unsigned char>(c));
                return;
            case '~':
                Ausgeben(U'\u00A0');
                return;
            case '_':
                Ausgeben(U'\u2011');
                return;
            case '\t':
                Ausgeben(U'\t');
                return;
            default:
                return;  // \- optional hyphen, \| and unknown symbols have no text
        }
    }

    void Wort(std::string_view w, bool hatWert, int64_t wert) {
        gruppeFrisch_ = false;
        if (w == "u" && hatWert) {
            if (Verschluckt()) return;
            const int64_t einheit = wert < 0 ? wert + 65536 : wert;
            Einheit(static_cast<char16_t>(std::clamp<int64_t>(einheit, 0, 0xFFFF)));
            zuUeberspringen_ = Oben().uc;
            return;
        }
        if (w == "uc") {
            Oben().uc = hatWert ? static_cast<int>(std::clamp<int64_t>(wert, 0, 16)) : 1;
            return;
        }
        if (w == "bin") {
            const int64_t n = hatWert ? std::max<int64_t>(wert, 0) : 0;
            i_ += static_cast<size_t>(std::min<int64_t>(n, static_cast<int64_t>(s_.size() - i_)));
            return;
        }
        if (IstNebentext(w)) {
            Oben().ueberspringen = true;
            return;
        }
        // Any other control word stands in for one fallback character after \u.
        if (Verschluckt()) return;
        if (w == "par" || w == "line" || w == "sect" || w == "row") {
            Ausgeben(U'\r');
            Ausgeben(U'\n');
        } else if (w == "tab" || w == "cell") {
            Ausgeben(U'\t');
        } else if (w == "emdash") {
            Ausgeben(U'\u2014');
        } else if (w == "endash") {
            Ausgeben(U'\u2013');
        } else if (w == "bullet") {
            Ausgeben(U'\u2022');
        } else if (w == "lquote") {
            Ausgeben(U'\u2018');
        } else if (w == "rquote") {
            Ausgeben(U'\u2019');
        } else if (w == "ldblquote") {
            Ausgeben(U'\u201C');
        } else if (w == "rdblquote") {
            Ausgeben(U'\u201D');
        } else if (w == "emspace" || w == "enspace" || w == "qmspace") {
            Ausgeben(U' ');
        }
    }
};

}  // namespace

std::string RtfSchreiben(std::string_view text, int punktgroesse) {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
        "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
        "\\pard\\plain\\f0\\fs";
    out += std::to_string(std::clamp(punktgroesse, 1, 1638) * 2);
    out += ' ';
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            out += "\\par\r\n";
            continue;
        }
        char32_t cp;
        size_t n = Utf8Lesen(text, i, cp);
        if (n == 0) {
            cp = Cp1252ZuUnicode(static_cast<unsigned char>(c));
            n = 1;
        }
        ZeichenSchreiben(out, cp);
        i += n;
    }
    out += "}\r\n";
    return out;
}

std::string RtfLesen(std::string_view rtf) {
    // Bytes before the first brace (a byte order mark, blanks) are not part of the document.
    const size_t start = rtf.find('{');
    if (start == std::string_view::npos) return {};
    rtf.remove_prefix(start + 1);
    return Leser(rtf).Lesen();
}

bool SiehtAusWieRtf(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    while (!bytes.empty() && (bytes.front() == ' ' || bytes.front() == '\r' ||
                              bytes.front() == '\n' || bytes.front() == '\t'))
        bytes.remove_prefix(1);
    return bytes.substr(0, 5) == "{\\rtf";
}

}  // namespace zahlix
