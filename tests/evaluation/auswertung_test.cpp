#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "core/lottodatei_io.h"
#include "evaluation/auswertung.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

constexpr Zusatzzahlwertung kAlleAn{1, 1, 1};
constexpr Zusatzzahlwertung kAlleAus{0, 0, 0};

void ZiehungSetzen(Lottodatei& d, int i, std::vector<int> zahlen, int zusatz) {
    Bitworte w = ZahlenPacken(zahlen);
    w[3] = static_cast<int16_t>(w[3] | (zusatz << 8));
    d.ZahlenSetzen(i, w);
    d.WocheKennung[i] = WocheKennungAus(i % 52 + 1, 0);
    d.JahrCode[i] = JahrCodeAusJahr(2000 + i / 52);
    d.ImBereich[i] = -1;
}

// Random valid draws: six distinct numbers and a bonus value out of 0..50.
void Zufallsziehungen(Lottodatei& d, int anzahl, unsigned seed) {
    std::mt19937 rng(seed);
    d.Leeren();
    std::array<int, 49> alle{};
    for (int n = 0; n < 49; ++n) alle[n] = n + 1;
    for (int i = 0; i < anzahl; ++i) {
        std::shuffle(alle.begin(), alle.end(), rng);
        ZiehungSetzen(d, i, {alle.begin(), alle.begin() + 6}, alle[6] % 51);
        if (rng() % 10 == 0) d.ImBereich[i] = 0;
        d.Trefferwert[i] = static_cast<int16_t>(rng() % 100);  // stale values
    }
}

// Both engines on copies; counters and every Trefferwert must agree.
void ErwarteGleicheErgebnisse(const Lottodatei& d, const Bitworte& s, const Zusatzzahlwertung& z) {
    Lottodatei a = d, b = d;
    Klassenzaehler za{}, zb{};
    ReihenAuswerten(s, a, za, z);
    ReihenAuswertenTabellen(s, b, zb, z);
    EXPECT_EQ(za, zb);
    EXPECT_EQ(a.Trefferwert, b.Trefferwert);
}

}  // namespace

TEST(ReihenAuswerten, LeereTabelleZaehltNichts) {
    Lottodatei d;
    LeereLottodateiSetzen(d);
    d.Trefferwert[0] = 42;
    Klassenzaehler z;
    z.fill(7);
    ReihenAuswerten(ZahlenPacken(std::vector{1, 2, 3}), d, z, kAlleAn);
    EXPECT_EQ(z, Klassenzaehler{});
    EXPECT_EQ(d.Trefferwert[0], 42);
}

TEST(ReihenAuswerten, KlassenMitUndOhneZusatzzahl) {
    Lottodatei d;
    d.Leeren();
    const auto auswahl = ZahlenPacken(std::vector{1, 2, 3, 4, 5, 6, 7});
    ZiehungSetzen(d, 0, {1, 2, 3, 10, 11, 12}, 7);   // 3 + selected bonus
    ZiehungSetzen(d, 1, {1, 2, 3, 4, 11, 12}, 7);    // 4 + selected bonus
    ZiehungSetzen(d, 2, {1, 2, 3, 4, 5, 12}, 7);     // 5 + selected bonus
    ZiehungSetzen(d, 3, {1, 2, 3, 4, 5, 6}, 7);      // 6 never takes a bonus class
    ZiehungSetzen(d, 4, {1, 2, 3, 10, 11, 12}, 40);  // bonus not selected
    ZiehungSetzen(d, 5, {1, 2, 3, 10, 11, 12}, 50);  // "no bonus"
    ZiehungSetzen(d, 6, {1, 2, 3, 10, 11, 12}, 0);   // "no bonus"
    ZiehungSetzen(d, 7, {1, 20, 30, 40, 41, 42}, 2);
    ZiehungSetzen(d, 8, {10, 20, 30, 40, 41, 42}, 1);

    struct Fall {
        Zusatzzahlwertung schalter;
        std::array<int16_t, 9> klassen;
    };
    const Fall faelle[] = {
        {kAlleAn, {7, 8, 9, 6, 3, 3, 3, 1, 0}},
        {kAlleAus, {3, 4, 5, 6, 3, 3, 3, 1, 0}},
        {{1, 0, 0}, {7, 4, 5, 6, 3, 3, 3, 1, 0}},
        {{0, 1, 0}, {3, 8, 5, 6, 3, 3, 3, 1, 0}},
        {{0, 0, 1}, {3, 4, 9, 6, 3, 3, 3, 1, 0}},
        // A switch counts as on only when it is exactly 1.
        {{-1, 2, 1}, {3, 4, 9, 6, 3, 3, 3, 1, 0}},
    };
    for (const auto& f : faelle) {
        Klassenzaehler z{};
        ReihenAuswerten(auswahl, d, z, f.schalter);
        Klassenzaehler soll{};
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(d.Trefferwert[i], f.klassen[i]) << "Ziehung " << i;
            ++soll[f.klassen[i]];
        }
        EXPECT_EQ(z, soll);
        EXPECT_EQ(AlleSumme(z), 8);
        EXPECT_EQ(GewinnSumme(z), 7);
        ErwarteGleicheErgebnisse(d, auswahl, f.schalter);
    }
}

