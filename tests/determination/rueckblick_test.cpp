// The back-test against the literal method (cut the range, run the analysis, evaluate with the
// engine), a rigged history that only a peek could win, and the expectation against an exact
// enumeration of every row of a small lottery.
#include "determination/rueckblick.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "core/isowoche.h"
#include "determination/analyse_aufruf.h"
#include "determination/zufallserwartung.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

// The class a row gets against slot i alone, by the engine (d's range is changed).
int KlasseDurchEngine(Lottodatei& d, int i, const std::vector<int>& reihe,
                      const Zusatzzahlwertung& z) {
    for (int j = 0; j < d.Anzahl(); ++j) d.ImBereich[static_cast<size_t>(j)] = j == i ? -1 : 0;
    Klassenzaehler k{};
    ReihenAuswerten(ZahlenPacken(reihe), d, k, z);
    return static_cast<int>(std::find(k.begin(), k.end(), 1) - k.begin());
}

std::vector<int> Vorschlag(const Lottodatei& davor, const AnalyseEingaben& e) {
    if (auto v = AnalyseAusfuehren(davor, e).vorschlag; !v.empty()) return v;
    // Summen- and Kombinationszahlen propose in a back-test only.
    const auto zeilen = ZeilenImBereich(davor);
    uint64_t gezogen = 0;
    for (const Zeile& z : zeilen) gezogen |= z.maske;
    return AnalyseAusfuehren(davor, e, {}, {zeilen, gezogen}).vorschlag;
}

// The back-test done literally: per tested draw a copy of the history whose range ends before
// it, with the numbers not drawn in that range locked, as the window would do. With peek the
// range keeps every draw.
std::array<int64_t, 10> Woertlich(const Lottodatei& d, const AnalyseEingaben& eingaben, int letzte,
                                  bool peek = false) {
    std::array<int64_t, 10> klassen{};
    const auto& b = eingaben.beruecksichtige;
    const Zusatzzahlwertung z{b[4], b[5], b[6]};
    Lottodatei davor = d, einzeln = d;
    for (int i = d.Anzahl() - letzte; i < d.Anzahl(); ++i) {
        AnalyseEingaben e = eingaben;
        for (int j = 0; j < d.Anzahl(); ++j) davor.ImBereich[static_cast<size_t>(j)] = -1;
        for (int j = i; j < d.Anzahl() && !peek; ++j) davor.ImBereich[static_cast<size_t>(j)] = 0;
        const auto ungezogen = UngezogeneZahlen(davor);
        for (size_t n = 0; n < 49; ++n) e.gesperrt[n] = e.gesperrt[n] || ungezogen[n];
        e.seed = RueckblickSaat(eingaben.seed, i);
        const auto montag = WochenMontag(WocheAus(d.WocheKennung[static_cast<size_t>(i)]),
                                         JahrAusJahrCode(d.JahrCode[static_cast<size_t>(i)]));
        const std::chrono::year_month_day samstag{std::chrono::sys_days(*montag) +
                                                  std::chrono::days(5)};
        e.tag = static_cast<int>(static_cast<unsigned>(samstag.day()));
        e.monat = static_cast<int>(static_cast<unsigned>(samstag.month()));
        e.jahr = static_cast<int>(samstag.year());
        ++klassen[static_cast<size_t>(KlasseDurchEngine(einzeln, i, Vorschlag(davor, e), z))];
    }
    return klassen;
}

std::array<int64_t, 10> Beobachtet(const RueckblickErgebnis& r) {
    std::array<int64_t, 10> b{};
    for (size_t c = 0; c < 10; ++c) b[c] = r.klasse[c].beobachtet;
    return b;
}

Lottodatei Zufallshistorie(int anzahl, int n, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<test::Ziehung> z;
    for (int i = 0; i < anzahl; ++i) {
        std::vector<int> alle(static_cast<size_t>(n));
        std::iota(alle.begin(), alle.end(), 1);
        std::shuffle(alle.begin(), alle.end(), rng);
        z.push_back({i % 52 + 1,
                     2000 + i / 52,
                     0,
                     {alle[0], alle[1], alle[2], alle[3], alle[4], alle[5]},
                     i % 4 == 0 ? 0 : alle[6]});
    }
    return test::HistorieAus(z, n);
}

}  // namespace

