#include "core/bereich.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/bereich_auswahl.h"
#include "core/import.h"

using namespace zahlix;

namespace {

Bereichswerte Standard() {
    Bereichswerte b;
    b.wocheVon = 1;
    b.jahrVon = 1955;
    b.wocheBis = 53;
    b.jahrBis = 2004;
    return b;
}

// Weeks 1..10 of 2005, each with a Wednesday (M) and a Saturday (S) draw.
Lottodatei Zwanzig() {
    using namespace std::chrono;
    std::string csv;
    for (int i = 0; i < 20; ++i) {
        const year_month_day t{sys_days{2005y / January / 5} + days{7 * (i / 2) + 3 * (i % 2)}};
        csv += std::to_string(static_cast<unsigned>(t.day())) + "." +
               std::to_string(static_cast<unsigned>(t.month())) + ".2005;1;2;3;4;5;" +
               std::to_string(6 + i) + "\n";
    }
    Lottodatei d;
    d.Leeren(0);
    std::string fehler;
    ZiehungenZusammenfuehren(d, *ImportquelleLesen(csv, fehler), {});
    return d;
}

std::string Markiert(const Lottodatei& d) {
    std::string s;
    for (int i = 0; i < d.Anzahl(); ++i) s += d.ImBereich[i] == -1 ? 'x' : '.';
    return s;
}

}  // namespace

namespace zahlix {
// Failures show the range as its line.
void PrintTo(const Bereichswerte& b, std::ostream* os) {
    *os << '"' << BereichText(b) << '"';
}
}  // namespace zahlix

TEST(BereichText, ZeilenAufbau) {
    struct Fall {
        void (*aendern)(Bereichswerte&);
        std::string soll;
    };
    const Fall faelle[] = {
        {[](Bereichswerte&) {}, "01/1955-53/2004  Wo:01-53 "},
        {[](Bereichswerte& b) { b.markierung = 1; }, "01/1955-53/2004  Wo:01-53G"},
        {[](Bereichswerte& b) { b.markierung = 2; }, "01/1955-53/2004  Wo:01-53U"},
        // An unknown mark leaves no character, so the line is one shorter.
        {[](Bereichswerte& b) { b.markierung = 7; }, "01/1955-53/2004  Wo:01-53"},
        {[](Bereichswerte& b) { b.kennung = "M"; }, "01/1955-53/2004  Wo:01-53  Ke:M"},
        {[](Bereichswerte& b) { b.jahresliste = "2001,2003"; },
         "01/1955-53/2004  Wo:01-53  J=2001,2003"},
        {[](Bereichswerte& b) { b.zahlen = true; }, "01/1955-53/2004  Wo:01-53  Zahlen"},
        {[](Bereichswerte& b) {
             b.markierung = 2;
             b.kennung = "M";
             b.wochenliste = "1,2,3";
             b.jahresliste = "1990,1991";
         },
         "01/1955-53/2004  Wo:01-53U Ke:M W=1,2,3 J=1990,1991"},
        {[](Bereichswerte& b) {
             b.wochenImJahrVon = 5;
             b.wochenImJahrBis = 9;
             b.kennung = "S";
             b.wochenliste = "1,2";
             b.jahresliste = "1999";
             b.gruppe = true;
             b.zahlen = true;
         },
         "01/1955-53/2004  Wo:05-09  Ke:S W=1,2 J=1999 Gruppe Zahlen"},
        {[](Bereichswerte& b) {
             b.systemdatei = true;
             b.ersteReihe = 1;
             b.letzteReihe = 12345;
         },
         "Systemreihe     1 - 12345"},
        {[](Bereichswerte& b) {
             b.systemdatei = true;
             b.ersteReihe = 3;
             b.letzteReihe = 40;
             b.kennung = "A";
             b.reihenliste = "3,5";
             b.zahlen = true;
         },
         "Systemreihe     3 -    40 Ke: A R=3,5 Zahlen"},
    };
    for (const auto& f : faelle) {
        Bereichswerte soll = Standard();
        f.aendern(soll);
        EXPECT_EQ(BereichText(soll), f.soll);
        if (soll.systemdatei || soll.markierung > 2) continue;
        // Reading the line gives the values back. Start from deliberately different values so
        // nothing survives by accident.
        Bereichswerte ist;
        ist.kennung = "X";
        ist.wochenliste = ist.jahresliste = "alt";
        ist.gruppe = ist.zahlen = ist.systemdatei = true;
        ist.markierung = 1;
        BereichTextLesen(f.soll, ist);
        EXPECT_EQ(ist, soll);
    }
    EXPECT_EQ(BereichText(Standard()).size(), 26u);
}

