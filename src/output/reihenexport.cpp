#include "output/reihenexport.h"

#include <algorithm>
#include <cstdint>

#include "app/port.h"
#include "core/atomare_datei.h"
#include "core/tabellen.h"
#include "core/zahlen.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

constexpr std::string_view kZahlenKopf = "Zahlen     :";
constexpr std::string_view kFortsetzung = "            ";  // 12 blanks

std::vector<std::string_view> Zeilen(std::string_view text) {
    std::vector<std::string_view> z;
    size_t anfang = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            z.push_back(text.substr(anfang, i - anfang));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
            anfang = i + 1;
        }
    }
    return z;
}

bool Trenner(char c) {
    return c == ' ' || c == '\t' || c == ',';
}
bool Ziffer(char c) {
    return c >= '0' && c <= '9';
}

// The numbers of s if s holds only numbers and separators; nothing otherwise.
std::optional<std::vector<int>> NurZahlen(std::string_view s) {
    std::vector<int> zahlen;
    size_t i = 0;
    while (i < s.size()) {
        if (Trenner(s[i])) {
            ++i;
        } else if (Ziffer(s[i])) {
            int wert = 0;
            size_t ziffern = 0;
            while (i < s.size() && Ziffer(s[i])) {
                if (++ziffern <= 2) wert = wert * 10 + (s[i] - '0');
                ++i;
            }
            if (ziffern > 2) wert = 1000;  // too long to be a lottery number
            zahlen.push_back(wert);
        } else {
            return std::nullopt;
        }
    }
    return zahlen;
}

// Sorted row if every number is 1..49 and none repeats.
std::optional<Zahlenreihe> AlsReihe(std::vector<int> zahlen) {
    if (zahlen.empty() || zahlen.size() > 49) return std::nullopt;
    for (int z : zahlen)
        if (z < 1 || z > 49) return std::nullopt;
    std::sort(zahlen.begin(), zahlen.end());
    if (std::adjacent_find(zahlen.begin(), zahlen.end()) != zahlen.end()) return std::nullopt;
    return zahlen;
}

// Rule 2: a line of six to nine numbers, maybe after a counter with ":" or ".".
std::optional<Zahlenreihe> FreieReihe(std::string_view zeile) {
    size_t i = 0;
    while (i < zeile.size() && (zeile[i] == ' ' || zeile[i] == '\t')) ++i;
    size_t j = i;
    while (j < zeile.size() && Ziffer(zeile[j])) ++j;
    if (j > i && j < zeile.size() && (zeile[j] == ':' || zeile[j] == '.'))
        zeile.remove_prefix(j + 1);
    auto zahlen = NurZahlen(zeile);
    if (!zahlen || zahlen->size() < 6 || zahlen->size() > 9) return std::nullopt;
    return AlsReihe(std::move(*zahlen));
}

void Wort(std::string& out, uint16_t w) {
    out += static_cast<char>(w & 0xFF);
    out += static_cast<char>(w >> 8);
}

void ZeileSchreiben(std::string& out, const Zahlenreihe& r) {
    for (int z : r) out += ZahlFeld3(static_cast<int16_t>(z));
    out += "\r\n";
}

void WorteSchreiben(std::string& out, const Zahlenreihe& r, size_t index) {
    const Bitworte w = ZahlenPacken(r);
    const int k = static_cast<int>(index % 127) + 1;
    const auto schluessel = static_cast<uint16_t>(Tab().Vielfache[k]);
    for (int i = 0; i < 3; ++i) Wort(out, static_cast<uint16_t>(w[i]) ^ schluessel);
    Wort(out, static_cast<uint16_t>((k << 8) | (static_cast<uint16_t>(w[3]) & 0xFF)));
}

}  // namespace