TEST(Rueckblick, GleichDemWoertlichenVerfahrenUndOhneBlickNachVorn) {
    // Glückszahlen from 1: before the last six draws 1 came with 7..11 four times; the last
    // six are 1..6. Seeing them all would propose 1..6 and hit six every time.
    std::vector<test::Ziehung> z(4, test::Ziehung{1, 2001, 0, {1, 7, 8, 9, 10, 11}, 12});
    for (int i = 0; i < 6; ++i) z.push_back({i + 2, 2001, 0, {1, 2, 3, 4, 5, 6}, 12});
    const Lottodatei gezinkt = test::HistorieAus(z);
    RueckblickEingaben e;
    e.analyse.art = Analyseart::Glueckszahlen;
    e.analyse.verwende = 2;
    e.analyse.markiert[0] = true;
    e.letzte = 6;
    EXPECT_EQ(Woertlich(gezinkt, e.analyse, 6, true)[6], 6);
    const auto r = RueckblickAusfuehren(gezinkt, e);
    EXPECT_LE(r.klasse[6].beobachtet, 2);
    EXPECT_EQ(Beobachtet(r), Woertlich(gezinkt, e.analyse, 6));

    const Lottodatei d = Zufallshistorie(80, 20, 3);
    using A = Analyseart;
    for (A art : {A::Prognosen, A::Zufallszahlen, A::Gewinnzahlen, A::Pechzahlen, A::Summenzahlen,
                  A::Kombinationszahlen, A::Horoskop}) {
        RueckblickEingaben f;
        f.analyse.art = art;
        f.analyse.seed = 77;
        f.analyse.prognoseMethode = 3, f.analyse.prognoseart = 3;
        f.analyse.versucheGewinnzahlen = 30, f.analyse.gewinnVon[3] = 8;
        f.analyse.summeVon = 40, f.analyse.summeBis = 60;
        f.analyse.kombiBis = 20000;
        f.analyse.gesperrt[4] = true;
        f.letzte = 70;
        const auto b = RueckblickAusfuehren(d, f);
        ASSERT_EQ(b.getestet, 70) << b.meldung;
        EXPECT_EQ(Beobachtet(b), Woertlich(d, f.analyse, 70)) << Katalogeintrag(art).listentext;
    }
}

TEST(Rueckblick, ErwartungGleichAllenReihenEinerKleinenLotterie) {
    const int n = 10;
    // Bonus outside, none, among the numbers (damaged), and a damaged draw of seven numbers.
    Lottodatei d = test::HistorieAus({{1, 2001, 0, {1, 2, 3, 4, 5, 6}, 9},
                                      {2, 2001, 0, {2, 4, 6, 8, 9, 10}, 0},
                                      {3, 2001, 0, {1, 3, 5, 7, 9, 10}, 5}},
                                     n);
    Lottodatei sieben = d;
    sieben.ZahlenSetzen(1, ZahlenPacken(std::vector{1, 2, 3, 4, 5, 6, 7}));
    for (Lottodatei* h : {&d, &sieben})
        for (int slot = 0; slot < 3; ++slot)
            for (int k : {1, 3, 6, 8})
                for (Zusatzzahlwertung z : {Zusatzzahlwertung{0, 0, 0}, {1, 1, 1}, {1, 0, 1}}) {
                    std::array<double, 10> alle{};
                    int reihen = 0;
                    for (uint32_t m = 0; m < (1u << n); ++m) {
                        if (std::popcount(m) != k) continue;
                        std::vector<int> reihe;
                        for (int x = 1; x <= n; ++x)
                            if (m >> (x - 1) & 1) reihe.push_back(x);
                        ++alle[static_cast<size_t>(KlasseDurchEngine(*h, slot, reihe, z))],
                            ++reihen;
                    }
                    for (int j = 0; j < 3; ++j) h->ImBereich[static_cast<size_t>(j)] = -1;
                    const auto p =
                        Zufallsklassen(ZeilenImBereich(*h)[static_cast<size_t>(slot)], k, n, z);
                    for (size_t c = 0; c < 10; ++c)
                        EXPECT_NEAR(p[c], alle[c] / reihen, 1e-12)
                            << slot << " k" << k << " c" << c;
                }

    // The distribution of a count over eight draws against all 256 outcomes.
    const std::vector<double> q{0.1, 0.5, 0.9, 0.3, 0.0, 1.0, 0.25, 0.6};
    std::array<double, 9> genau{};
    for (uint32_t m = 0; m < 256; ++m) {
        double w = 1;
        for (size_t i = 0; i < 8; ++i) w *= (m >> i & 1) ? q[i] : 1 - q[i];
        genau[static_cast<size_t>(std::popcount(m))] += w;
    }
    for (int x = -1; x <= 9; ++x) {
        double hoechstens = 0;
        for (int y = 0; y <= std::min(x, 8); ++y) hoechstens += genau[static_cast<size_t>(y)];
        EXPECT_NEAR(HoechstensWahrscheinlichkeit(q, x), hoechstens, 1e-12) << x;
        EXPECT_NEAR(MindestensWahrscheinlichkeit(q, x),
                    1 - hoechstens + (x >= 0 && x <= 8 ? genau[static_cast<size_t>(x)] : 0), 1e-12)
            << x;
    }
}

