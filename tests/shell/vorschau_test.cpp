#include "shell/vorschau.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/lottodatei_format.h"
#include "core/zahlen.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;
using zahlix::test::Arbeitsordner;
using zahlix::test::DateiSchreiben;
using Zeilen = std::vector<std::string>;

namespace {

void Wort(std::string& s, int w) {
    s += static_cast<char>(w & 0xFF);
    s += static_cast<char>((w >> 8) & 0xFF);
}

// Images made by the file writer, whose bytes the format tests pin down.
std::string Zx7(const std::vector<test::Ziehung>& ziehungen) {
    return *LottodateiKodieren(test::HistorieAus(ziehungen), Lottoformat::ZX7);
}

std::string Zx6(const std::vector<test::Ziehung>& ziehungen) {
    return *LottodateiKodieren(test::HistorieAus(ziehungen), Lottoformat::ZX6);
}

// A row as the system evaluation stores it: key k in the high byte of the fourth word.
std::string Reihe(const std::vector<int>& zahlen, int k) {
    const Bitworte w = ZahlenPacken(zahlen);
    std::string s;
    for (int i = 0; i < 3; ++i) Wort(s, w[i] ^ (49 * k));
    Wort(s, (w[3] & 0xFF) | (k << 8));
    return s;
}

std::vector<test::Ziehung> Folge(int n) {
    std::vector<test::Ziehung> z;
    for (int i = 0; i < n; ++i)
        z.push_back({i % 52 + 1,
                     2000 + i / 52,
                     static_cast<char>(i % 3 == 0 ? 'A' : 0),
                     {1 + i % 7, 10, 20, 30, 40, 49 - i % 5},
                     i % 4 == 0 ? 50 : 7});
    return z;
}

class Vorschau : public ::testing::Test {
  protected:
    Zeilen Von(const std::string& name, const std::string& inhalt) {
        DateiSchreiben(ordner / name, inhalt);
        return DateiVorschau(ordner / name);
    }
    Arbeitsordner ordner;
};

}  // namespace

// The previews of every format, from ZX7 files with 16 draws down to single rows, pinned by
// tests/shell/golden/vorschau.txt.
TEST_F(Vorschau, JedesFormatWieDieGoldeneDatei) {
    std::string ende = Zx7(Folge(3));
    ende.replace(12 + 12, 2, std::string(2, '\0'));  // second draw starts with week 0
    std::string zs4("ZAHLIXZS4\0", 10);
    for (int i = 0; i < 20; ++i) {
        Wort(zs4, 1000 + i);
        zs4 += Reihe({1 + i, 2 + i, 3 + i, 4 + i, 5 + i, 30 + i}, (i * 37) % 128);
    }
    const std::pair<std::string, std::string> faelle[] = {
        {"Test.ZX7", Zx7(Folge(16))},
        {"leer.ZX7", Zx7({})},
        {"ende.ZX7", ende},
        {"klein.zx7", Zx7({{53, 1999, '9', {3, 12, 17, 25, 38, 44}, 9}})},
        {"Alt.ZX6",
         Zx6({{5, 2005, 0, {3, 12, 17, 25, 38, 44}, 9}, {1, 1955, 0, {1, 2, 3, 4, 5, 6}, 0}})},
        {"System.ZS3",
         Reihe({1, 8, 15, 22, 43, 49}, 1) + Reihe({7, 14, 21, 28, 35, 42}, 127) +
             Reihe({2, 3, 5, 7, 11, 13, 17, 19, 23}, 3) +  // a key whose multiple sets bit 7
             Reihe({6, 16, 26, 36, 46, 47}, 0)},
        {"Liste.ZXD", Reihe({4, 5, 6, 7, 8, 9}, 9)},
        {"Reihen.zs4", zs4},
    };
    std::string alle;
    for (const auto& [name, bytes] : faelle) {
        alle += "== " + name + "\n";
        for (const std::string& zeile : Von(name, bytes)) alle += zeile + "\n";
    }
    test::ErwarteGolden(alle, "shell/golden/vorschau.txt");

    // The row reader behind the ZS4 preview keeps each row's leading word.
    const auto gelesen = SystemreihenLesen(ordner / "Reihen.zs4", Reihenformat::ZS4);
    ASSERT_TRUE(gelesen.has_value());
    ASSERT_EQ(gelesen->size(), 20u);
    for (int i = 0; i < 20; ++i) {
        const auto& r = (*gelesen)[static_cast<size_t>(i)];
        EXPECT_EQ(r.zahlen, (std::vector<int>{1 + i, 2 + i, 3 + i, 4 + i, 5 + i, 30 + i})) << i;
        EXPECT_EQ(r.vorwort, static_cast<int16_t>(1000 + i));
    }
}

