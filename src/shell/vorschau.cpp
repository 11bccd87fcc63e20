#include "shell/vorschau.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "core/tabellen.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

constexpr int kKopfzeilen = 14;
const std::string kTrennlinie(31, '-');

// Reads little-endian words at a byte offset; a short read yields nothing.
class Wortleser {
  public:
    explicit Wortleser(const std::filesystem::path& datei) : ein_(datei, std::ios::binary) {}
    bool offen() const { return static_cast<bool>(ein_); }
    template <size_t N>
    bool Lesen(uint64_t offset, std::array<uint16_t, N>& woerter) {
        std::array<unsigned char, 2 * N> roh{};
        ein_.clear();
        ein_.seekg(static_cast<std::streamoff>(offset));
        ein_.read(reinterpret_cast<char*>(roh.data()), static_cast<std::streamsize>(roh.size()));
        if (ein_.gcount() != static_cast<std::streamsize>(roh.size())) return false;
        for (size_t i = 0; i < N; ++i)
            woerter[i] = static_cast<uint16_t>(roh[2 * i] | (roh[2 * i + 1] << 8));
        return true;
    }

  private:
    std::ifstream ein_;
};

std::string ZahlenText(const Bitworte& w) {
    std::array<int, 49> liste{};
    const int n = ZahlenEntpacken(w, liste);
    std::string aus;
    for (int i = 0; i < n; ++i) {
        if (i > 0) aus += ' ';
        aus += ZahlNull2(static_cast<int16_t>(liste[i]));
    }
    return aus;
}

Bitworte ImLayout(uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4) {
    return {static_cast<int16_t>(w1 & 0x7F7F), static_cast<int16_t>(w2 & 0x7F7F),
            static_cast<int16_t>(w3 & 0x7F7F), static_cast<int16_t>(w4 & 0x7F7F)};
}

std::string KennungZeichen(int code) {
    if (code == 0) return ".";
    if (KennungGueltig(code)) return std::string(1, static_cast<char>(code));
    return "?";
}

std::string Ziehungstext(int woche, int jahr, int kennung, uint16_t w1, uint16_t w2, uint16_t w3,
                         uint16_t w4) {
    const Bitworte w = ImLayout(w1, w2, w3, static_cast<uint16_t>(w4 & 0x00FF));
    const int zz = w4 >> 8;
    std::string aus = ZahlNull2(static_cast<int16_t>(woche)) + "/" +
                      ZahlNull4(static_cast<int16_t>(jahr)) + " " + KennungZeichen(kennung) + " " +
                      ZahlenText(w) + " ";
    aus += ZusatzzahlVorhanden(zz) ? ZahlNull2(static_cast<int16_t>(zz)) : std::string("--");
    return aus;
}

std::string Anzahltext(uint64_t n) {
    return "Anzahl Reihen = " + std::to_string(n);
}

// Draw files: the first 14 records (up to a record starting with 0) and the last one.
std::vector<std::string> Ziehungsvorschau(const std::filesystem::path& datei, uint64_t laenge,
                                          bool zx7) {
    const uint64_t kopf = zx7 ? 12 : 2;
    constexpr size_t kWorte = 6;
    const uint64_t satz = zx7 ? 12 : 10;
    const uint64_t anzahl = laenge >= kopf ? (laenge - kopf) / satz : 0;
    std::vector<std::string> zeilen{Anzahltext(anzahl)};
    Wortleser leser(datei);
    if (!leser.offen()) return {};
    auto zeile = [&](uint64_t i, bool& ende) {
        std::array<uint16_t, kWorte> w{};
        std::array<uint16_t, kWorte - 1> alt{};
        const bool gelesen =
            zx7 ? leser.Lesen(kopf + i * satz, w) : leser.Lesen(kopf + i * satz, alt);
        ende = !gelesen || (zx7 ? w[0] : alt[0]) == 0;
        if (!gelesen) return std::string();
        if (zx7)
            return Ziehungstext(WocheAus(static_cast<int16_t>(w[0])),
                                JahrAusJahrCode(static_cast<int16_t>(w[1])),
                                KennungAus(static_cast<int16_t>(w[0])), w[2], w[3], w[4], w[5]);
        return Ziehungstext(alt[0] & 0xFF, 1900 + (alt[0] >> 8), 0, alt[1], alt[2], alt[3], alt[4]);
    };
    for (uint64_t i = 0; i < std::min<uint64_t>(anzahl, kKopfzeilen); ++i) {
        bool ende = false;
        std::string z = zeile(i, ende);
        if (ende) break;
        zeilen.push_back(std::move(z));
    }
    if (anzahl > 0) {
        bool ende = false;
        std::string letzte = zeile(anzahl - 1, ende);
        zeilen.push_back(kTrennlinie);
        zeilen.push_back(std::move(letzte));
    }
    return zeilen;
}

