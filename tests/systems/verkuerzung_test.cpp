// Reduced systems: every result holds its guarantee by a count of our own, is no larger than
// the greedy start, comes out the same for the same seed, and bad orders are refused.
#include "systems/verkuerzung.h"

#include <gtest/gtest.h>

#include <bit>

#include "systems/abdeckung.h"
#include "systems/schranken.h"

using namespace zahlix;

namespace {

// m-subsets of the numbers without a row holding t of them, by plain enumeration.
int64_t Ungedeckt(const std::vector<int>& zahlen, const std::vector<Reihenmaske>& reihen, int t,
                  int m) {
    int64_t offen = 0;
    const size_t n = zahlen.size();
    for (uint64_t wahl = 0; wahl < (uint64_t{1} << n); ++wahl) {
        if (std::popcount(wahl) != m) continue;
        Reihenmaske menge = 0;
        for (size_t i = 0; i < n; ++i)
            if ((wahl >> i) & 1) menge |= Reihenmaske{1} << (zahlen[i] - 1);
        bool gedeckt = false;
        for (Reihenmaske r : reihen) gedeckt = gedeckt || std::popcount(r & menge) >= t;
        offen += !gedeckt;
    }
    return offen;
}

Verkuerzungsauftrag Auftrag(std::vector<int> zahlen, int t, int m) {
    Verkuerzungsauftrag a;
    a.zahlen = std::move(zahlen);
    a.t = t, a.m = m;
    a.arbeit = 300'000;  // a test never waits for the program's own effort
    return a;
}

std::vector<int> BisN(int n) {
    std::vector<int> z;
    for (int i = 1; i <= n; ++i) z.push_back(i);
    return z;
}

}  // namespace

TEST(Verkuerzung, JedesSystemHaeltSeineGarantieUndIstReproduzierbar) {
    struct Fall {
        std::vector<int> zahlen;
        int t, m;
        bool zufall;
    };
    const std::vector<Fall> faelle = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3, 3, false},
        {{2, 5, 9, 13, 17, 21, 26, 30, 34, 38, 42, 49}, 4, 4, true},
        {{3, 4, 8, 15, 16, 23, 42, 44, 45, 46, 47}, 3, 5, false},
        {{7, 11, 19, 20, 31, 33, 35, 40, 48}, 2, 4, true},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 2, 2, false},
        {{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, 5, 6, false},
    };
    for (const Fall& f : faelle) {
        Verkuerzungsauftrag a = Auftrag(f.zahlen, f.t, f.m);
        a.seed = 11;
        a.zufallsbelegung = f.zufall;
        const Verkuerzungsergebnis e = SystemVerkuerzen(a), noch = SystemVerkuerzen(a);
        const auto& reihen = e.system.reihen;
        ASSERT_TRUE(e.meldung.empty()) << e.meldung;
        EXPECT_EQ(Ungedeckt(f.zahlen, reihen, f.t, f.m), 0) << f.t << " aus " << f.m;
        EXPECT_LE(static_cast<int>(reihen.size()), e.gierig);
        EXPECT_GE(static_cast<int64_t>(reihen.size()), e.schranke);
        EXPECT_EQ(reihen, noch.system.reihen);
        Reihenmaske gewaehlt = 0;
        for (int z : f.zahlen) gewaehlt |= Reihenmaske{1} << (z - 1);
        for (Reihenmaske r : reihen) EXPECT_TRUE(std::popcount(r) == 6 && (r & ~gewaehlt) == 0);
        EXPECT_NE(e.kopf.find("Reihen: erfüllt"), std::string::npos) << e.kopf;
        EXPECT_TRUE(e.text.starts_with(e.kopf));
    }
}

TEST(Verkuerzung, ErreichtKleineVeroeffentlichteGroessen) {
    for (auto [n, t] : {std::pair{11, 3}, {12, 3}, {12, 5}}) {
        Verkuerzungsauftrag a = Auftrag(BisN(n), t, t);
        a.sekunden = 10, a.arbeit = 0;
        const auto e = SystemVerkuerzen(a);
        EXPECT_TRUE(e.zielErreicht) << n << "/" << t;
        // Eleven numbers meet Schönheim's bound, so the table's entry must equal it.
        EXPECT_EQ(static_cast<int64_t>(e.system.reihen.size()),
                  BekannteGroesse(n, t, t).value_or(e.schranke));
    }
}

TEST(Verkuerzung, StopBehaeltDasBesteVollstaendigeSystem) {
    Verkuerzungsauftrag a = Auftrag(BisN(16), 3, 3);
    a.arbeit = 0;  // only Stop ends it
    Verkuerzungsrueckrufe r;
    int beste = 0;
    r.fortschritt = [&](const Suchfortschritt& f) { beste = f.beste; };
    r.stopp = [&] { return beste > 0; };
    auto e = SystemVerkuerzen(a, r);
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_EQ(Ungedeckt(a.zahlen, e.system.reihen, 3, 3), 0);
    // Stopped before the greedy start is complete: no system, and the message says so.
    a = Auftrag(BisN(40), 5, 5);
    r.stopp = [] { return true; };
    e = SystemVerkuerzen(a, r);
    EXPECT_TRUE(e.system.reihen.empty());
    EXPECT_NE(e.meldung.find("kein Ergebnis"), std::string::npos) << e.meldung;
}

