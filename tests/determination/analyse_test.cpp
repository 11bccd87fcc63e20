#include "determination/analyse.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/skript_port.h"
#include "core/lottodatei_io.h"
#include "determination/ermittlung_druck.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

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

bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

using Eintrag = std::pair<int, std::vector<int>>;  // minus the count, the numbers

// The m-subsets of z (Gosper's hack over the positions).
std::vector<std::vector<int>> Teilmengen(const std::vector<int>& z, int m) {
    std::vector<std::vector<int>> t;
    for (uint64_t b = (uint64_t{1} << m) - 1; b < (uint64_t{1} << z.size());) {
        t.emplace_back();
        for (size_t i = 0; i < z.size(); ++i)
            if (b >> i & 1) t.back().push_back(z[i]);
        const uint64_t c = b & (~b + 1), r = b + c;
        b = (((r ^ b) >> 2) / c) | r;
    }
    return t;
}

// The m-subsets of the pool by the draws holding them, most frequent first, then in number
// order (the first 32000 sorted); with alle also those never drawn.
std::vector<Eintrag> BruteForce(const Lottodatei& d, const std::vector<int>& pool, int m,
                                bool alle) {
    std::map<std::vector<int>, int> n;
    for (const auto& t : alle ? Teilmengen(pool, m) : std::vector<std::vector<int>>{}) n[t] = 0;
    for (int i = 0, ende = d.Anzahl(); i < ende; ++i) {
        std::vector<int> drin;
        for (int x : pool)
            if (ZahlGesetzt(x, d.Zahlen(i))) drin.push_back(x);
        for (const auto& t : Teilmengen(drin, m)) ++n[t];
    }
    std::vector<Eintrag> l;
    for (const auto& [t, a] : n) l.push_back({-a, t});
    std::partial_sort(l.begin(), l.begin() + 32000, l.end());
    return l;
}

Eintrag Lesen(const std::string& zeile) {
    std::istringstream s(zeile);
    std::vector<int> w;
    for (int x; s >> x;) w.push_back(x);
    return {-w.back(), std::vector<int>(w.begin(), w.end() - 1)};
}

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
    for (e.ermittlung = 1; e.ermittlung <= 2; ++e.ermittlung)
        reihen.push_back(AnalyseAusfuehren(Kleine(), e).vorschlag);
    EXPECT_EQ(reihen,
              (std::vector<std::vector<int>>{{4, 5, 17, 18, 31, 44}, {4, 31, 32, 33, 37, 38}}));
    // Single numbers of the free 1..7: every one, the highest too, within 200 determinations.
    std::set<int> gezogen;
    auto einzeln = e;
    einzeln.anzahlZahlen = 1;
    std::fill(einzeln.gesperrt.begin() + 7, einzeln.gesperrt.end(), true);
    for (einzeln.ermittlung = 1; einzeln.ermittlung <= 200; ++einzeln.ermittlung)
        gezogen.insert(AnalyseAusfuehren(Kleine(), einzeln).vorschlag.at(0));
    EXPECT_EQ(gezogen, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    // "Markierte" with more marks than numbers per row: the row comes from the marks only.
    e.verwende = 2, e.anzahlZahlen = 3;
    for (int n : {20, 21, 22, 30}) e.markiert[static_cast<size_t>(n - 1)] = true;
    for (int z : AnalyseAusfuehren(Kleine(), e).vorschlag) EXPECT_TRUE(z >= 20 && z <= 30) << z;
}

