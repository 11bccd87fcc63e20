#include "core/lottodatei_format.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "app/port.h"
#include "core/textdatei.h"
#include "core/zahlen.h"

namespace zahlix {

namespace {

// Why a decode stopped; the caller turns it into the one message the user sees.
struct Ladefehler {
    enum Art { Keiner, Still, Kapazitaet, Beschaedigt, Fehlerhaft } art = Keiner;
    std::string text;
};

Ladefehler Beschaedigt(std::string text) {
    return {Ladefehler::Beschaedigt, std::move(text)};
}
Ladefehler Fehlerhaft(int zeile, std::string text) {
    return {Ladefehler::Fehlerhaft, "Zeile " + std::to_string(zeile) + ": " + text};
}

uint16_t Wort(std::string_view b, std::size_t pos) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[pos]) |
                                 (static_cast<uint8_t>(b[pos + 1]) << 8));
}

bool NurNullbytes(std::string_view b) {
    return std::all_of(b.begin(), b.end(), [](char c) { return c == 0; });
}

// Bits 7 and 15 never carry a number and a bonus byte above 50 means nothing, so either is a
// sign of a damaged record.
std::string BitworteFehler(uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4) {
    if (((w1 | w2 | w3) & 0x8080) != 0 || (w4 & 0x80) != 0) return "ungültige Zahlenbits";
    const int zusatz = w4 >> 8;
    if (zusatz > 50) return "Zusatzzahl " + std::to_string(zusatz) + " ist ungültig";
    return {};
}

// Evaluation, exports and saves end the history at a draw without six numbers, so such a
// record would hide every later draw. Only the empty placeholder may stand, and only last.
std::string ZahlenFehler(std::string_view bitworte, bool letzter) {
    const Bitworte w{
        static_cast<int16_t>(Wort(bitworte, 0)), static_cast<int16_t>(Wort(bitworte, 2)),
        static_cast<int16_t>(Wort(bitworte, 4)), static_cast<int16_t>(Wort(bitworte, 6) & 0xFF)};
    const int n = AnzahlZahlen(w);
    if (n == 6 || (n == 0 && letzter)) return {};
    return std::to_string(n) + " statt 6 Zahlen";
}

class Speicher {
  public:
    Speicher(Lottodatei& d, int start) : d_(d), i_(start) {}
    bool Voll() const { return i_ >= kMaxZiehungen; }
    int Index() const { return i_; }
    void Ablegen(uint16_t wk, uint16_t jc, uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4) {
        d_.WocheKennung[i_] = static_cast<int16_t>(wk);
        d_.JahrCode[i_] = static_cast<int16_t>(jc);
        d_.Bitwort1[i_] = static_cast<int16_t>(w1);
        d_.Bitwort2[i_] = static_cast<int16_t>(w2);
        d_.Bitwort3[i_] = static_cast<int16_t>(w3);
        d_.Bitwort4[i_] = static_cast<int16_t>(w4);
        d_.Trefferwert[i_] = 0;
        d_.ImBereich[i_] = -1;
        ++i_;
        EreignissePumpen();
    }

  private:
    Lottodatei& d_;
    int i_;
};

std::string GroessteZahlFehler(int n) {
    if (n >= 1 && n <= 49) return {};
    return "die größte Zahl " + std::to_string(n) + " liegt nicht zwischen 1 und 49";
}

// Both binary formats: a header, fixed records and no terminator. A trailing partial record
// is refused, unless it is nothing but zero bytes: older writers ended the file with a zero
// word, which the reader has always taken as the end.
template <typename Datensatz>
Ladefehler BinaerLesen(std::string_view b, std::size_t kopf, std::size_t laenge, Speicher& s,
                       Datensatz datensatz) {
    const std::size_t anzahl = (b.size() - kopf) / laenge;
    for (std::size_t r = 0; r < anzahl; ++r) {
        const std::size_t pos = kopf + r * laenge;
        if (Wort(b, pos) == 0) {
            if (NurNullbytes(b.substr(pos))) return {};
            return Beschaedigt("Datensatz " + std::to_string(r + 1) +
                               " hat keine Woche, danach folgen weitere Daten");
        }
        if (s.Voll()) return {Ladefehler::Kapazitaet, {}};
        std::string fehler = datensatz(b.substr(pos, laenge));
        const bool letzter = r + 1 == anzahl || Wort(b, pos + laenge) == 0;
        if (fehler.empty()) fehler = ZahlenFehler(b.substr(pos + laenge - 8, 8), letzter);
        if (!fehler.empty())
            return Beschaedigt("Datensatz " + std::to_string(r + 1) + ": " + fehler);
    }
    const std::string_view rest = b.substr(kopf + anzahl * laenge);
    if (!NurNullbytes(rest))
        return Beschaedigt("unvollständiger Datensatz am Dateiende (" +
                           std::to_string(rest.size()) + " Bytes)");
    return {};
}

