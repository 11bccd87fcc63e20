// Paging, the page's draws and the colours of the graphic marks.
#include "drawhistory/seite.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/lotto_beispiele.h"

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
