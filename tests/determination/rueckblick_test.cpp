// The back-test against the literal method (cut the range, run the analysis, evaluate with the
// engine) on a history rigged for a peek, and the expectation against all rows of a small
// lottery; the hit table's fast count against the literal one.
#include "determination/rueckblick.h"

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <numeric>
#include <random>
#include <vector>

#include "core/lottodatei_io.h"
#include "determination/analyse_aufruf.h"
#include "determination/treffertabelle.h"
#include "determination/zeilen.h"
#include "determination/zufallserwartung.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

// The class of a row against slot i alone, by the engine (d's range is changed).
int Klasse(Lottodatei& d, int i, const std::vector<int>& reihe, const Zusatzzahlwertung& z) {
    for (int j = 0; j < d.Anzahl(); ++j) d.ImBereich[static_cast<size_t>(j)] = j == i ? -1 : 0;
    Klassenzaehler k{};
    ReihenAuswerten(ZahlenPacken(reihe), d, k, z);
    return static_cast<int>(std::find(k.begin(), k.end(), 1) - k.begin());
}

// Per tested draw a copy whose range ends before it, its unused numbers locked as the window
// locks them; then the classes, as the back-test reports them.
void WieWoertlich(const Lottodatei& d, const RueckblickEingaben& r) {
    std::array<int64_t, 10> woertlich{}, rueckblick{};
    Lottodatei davor = d, einzeln = d;
    for (int i = d.Anzahl() - r.letzte; i < d.Anzahl(); ++i) {
        AnalyseEingaben e = r.analyse;
        for (int j = 0; j < d.Anzahl(); ++j)
            davor.ImBereich[static_cast<size_t>(j)] = j < i ? -1 : 0;
        const auto ungezogen = UngezogeneZahlen(davor);
        for (size_t n = 0; n < 49; ++n) e.gesperrt[n] = e.gesperrt[n] || ungezogen[n];
        e.seed = RueckblickSaat(r.analyse.seed, i);
        auto v = AnalyseAusfuehren(davor, e).vorschlag;
        if (v.empty())  // Summen- and Kombinationszahlen propose in a back-test only
            v = AnalyseAusfuehren(davor, e, {}, {ZeilenImBereich(davor), ~uint64_t{0}}).vorschlag;
        ++woertlich[static_cast<size_t>(Klasse(einzeln, i, v, {1, 1, 1}))];
    }
    const auto b = RueckblickAusfuehren(d, r);
    for (size_t c = 0; c < 10; ++c) rueckblick[c] = b.klasse[c].beobachtet;
    EXPECT_EQ(rueckblick, woertlich) << Katalogeintrag(r.analyse.art).listentext << b.meldung;
}

// Random draws whose numbers cluster on 1..14, so small systems see many 3..6-hit rows and
// bonus numbers inside the system.
Lottodatei Zufallshistorie(int anzahl, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<test::Ziehung> z;
    for (int i = 0; i < anzahl; ++i) {
        std::vector<int> alle;
        for (int n = 1; n <= 49; ++n) alle.push_back(n);
        std::shuffle(alle.begin(), alle.begin() + 14, rng);
        std::shuffle(alle.begin() + 4, alle.end(), rng);
        test::Ziehung zz{i % 52 + 1, 2000 + i / 52, 0, {}, 0};
        for (int j = 0; j < 6; ++j)
            zz.zahlen[static_cast<size_t>(j)] = alle[static_cast<size_t>(j)];
        zz.zusatz = rng() % 3 == 0 ? 50 : alle[6];
        z.push_back(zz);
    }
    Lottodatei d = test::HistorieAus(z);
    for (int i = 0; i < anzahl; i += 7) d.ImBereich[static_cast<size_t>(i)] = 0;
    // Damaged rows the engine still takes: eight numbers, and a bonus among the numbers.
    Bitworte w = ZahlenPacken(std::vector{1, 2, 3, 4, 5, 6, 7, 8});
    d.ZahlenSetzen(3, {w[0], w[1], w[2], static_cast<int16_t>(w[3] | (9 << 8))});
    w = ZahlenPacken(std::vector{2, 3, 5, 7, 9, 11});
    d.ZahlenSetzen(10, {w[0], w[1], w[2], static_cast<int16_t>(w[3] | (5 << 8))});
    return d;
}

