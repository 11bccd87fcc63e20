// Checks and writes of one draw, the search by week, year and identifier, and the edit fields.
#include "evaluation/ziehung_eingabe.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/lottodatei.h"
#include "evaluation/ziehung_kennung.h"

namespace zahlix {
namespace {

Ziehungseingabe Gueltig() {
    Ziehungseingabe e;
    e.woche = 5;
    e.jahr = 2005;
    e.kennung = 'S';
    e.zahlen = {3, 12, 17, 25, 38, 44};
    e.zusatzzahl = 9;
    return e;
}

TEST(FeldWert, LiestNurZahlen) {
    for (auto [text, wert] :
         {std::pair{"", 0}, {"   ", 0}, {" 7", 7}, {"49 ", 49}, {"-3", -3}, {"2005", 2005}})
        EXPECT_EQ(FeldWert(text), wert) << text;
    for (const char* text : {"7a", "-", "1 2", "99999999999"})
        EXPECT_EQ(FeldWert(text), std::nullopt) << text;
}

struct PruefFall {
    const char* name;
    void (*aendern)(Ziehungseingabe&);
    int groessteZahl;
    const char* neu;   // message of the add dialog ("" = accepted)
    const char* edit;  // message of the edit dialog
};

class Pruefen : public ::testing::TestWithParam<PruefFall> {};

TEST_P(Pruefen, MeldungDerDialoge) {
    const PruefFall& f = GetParam();
    Ziehungseingabe e = Gueltig();
    f.aendern(e);
    EXPECT_EQ(NeueZiehungPruefen(e, f.groessteZahl), f.neu);
    EXPECT_EQ(BerichtigungPruefen(e, f.groessteZahl), f.edit);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Pruefen,
    ::testing::Values(
        PruefFall{"Gueltig", [](Ziehungseingabe&) {}, 49, "", ""},
        PruefFall{"OhneZusatzzahl", [](Ziehungseingabe& e) { e.zusatzzahl = 0; }, 49, "", ""},
        PruefFall{"ZusatzzahlN", [](Ziehungseingabe& e) { e.zusatzzahl = 49; }, 49, "", ""},
        PruefFall{"ZusatzzahlGleichZahl", [](Ziehungseingabe& e) { e.zusatzzahl = 17; }, 49,
                  kFehlerNeueZahlen, kFehlerEditZahlen},
        PruefFall{"ZusatzzahlNegativ", [](Ziehungseingabe& e) { e.zusatzzahl = -1; }, 49,
                  kFehlerNeueZahlen, kFehlerEditZahlen},
        PruefFall{"ZusatzzahlUeberN", [](Ziehungseingabe& e) { e.zusatzzahl = 46; }, 45,
                  kFehlerNeueZahlen, kFehlerEditZahlen},
        PruefFall{"ZahlUeberN", [](Ziehungseingabe& e) { e.zahlen[5] = 46; }, 45, kFehlerNeueZahlen,
                  kFehlerEditZahlen},
        PruefFall{"ZahlNull", [](Ziehungseingabe& e) { e.zahlen[0] = 0; }, 49, kFehlerNeueZahlen,
                  kFehlerEditZahlen},
        PruefFall{"ZahlDoppelt", [](Ziehungseingabe& e) { e.zahlen[1] = 7, e.zahlen[4] = 7; }, 49,
                  kFehlerNeueZahlen, kFehlerEditZahlen},
        PruefFall{"WocheNull", [](Ziehungseingabe& e) { e.woche = 0; }, 49, kFehlerWocheJahr,
                  kFehlerWocheJahr},
        PruefFall{"Woche54", [](Ziehungseingabe& e) { e.woche = 54; }, 49, kFehlerWocheJahr,
                  kFehlerWocheJahr},
        PruefFall{"Jahr1899", [](Ziehungseingabe& e) { e.jahr = 1899; }, 49, kFehlerWocheJahr,
                  kFehlerWocheJahr},
        PruefFall{"Jahr2100", [](Ziehungseingabe& e) { e.jahr = 2100; }, 49, kFehlerWocheJahr,
                  kFehlerWocheJahr},
        PruefFall{"KennungKlein", [](Ziehungseingabe& e) { e.kennung = 'a'; }, 49, kFehlerKennung,
                  kFehlerKennung}),
    [](const auto& fall) { return std::string(fall.param.name); });

// A table with draws in the weeks 1, 2, 3 of 2005 and the end entry after them.
Lottodatei DreiZiehungen() {
    Lottodatei d;
    Ziehungseingabe e = Gueltig();
    for (int w = 1; w <= 3; ++w) {
        e.woche = w;
        EXPECT_EQ(ZiehungAnhaengen(d, w - 2, e), w - 1);
    }
    return d;
}

TEST(Anhaengen, SchreibtEintragEndeintragUndErsetztPlatzhalter) {
    Lottodatei d = DreiZiehungen();
    d.Trefferwert[3] = 5;  // stale value behind the end must not survive
    Ziehungseingabe e = Gueltig();
    e.woche = 4;
    e.zusatzzahl = 0;
    ASSERT_EQ(ZiehungAnhaengen(d, 2, e), 3);
    EXPECT_EQ(d.LetzterIndex, 3);
    EXPECT_EQ(d.WocheKennung[3], 'S' * 256 + 4);
    EXPECT_EQ(d.JahrCode[3], 5125);
    EXPECT_EQ(Zusatzzahl(d.Zahlen(3)), 50);  // none is stored as 50
    EXPECT_EQ(d.ImBereich[3], -1);
    EXPECT_EQ(d.Trefferwert[3], 0);
    EXPECT_EQ(d.WocheKennung[4], 0);
    EXPECT_EQ(d.Anzahl(), 4);
    const Ziehungseingabe gelesen = ZiehungLesen(d, 3);
    EXPECT_EQ(gelesen.zahlen, e.zahlen);
    EXPECT_EQ(gelesen.zusatzzahl, 0);

    // A placeholder is replaced; the capacity is checked.
    LeereLottodateiSetzen(d);
    ASSERT_EQ(ZiehungAnhaengen(d, -1, Gueltig()), 0);
    EXPECT_EQ(d.LetzterIndex, 0);
    EXPECT_EQ(d.Anzahl(), 1);
    EXPECT_EQ(ZahlGesetzt(44, d.Zahlen(0)), true);

    EXPECT_EQ(ZiehungAnhaengen(d, kGrenzeHinzufuegen, Gueltig()), -1);
    EXPECT_EQ(d.LetzterIndex, 0);
    EXPECT_EQ(ZiehungAnhaengen(d, kGrenzeHinzufuegen - 1, Gueltig()), kGrenzeHinzufuegen);
}

TEST(Schreiben, LaesstTrefferBereichUndLetztenIndex) {
    Lottodatei d = DreiZiehungen();
    d.Trefferwert[1] = 4;
    d.ImBereich[1] = 0;
    Ziehungseingabe e = Gueltig();
    e.woche = 40;
    e.jahr = 1999;
    e.kennung = 0;
    e.zahlen = {1, 8, 15, 22, 43, 49};
    e.zusatzzahl = 7;
    ZiehungSchreiben(d, 1, e);
    EXPECT_EQ(d.WocheKennung[1], 40);
    EXPECT_EQ(d.JahrCode[1], 4963);
    EXPECT_EQ(d.Zahlen(1), (Bitworte{257, 257, 0, 1857}));
    EXPECT_EQ(d.Trefferwert[1], 4);
    EXPECT_EQ(d.ImBereich[1], 0);
    EXPECT_EQ(d.LetzterIndex, 2);
}

TEST(Suchen, ErsterTrefferOderEndeintrag) {
    Lottodatei d = DreiZiehungen();
    Ziehungseingabe e = Gueltig();
    e.woche = 2;  // a second week 2 with the same identifier
    ASSERT_EQ(ZiehungAnhaengen(d, 2, e), 3);
    e.kennung = 0;
    ASSERT_EQ(ZiehungAnhaengen(d, 3, e), 4);
    const int s = KennungPosition('S');
    EXPECT_EQ(ZiehungSuchen(d, 2, 2005, s), 1);
    EXPECT_EQ(ZiehungSuchen(d, 2, 2005, 0), 4);
    EXPECT_EQ(ZiehungSuchen(d, 3, 2005, s), 2);
    EXPECT_EQ(ZiehungSuchen(d, 2, 2006, s), 5);
    EXPECT_EQ(ZiehungSuchen(d, 2, 2005, KennungPosition('M')), 5);
}

TEST(Felder, ZeigenEintragLeerenEndeintragUndPlatzhalter) {
    Lottodatei d = DreiZiehungen();
    const auto f = ZiehungFelder(d, 0);
    const std::array<std::string, 10> erwartet = {" 3", "12", "17", "25", "38",
                                                  "44", " 9", "S",  " 1", "2005"};
    EXPECT_EQ(f, erwartet);
    const std::array<std::string, 10> leer{};
    EXPECT_EQ(ZiehungFelder(d, 3), leer);

    d.Bitwort4[0] = static_cast<int16_t>((d.Bitwort4[0] & 0xFF) | (50 << 8));
    EXPECT_EQ(ZiehungFelder(d, 0)[6], "");
    d.Bitwort4[0] = static_cast<int16_t>(d.Bitwort4[0] & 0xFF);
    EXPECT_EQ(ZiehungFelder(d, 0)[6], "");

    // A placeholder shows its week without numbers and becomes a draw.
    LeereLottodateiSetzen(d);
    const auto p = ZiehungFelder(d, 0);
    EXPECT_EQ(p[0], "");
    EXPECT_EQ(p[6], "");
    EXPECT_EQ(p[7], ".");
    EXPECT_EQ(p[8], " 1");
    EXPECT_EQ(p[9], "1900");

    ZiehungSchreiben(d, 0, Gueltig());
    EXPECT_EQ(d.ImBereich[0], -1);  // now a draw the evaluation counts
    EXPECT_EQ(d.LetzterIndex, 0);
}

}  // namespace
}  // namespace zahlix
