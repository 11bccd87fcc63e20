// An empty class lists the draws without hits; scrolled to the end it shows the newest of
// them, not a blank page.
#include <gtest/gtest.h>

#include "evaluation/trefferliste.h"
#include "support/lotto_beispiele.h"

using namespace zahlix;
using namespace zahlix::test;

TEST(TrefferlisteLeer, LeereKlasseBlaettertUeberDieReihenOhneTreffer) {
    std::vector<Ziehung> z;
    for (int i = 0; i < 8; ++i)  // the odd draws have no hit with 1, 2
        z.push_back({i + 1, 2020, 0, {i % 2 ? 20 : 1, 21, 22, 23, 24, 25}, 0});
    Lottodatei d = HistorieAus(z);
    Klassenzaehler k{};
    ReihenAuswerten(ZahlenPacken(std::vector{1, 2}), d, k, {0, 0, 0});
    const auto seite = TrefferseiteBerechnen(d, k, 6, 99, 2, "Reihen mit 6 Treffer");
    EXPECT_EQ(seite.scrollMax, 2);
    EXPECT_EQ(TrefferseiteBerechnen(d, k, 6, 2, 2, seite.titel).ziehungen, (std::vector{5, 7}));
}
