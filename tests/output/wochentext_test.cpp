#include <gtest/gtest.h>

#include <chrono>

#include "app/programm.h"
#include "output/kennung.h"
#include "output/wochentext.h"

using namespace zahlix;
using namespace std::chrono;

TEST(Wochentext, ZeitraumUndEndeAnJahresgrenzen) {
    struct Fall {
        int woche, jahr;
        std::string zeitraum, ende;
    };
    const Fall faelle[] = {
        // Week 1 may begin in the old year, week 53 end in the next.
        {1, 2020, "Woche vom 30.12.2019 bis 05.01.2020", "05.01.2020"},
        {53, 2020, "Woche vom 28.12.2020 bis 03.01.2021", "03.01.2021"},
        {10, 1955, "Woche vom 07.03.1955 bis 13.03.1955", "13.03.1955"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(WochenZeitraumText(f.woche, f.jahr), f.zeitraum);
        EXPECT_EQ(WochenEndeDatum(f.woche, f.jahr), f.ende);
    }
}

TEST(Wochentext, FehlendeWocheGibtHinweisOderHeute) {
    HeuteErsetzen(year{2026} / December / 6);
    for (auto [woche, jahr] : {std::pair{53, 2021}, {0, 2005}}) {
        EXPECT_EQ(WochenZeitraumText(woche, jahr), "Woche nicht vorhanden!") << woche << "/" << jahr;
        EXPECT_EQ(WochenEndeDatum(woche, jahr), "06.12.2026") << woche << "/" << jahr;
    }
    HeuteErsetzen(std::nullopt);
}

TEST(Kennung, Anzeigezeichen) {
    EXPECT_EQ(KennungText(0), ".");
    EXPECT_EQ(KennungText('0'), "0");
    EXPECT_EQ(KennungText('9'), "9");
    EXPECT_EQ(KennungText('A'), "A");
    EXPECT_EQ(KennungText('Z'), "Z");
    for (int code : {97, 122, 47, 58, 64, 91, 32, 1, 255, -1, 4096})  // 'a', 'z', '/', ':', '@', '['
        EXPECT_EQ(KennungText(code), "") << code;
}
