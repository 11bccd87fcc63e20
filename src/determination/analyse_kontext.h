#pragma once
// What every analysis shares: the history as rows, the usable numbers, the seeded random
// stream, the stop test, and the evaluation block every row-proposing analysis writes.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "determination/analyse.h"
#include "determination/zeilen.h"

namespace zahlix {

inline constexpr const char* kCrLf = "\r\n";
// Result texts list at most this many entries; the lists for printing keep up to kMaxListe.
inline constexpr size_t kMaxTextzeilen = 1000;
inline constexpr size_t kMaxListe = 32000;

// A small generator of our own: the standard distributions differ between libraries, and a
// result must come out the same everywhere from its inputs and seed.
class Zufall {
  public:
    explicit Zufall(uint64_t seed) : s_(seed) {}
    uint64_t Naechste() {
        uint64_t z = (s_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // Uniform in 0..bis-1 (bis >= 1), without the bias of a plain modulo.
    int Bis(int bis) {
        const uint64_t grenze = ~uint64_t{0} - (~uint64_t{0} % static_cast<uint64_t>(bis));
        uint64_t x;
        do x = Naechste();
        while (x >= grenze);
        return static_cast<int>(x % static_cast<uint64_t>(bis));
    }
    // k numbers drawn without repetition from the set bits of pool (k <= its size).
    uint64_t Ziehen(uint64_t pool, int k);

  private:
    uint64_t s_;
};

struct Kontext {
  private:
    std::vector<Zeile> alleZeilen_;  // the rows in range, unless a back-test hands its own

  public:
    Kontext(const Lottodatei& d, const AnalyseEingaben& e, const AnalyseRueckrufe& r,
            const Vorgeschichte* v = nullptr);

    const Lottodatei& d;
    const AnalyseEingaben& e;
    const AnalyseRueckrufe& r;
    std::span<const Zeile> zeilen;  // rows in range
    bool nurVorschlag;              // a back-test step: the proposal only, no text
    int groessteZahl;
    uint64_t frei;      // numbers 1..N not locked
    uint64_t markiert;  // marked among them
    bool system;
    Zusatzzahlwertung zusatz;
    Zufall zufall;
    AnalyseErgebnis ergebnis;

    // Asks the stop callback (cheap to call often: only every ~20 ms really asks).
    bool Stopp();
    void Status(const std::string& text);
    // Status text of a long loop, passed on at most every 100 ms; text() is only built then.
    template <typename Text>
    void Fortschritt(Text text) {
        if (!r.status) return;
        const auto jetzt = std::chrono::steady_clock::now();
        if (jetzt - letzterFortschritt_ < std::chrono::milliseconds(100)) return;
        letzterFortschritt_ = jetzt;
        r.status(text());
    }
    // "* " title and "* Bereich - " range.
    std::string Kopf() const;
    // Evaluates the row against the rows in range and returns the evaluation block; sets
    // zaehler and zahlenzeile of the result.
    std::string Bewertungsblock(uint64_t reihe, const std::string& zusatzzeilen = {});
    Klassenzaehler Bewerten(uint64_t reihe);
    // Year (or for a system the row number, 1-based) a row counts from.
    int Startwert(const Zeile& z) const;

  private:
    std::unique_ptr<Lottodatei> kopie_;  // the engine writes Trefferwert; made on first use
    std::chrono::steady_clock::time_point letzteFrage_{}, letzterFortschritt_{};
    bool gestoppt_ = false;
};

// "Zahlen     :" with ZahlFeld4 per number, a new line with 12 blanks after every 15, " :".
std::string Zahlenzeile(uint64_t reihe, int groessteZahl);
// " 03 17 22" (ZahlFeld3 per number).
std::string ZahlenText(uint64_t reihe);
// Week/year of a slot: "05/1998".
std::string Ziehungsdatum(const Lottodatei& d, int i);
std::string Zeilenende(const std::string& zeile);
int Anzahl(uint64_t maske);

// The analyses; each fills k.ergebnis.
void Zufallsreihen(Kontext& k);  // Zufalls-, Gewinn-, Glücks-, Pechzahlen
void Prognose(Kontext& k);
void Horoskopzahlen(Kontext& k);
void Wiederholungen(Kontext& k, int m);
void Zerlegung(Kontext& k);
void Summen(Kontext& k);
void Kombinationszahlen(Kontext& k);
void Verteilung(Kontext& k);
void Abstand(Kontext& k);
void Garantie(Kontext& k);
void TreffertabelleAnalyse(Kontext& k);

}  // namespace zahlix
