#include "systems/tippsystem.h"

#include <algorithm>

#include "core/atomare_datei.h"
#include "core/dateisperre.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "core/tabellen.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"

namespace fs = std::filesystem;

namespace zahlix {

namespace {

constexpr std::size_t kKopfZS4 = 10, kSatzZS4 = 10, kSatzZS3 = 8;

uint16_t WortBei(std::string_view b, std::size_t i) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[i]) |
                                 static_cast<unsigned char>(b[i + 1]) << 8);
}

void Wort(std::string& out, uint16_t w) {
    out += static_cast<char>(w & 0xFF);
    out += static_cast<char>(w >> 8);
}

std::string Zeilenangabe(std::size_t zeile) {
    return "Zeile " + std::to_string(zeile);
}

// Why a set of numbers is no row of the lottery, or "" when it is one.
std::string Reihenfehler(const std::vector<int>& zahlen, int groessteZahl) {
    for (int z : zahlen)
        if (z < 1 || z > groessteZahl)
            return "die Zahl " + std::to_string(z) + " liegt nicht zwischen 1 und " +
                   std::to_string(groessteZahl);
    std::vector<int> s = zahlen;
    std::sort(s.begin(), s.end());
    if (std::adjacent_find(s.begin(), s.end()) != s.end()) return "eine Zahl steht doppelt";
    if (s.size() != kZahlenProReihe) return std::to_string(s.size()) + " statt 6 Zahlen";
    return {};
}

bool Trenner(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';';
}

// The numbers of a typed line, after an optional row counter ("12:" or "12 :"); nothing when
// the line holds anything else.
std::optional<std::vector<int>> TextZahlen(std::string_view z) {
    const std::size_t doppelpunkt = z.find(':');
    if (doppelpunkt != std::string_view::npos) {
        const std::string_view zaehler = z.substr(0, doppelpunkt);
        if (zaehler.find_first_not_of(" \t0123456789") != std::string_view::npos)
            return std::nullopt;
        z.remove_prefix(doppelpunkt + 1);
    }
    std::vector<int> zahlen;
    std::size_t i = 0;
    while (i < z.size()) {
        if (Trenner(z[i])) {
            ++i;
            continue;
        }
        if (z[i] < '0' || z[i] > '9') return std::nullopt;
        int wert = 0;
        while (i < z.size() && z[i] >= '0' && z[i] <= '9') {
            wert = std::min(wert * 10 + (z[i] - '0'), 1000);
            ++i;
        }
        zahlen.push_back(wert);
    }
    return zahlen;
}

bool TextDekodieren(std::string_view text, const std::string& name, Tippsystem& s,
                    std::string& fehler, int groessteZahl) {
    std::size_t nr = 0, pos = 0;
    while (pos < text.size()) {
        std::size_t ende = text.find_first_of("\r\n", pos);
        if (ende == std::string_view::npos) ende = text.size();
        std::string_view zeile = text.substr(pos, ende - pos);
        // CR LF, LF and a lone CR all end a line.
        pos = ende + (text.substr(ende, 2) == "\r\n" ? 2 : 1);
        ++nr;
        const std::size_t a = zeile.find_first_not_of(" \t");
        if (a == std::string_view::npos || zeile[a] == '*' || zeile[a] == '#') continue;
        if (nr == 1 && zeile.substr(0, 3) == "\xEF\xBB\xBF") zeile.remove_prefix(3);
        const auto zahlen = TextZahlen(zeile);
        std::string grund = zahlen ? Reihenfehler(*zahlen, groessteZahl)
                                   : std::string("die Zeile ist keine Reihe aus Zahlen");
        if (!grund.empty()) {
            fehler = name + ", " + Zeilenangabe(nr) + ": " + grund + ".";
            return false;
        }
        if (s.reihen.size() >= kMaxSystemreihen) {
            fehler = name + " hat mehr als " + Gruppiert(static_cast<int64_t>(kMaxSystemreihen)) +
                     " Reihen.";
            return false;
        }
        s.reihen.push_back(MaskeAus(*zahlen));
    }
    return true;
}

