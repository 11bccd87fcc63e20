// zahlix-cli info and konvertieren, run as the user runs them.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_lauf.h"

using namespace zahlix::test;
namespace fs = std::filesystem;

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

TEST(CliInfo, Fehlerfaelle) {
    Arbeitsordner o;
    DateiSchreiben(o / "kaputt.AS7", " 40 1955 83 03 12 13 16 23 41\r\n");
    DateiSchreiben(o / "ohne.ZX7", "keine Lottodatei");
    const CliFehlerfall faelle[] = {
        {"info", 1, "info erwartet genau einen Dateinamen."},
        {"info a.ZX7 b.ZX7", 1, "info erwartet genau einen Dateinamen."},
        {"info liste.txt", 1, "liste.txt ist kein gültiger Lotto-Dateiname!"},
        {"info fehlt.ZX7", 2, "Die Datei fehlt.ZX7 wurde nicht gefunden."},
        {"info kaputt.AS7", 2, "Zeile 1: zu wenige Werte (9 statt 10)."},
        {"info ohne.ZX7", 2, "Die Datei ohne.ZX7 konnte nicht als Lottodatei geladen werden."},
    };
    ErwarteFehler(o, faelle);
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

TEST(CliKonvertieren, Fehlerfaelle) {
    Arbeitsordner o;
    DateiSchreiben(o / "q.AS7", kZweiZiehungen);
    DateiSchreiben(o / "kaputt.ZX7", std::string("XZ\0\0\0\0\0\0\0\0\x31\0\x05", 13));
    DateiSchreiben(o / "ziel.ZX7", "bleibt");
    const CliFehlerfall faelle[] = {
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