TEST(Analyse, WiederholungenSummenUndKombinationszahlen) {
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
    EXPECT_EQ(AnalyseAusfuehren(Kleine(), e).liste,
              std::vector<std::string>{" 01 02 03 04      2"});

    // Sums and combination numbers count the draws in range.
    auto s = Eingaben(Analyseart::Summenzahlen);
    s.summeVon = 60, s.summeBis = 70;  // sums 60, 62 and 70
    EXPECT_EQ(AnalyseAusfuehren(Kleine(), s).liste.size(), 3u);
    s.summeVon = 71;
    EXPECT_TRUE(Enthaelt(AnalyseAusfuehren(Kleine(), s).meldung, "über seinem Ende"));
    auto k = Eingaben(Analyseart::Kombinationszahlen);
    k.kombiVon = 1, k.kombiBis = 7;  // 1 2 3 4 20 30 has a larger number
    EXPECT_TRUE(AnalyseAusfuehren(Kleine(), k).liste.empty());
    k.kombiBis = 13983816;
    EXPECT_EQ(AnalyseAusfuehren(Kleine(), k).liste.size(), 5u);
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

TEST(Analyse, GarantiestufeUndBewertungsblock) {
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
    EXPECT_EQ(r.status, " Garantiestufe erfüllt");
    // Two system numbers cannot meet a level of three.
    e.gesperrt.fill(true);
    e.gesperrt[0] = e.gesperrt[1] = false;
    r = AnalyseAusfuehren(d, e);
    EXPECT_TRUE(Enthaelt(r.text, "weniger Zahlen als die Stufe")) << r.text;
    EXPECT_EQ(r.status, " Garantiestufe nicht erfüllt");

    // The rating block wraps after 15 numbers and knows systems.
    std::vector<int> fuenfzehn;
    for (int n = 1; n <= 15; ++n) fuenfzehn.push_back(n);
    e = Eingaben(Analyseart::Zufallszahlen, fuenfzehn);
    e.verwende = 2, e.anzahlZahlen = 15;
    r = AnalyseAusfuehren(Kleine(), e);
    EXPECT_TRUE(Enthaelt(r.text, "  15\r\n             :\r\n")) << r.text;
    EXPECT_TRUE(Enthaelt(r.text, "Zuletzt   "));
    e.bereichText = "Systemreihe     1 -     5";
    r = AnalyseAusfuehren(Kleine(), e);
    EXPECT_FALSE(Enthaelt(r.text, "Zuletzt"));
    EXPECT_TRUE(r.text.ends_with("\r\n" + std::string(80, '-') + "\r\n"));
}

TEST(Analyse, PrognoseFolgezahlenGleichstandUndAbstandMitKennung) {
    // After 1..6 always came 11..16, after 11..16 always 1..6; the last draw is 1..6.
    std::vector<test::Ziehung> z;
    for (int i = 0; i < 7; ++i)
        z.push_back({i + 1, 2001, 0,
                     i % 2 == 0 ? std::array{1, 2, 3, 4, 5, 6} : std::array{11, 12, 13, 14, 15, 16},
                     0});
    auto e = Eingaben(Analyseart::Prognosen);
    e.prognoseMethode = 2;  // Summen-Methode ohne Zusatzzahl
    const auto oft = AnalyseAusfuehren(test::HistorieAus(z), e);
    EXPECT_EQ(oft.vorschlag, (std::vector<int>{11, 12, 13, 14, 15, 16}));
    e.prognoseart = 2;  // the rarest followers: none of 11..16
    for (int n : AnalyseAusfuehren(test::HistorieAus(z), e).vorschlag)
        EXPECT_TRUE(n < 11 || n > 16) << n;
    // Nothing ever followed 7..12: every number ties, in every kind and method.
    const Lottodatei d = test::HistorieAus(
        {{1, 2001, 0, {1, 2, 3, 4, 5, 6}, 0}, {2, 2001, 0, {7, 8, 9, 10, 11, 12}, 0}});
    e = Eingaben(Analyseart::Prognosen);
    for (e.prognoseart = 1; e.prognoseart <= 3; ++e.prognoseart)
        for (e.prognoseMethode = 0; e.prognoseMethode < 6; ++e.prognoseMethode)
            EXPECT_EQ(AnalyseAusfuehren(d, e).vorschlag, (std::vector<int>{1, 2, 3, 4, 5, 6}))
                << e.prognoseart << " " << e.prognoseMethode;

    const std::array<int, 6> reihe{3, 12, 13, 16, 23, 41};
    const Lottodatei woche = test::HistorieAus(
        {{5, 2001, 'M', reihe, 0}, {5, 2001, 'S', reihe, 0}, {6, 2001, 0, reihe, 0}});
    const auto a =
        AnalyseAusfuehren(woche, Eingaben(Analyseart::Zahlenabstand, {3, 12, 13, 16, 23, 41}));
    ASSERT_EQ(a.liste.size(), 3u);
    EXPECT_TRUE(a.liste[0].starts_with(" 05/2001-M :")) << a.liste[0];
    EXPECT_TRUE(a.liste[1].starts_with(" 05/2001-S :")) << a.liste[1];
    EXPECT_TRUE(a.liste[2].starts_with(" 06/2001   :")) << a.liste[2];
}

TEST(Analyse, StoppBeendetDieTreffertabelleMitDemBisherigen) {
    Lottodatei d = Kleine();
    auto e = Eingaben(Analyseart::Treffertabelle);
    e.treffertabelle = 9;
    AnalyseRueckrufe r;
    r.stopp = [] { return true; };
    std::vector<std::string> status;
    r.status = [&](const std::string& t) { status.push_back(t); };
    // 45 numbers: far more assumed draws than one stop interval.
    for (int n = 46; n <= 49; ++n) e.gesperrt[static_cast<size_t>(n - 1)] = true;
    const auto t = AnalyseAusfuehren(d, e, r);
    EXPECT_TRUE(t.abgebrochen);
    EXPECT_FALSE(t.fuerZwischenspeicher);
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.front(), " Erstelle Treffertabelle...");
    EXPECT_EQ(t.status, " Treffertabelle wurde erstellt");

    // Every analysis has its help topic.
    const std::string hilfe = test::DateiLesen(test::Quelle("../data/ZX2005.ZXH"));
    for (const auto& eintrag : Analysekatalog()) {
        const std::string schluessel = AnalyseHilfethema(eintrag.art);
        EXPECT_TRUE(Enthaelt(hilfe, "\r\n~~" + schluessel + "\r\n")) << schluessel;
        EXPECT_EQ(AnalyseAusListentext(eintrag.listentext), eintrag.art);
    }
}

