// Choosing the evaluation range: which draws it marks, its line, and refusals that change nothing.
#include "core/bereich_auswahl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/import.h"

using namespace zahlix;

namespace {

// Weeks 1..10 of 2005, each with a Wednesday (M) and a Saturday (S) draw.
Lottodatei Zwanzig() {
    using namespace std::chrono;
    std::string csv;
    for (int i = 0; i < 20; ++i) {
        const year_month_day t{sys_days{2005y / January / 5} + days{7 * (i / 2) + 3 * (i % 2)}};
        csv += std::to_string(static_cast<unsigned>(t.day())) + "." +
               std::to_string(static_cast<unsigned>(t.month())) + ".2005;1;2;3;4;5;" +
               std::to_string(6 + i) + "\n";
    }
    Lottodatei d;
    d.Leeren(0);
    std::string fehler;
    ZiehungenZusammenfuehren(d, *ImportquelleLesen(csv, fehler), {});
    return d;
}

std::string Markiert(const Lottodatei& d) {
    std::string s;
    for (int i = 0; i < d.Anzahl(); ++i) s += d.ImBereich[i] == -1 ? 'x' : '.';
    return s;
}

}  // namespace

TEST(BereichAuswahl, WahlMarkiertZiehungenUndSchreibtDieBereichszeile) {
    const struct {
        Bereichswahl wahl;
        const char* markiert;
        const char* zeile;
    } faelle[] = {
        {{}, "xxxxxxxxxxxxxxxxxxxx", "01/2005-10/2005  Wo:01-53 "},
        {{true, 3, 2005, 4, 2005, "", 0}, "....xxxx............", "03/2005-04/2005  Wo:01-53 "},
        {{false, 1, 1900, 53, 2099, "s", 0},
         ".x.x.x.x.x.x.x.x.x.x",
         "01/2005-10/2005  Wo:01-53  Ke:S"},
        {{false, 1, 1900, 53, 2099, "", 3},
         ".................xxx",
         "09/2005-10/2005  Wo:01-53  Letzte 3"},
        {{true, 1, 2005, 5, 2005, "M", 2},
         "......x.x...........",
         "04/2005-05/2005  Wo:01-53  Ke:M Letzte 2"},
    };
    for (const auto& f : faelle) {
        Lottodatei d = Zwanzig();
        std::string fehler;
        ASSERT_TRUE(BereichEinstellen(d, f.wahl, fehler)) << fehler;
        EXPECT_EQ(Markiert(d), f.markiert) << f.zeile;
        EXPECT_EQ(d.Titel, f.zeile);
        // The line alone brings back the same range.
        Bereichswerte b;
        BereichTextLesen(d.Titel, b);
        Lottodatei e = Zwanzig();
        BereichMarkieren(e, b);
        EXPECT_EQ(Markiert(e), f.markiert) << f.zeile;
    }
}

TEST(BereichAuswahl, LeererOderUnmoeglicherBereichAendertNichts) {
    Lottodatei d = Zwanzig();
    std::string fehler;
    ASSERT_TRUE(BereichEinstellen(d, {false, 1, 1900, 53, 2099, "", 4}, fehler));
    const Bereichswerte vorher = Auswertebereich();
    const Bereichswahl faelle[] = {{true, 20, 2005, 30, 2005, "", 0},
                                   {false, 1, 1900, 53, 2099, "A", 0},
                                   {true, 5, 2005, 4, 2005, "", 0},
                                   {true, 0, 2005, 4, 2005, "", 0},
                                   {false, 1, 1900, 53, 2099, "ab", 0}};
    for (const auto& w : faelle) {
        EXPECT_FALSE(BereichEinstellen(d, w, fehler));
        EXPECT_FALSE(fehler.empty());
        EXPECT_EQ(Markiert(d), "................xxxx");
        EXPECT_EQ(Auswertebereich(), vorher);
    }
    BereichAufheben(d);
    EXPECT_EQ(Markiert(d), "xxxxxxxxxxxxxxxxxxxx");
    EXPECT_EQ(d.Titel, "01/2005-10/2005  Wo:01-53 ");
}

TEST(BereichAuswahl, ZeitraumNurGanzUndOhneRest) {
    Bereichswahl w;
    ASSERT_TRUE(ZeitraumLesen("01/2005-52/2006", w));
    EXPECT_EQ(std::vector<int>({w.wocheVon, w.jahrVon, w.wocheBis, w.jahrBis}),
              std::vector<int>({1, 2005, 52, 2006}));
    for (const char* falsch : {"1/2005-2/2006x", "1/2005-2/2006 ", "1/2005-2/2006/7", "1/2005-2",
                               "1/2005", "a/2005-2/2006", "1/2005+2/2006", "-1/2005-2/2006", ""})
        EXPECT_FALSE(ZeitraumLesen(falsch, w)) << falsch;
}
