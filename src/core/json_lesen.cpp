#include "core/json_lesen.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "core/textdatei.h"

namespace zahlix {

namespace {

constexpr int kGroessteTiefe = 64;

class Leser {
  public:
    explicit Leser(std::string_view t) : t_(t) {}

    JsonListe Dokument(std::string_view name, const std::function<bool(const JsonWert&)>& eintrag,
                       std::string& fehler) {
        bool gefunden = false, abgebrochen = false;
        const auto strom = [&](int tiefe) {
            gefunden = true;
            return Folge(']', tiefe, [&] {
                JsonWert w;
                werte_ = 0;
                if (!Wert(w, tiefe + 1)) return false;
                abgebrochen = !eintrag(w);
                return !abgebrochen;
            });
        };
        const auto wegwerfen = [&](int tiefe) {
            JsonWert w;
            werte_ = 0;
            return Wert(w, tiefe);
        };
        Leerraum();
        bool gut;
        if (Vor('['))
            gut = strom(0);
        else if (Vor('{'))
            gut = Folge('}', 0, [&] {
                std::string n;
                if (!Name(n)) return false;
                Leerraum();
                return n == name && Vor('[') ? strom(1) : wegwerfen(1);
            });
        else
            gut = wegwerfen(0);
        Leerraum();
        if (gut && pos_ != t_.size()) gut = Fehler("Text nach dem Ende");
        if (abgebrochen) return JsonListe::Abgebrochen;
        if (!gut) {
            fehler = "Zeile " + std::to_string(zeile_) + ": " + fehler_;
            return JsonListe::Fehlerhaft;
        }
        return gefunden ? JsonListe::Gelesen : JsonListe::Fehlt;
    }

  private:
    bool Fehler(const std::string& was) {
        if (fehler_.empty()) fehler_ = was;
        return false;
    }

    void Leerraum() {
        while (pos_ < t_.size()) {
            const char c = t_[pos_];
            if (c == '\n') ++zeile_;
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
            ++pos_;
        }
    }

    bool Wort(std::string_view w) {
        if (t_.substr(pos_, w.size()) != w) return Fehler("unbekanntes Wort");
        pos_ += w.size();
        return true;
    }

    bool Vor(char c) const { return pos_ < t_.size() && t_[pos_] == c; }

    bool Wert(JsonWert& w, int tiefe) {
        Leerraum();
        w.zeile = zeile_;
        if (pos_ >= t_.size()) return Fehler("unerwartetes Ende der Datei");
        if (++werte_ > kGroessteJsonWerte) return Fehler("zu viele Werte in einem Eintrag");
        switch (t_[pos_]) {
            case '{':
                return Objekt(w, tiefe);
            case '[':
                return Liste(w, tiefe);
            case '"':
                w.art = JsonWert::Art::Text;
                return Text(w.text);
            case 't':
                w.art = JsonWert::Art::Wahr;
                return Wort("true");
            case 'f':
                w.art = JsonWert::Art::Falsch;
                return Wort("false");
            case 'n':
                w.art = JsonWert::Art::Null;
                return Wort("null");
            default:
                return Zahl(w);
        }
    }

    bool Zahl(JsonWert& w) {
        const size_t start = pos_;
        while (pos_ < t_.size() &&
               (std::string_view("+-.eE").find(t_[pos_]) != std::string_view::npos ||
                (t_[pos_] >= '0' && t_[pos_] <= '9')))
            ++pos_;
        w.art = JsonWert::Art::Zahl;
        w.text = std::string(t_.substr(start, pos_ - start));
        const char* ende = w.text.data() + w.text.size();
        auto [p, ec] = std::from_chars(w.text.data(), ende, w.zahl);
        if (w.text.empty() || ec != std::errc{} || p != ende) return Fehler("Zahl erwartet");
        return true;
    }

    bool Hex4(uint32_t& cp) {
        if (pos_ + 4 > t_.size()) return Fehler("unvollständiges \\u");
        cp = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = t_[pos_++];
            cp <<= 4;
            if (c >= '0' && c <= '9')
                cp |= static_cast<uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                cp |= static_cast<uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                cp |= static_cast<uint32_t>(c - 'A' + 10);
            else
                return Fehler("ungültiges \\u");
        }
        return true;
    }