TEST(ReihenAuswerten, AusserhalbDesBereichsBleibtUnveraendert) {
    Lottodatei d;
    d.Leeren();
    for (int i = 0; i < 5; ++i) ZiehungSetzen(d, i, {1, 2, 3, 4, 5, 6}, 0);
    d.ImBereich[1] = 0;
    d.ImBereich[3] = 1;  // anything but -1 is out of range
    d.Trefferwert[1] = 9;
    d.Trefferwert[3] = 2;
    Klassenzaehler z{};
    ReihenAuswerten(ZahlenPacken(std::vector{1, 2}), d, z, kAlleAn);
    EXPECT_EQ(z[2], 3);
    EXPECT_EQ(AlleSumme(z), 3);
    EXPECT_EQ(d.Trefferwert[1], 9);
    EXPECT_EQ(d.Trefferwert[3], 2);
    EXPECT_EQ(d.Trefferwert[4], 2);
}

TEST(ReihenAuswerten, EndeAnDerErstenLeerenZiehung) {
    Lottodatei d;
    d.Leeren();
    for (int i = 0; i < 1500; ++i) ZiehungSetzen(d, i, {1, 2, 3, 4, 5, 6}, 9);
    // Only the bonus byte set: still the end entry, the draws behind it are never read.
    d.Bitwort1[700] = d.Bitwort2[700] = d.Bitwort3[700] = 0;
    d.Bitwort4[700] = 9 << 8;
    Klassenzaehler z{};
    ReihenAuswerten(ZahlenPacken(std::vector{1}), d, z, kAlleAn);
    EXPECT_EQ(z[1], 700);
    EXPECT_EQ(d.Trefferwert[701], 0);
    ErwarteGleicheErgebnisse(d, ZahlenPacken(std::vector{1}), kAlleAn);

    // A table without any end entry stops at the last slot.
    for (int i = 0; i < kSlots; ++i) ZiehungSetzen(d, i, {7, 8, 9, 10, 11, 12}, 1);
    ReihenAuswerten(ZahlenPacken(std::vector{7}), d, z, kAlleAn);
    EXPECT_EQ(z[1], kSlots);
}

TEST(ReihenAuswerten, AlleZahlenUndKaputteZiehungen) {
    Lottodatei d;
    Zufallsziehungen(d, 300, 7);
    std::vector<int> alle(49);
    for (int n = 0; n < 49; ++n) alle[n] = n + 1;
    Klassenzaehler z{};
    ReihenAuswerten(ZahlenPacken(alle), d, z, kAlleAn);
    int drin = 0;
    for (int i = 0; i < 300; ++i) drin += d.ImBereich[i] == -1;
    EXPECT_EQ(z[6], drin);

    // Draws with stray bits 7/15 and far too many numbers stay inside the ten classes.
    d.Bitwort1[0] = static_cast<int16_t>(0xFFFF);
    d.Bitwort2[0] = 0x7F7F;
    d.Bitwort4[0] = static_cast<int16_t>(0xFFFF);
    d.ImBereich[0] = -1;
    Bitworte kaputt{static_cast<int16_t>(0xFFFF), -1, -1, -1};
    ErwarteGleicheErgebnisse(d, kaputt, kAlleAn);
    ReihenAuswerten(kaputt, d, z, kAlleAn);
    EXPECT_EQ(d.Trefferwert[0], 6);
}

TEST(ReihenAuswerten, ZiehungMitAllenZahlenZaehltSechsTreffer) {
    // A damaged draw holding all 49 numbers is a full hit for any selection of six or more,
    // never a bonus class, in both engines and through either popcount path.
    Lottodatei d;
    std::vector<int> alle(49);
    for (int n = 0; n < 49; ++n) alle[n] = n + 1;
    ZiehungSetzen(d, 0, alle, 7);
    for (auto auswerten : {ReihenAuswerten, ReihenAuswertenTabellen}) {
        for (int k : {5, 6, 7, 15, 16, 49}) {
            Lottodatei kopie = d;
            Klassenzaehler z{};
            auswerten(ZahlenPacken({alle.begin(), alle.begin() + k}), kopie, z, kAlleAn);
            const int erwartet = std::min(k, 6);
            EXPECT_EQ(kopie.Trefferwert[0], erwartet) << k;
            EXPECT_EQ(z[static_cast<size_t>(erwartet)], 1) << k;
        }
    }
}