void ErwarteGleich(const Treffertabellenergebnis& a, const Treffertabellenergebnis& b) {
    EXPECT_EQ(a.kombinationen, b.kombinationen);
    EXPECT_EQ(a.unvollstaendig, b.unvollstaendig);
    ASSERT_EQ(a.bilder.size(), b.bilder.size());
    for (size_t i = 0; i < a.bilder.size(); ++i) {
        EXPECT_EQ(a.bilder[i].klassen, b.bilder[i].klassen) << "Bild " << i;
        EXPECT_EQ(a.bilder[i].anzahl, b.bilder[i].anzahl) << "Bild " << i;
    }
}

}  // namespace

TEST(Rueckblick, GleichDemWoertlichenVerfahrenUndOhneBlickNachVorn) {
    // Glückszahlen from 1: before the last six draws 1 came with 7..11 four times; the last
    // six are 1..6. Seeing them would propose 1..6 and hit six every time.
    std::vector<test::Ziehung> z(4, test::Ziehung{1, 2001, 0, {1, 7, 8, 9, 10, 11}, 12});
    z.insert(z.end(), 6, test::Ziehung{2, 2001, 0, {1, 2, 3, 4, 5, 6}, 12});
    RueckblickEingaben e;
    e.analyse.art = Analyseart::Glueckszahlen, e.analyse.verwende = 2, e.letzte = 6;
    e.analyse.markiert[0] = true;
    const Lottodatei gezinkt = test::HistorieAus(z);
    EXPECT_EQ(AnalyseAusfuehren(gezinkt, e.analyse).vorschlag, (std::vector{1, 2, 3, 4, 5, 6}));
    EXPECT_LE(RueckblickAusfuehren(gezinkt, e).klasse[6].beobachtet, 2);
    WieWoertlich(gezinkt, e);

    // Random draws of 6 aus 20 with bonus numbers; number 5 locked throughout.
    std::mt19937 rng(3);
    std::vector<int> v(20);
    std::iota(v.begin(), v.end(), 1);
    for (int i = 0; i < 80; ++i) {
        std::shuffle(v.begin(), v.end(), rng);
        z.push_back({i % 52 + 1, 2002 + i / 52, 0, {v[0], v[1], v[2], v[3], v[4], v[5]}, v[6]});
    }
    const Lottodatei d = test::HistorieAus(z, 20);
    for (Analyseart art :
         {Analyseart::Prognosen, Analyseart::Zufallszahlen, Analyseart::Gewinnzahlen,
          Analyseart::Pechzahlen, Analyseart::Summenzahlen, Analyseart::Kombinationszahlen}) {
        RueckblickEingaben f;
        AnalyseEingaben& a = f.analyse;
        a.art = art, a.seed = 77, a.prognoseMethode = 3, a.prognoseart = 3;
        a.versucheGewinnzahlen = 30, a.gewinnVon[3] = 8, a.summeVon = 40, a.summeBis = 60;
        a.kombiBis = 20000, a.gesperrt[4] = true, f.letzte = 70;
        WieWoertlich(d, f);
    }
}

