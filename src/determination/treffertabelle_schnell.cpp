// The hit table without evaluating every assumed draw against every row.
//
// For an assumed draw A let S_j(A) be the sum over all rows of C(hits, j). It equals the sum,
// over the j-subsets J of A, of the number of rows containing J; so counting once how many
// rows contain each 3-, 4-, 5- and 6-subset of the system numbers gives S_3..S_6 of every A by
// lookups. The numbers of rows with exactly h hits follow by inverting
// S_j = sum_h C(h, j) N_h (triangular). Rows whose bonus number lies in A and that have 3..5
// hits belong to the bonus classes when the switch is on; they are counted the same way, over
// the subsets of A that contain a row's bonus number and j of its numbers.
//
// The assumed draws are walked in lexicographic order: a prefix Q of k-1 numbers, then the last
// number x. Counts are stored so that the sets "J plus x" for a fixed J lie side by side, which
// turns the innermost step into a few contiguous additions over all x at once.
#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <memory>
#include <thread>
#include <unordered_map>

#include "determination/analyse.h"
#include "determination/trefferbilder.h"
#include "determination/treffertabelle.h"
#include "determination/zeilen.h"

namespace zahlix {

namespace {

struct Binomialtabelle {
    int64_t c[50][8]{};
    Binomialtabelle() {
        for (int a = 0; a < 50; ++a) {
            c[a][0] = 1;
            for (int b = 1; b < 8 && b <= a; ++b)
                c[a][b] = c[a - 1][b - 1] + (b < a ? c[a - 1][b] : 0);
        }
    }
    int64_t operator()(int a, int b) const {
        return a < 0 || b < 0 || b > 7 || a > 49 ? 0 : c[a][b];
    }
};

const Binomialtabelle& C() {
    static const Binomialtabelle t;
    return t;
}

// Subsets of a prefix, by size, as colex ranks.
struct Teilmengen {
    std::array<std::array<int32_t, 35>, 8> colex{};
    std::array<int, 8> anzahl{};
};

// All sums are taken modulo 2^16: the counts they end in lie in 0..32767, and the inversion
// only adds and multiplies, so the wrapped arithmetic gives them exactly while doubling the
// lanes of the vector additions.
using Wort = uint16_t;

class SchnelleTabelle {
  public:
    SchnelleTabelle(int n, int k, const Zusatzzahlwertung& zusatz, Vergleichsspalten spalten,
                    uint64_t spaltenMaske)
        : n_(n), k_(k), jmin_(spalten.tief), jmax_(std::min(k, 6)), maske_(spaltenMaske) {
        for (int h = 3; h <= 5; ++h) schalter_[h] = zusatz[static_cast<size_t>(h - 3)] == 1;
        // Classes below the lowest compared one are never needed, nor their subset sums. With
        // the bonus number in A at most k-1 numbers of A can hit.
        bonusJmin_ = 7;
        for (int h = 5; h >= std::max(3, jmin_); --h)
            if (schalter_[h]) bonusJmin_ = h;
        // A row whose bonus number is among its own numbers can reach any switched class.
        for (int h = std::max(3, jmin_); h <= std::min(5, k); ++h)
            bonusEigene_ = bonusEigene_ || schalter_[h];
        bonusJmax_ = std::min(k - 1, 6);
        if (bonusJmin_ > bonusJmax_) bonusJmin_ = 7, bonusJmax_ = 2;
        for (int s = 3; s <= 6; ++s) {
            const bool haupt = s >= jmin_ && s <= jmax_;
            const bool bonus = s >= bonusJmin_ + 1 && s <= bonusJmax_ + 1;
            if (haupt || bonus) BasisBauen(s);
            if (haupt) zahl_[s].assign(static_cast<size_t>(C()(n, s)), 0);
            if (bonus) bonus_[s].assign(static_cast<size_t>(C()(n, s)), 0);
        }
    }

