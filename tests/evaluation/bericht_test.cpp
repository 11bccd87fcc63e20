#include "evaluation/bericht.h"

#include <gtest/gtest.h>

#include <vector>

#include "evaluation/auswertung.h"
#include "evaluation/trefferliste.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

// A short made-up history around the century change, with identifiers, bonus values 0 and 50
// and one draw out of range.
Lottodatei Beispielhistorie() {
    Lottodatei d = test::HistorieAus({
        {22, 1999, 0, {1, 7, 13, 20, 33, 44}, 9},
        {23, 1999, 0, {2, 7, 8, 9, 10, 11}, 50},
        {52, 1999, 'S', {3, 4, 5, 6, 40, 41}, 7},
        {1, 2000, 'M', {1, 2, 3, 4, 5, 6}, 0},
        {23, 2004, 'M', {7, 14, 21, 28, 35, 42}, 1},
        {23, 2004, 'S', {1, 2, 3, 30, 31, 32}, 4},
        {24, 2004, 0, {43, 44, 45, 46, 47, 48}, 49},
        {25, 2004, 0, {1, 2, 3, 4, 45, 46}, 5},
    });
    d.ImBereich[6] = 0;
    d.Trefferwert[6] = 6;  // stale class of a draw out of range: must never show
    return d;
}

Auswertungsanzeige Auswerten(Lottodatei& d, const std::vector<int>& zahlen, int filter) {
    Auswertungsanzeige a;
    a.fenstertitel = "Lotto-Auswertung: Beispiel.ZX7";
    a.bereichText = "22/1999-25/2004  Wo:01-53 ";
    a.auswahl = ZahlenPacken(zahlen);
    a.filter = filter;
    a.listentitel = TrefferTitel(filter);
    ReihenAuswerten(a.auswahl, d, a.zaehler, {1, 1, 1});
    return a;
}

}  // namespace

TEST(Bericht, ZwischenspeicherBlockUndDruckberichtGolden) {
    Lottodatei d = Beispielhistorie();
    const auto block = Auswerten(d, {1, 2, 3, 4, 5, 7, 9}, 10);
    test::ErwarteGolden(ZwischenspeicherBlock(block, d),
                        "evaluation/golden/zwischenspeicher_block.txt");
    auto a = Auswerten(d, {1, 2, 3, 4, 5, 7, 9}, 12);
    test::ErwarteGolden(DruckBericht(a, d), "evaluation/golden/druckbericht_alle.txt");
    a.filter = 11;
    a.listentitel = TrefferTitel(11);
    test::ErwarteGolden(DruckBericht(a, d), "evaluation/golden/druckbericht_gewinn.txt");
}

TEST(Bericht, ZahlenzeileBrichtNachFuenfzehnZahlenUm) {
    Auswertungsanzeige a;
    std::vector<int> zahlen;
    for (int n = 1; n <= 16; ++n) zahlen.push_back(n * 3);
    a.auswahl = ZahlenPacken(zahlen);
    const std::string kopf = BerichtKopf(a);
    const auto start = kopf.find("Zahlen     :");
    const auto ende = kopf.find("              6T");
    const std::string teil = kopf.substr(start, ende - start);
    EXPECT_EQ(teil,
              "Zahlen     : 03 06 09 12 15 18 21 24 27 30 33 36 39 42 45\r\n"
              "             48 :\r\n");

    // Exactly fifteen numbers stay on one line; numbers above the lottery's largest are left out.
    a.auswahl = ZahlenPacken(std::vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 46});
    a.groessteZahl = 45;
    const std::string k2 = BerichtKopf(a);
    EXPECT_NE(k2.find("Zahlen     : 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 :\r\n"),
              std::string::npos);

    a.auswahl = {};
    EXPECT_NE(BerichtKopf(a).find("Zahlen     : :\r\n"), std::string::npos);
}

