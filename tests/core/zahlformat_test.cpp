#include <gtest/gtest.h>

#include "core/zahlformat.h"

using namespace zahlix;

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
