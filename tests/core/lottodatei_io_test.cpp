#include "core/lottodatei_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/lottodatei_format.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {

std::string S(const fs::path& p) {
    return p.string();
}

std::string Wort(int w) {
    return {static_cast<char>(w & 0xFF), static_cast<char>((w >> 8) & 0xFF)};
}

std::string Zx7Kopf(int groessteZahl = 49) {
    return Wort(23128) + Wort(0) + Wort(0) + Wort(0) + Wort(0) + Wort(groessteZahl);
}

// A ZX7 image of n plausible draws (week cycling 1..52 from 1950 on).
std::string Zx7MitDraws(int n) {
    std::string b = Zx7Kopf();
    for (int i = 0; i < n; ++i)
        b += Wort(i % 52 + 1) + Wort(JahrCodeAusJahr(1950 + (i / 52) % 150)) + Wort(15) + Wort(1) +
             Wort(0) + Wort(64);
    return b;
}

// Backups and messages stay in the test.
class LottodateiFormate : public ::testing::Test {
  protected:
    Startordner o;
    SkriptPort port;
};
using LottodateiKapazitaet = LottodateiFormate;

}  // namespace

TEST_F(LottodateiFormate, RundreiseErhaeltJedesFeld) {
    const Lottodatei quelle = Beispiel();
    for (const char* name : {"a.ZX7", "b.AS7", "c.zx7", "d.As7"}) {
        ASSERT_EQ(LottodateiSchreiben(S(o / name), quelle), 0) << name;
        Lottodatei d;
        ASSERT_EQ(LottodateiLaden(S(o / name), d), 0) << name;
        EXPECT_EQ(Felder(d), Felder(quelle)) << name;
        EXPECT_EQ(d.LetzterIndex, 4) << name;
        EXPECT_TRUE(LeerAb(d, 5)) << name;
        for (int i = 0; i <= 4; ++i) {
            EXPECT_EQ(d.ImBereich[i], -1) << name;
            EXPECT_EQ(d.Trefferwert[i], 0) << name;
        }
    }
    EXPECT_TRUE(port.meldungen.empty());
}

TEST_F(LottodateiFormate, Zx6VerliertNurDieKennung) {
    const Lottodatei quelle = Beispiel();
    ASSERT_EQ(LottodateiSchreiben(S(o / "alt.ZX6"), quelle), 0);
    const std::string b = DateiLesen(o / "alt.ZX6");
    ASSERT_EQ(b.size(), 2u + 5 * 10);
    EXPECT_EQ(b.substr(0, 4), Wort(49) + Wort(105 * 256 + 5)) << "2005 steht als 105 im High-Byte";
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(S(o / "alt.ZX6"), d), 0);
    auto erwartet = Felder(quelle);
    for (auto& f : erwartet) f[0] = static_cast<int16_t>(f[0] & 0xFF);
    EXPECT_EQ(Felder(d), erwartet);
    EXPECT_EQ(d.JahrCode[4], JahrCodeAusJahr(1999));
}

TEST_F(LottodateiFormate, Zx7BytesUndGroessteZahl) {
    Lottodatei quelle = Beispiel();
    quelle.GroessteZahl = 45;
    ASSERT_EQ(LottodateiSchreiben(S(o / "x.ZX7"), quelle), 0);
    const std::string b = DateiLesen(o / "x.ZX7");
    ASSERT_EQ(b.size(), 12u + 5 * 12);
    EXPECT_EQ(b.substr(0, 24), Zx7Kopf(45) + Wort(5) + Wort(5125) + Wort(0x1004) + Wort(0x0804) +
                                   Wort(0x0400) + Wort(0x0902));
    // Only the low byte of the header word counts.
    Lottodatei d;
    DateiSchreiben(o / "y.ZX7", Zx7Kopf(0x7F00 + 45) + b.substr(12));
    ASSERT_EQ(LottodateiLaden(S(o / "y.ZX7"), d), 0);
    EXPECT_EQ(d.GroessteZahl, 45);

    // A header alone is an empty history.
    DateiSchreiben(o / "kopf.ZX7", Zx7Kopf(45));
    d = Beispiel();
    ASSERT_EQ(LottodateiLaden(S(o / "kopf.ZX7"), d), 0);
    EXPECT_EQ(d.LetzterIndex, 0);
    EXPECT_EQ(d.GroessteZahl, 45);
    EXPECT_TRUE(LeerAb(d, 0));
}

TEST_F(LottodateiFormate, TextformateGleichenDenGoldenDateien) {
    const Lottodatei quelle = Beispiel();
    for (const char* endung : {"AS7", "ASC", "ZXT"}) {
        const std::string name = std::string("beispiel.") + endung;
        ASSERT_EQ(LottodateiSchreiben(S(o / name), quelle), 0);
        EXPECT_EQ(DateiLesen(o / name), DateiLesen(Quelle("core/golden/" + name))) << name;
    }
}

