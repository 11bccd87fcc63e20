// The filter and its guarantee figure against literal counts: every filter rule checked on
// every row by its plain definition, and the figure by trying every row on every draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "drawhistory/gruppenmuster.h"
#include "systems/garantieanteil.h"
#include "systems/reihenfilter.h"

using namespace zahlix;

namespace {

std::vector<Reihenmaske> Zufallsreihen(std::mt19937& g, const std::vector<int>& zahlen, int n) {
    std::vector<Reihenmaske> r;
    for (int i = 0; i < n; ++i) {
        std::vector<int> z = zahlen;
        std::shuffle(z.begin(), z.end(), g);
        r.push_back(MaskeAus(std::span(z).first(6)));
    }
    return r;
}

int LaengsteFolge(const std::vector<int>& z) {
    int best = 1, lauf = 1;
    for (std::size_t i = 1; i < z.size(); ++i)
        best = std::max(best, lauf = z[i] == z[i - 1] + 1 ? lauf + 1 : 1);
    return best;
}

int MeisteGleiche(const std::vector<int>& z, int (*gruppe)(int)) {
    std::array<int, 64> n{};
    for (int x : z) ++n[static_cast<std::size_t>(gruppe(x))];
    return *std::max_element(n.begin(), n.end());
}

// The rule of each filter as a player states it, on the numbers of the row.
bool Literal(Reihenmaske r, const Systemfilter& f) {
    const std::vector<int> z = ZahlenAusMaske(r);
    int summe = 0, ungerade = 0, tief = 0;
    for (int x : z) summe += x, ungerade += x % 2, tief += x <= 24;
    const int muster[] = {ZeilenMuster(z),     SpaltenMuster(z),  ZehnerMuster(z),
                          EndziffernMuster(z), NachbarnMuster(z), BilderMuster(z),
                          tief * 7 + ungerade};
    for (int a = 0; a < kMusterarten; ++a)
        if (!f.MusterErlaubt(static_cast<Musterart>(a), muster[a])) return false;
    for (Reihenmaske d : f.ziehungen)
        if (f.gezogenTreffer > 0 && AnzahlIn(d & r) >= f.gezogenTreffer) return false;
    return (!f.summe || f.summe->Enthaelt(summe)) &&
           (!f.ungerade || f.ungerade->Enthaelt(ungerade)) && (!f.tief || f.tief->Enthaelt(tief)) &&
           (!f.nachbarn || LaengsteFolge(z) <= *f.nachbarn) &&
           (!f.zehner || MeisteGleiche(z, [](int x) { return x / 10; }) <= *f.zehner) &&
           (!f.endziffern || MeisteGleiche(z, [](int x) { return x % 10; }) <= *f.endziffern);
}

}  // namespace

