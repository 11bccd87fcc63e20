// zahlix-cli importieren with the range options of the evaluating commands, exportieren, info
// and konvertieren, run as the built program in a scratch folder.
#include <gtest/gtest.h>

#include <string>

#include "output/rtf.h"
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

namespace fs = std::filesystem;
using namespace zahlix;

namespace {

test::CliLauf Exportieren(const test::Arbeitsordner& ordner, const std::string& argumente) {
    return test::Cli(ordner, "exportieren " + argumente);
}

std::string Q(const fs::path& p) {
    return "\"" + p.string() + "\"";
}

TEST(CliExportieren, ReihenformateWieDieDruckausgabe) {
    test::Arbeitsordner ordner;
    const fs::path quelle = test::Quelle("output/golden/export_eingabe.txt");
    // Each format's bytes are pinned by the export's own tests; here one goes through the CLI.
    const test::CliLauf l = Exportieren(ordner, Q(quelle) + " " + Q(ordner / "export.ASC"));
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus, "3 Reihen wurden gefunden und gespeichert.\n");
    EXPECT_EQ(test::DateiLesen(ordner / "export.ASC"),
              test::DateiLesen(test::Quelle("output/golden/export.ASC")));
}

TEST(CliExportieren, RtfHinUndZurueck) {
    test::Arbeitsordner ordner;
    // Windows-1252 source: the umlauts must arrive as such.
    test::DateiSchreiben(ordner / "text.txt",
                         "Gr\xF6\xDF"
                         "e\r\n 01 02 03 04 05 06\r\n");
    test::CliLauf l = Exportieren(ordner, Q(ordner / "text.txt") + " " + Q(ordner / "text.rtf"));
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(RtfLesen(test::DateiLesen(ordner / "text.rtf")), "Größe\r\n 01 02 03 04 05 06\r\n");
    // An RTF source is read as rich text before the rows are searched.
    l = Exportieren(ordner, Q(ordner / "text.rtf") + " " + Q(ordner / "aus.asc"));
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(test::DateiLesen(ordner / "aus.asc"), " 01 02 03 04 05 06\r\n");
}

TEST(CliExportieren, AufrufUndDateifehler) {
    test::Arbeitsordner ordner;
    test::DateiSchreiben(ordner / "leer.txt", "keine Zahlen\r\n");
    const test::CliFehlerfall faelle[] = {
        {"exportieren leer.txt", 1, "Aufruf"},
        {"exportieren leer.txt x.doc", 1, "unbekanntes Zielformat"},
        {"exportieren fehlt.txt x.ASC", 2, "fehlt.txt wurde nicht gefunden"},
        {"exportieren leer.txt nirgends/x.RTF", 2, "x.RTF"},
    };
    test::ErwarteFehler(ordner, faelle);
    // No rows: no error, and nothing written.
    const test::CliLauf l = Exportieren(ordner, "leer.txt x.ZS4");
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.aus, "0 Reihen wurden gefunden und gespeichert.\n");
    EXPECT_FALSE(fs::exists(ordner / "x.ZS4"));
}

}  // namespace

using namespace zahlix::test;
namespace {

const char* kZweiZiehungen =
    " 40 1955 83 03 12 13 16 23 41 00\r\n 41 1955 83 03 12 18 30 32 49 00\r\n";

}  // namespace

TEST(CliInfo, ZeigtKopfdatenUndBereich) {
    Arbeitsordner o;
    DateiSchreiben(o / "zwei.AS7", kZweiZiehungen);
    DateiSchreiben(o / "leer.zx7", std::string("XZ\0\0\0\0\0\0\0\0\x2d\0", 12));
    const CliLauf l = Cli(o, "info zwei.AS7");
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus,
              "Datei: zwei.AS7\nGrößte Zahl: 49\nZiehungen: 2\n"
              "Bereich: 40/1955-41/1955  Wo:01-53 \n");
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(Cli(o, "info leer.zx7").aus,
              "Datei: leer.zx7\nGrößte Zahl: 45\nZiehungen: 0\n"
              "Bereich: 01/1900-01/1900  Wo:01-53 \n");
    EXPECT_FALSE(fs::exists(o / "Datensicherungen")) << "info schreibt nichts";
    // Umlauts in arguments reach the file (Windows hands programs a narrower code page).
    EXPECT_EQ(Cli(o, "konvertieren zwei.AS7 \"Glückszahlen Ä.ZX7\"").status, 0);
    EXPECT_EQ(Cli(o, "info \"Glückszahlen Ä.ZX7\"").aus.find("Datei: Glückszahlen Ä.ZX7\n"), 0u);
}

