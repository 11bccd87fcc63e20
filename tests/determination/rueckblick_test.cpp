// The back-test against the literal method (cut the range, run the analysis, evaluate with the
// engine) on a history rigged for a peek, and the expectation against all rows of a small
// lottery.
#include "determination/rueckblick.h"

#include <gtest/gtest.h>

#include <bit>
#include <numeric>
#include <random>

#include "determination/analyse_aufruf.h"
#include "determination/zufallserwartung.h"
#include "support/lotto_beispiele.h"

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
