#include "shell/zuletzt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/dateiname.h"
#include "support/testdaten.h"

using namespace zahlix;
using zahlix::test::Arbeitsordner;
using zahlix::test::DateiLesen;
using zahlix::test::DateiSchreiben;
using Liste = std::vector<std::string>;

namespace {

class Zuletzt : public ::testing::Test {
  protected:
    Arbeitsordner ordner;
    std::filesystem::path datei = ordner / "Zuletzt.ZXI";
};

}  // namespace

TEST_F(Zuletzt, EintragenSetztObenUndHaeltJedenPfadEinmal) {
    const std::string b = NativerPfad("/daten/b.AS7");  // backslashes on Windows
    Liste l;
    ZuletztEintragen(l, "a.ZX7", datei);
    ZuletztEintragen(l, b, datei);
    ZuletztEintragen(l, "c.TXT", datei);
    EXPECT_EQ(l, (Liste{"c.TXT", b, "a.ZX7"}));
    ZuletztEintragen(l, b, datei);
    ZuletztEintragen(l, b, datei);
    EXPECT_EQ(l, (Liste{b, "c.TXT", "a.ZX7"}));
    EXPECT_EQ(DateiLesen(datei), b + "\r\nc.TXT\r\na.ZX7\r\n");
    EXPECT_EQ(ZuletztLaden(datei), l);
}

TEST_F(Zuletzt, VergleichWieDasSystemUndTrennerDesSystems) {
    Liste l{"a.ZX7", "C:\\Zahlen\\Glück.ZX7"};
    ZuletztEintragen(l, "A.zx7", datei);
    ZuletztEintragen(l, "c:/zahlen/GLÜCK.ZX7", datei);
    // On Windows one file however spelled, shown with backslashes.
    const Liste windows{"c:\\zahlen\\GLÜCK.ZX7", "A.zx7"};
    const Liste sonst{"c:/zahlen/GLÜCK.ZX7", "A.zx7", "a.ZX7", "C:\\Zahlen\\Glück.ZX7"};
    EXPECT_EQ(l, kWindowsNamen ? windows : sonst);
}

TEST_F(Zuletzt, DoppelteZeilenEinerAltenDateiVerschwindenBeimEintragen) {
    DateiSchreiben(datei, "x.ZX7\r\ny.ZX7\r\nx.ZX7\r\n");
    Liste l = ZuletztLaden(datei);
    ZuletztEintragen(l, "x.ZX7", datei);
    EXPECT_EQ(l, (Liste{"x.ZX7", "y.ZX7"}));
}

TEST_F(Zuletzt, LeereZeileBeendetDieListe) {
    DateiSchreiben(datei, "eins.ZX7\r\nzwei.ZX7\r\n\r\ndrei.ZX7\r\n");
    EXPECT_EQ(ZuletztLaden(datei), (Liste{"eins.ZX7", "zwei.ZX7"}));
    DateiSchreiben(datei, "\r\neins.ZX7\r\n");
    EXPECT_EQ(ZuletztLaden(datei), Liste{});
}

TEST_F(Zuletzt, FehlendeOderUnlesbareDateiGibtLeereListe) {
    EXPECT_EQ(ZuletztLaden(datei), Liste{});
    std::filesystem::create_directory(datei);
    EXPECT_EQ(ZuletztLaden(datei), Liste{});
    EXPECT_FALSE(ZuletztSpeichern(datei, {"a"})) << "ein Ordner im Weg ist ein Fehler";
    Liste l;
    ZuletztEintragen(l, "a.ZX7", datei);  // the failed write is ignored
    EXPECT_EQ(l, Liste{"a.ZX7"});
}

TEST_F(Zuletzt, SeltsameZeilenWerdenEinzelnUebergangen) {
    std::string text = "gut1.ZX7\r\n";
    text += std::string("bin\x01\x02\x7f", 6) + "\r\n";
    text += "senkrecht\x0b.ZX7\r\neinheit\x1f.ZX7\r\n";  // each control character on its own
    text += std::string(40000, 'x') + "\r\n";
    text += "gut2.ZX7\nohne CR.ZX7\rnur CR.ZX7\r\n";
    text += std::string("mit\0null", 8) + "\r\n";
    text += "letzte ohne Zeilenende.ZX7";
    DateiSchreiben(datei, text);
    EXPECT_EQ(ZuletztLaden(datei), (Liste{"gut1.ZX7", "gut2.ZX7", "ohne CR.ZX7", "nur CR.ZX7",
                                          "letzte ohne Zeilenende.ZX7"}));
}

TEST_F(Zuletzt, UmlauteBlankenUndLangeNamenUeberstehenDieRundreise) {
    const std::string lang = "/tmp/" + std::string(250, 'L') + "/" + std::string(200, 'n') + ".ZX7";
    const Liste l{"/home/jürgen/Eigene Dateien/Lotto Ä ö ß.ZX7", lang, "C:\\Lotto\\Übersicht.TXT"};
    ASSERT_TRUE(ZuletztSpeichern(datei, l));
    EXPECT_EQ(ZuletztLaden(datei), l);
}

TEST_F(Zuletzt, Windows1252DateiWirdAlsUtf8Gelesen) {
    DateiSchreiben(datei, "C:\\Lotto\\M\xfcnchen.ZX7\r\n\x80uro.TXT\r\n");
    EXPECT_EQ(ZuletztLaden(datei), (Liste{"C:\\Lotto\\M\xc3\xbcnchen.ZX7", "\xe2\x82\xacuro.TXT"}));
}

TEST_F(Zuletzt, FilternNachMusterlisteOhneGrossKlein) {
    const Liste l{"a.ZX7", "/x/b.zx6", "c.TXT", "d.as7", "ZX7", "e.ZX7.bak", "C:\\f.Zx7"};
    EXPECT_EQ(ZuletztFiltern(l, "*.ZX7;*.ZX6;*.AS7"),
              (Liste{"a.ZX7", "/x/b.zx6", "d.as7", "C:\\f.Zx7"}));
    EXPECT_EQ(ZuletztFiltern(l, "*.TXT"), Liste{"c.TXT"});
    EXPECT_EQ(ZuletztFiltern(l, "?.ZX7"), Liste{"a.ZX7"});
    EXPECT_EQ(ZuletztFiltern(l, "*.ASC"), Liste{});
    EXPECT_EQ(ZuletztFiltern({}, "*"), Liste{});
}