TEST(Rueckblick, ErwartungGleichAllenReihenEinerKleinenLotterie) {
    // Bonus outside, none, among the numbers, and a damaged draw of seven numbers.
    Lottodatei d = test::HistorieAus({{1, 2001, 0, {1, 2, 3, 4, 5, 6}, 9},
                                      {2, 2001, 0, {2, 4, 6, 8, 9, 10}, 0},
                                      {3, 2001, 0, {1, 3, 5, 7, 9, 10}, 5},
                                      {4, 2001, 0, {1, 2, 3, 4, 5, 6}, 0}},
                                     10);
    d.ZahlenSetzen(3, ZahlenPacken(std::vector{1, 2, 3, 4, 5, 6, 7}));
    for (int slot = 0; slot < 4; ++slot)
        for (int k : {1, 3, 6, 8})
            for (Zusatzzahlwertung z : {Zusatzzahlwertung{0, 0, 0}, {1, 1, 1}, {1, 0, 1}}) {
                std::array<double, 10> alle{};
                for (uint32_t m = 0; m < 1024; ++m) {
                    std::vector<int> reihe;
                    for (int x = 1; x <= 10; ++x)
                        if (m >> (x - 1) & 1) reihe.push_back(x);
                    if (std::ssize(reihe) == k)
                        ++alle[static_cast<size_t>(Klasse(d, slot, reihe, z))];
                }
                std::fill_n(d.ImBereich.begin(), 4, int16_t{-1});
                const auto p =
                    Zufallsklassen(ZeilenImBereich(d)[static_cast<size_t>(slot)], k, 10, z);
                for (size_t c = 0; c < 10; ++c)
                    EXPECT_NEAR(p[c], alle[c] / Binomial(10, k), 1e-12)
                        << slot << " k" << k << " c" << c;
            }
    // The distribution of a count over eight draws against all 256 outcomes.
    const std::vector<double> q{0.1, 0.5, 0.9, 0.3, 0.0, 1.0, 0.25, 0.6};
    std::array<double, 10> genau{};
    for (uint32_t m = 0; m < 256; ++m) {
        double w = 1;
        for (size_t i = 0; i < 8; ++i) w *= (m >> i & 1) ? q[i] : 1 - q[i];
        genau[static_cast<size_t>(std::popcount(m))] += w;
    }
    for (int x = 0; x <= 9; ++x) {
        const double bis = std::accumulate(genau.begin(), genau.begin() + x + 1, 0.0);
        EXPECT_NEAR(HoechstensWahrscheinlichkeit(q, x), std::min(bis, 1.0), 1e-12) << x;
        EXPECT_NEAR(MindestensWahrscheinlichkeit(q, x), 1 - bis + genau[static_cast<size_t>(x)],
                    1e-12)
            << x;
    }
}

TEST(Rueckblick, VerweigerungenUndAbbruch) {
    const Lottodatei d =
        test::HistorieAus(std::vector(30, test::Ziehung{1, 2000, 0, {1, 2, 3, 4, 5, 6}, 0}));
    RueckblickEingaben e;
    for (auto [art, letzte, meldung] : {std::tuple{Analyseart::Treffertabelle, 5, "schlägt keine"},
                                        {Analyseart::Zufallszahlen, 30, "höchstens 29 Ziehungen"},
                                        {Analyseart::Prognosen, 29, "höchstens 28 Ziehungen"}}) {
        e.analyse.art = art, e.letzte = letzte;
        const auto r = RueckblickAusfuehren(d, e);
        EXPECT_NE(r.meldung.find(meldung), std::string::npos) << r.meldung;
        EXPECT_TRUE(r.text.empty());
    }
    Lottodatei eine = d;
    std::fill(eine.ImBereich.begin() + 1, eine.ImBereich.end(), int16_t{0});
    EXPECT_NE(RueckblickAusfuehren(eine, e).meldung.find("mindestens 3 Ziehungen"),
              std::string::npos);
    e.analyse.bereichText = "Systemreihe     1 -    30", e.letzte = 1;
    EXPECT_NE(RueckblickAusfuehren(d, e).meldung.find("System"), std::string::npos);
    // A stop keeps what was counted, here nothing, and says so.
    AnalyseRueckrufe stopp;
    stopp.stopp = [] { return true; };
    e.analyse.bereichText.clear();
    const auto r = RueckblickAusfuehren(d, e, stopp);
    EXPECT_TRUE(r.abgebrochen);
    EXPECT_NE(r.text.find("Abgebrochen nach 0 von 1"), std::string::npos);
}

TEST(Treffertabelle, SchnellGleichWoertlichAufZufallshistorien) {
    const Lottodatei d = Zufallshistorie(400, 7);
    const Zusatzzahlwertung schalter[] = {{0, 0, 0}, {1, 1, 1}, {1, 0, 1}, {0, 1, 0}};
    int fall = 0;
    for (int n = 8; n <= 12; ++n) {
        std::vector<int> m;
        for (int z = 1; z <= n; ++z) m.push_back(z + (z > 10 ? 20 : 0));
        for (int index : {0, 2, 5, 7, 9, 12, 13}) {
            const auto& z = schalter[static_cast<size_t>(fall++ % 4)];
            SCOPED_TRACE("n " + std::to_string(n) + " index " + std::to_string(index));
            ErwarteGleich(TreffertabelleBerechnen(d, m, index, z),
                          TreffertabelleWoertlich(d, m, index, z));
        }
    }
}

