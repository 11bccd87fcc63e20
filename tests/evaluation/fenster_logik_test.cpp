// Grid moves, pop-up cells and the typed entries of the evaluation window.
#include "evaluation/fenster_logik.h"

#include <gtest/gtest.h>

#include <vector>

#include "evaluation/kombinr_eingabe.h"

namespace zahlix {
namespace {

Rasterzustand Markiert(std::initializer_list<int> zahlen) {
    Rasterzustand r{};
    for (int z : zahlen) r[static_cast<size_t>(z - 1)] = true;
    return r;
}

std::vector<int> Zahlen(const Rasterzustand& r) {
    std::vector<int> v;
    for (int i = 0; i < 49; ++i)
        if (r[static_cast<size_t>(i)]) v.push_back(i + 1);
    return v;
}

struct Fall {
    const char* name;
    Verschiebung richtung;
    int n;
    std::vector<int> vorher, nachher;
};

class VerschiebenTest : public ::testing::TestWithParam<Fall> {};

TEST_P(VerschiebenTest, BewegtUndWickeltUm) {
    const Fall& f = GetParam();
    Rasterzustand alt{};
    for (int z : f.vorher) alt[static_cast<size_t>(z - 1)] = true;
    EXPECT_EQ(Zahlen(Verschieben(alt, f.richtung, f.n)), f.nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Strg, VerschiebenTest,
    ::testing::Values(
        Fall{"RechtsSiebenWirdEins", Verschiebung::Rechts, 49, {7, 10}, {1, 11}},
        Fall{"LinksEinsWirdSieben", Verschiebung::Links, 49, {1, 49}, {7, 48}},
        Fall{"RunterLetzteZeileOben",
             Verschiebung::Runter,
             49,
             {43, 44, 45, 46, 47, 48, 49},
             {1, 2, 3, 4, 5, 6, 7}},
        Fall{"HochErsteZeileUnten", Verschiebung::Hoch, 49, {1, 9}, {2, 43}},
        Fall{"PlusNeunundvierzigWirdEins", Verschiebung::Plus, 49, {5, 49}, {1, 6}},
        Fall{"MinusEinsWirdN", Verschiebung::Minus, 49, {1, 20}, {19, 49}},
        // 6 aus 45: the short last row 43..45 and the short columns wrap among real numbers
        Fall{"KurzeZeileRechts", Verschiebung::Rechts, 45, {45}, {43}},
        Fall{"KurzeZeileLinks", Verschiebung::Links, 45, {43}, {45}},
        Fall{"KurzeSpalteRunter", Verschiebung::Runter, 45, {39, 42}, {4, 7}},
        Fall{"KurzeSpalteHoch", Verschiebung::Hoch, 45, {4}, {39}},
        Fall{"PlusWickeltBeiN", Verschiebung::Plus, 45, {45}, {1}},
        Fall{"MinusWickeltAufN", Verschiebung::Minus, 45, {1}, {45}},
        Fall{"LeereAuswahlBleibtLeer", Verschiebung::Runter, 49, {}, {}}),
    [](const ::testing::TestParamInfo<Fall>& p) { return std::string(p.param.name); });

TEST(Verschieben, ZahlenUeberNFallenWegSiebenmalRechtsIstIdentitaet) {
    // a stale mark above N must not survive or wander into the lottery
    EXPECT_EQ(Zahlen(Verschieben(Markiert({3, 46, 49}), Verschiebung::Plus, 45)),
              std::vector<int>{4});

    // Seven moves to the right give the selection back.
    Rasterzustand r = Markiert({1, 9, 17, 25, 33, 41, 49});
    Rasterzustand x = r;
    for (int i = 0; i < 7; ++i) x = Verschieben(x, Verschiebung::Rechts, 49);
    EXPECT_EQ(Zahlen(x), Zahlen(r));
}

TEST(Popup, ZeileUndSpalteNurBisN) {
    EXPECT_EQ(ZeileIndizes(10, 49), (std::vector<int>{7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(ZeileIndizes(43, 45), (std::vector<int>{42, 43, 44}));
    EXPECT_EQ(SpalteIndizes(9, 49), (std::vector<int>{2, 9, 16, 23, 30, 37, 44}));
    EXPECT_EQ(SpalteIndizes(6, 45), (std::vector<int>{6, 13, 20, 27, 34, 41}));
    EXPECT_TRUE(ZeileIndizes(49, 49).empty());
    EXPECT_TRUE(SpalteIndizes(-1, 49).empty());
}

TEST(ZweiZiffern, NullSiebenAusserhalbUndAblauf) {
    ZweiZiffernEingabe e;
    EXPECT_EQ(e.Ziffer(0, 49), ZweiZiffernEingabe::Aktion::Warten);
    EXPECT_TRUE(e.Wartet());
    EXPECT_EQ(e.Status(), " 0");
    EXPECT_EQ(e.Ziffer(7, 49), ZweiZiffernEingabe::Aktion::Umschalten);
    EXPECT_EQ(e.Zahl(), 7);
    EXPECT_FALSE(e.Wartet());
    e.Ziffer(4, 45);
    EXPECT_EQ(e.Ziffer(6, 45), ZweiZiffernEingabe::Aktion::Auswerten);  // 46 > N
    e.Ziffer(0, 49);
    EXPECT_EQ(e.Ziffer(0, 49), ZweiZiffernEingabe::Aktion::Auswerten);  // 0 is no number
    e.Ziffer(5, 49);
    EXPECT_EQ(e.Ablauf(), ZweiZiffernEingabe::Aktion::Auswerten);
    EXPECT_FALSE(e.Wartet());
    // after a timeout the next digit starts afresh
    EXPECT_EQ(e.Ziffer(1, 49), ZweiZiffernEingabe::Aktion::Warten);
    EXPECT_EQ(e.Ziffer(2, 49), ZweiZiffernEingabe::Aktion::Umschalten);
    EXPECT_EQ(e.Zahl(), 12);
}

TEST(KombiNrEingabe, TastenMitPunktenWertPromptUndGrenzen) {
    std::string t;
    for (char c : std::string("13983816")) t = KombiNrTaste(t, c, false);
    EXPECT_EQ(t, "13.983.816");
    EXPECT_EQ(KombiNrTaste(t, '5', false), "13.983.816");  // eight digits at most
    EXPECT_EQ(KombiNrTaste(t, '\b', false), "1.398.381");
    EXPECT_EQ(KombiNrTaste("1.234", 'x', false), "1.234");
    EXPECT_EQ(KombiNrTaste("7", '\b', false), "");
    EXPECT_EQ(KombiNrTaste("", '\b', false), "");
    EXPECT_EQ(KombiNrTaste("", '0', false), "");  // a leading zero is no number
    // a selected proposal is replaced by what is typed
    EXPECT_EQ(KombiNrTaste("7.123.456", '1', true), "1");
    EXPECT_EQ(KombiNrTaste("7.123.456", '\b', true), "");
    EXPECT_EQ(EntfernePunkte("13.983.816"), "13983816");
    EXPECT_EQ(KombiNrWert("13983816"), 13983816);
    EXPECT_EQ(KombiNrWert("Abbrechen"), 0);
    EXPECT_EQ(KombiNrWert(" 42abc"), 42);
    EXPECT_EQ(KombiNrWert("-3"), -3);
    EXPECT_GT(KombiNrWert(std::string(40, '9')), 13983816);  // no overflow
    EXPECT_EQ(KombiNrPrompt(49),
              "Welche Kombination 6 aus 49 soll angezeigt werden?\nBereich:  1 - 13.983.816");
    EXPECT_EQ(KombiNrPrompt(45),
              "Welche Kombination 6 aus 45 soll angezeigt werden?\nBereich:  1 - 8.145.060");
    EXPECT_EQ(KombiNrBegrenzen(99999999, 13983816), 13983816);
    EXPECT_EQ(KombiNrBegrenzen(0, 13983816), 0);
    EXPECT_EQ(KombiNrBegrenzen(-5, 13983816), 0);
    EXPECT_EQ(KombiNrBegrenzen(1, 13983816), 1);
}

}  // namespace
}  // namespace zahlix
