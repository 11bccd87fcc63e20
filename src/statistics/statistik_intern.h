#pragma once
// Shared pieces of the computations: the draws of the range in a compact form and the counter
// that turns event positions into Istwert, Zuletzt and Abstand.
#include <cstdint>
#include <functional>
#include <vector>

#include "core/lottodatei.h"
#include "statistics/statistik.h"

namespace zahlix::statistik {

// One draw of the range: its numbers as bits 1..49 of a 64-bit mask.
struct Zug {
    uint64_t zahlen = 0;  // the six (or however many) drawn numbers
    int zusatz = 0;       // bonus number, 0 when none (or outside 1..GroessteZahl)
    int woche = 0;
    int jahr = 0;
    // The numbers the bonus-number view counts.
    uint64_t Menge(int ansicht) const {
        const uint64_t z = zusatz ? (uint64_t{1} << zusatz) : 0;
        return ansicht == Nur ? z : (ansicht == Mit ? zahlen | z : zahlen);
    }
};

// The draws with ImBereich = -1 that hold at least one number, oldest first.
std::vector<Zug> ZuegeImBereich(const Lottodatei& d);

// The sorted numbers of a mask; returns how many.
int Entpacken(uint64_t maske, int* zahlen);

// Per row: occurrences at draw positions 0..m-1, reported in ascending order.
// Zuletzt = draws after the last occurrence (m when none); Abstand = the largest number of
// draws between two successive occurrences, the open gap after the last one included (m when
// none).
class Ereignisse {
  public:
    explicit Ereignisse(int zeilen)
        : letzte_(static_cast<size_t>(zeilen) + 1, -1),
          luecke_(static_cast<size_t>(zeilen) + 1, 0),
          anzahl_(static_cast<size_t>(zeilen) + 1, 0) {}
    void Treffer(int zeile, int position) {
        const auto z = static_cast<size_t>(zeile);
        if (letzte_[z] == position) {  // several occurrences in one draw count once per draw
            return;
        }
        if (letzte_[z] >= 0 && position - letzte_[z] - 1 > luecke_[z])
            luecke_[z] = position - letzte_[z] - 1;
        letzte_[z] = position;
        ++anzahl_[z];
    }
    int Anzahl(int zeile) const { return anzahl_[static_cast<size_t>(zeile)]; }
    // Fills rows 1..n of e (istwert = number of draws with the event).
    void Eintragen(Ergebnis& e, int m) const;

  private:
    std::vector<int> letzte_, luecke_, anzahl_;
};

// Polls the pump every 256 steps; true when the caller asked to stop.
class Unterbrechung {
  public:
    explicit Unterbrechung(const std::function<bool()>& abbrechen) : abbrechen_(abbrechen) {}
    bool Schritt(int i);

  private:
    const std::function<bool()>& abbrechen_;
};

// The rows of "Zahlensumme" for sums of k numbers out of 1..N: row 1 is the sum `von`.
struct SummenFenster {
    int von = 0;
    int zeilen = 0;
};
SummenFenster SummenFensterFuer(int N, int k);

// The type computations, each filling e from the draws.
void ZahlenBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                     Unterbrechung& u);
void VerteilungBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                         Unterbrechung& u);
void KombinationBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                          Unterbrechung& u);
void GruppenBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                      Unterbrechung& u);
void SummenBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                     Unterbrechung& u);

}  // namespace zahlix::statistik
