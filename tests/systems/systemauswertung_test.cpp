// The System-Auswertung against the evaluation engine row by row, its texts pinned by golden
// files, the stake, the row range of a system and the list of "Meine Systeme".
#include "systems/systemauswertung.h"

#include <gtest/gtest.h>

#include <random>

#include "core/reihenbereich.h"
#include "evaluation/bericht.h"
#include "evaluation/trefferliste.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"
#include "systems/meine_systeme.h"
#include "systems/system_lottodatei.h"
#include "systems/systembericht.h"

using namespace zahlix;

namespace {

// 400 random draws from 1..14 (so every class occurs), bonus numbers in and out of 1..49, one
// damaged draw of eight numbers, and gaps in the range.
Lottodatei Zufallshistorie() {
    Lottodatei d;
    std::mt19937 rng(19);
    std::vector<int> zahlen(14);
    for (int i = 0; i < 400; ++i) {
        std::iota(zahlen.begin(), zahlen.end(), 1);
        std::shuffle(zahlen.begin(), zahlen.end(), rng);
        Bitworte w = ZahlenPacken(std::span(zahlen.data(), i == 7 ? 8 : 6));
        const int zusatz = i % 5 == 0 ? 50 * (i % 2) : zahlen[6];
        w[3] = static_cast<int16_t>(w[3] | (zusatz << 8));
        d.ZahlenSetzen(i, w);
        d.WocheKennung[i] = WocheKennungAus(i % 52 + 1, i % 3 ? 0 : 'M');
        d.JahrCode[i] = JahrCodeAusJahr(1990 + i / 52);
        d.ImBereich[i] = i % 11 == 3 ? 0 : -1;
    }
    d.LetzterIndex = 399;
    return d;
}

Tippsystem Zufallssystem(int reihen, unsigned saat) {
    std::mt19937 rng(saat);
    std::vector<int> zahlen(16);
    Tippsystem s;
    for (int r = 0; r < reihen; ++r) {
        std::iota(zahlen.begin(), zahlen.end(), 1);
        std::shuffle(zahlen.begin(), zahlen.end(), rng);
        s.reihen.push_back(MaskeAus(std::span(zahlen.data(), 6)));
    }
    return s;
}

}  // namespace

// The literal method: every row on its own through ReihenAuswerten, the classes counted per draw.
TEST(Systemauswertung, GleichtDerEinzelauswertungJederReihe) {
    Lottodatei d = Zufallshistorie();
    const Tippsystem s = Zufallssystem(37, 5);
    std::vector<Klassenzaehler> jeZiehung(400);
    for (Reihenmaske r : s.reihen) {
        Klassenzaehler egal{};
        ReihenAuswerten(BitworteAusMaske(r), d, egal, {1, 1, 1});
        for (int i = 0; i < 400; ++i)
            if (d.ImBereich[i] == -1) ++jeZiehung[static_cast<size_t>(i)][d.Trefferwert[i]];
    }
    const Systemauswertung e = SystemAuswerten(s.reihen, d);
    std::array<int64_t, 10> summen{};
    size_t k = 0;
    for (int i = 0; i < 400; ++i) {
        if (d.ImBereich[i] != -1) continue;
        ASSERT_LT(k, e.ziehungen.size());
        const Systemziehung& z = e.ziehungen[k++];
        EXPECT_EQ(z.index, i);
        EXPECT_EQ(z.reihen, jeZiehung[static_cast<size_t>(i)]) << "Ziehung " << i;
        int beste = 0;
        for (int c = 0; c < 10; ++c) {
            summen[static_cast<size_t>(c)] += z.reihen[static_cast<size_t>(c)];
            if (z.reihen[static_cast<size_t>(c)] > 0 && KlassenRang(c) > KlassenRang(beste))
                beste = c;
        }
        EXPECT_EQ(z.beste, beste) << "Ziehung " << i;
    }
    EXPECT_EQ(k, e.ziehungen.size());
    EXPECT_EQ(e.summen, summen);
    for (int c : {9, 8, 7, 6}) EXPECT_GT(summen[static_cast<size_t>(c)], 0) << c;

    // A stop between draws keeps the draws done so far, complete.
    int gefragt = 0;
    const auto halb = SystemAuswerten(s.reihen, d, {[&] { return ++gefragt > 100; }, {}});
    EXPECT_TRUE(halb.abgebrochen);
    ASSERT_EQ(halb.ziehungen.size(), 100u);
    EXPECT_EQ(halb.ziehungen.back().reihen, e.ziehungen[99].reihen);
}