    // Counts the subsets of every row. A row the counting cannot take (more than six system
    // numbers, so the engine caps its hits, or its bonus number among its own numbers) is kept
    // aside and evaluated directly for every assumed draw.
    void ZeilenZaehlen(const std::vector<Zeile>& zeilen, const std::array<int, 50>& position) {
        for (const Zeile& z : zeilen) {
            uint64_t stellen = 0;
            for (uint64_t m = z.maske; m != 0; m &= m - 1) {
                const int pos = position[static_cast<size_t>(std::countr_zero(m) + 1)];
                if (pos >= 0) stellen |= uint64_t{1} << pos;
            }
            const int b = z.zusatz > 0 ? position[static_cast<size_t>(z.zusatz)] : -1;
            if (std::popcount(stellen) > 6 ||
                (b >= 0 && bonusEigene_ && Enthaelt(z.maske, z.zusatz))) {
                sonder_.push_back({stellen, b});
                continue;
            }
            int p[6], r = 0;
            for (uint64_t m = stellen; m != 0; m &= m - 1) p[r++] = std::countr_zero(m);
            for (uint32_t sub = 1; sub < (1u << r); ++sub) {
                const int j = std::popcount(sub);
                if (j < 3) continue;
                int el[7], m = 0;
                for (int i = 0; i < r; ++i)
                    if (sub & (1u << i)) el[m++] = p[i];
                if (j >= jmin_ && j <= jmax_) ++zahl_[j][static_cast<size_t>(Index(el, j))];
                if (b >= 0 && j >= bonusJmin_ && j <= bonusJmax_) {
                    // The set of j row numbers and the bonus number, sorted.
                    int mit[7], q = 0;
                    bool drin = false;
                    for (int i = 0; i < j; ++i) {
                        if (!drin && b < el[i]) mit[q++] = b, drin = true;
                        mit[q++] = el[i];
                    }
                    if (!drin) mit[q++] = b;
                    if (q <= 6)
                        ++bonus_[q][static_cast<size_t>(Index(mit, q))];
                    else
                        bonus7_[Maske(mit, 6)].push_back(mit[6]);
                }
            }
        }
    }

    // Walks the assumed draws whose first number lies in [ersteVon, ersteBis) in lexicographic
    // order into the store. Returns false when the store filled up, `halt` was set, or the stop
    // callback ended the walk (then `gestoppt` and `halt` are set).
    bool Aufzaehlen(Bildspeicher& speicher, const std::function<bool()>& stopp,
                    std::atomic<bool>& halt, std::atomic<bool>& gestoppt, int ersteVon,
                    int ersteBis) {
        Lauf lauf{&speicher, &stopp, &halt, &gestoppt, {}, 0};
        Teilmengen& leer = lauf.ebenen[0];
        leer.anzahl.fill(0);
        leer.anzahl[0] = 1;
        leer.colex[0][0] = 0;
        return Ebene(lauf, 0, -1, 0, Summen{}, ersteVon, ersteBis);
    }

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
    void BasisBauen(int s) {
        const int g = s - 1;
        basis_[s].resize(static_cast<size_t>(C()(n_, g)));
        int el[7];
        for (int i = 0; i < g; ++i) el[i] = i;
        int64_t gesamt = 0;
        for (;;) {
            const int m = el[g - 1];
            basis_[s][static_cast<size_t>(Colex(el, g))] = static_cast<int32_t>(gesamt - (m + 1));
            gesamt += n_ - 1 - m;
            int i = g - 1;
            while (i >= 0 && el[i] == n_ - g + i) --i;
            if (i < 0) break;
            ++el[i];
            for (int j = i + 1; j < g; ++j) el[j] = el[j - 1] + 1;
        }
    }

    static int64_t Colex(const int* el, int m) {
        int64_t r = 0;
        for (int i = 0; i < m; ++i) r += C()(el[i], i + 1);
        return r;
    }
    int64_t Index(const int* el, int j) const {
        return basis_[j][static_cast<size_t>(Colex(el, j - 1))] + el[j - 1];
    }
    static uint64_t Maske(const int* el, int m) {
        uint64_t r = 0;
        for (int i = 0; i < m; ++i) r |= uint64_t{1} << el[i];
        return r;
    }

    // Sum of counts[base[colex J] + y] over the given subsets J.
    Wort Spalte(const std::vector<Wort>& zaehler, const std::vector<int32_t>& basis,
                const std::array<int32_t, 35>& colex, int anzahl, int y) const {
        Wort s = 0;
        for (int i = 0; i < anzahl; ++i)
            s = static_cast<Wort>(
                s + zaehler[static_cast<size_t>(
                        basis[static_cast<size_t>(colex[static_cast<size_t>(i)])] + y)]);
        return s;
    }

