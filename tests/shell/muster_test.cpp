#include "shell/muster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/textdatei.h"
#include "support/testdaten.h"

using namespace zahlix;
using Liste = std::vector<std::string>;

TEST(Muster, EintraegeDerListe) {
    EXPECT_EQ(MusterEintraege("*.ZX7;*.ZX6;*.AS7"), (Liste{"*.ZX7", "*.ZX6", "*.AS7"}));
    EXPECT_EQ(MusterEintraege(" *.ZX7 ;; *.TXT;"), (Liste{"*.ZX7", "*.TXT"}));
    EXPECT_EQ(MusterEintraege("*.*"), Liste{"*.*"});
    EXPECT_EQ(MusterEintraege(""), Liste{});
}

TEST(Muster, Platzhalter) {
    struct Fall {
        const char* name;
        const char* muster;
        bool passt;
    };
    const Fall faelle[] = {
        {"Samstaglotto.ZX7", "*.ZX7", true},
        {"samstaglotto.zx7", "*.ZX7", true},
        {"Samstaglotto.ZX7", "*.zx7", true},
        {"Samstaglotto.ZX7.bak", "*.ZX7", false},
        {"Samstaglotto.ZX6", "*.ZX7;*.ZX6", true},
        {"a.AS7", "*.ZX7;*.ZX6;*.AS7", true},
        {"a.ASC", "*.ZX7;*.ZX6;*.AS7", false},
        {".ZX7", "*.ZX7", true},
        {"ZX7", "*.ZX7", false},
        {"a.ZX7", "?.ZX7", true},
        {"ab.ZX7", "?.ZX7", false},
        {"\xc3\xbc.ZX7", "?.ZX7", true},  // an umlaut is one character
        {"\xc3\x9c"
         "bersicht.TXT",
         "\xc3\x9c*.TXT", true},
        {"x", "*", true},
        {"", "*", true},
        {"", "?", false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*b", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaa", "*a*a*a*b", false},
        {"Mein Lotto 2005.ZX7", "Mein*2005.*", true},
        {"a.ZX7", "", false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(MusterPasst(f.name, f.muster), f.passt) << f.name << " ~ " << f.muster;
}

TEST(Muster, AnwendbarNurOhneOrdnerteil) {
    EXPECT_TRUE(MusterAnwendbar("*.ZX7;*.ZX6"));
    EXPECT_TRUE(MusterAnwendbar("a?c"));
    EXPECT_FALSE(MusterAnwendbar(""));
    EXPECT_FALSE(MusterAnwendbar(" ; ;"));
    EXPECT_FALSE(MusterAnwendbar("/tmp/*.ZX7"));
    EXPECT_FALSE(MusterAnwendbar("C:*.ZX7"));
    EXPECT_FALSE(MusterAnwendbar("*.ZX7;Daten\\*.TXT"));
}

TEST(Muster, WasOkMitDemTextMacht) {
    struct Fall {
        const char* text;
        OkSchritt schritt;
    };
    const Fall faelle[] = {
        {"*.AS7", OkSchritt::Filtern},
        {"neu?", OkSchritt::Filtern},
        {"C:\\*.ZX7", OkSchritt::Filtern},
        {"D:", OkSchritt::Ordner},
        {"C:\\Lotto", OkSchritt::Ordner},
        {"/home/jürgen", OkSchritt::Ordner},
        {"Daten/", OkSchritt::Ordner},
        {"neu", OkSchritt::Waehlen},
        {"Mein Lotto.ZX7", OkSchritt::Waehlen},
        {"", OkSchritt::Nichts},
        {"   ", OkSchritt::Nichts},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(static_cast<int>(OkEinordnen(f.text)), static_cast<int>(f.schritt)) << f.text;
}

TEST(Muster, AntwortBekommtDieErsteEndung) {
    const std::string liste = "*.ZX7;*.ZX6;*.AS7";
    EXPECT_EQ(ErsteEndung(liste), ".ZX7");
    EXPECT_EQ(ErsteEndung("*.TXT;*.RTF"), ".TXT");
    EXPECT_EQ(ErsteEndung("*.*"), "");
    EXPECT_EQ(ErsteEndung("*"), "");
    EXPECT_EQ(ErsteEndung(""), "");
    EXPECT_EQ(AntwortVervollstaendigen("neu", liste), "neu.ZX7");
    EXPECT_EQ(AntwortVervollstaendigen("neu.AS7", liste), "neu.AS7");
    EXPECT_EQ(AntwortVervollstaendigen("neu.", liste), "neu.");
    EXPECT_EQ(AntwortVervollstaendigen("", liste), "") << "abgebrochen bleibt leer";
    EXPECT_EQ(AntwortVervollstaendigen("/home/a.b/neu", liste), "/home/a.b/neu.ZX7");
    EXPECT_EQ(AntwortVervollstaendigen("C:\\v1.0\\neu", liste), "C:\\v1.0\\neu.ZX7");
    EXPECT_EQ(AntwortVervollstaendigen("neu", "*.*"), "neu");
}

TEST(Muster, KandidatImStartverzeichnisIstDerBloesseName) {
    zahlix::test::Arbeitsordner start;
    std::filesystem::create_directory(start / "Unter Ordner");
    EXPECT_EQ(Kandidatenpfad(start.pfad(), "Lotto.ZX7", start.pfad()), "Lotto.ZX7");
    EXPECT_EQ(Kandidatenpfad(start.pfad() / ".", "Lotto.ZX7", start.pfad()), "Lotto.ZX7");
    EXPECT_EQ(Kandidatenpfad(start / "Unter Ordner", "Jürgen.ZX7", start.pfad()),
              TextAusPfad(start / "Unter Ordner" / PfadVonName("Jürgen.ZX7")));
    EXPECT_EQ(Kandidatenpfad(start / "Unter Ordner", "x", ""),
              TextAusPfad(start / "Unter Ordner" / "x"));
}

TEST(Muster, FilterDesSystemdialogs) {
    EXPECT_EQ(FilterText("*.ZX7;*.ZX6;*.AS7"),
              "ZX7 - Datei|*.ZX7|ZX6 - Datei|*.ZX6|AS7 - Datei|*.AS7");
    EXPECT_EQ(FilterText("*.TXT"), "TXT - Datei|*.TXT");
    EXPECT_EQ(FilterText(""), "");
    EXPECT_EQ(FilterPaare("*.ZX7").front().first, "ZX7 - Datei");
}
