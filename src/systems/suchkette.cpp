#include "systems/suchkette.h"

#include <algorithm>
#include <array>

#include "determination/teilmengen.h"

namespace zahlix {

namespace {

// A partial row whose gain counts would look at more ranks than this per point gets its
// points chosen by the t-subsets they newly hold instead.
constexpr int64_t kTeuererGewinn = 4096;
// The symmetric phase runs for at most this many m-subsets.
constexpr int64_t kSymmetrieGrenze = 600'000;

// 2^32 * e^(-x / 2^32) in integers only, so acceptance is the same on every platform.
uint64_t ExpNegativ(uint64_t x) {
    constexpr uint64_t kLn2 = 2977044472u;  // ln 2 * 2^32
    const uint64_t k = x / kLn2;
    if (k >= 32) return 0;
    const uint64_t r = x - k * kLn2;
    uint64_t glied = uint64_t{1} << 32, plus = glied, minus = 0;
    for (uint64_t i = 1; i < 16 && glied != 0; ++i) {
        glied = (glied * r >> 32) / i;
        (i % 2 != 0 ? minus : plus) += glied;
    }
    return (plus - minus) >> k;
}

// A bit count without the library call the baseline instruction set falls back on.
inline int Bits(uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

int ZufallsPunkt(Zufall& z, uint64_t maske) {
    for (uint32_t i = Wahl(z, static_cast<uint32_t>(std::popcount(maske))); i > 0; --i)
        maske &= maske - 1;
    return std::countr_zero(maske);
}

// The anneal's temperature as acceptance thresholds for a cost rise of 1..kStufen-1.
constexpr int kStufen = 64;
struct Temperatur {
    std::array<uint32_t, kStufen> schwelle{};
    void Setzen(uint64_t beta) {  // 1/T times 2^32
        for (int d = 1; d < kStufen; ++d)
            schwelle[static_cast<size_t>(d)] = static_cast<uint32_t>(
                std::min<uint64_t>(ExpNegativ(beta * static_cast<uint64_t>(d)), 0xFFFF'FFFFu));
    }
};

class Kette {
  public:
    Kette(const Kettenauftrag& auftrag, Suchsignale& signale, Kettenstand& stand)
        : k_(auftrag), s_(signale), stand_(stand), z_(auftrag.seed) {}

    Kettenergebnis Laufen();

  private:
    bool Abbruch() const {
        // Without a time limit a lower chain never gives up for a higher one, so the result does
        // not depend on which got there first; with one it already depends on the clock, and
        // waiting out the limit after the goal would only keep the user waiting.
        const int amZiel = s_.amZiel.load(std::memory_order_relaxed);
        return s_.stopp.load(std::memory_order_relaxed) || amZiel < k_.index ||
               (k_.frist &&
                (amZiel < kKeineKette || std::chrono::steady_clock::now() >= *k_.frist));
    }
    bool ZeitUm() const {
        return s_.stopp.load(std::memory_order_relaxed) ||
               (k_.frist && std::chrono::steady_clock::now() >= *k_.frist);
    }
    // Drops the row whose loss opens the fewest m-subsets (orbits).
    void Verkleinern(Abdeckung& a);
    // Anneals a at its row count for at most `zuege` moves; true when complete. With a
    // symmetry the rows are base rows and a move may serve any image of the open subset.
    bool Gluehen(Abdeckung& a, const Symmetrie* s, int64_t zuege);
    // The best system whose rows are orbits of a symmetry, tried for each in turn.
    void Symmetrisch(Kettenergebnis& e, int64_t zuege);
    void Erreicht(Kettenergebnis& e, std::vector<uint64_t> reihen);

    const Kettenauftrag& k_;
    Suchsignale& s_;
    Kettenstand& stand_;
    Zufall z_;
    int64_t verbraucht_ = 0;
};

void Kette::Erreicht(Kettenergebnis& e, std::vector<uint64_t> reihen) {
    e.beste = std::move(reihen);
    stand_.beste.store(static_cast<int>(e.beste.size()));
}

void Kette::Verkleinern(Abdeckung& a) {
    size_t wahl = 0;
    int64_t wenigste = -1, gleich = 0;
    // Where a row's subsets are many, the time limit may fall due while they are counted.
    for (size_t i = 0; i < a.Reihen().size() && !(i > 0 && ZeitUm()); ++i) {
        const int64_t allein = a.Allein(i);
        if (wenigste < 0 || allein < wenigste) {
            wenigste = allein, wahl = i, gleich = 1;
        } else if (allein == wenigste && Wahl(z_, static_cast<uint32_t>(++gleich)) == 0) {
            wahl = i;
        }
    }
    a.Entfernen(wahl);
}

bool Kette::Gluehen(Abdeckung& a, const Symmetrie* s, int64_t zuege) {
    const int t = a.Aufgabe().t;
    const auto& reihen = a.Reihen();
    // 1/T rises in equal steps from 2 to 12: a rise of the cost by one is taken at first one
    // time in seven, at the end almost never.
    constexpr uint64_t kBetaAnfang = uint64_t{2} << 32, kBetaEnde = uint64_t{12} << 32;
    constexpr int64_t kAbschnitte = 48;
    const int64_t abschnitt = std::max<int64_t>(1, zuege / kAbschnitte);
    Temperatur temp;
    std::vector<std::pair<uint32_t, uint64_t>> kandidaten;
    // Stop and time are asked about every million subsets looked at, at most every 1024 moves.
    const int64_t proZug = (8 - t) * a.ZugAufwand() * (s ? 3 : 1) +
                           static_cast<int64_t>(reihen.size()) * (s ? s->laenge : 1);
    const int64_t pruefen = std::clamp<int64_t>(1'000'000 / std::max<int64_t>(1, proZug), 1, 1024);
    for (int64_t zug = 0; zug < zuege; ++zug) {
        if (a.Offen() == 0) break;
        if (zug % abschnitt == 0)
            temp.Setzen(kBetaAnfang +
                        (kBetaEnde - kBetaAnfang) / kAbschnitte *
                            static_cast<uint64_t>(std::min(zug / abschnitt, kAbschnitte)));
        if (zug % pruefen == 0) {
            stand_.offen.store(a.Offen(), std::memory_order_relaxed);
            if (Abbruch()) break;
        }
        ++verbraucht_;
        uint64_t menge = a.ZufaelligOffen(z_);
        // A row one point short of holding the subset (or an image of it); if none, any row
        // comes a point closer.
        int64_t i = -1;
        if (!s) {
            i = a.ZeileMit(menge, t - 1, z_);
        } else {
            kandidaten.clear();
            for (int j = 0; j < s->laenge; ++j) {
                const uint64_t bild = s->Bild(menge, j);
                for (uint32_t r = 0; r < reihen.size(); ++r)
                    if (Bits(reihen[r] & bild) == t - 1) kandidaten.push_back({r, bild});
            }
            if (!kandidaten.empty()) {
                const auto& k = kandidaten[Wahl(z_, static_cast<uint32_t>(kandidaten.size()))];
                i = k.first, menge = k.second;
            }
        }
        if (i < 0) i = Wahl(z_, static_cast<uint32_t>(reihen.size()));
        const size_t zeile = static_cast<size_t>(i);
        const int y = ZufallsPunkt(z_, menge & ~reihen[zeile]);
        // The point to give up: the one whose loss opens least, between equals by chance.
        int x = -1;
        int64_t bestes = 0, gleich = 0;
        for (uint64_t r = reihen[zeile] & ~menge; r != 0; r &= r - 1) {
            const int p = std::countr_zero(r);
            const int64_t d = a.Bewerten(zeile, p, y);
            if (x < 0 || d < bestes) {
                x = p, bestes = d, gleich = 1;
                a.Merken();
            } else if (d == bestes && Wahl(z_, static_cast<uint32_t>(++gleich)) == 0) {
                x = p;
                a.Merken();
            }
        }
        if (bestes <= 0 || (bestes < kStufen && static_cast<uint32_t>(z_.Naechste()) <
                                                    temp.schwelle[static_cast<size_t>(bestes)]))
            a.Ausfuehren();
    }
    stand_.offen.store(a.Offen(), std::memory_order_relaxed);
    return a.Offen() == 0;
}

void Kette::Symmetrisch(Kettenergebnis& e, int64_t zuege) {
    // Every symmetry gets a short anneal in turn, the failed ones twice as long next round, so
    // the one that fits is found early whichever it is.
    struct Versuch {
        Symmetrie s;
        Abdeckung a;
        int64_t laenge;
    };
    constexpr int64_t grund = 20'000;
    const uint64_t alle = (uint64_t{1} << k_.aufgabe.n) - 1;
    std::vector<Versuch> versuche;
    for (const Symmetrie& s : Symmetrien(k_.aufgabe.n)) {
        versuche.push_back({s, Abdeckung(k_.aufgabe, s), grund});
        for (size_t b = (e.beste.size() - 1) / static_cast<size_t>(s.laenge); b > 0; --b)
            versuche.back().a.Hinzufuegen(z_.Ziehen(alle, 6));
    }
    const int64_t bis = verbraucht_ + zuege;
    bool weiter = true;
    while (weiter && verbraucht_ < bis && !ZeitUm()) {
        weiter = false;
        for (Versuch& v : versuche) {
            auto& a = v.a;
            while (!a.Reihen().empty() && !ZeitUm() &&
                   a.Reihen().size() * static_cast<size_t>(v.s.laenge) >= e.beste.size())
                Verkleinern(a);
            if (a.Reihen().empty() || v.laenge > 16 * grund || verbraucht_ >= bis || ZeitUm())
                continue;
            weiter = true;
            stand_.reihen.store(static_cast<int>(a.Reihen().size()) * v.s.laenge);
            const bool ok = Gluehen(a, &v.s, std::min(v.laenge, bis - verbraucht_));
            if (!ok) {
                v.laenge *= 2;
                continue;
            }
            v.laenge = grund;
            std::vector<uint64_t> reihen = Bahnen(a.Reihen(), v.s);
            if (reihen.size() < e.beste.size()) Erreicht(e, std::move(reihen));
            if (static_cast<int>(e.beste.size()) <= k_.ziel) return;
            Verkleinern(a);
        }
    }
}

Kettenergebnis Kette::Laufen() {
    Kettenergebnis e;
    Abdeckung a(k_.aufgabe);
    e.beste = GierigerStart(a, z_, [this] { return ZeitUm(); });
    if (e.beste.empty()) return e;
    e.gierig = static_cast<int>(e.beste.size());
    stand_.beste.store(e.gierig);
    const auto& g = k_.aufgabe;
    const int64_t zuege =
        k_.arbeit / (e.gierig + 2 * Bin(5, g.t - 1) * Bin(g.n - 7, g.m - g.t) + 8);
    // One chain tries the symmetric systems first, the other anneals plain rows at once. Each
    // symmetry keeps a table as large as the plain one, so very large tasks go without.
    if (e.gierig > k_.ziel && (k_.index % 2 == 1 || k_.ketten == 1) &&
        Bin(g.n, g.m) <= kSymmetrieGrenze)
        Symmetrisch(e, zuege / 5);

    // Twice the rows times the open m-subsets of a fresh row: long enough for the easy steps.
    const int64_t grund = std::max<int64_t>(20'000, 200 * int64_t{e.gierig});
    int64_t laenge = grund;
    int schritt = 1;
    a.Setzen(e.beste);
    Verkleinern(a);
    while (static_cast<int>(e.beste.size()) > k_.ziel && verbraucht_ < zuege && !Abbruch()) {
        stand_.reihen.store(static_cast<int>(a.Reihen().size()));
        const int64_t vorher = verbraucht_;
        const bool ok = Gluehen(a, nullptr, std::min(laenge, zuege - verbraucht_));
        if (ok) {
            Erreicht(e, a.Reihen());
            laenge = grund;
            schritt = verbraucht_ - vorher < grund / 8 ? schritt * 2 : std::max(1, schritt / 2);
            schritt =
                std::min<int>(schritt, static_cast<int>(e.beste.size()) - std::max(k_.ziel, 1));
            for (int i = 0; i < schritt && !ZeitUm(); ++i) Verkleinern(a);
        } else if (schritt > 1) {
            schritt = 1;
            a.Setzen(e.beste);
            Verkleinern(a);
            laenge *= 2;
        } else {
            laenge *= 2;
        }
    }
    if (static_cast<int>(e.beste.size()) <= k_.ziel) {
        int frueher = s_.amZiel.load();
        while (k_.index < frueher && !s_.amZiel.compare_exchange_weak(frueher, k_.index)) {
        }
    }
    return e;
}

}  // namespace

std::vector<uint64_t> GierigerStart(Abdeckung& a, Zufall& z, const std::function<bool()>& abbruch) {
    const Garantieaufgabe& g = a.Aufgabe();
    // Where counting m-subsets per candidate point costs too much, t-subsets stand in.
    std::optional<Abdeckung> ersatz;
    if (g.m > g.t && a.Aufwand(5) > kTeuererGewinn) ersatz.emplace(Garantieaufgabe{g.n, g.t, g.t});
    const uint64_t alle = g.n >= 64 ? ~uint64_t{0} : (uint64_t{1} << g.n) - 1;
    for (int64_t r = 0; (r = a.NaechstesOffen(r)) >= 0;) {
        if (abbruch()) return {};
        // t points of the open m-subset make the row hold it.
        uint64_t rest = a.Maske(static_cast<uint32_t>(r)), teil = 0;
        for (int i = 0; i < g.t; ++i) {
            const int p = ZufallsPunkt(z, rest);
            teil |= uint64_t{1} << p;
            rest &= ~(uint64_t{1} << p);
        }
        for (int s = g.t; s < 6; ++s) {
            int beste = -1;
            int64_t hoechster = -1, gleich = 0;
            for (uint64_t frei = alle & ~teil; frei != 0; frei &= frei - 1) {
                const int p = std::countr_zero(frei);
                const int64_t gewinn = ersatz ? ersatz->Gewinn(teil, p) : a.Gewinn(teil, p);
                if (gewinn > hoechster) {
                    hoechster = gewinn, beste = p, gleich = 1;
                } else if (gewinn == hoechster && Wahl(z, static_cast<uint32_t>(++gleich)) == 0) {
                    beste = p;
                }
            }
            teil |= uint64_t{1} << beste;
        }
        a.Hinzufuegen(teil);
        if (ersatz) ersatz->Hinzufuegen(teil);
    }
    // Dropping a row only makes the others more needed, so one pass from the back suffices.
    for (size_t i = a.Reihen().size(); i-- > 0;)
        if (a.Allein(i) == 0) a.Entfernen(i);
    return a.Reihen();
}

Kettenergebnis KetteLaufen(const Kettenauftrag& auftrag, Suchsignale& signale, Kettenstand& stand) {
    return Kette(auftrag, signale, stand).Laufen();
}

}  // namespace zahlix