bool RohDekodieren(std::string_view b, Systemformat f, const std::string& name, Tippsystem& s,
                   std::string& fehler, int groessteZahl) {
    const std::size_t kopf = f == Systemformat::ZS4 ? kKopfZS4 : 0;
    const std::size_t satz = f == Systemformat::ZS4 ? kSatzZS4 : kSatzZS3;
    if (b.size() < kopf || (b.size() - kopf) % satz != 0) {
        fehler = name + " ist beschädigt: Die Länge von " +
                 Gruppiert(static_cast<int64_t>(b.size())) + " Byte passt nicht zu Reihen von " +
                 std::to_string(satz) + " Byte.";
        return false;
    }
    // The header names the lottery's largest number; a value no lottery has is ignored.
    if (f == Systemformat::ZS4) {
        const int kopfZahl = WortBei(b, 6);
        if (kopfZahl >= kZahlenProReihe && kopfZahl < groessteZahl) groessteZahl = kopfZahl;
    }
    s.groessteZahl = groessteZahl;
    const std::size_t anzahl = (b.size() - kopf) / satz;
    if (anzahl > kMaxSystemreihen) {
        fehler = name + " hat mehr als " + Gruppiert(static_cast<int64_t>(kMaxSystemreihen)) +
                 " Reihen.";
        return false;
    }
    s.reihen.reserve(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        std::size_t o = kopf + i * satz + (f == Systemformat::ZS4 ? 2 : 0);
        const uint16_t w4 = WortBei(b, o + 6);
        const auto schluessel = static_cast<uint16_t>(49 * (w4 >> 8));
        const Bitworte w{static_cast<int16_t>(WortBei(b, o) ^ schluessel),
                         static_cast<int16_t>(WortBei(b, o + 2) ^ schluessel),
                         static_cast<int16_t>(WortBei(b, o + 4) ^ schluessel),
                         static_cast<int16_t>(w4 & 0xFF)};
        // Bits 7 and 15 hold no number: a row with them set was not written by a row writer.
        const bool fremdeBits = ((w[0] | w[1] | w[2]) & 0x8080) != 0 || (w4 & 0x80) != 0;
        const Reihenmaske m = MaskeAusBitworten(w);
        std::string grund = fremdeBits ? std::string("die Reihe enthält ungültige Bits")
                                       : Reihenfehler(ZahlenAusMaske(m), groessteZahl);
        if (!grund.empty()) {
            fehler = name + ", Reihe " + std::to_string(i + 1) + ": " + grund + ".";
            return false;
        }
        s.reihen.push_back(m);
    }
    return true;
}

}  // namespace

Reihenmaske Tippsystem::Zahlen() const {
    Reihenmaske alle = 0;
    for (Reihenmaske r : reihen) alle |= r;
    return alle;
}

std::optional<Systemformat> SystemformatAus(const std::string& dateiname) {
    const std::string e = Endung4(dateiname);
    if (e == ".ZS4") return Systemformat::ZS4;
    if (e == ".ZS3") return Systemformat::ZS3;
    if (e == ".TXT") return Systemformat::TXT;
    return std::nullopt;
}

Reihenmaske MaskeAus(std::span<const int> zahlen) {
    Reihenmaske m = 0;
    for (int z : zahlen)
        if (z >= 1 && z <= 64) m |= Reihenmaske{1} << (z - 1);
    return m;
}

std::vector<int> ZahlenAusMaske(Reihenmaske m) {
    std::vector<int> z;
    z.reserve(static_cast<std::size_t>(AnzahlIn(m)));
    for (; m; m &= m - 1) z.push_back(__builtin_ctzll(m) + 1);
    return z;
}

// Number n sits in word (n-1)/14 at bit p or p+1 (bits 0..6, then 8..14), p = (n-1) mod 14.
Reihenmaske MaskeAusBitworten(const Bitworte& w) {
    Reihenmaske m = 0;
    for (int k = 0; k < 4; ++k) {
        const auto u = static_cast<uint16_t>(w[static_cast<std::size_t>(k)]);
        const uint64_t vierzehn = (u & 0x7Fu) | ((u >> 1) & 0x3F80u);
        m |= (k == 3 ? (vierzehn & 0x7F) : vierzehn) << (14 * k);
    }
    return m;
}

Bitworte BitworteAusMaske(Reihenmaske m) {
    Bitworte w{};
    for (int k = 0; k < 4; ++k) {
        const auto vierzehn = static_cast<uint16_t>((m >> (14 * k)) & 0x3FFF);
        w[static_cast<std::size_t>(k)] =
            static_cast<int16_t>((vierzehn & 0x7F) | ((vierzehn & 0x3F80) << 1));
    }
    w[3] = static_cast<int16_t>(w[3] & 0xFF);
    return w;
}

