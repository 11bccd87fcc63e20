#include "systems/abdeckung.h"

#include <algorithm>
#include <array>

namespace zahlix {

namespace {

uint64_t Alle(int n) {
    return n >= 64 ? ~uint64_t{0} : (uint64_t{1} << n) - 1;
}

// The r-subsets of five places (r <= 4), each as its places ascending.
const std::vector<std::array<int, 4>>& FuenferTeile(int r) {
    static const auto tabelle = [] {
        std::array<std::vector<std::array<int, 4>>, 5> t;
        for (int maske = 0; maske < 32; ++maske) {
            std::array<int, 4> teil{};
            int k = 0;
            for (int j = 0; j < 5; ++j)
                if ((maske >> j) & 1 && k < 4) teil[static_cast<size_t>(k++)] = j;
            if (std::popcount(static_cast<unsigned>(maske)) <= 4)
                t[static_cast<size_t>(k)].push_back(teil);
        }
        return t;
    }();
    return tabelle[static_cast<size_t>(r)];
}

}  // namespace

Abdeckung::Abdeckung(const Garantieaufgabe& a, std::optional<Symmetrie> s)
    : a_(a), bin_(64 * 8, 0) {
    for (int x = 0; x < 64; ++x) {
        bin_[static_cast<size_t>(x * 8)] = 1;
        for (int k = 1; k < 8 && k <= x; ++k)
            bin_[static_cast<size_t>(x * 8 + k)] = Bin(x - 1, k - 1) + Bin(x - 1, k);
    }
    const uint32_t mengen = Bin(a.n, a.m);
    if (s) {
        constexpr uint32_t kOhne = ~uint32_t{0};
        klasse_.assign(mengen, kOhne);
        for (uint32_t r = 0; r < mengen; ++r) {
            if (klasse_[r] != kOhne) continue;
            const uint64_t m = Maske(r);
            for (int j = 0; j < s->laenge; ++j)
                klasse_[Rang(s->Bild(m, j))] = static_cast<uint32_t>(vertreter_.size());
            vertreter_.push_back(r);
        }
    }
    zahl_.assign(klasse_.empty() ? mengen : vertreter_.size(), 0);
    stelle_.resize(zahl_.size());
    liste_.resize(zahl_.size());
    for (uint32_t k = 0; k < liste_.size(); ++k) liste_[k] = stelle_[k] = k;
    // A move keeps five points, gives up one and takes one: n - 7 points stay outside.
    for (Zug& z : zuege_) {
        z.weg.resize(size_t{Bin(5, a.t - 1)} * Bin(a.n - 7, a.m - a.t));
        z.dazu.resize(z.weg.size());
    }
}

int64_t Abdeckung::Aufwand(int s) const {
    return int64_t{Bin(s, a_.t - 1)} * Bin(a_.n - s - 1, a_.m - a_.t);
}

uint32_t Abdeckung::Rang(uint64_t maske) const {
    uint32_t r = 0;
    for (int i = 1; maske != 0; maske &= maske - 1, ++i) r += Bin(std::countr_zero(maske), i);
    return r;
}

uint64_t Abdeckung::Maske(uint32_t rang) const {
    uint64_t maske = 0;
    int p = a_.n - 1;
    for (int i = a_.m; i >= 1; --i) {
        while (Bin(p, i) > rang) --p;
        rang -= Bin(p, i);
        maske |= uint64_t{1} << p--;
    }
    return maske;
}

uint32_t Abdeckung::RangMit(const int* z, int len, int p) const {
    uint32_t r = 0;
    int i = 0;
    for (; i < len && z[i] < p; ++i) r += Bin(z[i], i + 1);
    r += Bin(p, i + 1);
    for (; i < len; ++i) r += Bin(z[i], i + 2);
    return r;
}

void Abdeckung::Verlieren(uint32_t k) {
    if (--zahl_[k] != 0) return;
    stelle_[k] = static_cast<uint32_t>(liste_.size());
    liste_.push_back(k);
}

void Abdeckung::Gewinnen(uint32_t k) {
    if (zahl_[k]++ != 0) return;
    const uint32_t letzte = liste_.back();
    liste_[stelle_[k]] = letzte;
    stelle_[letzte] = stelle_[k];
    liste_.pop_back();
}

template <typename F>
void Abdeckung::Gehalten(uint64_t reihe, F&& f) const {
    const uint64_t rest = Alle(a_.n) & ~reihe;
    for (int i = a_.t; i <= std::min(6, a_.m); ++i)
        Vereinigungen(reihe, i, rest, a_.m - i, [&](const int* z, int len) {
            uint32_t r = 0;
            for (int j = 0; j < len; ++j) r += Bin(z[j], j + 1);
            f(Klasse(r));
        });
}

void Abdeckung::Vermerken(uint64_t reihe, size_t i, bool an) {
    const uint64_t bit = uint64_t{1} << (i % 64);
    for (; reihe != 0; reihe &= reihe - 1) {
        uint64_t& w = mit_[static_cast<size_t>(std::countr_zero(reihe)) * worte_ + i / 64];
        w = an ? w | bit : w & ~bit;
    }
}

void Abdeckung::Hinzufuegen(uint64_t reihe) {
    if (reihen_.size() == worte_ * 64) {
        const size_t worte = worte_ * 2 + 1;
        std::vector<uint64_t> mit(static_cast<size_t>(a_.n) * worte, 0);
        for (size_t p = 0; p < static_cast<size_t>(a_.n); ++p)
            std::copy_n(mit_.begin() + static_cast<ptrdiff_t>(p * worte_), worte_,
                        mit.begin() + static_cast<ptrdiff_t>(p * worte));
        mit_.swap(mit);
        worte_ = worte;
        treffer_.resize(worte);
    }
    reihen_.push_back(reihe);
    Vermerken(reihe, reihen_.size() - 1, true);
    Gehalten(reihe, [this](uint32_t k) { Gewinnen(k); });
}

void Abdeckung::Entfernen(size_t i) {
    Gehalten(reihen_[i], [this](uint32_t k) { Verlieren(k); });
    const size_t letzte = reihen_.size() - 1;
    Vermerken(reihen_[i], i, false);
    Vermerken(reihen_[letzte], letzte, false);
    reihen_[i] = reihen_[letzte];
    reihen_.pop_back();
    if (i < letzte) Vermerken(reihen_[i], i, true);
}

void Abdeckung::Setzen(const std::vector<uint64_t>& reihen) {
    while (!reihen_.empty()) Entfernen(reihen_.size() - 1);
    for (uint64_t r : reihen) Hinzufuegen(r);
}

int64_t Abdeckung::Allein(size_t i) {
    // Counted by taking the row's share off and back, so an orbit the row holds twice counts.
    int64_t allein = 0;
    Gehalten(reihen_[i], [&](uint32_t k) { allein += --zahl_[k] == 0; });
    Gehalten(reihen_[i], [&](uint32_t k) { ++zahl_[k]; });
    return allein;
}

int64_t Abdeckung::ZeileMit(uint64_t menge, int k, Zufall& z) {
    const size_t worte = (reihen_.size() + 63) / 64;
    int64_t anzahl = 0;
    for (size_t w = 0; w < worte; ++w) {
        // Three bit planes count, per row, the points of `menge` it holds.
        uint64_t c0 = 0, c1 = 0, c2 = 0;
        for (uint64_t m = menge; m != 0; m &= m - 1) {
            const uint64_t x = mit_[static_cast<size_t>(std::countr_zero(m)) * worte_ + w];
            const uint64_t u0 = c0 & x;
            c0 ^= x;
            c2 |= c1 & u0;
            c1 ^= u0;
        }
        treffer_[w] = (k & 1 ? c0 : ~c0) & (k & 2 ? c1 : ~c1) & (k & 4 ? c2 : ~c2);
        if (w + 1 == worte && reihen_.size() % 64 != 0)
            treffer_[w] &= (uint64_t{1} << (reihen_.size() % 64)) - 1;
        anzahl += std::popcount(treffer_[w]);
    }
    if (anzahl == 0) return -1;
    int64_t r = Wahl(z, static_cast<uint32_t>(anzahl));
    for (size_t w = 0;; ++w) {
        const int in = std::popcount(treffer_[w]);
        if (r >= in) {
            r -= in;
            continue;
        }
        uint64_t t = treffer_[w];
        for (; r > 0; --r) t &= t - 1;
        return static_cast<int64_t>(w * 64) + std::countr_zero(t);
    }
}

int64_t Abdeckung::NaechstesOffen(int64_t ab) const {
    for (int64_t r = ab; r < Mengen(); ++r)
        if (zahl_[static_cast<size_t>(r)] == 0) return r;
    return -1;
}

int64_t Abdeckung::Bewerten(size_t i, int x, int y) {
    const uint64_t reihe = reihen_[i], kern = reihe & ~(uint64_t{1} << x);
    const uint64_t rest = Alle(a_.n) & ~reihe & ~(uint64_t{1} << y);
    Zug& zug = zuege_[static_cast<size_t>(frei_)];
    zug.zeile = i;
    zug.neu = kern | uint64_t{1} << y;
    uint32_t *weg = zug.weg.data(), *dazu = zug.dazu.data();
    const uint32_t* zahl = zahl_.data();
    const bool direkt = klasse_.empty();
    if (direkt && a_.m == a_.t) {
        // The hot case: the subsets are x or y with t - 1 of the five kept points, whose ranks
        // follow from where x and y fall among those points.
        int k[5], n = 0, vorX = 0, vorY = 0;
        for (uint64_t r = kern; r != 0; r &= r - 1) k[n++] = std::countr_zero(r);
        for (int j = 0; j < 5; ++j) vorX += k[j] < x, vorY += k[j] < y;
        const int r = a_.t - 1;
        int64_t verloren = 0, gewonnen = 0;
        for (const auto& teil : FuenferTeile(r)) {
            uint32_t w = 0, d = 0;
            int unterX = 0, unterY = 0;
            for (int l = 0; l < r; ++l) {
                const int j = teil[static_cast<size_t>(l)];
                const bool nachX = j >= vorX, nachY = j >= vorY;
                w += Bin(k[j], l + 1 + nachX);
                d += Bin(k[j], l + 1 + nachY);
                unterX += !nachX, unterY += !nachY;
            }
            w += Bin(x, unterX + 1);
            d += Bin(y, unterY + 1);
            *weg++ = w;
            *dazu++ = d;
            verloren += zahl[w] == 1;
            gewonnen += zahl[d] == 0;
        }
        return verloren - gewonnen;
    }
    int64_t verloren = 0, gewonnen = 0;
    // Without symmetry every m-subset comes at most once: its counter alone decides.
    Vereinigungen(kern, a_.t - 1, rest, a_.m - a_.t, [&](const int* z, int len) {
        const uint32_t w = RangMit(z, len, x), d = RangMit(z, len, y);
        *weg++ = w;
        *dazu++ = d;
        if (direkt) {
            verloren += zahl[w] == 1;
            gewonnen += zahl[d] == 0;
        }
    });
    if (direkt) return verloren - gewonnen;
    // An orbit may come several times, on both sides: take the move off and back.
    verloren = gewonnen = 0;
    for (uint32_t& w : zug.weg) verloren += --zahl_[w = klasse_[w]] == 0;
    for (uint32_t& d : zug.dazu) gewonnen += zahl_[d = klasse_[d]]++ == 0;
    for (uint32_t d : zug.dazu) --zahl_[d];
    for (uint32_t w : zug.weg) ++zahl_[w];
    return verloren - gewonnen;
}

void Abdeckung::Ausfuehren() {
    const Zug& zug = zuege_[static_cast<size_t>(frei_ ^ 1)];
    for (uint32_t w : zug.weg) Verlieren(w);
    for (uint32_t d : zug.dazu) Gewinnen(d);
    Vermerken(reihen_[zug.zeile], zug.zeile, false);
    reihen_[zug.zeile] = zug.neu;
    Vermerken(zug.neu, zug.zeile, true);
}

int64_t Abdeckung::Gewinn(uint64_t teil, int p) const {
    const uint64_t rest = Alle(a_.n) & ~teil & ~(uint64_t{1} << p);
    int64_t gewinn = 0;
    Vereinigungen(teil, a_.t - 1, rest, a_.m - a_.t,
                  [&](const int* z, int len) { gewinn += zahl_[RangMit(z, len, p)] == 0; });
    return gewinn;
}

}  // namespace zahlix
