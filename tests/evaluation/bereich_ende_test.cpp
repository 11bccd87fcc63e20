// A restricted range follows changes of the draw table: the last N stay N.
#include <gtest/gtest.h>

#include "core/bereich_auswahl.h"
#include "core/import.h"
#include "evaluation/ziehung_befehle.h"

using namespace zahlix;

TEST(BereichEnde, LetzteNBleibenNachDemLoeschen) {
    std::string csv, fehler;
    for (int t = 1; t <= 28; t += 3)
        csv += std::to_string(t) + ".02.2005;1;2;3;4;5;" + std::to_string(6 + t) + "\n";
    Lottodatei d;
    d.Leeren(0);
    ZiehungenZusammenfuehren(d, *ImportquelleLesen(csv, fehler), {'A', 'A'});
    ASSERT_TRUE(BereichEinstellen(d, {false, 1, 1900, 53, 2099, "", 3}, fehler));
    const auto imBereich = [&] {
        int n = 0;
        for (int i = 0; i < d.Anzahl(); ++i) n += d.ImBereich[i] == -1;
        return n;
    };
    LetzteZiehungEntfernen(d);
    BereichsEndeSetzen(d);
    EXPECT_EQ(imBereich(), 3);
    EXPECT_EQ(d.ImBereich[d.LetzterIndex - 3], 0);
    EXPECT_EQ(d.Titel, "07/2005-08/2005  Wo:01-53  Letzte 3");
}