TEST(BereichText, SystemzeileLesen) {
    Bereichswerte soll;
    soll.systemdatei = true;
    soll.ersteReihe = 17;
    soll.letzteReihe = 23456;
    soll.kennung = "B";
    soll.reihenliste = "17,18";
    soll.gruppe = true;

    // The draw range is not part of a system line and stays as it was.
    Bereichswerte ist = Standard();
    BereichTextLesen(BereichText(soll), ist);
    soll.wocheVon = 1;
    soll.jahrVon = 1955;
    soll.wocheBis = 53;
    soll.jahrBis = 2004;
    EXPECT_EQ(ist, soll);
}

TEST(BereichText, UnvollstaendigeUndFremdeZeilen) {
    Bereichswerte b = Standard();
    b.markierung = 2;
    BereichTextLesen("", b);
    EXPECT_EQ(b.wocheVon, 0);
    EXPECT_EQ(b.jahrBis, 0);
    EXPECT_EQ(b.markierung, 2);  // no character at the mark position: unchanged
    EXPECT_FALSE(b.systemdatei);

    b = Standard();
    BereichTextLesen("xx/19a5-5 /2004  Wo:01-53?", b);
    EXPECT_EQ(b.wocheVon, 0);
    EXPECT_EQ(b.jahrVon, 19);  // a number is read as far as its digits go
    EXPECT_EQ(b.wocheBis, 5);
    EXPECT_EQ(b.markierung, 0);  // "?" is no mark
    EXPECT_TRUE(b.kennung.empty());

    // A tail without the identifier marker must not be taken for an identifier.
    BereichTextLesen("01/1955-53/2004  Wo:01-53  J=2000", b);
    EXPECT_TRUE(b.kennung.empty());
    EXPECT_EQ(b.jahresliste, "2000");

    // Row numbers beyond 16 bits stop at the largest one instead of turning negative.
    BereichTextLesen("Systemreihe 99999 - 40000", b);
    EXPECT_EQ(b.ersteReihe, 32767);
    EXPECT_EQ(b.letzteReihe, 32767);
    // A sign is no digit: "-5" in a week field reads as 0.
    BereichTextLesen("-5/1955-53/2004  Wo:01-53 ", b);
    EXPECT_EQ(b.wocheVon, 0);

    // Texts far beyond 16 bits or odd bytes must not crash.
    BereichTextLesen(std::string(200, '9'), b);
    BereichTextLesen(std::string("\0\xff\x80", 3), b);
    BereichTextLesen("Systemreihe", b);
    EXPECT_EQ(b.ersteReihe, 0);
    EXPECT_TRUE(b.systemdatei);
}

TEST(BereichText, ProzessweiteWerteUndAufheben) {
    Bereichswerte& g = Auswertebereich();
    const Bereichswerte vorher = g;
    BereichTextLesen("05/2001-10/2002  Wo:02-40G Ke:M W=3 Gruppe");
    EXPECT_EQ(&g, &Auswertebereich());
    EXPECT_EQ(BereichText(), "05/2001-10/2002  Wo:02-40G Ke:M W=3 Gruppe");

    g.EinschraenkungenAufheben();
    EXPECT_EQ(BereichText(), "05/2001-10/2002  Wo:01-53 ");
    g = vorher;
}

TEST(BereichText, BeliebigeZeilenWerdenNachEinerRundeStabil) {
    // Random lines from the pieces a range line is made of, plus stray characters: reading
    // never crashes, and what BereichText writes back is read again to the same line.
    std::vector<std::string> stuecke;
    std::istringstream liste(
        "01/1955-53/2004  Wo:01-53 |Systemreihe     1 -    40| Ke:| Ke: | W=| J=| R=| Gruppe| "
        "Zahlen|G|U|M|1,2|-|/| |9|x|System|\xc3\xa4");
    for (std::string t; std::getline(liste, t, '|');) stuecke.push_back(t);
    stuecke.push_back(std::string(1, '\0'));
    std::mt19937 rng(4711);
    for (int runde = 0; runde < 3000; ++runde) {
        std::string zeile;
        const int teile = static_cast<int>(rng() % 8);
        for (int i = 0; i < teile; ++i) zeile += stuecke[rng() % stuecke.size()];
        Bereichswerte b;
        BereichTextLesen(zeile, b);
        const std::string einmal = BereichText(b);
        Bereichswerte c;
        BereichTextLesen(einmal, c);
        ASSERT_EQ(BereichText(c), einmal) << "aus: " << zeile;
    }
}

