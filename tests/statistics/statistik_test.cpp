// Every statistic against an independent count over small random histories: one table per
// family of counting rules.
#include "statistics/statistik.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include "statistics/statistik_grafik.h"
#include "statistics/statistik_listen.h"
#include "statistics/zahlenfeldgrafik.h"

namespace zahlix::statistik {
namespace {

struct Ziehung {
    std::vector<int> zahlen;  // sorted
    int zusatz = 0;
    int woche = 0, jahr = 0;
    bool imBereich = true;
};

struct Historie {
    Lottodatei datei;
    std::vector<Ziehung> zuege;  // those in range, oldest first
};

// m draws of six numbers out of 1..N; some out of range, some without bonus number, a few
// weeks with the same pair of numbers so that combinations occur.
Historie Zufallshistorie(unsigned saat, int m = 90, int N = 49) {
    std::mt19937 zufall(saat);
    Historie h;
    h.datei.GroessteZahl = static_cast<int16_t>(N);
    std::vector<int> alle(static_cast<size_t>(N));
    for (int i = 0; i < N; ++i) alle[static_cast<size_t>(i)] = i + 1;
    for (int i = 0; i < m; ++i) {
        std::shuffle(alle.begin(), alle.end(), zufall);
        Ziehung z;
        z.zahlen.assign(alle.begin(), alle.begin() + 6);
        if (zufall() % 4 == 0 && N >= 12) {  // a favourite pair and neighbours now and then
            z.zahlen = {3, 4, 5, 11, 12, 20 % N + 1};
            z.zahlen.erase(std::unique(z.zahlen.begin(), z.zahlen.end()), z.zahlen.end());
        }
        std::sort(z.zahlen.begin(), z.zahlen.end());
        z.zusatz = zufall() % 5 == 0 ? 0 : alle[6];
        z.woche = 1 + i % 53;
        z.jahr = 1990 + i / 20;
        z.imBereich = zufall() % 7 != 0;
        h.datei.WocheKennung[i] = WocheKennungAus(z.woche, 0);
        h.datei.JahrCode[i] = JahrCodeAusJahr(z.jahr);
        Bitworte w = ZahlenPacken(z.zahlen);
        w[3] = static_cast<int16_t>(w[3] | (z.zusatz << 8));
        h.datei.ZahlenSetzen(i, w);
        h.datei.ImBereich[i] = z.imBereich ? -1 : 0;
        if (z.imBereich) h.zuege.push_back(z);
    }
    h.datei.LetzterIndex = static_cast<int16_t>(m - 1);
    return h;
}

std::set<int> Menge(const Ziehung& z, int ansicht) {
    std::set<int> s;
    if (ansicht != Nur) s.insert(z.zahlen.begin(), z.zahlen.end());
    if (ansicht != Ohne && z.zusatz) s.insert(z.zusatz);
    return s;
}

bool Hat(const std::set<int>& s, std::initializer_list<int> zahlen) {
    return std::all_of(zahlen.begin(), zahlen.end(), [&](int x) { return s.count(x) > 0; });
}

// Counts, draws since the last one and the largest gap (open end included) of an event.
struct Erwartet {
    int anzahl = 0, zuletzt = 0, abstand = 0;
};
Erwartet Zaehlen(const std::vector<Ziehung>& zuege, const std::function<bool(int)>& trifft) {
    const int m = static_cast<int>(zuege.size());
    std::vector<int> pos;
    for (int i = 0; i < m; ++i)
        if (trifft(i)) pos.push_back(i);
    if (pos.empty()) return {0, m, m};
    Erwartet e{static_cast<int>(pos.size()), m - 1 - pos.back(), 0};
    e.abstand = e.zuletzt;
    for (size_t j = 1; j < pos.size(); ++j)
        e.abstand = std::max(e.abstand, pos[j] - pos[j - 1] - 1);
    return e;
}

std::string Partition(std::vector<int> anzahlen) {
    std::sort(anzahlen.rbegin(), anzahlen.rend());
    std::string s;
    for (int a : anzahlen)
        if (a) s += std::to_string(a);
    return s;
}

// The group of a draw written as the row label reads it (blanks removed).
std::string GruppeVon(const std::vector<int>& z, int g) {
    auto teile = [&](int (*gruppe)(int)) {
        std::vector<int> c(20);
        for (int x : z) ++c[static_cast<size_t>(gruppe(x) + 7)];
        return Partition(c);
    };
    int t = 0, u = 0;
    for (int x : z) t += x < 25, u += x % 2;
    switch (g) {
        case 0:
            return std::to_string(t) + std::to_string(6 - t) + std::to_string(u) +
                   std::to_string(6 - u);
        case 1:
            return teile([](int x) { return (x - 1) / 7; });
        case 2:
            return teile([](int x) { return (x - 1) % 7; });
        case 3:
            return teile([](int x) { return x / 10; });
        case 4:
            return teile([](int x) { return x % 10; });
        case 5: {
            std::vector<int> laeufe{1};
            for (size_t i = 1; i < z.size(); ++i)
                if (z[i] == z[i - 1] + 1)
                    ++laeufe.back();
                else
                    laeufe.push_back(1);
            return Partition(laeufe);
        }
        case 6: {
            // Ticket pictures by geometry: border, centre cross, diagonal cross; others alone.
            std::vector<int> c(60);
            for (int x : z) {
                const int r = (x - 1) / 7, s = (x - 1) % 7;
                const bool rand = r == 0 || r == 6 || s == 0 || s == 6;
                ++c[static_cast<size_t>(rand                   ? 0
                                        : r == 3 || s == 3     ? 1
                                        : r == s || r + s == 6 ? 2
                                                               : x)];
            }
            return Partition(c);
        }
        case 7:
            return std::to_string(t) + std::to_string(6 - t);
        default:
            return std::to_string(u) + std::to_string(6 - u);
    }
}

std::string OhneLeer(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

struct Ereignisfall {
    Parameter p;
    // Does draw i count for the row with this label / index?
    std::function<bool(const Ziehung&, int zeile, const std::string& label)> trifft;
};

TEST(Statistik, ZaehltJedeZeileWieEineDirekteZaehlung) {
    using Z = const Ziehung&;
    const std::vector<Ereignisfall> faelle = {
        {{ZahlenWieOft, 0, 0, Ohne}, [](Z z, int k, auto&) { return Hat(Menge(z, Ohne), {k}); }},
        {{ZahlenWieOft, 0, 0, Mit}, [](Z z, int k, auto&) { return Hat(Menge(z, Mit), {k}); }},
        {{ZahlenWieOft, 0, 0, Nur}, [](Z z, int k, auto&) { return z.zusatz == k; }},
        {{Wochenverteilung, 3, 0, Mit},
         [](Z z, int k, auto&) { return z.woche == k && Hat(Menge(z, Mit), {3}); }},
        {{Jahresverteilung, 12, 0, Ohne},
         [](Z z, int, auto& l) {
             return std::to_string(z.jahr) == OhneLeer(l) && Hat(Menge(z, Ohne), {12});
         }},
        {{Zweierkombination, 4, 0, Ohne},
         [](Z z, int k, auto&) {
             return k != 4 && Hat(Menge(z, Ohne), {4, k});
         }},
        {{Dreierkombination, 3, 5, Ohne},
         [](Z z, int k, auto&) {
             return k != 3 && k != 5 && Hat(Menge(z, Ohne), {3, 5, k});
         }},
        {{Nachbarzahlen, 2, 0, Mit},
         [](Z z, int k, auto&) {
             return Hat(Menge(z, Mit), {k, k + 1});
         }},
        {{Nachbarzahlen, 3, 0, Ohne},
         [](Z z, int k, auto&) {
             return Hat(Menge(z, Ohne), {k, k + 1, k + 2});
         }},
        {{WieOftAnPosition, 2, 0, Ohne}, [](Z z, int k, auto&) { return z.zahlen[1] == k; }},
        {{WieOftAnPosition, 6, 3, Ohne},
         [](Z z, int, auto& l) { return std::to_string(z.zahlen[5] / 10) == OhneLeer(l); }},
        {{WieOftAnPosition, 1, 4, Ohne},
         [](Z z, int, auto& l) { return std::to_string(z.zahlen[0] % 10) == OhneLeer(l); }},
        {{WieOftAnPosition, 4, 1, Ohne},
         [](Z z, int k, auto&) { return (z.zahlen[3] - 1) / 7 + 1 == k; }},
    };
    std::vector<Ereignisfall> alle = faelle;
    for (int g = 0; g <= 8; ++g)
        alle.push_back({{Gruppenverteilung, 0, g, Ohne},
                        [g](Z z, int, auto& l) { return GruppeVon(z.zahlen, g) == OhneLeer(l); }});
    for (unsigned saat : {1u, 2u, 3u}) {
        const Historie h = Zufallshistorie(saat);
        for (const Ereignisfall& f : alle) {
            SCOPED_TRACE(testing::Message() << "Typ " << f.p.typ << " zahl1 " << f.p.zahl1
                                            << " zahl2 " << f.p.zahl2 << " Saat " << saat);
            const Ergebnis e = Berechnen(h.datei, f.p);
            ASSERT_GT(e.n, 0);
            const auto label = Zeilenbeschriftungen(f.p, e);
            for (int k = 1; k <= e.n; ++k) {
                const std::string& l = label[static_cast<size_t>(k)];
                if (l.empty()) {
                    EXPECT_EQ(e.istwert[k], 0);
                    continue;
                }
                const Erwartet x = Zaehlen(h.zuege, [&](int i) {
                    return f.trifft(h.zuege[static_cast<size_t>(i)], k, l);
                });
                EXPECT_EQ(e.istwert[k], x.anzahl) << "Zeile " << k << " '" << l << "'";
                EXPECT_EQ(e.zuletzt[k], x.zuletzt) << "Zeile " << k;
                EXPECT_EQ(e.abstand[k], x.abstand) << "Zeile " << k;
            }
        }
    }
}

TEST(Statistik, AbgeleiteteWerteWieEineDirekteRechnung) {
    struct Fall {
        Parameter p;
        // Expected value of row k given the draws in range.
        std::function<int(const std::vector<Ziehung>&, int k)> wert;
    };
    auto zuletzt = [](const std::vector<Ziehung>& zz, int k, int ansicht) {
        return Zaehlen(
            zz, [&](int i) { return Menge(zz[static_cast<size_t>(i)], ansicht).count(k) > 0; });
    };
    auto positionen = [](const std::vector<Ziehung>& zz, std::initializer_list<int> zahlen,
                         int ansicht) {
        std::vector<int> p;
        for (size_t i = 0; i < zz.size(); ++i)
            if (Hat(Menge(zz[i], ansicht), zahlen)) p.push_back(static_cast<int>(i));
        return p;
    };
    const std::vector<Fall> faelle = {
        {{WannZuletzt, 0, 0, Mit}, [&](auto& zz, int k) { return zuletzt(zz, k, Mit).zuletzt; }},
        {{WieOftMalZuletzt, 0, 0, Ohne},
         [&](auto& zz, int k) {
             auto x = zuletzt(zz, k, Ohne);
             return x.anzahl * x.zuletzt;
         }},
        {{WieOftMalZuletzt, 0, 2, Ohne},
         [&](auto& zz, int k) {
             auto x = zuletzt(zz, k, Ohne);
             return x.anzahl - x.zuletzt;
         }},
        {{WieOftMalZuletzt, 0, 3, Ohne},
         [&](auto& zz, int k) {
             auto x = zuletzt(zz, k, Ohne);
             return static_cast<int>(std::nearbyint(double(x.anzahl) / (x.zuletzt + 1)));
         }},
        {{Zahlentendenz, 0, 0, Ohne},
         [](auto& zz, int k) {
             const int m = static_cast<int>(zz.size());
             int d = 0;
             for (int i = 0; i < m; ++i)
                 if (Hat(Menge(zz[static_cast<size_t>(i)], Ohne), {k}))
                     d += (m - 1 - i) < 25 ? 1 : ((m - 1 - i) < 50 ? -1 : 0);
             return d;
         }},
        {{WannWieder, 7, 30, Ohne},
         [&](auto& zz, int k) {
             auto p = positionen(zz, {7}, Ohne);
             int c = 0;
             for (size_t j = 1; j < p.size(); ++j) c += p[j] - p[j - 1] == k;
             return c;
         }},
        {{WannWieder, 0, 20, Mit},
         [&](auto& zz, int k) {
             int c = 0;
             for (int x = 1; x <= 49; ++x) {
                 auto p = positionen(zz, {x}, Mit);
                 for (size_t j = 1; j < p.size(); ++j) c += p[j] - p[j - 1] == k;
             }
             return c;
         }},
        {{WieOftDanach, 4, 0, Ohne},
         [](auto& zz, int k) {
             int c = 0;
             for (size_t i = 1; i < zz.size(); ++i)
                 c += Hat(Menge(zz[i - 1], Ohne), {4}) && Hat(Menge(zz[i], Ohne), {k});
             return c;
         }},
        {{WieOftDanach, 0, 0, Mit},
         [](auto& zz, int k) {
             int c = 0;
             for (size_t i = 1; i < zz.size(); ++i)
                 c += Hat(Menge(zz[i - 1], Mit), {k}) && Hat(Menge(zz[i], Mit), {k});
             return c;
         }},
        {{Ziehungsabstand, 3, 4, Ohne},
         [&](auto& zz, int k) {
             auto p = positionen(zz, {3, 4}, Ohne);
             return k == 1 ? p[0] + 1
                           : p[static_cast<size_t>(k - 1)] - p[static_cast<size_t>(k - 2)];
         }},
        {{Zahlenabstand, 0, 0, Ohne},
         [](auto& zz, int d) {
             int c = 0;
             for (auto& z : zz)
                 for (size_t i = 0; i + 1 < z.zahlen.size(); ++i)
                     c += z.zahlen[i + 1] - z.zahlen[i] == d;
             return c;
         }},
        {{Zahlenabstand, 0, 4, Ohne},
         [](auto& zz, int d) {
             int c = 0;
             for (auto& z : zz) c += z.zahlen[5] - z.zahlen[0] == d;
             return c;
         }},
    };
    for (unsigned saat : {4u, 5u}) {
        const Historie h = Zufallshistorie(saat);
        for (const Fall& f : faelle) {
            SCOPED_TRACE(testing::Message() << "Typ " << f.p.typ << " zahl2 " << f.p.zahl2);
            const Ergebnis e = Berechnen(h.datei, f.p);
            ASSERT_GT(e.n, 0);
            for (int k = 1; k <= e.n; ++k)
                EXPECT_EQ(e.istwert[k], f.wert(h.zuege, k)) << "Zeile " << k;
        }
    }
}

TEST(Statistik, ZahlensummeSammeltDieRaenderInDerErstenUndLetztenZeile) {
    const Historie h = Zufallshistorie(6, 120);
    for (int ansicht : {Ohne, Mit, Nur}) {
        const Ergebnis e = Berechnen(h.datei, {Zahlensumme, 0, 0, ansicht});
        const size_t k = ansicht == Nur ? 1 : (ansicht == Mit ? 7 : 6);
        std::vector<int> erwartet(static_cast<size_t>(e.n) + 1);
        for (const Ziehung& z : h.zuege) {
            const auto s = Menge(z, ansicht);
            if (s.size() != k) continue;
            int summe = 0;
            for (int x : s) summe += x;
            ++erwartet[static_cast<size_t>(std::clamp(summe - e.versatz, 1, e.n))];
        }
        for (int r = 1; r <= e.n; ++r) EXPECT_EQ(e.istwert[r], erwartet[static_cast<size_t>(r)]);
    }
}

// The expected values against an enumeration of every row of six out of 1..26.
TEST(Statistik, SollwertIstDerAnteilAllerMoeglichenReihen) {
    const int N = 26;
    Historie h = Zufallshistorie(7, 40, N);
    const double m = static_cast<double>(h.zuege.size());
    std::vector<std::vector<int>> reihen;
    std::vector<int> r(6);
    std::function<void(int, int)> bauen = [&](int i, int ab) {
        if (i == 6) return reihen.push_back(r);
        for (int x = ab; x <= N; ++x) {
            r[static_cast<size_t>(i)] = x;
            bauen(i + 1, x + 1);
        }
    };
    bauen(0, 1);
    struct Fall {
        Parameter p;
        std::function<std::vector<int>(const std::vector<int>&, const std::vector<std::string>&)>
            zeilen;
    };
    std::vector<Fall> faelle;
    for (int g = 0; g <= 6; ++g)  // Tief/Hoch and Ungerade/Gerade are halves of THUG
        faelle.push_back({{Gruppenverteilung, 0, g, Ohne}, [g](auto& z, auto& l) {
                              const std::string x = GruppeVon(z, g);
                              for (size_t k = 1; k < l.size(); ++k)
                                  if (l[k] == x) return std::vector<int>{static_cast<int>(k)};
                              return std::vector<int>{};
                          }});
    for (int pos : {1, 4, 6})
        faelle.push_back({{WieOftAnPosition, pos, pos == 4 ? 3 : 0, Ohne}, [pos](auto& z, auto&) {
                              const int x = z[static_cast<size_t>(pos - 1)];
                              return std::vector<int>{pos == 4 ? x / 10 + 1 : x};
                          }});
    for (int a : {0, 2, 4})
        faelle.push_back({{Zahlenabstand, 0, a, Ohne}, [a](auto& z, auto&) {
                              std::vector<int> v;
                              for (int i = 0; i + a + 1 < 6; ++i)
                                  v.push_back(z[static_cast<size_t>(i + a + 1)] -
                                              z[static_cast<size_t>(i)]);
                              return v;
                          }});
    faelle.push_back({{Zahlensumme, 0, 0, Ohne}, [](auto& z, auto& l) {
                          int s = -std::stoi(l[1]) + 1;  // row 1 is the smallest sum shown
                          for (int x : z) s += x;
                          return std::vector<int>{std::clamp(s, 1, static_cast<int>(l.size()) - 1)};
                      }});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message()
                     << "Typ " << f.p.typ << " " << f.p.zahl1 << "/" << f.p.zahl2);
        const Ergebnis e = Berechnen(h.datei, f.p);
        auto l = Zeilenbeschriftungen(f.p, e);
        for (std::string& t : l) t = OhneLeer(t);
        std::vector<double> anzahl(static_cast<size_t>(e.n) + 1);
        for (const auto& reihe : reihen)
            for (int k : f.zeilen(reihe, l)) anzahl[static_cast<size_t>(k)] += 1;
        for (int k = 1; k <= e.n; ++k)
            EXPECT_NEAR(e.sollwert[k], m * anzahl[static_cast<size_t>(k)] / reihen.size(), 1e-3)
                << "Zeile " << k;
    }
}

TEST(Statistik, LeereHistorieUndAbbruch) {
    Lottodatei leer;
    LeereLottodateiSetzen(leer);
    for (int t = 1; t <= 16; ++t) EXPECT_EQ(Berechnen(leer, Standardparameter(t)).n, 0) << t;
    const Historie h = Zufallshistorie(8, 600);
    const Ergebnis e = Berechnen(h.datei, Standardparameter(ZahlenWieOft), [] { return true; });
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_EQ(Berechnen(h.datei, {Nachbarzahlen, 7, 0, Ohne}).n, 0);
    // No type writes past its rows when a damaged draw holds numbers above GroessteZahl.
    Historie klein = Zufallshistorie(9, 40, 45);
    klein.datei.ZahlenSetzen(3, ZahlenPacken(std::vector<int>{1, 10, 20, 30, 40, 49}));
    for (int t = 1; t <= 16; ++t)
        for (int z2 : {0, 4}) {
            Parameter p = Standardparameter(t);
            if (t == Zahlenabstand) p.zahl2 = z2;
            const Ergebnis r = Berechnen(klein.datei, p);
            EXPECT_FALSE(r.abgebrochen) << t;  // and no write past its rows (sanitizers)
        }
}

// From results to display: value kinds, extremes, the exchange order of the sorted lists,
// graph scaling and geometry, the number-field graphic.

TEST(Anzeige, WertartenRundenZurGeradenZahl) {
    Ergebnis e;
    e.n = 4;
    const int ist[] = {0, 0, 7, 3};
    const float soll[] = {2.5f, 0.0f, 4.5f, 2.5f};
    for (int k = 1; k <= 4; ++k)
        e.istwert[k] = static_cast<int16_t>(ist[k - 1]), e.sollwert[k] = soll[k - 1];
    e.zuletzt[3] = 4, e.abstand[3] = 9;
    struct Fall {
        int art;
        std::array<int, 4> erwartet;
    };
    const Fall faelle[] = {
        {4, {2, 0, 4, 2}},      // 2.5 -> 2, 4.5 -> 4
        {5, {-2, 0, 2, 0}},     // -2.5 -> -2, 2.5 -> 2, 0.5 -> 0
        {6, {-80, 0, 56, 20}},  // Istwert 0: 100 * round(-2.5) / 2.5
        {3, {0, 0, 5, 0}},
    };
    for (const Fall& f : faelle) {
        const Werte w = Anzeigewerte(e, f.art);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(w[k], f.erwartet[static_cast<size_t>(k - 1)]) << f.art << "/" << k;
    }
}

TEST(Anzeige, ExtremwerteUndSortierteListen) {
    Werte v{};
    v[1] = -3, v[2] = -1;
    EXPECT_EQ(GroessterWert(v, 2), 0);
    EXPECT_EQ(KleinsterWert(v, 0), 0);
    EXPECT_FLOAT_EQ(MittelWert(v, 2), -2.0f);
    // Descending exchanges equal values, ascending keeps them.
    v[1] = 5, v[2] = 5, v[3] = 3;
    const std::vector<std::string> b = {"", "   a", "   b", ""};
    const Listen l = ListenBauen(b, v, 3);
    EXPECT_EQ(l.absortiertZeile, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(l.aufsortiertZeile, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(l.normal[2], std::string(17, '.') + " ");
    EXPECT_EQ(l.absortiert[0], "    5 <--    b");
    // A value below -9999 widens the column instead of losing its sign.
    v[1] = -11999, v[2] = 12;
    const Listen breit = ListenBauen(b, v, 2);
    EXPECT_EQ(breit.normal, (std::vector<std::string>{"   a --> -11999", "   b -->     12"}));
    EXPECT_EQ(breit.aufsortiert[0], "-11999 <--    a");
    Ergebnis e;
    e.n = 49;
    EXPECT_EQ(Zeilenbeschriftungen({Zweierkombination, 7, 0, Ohne}, e)[7], "");
    e.n = 8;
    EXPECT_EQ(Zeilenbeschriftungen({Gruppenverteilung, 0, 0, Ohne}, e)[8], "   5160");
}

TEST(Anzeige, SkalenschrittUndBalken) {
    const std::pair<int, int> schritte[] = {{0, 10},        {10, 10},       {11, 20},
                                            {10000, 10000}, {10001, 15000}, {32767, 31999}};
    for (auto [r, s] : schritte) EXPECT_EQ(Skalenschritt(r), s) << r;
    Werte v{};
    v[1] = 4, v[2] = 8;
    for (int option : {0, 7}) {
        Grafikwahl w;
        w.farbe = option;
        const Grafik g = GrafikBauen(v, 2, w, 3000, 3000);
        const auto umriss = std::find_if(g.elemente.begin(), g.elemente.end(),
                                         [](const Element& e) { return e.rahmen; });
        ASSERT_NE(umriss, g.elemente.end());
        EXPECT_EQ(umriss->randfarbe, (option ? Farbe{200, 200, 200} : Farbe{0, 0, 0}));
        const auto flaeche =
            std::find_if(g.elemente.begin(), g.elemente.end(),
                         [](const Element& e) { return e.art == Element::Kasten; });
        EXPECT_EQ(flaeche->farbe, (Farbe{120, 120, 120}));
        EXPECT_EQ(g.elemente.back().text, "Balkengrafik mit Mittelwertlinie  (6.00)");
    }
    // The bars begin right of the scale values ("10": two digits).
    const Grafik g = GrafikBauen(v, 2, {}, 3000, 3000);
    EXPECT_EQ(g.links, 350);
    EXPECT_EQ(ZeileAnPunkt(g, 0, 2, 349, 10), -1);
    EXPECT_EQ(ZeileAnPunkt(g, 0, 2, 350 + 1324, 10), 0);
    EXPECT_EQ(ZeileAnPunkt(g, 0, 2, 350 + 1325, 10), 1);
    EXPECT_EQ(ZeileAnPunkt(g, 3, 20, 2600 + 360 + 10, 200 + 2 * 360 + 10), 7);  // row 2, cell 1
    EXPECT_TRUE(GrafikBauen(v, 0, {}, 3000, 3000).elemente.empty());
}

TEST(Anzeige, FarbfeldZeichnetHoechstens98Zellen) {
    Werte v{};
    for (int k = 1; k <= 99; ++k) v[k] = static_cast<int16_t>(k % 10);
    Grafikwahl w;
    w.art = 3;
    const Grafik g = GrafikBauen(v, 99, w, 8000, 6000);
    const auto zellen = std::count_if(g.elemente.begin(), g.elemente.end(), [](const Element& e) {
        return e.art == Element::Kasten && e.x1 > 2600;
    });
    EXPECT_EQ(zellen, 98);
}

TEST(Anzeige, ZahlenfeldWannZuletztGezogen) {
    Lottodatei d;
    const int zahlen[2][6] = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
    for (int i = 0; i < 40; ++i) {
        d.ZahlenSetzen(i, ZahlenPacken(zahlen[i == 39 ? 1 : 0]));
        d.WocheKennung[i] = WocheKennungAus(1 + i, 0);
        d.JahrCode[i] = JahrCodeAusJahr(2000);
        d.ImBereich[i] = -1;
    }
    const auto f = ZahlenfeldgrafikBerechnen(d, 1, {3, 3, 3});
    EXPECT_TRUE(f.gefaerbt[7]);           // newest draw: green
    EXPECT_TRUE(f.gefaerbt[1]);           // one draw ago
    EXPECT_EQ(f.farbe[20], f.farbe[30]);  // never drawn in 40 draws: dark red
    EXPECT_NE(f.farbe[20], f.farbe[7]);
    EXPECT_EQ(f.wert[20], "im Bereich nie gezogen");
    EXPECT_FALSE(ZahlenfeldgrafikBerechnen(d, 0, {3, 3, 3}).gefaerbt[7]);
}

}  // namespace
}  // namespace zahlix::statistik