TEST(Systemfilter, JederFilterWieSeineRegelAufJederReihe) {
    std::mt19937 g(19);
    std::vector<int> neunundvierzig(49);
    for (int i = 0; i < 49; ++i) neunundvierzig[static_cast<std::size_t>(i)] = i + 1;
    const auto quelle = Zufallsreihen(g, neunundvierzig, 3000);
    const auto ziehungen = Zufallsreihen(g, neunundvierzig, 400);
    auto mit = [](auto aendern) {
        Systemfilter f;
        aendern(f);
        return f;
    };
    const Systemfilter faelle[] = {
        mit([](Systemfilter& f) {
            f.summe = Spanne{120, 180};
        }),
        mit([](Systemfilter& f) {
            f.ungerade = Spanne{2, 4};
        }),
        mit([](Systemfilter& f) {
            f.tief = Spanne{3, 3};
        }),
        mit([](Systemfilter& f) { f.nachbarn = 1; }),
        mit([](Systemfilter& f) { f.zehner = 2; }),
        mit([](Systemfilter& f) { f.endziffern = 1; }),
        mit([](Systemfilter& f) { f.muster[2] = (1u << 9) | (1u << 10); }),
        mit([](Systemfilter& f) { f.muster[6] = uint64_t{1} << (3 * 7 + 3); }),
        mit([&](Systemfilter& f) { f.ziehungen = ziehungen, f.gezogenTreffer = 5; }),
        mit([&](Systemfilter& f) { f.ziehungen = quelle, f.gezogenTreffer = 6; }),
        mit([](Systemfilter& f) {
            f.summe = Spanne{90, 200}, f.gemeinsam = 2;
        }),
        mit([](Systemfilter& f) { f.gemeinsam = 3; }),
        mit([](Systemfilter& f) {
            f.summe = Spanne{300, 300};
        }),
    };
    for (std::size_t fall = 0; fall < std::size(faelle); ++fall) {
        const Systemfilter& f = faelle[fall];
        std::vector<Reihenmaske> erwartet;
        for (Reihenmaske r : quelle) {
            if (!Literal(r, f)) continue;
            const bool nah = std::any_of(erwartet.begin(), erwartet.end(), [&](Reihenmaske k) {
                return f.gemeinsam && AnzahlIn(k & r) > *f.gemeinsam;
            });
            if (!nah) erwartet.push_back(r);
        }
        const Filterergebnis e = FilterAnwenden(quelle, f);
        EXPECT_EQ(e.reihen, erwartet) << "Fall " << fall;
        if (fall == 6) {  // a value counts the rows it would let through
            Systemfilter alle = f;
            alle.muster[2] = kAlleMuster;
            for (int w = 1; w <= 11; ++w) {
                Systemfilter nur = f;
                nur.muster[2] = uint64_t{1} << w;
                EXPECT_EQ(e.musterAnzahl[2][static_cast<std::size_t>(w)],
                          static_cast<int64_t>(FilterAnwenden(quelle, nur).reihen.size()));
            }
        }
    }
    const auto alle = AlleReihen(MaskeAus(std::vector<int>{2, 3, 5, 8, 13, 21, 34, 44}));
    EXPECT_EQ(alle.size(), 28u);
    EXPECT_EQ(alle.front(), MaskeAus(std::vector<int>{2, 3, 5, 8, 13, 21}));
    EXPECT_TRUE(std::adjacent_find(alle.begin(), alle.end()) == alle.end());
}

TEST(Systemfilter, GarantieWieJedeReiheGegenJedeZiehung) {
    std::mt19937 g(7);
    struct Fall {
        int zahlen, reihen;
    };
    for (const Fall fall :
         {Fall{6, 1}, Fall{7, 3}, Fall{9, 12}, Fall{11, 30}, Fall{13, 5}, Fall{14, 0}}) {
        std::vector<int> zahlen;
        for (int i = 0; i < fall.zahlen; ++i) zahlen.push_back(3 + 3 * i);
        auto reihen = Zufallsreihen(g, zahlen, fall.reihen);
        reihen.push_back(MaskeAus(std::vector<int>{1, 2, 4, 5, 7, 3}));  // mostly outside
        const Reihenmaske z = MaskeAus(zahlen);
        const auto t = GarantieBerechnen(z, reihen);
        ASSERT_TRUE(t);
        for (int m = 1; m <= 6; ++m) {
            std::array<int64_t, 7> erwartet{};
            std::vector<bool> wahl(zahlen.size(), false);
            std::fill(wahl.end() - m, wahl.end(), true);
            do {
                Reihenmaske s = 0;
                for (std::size_t i = 0; i < wahl.size(); ++i)
                    if (wahl[i]) s |= Reihenmaske{1} << (zahlen[i] - 1);
                int beste = 0;
                for (Reihenmaske r : reihen) beste = std::max(beste, AnzahlIn(r & s));
                ++erwartet[static_cast<std::size_t>(beste)];
            } while (std::next_permutation(wahl.begin(), wahl.end()));
            EXPECT_EQ(t->anzahl[static_cast<std::size_t>(m)], erwartet) << fall.zahlen << "/" << m;
        }
    }
    Garantietabelle voll;
    voll.zahlen = 7;
    voll.anzahl[4] = {0, 0, 0, 1, 34};
    EXPECT_EQ(Garantiesatz(voll, 3, 4), "3 aus 4 in 100 % aller Ziehungen");
    EXPECT_EQ(Garantiesatz(voll, 4, 4), "4 aus 4 in 97,1 % aller Ziehungen");
    for (const auto& [teil, gesamt, text] :
         {std::tuple{0, 5, "0 %"}, {1, 2000, "unter 0,1 %"}, {1999, 2000, "99,9 %"}, {7, 0, "-"}})
        EXPECT_EQ(Anteiltext(teil, gesamt), text);
}