TEST(Analyse, GewinnzahlenHoroskopGluecksUndPechzahlen) {
    auto g = Eingaben(Analyseart::Gewinnzahlen);
    g.versucheGewinnzahlen = 50;
    EXPECT_TRUE(Enthaelt(AnalyseAusfuehren(Kleine(), g).text,
                         "10 von 10 Bedingungen erfüllt nach 1 Versuch"));
    g.gewinnVon[6] = 1;  // a row with six hits in one of five draws: never within 50 tries
    EXPECT_TRUE(Enthaelt(AnalyseAusfuehren(Kleine(), g).text,
                         "9 von 10 Bedingungen erfüllt nach 50 Versuchen"));

    auto h = Eingaben(Analyseart::Horoskop);
    h.sternzeichen = 4, h.tag = 6, h.monat = 12, h.jahr = 2026;
    const auto loewe = AnalyseAusfuehren(Kleine(), h);
    h.seed = 99;  // the seed plays no part
    EXPECT_EQ(AnalyseAusfuehren(Kleine(), h).vorschlag, loewe.vorschlag);
    EXPECT_TRUE(Enthaelt(loewe.text, "Löwe am 06.12.2026 (nur zur Unterhaltung)"));
    h.tag = 7;
    EXPECT_NE(AnalyseAusfuehren(Kleine(), h).vorschlag, loewe.vorschlag);

    // Lucky numbers take the most frequent pair, unlucky ones avoid it: 1 and 2 together in ten
    // draws, every other number at most twice with 1.
    std::vector<test::Ziehung> z;
    for (int i = 0; i < 10; ++i)
        z.push_back({i + 1, 2001, 0, {1, 2, 3 + 4 * (i % 5), 4 + 4 * (i % 5), 30 + i, 45 - i}, 0});
    const Lottodatei d = test::HistorieAus(z);
    auto e = Eingaben(Analyseart::Glueckszahlen, {1});
    e.verwende = 2, e.anzahlZahlen = 2;
    const auto glueck = AnalyseAusfuehren(d, e);
    EXPECT_EQ(glueck.vorschlag, (std::vector<int>{1, 2}));
    EXPECT_TRUE(Enthaelt(glueck.text, "zusammen 10 mal vor")) << glueck.text;
    e.art = Analyseart::Pechzahlen;
    const auto pech = AnalyseAusfuehren(d, e);
    EXPECT_TRUE(Enthaelt(pech.text, "zusammen 0 mal vor")) << pech.text;
    EXPECT_GT(pech.vorschlag.at(1), 2);
}

