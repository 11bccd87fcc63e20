#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "determination/analyse.h"
#include "support/lotto_beispiele.h"

using namespace zahlix;

namespace {

// Five draws: 1 2 3 appear together three times, 1 2 3 4 twice; bonus 7 once.
Lottodatei Kleine() {
    return test::HistorieAus({
        {1, 2001, 0, {1, 2, 3, 4, 20, 30}, 7},
        {2, 2001, 0, {1, 2, 3, 4, 21, 31}, 0},
        {3, 2002, 0, {1, 2, 3, 10, 22, 32}, 0},
        {4, 2002, 0, {5, 6, 7, 8, 9, 10}, 0},
        {5, 2003, 0, {11, 13, 16, 20, 27, 45}, 0},
    });
}

AnalyseEingaben Eingaben(Analyseart art, std::vector<int> markiert = {}) {
    AnalyseEingaben e;
    e.art = art;
    e.fenstertitel = "Lotto-Analyse: Test";
    e.bereichText = "01/2001-05/2003";
    for (int n : markiert) e.markiert[static_cast<size_t>(n - 1)] = true;
    return e;
}

bool Enthaelt(const std::string& text, const std::string& teil) { return text.find(teil) != std::string::npos; }

}  // namespace

TEST(Analyse, VerweigertUnpassendeEingabenMitIhrerMeldung) {
    struct Fall {
        AnalyseEingaben e;
        std::string meldung;
    };
    std::vector<Fall> faelle{
        {Eingaben(Analyseart::Zahlenabstand, {1, 2, 3, 4, 5, 6, 7}), kMeldungSechsZahlen},
        {Eingaben(Analyseart::Zerlegungspruefung, {1, 2, 3, 4}), "mindestens 5 zu zerlegende"},
        {Eingaben(Analyseart::Garantiestufe), "Garantiestufe"},
        {Eingaben(Analyseart::Zufallszahlen), kMeldungNichtGenugFreie},
    };
    faelle[1].e.zerlegung = 4;
    faelle[2].e.garantieA = 3, faelle[2].e.garantieB = 4;
    faelle[3].e.gesperrt.fill(true);
    faelle[3].e.gesperrt[0] = false;  // one free number for a row of six
    for (const auto& f : faelle) {
        const auto r = AnalyseAusfuehren(Kleine(), f.e);
        EXPECT_TRUE(r.text.empty());
        EXPECT_TRUE(Enthaelt(r.meldung, f.meldung)) << r.meldung;
    }
}

TEST(Analyse, ZufallIstAusSaatUndErmittlungReproduzierbar) {
    auto e = Eingaben(Analyseart::Glueckszahlen);
    e.seed = 42;
    const auto a = AnalyseAusfuehren(Kleine(), e), b = AnalyseAusfuehren(Kleine(), e);
    EXPECT_EQ(a.text, b.text);
    EXPECT_EQ(a.vorschlag.size(), 6u);
    e.art = Analyseart::Zufallszahlen;
    std::vector<std::vector<int>> reihen;
    for (e.ermittlung = 1; e.ermittlung <= 5; ++e.ermittlung) reihen.push_back(AnalyseAusfuehren(Kleine(), e).vorschlag);
    EXPECT_NE(reihen[0], reihen[1]);
    // "Markierte" with more marks than numbers per row: the row comes from the marks only.
    e.verwende = 2, e.anzahlZahlen = 3;
    for (int n : {20, 21, 22, 30}) e.markiert[static_cast<size_t>(n - 1)] = true;
    for (int z : AnalyseAusfuehren(Kleine(), e).vorschlag) EXPECT_TRUE(z >= 20 && z <= 30) << z;
}

TEST(Analyse, WiederholungenZaehlenGemeinsameZahlen) {
    auto e = Eingaben(Analyseart::Dreierwiederholungen);
    e.grenze = 32768 + 3;  // masked to 3
    e.vergleich = Vergleich::Gleich;
    auto r = AnalyseAusfuehren(Kleine(), e);
    ASSERT_EQ(r.liste.size(), 1u);
    EXPECT_EQ(r.liste[0], " 01 02 03      3");
    e.art = Analyseart::Viererwiederholungen;
    e.grenze = 1, e.vergleich = Vergleich::Groesser, e.start = 2002;  // the two 1 2 3 4 lie in 2001
    EXPECT_TRUE(AnalyseAusfuehren(Kleine(), e).liste.empty());
    e.start = 2001;
    EXPECT_EQ(AnalyseAusfuehren(Kleine(), e).liste, std::vector<std::string>{" 01 02 03 04      2"});
}

