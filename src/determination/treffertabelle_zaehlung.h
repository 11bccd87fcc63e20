#pragma once
// The subset counts behind the fast hit table: the tables of how many rows contain each 3- to
// 6-subset of the system numbers (and each such subset with a row's bonus number), and the
// walk over all assumed draws that turns them into pictures. Used by TreffertabelleBerechnen.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "determination/trefferbilder.h"
#include "determination/treffertabelle.h"
#include "determination/zeilen.h"

namespace zahlix {

// All sums are taken modulo 2^16: the counts they end in lie in 0..32767, and the inversion
// only adds and multiplies, so the wrapped arithmetic gives them exactly while doubling the
// lanes of the vector additions.
using Wort = uint16_t;

// Subsets of a prefix, by size, as colex ranks.
struct Teilmengen {
    std::array<std::array<int32_t, 35>, 8> colex{};
    std::array<int, 8> anzahl{};
};

class SchnelleTabelle {
  public:
    SchnelleTabelle(int n, int k, const Zusatzzahlwertung& zusatz, Vergleichsspalten spalten,
                    uint64_t spaltenMaske);

    // Counts the subsets of every row. A row the counting cannot take (more than six system
    // numbers, so the engine caps its hits, or its bonus number among its own numbers) is kept
    // aside and evaluated directly for every assumed draw.
    void ZeilenZaehlen(const std::vector<Zeile>& zeilen, const std::array<int, 50>& position);

    // Walks the assumed draws whose first number lies in [ersteVon, ersteBis) in lexicographic
    // order into the store. Returns false when the store filled up, `halt` was set, or the stop
    // callback ended the walk (then `gestoppt` and `halt` are set).
    bool Aufzaehlen(Bildspeicher& speicher, const std::function<bool()>& stopp,
                    std::atomic<bool>& halt, std::atomic<bool>& gestoppt, int ersteVon,
                    int ersteBis);

  private:
    struct Summen {
        std::array<Wort, 7> haupt{};  // S_3..S_6 of the prefix
        std::array<Wort, 8> bonus{};  // bonus subset sums of sizes 4..7
    };
    // What one walk (one thread) owns.
    struct Lauf {
        Bildspeicher* speicher;
        const std::function<bool()>* stopp;
        std::atomic<bool>* halt;
        std::atomic<bool>* gestoppt;
        std::array<Teilmengen, 8> ebenen;
        uint64_t schritte;
    };

    // basis_[s][colex of an (s-1)-subset J] + x is the slot of J plus x (x above J). The slots
    // are handed out in lexicographic order of J, the order of the walk, so the walk reads the
    // largest tables front to back.
    void BasisBauen(int s);

    int64_t Index(const int* el, int j) const;
    static uint64_t Maske(const int* el, int m);

    // Sum of counts[base[colex J] + y] over the given subsets J.
    Wort Spalte(const std::vector<Wort>& zaehler, const std::vector<int32_t>& basis,
                const std::array<int32_t, 35>& colex, int anzahl, int y) const;

    // Chooses the number at position tiefe of the assumed draw; the prefix's subsets are in
    // lauf.ebenen[tiefe], s holds its subset sums.
    bool Ebene(Lauf& lauf, int tiefe, int letzte, uint64_t praefix, const Summen& s, int von,
               int bis);

    void Addieren(Wort* acc, const std::vector<Wort>& zaehler, const std::vector<int32_t>& basis,
                  const std::array<int32_t, 35>& colex, int anzahl, int von) const;

    bool Innen(Lauf& lauf, int letzte, uint64_t praefix, const Teilmengen& t, const Summen& s);

    int n_, k_, jmin_, jmax_, bonusJmin_, bonusJmax_;
    uint64_t maske_;
    Wort schalter_[6]{};
    bool bonusEigene_ = false;
    std::array<std::vector<int32_t>, 7> basis_;
    std::array<std::vector<Wort>, 7> zahl_, bonus_;
    std::unordered_map<uint64_t, std::vector<int>> bonus7_;
    struct Sonderzeile {
        uint64_t stellen;  // system positions of the row
        int zusatz;        // position of its bonus number, -1 when outside the system
    };
    std::vector<Sonderzeile> sonder_;
};

}  // namespace zahlix