    // Chooses the number at position tiefe of the assumed draw; the prefix's subsets are in
    // lauf.ebenen[tiefe], s holds its subset sums.
    bool Ebene(Lauf& lauf, int tiefe, int letzte, uint64_t praefix, const Summen& s, int von,
               int bis) {
        const Teilmengen& t = lauf.ebenen[static_cast<size_t>(tiefe)];
        if (tiefe == k_ - 1) return Innen(lauf, letzte, praefix, t, s);
        Teilmengen& u = lauf.ebenen[static_cast<size_t>(tiefe + 1)];
        bis = std::min(bis, n_ - (k_ - tiefe) + 1);
        for (int y = std::max(von, letzte + 1); y < bis; ++y) {
            Summen neu = s;
            for (int j = jmin_; j <= jmax_; ++j)
                neu.haupt[j] = static_cast<Wort>(
                    neu.haupt[j] + Spalte(zahl_[j], basis_[j], t.colex[j - 1], t.anzahl[j - 1], y));
            for (int q = bonusJmin_ + 1; q <= std::min(bonusJmax_ + 1, 6); ++q)
                neu.bonus[q] =
                    static_cast<Wort>(neu.bonus[q] + Spalte(bonus_[q], basis_[q], t.colex[q - 1],
                                                            t.anzahl[q - 1], y));
            // The subsets of the prefix plus y: the old ones and each old one with y.
            u.anzahl.fill(0);
            for (int g = 0; g <= tiefe && g < 7; ++g) {
                for (int i = 0; i < t.anzahl[g]; ++i) {
                    const int32_t c = t.colex[g][static_cast<size_t>(i)];
                    u.colex[g][static_cast<size_t>(u.anzahl[g]++)] = c;
                    u.colex[g + 1][static_cast<size_t>(u.anzahl[g + 1]++)] =
                        c + static_cast<int32_t>(C()(y, g + 1));
                }
            }
            if (!Ebene(lauf, tiefe + 1, y, praefix | (uint64_t{1} << y), neu, 0, n_)) return false;
        }
        return true;
    }

    void Addieren(Wort* acc, const std::vector<Wort>& zaehler, const std::vector<int32_t>& basis,
                  const std::array<int32_t, 35>& colex, int anzahl, int von) const {
        for (int i = 0; i < anzahl; ++i) {
            const Wort* p =
                zaehler.data() + basis[static_cast<size_t>(colex[static_cast<size_t>(i)])];
            for (int x = von; x < n_; ++x) acc[x] = static_cast<Wort>(acc[x] + p[x]);
        }
    }