TEST(Treffertabelle, SchnellGleichWoertlichAufEchterHistorie) {
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(pfad.string(), d), 0);
    const std::vector<int> m{3, 7, 11, 19, 22, 26, 31, 38, 42, 49};
    for (int index : {1, 4, 8, 11})
        ErwarteGleich(TreffertabelleBerechnen(d, m, index, {1, 1, 1}),
                      TreffertabelleWoertlich(d, m, index, {1, 1, 1}));
    // 26 numbers: two threads, and the table fills up, so the walk is repeated in order.
    std::vector<int> viele;
    for (int z = 1; z <= 26; ++z) viele.push_back(z);
    const auto voll = TreffertabelleBerechnen(d, viele, 9, {1, 1, 1});
    EXPECT_TRUE(voll.unvollstaendig);
    ErwarteGleich(voll, TreffertabelleWoertlich(d, viele, 9, {1, 1, 1}));
}

TEST(Treffertabelle, VolleTabelleEndetWieWoertlichBeim999tenBild) {
    const Lottodatei d = Zufallshistorie(3000, 11);
    std::vector<int> m;
    for (int z = 1; z <= 16; ++z) m.push_back(z);
    const auto schnell = TreffertabelleBerechnen(d, m, 9, {1, 1, 1});
    EXPECT_TRUE(schnell.unvollstaendig);
    EXPECT_EQ(schnell.bilder.size(), 999u);
    ErwarteGleich(schnell, TreffertabelleWoertlich(d, m, 9, {1, 1, 1}));
}

TEST(Treffertabelle, TextMitSpaltenmusterUndLeererTabelle) {
    // Both rows hold 1 2 3, only the second one 4: {1,2,3} hits three in two rows, the other
    // three triples in one.
    const Lottodatei d = test::HistorieAus(
        {{1, 2001, 0, {1, 2, 3, 10, 11, 12}, 0}, {2, 2001, 0, {1, 2, 3, 4, 13, 14}, 0}});
    const std::vector<int> m{1, 2, 3, 4};
    const auto t = TreffertabelleBerechnen(d, m, 0, {0, 0, 0});
    EXPECT_EQ(TreffertabelleText(t, "T", "B"),
              "* T\r\n* Bereich - B\r\n* Treffertabelle - 3 Treffer\r\n"
              "    6T    5T    4T    3T       Anzahl   in%\r\n"
              "     -     -     -     2            1  25,00%\r\n"
              "     -     -     -     1            3  75,00%\r\n\r\n" +
                  std::string(80, '-') + "\r\n");
    const auto leer = TreffertabelleBerechnen(d, m, 9, {0, 0, 0});  // n < k
    EXPECT_EQ(leer.kombinationen, 0);
    EXPECT_TRUE(leer.bilder.empty());
    EXPECT_EQ(TreffertabelleStatus(leer), kStatusTreffertabelleFertig);
    const auto eins = TreffertabelleBerechnen(d, m, 1, {0, 0, 0});
    EXPECT_TRUE(
        TreffertabelleText(eins, "T", "B").find("     -     -     1     *            1  100,00%") !=
        std::string::npos);
}

// 26 numbers, index 6: two threads and a table far from full, so the halves are merged. The
// picture of an assumed draw is how many draws equal it: counted here directly.
TEST(Treffertabelle, ZweiKerneOhneVolleTabelleWieDirekteZaehlung) {
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(pfad.string(), d), 0);
    std::vector<int> m(26);
    std::iota(m.begin(), m.end(), 1);
    std::map<uint64_t, int32_t> gleich;
    for (const Zeile& z : ZeilenImBereich(d))
        if (z.maske >> 26 == 0) ++gleich[z.maske];
    std::map<int32_t, int64_t> erwartet{{0, 230230 - static_cast<int64_t>(gleich.size())}};
    for (const auto& [maske, n] : gleich) ++erwartet[n];
    std::map<int32_t, int64_t> bilder;
    const auto t = TreffertabelleBerechnen(d, m, 6, {1, 1, 1});
    for (const Trefferbild& b : t.bilder) bilder[b.klassen[0]] = b.anzahl;
    EXPECT_FALSE(t.unvollstaendig);
    EXPECT_EQ(bilder, erwartet);
}