// Print line and list line of every draw: hits starred, bonus 0 and 50 as "..", a bonus upgrade
// as "+", pinned by tests/evaluation/golden/zeilen.txt.
TEST(Bericht, DruckUndListenzeilenGolden) {
    Lottodatei d = Beispielhistorie();
    std::string t;
    for (const auto& zahlen : {std::vector{7, 8, 9}, std::vector{1, 2, 3, 5}}) {
        const Bitworte auswahl = ZahlenPacken(zahlen);
        ReihenAuswerten(auswahl, d, *std::make_unique<Klassenzaehler>(), {1, 1, 1});
        for (int i = 0; i <= d.LetzterIndex; ++i)
            if (i != 6)  // out of range: its stale class is never shown
                t += DruckZeile(d, i, auswahl) + "|" + ZeilenText(TrefferZeile(d, i, auswahl)) +
                     "\n";
    }
    test::ErwarteGolden(t, "evaluation/golden/zeilen.txt");
}

TEST(Bericht, FortschrittAlleFuenfzigZiehungen) {
    Lottodatei d;
    d.Leeren();
    for (int i = 0; i < 175; ++i) {
        d.ZahlenSetzen(i, ZahlenPacken(std::vector{1, 2, 3, 4, 5, 6}));
        d.WocheKennung[i] = WocheKennungAus(i % 52 + 1, 0);
        d.JahrCode[i] = JahrCodeAusJahr(1990 + i / 52);
        d.ImBereich[i] = -1;
    }
    Auswertungsanzeige a;
    a.auswahl = ZahlenPacken(std::vector{1});
    a.filter = 1;
    ReihenAuswerten(a.auswahl, d, a.zaehler, {1, 1, 1});
    std::vector<int> meldungen;
    const std::string t = DruckBericht(a, d, [&](int n) { meldungen.push_back(n); });
    EXPECT_EQ(meldungen, (std::vector{50, 100, 150}));
    // Head (5 lines), empty line, caption, heading, 175 draws, closing line.
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 5 + 1 + 1 + 1 + 175 + 1);
    EXPECT_TRUE(t.ends_with(std::string(80, '-') + "\r\n"));
}

TEST(Bericht, TitelFilterUndStatuszeile) {
    // Bonus classes name the plain hit count; out-of-range filters fall back to "any hit".
    EXPECT_EQ(TrefferTitel(7), "Reihen mit 3 und Zusatzzahl");
    EXPECT_EQ(TrefferTitel(0), "Reihen mit 0 Treffer");
    EXPECT_EQ(TrefferTitel(-1), "Reihen mit Treffer");

    EXPECT_TRUE(PasstZumFilter(0, 12));
    EXPECT_FALSE(PasstZumFilter(0, 10));
    EXPECT_TRUE(PasstZumFilter(7, 11));
    EXPECT_FALSE(PasstZumFilter(2, 11));
    EXPECT_TRUE(PasstZumFilter(1, 10));
    EXPECT_FALSE(PasstZumFilter(3, 7));
    EXPECT_FALSE(PasstZumFilter(3, 13));
    EXPECT_EQ(
        StatuszeileNachAuswertung(0, 5031, 0, 0),
        " Bin bereit zum Auswerten - Bitte Zahlen in der Zahlenauswahl mit Mausklick auswählen");
    EXPECT_EQ(StatuszeileNachAuswertung(1, 5031, 0, 0),
              " 1  Zahl mit  5031  Reihen wurde ausgewertet.");
    EXPECT_EQ(
        StatuszeileNachAuswertung(6, 5031, 13983816, 279),
        " 6  Zahlen (KombiNr  13.983.816 , Summe  279) mit  5031  Reihen wurden ausgewertet.");
    EXPECT_EQ(StatuszeileNachAuswertung(6, 0, 1, 21),
              " 6  Zahlen (KombiNr  1 , Summe  21) mit  0  Reihen wurden ausgewertet.");
    EXPECT_EQ(StatuszeileNachAuswertung(12, 3, 0, 0),
              " 12  Zahlen mit  3  Reihen wurden ausgewertet.");
    EXPECT_EQ(DruckFortschrittText(1050),
              " Auswertung wird an die Druckausgabe übergeben... 1.050 Reihen");
}

