// zahlix-cli importieren and the range options of the evaluating commands, run as the built
// program in a scratch folder.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_lauf.h"

namespace zahlix {
namespace {

using test::Cli;
using test::CliLauf;

TEST(CliImportieren, ArchivInNeueDateiUndZweimal) {
    ZAHLIX_BRAUCHT_DATEI(archiv, "lotto6aus49_archiv.json");
    ZAHLIX_BRAUCHT_DATEI(as7, "Lotto6aus49.AS7");
    test::Arbeitsordner ordner;
    const std::string aufruf = "importieren " + archiv.string() + " Neu.AS7";
    CliLauf l = Cli(ordner, aufruf);
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus, " 5.031 neue Ziehungen, 0 schon vorhanden.\n");
    EXPECT_EQ(test::DateiLesen(ordner / "Neu.AS7"), test::DateiLesen(as7));
    l = Cli(ordner, aufruf);
    EXPECT_EQ(l.aus, " 0 neue Ziehungen, 5.031 schon vorhanden.\n");

    // The range options reach the evaluation: the last 100 draws, and 100 of one identifier.
    for (const char* bereich : {"--letzte 100", "--letzte=100 --kennung S"}) {
        l = Cli(ordner, std::string("auswerten Neu.AS7 ") + bereich + " --filter 12 1 2 3");
        ASSERT_EQ(l.status, 0) << l.fehler;
        EXPECT_NE(l.aus.find("Letzte 100"), std::string::npos) << l.aus;
        size_t zeilen = 0;
        for (size_t p = 0; (p = l.aus.find(" / .. :", p)) != std::string::npos; ++p) ++zeilen;
        EXPECT_EQ(zeilen, 100u) << bereich;
    }
    l = Cli(ordner, "zwischenspeichern Neu.AS7 --bereich 01/2020-52/2020 --kennung M 1 2 3");
    EXPECT_NE(l.aus.find("* Bereich - 01/2020-52/2020  Wo:01-53  Ke:M"), std::string::npos)
        << l.aus << l.fehler;
}

TEST(CliImportieren, FehlerLassenDasZielUnveraendert) {
    test::Arbeitsordner ordner;
    test::DateiSchreiben(ordner / "a.csv", "05.01.2005;1;2;3;4;5;6\n");
    test::DateiSchreiben(ordner / "konflikt.csv",
                         "12.01.2005;1;2;3;4;5;6\n05.01.2005;1;2;3;4;5;7\n");
    test::DateiSchreiben(ordner / "leer.csv", "Datum;Zahlen\r\n\r\n");
    // Old Mac line ends; a .AS7 history grows to the numbers it takes, as its reader would.
    test::DateiSchreiben(ordner / "mac.csv", "15.01.2005;3;4;5;6;7;8\r22.01.2005;3;4;5;6;7;9\r");
    test::DateiSchreiben(ordner / "t7.AS7", " 01 2005 00 02 03 04 05 06 07 00\r\n");
    CliLauf l = Cli(ordner, "importieren mac.csv t7.AS7");
    EXPECT_EQ(l.aus, " 2 neue Ziehungen, 0 schon vorhanden.\n") << l.fehler;
    ASSERT_EQ(Cli(ordner, "importieren a.csv t.ZX7").status, 0);
    const std::string vorher = test::DateiLesen(ordner / "t.ZX7");
    const test::CliFehlerfall faelle[] = {
        {"importieren konflikt.csv t.ZX7", 2,
         "Zeile 2: Die Ziehung der Woche 01/2005 mit Kennung M ist schon mit anderen Zahlen"},
        {"importieren a.csv", 1, "importieren erwartet QUELLE und ZIEL."},
        {"importieren a.csv t.ZX7 --kennung-sonst ab", 1, "--kennung-sonst erwartet"},
        {"importieren a.csv t.ZX6", 1, "ZX6-Format"},
        {"importieren fehlt.csv t.ZX7", 2, "Die Datei fehlt.csv wurde nicht gefunden."},
        {"importieren leer.csv t.ZX7", 2, "enthält keine Zeile mit Datum und Zahlen"},
        {"auswerten t.ZX7 --letzte 0 1 2", 1, "--letzte erwartet eine Anzahl von 1 bis 32000."},
        {"auswerten t.ZX7 --bereich 1/2005 1 2", 1, "--bereich erwartet WW/JJJJ-WW/JJJJ"},
        {"auswerten t.ZX7 --kennung X 1 2", 2, "Im gewählten Bereich liegt keine Ziehung."},
    };
    test::ErwarteFehler(ordner, faelle);
    EXPECT_EQ(test::DateiLesen(ordner / "t.ZX7"), vorher);
}

}  // namespace
}  // namespace zahlix
