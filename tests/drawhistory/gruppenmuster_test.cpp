// Group patterns of a row: the documented sample rows, the picture rule and rows that are not
// six numbers long.
#include "drawhistory/gruppenmuster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zahlix;

namespace {

// Patterns in the order rows|columns|decades|end digits|neighbours|pictures.
struct Fall {
    std::vector<int> reihe;
    int32_t zeilencode;
    int thug;
    const char* muster;
};

const Fall kFaelle[] = {
    {{1, 2, 3, 4, 5, 6}, 6000000, 6033, "     6|111111|     6|111111|     6|     6"},
    {{7, 14, 21, 28, 35, 42}, 1111110, 3333, "111111|     6| 21111|111111|111111|     6"},
    {{1, 2, 10, 11, 20, 21}, 2220000, 6033, "   222|111111|   222|   321|   222|  3111"},
    // Diagonal cross only; no picture at all; centre cross, diagonal, border and a loner.
    {{9, 13, 17, 19, 33, 41}, 220110, 4260, "  2211|  2211|  3111|  2211|111111|     6"},
    {{10, 12, 16, 20, 30, 34}, 220200, 4206, "   222|  2211|   321|  3111|111111|111111"},
    {{1, 9, 10, 11, 18, 25}, 1311000, 5142, "  3111|  3111|   321| 21111|  3111|  3111"},
    // Five and seven numbers: codes still count, every pattern is empty.
    {{1, 2, 3, 4, 5}, 5000000, 5032, "|||||"},
    {{1, 8, 15, 22, 29, 36, 43}, 1111111, 4343, "|||||"},
    {{}, 0, 0, "|||||"},
};

}  // namespace

TEST(Gruppenmuster, BeispielreihenUndFalscheLaengen) {
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(::testing::PrintToString(f.reihe));
        EXPECT_EQ(ScheinzeilenCode(f.reihe), f.zeilencode);
        EXPECT_EQ(ThugCode(f.reihe), f.thug);
        const std::string muster =
            MusterText(ZeilenMuster(f.reihe)) + "|" + MusterText(SpaltenMuster(f.reihe)) + "|" +
            MusterText(ZehnerMuster(f.reihe)) + "|" + MusterText(EndziffernMuster(f.reihe)) + "|" +
            MusterText(NachbarnMuster(f.reihe)) + "|" + MusterText(BilderMuster(f.reihe));
        EXPECT_EQ(muster, f.muster);
    }
}

TEST(Gruppenmuster, JedeZerlegungDerSechs) {
    const std::vector<std::vector<int>> zerlegungen = {
        {6},       {5, 1},       {4, 2},       {3, 3},          {4, 1, 1},         {3, 2, 1},
        {2, 2, 2}, {3, 1, 1, 1}, {2, 2, 1, 1}, {2, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}};
    for (size_t i = 0; i < zerlegungen.size(); ++i) {
        std::vector<int> a = zerlegungen[i];
        a.resize(7, 0);
        EXPECT_EQ(MusterAusAnzahlen(a), static_cast<int>(i) + 1) << i;
    }
    EXPECT_EQ(MusterAusAnzahlen(std::vector<int>{4, 1, 0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(MusterAusAnzahlen(std::vector<int>{1, 1, 1, 1, 1, 1, 1}), 0);
}

TEST(Gruppenmuster, BilderTeilenDasFeldOhneUeberschneidung) {
    int jeBild[4] = {};
    for (int z = 1; z <= 49; ++z) ++jeBild[BildVonZahl(z)];
    EXPECT_EQ(jeBild[0], 8);
    EXPECT_EQ(jeBild[1], 24);
    EXPECT_EQ(jeBild[2], 8);
    EXPECT_EQ(jeBild[3], 9);
}

TEST(Gruppenmuster, ReiheAlsBildUndKombiNr) {
    EXPECT_EQ(ReiheAlsBild(std::vector<int>{1, 12, 49}),
              "1..........2....................................9");
    EXPECT_EQ(ReihenKombiNr(std::vector<int>{44, 45, 46, 47, 48, 49}, 49), 13983816);
    EXPECT_EQ(ReihenKombiNr(std::vector<int>{40, 41, 42, 43, 44, 46}, 45), 0);  // 46 > 45
}