TEST(Rueckblick, TextMitGeldUndVerweigerungen) {
    const Lottodatei d = Zufallshistorie(30, 49, 9);
    RueckblickEingaben e;
    e.analyse.art = Analyseart::Zufallszahlen;
    e.analyse.fenstertitel = "Rückblick: Zufallszahlen - Test.ZX7";
    e.analyse.bereichText = "01/2000-30/2000";
    e.letzte = 25;
    e.mitGeld = true, e.einsatz = 120, e.gewinn[2] = 50, e.gewinn[3] = 1000;
    const std::string golden = test::Quelle("determination/golden/rueckblick.txt").string();
    if (std::getenv("ZAHLIX_GOLDEN_SCHREIBEN"))
        test::DateiSchreiben(golden, RueckblickAusfuehren(d, e).text);
    EXPECT_EQ(RueckblickAusfuehren(d, e).text, test::DateiLesen(golden));

    struct Fall {
        Analyseart art;
        int letzte, ziehungen;
        const char* bereich;
        std::string meldung;
    };
    const Fall faelle[] = {
        {Analyseart::Treffertabelle, 5, 30, "", "schlägt keine Zahlenreihe vor"},
        {Analyseart::Zufallszahlen, 30, 30, "", "höchstens 29 Ziehungen"},
        {Analyseart::Prognosen, 1, 2, "", "mindestens 3 Ziehungen"},
        {Analyseart::Horoskop, 1, 1, "", "mindestens 2 Ziehungen"},
        {Analyseart::Zufallszahlen, 1, 30, "Systemreihe     1 -    30", "System"},
    };
    for (const Fall& f : faelle) {
        Lottodatei h = d;
        for (int i = f.ziehungen; i < 30; ++i) h.ImBereich[static_cast<size_t>(i)] = 0;
        RueckblickEingaben g;
        g.analyse.art = f.art, g.analyse.bereichText = f.bereich, g.letzte = f.letzte;
        const auto r = RueckblickAusfuehren(h, g);
        EXPECT_NE(r.meldung.find(f.meldung), std::string::npos) << r.meldung;
        EXPECT_TRUE(r.text.empty());
    }
    // A stop keeps what was counted: here nothing, and says so.
    AnalyseRueckrufe stopp;
    stopp.stopp = [] { return true; };
    const auto r = RueckblickAusfuehren(d, e, stopp);
    EXPECT_TRUE(r.abgebrochen);
    EXPECT_NE(r.text.find("Abgebrochen nach 0 von 25"), std::string::npos);
}