// Choosing the evaluation range: which draws it marks, its line, and refusals that change nothing.
TEST(BereichAuswahl, WahlMarkiertZiehungenUndSchreibtDieBereichszeile) {
    const struct {
        Bereichswahl wahl;
        const char* markiert;
        const char* zeile;
    } faelle[] = {
        {{}, "xxxxxxxxxxxxxxxxxxxx", "01/2005-10/2005  Wo:01-53 "},
        {{true, 3, 2005, 4, 2005, "", 0}, "....xxxx............", "03/2005-04/2005  Wo:01-53 "},
        {{false, 1, 1900, 53, 2099, "s", 0},
         ".x.x.x.x.x.x.x.x.x.x",
         "01/2005-10/2005  Wo:01-53  Ke:S"},
        {{false, 1, 1900, 53, 2099, "", 3},
         ".................xxx",
         "09/2005-10/2005  Wo:01-53  Letzte 3"},
        {{true, 1, 2005, 5, 2005, "M", 2},
         "......x.x...........",
         "04/2005-05/2005  Wo:01-53  Ke:M Letzte 2"},
    };
    for (const auto& f : faelle) {
        Lottodatei d = Zwanzig();
        std::string fehler;
        ASSERT_TRUE(BereichEinstellen(d, f.wahl, fehler)) << fehler;
        EXPECT_EQ(Markiert(d), f.markiert) << f.zeile;
        EXPECT_EQ(d.Titel, f.zeile);
        // The line alone brings back the same range.
        Bereichswerte b;
        BereichTextLesen(d.Titel, b);
        Lottodatei e = Zwanzig();
        BereichMarkieren(e, b);
        EXPECT_EQ(Markiert(e), f.markiert) << f.zeile;
    }
}

TEST(BereichAuswahl, LeererOderUnmoeglicherBereichAendertNichts) {
    Lottodatei d = Zwanzig();
    std::string fehler;
    ASSERT_TRUE(BereichEinstellen(d, {false, 1, 1900, 53, 2099, "", 4}, fehler));
    const Bereichswerte vorher = Auswertebereich();
    const Bereichswahl faelle[] = {{true, 20, 2005, 30, 2005, "", 0},
                                   {false, 1, 1900, 53, 2099, "A", 0},
                                   {true, 5, 2005, 4, 2005, "", 0},
                                   {true, 0, 2005, 4, 2005, "", 0},
                                   {false, 1, 1900, 53, 2099, "ab", 0}};
    for (const auto& w : faelle) {
        EXPECT_FALSE(BereichEinstellen(d, w, fehler));
        EXPECT_FALSE(fehler.empty());
        EXPECT_EQ(Markiert(d), "................xxxx");
        EXPECT_EQ(Auswertebereich(), vorher);
    }
    BereichAufheben(d);
    EXPECT_EQ(Markiert(d), "xxxxxxxxxxxxxxxxxxxx");
    EXPECT_EQ(d.Titel, "01/2005-10/2005  Wo:01-53 ");
}

TEST(BereichAuswahl, ZeitraumNurGanzUndOhneRest) {
    Bereichswahl w;
    ASSERT_TRUE(ZeitraumLesen("01/2005-52/2006", w));
    EXPECT_EQ(std::vector<int>({w.wocheVon, w.jahrVon, w.wocheBis, w.jahrBis}),
              std::vector<int>({1, 2005, 52, 2006}));
    for (const char* falsch : {"1/2005-2/2006x", "1/2005-2/2006 ", "1/2005-2/2006/7", "1/2005-2",
                               "1/2005", "a/2005-2/2006", "1/2005+2/2006", "-1/2005-2/2006", ""})
        EXPECT_FALSE(ZeitraumLesen(falsch, w)) << falsch;
}
