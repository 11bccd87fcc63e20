#include "shell/muster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/dateiname.h"
#include "core/textdatei.h"
#include "shell/zuletzt.h"
#include "support/testdaten.h"

using namespace zahlix;
using Liste = std::vector<std::string>;

TEST(Muster, EintraegeDerListeAnwendbarNurOhneOrdnerteil) {
    EXPECT_EQ(MusterEintraege("*.ZX7;*.ZX6;*.AS7"), (Liste{"*.ZX7", "*.ZX6", "*.AS7"}));
    EXPECT_EQ(MusterEintraege(" *.ZX7 ;; *.TXT;"), (Liste{"*.ZX7", "*.TXT"}));
    EXPECT_EQ(MusterEintraege("*.*"), Liste{"*.*"});
    EXPECT_EQ(MusterEintraege(""), Liste{});
    EXPECT_TRUE(MusterAnwendbar("*.ZX7;*.ZX6"));
    EXPECT_TRUE(MusterAnwendbar("a?c"));
    EXPECT_FALSE(MusterAnwendbar(""));
    EXPECT_FALSE(MusterAnwendbar(" ; ;"));
    EXPECT_FALSE(MusterAnwendbar("/tmp/*.ZX7"));
    EXPECT_FALSE(MusterAnwendbar("C:*.ZX7"));
    EXPECT_FALSE(MusterAnwendbar("*.ZX7;Daten\\*.TXT"));
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

TEST(Muster, AntwortBekommtDieErsteEndungFilterDesSystemdialogs) {
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

    // The system dialog's filter.
    EXPECT_EQ(FilterText("*.ZX7;*.ZX6;*.AS7"),
              "ZX7 - Datei|*.ZX7|ZX6 - Datei|*.ZX6|AS7 - Datei|*.AS7");
    EXPECT_EQ(FilterText("*.TXT"), "TXT - Datei|*.TXT");
    EXPECT_EQ(FilterText(""), "");
    EXPECT_EQ(FilterPaare("*.ZX7").front().first, "ZX7 - Datei");
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

using zahlix::test::Arbeitsordner;
using zahlix::test::DateiLesen;
using zahlix::test::DateiSchreiben;

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

    // Repeated lines of an old file go when a name is entered.
    DateiSchreiben(datei, "x.ZX7\r\ny.ZX7\r\nx.ZX7\r\n");
    l = ZuletztLaden(datei);
    ZuletztEintragen(l, "x.ZX7", datei);
    EXPECT_EQ(l, (Liste{"x.ZX7", "y.ZX7"}));
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

TEST_F(Zuletzt, LeereZeileFehlendeOderUnlesbareDateiGebenLeereListe) {
    DateiSchreiben(datei, "eins.ZX7\r\nzwei.ZX7\r\n\r\ndrei.ZX7\r\n");
    EXPECT_EQ(ZuletztLaden(datei), (Liste{"eins.ZX7", "zwei.ZX7"}));
    DateiSchreiben(datei, "\r\neins.ZX7\r\n");
    EXPECT_EQ(ZuletztLaden(datei), Liste{});
    std::filesystem::remove(datei);  // a missing file, then a folder in its place
    EXPECT_EQ(ZuletztLaden(datei), Liste{});
    std::filesystem::create_directory(datei);
    EXPECT_EQ(ZuletztLaden(datei), Liste{});
    EXPECT_FALSE(ZuletztSpeichern(datei, {"a"})) << "ein Ordner im Weg ist ein Fehler";
    Liste l;
    ZuletztEintragen(l, "a.ZX7", datei);  // the failed write is ignored
    EXPECT_EQ(l, Liste{"a.ZX7"});
}

TEST_F(Zuletzt, SeltsameZeilenUebergangenWindows1252AlsUtf8Gelesen) {
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
    DateiSchreiben(datei, "C:\\Lotto\\M\xfcnchen.ZX7\r\n\x80uro.TXT\r\n");
    EXPECT_EQ(ZuletztLaden(datei), (Liste{"C:\\Lotto\\M\xc3\xbcnchen.ZX7", "\xe2\x82\xacuro.TXT"}));
}

TEST_F(Zuletzt, UmlauteBlankenUndLangeNamenUeberstehenDieRundreise) {
    const std::string lang = "/tmp/" + std::string(250, 'L') + "/" + std::string(200, 'n') + ".ZX7";
    const Liste l{"/home/jürgen/Eigene Dateien/Lotto Ä ö ß.ZX7", lang, "C:\\Lotto\\Übersicht.TXT"};
    ASSERT_TRUE(ZuletztSpeichern(datei, l));
    EXPECT_EQ(ZuletztLaden(datei), l);
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