TEST_F(LottodateiFormate, As7BeispielzeileUndFreieSchreibweisen) {
    struct Fall {
        const char* text;
        int groessteZahl;
    };
    const std::vector<Fall> faelle = {
        {" 05 2005 00 03 12 17 25 38 44 09\r\n", 44},
        {"\xEF\xBB\xBF 05 2005 00 03 12 17 25 38 44 09\r\n\r\n", 44},
        {"5,2005,0,3,12,17,25,38,44,9\n", 44},
        {"5\t2005 0  44,38 , 25 17 12 3 9", 44},  // unsorted: the largest counts, not the sixth
        {"\r\n 05 2005 00 03 12 17 25 38 44 09\r\n   \r\n\x1a", 44},
    };
    for (const Fall& f : faelle) {
        DateiSchreiben(o / "z.AS7", f.text);
        Lottodatei d;
        ASSERT_EQ(LottodateiLaden(S(o / "z.AS7"), d), 0) << f.text;
        EXPECT_EQ(d.LetzterIndex, 0);
        EXPECT_EQ(d.WocheKennung[0], 5);
        EXPECT_EQ(d.JahrCode[0], 5125);
        EXPECT_EQ(d.Zahlen(0), (Bitworte{0x1004, 0x0804, 0x0400, 0x0902}));
        EXPECT_EQ(d.GroessteZahl, f.groessteZahl);
        EXPECT_EQ(d.WocheKennung[1], 0);
    }
    DateiSchreiben(o / "klein.AS7", " 01 2000 00 01 02 03 04 05 06 00\r\n");
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(S(o / "klein.AS7"), d), 0);
    EXPECT_EQ(d.GroessteZahl, 7) << "eine Textdatei meint mindestens 6 aus 7";
    EXPECT_TRUE(port.meldungen.empty());
}

TEST_F(LottodateiFormate, TextexportEndetBeiZiehungOhneSechsZahlen) {
    Lottodatei d = Beispiel();
    d.Bitwort1[2] = 0;  // draw 2 keeps only four numbers
    int geschrieben = -1;
    for (const char* name : {"t.AS7", "t.ASC", "t.ZXT"}) {
        ASSERT_EQ(LottodateiSchreiben(S(o / name), d, geschrieben), 0);
        EXPECT_EQ(geschrieben, 2) << name;
    }
    EXPECT_EQ(DateiLesen(o / "t.ASC"), " 03 12 17 25 38 44\r\n 01 02 03 04 05 49\r\n");
    ASSERT_EQ(LottodateiSchreiben(S(o / "t.ZX7"), d, geschrieben), 0);
    EXPECT_EQ(geschrieben, 5) << "die Binärformate speichern jede Ziehung";
}

TEST_F(LottodateiFormate, UnbekannteEndungSchreibtUndLiestNichts) {
    Lottodatei d = Beispiel();
    EXPECT_EQ(LottodateiSchreiben(S(o / "x.TXT"), d), -1);
    EXPECT_FALSE(fs::exists(o / "x.TXT"));
    DateiSchreiben(o / "x.TXT", "egal");
    EXPECT_EQ(LottodateiLaden(S(o / "x.TXT"), d), -1);
    EXPECT_TRUE(LeerAb(d, 0));
    EXPECT_EQ(LottodateiLaden(S(o / "fehlt.ZX7"), d), -1);
    EXPECT_TRUE(port.meldungen.empty());
}

TEST_F(LottodateiKapazitaet, Zx7Mit32000GehtMit32001Nicht) {
    DateiSchreiben(o / "voll.ZX7", Zx7MitDraws(32000));
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(S(o / "voll.ZX7"), d), 0);
    EXPECT_EQ(d.LetzterIndex, 31999);
    EXPECT_EQ(d.WocheKennung[32000], 0);
    EXPECT_TRUE(port.meldungen.empty());

    DateiSchreiben(o / "zuviel.ZX7", Zx7MitDraws(32001));
    EXPECT_EQ(LottodateiLaden(S(o / "zuviel.ZX7"), d), -1);
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text, "Das Laden wurde abgebrochen, mehr als 32000 Reihen!");
    EXPECT_EQ(port.meldungen[0].titel, "Kapazitätsgrenze erreicht");
    EXPECT_EQ(port.meldungen[0].symbol, Symbol::Information);
    EXPECT_TRUE(LeerAb(d, 0));
}

TEST_F(LottodateiKapazitaet, As7MehrAls32000ZeilenUndAnhaengenAbStartindex) {
    std::string text;
    for (int i = 0; i < 32001; ++i) text += " 01 2000 00 01 02 03 04 05 06 00\r\n";
    DateiSchreiben(o / "viel.AS7", text);
    Lottodatei d;
    EXPECT_EQ(LottodateiLaden(S(o / "viel.AS7"), d), -1);
    EXPECT_EQ(port.MeldungsTexte(),
              std::vector<std::string>{"Das Laden wurde abgebrochen, mehr als 32000 Reihen!"});

    // Appending counts the draws already there; a refused append keeps them.
    Lottodatei e = Beispiel();
    DateiSchreiben(o / "drei.AS7", text.substr(0, 3 * 34));
    ASSERT_EQ(LottodateiLaden(S(o / "drei.AS7"), e, 5), 0);
    EXPECT_EQ(e.LetzterIndex, 7);
    DateiSchreiben(o / "kaputt.AS7", text.substr(0, 34) + "1 2 3\r\n");
    EXPECT_EQ(LottodateiLaden(S(o / "kaputt.AS7"), e, 5), -1);
    EXPECT_EQ(Felder(e), Felder(Beispiel()));
    EXPECT_EQ(e.LetzterIndex, 4);
}