    bool Innen(Lauf& lauf, int letzte, uint64_t praefix, const Teilmengen& t, const Summen& s) {
        if ((++lauf.schritte & 1023) == 0) {
            if (*lauf.stopp && (*lauf.stopp)()) lauf.gestoppt->store(true), lauf.halt->store(true);
            if (lauf.halt->load(std::memory_order_relaxed)) return false;
        }
        const int von = letzte + 1;
        alignas(32) Wort acc[7][64];
        alignas(32) Wort bacc[8][64];
        for (int j = 3; j <= 6; ++j) {
            const bool an = j >= jmin_ && j <= jmax_;
            std::fill(acc[j] + von, acc[j] + n_, an ? s.haupt[j] : Wort{0});
            if (an) Addieren(acc[j], zahl_[j], basis_[j], t.colex[j - 1], t.anzahl[j - 1], von);
        }
        for (int q = 4; q <= 7; ++q) {
            const bool an = q >= bonusJmin_ + 1 && q <= bonusJmax_ + 1;
            std::fill(bacc[q] + von, bacc[q] + n_, an ? s.bonus[q] : Wort{0});
            if (an && q <= 6)
                Addieren(bacc[q], bonus_[q], basis_[q], t.colex[q - 1], t.anzahl[q - 1], von);
        }
        if (bonusJmax_ + 1 == 7 && !bonus7_.empty()) {
            // The 7-sets (a row's six numbers and its bonus number) are few: kept by prefix.
            if (auto it = bonus7_.find(praefix); it != bonus7_.end())
                for (int x : it->second) ++bacc[7][x];
        }
        const Wort w3 = schalter_[3], w4 = schalter_[4], w5 = schalter_[5];
        for (int x = von; x < n_; ++x) {
            const Wort s3 = acc[3][x], s4 = acc[4][x], s5 = acc[5][x], s6 = acc[6][x];
            const Wort b3 = bacc[4][x], b4 = bacc[5][x], b5 = bacc[6][x], b6 = bacc[7][x];
            const Wort n6 = s6;
            const Wort n5 = static_cast<Wort>(s5 - 6 * s6 - w5 * (b5 - 6 * b6));
            const Wort n4 = static_cast<Wort>(s4 - 5 * s5 + 15 * s6 - w4 * (b4 - 5 * b5 + 15 * b6));
            const Wort n3 = static_cast<Wort>(s3 - 4 * s4 + 10 * s5 - 20 * s6 -
                                              w3 * (b3 - 4 * b4 + 10 * b5 - 20 * b6));
            Wort k[10] = {0, 0, 0, n3, n4, n5, n6, 0, 0, 0};
            const uint64_t a = praefix | (uint64_t{1} << x);
            for (const Sonderzeile& z : sonder_) {
                // As the engine does it: hits capped at six, bonus class for 3..5 hits.
                const int h = std::min(std::popcount(a & z.stellen), 6);
                const bool plus =
                    h >= 3 && h <= 5 && schalter_[h] && z.zusatz >= 0 && ((a >> z.zusatz) & 1);
                ++k[plus ? h + 4 : h];
            }
            if (!lauf.speicher->Zaehlen(BildSchluessel(k[6], k[5], k[4], k[3]) & maske_))
                return false;
        }
        return true;
    }

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

}  // namespace

Treffertabellenergebnis TreffertabelleBerechnen(const Lottodatei& d, std::span<const int> zahlen,
                                                int index, const Zusatzzahlwertung& zusatz,
                                                const std::function<bool()>& stopp) {
    index = std::clamp(index, 0, 13);
    std::vector<int> m;
    for (int z : zahlen)
        if (z >= 1 && z <= 49) m.push_back(z);
    std::sort(m.begin(), m.end());
    m.erase(std::unique(m.begin(), m.end()), m.end());

    Treffertabellenergebnis t;
    t.index = index;
    t.k = TreffertabelleK(index);
    const int n = static_cast<int>(m.size());
    t.kombinationen = n >= t.k ? C()(n, t.k) : 0;
    if (t.kombinationen == 0) return t;

    std::array<int, 50> position;
    position.fill(-1);
    for (int i = 0; i < n; ++i) position[static_cast<size_t>(m[static_cast<size_t>(i)])] = i;
    auto schnell = std::make_unique<SchnelleTabelle>(n, t.k, zusatz, TreffertabelleSpalten(index),
                                                     SpaltenMaske(index));
    schnell->ZeilenZaehlen(ZeilenImBereich(d), position);

    std::atomic<bool> halt{false}, gestoppt{false};
    auto speicher = std::make_unique<Bildspeicher>();
    const int erstes = n - t.k + 1;  // first numbers 0..erstes-1 start a combination
    // A second core takes the back part of the first numbers; the split balances the counts
    // C(n-1-a, k-1) of draws starting with a. Small tables are not worth a thread.
    int teilung = erstes;
    if (t.kombinationen >= 200000 && std::thread::hardware_concurrency() >= 2) {
        int64_t vorn = 0;
        teilung = 0;
        while (teilung < erstes && 2 * vorn < t.kombinationen)
            vorn += C()(n - 1 - teilung++, t.k - 1);
    }
    bool vollstaendig;
    if (teilung >= erstes) {
        vollstaendig = schnell->Aufzaehlen(*speicher, stopp, halt, gestoppt, 0, erstes);
    } else {
        auto hinten = std::make_unique<Bildspeicher>();
        std::atomic<bool> fertig{false};
        bool hintenVollstaendig = false;
        const std::function<bool()> keinStopp;
        std::thread helfer([&] {
            hintenVollstaendig =
                schnell->Aufzaehlen(*hinten, keinStopp, halt, gestoppt, teilung, erstes);
            fertig.store(true);
        });
        vollstaendig = schnell->Aufzaehlen(*speicher, stopp, halt, gestoppt, 0, teilung);
        if (!vollstaendig) halt.store(true);  // full or stopped: the helper need not go on
        // The stop callback belongs to this thread; keep asking it while the helper works.
        while (!fertig.load()) {
            if (!halt.load() && stopp && stopp()) gestoppt.store(true), halt.store(true);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        helfer.join();
        speicher->Hinzufuegen(*hinten);
        vollstaendig = vollstaendig && hintenVollstaendig && !speicher->voll();
        if (!vollstaendig && !gestoppt.load()) {
            // The table filled up: which pictures made it depends on the order, so the walk is
            // repeated in order up to the 999th picture.
            halt.store(false);
            speicher = std::make_unique<Bildspeicher>();
            vollstaendig = schnell->Aufzaehlen(*speicher, stopp, halt, gestoppt, 0, erstes);
        }
    }
    t.abgebrochen = gestoppt.load();
    t.unvollstaendig = !vollstaendig && !t.abgebrochen;
    t.bilder = speicher->Bilder();
    return t;
}

}  // namespace zahlix
