#include "determination/treffertabelle.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>
#include <vector>

#include "core/lottodatei_io.h"
#include "determination/zeilen.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

// Random draws whose numbers cluster on 1..14, so small systems see many 3..6-hit rows and
// bonus numbers inside the system.
Lottodatei Zufallshistorie(int anzahl, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<test::Ziehung> z;
    for (int i = 0; i < anzahl; ++i) {
        std::vector<int> alle;
        for (int n = 1; n <= 49; ++n) alle.push_back(n);
        std::shuffle(alle.begin(), alle.begin() + 14, rng);
        std::shuffle(alle.begin() + 4, alle.end(), rng);
        test::Ziehung zz{i % 52 + 1, 2000 + i / 52, 0, {}, 0};
        for (int j = 0; j < 6; ++j)
            zz.zahlen[static_cast<size_t>(j)] = alle[static_cast<size_t>(j)];
        zz.zusatz = rng() % 3 == 0 ? 50 : alle[6];
        z.push_back(zz);
    }
    Lottodatei d = test::HistorieAus(z);
    for (int i = 0; i < anzahl; i += 7) d.ImBereich[static_cast<size_t>(i)] = 0;
    // Damaged rows the engine still takes: eight numbers, and a bonus among the numbers.
    Bitworte w = ZahlenPacken(std::vector{1, 2, 3, 4, 5, 6, 7, 8});
    d.ZahlenSetzen(3, {w[0], w[1], w[2], static_cast<int16_t>(w[3] | (9 << 8))});
    w = ZahlenPacken(std::vector{2, 3, 5, 7, 9, 11});
    d.ZahlenSetzen(10, {w[0], w[1], w[2], static_cast<int16_t>(w[3] | (5 << 8))});
    return d;
}

void ErwarteGleich(const Treffertabellenergebnis& a, const Treffertabellenergebnis& b) {
    EXPECT_EQ(a.kombinationen, b.kombinationen);
    EXPECT_EQ(a.unvollstaendig, b.unvollstaendig);
    ASSERT_EQ(a.bilder.size(), b.bilder.size());
    for (size_t i = 0; i < a.bilder.size(); ++i) {
        EXPECT_EQ(a.bilder[i].klassen, b.bilder[i].klassen) << "Bild " << i;
        EXPECT_EQ(a.bilder[i].anzahl, b.bilder[i].anzahl) << "Bild " << i;
    }
}

}  // namespace

TEST(Treffertabelle, SchnellGleichWoertlichAufZufallshistorien) {
    const Lottodatei d = Zufallshistorie(400, 7);
    const Zusatzzahlwertung schalter[] = {{0, 0, 0}, {1, 1, 1}, {1, 0, 1}, {0, 1, 0}};
    int fall = 0;
    for (int n = 8; n <= 12; ++n) {
        std::vector<int> m;
        for (int z = 1; z <= n; ++z) m.push_back(z + (z > 10 ? 20 : 0));
        for (int index : {0, 2, 5, 7, 9, 12, 13}) {
            const auto& z = schalter[static_cast<size_t>(fall++ % 4)];
            SCOPED_TRACE("n " + std::to_string(n) + " index " + std::to_string(index));
            ErwarteGleich(TreffertabelleBerechnen(d, m, index, z),
                          TreffertabelleWoertlich(d, m, index, z));
        }
    }
}

TEST(Treffertabelle, SchnellGleichWoertlichAufEchterHistorie) {
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(pfad.string(), d), 0);
    const std::vector<int> m{3, 7, 11, 19, 22, 26, 31, 38, 42, 49};
    for (int index : {1, 4, 8, 11})
        ErwarteGleich(TreffertabelleBerechnen(d, m, index, {1, 1, 1}),
                      TreffertabelleWoertlich(d, m, index, {1, 1, 1}));
    // 26 numbers: two threads, and the table fills up, so the walk is repeated in order.
    std::vector<int> viele;
    for (int z = 1; z <= 26; ++z) viele.push_back(z);
    const auto voll = TreffertabelleBerechnen(d, viele, 9, {1, 1, 1});
    EXPECT_TRUE(voll.unvollstaendig);
    ErwarteGleich(voll, TreffertabelleWoertlich(d, viele, 9, {1, 1, 1}));
}

TEST(Treffertabelle, VolleTabelleEndetWieWoertlichBeim999tenBild) {
    const Lottodatei d = Zufallshistorie(3000, 11);
    std::vector<int> m;
    for (int z = 1; z <= 16; ++z) m.push_back(z);
    const auto schnell = TreffertabelleBerechnen(d, m, 9, {1, 1, 1});
    EXPECT_TRUE(schnell.unvollstaendig);
    EXPECT_EQ(schnell.bilder.size(), 999u);
    ErwarteGleich(schnell, TreffertabelleWoertlich(d, m, 9, {1, 1, 1}));
}

TEST(Treffertabelle, TextMitSpaltenmusterUndLeererTabelle) {
    // Both rows hold 1 2 3, only the second one 4: {1,2,3} hits three in two rows, the other
    // three triples in one.
    const Lottodatei d = test::HistorieAus(
        {{1, 2001, 0, {1, 2, 3, 10, 11, 12}, 0}, {2, 2001, 0, {1, 2, 3, 4, 13, 14}, 0}});
    const std::vector<int> m{1, 2, 3, 4};
    const auto t = TreffertabelleBerechnen(d, m, 0, {0, 0, 0});
    EXPECT_EQ(TreffertabelleText(t, "T", "B"),
              "* T\r\n* Bereich - B\r\n* Treffertabelle - 3 Treffer\r\n"
              "    6T    5T    4T    3T       Anzahl   in%\r\n"
              "     -     -     -     2            1  25,00%\r\n"
              "     -     -     -     1            3  75,00%\r\n\r\n" +
                  std::string(80, '-') + "\r\n");
    const auto leer = TreffertabelleBerechnen(d, m, 9, {0, 0, 0});  // n < k
    EXPECT_EQ(leer.kombinationen, 0);
    EXPECT_TRUE(leer.bilder.empty());
    EXPECT_EQ(TreffertabelleStatus(leer), kStatusTreffertabelleFertig);
    const auto eins = TreffertabelleBerechnen(d, m, 1, {0, 0, 0});
    EXPECT_TRUE(
        TreffertabelleText(eins, "T", "B").find("     -     -     1     *            1  100,00%") !=
        std::string::npos);
}

// 26 numbers, index 6: two threads and a table far from full, so the halves are merged. The
// picture of an assumed draw is how many draws equal it: counted here directly.
TEST(Treffertabelle, ZweiKerneOhneVolleTabelleWieDirekteZaehlung) {
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(pfad.string(), d), 0);
    std::vector<int> m(26);
    std::iota(m.begin(), m.end(), 1);
    std::map<uint64_t, int32_t> gleich;
    for (const Zeile& z : ZeilenImBereich(d))
        if (z.maske >> 26 == 0) ++gleich[z.maske];
    std::map<int32_t, int64_t> erwartet{{0, 230230 - static_cast<int64_t>(gleich.size())}};
    for (const auto& [maske, n] : gleich) ++erwartet[n];
    std::map<int32_t, int64_t> bilder;
    const auto t = TreffertabelleBerechnen(d, m, 6, {1, 1, 1});
    for (const Trefferbild& b : t.bilder) bilder[b.klassen[0]] = b.anzahl;
    EXPECT_FALSE(t.unvollstaendig);
    EXPECT_EQ(bilder, erwartet);
}
