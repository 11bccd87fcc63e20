#include "core/zahlen.h"

#include <gtest/gtest.h>

#include <array>

#include "core/lottodatei.h"

using namespace zahlix;

TEST(Zahlen, PackenUndEntpackenMitZusatzzahl) {
    const std::array zahlen{1, 8, 15, 22, 43, 49};
    Bitworte w = ZahlenPacken(zahlen);
    EXPECT_EQ(w, (Bitworte{257, 257, 0, 65}));
    w[3] = static_cast<int16_t>(w[3] + 7 * 256);
    EXPECT_EQ(w[3], 1857);

    std::array<int, 49> liste{};
    ASSERT_EQ(ZahlenEntpacken(w, liste), 6);
    EXPECT_EQ((std::array{liste[0], liste[1], liste[2], liste[3], liste[4], liste[5]}),
              (std::array{1, 8, 15, 22, 43, 49}));
    EXPECT_FALSE(ZahlGesetzt(7, w)) << "die Zusatzzahl ist keine gezogene Zahl";
    EXPECT_EQ(Zusatzzahl(w), 7);
}

TEST(Zahlen, BitlageJederZahlUndGrenzen) {
    for (int n = 1; n <= 49; ++n) {
        Bitworte w{};
        ZahlSetzen(n, w);
        EXPECT_EQ(AnzahlZahlen(w), 1) << n;
        EXPECT_TRUE(ZahlGesetzt(n, w)) << n;
        for (int16_t x : w) EXPECT_EQ(x & 0x8080, 0) << "Bit 7 und 15 bleiben frei, Zahl " << n;
        ZahlLoeschen(n, w);
        EXPECT_EQ(w, Bitworte{}) << n;
    }
    Bitworte w{};
    ZahlSetzen(0, w);
    ZahlSetzen(50, w);
    EXPECT_EQ(w, Bitworte{});
    EXPECT_FALSE(ZahlGesetzt(0, Bitworte{0x7F7F, 0x7F7F, 0x7F7F, 0x7F7F}));
}

TEST(Zahlen, JahrCodeUndKennung) {
    EXPECT_EQ(JahrCodeAusJahr(2005), 5125);
    EXPECT_EQ(JahrCodeAusJahr(1999), 4963);
    EXPECT_EQ(JahrCodeAusJahr(1900), kJahrCode1900);
    EXPECT_EQ(JahrAusJahrCode(5125), 2005);
    const int16_t wk = WocheKennungAus(53, 'Z');
    EXPECT_EQ(WocheAus(wk), 53);
    EXPECT_EQ(KennungAus(wk), 'Z');
    EXPECT_TRUE(KennungGueltig(0));
    EXPECT_TRUE(KennungGueltig('9'));
    EXPECT_FALSE(KennungGueltig('a'));
}

TEST(Lottodatei, PasstInDasSpeicherbudget) {
    Lottodatei d;
    const size_t bytes = sizeof(d) + 8 * d.WocheKennung.capacity() * sizeof(int16_t);
    EXPECT_LE(bytes, 600u * 1024u);
}

TEST(Zahlen, BeschaedigteWorteBleibenInDerTabelle) {
    // Every bit set, including 7 and 15 which never hold a number.
    const Bitworte w{-1, -1, -1, -1};
    std::array<int, 49> liste{};
    EXPECT_EQ(ZahlenEntpacken(w, liste), 49);
    EXPECT_EQ(AnzahlZahlen(w), 4 * 14);
}