TEST(Analyse, TrefferverteilungHaeltGrosseAnzahlenGetrennt) {
    for (size_t n : {99, 1000}) {
        const auto r = AnalyseAusfuehren(
            test::HistorieAus(std::vector(n, test::Ziehung{1, 2001, 0, {1, 2, 3, 4, 5, 6}, 0})),
            Eingaben(Analyseart::Trefferverteilung, {1}));
        std::istringstream spalten(r.liste.at(0));
        const std::vector<int> w{std::istream_iterator<int>(spalten), {}};
        EXPECT_EQ(w, (std::vector<int>{2001, 0, static_cast<int>(n), 0, 0, 0, 0, 0, 0, 0, 0}));
        // The column line on screen and in print is as wide as the entries.
        ErmittlungDruckDaten d;
        d.art = "Trefferverteilung", d.liste = r.liste;
        for (const std::string& t : {r.text, ErmittlungDruckText(d)})
            EXPECT_EQ(t.find("\r\n", t.find("0T")) - t.rfind("\r\n", t.find("0T")) - 2,
                      r.liste[0].size());
    }
}

// The repetition lists against a brute-force count of every subset, on histories with far
// more qualifying combinations than a list keeps.
TEST(Wiederholungen, BehaltenDieHaeufigstenWieBruteForce) {
    // Random draws, and 46 47 48 49 (last in number order) in five of them.
    std::mt19937 rng(5);
    std::vector<int> alle(49), teil(26);
    std::iota(alle.begin(), alle.end(), 1);
    std::iota(teil.begin(), teil.end(), 20);
    std::vector<test::Ziehung> z;
    for (int i = 0; i < 3000; ++i) {
        std::vector<int> v = i % 700 ? alle : std::vector<int>{1, 2, 46, 47, 48, 49};
        if (i % 700) std::shuffle(v.begin(), v.end(), rng);
        z.push_back({i % 52 + 1, 1960 + i / 52, 0, {v[0], v[1], v[2], v[3], v[4], v[5]}, 0});
    }
    Lottodatei echt;
    const auto pfad = test::SharedFile("Lotto6aus49.AS7");
    const bool mitEcht = !pfad.empty() && LottodateiLaden(pfad.string(), echt) == 0;
    const Lottodatei synth = test::HistorieAus(z);
    for (int fall = 0; fall < (mitEcht ? 3 : 2); ++fall) {
        const bool zerlegung = fall == 1;
        const auto& pool = zerlegung ? teil : alle;
        const Lottodatei& d = fall == 2 ? echt : synth;
        AnalyseEingaben e;
        e.art = zerlegung ? Analyseart::Zerlegungspruefung : Analyseart::Viererwiederholungen;
        e.grenze = 0, e.vergleich = Vergleich::Groesser, e.start = 0, e.zerlegung = 5;
        for (int n : pool) e.markiert[static_cast<size_t>(n - 1)] = true;
        const auto r = AnalyseAusfuehren(d, e);
        const auto erwartet = BruteForce(d, pool, zerlegung ? 5 : 4, zerlegung);
        const auto& liste = zerlegung ? r.listeSortiert : r.liste;
        ASSERT_EQ(liste.size(), 32000u);
        for (size_t i = 0; i < liste.size(); ++i)
            ASSERT_EQ(Lesen(liste[i]), erwartet[i]) << "Eintrag " << i << ": " << liste[i];
        EXPECT_NE(r.text.find(": " + std::to_string(erwartet.size())), std::string::npos);
    }
}

