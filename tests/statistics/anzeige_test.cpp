// From results to display: value kinds, extremes, the exchange order of the sorted lists,
// graph scaling and geometry, the number-field graphic.
#include <gtest/gtest.h>

#include <algorithm>

#include "statistics/statistik_grafik.h"
#include "statistics/statistik_listen.h"
#include "statistics/zahlenfeldgrafik.h"

namespace zahlix::statistik {
namespace {

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
