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
        // 1 January 2005 is a Saturday and still in week 53 of 2004.
        {1, 2005, "Woche vom 03.01.2005 bis 09.01.2005", "09.01.2005"},
        {53, 2004, "Woche vom 27.12.2004 bis 02.01.2005", "02.01.2005"},
        {52, 2005, "Woche vom 26.12.2005 bis 01.01.2006", "01.01.2006"},
        // Week 1 may begin in the old year.
        {1, 2020, "Woche vom 30.12.2019 bis 05.01.2020", "05.01.2020"},
        {1, 2024, "Woche vom 01.01.2024 bis 07.01.2024", "07.01.2024"},
        {53, 2020, "Woche vom 28.12.2020 bis 03.01.2021", "03.01.2021"},
        {10, 1955, "Woche vom 07.03.1955 bis 13.03.1955", "13.03.1955"},
        {9, 2000, "Woche vom 28.02.2000 bis 05.03.2000", "05.03.2000"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(WochenZeitraumText(f.woche, f.jahr), f.zeitraum);
        EXPECT_EQ(WochenEndeDatum(f.woche, f.jahr), f.ende);
    }
}

TEST(Wochentext, FehlendeWocheGibtHinweisOderHeute) {
    HeuteErsetzen(year{2026} / December / 6);
    for (auto [woche, jahr] : {std::pair{53, 2005}, {53, 2021}, {0, 2005}, {54, 2004}, {-3, 2004},
                               {1, 0}, {1, 10000}, {1, -5}}) {
        EXPECT_EQ(WochenZeitraumText(woche, jahr), "Woche nicht vorhanden!") << woche << "/" << jahr;
        EXPECT_EQ(WochenEndeDatum(woche, jahr), "06.12.2026") << woche << "/" << jahr;
    }
    HeuteErsetzen(std::nullopt);
}

TEST(Wochentext, JedeWocheBeginntMontagsUndIhrDonnerstagLiegtImJahr) {
    for (int jahr = 1900; jahr <= 2100; ++jahr) {
        int wochen = 0;
        sys_days vorher{};
        for (int woche = 1; woche <= 53; ++woche) {
            const auto montag = WochenMontag(woche, jahr);
            if (!montag) {
                EXPECT_EQ(woche, 53) << jahr;
                continue;
            }
            ++wochen;
            const sys_days m{*montag};
            EXPECT_EQ(weekday{m}, Monday);
            EXPECT_EQ(year_month_day{m + days{3}}.year(), year{jahr}) << woche << "/" << jahr;
            if (woche > 1) {
                EXPECT_EQ(m - vorher, days{7});
            }
            vorher = m;
        }
        // A year has 53 weeks exactly when it starts on a Thursday, or is a leap year
        // starting on a Wednesday.
        const weekday neujahr{sys_days{year{jahr} / January / 1}};
        const bool lang = neujahr == Thursday || (year{jahr}.is_leap() && neujahr == Wednesday);
        EXPECT_EQ(wochen, lang ? 53 : 52) << jahr;
    }
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
