#include <gtest/gtest.h>

#include "core/isowoche.h"
#include "core/zahlformat.h"

using namespace zahlix;
using namespace std::chrono;

TEST(IsoWoche, TageAnJahresgrenzen) {
    struct Fall {
        year_month_day tag;
        int woche, jahr;
    };
    const Fall faelle[] = {
        {2005y / January / 1, 53, 2004},   // Saturday: still the last week of 2004
        {2005y / January / 3, 1, 2005},    {2004y / December / 27, 53, 2004},
        {2008y / December / 29, 1, 2009},  // Monday of week 1 of the next year
        {2026y / December / 6, 49, 2026},  // Sunday ends the week that began on Monday
        {2026y / December / 7, 50, 2026},  {2026y / January / 1, 1, 2026},
        {2026y / December / 31, 53, 2026}, {2027y / January / 3, 53, 2026},
        {2021y / January / 3, 53, 2020},   {2023y / January / 1, 52, 2022},
        {2000y / February / 29, 9, 2000},  {1955y / March / 13, 10, 1955},
    };
    for (const Fall& f : faelle) {
        const KalenderWoche k = KalenderWocheVon(f.tag);
        EXPECT_EQ(k.woche, f.woche) << DatumDeutsch(f.tag);
        EXPECT_EQ(k.jahr, f.jahr) << DatumDeutsch(f.tag);
    }
    EXPECT_EQ(DatumDeutsch(2026y / March / 7), "07.03.2026");
}

TEST(IsoWoche, MontageUndWochenzahlJedesJahres) {
    for (int jahr = 1900; jahr <= 2100; ++jahr) {
        // A year has 53 weeks exactly when it starts on a Thursday, or is a leap year starting
        // on a Wednesday.
        const weekday neujahr{sys_days{year{jahr} / January / 1}};
        const bool lang = neujahr == Thursday || (year{jahr}.is_leap() && neujahr == Wednesday);
        ASSERT_EQ(WochenImJahr(jahr), lang ? 53 : 52) << jahr;
        for (int woche = 1; woche <= 53; ++woche) {
            const auto montag = WochenMontag(woche, jahr);
            ASSERT_EQ(montag.has_value(), woche <= WochenImJahr(jahr)) << woche << "/" << jahr;
            if (!montag) continue;
            EXPECT_EQ(weekday{sys_days{*montag}}, Monday);
            const KalenderWoche zurueck = KalenderWocheVon(year_month_day{sys_days{*montag} + days{6}});
            EXPECT_EQ(zurueck.woche, woche) << jahr;
            EXPECT_EQ(zurueck.jahr, jahr) << woche;
        }
    }
    for (auto [woche, jahr] : {std::pair{0, 2005}, {54, 2004}, {-3, 2004}, {1, 0}, {1, 10000}})
        EXPECT_FALSE(WochenMontag(woche, jahr).has_value()) << woche << "/" << jahr;
}

TEST(Zahlformat, BreitenUndAbschneiden) {
    struct Fall {
        std::string ist, soll;
    };
    const Fall faelle[] = {
        {ZahlFeld3(5), " 05"},        {ZahlFeld3(12), " 12"},      {ZahlFeld3(123), " 23"},
        {ZahlFeld3(0), " 00"},        {ZahlFeld4(5), "  05"},      {ZahlFeld4(123), "  23"},
        {ZahlNull2(5), "05"},         {ZahlNull2(100), "00"},      {ZahlRechts2(5), " 5"},
        {ZahlRechts3(5), "  5"},      {ZahlRechts3(1000), "000"},  {ZahlNull4(12), "0012"},
        {ZahlRechts4(123), " 123"},   {ZahlRechts5(5), "    5"},   {ZahlRechts6(5), "     5"},
        {ZahlNull7(5), "0000005"},    {ZahlGruppiert10(13983816), "13.983.816"},
        {ZahlGruppiert10(5), "         5"}, {ZahlGruppiert10(2000000000), "00.000.000"},
        {ZahlGruppiert10(8145060), " 8.145.060"},
        {Str(5), " 5"},               {Str(-5), "-5"},             {Str(0), " 0"},
        // Lengths divisible by three get no leading dot.
        {Gruppiert(100), "100"}, {Gruppiert(123456), "123.456"},
        {Gruppiert(100000000), "100.000.000"}, {Gruppiert(-123456), "-123.456"},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.ist, f.soll);
    EXPECT_EQ(Anzahl(1, "Ziehung", "Ziehungen") + Anzahl(1200, "Zug", "Züge"),
              "1 Ziehung1.200 Züge");
}