Ladefehler Zx7Lesen(std::string_view b, Speicher& s, int16_t& groessteZahl) {
    if (b.size() < 2 || Wort(b, 0) != 23128) return {Ladefehler::Still, {}};
    if (b.size() < 12) return Beschaedigt("der Dateikopf ist unvollständig");
    const int gz = Wort(b, 10) & 0xFF;
    if (auto f = GroessteZahlFehler(gz); !f.empty()) return Beschaedigt(f);
    groessteZahl = static_cast<int16_t>(gz);
    return BinaerLesen(b, 12, 12, s, [&s](std::string_view r) -> std::string {
        const uint16_t wk = Wort(r, 0), jc = Wort(r, 2);
        const int woche = wk & 0xFF, kennung = wk >> 8;
        if (woche < 1 || woche > 53)
            return "Woche " + std::to_string(woche) + " liegt nicht zwischen 1 und 53";
        if (!KennungGueltig(kennung)) return "Kennung " + std::to_string(kennung) + " ist ungültig";
        if ((jc >> 8) < 19 || (jc >> 8) > 20 || (jc & 0xFF) > 99)
            return "Jahreskennzahl " + std::to_string(jc) + " ist ungültig";
        const uint16_t w1 = Wort(r, 4), w2 = Wort(r, 6), w3 = Wort(r, 8), w4 = Wort(r, 10);
        if (auto f = BitworteFehler(w1, w2, w3, w4); !f.empty()) return f;
        s.Ablegen(wk, jc, w1, w2, w3, w4);
        return {};
    });
}

Ladefehler Zx6Lesen(std::string_view b, Speicher& s, int16_t& groessteZahl) {
    if (b.size() < 2) return Beschaedigt("der Dateikopf fehlt");
    const int gz = Wort(b, 0) & 0xFF;
    if (auto f = GroessteZahlFehler(gz); !f.empty()) return Beschaedigt(f);
    groessteZahl = static_cast<int16_t>(gz);
    return BinaerLesen(b, 2, 10, s, [&s](std::string_view r) -> std::string {
        const uint16_t w = Wort(r, 0);
        const int woche = w & 0xFF, y = w >> 8;
        if (woche < 1 || woche > 53)
            return "Woche " + std::to_string(woche) + " liegt nicht zwischen 1 und 53";
        if (y > 199) return "Jahr " + std::to_string(1900 + y) + " liegt nach 2099";
        const uint16_t w1 = Wort(r, 2), w2 = Wort(r, 4), w3 = Wort(r, 6), w4 = Wort(r, 8);
        if (auto f = BitworteFehler(w1, w2, w3, w4); !f.empty()) return f;
        const uint16_t jc = static_cast<uint16_t>(y > 99 ? 5020 + y : 4864 + y);
        s.Ablegen(static_cast<uint16_t>(woche), jc, w1, w2, w3, w4);
        return {};
    });
}

bool Trenner(char c) {
    return c == ' ' || c == ',' || c == '\t' || c == '\x1a';
}

std::string ZeichenText(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 33 && u < 127) return std::string("»") + c + "«";
    return "mit dem Code " + std::to_string(u);
}

// One line of ten values; the fields are checked so that no impossible draw gets in.
Ladefehler As7Zeile(std::string_view z, int zeile, Speicher& s, int& groessteZahl, bool& leer) {
    std::array<int, 10> v{};
    int anzahl = 0;
    std::size_t p = 0;
    while (p < z.size()) {
        if (Trenner(z[p])) {
            ++p;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(z[p])))
            return Fehlerhaft(zeile, "unerwartetes Zeichen " + ZeichenText(z[p]));
        int wert = 0, ziffern = 0;
        for (; p < z.size() && std::isdigit(static_cast<unsigned char>(z[p])); ++p, ++ziffern)
            if (ziffern < 6) wert = wert * 10 + (z[p] - '0');
        if (ziffern > 5) return Fehlerhaft(zeile, "der Wert ist zu lang");
        if (anzahl == 10) return Fehlerhaft(zeile, "mehr als 10 Werte");
        v[anzahl++] = wert;
    }
    leer = anzahl == 0;
    if (leer) return {};
    if (anzahl < 10)
        return Fehlerhaft(zeile, "zu wenige Werte (" + std::to_string(anzahl) + " statt 10)");
    if (s.Voll()) return {Ladefehler::Kapazitaet, {}};
    const int woche = v[0], jahr = v[1], kennung = v[2], zusatz = v[9];
    if (woche < 1 || woche > 53)
        return Fehlerhaft(zeile,
                          "Woche " + std::to_string(woche) + " liegt nicht zwischen 1 und 53");
    if (jahr < 1900 || jahr > 2099)
        return Fehlerhaft(zeile,
                          "Jahr " + std::to_string(jahr) + " liegt nicht zwischen 1900 und 2099");
    if (!KennungGueltig(kennung))
        return Fehlerhaft(zeile, "Kennung " + std::to_string(kennung) + " ist ungültig");
    Bitworte w{};
    for (int k = 3; k < 9; ++k) {
        if (v[k] < 1 || v[k] > 49)
            return Fehlerhaft(zeile,
                              "Zahl " + std::to_string(v[k]) + " liegt nicht zwischen 1 und 49");
        if (ZahlGesetzt(v[k], w))
            return Fehlerhaft(zeile, "Zahl " + std::to_string(v[k]) + " kommt doppelt vor");
        ZahlSetzen(v[k], w);
        // The largest of the six, not the sixth: hand-made lines need not be sorted.
        groessteZahl = std::max(groessteZahl, v[k]);
    }
    if (zusatz > 50)
        return Fehlerhaft(zeile, "Zusatzzahl " + std::to_string(zusatz) + " ist ungültig");
    s.Ablegen(static_cast<uint16_t>(kennung * 256 + woche),
              static_cast<uint16_t>(JahrCodeAusJahr(jahr)), static_cast<uint16_t>(w[0]),
              static_cast<uint16_t>(w[1]), static_cast<uint16_t>(w[2]),
              static_cast<uint16_t>((w[3] & 0xFF) | (zusatz << 8)));
    return {};
}