struct Reihenlayout {
    uint64_t kopf, satz;
};
Reihenlayout Layout(Reihenformat f) {
    return f == Reihenformat::ZS3 ? Reihenlayout{0, 8} : Reihenlayout{10, 10};
}

uint64_t Reihenanzahl(uint64_t laenge, Reihenformat f) {
    const auto l = Layout(f);
    return laenge >= l.kopf ? (laenge - l.kopf) / l.satz : 0;
}

std::optional<Systemreihe> ReiheLesen(Wortleser& leser, Reihenformat f, uint64_t i) {
    const auto l = Layout(f);
    Systemreihe reihe;
    std::array<uint16_t, 4> w{};
    if (f == Reihenformat::ZS4) {
        std::array<uint16_t, 5> roh{};
        if (!leser.Lesen(l.kopf + i * l.satz, roh)) return std::nullopt;
        reihe.vorwort = static_cast<int16_t>(roh[0]);
        std::copy(roh.begin() + 1, roh.end(), w.begin());
    } else if (!leser.Lesen(l.kopf + i * l.satz, w)) {
        return std::nullopt;
    }
    std::array<int, 49> liste{};
    const int n = ZahlenEntpacken(SystemreiheEntschluesseln(w), liste);
    reihe.zahlen.assign(liste.begin(), liste.begin() + n);
    return reihe;
}

std::string Reihentext(uint64_t nummer, const Systemreihe& r) {
    std::string nr = std::to_string(nummer);
    if (nr.size() < 5) nr.insert(0, 5 - nr.size(), ' ');
    std::string aus = nr + " :";
    for (int z : r.zahlen) aus += ' ' + ZahlNull2(static_cast<int16_t>(z));
    return aus;
}

std::vector<std::string> Reihenvorschau(const std::filesystem::path& datei, uint64_t laenge,
                                        Reihenformat f) {
    Wortleser leser(datei);
    if (!leser.offen()) return {};
    const uint64_t anzahl = Reihenanzahl(laenge, f);
    std::vector<std::string> zeilen{Anzahltext(anzahl)};
    for (uint64_t i = 0; i < std::min<uint64_t>(anzahl, kKopfzeilen); ++i)
        if (auto r = ReiheLesen(leser, f, i)) zeilen.push_back(Reihentext(i + 1, *r));
    if (anzahl > 0) {
        zeilen.push_back(kTrennlinie);
        if (auto r = ReiheLesen(leser, f, anzahl - 1)) zeilen.push_back(Reihentext(anzahl, *r));
    }
    return zeilen;
}

}  // namespace

Bitworte SystemreiheEntschluesseln(const std::array<uint16_t, 4>& g) {
    const int k = g[3] >> 8;
    const auto& vielfache = Tab().Vielfache;
    const auto schluessel =
        static_cast<uint16_t>(k < static_cast<int>(vielfache.size()) ? vielfache[k] : 49 * k);
    return ImLayout(static_cast<uint16_t>(g[0] ^ schluessel),
                    static_cast<uint16_t>(g[1] ^ schluessel),
                    static_cast<uint16_t>(g[2] ^ schluessel), static_cast<uint16_t>(g[3] & 0xFF));
}

std::optional<std::vector<Systemreihe>> SystemreihenLesen(const std::filesystem::path& datei,
                                                          Reihenformat format) {
    std::error_code ec;
    const uint64_t laenge = std::filesystem::file_size(datei, ec);
    if (ec) return std::nullopt;
    Wortleser leser(datei);
    if (!leser.offen()) return std::nullopt;
    const uint64_t anzahl = Reihenanzahl(laenge, format);
    std::vector<Systemreihe> reihen;
    reihen.reserve(static_cast<size_t>(std::min<uint64_t>(anzahl, 1u << 20)));
    for (uint64_t i = 0; i < anzahl; ++i) {
        auto r = ReiheLesen(leser, format, i);
        if (!r) return std::nullopt;
        reihen.push_back(std::move(*r));
    }
    return reihen;
}

std::vector<std::string> DateiVorschau(const std::filesystem::path& datei) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec)) return {};
    const uint64_t laenge = std::filesystem::file_size(datei, ec);
    if (ec) return {};
    const std::string endung = Endung4(TextAusPfad(datei.extension()));
    if (endung == ".ZX7") return Ziehungsvorschau(datei, laenge, true);
    if (endung == ".ZX6") return Ziehungsvorschau(datei, laenge, false);
    if (endung == ".ZS3" || endung == ".ZXD")
        return Reihenvorschau(datei, laenge, Reihenformat::ZS3);
    if (endung == ".ZS4") return Reihenvorschau(datei, laenge, Reihenformat::ZS4);
    if (endung == ".ZXM" || endung == ".EXE") return {"Keine Vorschau möglich"};
    return {"Dateigröße in Byte = " + Gruppiert(static_cast<int64_t>(laenge))};
}

}  // namespace zahlix