TEST(Analyse, ZerlegungUndAbstandUndVerteilung) {
    auto z = Eingaben(Analyseart::Zerlegungspruefung, {1, 2, 3, 10});
    z.zerlegung = 3;
    const auto r = AnalyseAusfuehren(Kleine(), z);
    ASSERT_EQ(r.liste.size(), 4u);
    EXPECT_EQ(r.listeSortiert[0], " 01 02 03      3");
    EXPECT_EQ(r.liste[3], " 02 03 10      1");

    // Gaps 9 1 3 7 18 of 3 12 13 16 23 41: the fifth draw has gaps 2 3 4 7 18.
    auto a = Eingaben(Analyseart::Zahlenabstand, {3, 12, 13, 16, 23, 41});
    a.abstaende = 2;
    EXPECT_EQ(AnalyseAusfuehren(Kleine(), a).liste.size(), 1u);
    a.abstaende = 3;
    EXPECT_TRUE(AnalyseAusfuehren(Kleine(), a).liste.empty());

    auto v = Eingaben(Analyseart::Trefferverteilung, {1, 2, 3, 7});
    const auto t = AnalyseAusfuehren(Kleine(), v);
    // 2001: one 3+ (bonus 7) and one 3T; 2002: 3T and 1T; 2003: 0T.
    EXPECT_EQ(t.liste, (std::vector<std::string>{"  2001  0  0  0  1  1  0  0  0  0  0",
                                                 "  2002  0  1  0  1  0  0  0  0  0  0",
                                                 "  2003  1  0  0  0  0  0  0  0  0  0"}));
}

TEST(Analyse, GarantiestufeFindetFehlendeKombinationen) {
    // System numbers 1..7 with the single row 1..6: the 3-subsets with 7 miss 3 hits.
    Lottodatei d = test::HistorieAus({{1, 2001, 0, {1, 2, 3, 4, 5, 6}, 0}});
    auto e = Eingaben(Analyseart::Garantiestufe);
    e.bereichText = "Systemreihe     1 -     1";
    e.gesperrt.fill(true);
    for (int n = 0; n < 7; ++n) e.gesperrt[static_cast<size_t>(n)] = false;
    e.garantieA = 3, e.garantieB = 3;
    auto r = AnalyseAusfuehren(d, e);
    EXPECT_EQ(r.liste.size(), 15u);
    EXPECT_TRUE(Enthaelt(r.text, "15 von 35")) << r.text;
    e.garantieB = 2;  // every 3 of 1..7 holds two of 1..6
    r = AnalyseAusfuehren(d, e);
    EXPECT_TRUE(r.liste.empty());
    EXPECT_TRUE(Enthaelt(r.text, "erfüllt")) << r.text;
}

TEST(Analyse, BewertungsblockBrichtNach15ZahlenUmUndKenntSysteme) {
    std::vector<int> fuenfzehn;
    for (int n = 1; n <= 15; ++n) fuenfzehn.push_back(n);
    auto e = Eingaben(Analyseart::Zufallszahlen, fuenfzehn);
    e.verwende = 2, e.anzahlZahlen = 15;
    auto r = AnalyseAusfuehren(Kleine(), e);
    EXPECT_TRUE(Enthaelt(r.text, "  15\r\n             :\r\n")) << r.text;
    EXPECT_TRUE(Enthaelt(r.text, "Zuletzt   "));
    e.bereichText = "Systemreihe     1 -     5";
    r = AnalyseAusfuehren(Kleine(), e);
    EXPECT_FALSE(Enthaelt(r.text, "Zuletzt"));
    EXPECT_TRUE(r.text.ends_with("\r\n" + std::string(80, '-') + "\r\n"));
}
