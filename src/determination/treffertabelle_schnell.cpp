// The walk over all assumed draws of the hit table, and the hit table itself: split over two
// cores when it is large.
#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <memory>
#include <thread>

#include "determination/analyse.h"
#include "determination/teilmengen.h"
#include "determination/treffertabelle_zaehlung.h"

namespace zahlix {

bool SchnelleTabelle::Aufzaehlen(Bildspeicher& speicher, const std::function<bool()>& stopp,
                                 std::atomic<bool>& halt, std::atomic<bool>& gestoppt, int ersteVon,
                                 int ersteBis) {
    Lauf lauf{&speicher, &stopp, &halt, &gestoppt, {}, 0};
    Teilmengen& leer = lauf.ebenen[0];
    leer.anzahl.fill(0);
    leer.anzahl[0] = 1;
    leer.colex[0][0] = 0;
    return Ebene(lauf, 0, -1, 0, Summen{}, ersteVon, ersteBis);
}

Wort SchnelleTabelle::Spalte(const std::vector<Wort>& zaehler, const std::vector<int32_t>& basis,
                             const std::array<int32_t, 35>& colex, int anzahl, int y) const {
    Wort s = 0;
    for (int i = 0; i < anzahl; ++i)
        s = static_cast<Wort>(s +
                              zaehler[static_cast<size_t>(
                                  basis[static_cast<size_t>(colex[static_cast<size_t>(i)])] + y)]);
    return s;
}

bool SchnelleTabelle::Ebene(Lauf& lauf, int tiefe, int letzte, uint64_t praefix, const Summen& s,
                            int von, int bis) {
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
            neu.bonus[q] = static_cast<Wort>(
                neu.bonus[q] + Spalte(bonus_[q], basis_[q], t.colex[q - 1], t.anzahl[q - 1], y));
        // The subsets of the prefix plus y: the old ones and each old one with y.
        u.anzahl.fill(0);
        for (int g = 0; g <= tiefe && g < 7; ++g) {
            for (int i = 0; i < t.anzahl[g]; ++i) {
                const int32_t c = t.colex[g][static_cast<size_t>(i)];
                u.colex[g][static_cast<size_t>(u.anzahl[g]++)] = c;
                u.colex[g + 1][static_cast<size_t>(u.anzahl[g + 1]++)] =
                    c + static_cast<int32_t>(Bin(y, g + 1));
            }
        }
        if (!Ebene(lauf, tiefe + 1, y, praefix | (uint64_t{1} << y), neu, 0, n_)) return false;
    }
    return true;
}

void SchnelleTabelle::Addieren(Wort* acc, const std::vector<Wort>& zaehler,
                               const std::vector<int32_t>& basis,
                               const std::array<int32_t, 35>& colex, int anzahl, int von) const {
    for (int i = 0; i < anzahl; ++i) {
        const Wort* p = zaehler.data() + basis[static_cast<size_t>(colex[static_cast<size_t>(i)])];
        for (int x = von; x < n_; ++x) acc[x] = static_cast<Wort>(acc[x] + p[x]);
    }
}

bool SchnelleTabelle::Innen(Lauf& lauf, int letzte, uint64_t praefix, const Teilmengen& t,
                            const Summen& s) {
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
        if (!lauf.speicher->Zaehlen(BildSchluessel(k[6], k[5], k[4], k[3]) & maske_)) return false;
    }
    return true;
}

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
    t.kombinationen = n >= t.k ? Bin(n, t.k) : 0;
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
            vorn += Bin(n - 1 - teilung++, t.k - 1);
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
