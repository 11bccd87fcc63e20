#include "shell/optionen.h"

#include <charconv>

#include "app/port.h"
#include "core/atomare_datei.h"
#include "core/zahlformat.h"

namespace zahlix {

Optionswerte& Optionen() {
    static Optionswerte werte;
    return werte;
}

Optionswerte OptionenStandard() {
    return Optionswerte{};
}

const std::vector<std::string>& Schriftgroessen() {
    static const std::vector<std::string> liste{"8", "9", "10", "11", "12", "14", "16"};
    return liste;
}

const std::vector<std::string>& Farbfeldgrafiken() {
    static const std::vector<std::string> liste{
        "Keine",           "Wann zuletzt gezogen", "Zahlentendenz 2",
        "Zahlenbarometer", "Nachbarkombinationen", "Zahlix-Barometer!"};
    return liste;
}

namespace {

constexpr int kZeilen = 24;

std::optional<int> ZahlLesen(const std::string& zeile) {
    size_t a = zeile.find_first_not_of(' ');
    size_t e = zeile.find_last_not_of(' ');
    if (a == std::string::npos) return std::nullopt;
    int wert = 0;
    const char* anfang = zeile.data() + a;
    const char* ende = zeile.data() + e + 1;
    auto [p, ec] = std::from_chars(anfang, ende, wert);
    if (ec != std::errc{} || p != ende) return std::nullopt;
    return wert;
}

// Reads the next line as a value in [min, max]; false stops the whole file.
class Leser {
  public:
    explicit Leser(const std::vector<std::string>& z) : zeilen_(z) {}
    bool Zahl(int16_t& ziel, int min, int max) {
        if (n_ >= zeilen_.size()) return false;
        auto wert = ZahlLesen(zeilen_[n_++]);
        if (!wert || *wert < min || *wert > max) return false;
        ziel = static_cast<int16_t>(*wert);
        return true;
    }
    bool Kasten(int16_t& ziel) { return Zahl(ziel, 0, 1); }
    bool Liste(int16_t& ziel, const std::vector<std::string>& eintraege) {
        return Zahl(ziel, -1, static_cast<int>(eintraege.size()) - 1);
    }
    bool Text(std::string& ziel) {
        if (n_ >= zeilen_.size()) return false;
        ziel = zeilen_[n_++];
        return true;
    }

  private:
    const std::vector<std::string>& zeilen_;
    size_t n_ = 0;
};

void ZahlZeile(std::string& aus, int wert) {
    aus += Str(wert) + "\r\n";
}

}  // namespace

std::optional<Optionswerte> OptionenAusZeilen(const std::vector<std::string>& zeilen) {
    Optionswerte w;
    Leser l(zeilen);
    for (auto& k : w.allgemein)
        if (!l.Kasten(k)) return std::nullopt;
    if (!l.Liste(w.druckausgabeSchriftgroesse, Schriftgroessen())) return std::nullopt;
    if (!l.Text(w.startdatei)) return std::nullopt;
    for (auto& k : w.lottoAuswertung)
        if (!l.Kasten(k)) return std::nullopt;
    if (!l.Liste(w.lottoZahlenauswahl, Farbfeldgrafiken())) return std::nullopt;
    for (auto& k : w.systemAuswertung)
        if (!l.Kasten(k)) return std::nullopt;
    if (!l.Text(w.addInDatei)) return std::nullopt;
    if (!l.Kasten(w.lottoscheinDruck)) return std::nullopt;
    if (!l.Liste(w.lottoscheinSchriftgroesse, Schriftgroessen())) return std::nullopt;
    if (!l.Text(w.lottoscheinDruckdatei)) return std::nullopt;
    return w;
}

std::string OptionenText(const Optionswerte& w) {
    std::string aus;
    for (int k : w.allgemein) ZahlZeile(aus, k);
    ZahlZeile(aus, w.druckausgabeSchriftgroesse);
    aus += w.startdatei + "\r\n";
    for (int k : w.lottoAuswertung) ZahlZeile(aus, k);
    ZahlZeile(aus, w.lottoZahlenauswahl);
    for (int k : w.systemAuswertung) ZahlZeile(aus, k);
    aus += w.addInDatei + "\r\n";
    ZahlZeile(aus, w.lottoscheinDruck);
    ZahlZeile(aus, w.lottoscheinSchriftgroesse);
    aus += w.lottoscheinDruckdatei + "\r\n";
    return aus;
}

int16_t OptionenLaden(const std::filesystem::path& datei) {
    std::optional<Optionswerte> gelesen;
    if (auto zeilen = TextzeilenLesen(datei); zeilen && zeilen->size() >= kZeilen)
        gelesen = OptionenAusZeilen(*zeilen);
    Optionen() = gelesen.value_or(OptionenStandard());
    return gelesen ? 0 : -1;
}

int16_t OptionenSpeichern(const std::filesystem::path& datei, const Optionswerte& werte) {
    // A line break inside a text option would shift every later line of the file.
    Optionswerte sauber = werte;
    for (std::string* t : {&sauber.startdatei, &sauber.addInDatei, &sauber.lottoscheinDruckdatei})
        std::erase_if(*t, [](char c) { return c == '\r' || c == '\n'; });
    Optionen() = sauber;
    std::string fehler;
    if (AtomarErsetzen(datei, OptionenText(sauber), fehler)) return 0;
    Meldung("Die Optionen konnten nicht gespeichert werden:\r\n" + datei.string() + "\r\n" + fehler,
            flags::Kritisch, kProduktname);
    return -1;
}

}  // namespace zahlix