bool SystemDekodieren(std::string_view bytes, Systemformat f, const std::string& name,
                      Tippsystem& s, std::string& fehler, int groessteZahl) {
    Tippsystem neu;
    neu.groessteZahl = groessteZahl;
    const bool ok = f == Systemformat::TXT
                        ? TextDekodieren(bytes, name, neu, fehler, groessteZahl)
                        : RohDekodieren(bytes, f, name, neu, fehler, groessteZahl);
    if (!ok) return false;
    if (neu.reihen.empty()) {
        fehler = name + " enthält keine Reihe.";
        return false;
    }
    s = std::move(neu);
    return true;
}

bool SystemLesen(const fs::path& datei, Tippsystem& s, std::string& fehler, int groessteZahl) {
    const std::string name = "Die Systemdatei " + TextAusPfad(datei.filename());
    const auto f = SystemformatAus(TextAusPfad(datei.filename()));
    if (!f) {
        fehler = TextAusPfad(datei.filename()) + " ist kein gültiger Systemdateiname!";
        return false;
    }
    std::string bytes, grund;
    if (!GanzEinlesen(datei, bytes, grund)) {
        fehler = name + " kann nicht gelesen werden: " + grund;
        return false;
    }
    return SystemDekodieren(bytes, *f, name, s, fehler, groessteZahl);
}

std::string SystemKodieren(const Tippsystem& s, Systemformat f) {
    std::string out;
    if (f == Systemformat::TXT) {
        out.reserve(s.reihen.size() * 20);
        for (Reihenmaske r : s.reihen) {
            for (int z : ZahlenAusMaske(r)) out += ZahlFeld3(static_cast<int16_t>(z));
            out += "\r\n";
        }
        return out;
    }
    out.reserve(kKopfZS4 + s.reihen.size() * kSatzZS4);
    if (f == Systemformat::ZS4) {
        const auto n = static_cast<uint32_t>(s.reihen.size());
        out += "Z4";
        Wort(out, static_cast<uint16_t>(n & 0xFFFF));
        Wort(out, static_cast<uint16_t>(n >> 16));
        Wort(out, static_cast<uint16_t>(s.groessteZahl));
        Wort(out, 0);
    }
    const auto& vielfache = Tab().Vielfache;
    for (std::size_t i = 0; i < s.reihen.size(); ++i) {
        const Bitworte w = BitworteAusMaske(s.reihen[i]);
        const int k = static_cast<int>(i % 127) + 1;
        const auto schluessel = static_cast<uint16_t>(vielfache[static_cast<std::size_t>(k)]);
        if (f == Systemformat::ZS4) Wort(out, static_cast<uint16_t>(AnzahlIn(s.reihen[i])));
        for (int j = 0; j < 3; ++j)
            Wort(out, static_cast<uint16_t>(static_cast<uint16_t>(w[static_cast<std::size_t>(j)]) ^
                                            schluessel));
        Wort(out, static_cast<uint16_t>((k << 8) | (static_cast<uint16_t>(w[3]) & 0xFF)));
    }
    return out;
}

bool SystemSchreiben(const fs::path& datei, const Tippsystem& s, std::string& fehler) {
    const std::string name = TextAusPfad(datei.filename());
    const auto f = SystemformatAus(name);
    if (!f) {
        fehler =
            Lesbar(FormatAusName(name))
                ? name + " ist eine Lottodatei; ein System wird nie über Ziehungen gespeichert."
                : name + " ist kein gültiger Systemdateiname!";
        return false;
    }
    if (s.reihen.empty()) {
        fehler = "Ein System ohne Reihen wird nicht gespeichert.";
        return false;
    }
    Dateisperre sperre;
    if (!ZumSchreibenSperren(datei, sperre, fehler)) return false;
    std::string grund;
    if (!DateiSichern(TextAusPfad(datei), &grund)) {
        fehler = "Die Sicherungskopie im Ordner Datensicherungen fehlt: " + grund;
        return false;
    }
    return DateiAtomarSchreiben(datei, SystemKodieren(s, *f), fehler);
}

}  // namespace zahlix