// The analysis window's print transfer: layouts of the list analyses and the question asked.
namespace zahlix {
namespace {

ErmittlungDruckDaten Daten(const std::string& art, std::vector<std::string> liste) {
    ErmittlungDruckDaten d;
    d.art = art;
    d.fenstertitel = "Lotto-Analyse: " + art + " - Test.ZX7";
    d.bereichText = "01/2020-06/2020  Wo:01-53 ";
    const std::vector<int> zahlen{3, 7, 19};
    d.auswahl = ZahlenPacken(zahlen);
    d.ergebnistext = "* Ergebnis\r\nZeile\r\n";
    d.liste = std::move(liste);
    return d;
}

TEST(ErmittlungDruck, LayoutsDerAnalysen) {
    const std::vector<std::string> fuenf{" 01 02      12", " 01 03       9", " 02 05       7",
                                         " 04 09       5", " 11 12       1"};
    struct Fall {
        std::string art;
        std::vector<Taste> antworten;
        std::vector<std::string> liste, sortiert;
        std::string golden;
        size_t fragen;
    } faelle[] = {
        // four per line, the last line holds the remaining entry
        {"Zweierwiederholungen", {Taste::Zweite}, fuenf, {}, "druck_zweier_nebeneinander.txt", 1},
        {"Zweierwiederholungen", {Taste::Erste}, fuenf, {}, "druck_zweier_untereinander.txt", 1},
        // a shorter sorted list leaves its column empty
        {"Zerlegungsprüfung",
         {},
         {" 03 07  1T", " 03 19  0T"},
         {" 03 19  0T"},
         "druck_zerlegung.txt",
         0},
        {"Trefferverteilung",
         {},
         {" 2020   1  2  0  0  0  0  0  0  0  0"},
         {},
         "druck_verteilung.txt",
         0},
    };
    for (const Fall& f : faelle) {
        SkriptPort port;
        port.tasten.assign(f.antworten.begin(), f.antworten.end());
        ErmittlungDruckDaten d = Daten(f.art, f.liste);
        d.sortiert = f.sortiert;
        test::ErwarteGolden(ErmittlungDruckText(d), "determination/golden/" + f.golden);
        EXPECT_EQ(port.meldungen.size(), f.fragen) << f.golden;
    }
    // any other analysis passes the result box on as it is
    EXPECT_EQ(ErmittlungDruckText(Daten("Horoskop", fuenf)), "* Ergebnis\r\nZeile\r\n");
}

TEST(ErmittlungDruck, ZahlenzeileBrichtNachFuenfzehnZahlen) {
    std::vector<int> zahlen;
    for (int n = 1; n <= 16; ++n) zahlen.push_back(n);
    const std::string blanks(12, ' ');
    EXPECT_EQ(ZahlenzeileText(ZahlenPacken(zahlen), 49),
              "Zahlen     :  01  02  03  04  05  06  07  08  09  10  11  12  13  14  15\r\n" +
                  blanks + "  16 :\r\n");
    zahlen.pop_back();
    EXPECT_EQ(ZahlenzeileText(ZahlenPacken(zahlen), 49).substr(72), "\r\n" + blanks + " :\r\n");
    // numbers above the lottery's largest take no part
    EXPECT_EQ(ZahlenzeileText(ZahlenPacken(zahlen), 2), "Zahlen     :  01  02 :\r\n");
}

TEST(ErmittlungDruck, FortschrittAlleHundertEintraege) {
    SkriptPort port;
    std::vector<std::string> meldungen;
    ErmittlungDruckText(Daten("Zahlenabstand", std::vector<std::string>(250, "x")),
                        [&](const std::string& s) { meldungen.push_back(s); });
    EXPECT_EQ(meldungen, (std::vector<std::string>{
                             " Auswertung wird an die Druckausgabe übergeben... 100 von 250",
                             " Auswertung wird an die Druckausgabe übergeben... 200 von 250"}));
}

}  // namespace
}  // namespace zahlix
