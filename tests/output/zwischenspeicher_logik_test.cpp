#include "output/zwischenspeicher_logik.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/programm.h"
#include "output/druckausgabe_text.h"
#include "output/kennung.h"
#include "output/wochentext.h"

using namespace zahlix;

namespace {

std::u16string Block(const std::u16string& zahlen, const std::u16string& bereich,
                     const std::u16string& treffer) {
    return u"* Lotto-Auswertung\n* Bereich - " + bereich + u"\nZahlen     :" + zahlen +
           u" :\n              6T    5+\nTreffer   " + treffer + u"\n" + std::u16string(80, u'-') +
           u"\n";
}

TEST(TextEinfuegen, GleicheZahlenKommenNichtDoppeltAuchUeberZweiZeilen) {
    std::u16string dok;
    const auto a = Block(u" 03 12 17 25 38 44", u"01/1955-53/2004", u"     0     1");
    EXPECT_TRUE(BlockEinfuegen(dok, a));
    EXPECT_EQ(dok, a);
    EXPECT_FALSE(
        BlockEinfuegen(dok, Block(u" 03 12 17 25 38 44", u"01/1999-53/2004", u"     7     9")));
    EXPECT_EQ(dok, a);
    // Other numbers go on top.
    const auto b = Block(u" 03 12 17 25 38 45", u"01/1955-53/2004", u"     0     1");
    EXPECT_TRUE(BlockEinfuegen(dok, b));
    EXPECT_EQ(dok, b + a);

    // Numbers over two lines make one key.
    const std::u16string zahlen = u" 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15\n             16";
    dok = Block(zahlen, u"A", u"1");
    EXPECT_EQ(DuplikatSchluessel(dok),
              u"Zahlen     : 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15\n             16 :");
    EXPECT_FALSE(BlockEinfuegen(dok, Block(zahlen, u"B", u"2")));
    // The same first line with another continuation is another selection.
    EXPECT_TRUE(BlockEinfuegen(
        dok, Block(u" 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15\n             17", u"B", u"2")));

    // A block without a numbers line is compared whole.
    dok.clear();
    EXPECT_TRUE(BlockEinfuegen(dok, u"Statistik A\n"));
    EXPECT_FALSE(BlockEinfuegen(dok, u"Statistik A\n"));
    EXPECT_TRUE(BlockEinfuegen(dok, u"Statistik B\n"));
    EXPECT_EQ(dok, u"Statistik B\nStatistik A\n");
    EXPECT_FALSE(BlockEinfuegen(dok, u"")) << "an empty block changes nothing";
    // An unclosed numbers line: the whole block is the key.
    EXPECT_EQ(DuplikatSchluessel(u"Zahlen     : 01 02"), u"Zahlen     : 01 02");
}

TEST(Ersetzen, EscapesZaehlenUndBeginnAmCaret) {
    EXPECT_EQ(EscapesErsetzen(u"a^zb^tc^z^z", u"\n"), u"a\nb\tc\n\n");
    EXPECT_EQ(EscapesErsetzen(u"^Z bleibt", u"\n"), u"^Z bleibt");
    EXPECT_EQ(EscapesErsetzen(u"a^zb", u"\r\n"), u"a\r\nb");
    std::u16string dok = u"ab ab ab";
    EXPECT_EQ(ErsetzenBisEnde(dok, 1, u"ab", u"xy"), 2);
    EXPECT_EQ(dok, u"ab xy xy");
    EXPECT_EQ(ErsetzenBisEnde(dok, 0, u"fehlt", u"z"), 0);
    EXPECT_EQ(ErsetzenBisEnde(dok, 0, u"", u"z"), 0);
    EXPECT_EQ(ErsetzenBisEnde(dok, 999, u"ab", u"z"), 0);
    // An equal or a containing replacement ends.
    dok = u"aaa";
    EXPECT_EQ(ErsetzenBisEnde(dok, 0, u"a", u"a"), 3);
    EXPECT_EQ(dok, u"aaa");
    EXPECT_EQ(ErsetzenBisEnde(dok, 0, u"a", u"aa"), 3);
    EXPECT_EQ(dok, u"aaaaaa");
    std::u16string zeilen = u"1\n2\n";
    EXPECT_EQ(ErsetzenBisEnde(zeilen, 0, EscapesErsetzen(u"^z", u"\n"), u";"), 2);
    EXPECT_EQ(zeilen, u"1;2;");
}

TEST(Schnellfuellen, PlatzhalterMitGemeinsamemLeerzeichen) {
    std::u16string dok = u"Reihe: 0 0 0 0 Ende 0 ";
    EXPECT_EQ(SchnellFuellen(dok, 0, 4, u"17"), 4);
    EXPECT_EQ(dok, u"Reihe: 17 17 17 17 Ende 0 ");
    std::u16string kurz = u" 0 0 0 ";
    EXPECT_EQ(SchnellFuellen(kurz, 0, 5, u"8"), 3) << "stops when no placeholder is left";
    EXPECT_EQ(kurz, u" 8 8 8 ");
    std::u16string abCaret = u" 0 | 0 ";
    EXPECT_EQ(SchnellFuellen(abCaret, 2, 1, u"9"), 1);
    EXPECT_EQ(abCaret, u" 0 | 9 ");
    EXPECT_EQ(SchnellFuellen(abCaret, 0, 4, u""), 0);
    std::u16string gleich = u" 0 0 ";
    EXPECT_EQ(SchnellFuellen(gleich, 0, 5, u"0"), 2) << "an answer of 0 must not loop";
}

TEST(NeuNummerieren, ZahlenzeilenImFormatUndMitZaehler) {
    const std::u16string text = u"Tipps\n3,12, 17 25 38 44\n  7: 1 2 3\nText 4 5\n\n9. 40 41\n";
    std::u16string ohne = text;
    EXPECT_EQ(ZeilenNeuNummerieren(ohne, 0, 0, false), 2)
        << "the counted last line was already in shape";
    EXPECT_EQ(ohne, u"Tipps\n 03 12 17 25 38 44\n  7: 01 02 03\nText 4 5\n\n9. 40 41\n");
    std::u16string mit = text;
    EXPECT_EQ(ZeilenNeuNummerieren(mit, 0, 0, true), 3);
    EXPECT_EQ(mit, u"Tipps\n  1: 03 12 17 25 38 44\n  2: 01 02 03\nText 4 5\n\n  3: 40 41\n");
    // Already in shape: nothing counts as changed.
    EXPECT_EQ(ZeilenNeuNummerieren(mit, 0, 0, true), 0);
    std::u16string dok = u"1 2\n3 4\n5 6\n";
    // Selection from inside line 2 up to just after its line break.
    EXPECT_EQ(ZeilenNeuNummerieren(dok, 5, 8, true), 1);
    EXPECT_EQ(dok, u"1 2\n  1: 03 04\n5 6\n");
    std::u16string gross = u"100 2\n";
    EXPECT_EQ(ZeilenNeuNummerieren(gross, 0, 0, false), 0) << "three-digit numbers are no row";
}

TEST(Statuszeile, ZeileZeichenUndMarkierung) {
    const std::u16string dok = u"ab\ncd\n" + std::u16string(2000, u'x');
    EXPECT_EQ(StatuszeileText("Zwischenspeicher ", dok, 0, 0),
              "Zwischenspeicher Zeile 1  -  Zeichen 1 von 2.006");
    EXPECT_EQ(StatuszeileText("Druckausgabe ", dok, 1500, 1234),
              "Druckausgabe Zeile 3  -  Zeichen 1.501 von 2.006  -  1.234 Zeichen markiert");
    EXPECT_EQ(StatuszeileText("Zwischenspeicher ", dok, dok.size(), 0), "Zwischenspeicher Zeile 3");
    EXPECT_EQ(StatuszeileText("Zwischenspeicher ", u"", 0, 0), "Zwischenspeicher Zeile 1");
    EXPECT_EQ(StatuszeileText("Zwischenspeicher ", u"ab", 5, 0), "Zwischenspeicher Zeile 1");
}

TEST(Druckausgabe, BannerUndZeilenende) {
    EXPECT_EQ(DruckausgabeText("a\r\nb", "B"), "B\r\na\r\nb\r\n");
    EXPECT_EQ(DruckausgabeText("a\r\nb\r\n", "B"), "B\r\na\r\nb\r\n");
    EXPECT_EQ(DruckausgabeText("", "B"), "B\r\n");
    EXPECT_EQ(DruckausgabeText("a\n", "B"), "B\r\na\n\r\n") << "only CR LF counts as line end";
    HeuteErsetzen(std::chrono::year_month_day{std::chrono::year{2005}, std::chrono::month{3},
                                              std::chrono::day{7}});
    EXPECT_EQ(DruckausgabeBanner(),
              std::string("Zahlix ") + ZAHLIX_VERSION + " - Druckausgabe vom 07.03.2005");
    HeuteErsetzen(std::nullopt);
}

}  // namespace

