// Placement rules, calendar texts and the lookup of application and lottery files.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "app/anwendungsdateien.h"
#include "app/fensterplatz.h"
#include "app/programm.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace std::chrono;
namespace fs = std::filesystem;

TEST(Kaskade, AusInnenhoeheUndPositionReihumInTwips) {
    struct Fall {
        int hoehe, kaskade;
    };
    const std::vector<Fall> faelle = {
        {0, 1}, {8000, 1}, {9000, 1}, {9329, 1}, {9330, 2}, {9659, 2}, {9660, 3}, {19230, 32},
    };
    for (const auto& f : faelle) EXPECT_EQ(KaskadeBerechnen(f.hoehe), f.kaskade) << f.hoehe;
    Programm().platzierungszaehler = 0;
    Programm().kaskade = 4;
    std::vector<int> offsets;
    for (int i = 0; i < 6; ++i) offsets.push_back(NaechstePositionTwips());
    EXPECT_EQ(offsets, (std::vector<int>{0, 330, 660, 990, 0, 330}));

    // A frame too low for cascading puts every window at the corner.
    Programm().kaskade = KaskadeBerechnen(9329);
    EXPECT_EQ(NaechstePositionTwips(), 0);
    EXPECT_EQ(NaechstePositionTwips(), 0);

    // A count damaged to 0 must not divide by zero.
    Programm().kaskade = 0;
    EXPECT_EQ(NaechstePositionTwips(), 0);
    Programm().kaskade = 1;
    Programm().platzierungszaehler = 0;
}

TEST(Twips, ZuPixelGerundetRahmenZentriertNieNegativ) {
    EXPECT_EQ(TwipsZuPixel(330), 22);
    EXPECT_EQ(TwipsZuPixel(990), 66);
    EXPECT_EQ(TwipsZuPixel(7), 0);
    EXPECT_EQ(TwipsZuPixel(8), 1);
    EXPECT_EQ(TwipsZuPixel(-8), -1);
    EXPECT_EQ(PixelZuTwips(TwipsZuPixel(360)), 360);

    // The frame is centred, never at a negative place.
    EXPECT_EQ(RahmenLinks(19200, 15000), (19200 - 15000 - 360) / 2);
    EXPECT_EQ(RahmenOben(13500, 12000), 750);
    EXPECT_EQ(RahmenLinks(10000, 15000), 0);
    EXPECT_EQ(RahmenOben(10000, 15000), 0);
}

class Dateisuche : public ::testing::Test {
  protected:
    test::Arbeitsordner ordner;
    void Anlegen(const std::string& name) { test::DateiSchreiben(ordner / name, "x"); }
};

TEST_F(Dateisuche, GrossKleinschreibungEgalGenaueSchreibweiseGewinnt) {
    Anlegen("schweiz.zx7");
    Anlegen("Samstaglotto.ZX7");
    fs::create_directory(ordner / "Mittwochlotto.ZX7");  // a folder is no lottery file
    EXPECT_EQ(DateiFinden(ordner.pfad(), "Schweiz.ZX7"), "schweiz.zx7");
    EXPECT_EQ(DateiFinden(ordner.pfad(), "SAMSTAGLOTTO.zx7"), "Samstaglotto.ZX7");
    EXPECT_EQ(DateiFinden(ordner.pfad(), "Mittwochlotto.ZX7"), "");
    EXPECT_EQ(DateiFinden(ordner.pfad(), "Oesterreich.ZX7"), "");
    EXPECT_EQ(DateiFinden(ordner.pfad(), ""), "");
    EXPECT_EQ(DateiFinden(ordner / "fehlt", "Schweiz.ZX7"), "");

    // Among several spellings the exact one wins.
    Anlegen("SCHWEIZ.ZX7");
    Anlegen("Schweiz.ZX7");
    EXPECT_EQ(DateiFinden(ordner.pfad(), "Schweiz.ZX7"), "Schweiz.ZX7");
    EXPECT_EQ(DateiFinden(ordner.pfad(), "schweiz.zx7"), "schweiz.zx7");
}

TEST_F(Dateisuche, UnterordnerUndUmlaute) {
    fs::create_directory(ordner / "Daten");
    Anlegen("Daten/Übung 1.ZX7");
    EXPECT_EQ(DateiFinden(ordner.pfad(), "Daten/übung 1.zx7"), "Daten/Übung 1.ZX7");
    const std::string absolut = (ordner.pfad() / "Daten" / "ÜBUNG 1.ZX7").string();
    EXPECT_EQ(DateiFinden("/gibt/es/nicht", absolut),
              (ordner.pfad() / "Daten" / "Übung 1.ZX7").string());
}

TEST_F(Dateisuche, StartdateiAusOptionOderStandard) {
    EXPECT_EQ(StartdateiErmitteln(ordner.pfad(), ""), "");
    EXPECT_EQ(StartdateiErmitteln(ordner.pfad(), "Eigene.ZX7"), "");
    Anlegen("samstaglotto.zx7");
    EXPECT_EQ(StartdateiErmitteln(ordner.pfad(), ""), "samstaglotto.zx7");
    // A named file that is missing does not fall back to the standard file.
    EXPECT_EQ(StartdateiErmitteln(ordner.pfad(), "Eigene.ZX7"), "");
    Anlegen("eigene.zx7");
    EXPECT_EQ(StartdateiErmitteln(ordner.pfad(), "Eigene.ZX7"), "eigene.zx7");
}

TEST_F(Dateisuche, HilfedateiBeimProgrammSonstInstalliertSonstImStartordner) {
    test::Arbeitsordner programm;
    Anlegen("zx2005.zxh");
    std::filesystem::create_directories(programm / "bin");
    std::filesystem::create_directories(programm / "share" / "zahlix");
    test::DateiSchreiben(programm / "share" / "zahlix" / "ZX2005.ZXH", "Hilfe");
    AnwendungsdateienSetzen(ordner.pfad(), programm / "bin");
    EXPECT_EQ(Dateien().optionen, ordner.pfad() / "ZX2005.ZXI");
    EXPECT_EQ(Dateien().hilfe, programm / "share" / "zahlix" / "ZX2005.ZXH");

    test::DateiSchreiben(programm / "bin" / "ZX2005.ZXH", "Hilfe");
    AnwendungsdateienSetzen(ordner.pfad(), programm / "bin");
    EXPECT_EQ(Dateien().hilfe, programm / "bin" / "ZX2005.ZXH");

    // A copy the user saved in the start folder after the shipped one is his edited help.
    std::filesystem::last_write_time(
        ordner / "zx2005.zxh",
        std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    AnwendungsdateienSetzen(ordner.pfad(), programm / "bin");
    EXPECT_EQ(Dateien().hilfe, ordner.pfad() / "zx2005.zxh");
    EXPECT_EQ(HilfeBearbeitungsziel(), Dateien().hilfe);

    AnwendungsdateienSetzen(ordner.pfad(), ordner.pfad() / "fehlt");
    EXPECT_EQ(Dateien().hilfe, ordner.pfad() / "zx2005.zxh");

    test::Arbeitsordner leer;
    AnwendungsdateienSetzen(leer.pfad(), leer.pfad() / "fehlt");
    EXPECT_EQ(Dateien().hilfe, leer.pfad() / "ZX2005.ZXH");
}