TEST(CliKonvertieren, AlleZielformateMitSicherung) {
    Arbeitsordner o;
    DateiSchreiben(o / "q.AS7", kZweiZiehungen);
    // The formats' bytes are pinned by the file tests; the CLI goes there and back.
    for (const char* ziel : {"z.ZX7", "z.AS7"}) {
        const CliLauf l = Cli(o, std::string("konvertieren q.AS7 ") + ziel);
        EXPECT_EQ(l.status, 0) << ziel << l.fehler;
        EXPECT_EQ(l.aus, "2 Ziehungen geschrieben\n") << ziel;
    }
    EXPECT_EQ(Cli(o, "konvertieren z.ZX7 r7.AS7").status, 0);
    EXPECT_EQ(DateiLesen(o / "r7.AS7"), kZweiZiehungen);

    // Overwriting keeps the previous version in ./Datensicherungen.
    DateiSchreiben(o / "q.AS7", " 01 2000 00 01 02 03 04 05 06 00\r\n");
    const CliLauf l = Cli(o, "konvertieren q.AS7 z.AS7");
    EXPECT_EQ(l.aus, "1 Ziehungen geschrieben\n");
    EXPECT_EQ(DateiLesen(o / "Datensicherungen" / "z.AS7"), kZweiZiehungen);
}

TEST(CliInfoKonvertieren, Fehlerfaelle) {
    Arbeitsordner o;
    DateiSchreiben(o / "q.AS7", kZweiZiehungen);
    DateiSchreiben(o / "kaputt.ZX7", std::string("XZ\0\0\0\0\0\0\0\0\x31\0\x05", 13));
    DateiSchreiben(o / "ziel.ZX7", "bleibt");
    DateiSchreiben(o / "kaputt.AS7", " 40 1955 83 03 12 13 16 23 41\r\n");
    DateiSchreiben(o / "ohne.ZX7", "keine Lottodatei");
    const CliFehlerfall faelle[] = {
        {"info", 1, "info erwartet genau einen Dateinamen."},
        {"info a.ZX7 b.ZX7", 1, "info erwartet genau einen Dateinamen."},
        {"info liste.txt", 1, "liste.txt ist kein gültiger Lotto-Dateiname!"},
        {"info fehlt.ZX7", 2, "Die Datei fehlt.ZX7 wurde nicht gefunden."},
        {"info kaputt.AS7", 2, "Zeile 1: zu wenige Werte (9 statt 10)."},
        {"info ohne.ZX7", 2, "Die Datei ohne.ZX7 konnte nicht als Lottodatei geladen werden."},
        {"konvertieren q.AS7", 1, "konvertieren erwartet QUELLE und ZIEL."},
        {"konvertieren q.ASC z.ZX7", 1, "q.ASC ist kein gültiger Lotto-Dateiname!"},
        {"konvertieren q.AS7 z.TXT", 1, "z.TXT ist kein gültiger Lotto-Dateiname!"},
        {"konvertieren fehlt.AS7 z.ZX7", 2, "Die Datei fehlt.AS7 wurde nicht gefunden."},
        {"konvertieren kaputt.ZX7 ziel.ZX7", 2, "unvollständiger Datensatz am Dateiende"},
        {"konvertieren q.AS7 nirgends/z.ZX7", 2, "nirgends/z.ZX7 konnte nicht geschrieben werden"},
    };
    ErwarteFehler(o, faelle);
    EXPECT_EQ(DateiLesen(o / "ziel.ZX7"), "bleibt");
}