TEST(Systemauswertung, TexteGolden) {
    Lottodatei d = test::Beispiel();
    d.Titel = "05/2005-02/1999  Wo:01-53 ";
    Tippsystem s;
    for (const auto& r : std::vector<std::vector<int>>{{3, 12, 17, 25, 38, 9},
                                                       {1, 2, 3, 4, 5, 6},
                                                       {7, 14, 21, 28, 1, 2},
                                                       {43, 44, 45, 46, 1, 2}})
        s.reihen.push_back(MaskeAus(r));
    Systemkopf k{"Vier.ZS4", "Systemreihe     1 -     4", "Beispiel.ZX7", d.Titel, s.Zahlen(), 250};
    const Systemauswertung e = SystemAuswerten(s.reihen, d);
    test::ErwarteGolden(SystemauswertungBlock(k, e, d) + SystemauswertungBericht(k, e, d) +
                            TippsPruefenText({TippPruefen("/ordner/Vier.ZS4", s, d, 0),
                                              TippPruefen("Fehlt.ZS4", d, 0)},
                                             d, 0, "Beispiel.ZX7"),
                        "systems/golden/systemauswertung.txt");

    // The evaluation window's texts on a system: rows instead of draws, no bonus, no "Zuletzt".
    Lottodatei fenster;
    std::string fehler;
    ASSERT_TRUE(SystemInLottodatei(s, "Vier.ZS4", fenster, fehler));
    Auswertungsanzeige a;
    a.fenstertitel = "Lotto-Auswertung: Vier.ZS4";
    a.bereichText = fenster.Titel;
    a.auswahl = ZahlenPacken(std::vector{1, 2, 3, 9});
    a.listentitel = TrefferTitel(12);
    a.filter = 12;
    ReihenAuswerten(a.auswahl, fenster, a.zaehler, {1, 1, 1});
    test::ErwarteGolden(ZwischenspeicherBlock(a, fenster) + DruckBericht(a, fenster) +
                            ZeilenText(TrefferZeile(fenster, 3, a.auswahl)),
                        "systems/golden/fenstertexte.txt");
}

TEST(Systemauswertung, EinsatzNurAlsPreis) {
    const std::pair<const char*, int64_t> faelle[] = {
        {"1,20", 120},    {" 2 ", 200}, {"0,5", 50},     {"1,20 €", 120}, {"3EUR", 300},
        {"1000", 100000}, {"1.20", -1}, {"1,", -1},      {"0", -1},       {"-1", -1},
        {"1,234", -1},    {"", -1},     {"1000,01", -1}, {"zwei", -1},    {"€", -1}};
    for (auto [text, cent] : faelle) {
        int64_t wert = 7;
        std::string fehler;
        EXPECT_EQ(EinsatzLesen(text, wert, fehler), cent > 0) << text;
        EXPECT_EQ(wert, cent > 0 ? cent : 7) << text;
        EXPECT_EQ(fehler.empty(), cent > 0) << text;
    }
    EXPECT_EQ(Euro(123456789), "1.234.567,89 €");
    EXPECT_EQ(Euro(5), "0,05 €");
}

TEST(Systemauswertung, ReihenbereichEinesSystems) {
    Lottodatei d;
    std::string fehler;
    ASSERT_TRUE(SystemInLottodatei(Zufallssystem(12, 3), "Z.ZS4", d, fehler)) << fehler;
    EXPECT_EQ(d.Titel, "Systemreihe     1 -    12");
    const std::pair<Reihenwahl, std::vector<int>> faelle[] = {
        {{2, 5, ""}, {2, 3, 4, 5}},
        {{1, 0, " 1-3, 11,7 "}, {1, 2, 3, 7, 11}},
        {{4, 9, "1-5,12"}, {4, 5}},
    };
    for (const auto& [w, reihen] : faelle) {
        ASSERT_TRUE(ReihenbereichEinstellen(d, w, fehler)) << fehler;
        std::vector<int> drin;
        for (int i = 0; i < kSlots; ++i)
            if (d.ImBereich[i] == -1) drin.push_back(i + 1);
        EXPECT_EQ(drin, reihen) << d.Titel;
        // The range line reads back to the same rows.
        Bereichswerte b;
        BereichTextLesen(d.Titel, b);
        EXPECT_EQ(ReihenMarkieren(d, b), static_cast<int>(reihen.size()));
    }
    const std::string vorher = d.Titel;
    for (const Reihenwahl& w :
         {Reihenwahl{0, 3, ""}, Reihenwahl{5, 13, ""}, Reihenwahl{6, 2, ""},
          Reihenwahl{1, 0, "3-1"}, Reihenwahl{1, 0, "1,,2"}, Reihenwahl{1, 0, "13"},
          Reihenwahl{1, 3, "9"}, Reihenwahl{1, 0, "a"}})
        EXPECT_FALSE(ReihenbereichEinstellen(d, w, fehler)) << w.liste;
    EXPECT_EQ(d.Titel, vorher);
    EXPECT_EQ(SystemAusLottodatei(d, true).reihen.size(), 2u);

    // More rows than the window holds: refused, nothing changed.
    Tippsystem gross;
    gross.reihen.assign(kMaxFensterreihen + 1, MaskeAus(std::vector{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(SystemInLottodatei(gross, "G.ZS4", d, fehler));
    EXPECT_NE(fehler.find("32.001 Reihen"), std::string::npos) << fehler;
    EXPECT_EQ(d.Titel, vorher);
}

TEST(Systemauswertung, MeineSystemeUeberstehenBeschaedigteListe) {
    test::Arbeitsordner o;
    const auto liste = o / kMeineSystemeDatei;
    const char roh[] = "a.ZS4\r\n\r\nb\x01kaputt\r\n\xff\x00x.ZS3\nc.TXT\nA.ZS4\na.ZS4";
    test::DateiSchreiben(liste, std::string(roh, sizeof roh - 1));
    std::string fehler;
    ASSERT_TRUE(MeinSystemEintragen(liste, "d.ZS4", fehler)) << fehler;
    ASSERT_TRUE(MeinSystemAustragen(liste, "c.TXT", fehler)) << fehler;
    std::vector<std::string> gelesen;
    ASSERT_TRUE(MeineSystemeLaden(liste, gelesen, fehler));
    EXPECT_EQ(gelesen, (std::vector<std::string>{"a.ZS4", "A.ZS4", "d.ZS4"}));
}
