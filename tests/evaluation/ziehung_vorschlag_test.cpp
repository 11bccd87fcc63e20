// The successor proposal of the add dialog, week stepping and identifier conversions.
#include "evaluation/ziehung_vorschlag.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/lottodatei.h"
#include "core/lottodatei_io.h"
#include "evaluation/ziehung_kennung.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

namespace zahlix {
namespace {

struct Z {
    int woche;
    int jahr;
    char kennung;  // 0 = none
};

// A table of draws that all carry the numbers 1..6.
Lottodatei Tabelle(const std::vector<Z>& ziehungen) {
    std::vector<test::Ziehung> z;
    for (const Z& e : ziehungen) z.push_back({e.woche, e.jahr, e.kennung, {1, 2, 3, 4, 5, 6}, 0});
    return test::HistorieAus(z);
}

struct VorschlagFall {
    const char* name;
    std::vector<Z> ziehungen;
    int woche, jahr;
    char kennung;
};

class Vorschlag : public ::testing::TestWithParam<VorschlagFall> {};

TEST_P(Vorschlag, FolgtDerLetztenZiehung) {
    const VorschlagFall& f = GetParam();
    const Lottodatei d = Tabelle(f.ziehungen);
    const Folgeziehung v = FolgeziehungVorschlagen(d);
    EXPECT_EQ(v.woche, f.woche);
    EXPECT_EQ(v.jahr, f.jahr);
    EXPECT_EQ(v.kennung, f.kennung);
    EXPECT_EQ(v.letzterIndex, d.LetzterIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Tabellen, Vorschlag,
    ::testing::Values(
        VorschlagFall{
            "EineProWoche", {{10, 2005, 'S'}, {11, 2005, 'S'}, {12, 2005, 'S'}}, 13, 2005, 'S'},
        VorschlagFall{"OhneKennung", {{1, 2004, 0}, {2, 2004, 0}}, 3, 2004, 0},
        VorschlagFall{"Woche53", {{52, 2004, 'S'}, {53, 2004, 'S'}}, 1, 2005, 'S'},
        // Week 53 follows 52 even in a year without an ISO week 53.
        VorschlagFall{"Woche53ImmerErreicht", {{51, 2005, 'S'}, {52, 2005, 'S'}}, 53, 2005, 'S'},
        VorschlagFall{
            "NachMittwoch", {{9, 2005, 'M'}, {9, 2005, 'S'}, {10, 2005, 'M'}}, 10, 2005, 'S'},
        VorschlagFall{"NachSamstag",
                      {{9, 2005, 'M'}, {9, 2005, 'S'}, {10, 2005, 'M'}, {10, 2005, 'S'}},
                      11,
                      2005,
                      'M'},
        VorschlagFall{"NachJahreswechsel",
                      {{52, 2004, 'M'}, {52, 2004, 'S'}, {53, 2004, 'M'}, {53, 2004, 'S'}},
                      1,
                      2005,
                      'M'},
        VorschlagFall{"EinzigeZiehung", {{20, 2010, 'A'}}, 21, 2010, 0},
        // The week count stops at the last draw, even when it repeats week and identifier.
        VorschlagFall{"LetzteDoppelt", {{10, 2005, 'S'}, {11, 2005, 'S'}, {11, 2005, 'S'}}, 12,
                      2005, 'S'}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Vorschlag, PlatzhalterUndLeereTabelle) {
    Lottodatei d;
    LeereLottodateiSetzen(d);
    d.WocheKennung[0] = 14;
    d.JahrCode[0] = JahrCodeAusJahr(2007);
    Folgeziehung v = FolgeziehungVorschlagen(d);
    EXPECT_EQ(v.woche, 14);
    EXPECT_EQ(v.jahr, 2007);
    EXPECT_EQ(v.letzterIndex, -1);

    // A placeholder at the end hands on its week and identifier.
    d = Tabelle({{5, 2006, 'M'}, {5, 2006, 'S'}, {6, 2006, 'M'}});
    d.ZahlenSetzen(2, Bitworte{});
    v = FolgeziehungVorschlagen(d);
    EXPECT_EQ(v.woche, 6);
    EXPECT_EQ(v.jahr, 2006);
    EXPECT_EQ(v.kennung, 'S');
    EXPECT_EQ(v.letzterIndex, 1);
    // An empty table begins in the current week.
    d = Lottodatei{};  // every slot 0: all draws deleted
    HeuteErsetzen(std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::December,
                                              std::chrono::day{6}});
    v = FolgeziehungVorschlagen(d);
    HeuteErsetzen(std::nullopt);
    EXPECT_EQ(v.woche, 49);
    EXPECT_EQ(v.jahr, 2026);
    EXPECT_EQ(v.letzterIndex, -1);
}

TEST(Vorschlag, EchteHistorieMitMittwochUndSamstag) {
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    SkriptPort port;
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(pfad.string(), d), 0);
    const int L = d.LetzterIndex;
    ASSERT_EQ(KennungAus(d.WocheKennung[L]), 'M');  // the file ends on a Wednesday

    Folgeziehung v = FolgeziehungVorschlagen(d);
    EXPECT_EQ(v.woche, WocheAus(d.WocheKennung[L]));
    EXPECT_EQ(v.jahr, JahrAusJahrCode(d.JahrCode[L]));
    EXPECT_EQ(v.kennung, 'S');

    // Cut after the Saturday before: the next week's Wednesday follows.
    d.Leeren(L);
    d.LetzterIndex = static_cast<int16_t>(L - 1);
    ASSERT_EQ(KennungAus(d.WocheKennung[L - 1]), 'S');
    v = FolgeziehungVorschlagen(d);
    EXPECT_EQ(v.woche, WocheAus(d.WocheKennung[L - 1]) + 1);
    EXPECT_EQ(v.kennung, 'M');
    EXPECT_EQ(v.letzterIndex, L - 1);
}

TEST(WocheSchritte, UeberJahresgrenzenUndAnDenRaendern) {
    struct Fall {
        int woche, jahr;
        bool vor;
        int erwWoche, erwJahr;
        bool bewegt;
    };
    const Fall faelle[] = {
        {52, 2005, true, 53, 2005, true}, {53, 2005, true, 1, 2006, true},
        {1, 2006, false, 53, 2005, true}, {2, 2006, false, 1, 2006, true},
        {1, 1900, false, 1, 1900, false}, {53, 2099, true, 53, 2099, false},
        {60, 2005, true, 1, 2006, true},  {0, 2005, false, 53, 2004, true},
    };
    for (const Fall& f : faelle) {
        int w = f.woche, j = f.jahr;
        const bool bewegt = f.vor ? WocheVor(w, j) : WocheZurueck(w, j);
        EXPECT_EQ(w, f.erwWoche) << f.woche << "/" << f.jahr << (f.vor ? " vor" : " zurück");
        EXPECT_EQ(j, f.erwJahr) << f.woche << "/" << f.jahr;
        EXPECT_EQ(bewegt, f.bewegt) << f.woche << "/" << f.jahr;
    }
}

TEST(Kennung, UmwandlungenHinUndZurueckEingabeStreng) {
    EXPECT_EQ(KennungCode(""), 0);
    EXPECT_EQ(KennungCode("m"), 'M');
    EXPECT_EQ(KennungCode("7x"), '7');
    EXPECT_EQ(KennungCode("?"), 0);
    for (int pos = 0; pos <= 36; ++pos) {
        const int code = KennungCodeAusPosition(pos);
        EXPECT_EQ(KennungPosition(code), pos) << pos;
        EXPECT_EQ(KennungZeichen(code), KennungAusPosition(pos)) << pos;
    }
    EXPECT_EQ(KennungAusPosition(37), "");
    EXPECT_EQ(KennungAusPosition(-1), "");
    EXPECT_EQ(KennungPosition('a'), 0);
    EXPECT_EQ(KennungZeichen('a'), "");
    EXPECT_EQ(KennungEingabe(""), 0);
    EXPECT_EQ(KennungEingabe(" . "), 0);
    EXPECT_EQ(KennungEingabe("s"), 'S');
    EXPECT_EQ(KennungEingabe(" 9"), '9');
    EXPECT_EQ(KennungEingabe("?"), std::nullopt);
    EXPECT_EQ(KennungEingabe("MS"), std::nullopt);
    EXPECT_EQ(KennungEingabe("ä"), std::nullopt);
}

}  // namespace
}  // namespace zahlix