TEST(TrefferlisteText, ZeileInFarbigenStuecken) {
    Lottodatei d = Beispielhistorie();
    const Bitworte auswahl = ZahlenPacken(std::vector{7, 8, 9});
    Klassenzaehler z{};
    ReihenAuswerten(auswahl, d, z, {1, 1, 1});
    using F = Listenfarbe;
    const Listenzeile zeile = TrefferZeile(d, 0, auswahl);
    ASSERT_EQ(zeile.size(), 10u);  // head, six numbers, "-", bonus, class
    std::vector<Listenfarbe> farben;
    for (const auto& stueck : zeile) farben.push_back(stueck.farbe);
    EXPECT_EQ(farben, (std::vector<Listenfarbe>{F::Schwarz, F::Schwarz, F::Hellblau, F::Schwarz,
                                                F::Schwarz, F::Schwarz, F::Schwarz, F::Schwarz,
                                                F::Hellrot, F::Schwarz}));
    // A bonus that is "none" never takes the hit colour.
    EXPECT_EQ(TrefferZeile(d, 3, auswahl)[8].farbe, F::Schwarz);
}

TEST(TrefferlisteText, SeiteLeereKlasseUndBlaettern) {
    Lottodatei d = Beispielhistorie();
    Klassenzaehler z{};
    const Bitworte auswahl = ZahlenPacken(std::vector{1, 2, 3});
    ReihenAuswerten(auswahl, d, z, {0, 0, 0});
    // Classes of the draws in range 0..5 and 7: 1, 1, 1, 3, 0, 3, 3.
    ASSERT_EQ(z[3], 3);
    ASSERT_EQ(z[0], 1);

    auto s = TrefferseiteBerechnen(d, z, 3, 0, 10, TrefferTitel(3));
    EXPECT_EQ(s.ziehungen, (std::vector{3, 5, 7}));
    EXPECT_EQ(s.titel, "Reihen mit 3 Treffer");
    EXPECT_EQ(s.scrollMax, 0);

    // An empty class falls back to the draws without hits, and says so once.
    s = TrefferseiteBerechnen(d, z, 5, 0, 10, TrefferTitel(5));
    EXPECT_EQ(s.filter, 0);
    EXPECT_EQ(s.titel, "Reihen mit 5 Treffer --- Keine gefunden ---");
    EXPECT_EQ(s.ziehungen, (std::vector{4}));
    s = TrefferseiteBerechnen(d, z, 5, 0, 10, s.titel);
    EXPECT_EQ(s.titel, "Reihen mit 5 Treffer --- Keine gefunden ---");

    // Two visible lines: three entries per page, scroll range over all hits, too far resets.
    s = TrefferseiteBerechnen(d, z, 10, 1, 2, TrefferTitel(10));
    EXPECT_EQ(s.scrollMax, 4);
    EXPECT_EQ(s.ziehungen, (std::vector{1, 2, 3}));
    s = TrefferseiteBerechnen(d, z, 10, 4, 2, TrefferTitel(10));
    EXPECT_EQ(s.ziehungen, (std::vector{5, 7}));
    s = TrefferseiteBerechnen(d, z, 10, 5, 2, TrefferTitel(10));
    EXPECT_EQ(s.scrollPos, 0);
    EXPECT_EQ(s.ziehungen, (std::vector{0, 1, 2}));
    s = TrefferseiteBerechnen(d, z, 12, 0, 100, TrefferTitel(12));
    EXPECT_EQ(s.ziehungen, (std::vector{0, 1, 2, 3, 4, 5, 7}));  // draw 6 is out of range
    EXPECT_EQ(s.scrollMax, 0);

    // An empty class scrolled to its end shows the newest draws without hits, not a blank page.
    std::vector<test::Ziehung> ungerade;
    for (int i = 0; i < 8; ++i)  // the odd draws have no hit with 1, 2
        ungerade.push_back({i + 1, 2020, 0, {i % 2 ? 20 : 1, 21, 22, 23, 24, 25}, 0});
    d = test::HistorieAus(ungerade);
    z = {};
    ReihenAuswerten(ZahlenPacken(std::vector{1, 2}), d, z, {0, 0, 0});
    s = TrefferseiteBerechnen(d, z, 6, 99, 2, TrefferTitel(6));
    EXPECT_EQ(s.scrollMax, 2);
    EXPECT_EQ(TrefferseiteBerechnen(d, z, 6, 2, 2, s.titel).ziehungen, (std::vector{5, 7}));
}