std::optional<Exportformat> ExportformatAus(const std::string& dateiname) {
    const std::string e = Endung4(dateiname);
    if (e == ".ZS4") return Exportformat::ZS4;
    if (e == ".ZS3") return Exportformat::ZS3;
    if (e == ".ASC") return Exportformat::ASC;
    if (e == ".AS4") return Exportformat::AS4;
    if (e == ".ZXT") return Exportformat::ZXT;
    return std::nullopt;
}

std::vector<Zahlenreihe> ZahlenreihenFinden(std::string_view text) {
    const auto zeilen = Zeilen(text);
    std::vector<Zahlenreihe> reihen;
    for (size_t i = 0; i < zeilen.size(); ++i) {
        EreignissePumpen();
        std::string_view z = zeilen[i];
        if (z.substr(0, kZahlenKopf.size()) == kZahlenKopf) {
            // Gather up to the closing " :", across continuation lines.
            std::string zahlteil;
            std::string_view rest = z.substr(kZahlenKopf.size());
            bool geschlossen = false;
            size_t k = i;
            while (true) {
                const size_t ende = rest.find(" :");
                if (ende != std::string_view::npos) {
                    zahlteil.append(rest.substr(0, ende));
                    geschlossen =
                        rest.substr(ende + 2).find_first_not_of(" \t") == std::string_view::npos;
                    break;
                }
                zahlteil.append(rest);
                zahlteil += ' ';
                if (k + 1 >= zeilen.size() ||
                    zeilen[k + 1].substr(0, kFortsetzung.size()) != kFortsetzung)
                    break;
                rest = zeilen[++k];
            }
            if (geschlossen) {
                if (auto zahlen = NurZahlen(zahlteil))
                    if (auto r = AlsReihe(std::move(*zahlen))) reihen.push_back(std::move(*r));
                i = k;
            }
            continue;
        }
        if (auto r = FreieReihe(z)) reihen.push_back(std::move(*r));
    }
    return reihen;
}

bool PasstInFormat(const Zahlenreihe& reihe, Exportformat f) {
    switch (f) {
        case Exportformat::ASC:
            return reihe.size() == 6;
        case Exportformat::ZXT:
            return reihe.size() == 6 || reihe.size() == 7;
        default:
            return !reihe.empty();
    }
}

std::string ReihenKodieren(const std::vector<Zahlenreihe>& reihen, Exportformat f, int& anzahl) {
    std::string rumpf;
    anzahl = 0;
    for (const auto& r : reihen) {
        if (!PasstInFormat(r, f)) continue;
        switch (f) {
            case Exportformat::ASC:
            case Exportformat::ZXT:
            case Exportformat::AS4:
                ZeileSchreiben(rumpf, r);
                break;
            case Exportformat::ZS3:
                WorteSchreiben(rumpf, r, static_cast<size_t>(anzahl));
                break;
            case Exportformat::ZS4:
                Wort(rumpf, static_cast<uint16_t>(r.size()));
                WorteSchreiben(rumpf, r, static_cast<size_t>(anzahl));
                break;
        }
        ++anzahl;
    }
    if (f != Exportformat::ZS4) return rumpf;
    std::string kopf = "Z4";
    Wort(kopf, static_cast<uint16_t>(anzahl & 0xFFFF));
    Wort(kopf, static_cast<uint16_t>((anzahl >> 16) & 0xFFFF));
    Wort(kopf, 49);
    Wort(kopf, 0);
    return kopf + rumpf;
}

int ReihenExportieren(const std::filesystem::path& ziel, std::string_view text,
                      std::string& fehler) {
    const auto format = ExportformatAus(ziel.filename().string());
    if (!format) {
        fehler = ziel.filename().string() + " ist kein Format für Zahlenreihen.";
        return -1;
    }
    int anzahl = 0;
    const std::string bytes = ReihenKodieren(ZahlenreihenFinden(text), *format, anzahl);
    if (anzahl == 0) return 0;
    if (!DateiAtomarSchreiben(ziel, bytes, fehler)) return -1;
    return anzahl;
}

}  // namespace zahlix