    bool Text(std::string& s) {
        ++pos_;  // the opening quote
        while (pos_ < t_.size()) {
            const char c = t_[pos_++];
            if (c == '"') return true;
            if (c == '\n') return Fehler("Zeilenende in einem Text");
            if (c != '\\') {
                s.push_back(c);
                continue;
            }
            if (pos_ >= t_.size()) break;
            const char e = t_[pos_++];
            switch (e) {
                case 'n':
                    s.push_back('\n');
                    break;
                case 't':
                    s.push_back('\t');
                    break;
                case 'r':
                    s.push_back('\r');
                    break;
                case 'b':
                    s.push_back('\b');
                    break;
                case 'f':
                    s.push_back('\f');
                    break;
                case 'u': {
                    uint32_t cp = 0;
                    if (!Hex4(cp)) return false;
                    uint32_t tief = 0;
                    if (cp >= 0xD800 && cp <= 0xDBFF && t_.substr(pos_, 2) == "\\u") {
                        const size_t zurueck = pos_;
                        pos_ += 2;
                        if (!Hex4(tief)) return false;
                        if (tief >= 0xDC00 && tief <= 0xDFFF)
                            cp = 0x10000 + ((cp - 0xD800) << 10) + (tief - 0xDC00);
                        else
                            pos_ = zurueck;
                    }
                    // A lone surrogate half cannot be encoded; it becomes the replacement mark.
                    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
                    Utf8Anhaengen(s, static_cast<char32_t>(cp));
                    break;
                }
                default:
                    s.push_back(e);
                    break;
            }
        }
        return Fehler("Text ohne schließendes Anführungszeichen");
    }

    template <typename Eintrag>
    bool Folge(char ende, int tiefe, Eintrag eintrag) {
        if (tiefe >= kGroessteTiefe) return Fehler("zu tief verschachtelt");
        ++pos_;
        Leerraum();
        if (pos_ < t_.size() && t_[pos_] == ende) {
            ++pos_;
            return true;
        }
        for (;;) {
            if (!eintrag()) return false;
            Leerraum();
            if (pos_ >= t_.size()) return Fehler("unerwartetes Ende der Datei");
            const char c = t_[pos_++];
            if (c == ende) return true;
            if (c != ',') return Fehler(std::string("\",\" oder \"") + ende + "\" erwartet");
        }
    }

    bool Liste(JsonWert& w, int tiefe) {
        w.art = JsonWert::Art::Liste;
        return Folge(']', tiefe, [&] {
            w.liste.emplace_back();
            return Wert(w.liste.back(), tiefe + 1);
        });
    }

    bool Objekt(JsonWert& w, int tiefe) {
        w.art = JsonWert::Art::Objekt;
        return Folge('}', tiefe, [&] {
            w.namen.emplace_back();
            w.werte.emplace_back();
            return Name(w.namen.back()) && Wert(w.werte.back(), tiefe + 1);
        });
    }

    // A member's name and the colon after it.
    bool Name(std::string& n) {
        Leerraum();
        if (pos_ >= t_.size()) return Fehler("unerwartetes Ende der Datei");
        if (t_[pos_] != '"') return Fehler("Name in Anführungszeichen erwartet");
        if (!Text(n)) return false;
        Leerraum();
        if (!Vor(':')) return Fehler("\":\" erwartet");
        ++pos_;
        return true;
    }

    std::string_view t_;
    size_t pos_ = 0;
    int zeile_ = 1;
    std::size_t werte_ = 0;  // of the entry or member being read
    std::string fehler_;
};

}  // namespace

const JsonWert* JsonWert::Feld(std::string_view name) const {
    for (size_t i = 0; i < namen.size(); ++i)
        if (namen[i] == name) return &werte[i];
    return nullptr;
}

std::optional<int> JsonWert::Ganzzahl() const {
    if (art != Art::Zahl || text.find_first_of(".eE") != std::string::npos) return std::nullopt;
    if (zahl < std::numeric_limits<int>::min() || zahl > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(zahl);
}

JsonListe JsonListeLesen(std::string_view text, std::string_view name, std::string& fehler,
                         const std::function<bool(const JsonWert&)>& eintrag) {
    return Leser(text).Dokument(name, eintrag, fehler);
}

}  // namespace zahlix
