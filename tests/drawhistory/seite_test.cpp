// Paging, the page's draws and the colours of the graphic marks; the print text; group patterns.
#include "drawhistory/seite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drawhistory/drucktext.h"
#include "drawhistory/gruppenmuster.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;

TEST(Seite, BlaetternBleibtImBereich) {
    struct Fall {
        int position;
        Blaettern taste;
        int erwartet;
    };
    const Fall faelle[] = {
        {20, Blaettern::SeiteVor, 25}, {3, Blaettern::SeiteZurueck, 0},
        {12, Blaettern::SeiteVor, 22}, {12, Blaettern::Anfang, 0},
        {12, Blaettern::Ende, 25},     {25, Blaettern::Vor, 25},
        {0, Blaettern::Zurueck, 0},    {7, Blaettern::Vor, 8},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Geblaettert(f.position, f.taste, 25), f.erwartet) << f.position;
}

TEST(Seite, NurAngezeigteZiehungenUndDerenMarken) {
    Lottodatei d = test::Beispiel();
    d.ImBereich[1] = 0;  // outside the range: skipped unless "Alle"
    EXPECT_EQ(BildlaufMaximum(d, false), 3);
    EXPECT_EQ(BildlaufMaximum(d, true), 4);

    const Seite s = SeiteBerechnen(d, {}, {Zusatzansicht::Mit, false}, 1);
    EXPECT_EQ(s.oben, 2);
    ASSERT_EQ(s.zeilen.size(), 4u);  // heading and draws 3..5
    EXPECT_EQ(s.zeilen[1].substr(0, 19), "    3: 53/2009-S : ");
    // Draw 3 has bonus 50 (none): six marks; the number field repeats them, 42 at row 6, col 7.
    EXPECT_EQ(std::count_if(s.streifen.texte.begin(), s.streifen.texte.end(),
                            [](const Beschriftung& b) { return b.y == 0; }),
              6);
    ASSERT_EQ(s.zahlenfeld.texte.size(), 6u);
    EXPECT_EQ(s.zahlenfeld.texte.back().x, 6 * kZellenmass);
    EXPECT_EQ(s.zahlenfeld.texte.back().y, 5 * kZellenmass);
    EXPECT_EQ(s.streifen.linien.size(), 21u + 50u);

    const Seite leer = SeiteBerechnen(d, {}, {}, 9);
    EXPECT_EQ(leer.oben, -1);
    EXPECT_EQ(leer.zeilen.size(), 1u);
}

TEST(Seite, MarkenJeZusatzansicht) {
    // 3 12 17 25 38 44, bonus 9.
    const Bitworte w = test::Beispiel().Zahlen(0);
    struct Fall {
        Grafikwahl wahl;
        int zahl, marke, farbe;
    };
    const Fall faelle[] = {
        {{Zusatzansicht::Ohne, false}, 3, -1, kHellrot},
        {{Zusatzansicht::Ohne, false}, 12, -1, kSchwarz},
        {{Zusatzansicht::Ohne, false}, 9, 0, kSchwarz},
        {{Zusatzansicht::Mit, false}, 9, -8, kHellblau},
        {{Zusatzansicht::Nur, false}, 3, 0, kSchwarz},
        {{Zusatzansicht::Nur, false}, 9, -8, kHellblau},
        {{Zusatzansicht::Mit, true}, 9, 1, kSchwarz},
        {{Zusatzansicht::Ohne, true}, 17, 1, kSchwarz},
    };
    for (const Fall& f : faelle) {
        const int m = Marken(w, f.wahl, 49)[static_cast<size_t>(f.zahl)];
        EXPECT_EQ(m, f.marke) << f.zahl;
        if (m != 0) {
            EXPECT_EQ(Markenfarbe(f.zahl, m), f.farbe) << f.zahl;
        }
    }
    // A bonus above the lottery's largest number is not drawn.
    EXPECT_EQ(Marken(w, {Zusatzansicht::Nur, false}, 8)[9], 0);
}

// The print text against golden files, one per combination of selectors, and the empty history.
TEST(Drucktext, GoldenJeGruppenwahl) {
    // Bonus 9, 0, 50, 1, 49; the fourth draw lies outside the range.
    Lottodatei d = test::Beispiel();
    d.ImBereich[3] = 0;
    const std::string bereich = "05/2005-02/1999  Wo:01-53 ";
    struct Fall {
        Zeilenwahl wahl;
        const char* golden;
    };
    const Fall faelle[] = {
        {{kGruppenTHUG, kGruppenSumKombi, false, false}, "druck_thug_sum.txt"},
        {{kGruppenZeilenSpalten, kGruppenZehnerEndziffern, true, false}, "druck_system.txt"},
        {{kGruppenNachbarnBilder, kGruppenReiheAlsBild, false, true}, "druck_alle.txt"},
        {{kGruppenReiheAlsBild, kGruppenNachbarnBilder, false, false}, "druck_bild.txt"},
    };
    for (const Fall& f : faelle)
        test::ErwarteGolden(
            ZiehungenDrucktext(d, f.wahl, ZiehungenTitel(f.wahl.system, "klein.ZX7"),
                               f.wahl.system ? "Systemreihe     1 -     5" : bereich),
            "drawhistory/golden/" + std::string(f.golden));
}

TEST(Drucktext, LeereHistorieNurKopf) {
    Lottodatei d;
    LeereLottodateiSetzen(d);
    EXPECT_EQ(ZiehungenDrucktext(d, {}, "Ziehungen anzeigen: OhneName.ZX7", "B"),
              "* Ziehungen anzeigen: OhneName.ZX7\r\n* Bereich - B\r\n\r\n"
              "LfdNr  Wo/Jahr-Ke  Z1 Z2 Z3 Z4 Z5 Z6 / Zu   Gruppen THUG Sum  Kombi-Nr \r\n" +
                  std::string(80, '-') + "\r\n");
}

// Group patterns of a row: the documented sample rows, the picture rule and rows that are not
// six numbers long.
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