TEST(ReihenAuswerten, GleichWieTabellenwegAufZufallsdaten) {
    Lottodatei d;
    Zufallsziehungen(d, 5000, 20261206);
    std::mt19937 rng(99);
    for (int runde = 0; runde < 60; ++runde) {
        std::vector<int> zahlen;
        const int k = 1 + static_cast<int>(rng() % 20);
        for (int i = 0; i < k; ++i) zahlen.push_back(1 + static_cast<int>(rng() % 49));
        const Zusatzzahlwertung z{static_cast<int16_t>(rng() % 2), static_cast<int16_t>(rng() % 2),
                                  static_cast<int16_t>(rng() % 2)};
        ErwarteGleicheErgebnisse(d, ZahlenPacken(zahlen), z);
    }
}

TEST(ReihenAuswerten, GleichWieTabellenwegAufEchterHistorie) {
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(pfad.string(), d), 0);
    ASSERT_GT(d.Anzahl(), 5000);
    for (const auto& zahlen : {std::vector{3, 12, 17, 25, 38, 44},
                               std::vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, std::vector{49}}) {
        ErwarteGleicheErgebnisse(d, ZahlenPacken(zahlen), kAlleAn);
        ErwarteGleicheErgebnisse(d, ZahlenPacken(zahlen), {1, 0, 1});
        Klassenzaehler z{};
        ReihenAuswerten(ZahlenPacken(zahlen), d, z, kAlleAn);
        EXPECT_EQ(AlleSumme(z) + z[0], d.Anzahl());
    }
}

TEST(KombiNr, RangUndUmkehrung) {
    struct Fall {
        std::vector<int> zahlen;
        int n;
        int32_t nr;
    };
    const Fall faelle[] = {
        {{1, 2, 3, 4, 5, 6}, 49, 1},
        {{44, 45, 46, 47, 48, 49}, 49, 13983816},
        {{1, 2, 3, 4, 5, 7}, 49, 2},
        {{1, 2, 3, 4, 6, 7}, 49, 45},
        {{17}, 49, 17},
        {{40, 45}, 45, 980},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 49, 1},
        {{41, 42, 43, 44, 45, 46, 47, 48, 49}, 49, 2054455634},
        {{1, 2, 3, 4, 5, 6}, 6, 1},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(KombiNrBerechnen(f.zahlen, f.n), f.nr);
        std::vector<int> zurueck(f.zahlen.size());
        KombinationAusKombiNr(f.nr, zurueck, f.n);
        EXPECT_EQ(zurueck, f.zahlen);
    }
}

TEST(KombiNr, UngueltigeListenHabenKeinenRang) {
    EXPECT_EQ(KombiNrBerechnen(std::vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 49), 0);
    EXPECT_EQ(KombiNrBerechnen(std::vector<int>{}, 49), 0);
    EXPECT_EQ(KombiNrBerechnen(std::vector{3, 2}, 49), 0);
    EXPECT_EQ(KombiNrBerechnen(std::vector{2, 2}, 49), 0);
    EXPECT_EQ(KombiNrBerechnen(std::vector{1, 46}, 45), 0);
    EXPECT_EQ(KombiNrBerechnen(std::vector{0, 5}, 49), 0);
}

TEST(KombiNr, AlleRaengeEinerKleinenLotterieDurchlaufen) {
    // Every 3-combination of 1..12 in lexicographic order has the next rank.
    int32_t erwartet = 0;
    for (int a = 1; a <= 12; ++a)
        for (int b = a + 1; b <= 12; ++b)
            for (int c = b + 1; c <= 12; ++c) {
                const std::vector<int> kombi{a, b, c};
                ASSERT_EQ(KombiNrBerechnen(kombi, 12), ++erwartet);
                std::vector<int> zurueck(3);
                KombinationAusKombiNr(erwartet, zurueck, 12);
                ASSERT_EQ(zurueck, kombi);
            }
    EXPECT_EQ(erwartet, 220);
    std::vector<int> z(3);
    KombinationAusKombiNr(0, z, 12);
    EXPECT_EQ(z, (std::vector{1, 2, 3}));
    KombinationAusKombiNr(221, z, 12);
    EXPECT_EQ(z, (std::vector{10, 11, 12}));
}