using namespace std::chrono;

TEST(Wochentext, ZeitraumUndEndeAnJahresgrenzen) {
    struct Fall {
        int woche, jahr;
        std::string zeitraum, ende;
    };
    const Fall faelle[] = {
        // Week 1 may begin in the old year, week 53 end in the next.
        {1, 2020, "Woche vom 30.12.2019 bis 05.01.2020", "05.01.2020"},
        {53, 2020, "Woche vom 28.12.2020 bis 03.01.2021", "03.01.2021"},
        {10, 1955, "Woche vom 07.03.1955 bis 13.03.1955", "13.03.1955"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(WochenZeitraumText(f.woche, f.jahr), f.zeitraum);
        EXPECT_EQ(WochenEndeDatum(f.woche, f.jahr), f.ende);
    }
}

TEST(Wochentext, FehlendeWocheGibtHinweisOderHeute) {
    HeuteErsetzen(year{2026} / December / 6);
    for (auto [woche, jahr] : {std::pair{53, 2021}, {0, 2005}}) {
        EXPECT_EQ(WochenZeitraumText(woche, jahr), "Woche nicht vorhanden!")
            << woche << "/" << jahr;
        EXPECT_EQ(WochenEndeDatum(woche, jahr), "06.12.2026") << woche << "/" << jahr;
    }
    HeuteErsetzen(std::nullopt);
}

TEST(Kennung, Anzeigezeichen) {
    EXPECT_EQ(KennungText(0), ".");
    EXPECT_EQ(KennungText('0'), "0");
    EXPECT_EQ(KennungText('9'), "9");
    EXPECT_EQ(KennungText('A'), "A");
    EXPECT_EQ(KennungText('Z'), "Z");
    for (int code :
         {97, 122, 47, 58, 64, 91, 32, 1, 255, -1, 4096})  // 'a', 'z', '/', ':', '@', '['
        EXPECT_EQ(KennungText(code), "") << code;
}