Ladefehler As7Lesen(std::string_view b, Speicher& s, int16_t& groessteZahl) {
    if (b.substr(0, 3) == "\xEF\xBB\xBF") b.remove_prefix(3);
    int gz = 7, zeile = 0;
    std::size_t p = 0;
    while (p < b.size()) {
        std::size_t ende = b.find_first_of("\r\n", p);
        if (ende == std::string_view::npos) ende = b.size();
        ++zeile;
        bool leer = false;
        Ladefehler f = As7Zeile(b.substr(p, ende - p), zeile, s, gz, leer);
        if (f.art != Ladefehler::Keiner) return f;
        p = ende;
        if (p < b.size() && b[p] == '\r') ++p;
        if (p < b.size() && b[p] == '\n') ++p;
    }
    groessteZahl = static_cast<int16_t>(gz);
    return {};
}

}  // namespace

Lottoformat FormatAusName(std::string_view name) {
    if (name.size() < 4) return Lottoformat::Unbekannt;
    const std::string e = Endung4(std::string(name));
    if (e == ".ZX7") return Lottoformat::ZX7;
    if (e == ".ZX6") return Lottoformat::ZX6;
    if (e == ".AS7") return Lottoformat::AS7;
    if (e == ".ASC") return Lottoformat::ASC;
    if (e == ".ZXT") return Lottoformat::ZXT;
    return Lottoformat::Unbekannt;
}

int16_t LottodateiAusBytes(std::string_view bytes, Lottoformat format, const std::string& name,
                           Lottodatei& d, int start) {
    start = std::clamp(start, 0, kMaxZiehungen);
    Speicher s(d, start);
    int16_t groessteZahl = d.GroessteZahl;
    Ladefehler f;
    switch (format) {
        case Lottoformat::ZX7:
            f = Zx7Lesen(bytes, s, groessteZahl);
            break;
        case Lottoformat::ZX6:
            f = Zx6Lesen(bytes, s, groessteZahl);
            break;
        case Lottoformat::AS7:
            f = As7Lesen(bytes, s, groessteZahl);
            break;
        default:
            f = {Ladefehler::Still, {}};
            break;
    }
    if (f.art != Ladefehler::Keiner) {
        // Never half loaded: everything from the start index goes.
        d.Leeren(start);
        d.LetzterIndex = static_cast<int16_t>(std::max(start - 1, 0));
        if (f.art == Ladefehler::Kapazitaet)
            Meldung("Das Laden wurde abgebrochen, mehr als 32000 Reihen!", flags::Information,
                    "Kapazitätsgrenze erreicht");
        else if (f.art == Ladefehler::Beschaedigt)
            Meldung("Die Lottodatei " + name + " ist beschädigt und wurde nicht geladen.\r\n" +
                        f.text + ".",
                    flags::Kritisch, kProduktname);
        else if (f.art == Ladefehler::Fehlerhaft)
            Meldung("Die Lottodatei " + name + " ist fehlerhaft und wurde nicht geladen.\r\n" +
                        f.text + ".",
                    flags::Kritisch, kProduktname);
        return -1;
    }
    const int i = s.Index();
    d.GroessteZahl = groessteZahl;
    d.LetzterIndex = static_cast<int16_t>(i < 1 ? 0 : i - 1);
    d.Leeren(i);
    return 0;
}

}  // namespace zahlix
