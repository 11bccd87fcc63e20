// The quick (bucket) sort and the slow sort of the draw table.
#include "evaluation/sortieren.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "app/skript_port.h"
#include "core/lottodatei.h"

namespace zahlix {
namespace {

// Random draws in the years 1950..2030; every entry gets a unique Trefferwert as its serial
// number, so the tests can see exactly where each entry went.
Lottodatei Zufallstabelle(int anzahl, unsigned saat, int jahre = 80) {
    std::mt19937 zufall(saat);
    Lottodatei d;
    for (int i = 0; i < anzahl; ++i) {
        const int woche = 1 + static_cast<int>(zufall() % 53);
        const int jahr = 1950 + static_cast<int>(zufall() % jahre);
        d.WocheKennung[i] = WocheKennungAus(woche, (zufall() % 2) ? 'M' : 'S');
        d.JahrCode[i] = JahrCodeAusJahr(jahr);
        d.Bitwort1[i] = static_cast<int16_t>(zufall() & 0x7F7F);
        d.Bitwort2[i] = static_cast<int16_t>(zufall() & 0x7F7F);
        d.Bitwort3[i] = static_cast<int16_t>(zufall() & 0x7F7F);
        d.Bitwort4[i] = static_cast<int16_t>(zufall() & 0x327F);
        d.Trefferwert[i] = static_cast<int16_t>(i);
        d.ImBereich[i] = static_cast<int16_t>(-(i % 2));
    }
    d.LetzterIndex = static_cast<int16_t>(anzahl - 1);
    return d;
}

int64_t Schluessel(const Lottodatei& d, int i) {
    return Sortierschluessel(d.JahrCode[i], d.WocheKennung[i]);
}

// The order std::stable_sort gives, as serial numbers.
std::vector<int16_t> StabileFolge(const Lottodatei& d) {
    const int n = d.LetzterIndex + 1;
    std::vector<int> idx(n);
    std::iota(idx.begin(), idx.end(), 0);
    std::stable_sort(idx.begin(), idx.end(),
                     [&](int a, int b) { return Schluessel(d, a) < Schluessel(d, b); });
    std::vector<int16_t> folge;
    for (int i : idx) folge.push_back(d.Trefferwert[i]);
    return folge;
}

std::vector<int16_t> Folge(const Lottodatei& d) {
    return {d.Trefferwert.begin(), d.Trefferwert.begin() + d.LetzterIndex + 1};
}

// Every field of an entry travels with it.
void FelderZusammen(const Lottodatei& vorher, const Lottodatei& nachher) {
    for (int k = 0; k <= nachher.LetzterIndex; ++k) {
        const int i = nachher.Trefferwert[k];
        ASSERT_EQ(nachher.WocheKennung[k], vorher.WocheKennung[i]) << k;
        ASSERT_EQ(nachher.JahrCode[k], vorher.JahrCode[i]) << k;
        ASSERT_EQ(nachher.Bitwort1[k], vorher.Bitwort1[i]) << k;
        ASSERT_EQ(nachher.Bitwort4[k], vorher.Bitwort4[i]) << k;
        ASSERT_EQ(nachher.ImBereich[k], vorher.ImBereich[i]) << k;
    }
}

TEST(Sortieren, BeideWieStabileSortierung) {
    for (unsigned saat : {1u, 2u, 3u}) {
        // 800 draws over 80 years: never more than seven in one week with these seeds, and
        // dozens sharing week, year and identifier, whose order must stay.
        const Lottodatei vorher = Zufallstabelle(800, saat);
        Lottodatei schnell = vorher, langsam = vorher;
        ASSERT_FALSE(ZiehungenSortierenSchnell(schnell, schnell.LetzterIndex)) << saat;
        ZiehungenSortierenLangsam(langsam, langsam.LetzterIndex);
        EXPECT_EQ(Folge(schnell), StabileFolge(vorher)) << saat;
        EXPECT_EQ(Folge(langsam), StabileFolge(vorher)) << saat;
        FelderZusammen(vorher, schnell);
        FelderZusammen(vorher, langsam);
        EXPECT_EQ(schnell.WocheKennung[800], 0);
    }
}

TEST(Sortieren, AchtZiehungenInEinerWocheBrechenAb) {
    Lottodatei d = Zufallstabelle(50, 9);
    for (int i = 0; i < 7; ++i) {
        d.WocheKennung[10 + i] = WocheKennungAus(12, 'A' + i);
        d.JahrCode[10 + i] = JahrCodeAusJahr(2040);  // outside the random years
    }
    Lottodatei sieben = d;
    EXPECT_FALSE(ZiehungenSortierenSchnell(sieben, sieben.LetzterIndex));

    d.WocheKennung[40] = WocheKennungAus(12, 'Z');
    d.JahrCode[40] = JahrCodeAusJahr(2040);
    const Lottodatei vorher = d;
    EXPECT_TRUE(ZiehungenSortierenSchnell(d, d.LetzterIndex));
    EXPECT_EQ(Folge(d), Folge(vorher));  // untouched

    ZiehungenSortierenLangsam(d, d.LetzterIndex);
    EXPECT_EQ(Folge(d), StabileFolge(vorher));
}

TEST(Sortieren, UngewoehnlicheWochenUndJahrCodes) {
    // Week bytes above 53 and year codes far apart (damaged files) still sort by the same key.
    Lottodatei d = Zufallstabelle(30, 5);
    d.WocheKennung[3] = WocheKennungAus(200, 'S');
    d.JahrCode[7] = 0x7F10;
    d.WocheKennung[9] = static_cast<int16_t>('M' * 256);  // week 0 with an identifier
    const Lottodatei vorher = d;
    Lottodatei langsam = d;
    ASSERT_FALSE(ZiehungenSortierenSchnell(d, d.LetzterIndex));
    ZiehungenSortierenLangsam(langsam, langsam.LetzterIndex);
    EXPECT_EQ(Folge(d), StabileFolge(vorher));
    EXPECT_EQ(Folge(langsam), StabileFolge(vorher));
}

TEST(Sortieren, BeschaedigteJahrCodesSortierenStabilUndBrechenNachSiebenAb) {
    // A far-off year code sends the quick sort to its comparison path, with the same rules:
    // 30 weeks of exactly seven draws each, shuffled, come out in stable order.
    Lottodatei d = Zufallstabelle(212, 11);
    for (int i = 0; i < 210; ++i) {
        d.WocheKennung[i] = WocheKennungAus(1 + (i * 29) % 30, 'S');
        d.JahrCode[i] = JahrCodeAusJahr(2000);
    }
    d.JahrCode[210] = 0x7F10;
    d.WocheKennung[211] = d.WocheKennung[0];  // an eighth draw of week 1, sorted only below
    d.JahrCode[211] = d.JahrCode[0];
    Lottodatei sieben = d;
    sieben.LetzterIndex = 210;
    const Lottodatei vorher = sieben;
    ASSERT_FALSE(ZiehungenSortierenSchnell(sieben, 210));
    EXPECT_EQ(Folge(sieben), StabileFolge(vorher));
    const Lottodatei acht = d;
    EXPECT_TRUE(ZiehungenSortierenSchnell(d, 211));
    EXPECT_EQ(Folge(d), Folge(acht));
}

TEST(Sortieren, KleineTabellenUndTeilbereich) {
    Lottodatei eine = Zufallstabelle(1, 6);
    EXPECT_FALSE(ZiehungenSortierenSchnell(eine, 0));
    ZiehungenSortierenLangsam(eine, 0);
    EXPECT_EQ(eine.Trefferwert[0], 0);

    // Only the entries 0..L take part; the rest stays where it is.
    Lottodatei d = Zufallstabelle(10, 7);
    const Lottodatei vorher = d;
    ASSERT_FALSE(ZiehungenSortierenSchnell(d, 4));
    for (int i = 5; i < 10; ++i) EXPECT_EQ(d.Trefferwert[i], vorher.Trefferwert[i]);
}

struct AnlassFall {
    SortierAnlass anlass;
    Taste antwort;
    const char* frage;
    bool sortiert;
};

class SortierFrage : public ::testing::TestWithParam<AnlassFall> {};

TEST_P(SortierFrage, AbbruchFragtNachDerLangsamenSortierung) {
    const AnlassFall& f = GetParam();
    SkriptPort port;
    port.tasten.push_back(f.antwort);
    Lottodatei d = Zufallstabelle(40, 8);
    for (int i = 0; i < 8; ++i) {
        d.WocheKennung[i] = WocheKennungAus(30, '1' + i);
        d.JahrCode[i] = JahrCodeAusJahr(2045);
    }
    const Lottodatei vorher = d;
    EXPECT_EQ(ZiehungenSortieren(d, f.anlass), f.sortiert);
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text, f.frage);
    EXPECT_EQ(port.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(Folge(d), f.sortiert ? StabileFolge(vorher) : Folge(vorher));
}

INSTANTIATE_TEST_SUITE_P(
    Fragen, SortierFrage,
    ::testing::Values(
        AnlassFall{SortierAnlass::Hinzufuegen, Taste::Erste,
                   "Die Quick-Sortierung wurde abgebrochen (> 7 Ziehungen pro Woche)\rSoll die "
                   "Sortierung wird mit einer langsameren Methode versucht werden?",
                   true},
        AnlassFall{SortierAnlass::Berichtigen, Taste::Zweite,
                   "Die Quick-Sortierung wurde abgebrochen\r(> 7 Ziehungen pro Woche)\rSoll die "
                   "Sortierung wird mit einer langsameren Methode versucht werden?",
                   false}));

TEST(Sortieren, JahrVor1900WirdMitMeldungAbgelehnt) {
    SkriptPort port;
    Lottodatei d = Zufallstabelle(20, 10);
    d.JahrCode[5] = JahrCodeAusJahr(1900);  // 1900 itself is accepted
    d.JahrCode[12] = JahrCodeAusJahr(1850);
    d.WocheKennung[12] = WocheKennungAus(3, 'S');
    const Lottodatei vorher = d;
    EXPECT_EQ(ErsteZiehungVor1900(d, d.LetzterIndex), 12);
    Lottodatei schnell = d;
    EXPECT_TRUE(ZiehungenSortierenSchnell(schnell, schnell.LetzterIndex));
    EXPECT_EQ(Folge(schnell), Folge(vorher));
    EXPECT_FALSE(ZiehungenSortieren(d, SortierAnlass::Hinzufuegen));
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text,
              "Die Ziehung der Woche 03/1850 liegt vor 1900.\rDie Lottodaten können deshalb nicht "
              "sortiert werden und bleiben in ihrer bisherigen Reihenfolge.");
    EXPECT_EQ(Folge(d), Folge(vorher));
}

}  // namespace
}  // namespace zahlix