TEST(Verkuerzung, SchlechteAuftraegeWerdenAbgelehnt) {
    std::vector<std::pair<Verkuerzungsauftrag, std::string>> faelle = {
        {Auftrag(BisN(6), 3, 3), "mindestens 7 Zahlen"},
        {Auftrag({1, 2, 3, 4, 5, 6, 6}, 3, 3), "6 ist mehrfach"},
        {Auftrag({0, 2, 3, 4, 5, 6, 7}, 3, 3), "0 liegt nicht in 1 bis 49"},
        {Auftrag({1, 2, 3, 4, 5, 6, 50}, 3, 3), "50 liegt nicht"},
        {Auftrag(BisN(7), 4, 3), "t darf nicht größer als m"},
        {Auftrag(BisN(7), 3, 7), "höchstens 6"},
        {Auftrag(BisN(7), 6, 6), "2 bis 5 Richtige"},
        {Auftrag(BisN(7), 1, 3), "2 bis 5 Richtige"},
        {Auftrag(BisN(10), 3, 3), "mindestens 1 Sekunde"},
        {Auftrag(BisN(10), 3, 3), "mindestens 7 Reihen"},
    };
    faelle[8].first.sekunden = 0;
    faelle[9].first.hoechstens = 6;
    for (const auto& [a, text] : faelle) {
        const auto e = SystemVerkuerzen(a);
        EXPECT_NE(e.meldung.find(text), std::string::npos) << e.meldung;
        EXPECT_TRUE(e.system.reihen.empty());
    }
}

TEST(Verkuerzung, SchrankenUndTabelle) {
    // Schönheim's bound against figures worked out by hand; the table never below it.
    EXPECT_EQ(Schoenheim(12, 3), 14);
    EXPECT_EQ(Schoenheim(14, 4), 75);
    EXPECT_EQ(Schoenheim(22, 3), 77);
    EXPECT_EQ(Schoenheim(12, 5), 132);
    for (int n = 7; n <= 25; ++n)
        for (int t = 2; t <= 5; ++t)
            EXPECT_GE(BekannteGroesse(n, t, t).value_or(1 << 30), Schoenheim(n, t))
                << n << "/" << t;
    // 2 aus 3 on 20 numbers: the pairs no row holds contain no triangle, so at most 10 * 10 of
    // the 190 (Turán), and each row holds 15 pairs; counting triples gives only 5.
    EXPECT_EQ(UntereSchranke(20, 2, 3), 6);
    EXPECT_STREQ(SchrankenName(20, 2, 3), "Turán");
    EXPECT_EQ(UntereSchranke(11, 3, 5), 2);
}

TEST(Verkuerzung, ZugbewertungStimmtMitNeuzaehlung) {
    // Every evaluated move changes the open count by what Bewerten said, with and without a
    // symmetry, and the open subsets afterwards are those a plain count finds.
    for (auto [n, t, m, s] :
         {std::tuple{13, 3, 3, 0}, {11, 3, 5, 0}, {14, 3, 3, 7}, {13, 4, 4, 12}}) {
        std::optional<Symmetrie> sym;
        if (s > 0) sym = Symmetrie{s, (n - n % s) / s};
        Abdeckung a({n, t, m}, sym);
        Zufall z(5);
        for (int i = 0; i < 6; ++i) a.Hinzufuegen(z.Ziehen((uint64_t{1} << n) - 1, 6));
        for (int zug = 0; zug < 3000; ++zug) {
            const size_t i = Wahl(z, static_cast<uint32_t>(a.Reihen().size()));
            const uint64_t r = a.Reihen()[i];
            const int x = std::countr_zero(z.Ziehen(r, 1));
            const int y = std::countr_zero(z.Ziehen(((uint64_t{1} << n) - 1) & ~r, 1));
            const int64_t vorher = a.Offen(), d = a.Bewerten(i, x, y);
            a.Merken();
            a.Ausfuehren();
            ASSERT_EQ(a.Offen() - vorher, d) << n << " " << t << " " << m << " " << s;
        }
        const std::vector<int> punkte = BisN(n);
        const std::vector<Reihenmaske> reihen = sym ? Bahnen(a.Reihen(), *sym) : a.Reihen();
        const int64_t offen = Ungedeckt(punkte, reihen, t, m);
        EXPECT_EQ(offen == 0, a.Offen() == 0) << n << " " << t << " " << m << " " << s;
        EXPECT_TRUE(sym || offen == a.Offen());
    }
}