TEST_F(Vorschau, KeineVorschauUndDateigroesse) {
    EXPECT_EQ(Von("Modul.ZXM", "xyz"), Zeilen{"Keine Vorschau möglich"});
    EXPECT_EQ(Von("Zahlix.exe", "MZ"), Zeilen{"Keine Vorschau möglich"});
    EXPECT_EQ(Von("Text.TXT", std::string(1234567, 'a')), Zeilen{"Dateigröße in Byte = 1.234.567"});
    EXPECT_EQ(Von("ohne Endung", ""), Zeilen{"Dateigröße in Byte = 0"});
    EXPECT_EQ(Von("Jürgen Ä.AS7", std::string(12345, 'x')), Zeilen{"Dateigröße in Byte = 12.345"});
}

TEST_F(Vorschau, FehlendeDateiOderOrdnerZeigtNichts) {
    EXPECT_EQ(DateiVorschau(ordner / "fehlt.ZX7"), Zeilen{});
    std::filesystem::create_directory(ordner / "Ordner.ZX7");
    EXPECT_EQ(DateiVorschau(ordner / "Ordner.ZX7"), Zeilen{});
    EXPECT_FALSE(SystemreihenLesen(ordner / "fehlt.ZS3", Reihenformat::ZS3).has_value());
}

TEST_F(Vorschau, AbgeschnitteneDateienZaehlenNurGanzeSaetze) {
    const std::string voll = Zx7(Folge(3));
    for (size_t laenge = 0; laenge < voll.size(); ++laenge) {
        const Zeilen z = Von("kurz.ZX7", voll.substr(0, laenge));
        const size_t ganze = laenge >= 12 ? (laenge - 12) / 12 : 0;
        ASSERT_FALSE(z.empty());
        EXPECT_EQ(z[0], "Anzahl Reihen = " + std::to_string(ganze)) << laenge;
        EXPECT_EQ(z.size(), ganze == 0 ? 1u : ganze + 3) << laenge;
    }
    std::string zs3 = Reihe({1, 2, 3, 4, 5, 6}, 5) + Reihe({7, 8, 9, 10, 11, 12}, 6);
    zs3.pop_back();
    EXPECT_EQ(Von("kurz.ZS3", zs3).front(), "Anzahl Reihen = 1");
    EXPECT_EQ(SystemreihenLesen(ordner / "kurz.ZS3", Reihenformat::ZS3)->size(), 1u);
    EXPECT_EQ(Von("kurz.ZS4", "123456789").front(), "Anzahl Reihen = 0");
}

TEST_F(Vorschau, VerfaelschteBytesStuerzenNichtAb) {
    // Every word value must stay inside the tables, whatever the file holds.
    std::string zx7 = Zx7(Folge(5));
    std::string zs3 = Reihe({1, 2, 3, 4, 5, 6}, 5) + Reihe({40, 41, 42, 47, 48, 49}, 126);
    for (size_t i = 0; i < zx7.size(); ++i) {
        std::string k = zx7;
        k[i] = static_cast<char>(0xFF);
        const Zeilen z = Von("kaputt.ZX7", k);
        EXPECT_EQ(z.front(), "Anzahl Reihen = 5");
    }
    for (size_t i = 0; i < zs3.size(); ++i) {
        std::string k = zs3;
        k[i] = static_cast<char>(k[i] ^ 0xFF);
        const Zeilen z = Von("kaputt.ZS3", k);
        ASSERT_EQ(z.size(), 5u) << i;
        const auto r = SystemreihenLesen(ordner / "kaputt.ZS3", Reihenformat::ZS3);
        ASSERT_TRUE(r.has_value());
        for (const auto& reihe : *r)
            for (int n : reihe.zahlen) EXPECT_TRUE(n >= 1 && n <= 49) << i;
    }
}
