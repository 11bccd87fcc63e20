// zahlix-cli statistik: the print text of the statistics window, its graph as SVG, bad input.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_lauf.h"

using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {
// Three draws; 7 is in the first and the newest.
const char* kDreiZiehungen =
    " 40 1955 83 07 12 13 16 23 41 00\r\n 41 1955 83 03 12 18 30 32 49 00\r\n"
    " 42 1955 83 07 11 18 30 33 45 05\r\n";
}  // namespace

TEST(CliStatistik, DrucktextUndGrafik) {
    Arbeitsordner o;
    DateiSchreiben(o / "drei.AS7", kDreiZiehungen);
    const CliLauf l =
        Cli(o, "statistik drei.AS7 \"Zweierkombination\" --zahl1 7 --wert Abstand --svg g.svg");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus, DateiLesen(Quelle("cli/golden/statistik_zweier.txt")));
    const std::string svg = DateiLesen(o / "g.svg");
    EXPECT_NE(svg.find("Balkengrafik mit Mittelwertlinie  (2.53)"), std::string::npos) << svg;
    EXPECT_EQ(Cli(o, "statistik drei.AS7").aus.find("Statistikarten:\n  Zahlen wie oft\n"), 0u);
}

TEST(CliStatistik, Fehlerfaelle) {
    Arbeitsordner o;
    DateiSchreiben(o / "drei.AS7", kDreiZiehungen);
    const CliFehlerfall faelle[] = {
        {"statistik drei.AS7 Lottoglueck", 1, "Unbekannte Statistikart: Lottoglueck"},
        {"statistik drei.AS7 Wochenverteilung --zahl1 60", 1, "Zahlen über 49 gibt es nicht: 60"},
        {"statistik drei.AS7 \"Wann wieder gezogen\" --zahl2 100", 1, "zwischen 1 und 99"},
        {"statistik drei.AS7 Nachbarzahlen --zahl1 7", 1, "Die Anzahl muss zwischen 2 und 6"},
        {"statistik drei.AS7 Gruppenverteilung --zusatzzahl mit", 1, "wertet die Zusatzzahl nicht"},
        {"statistik drei.AS7 Gruppenverteilung --gruppe Kreise", 1, "Unbekannter Wert: Kreise"},
        {"statistik drei.AS7 \"Wann zuletzt gezogen\" --wert Sollwert", 1, "nicht angeboten"},
        {"statistik drei.AS7 \"Zahlen wie oft\" --grafik 4", 1, "Sollwertlinie"},
        {"statistik fehlt.AS7 Zahlensumme", 2, "fehlt.AS7 wurde nicht gefunden"},
    };
    ErwarteFehler(o, faelle);
    EXPECT_FALSE(fs::exists(o / "Datensicherungen"));
    // "Ziehungen" takes up to 99; a value kind may be given by its index.
    EXPECT_EQ(Cli(o, "statistik drei.AS7 \"Wann wieder gezogen\" --zahl2 99").status, 0);
    EXPECT_EQ(Cli(o, "statistik drei.AS7 \"Zahlen wie oft\" --wert 2").aus,
              Cli(o, "statistik drei.AS7 \"Zahlen wie oft\" --wert Abstand").aus);
}

// The range options reach every analysing command: the last draw alone holds 7 once.
TEST(CliStatistik, BereichsoptionenWirkenAufAlleAnalysen) {
    Arbeitsordner o;
    DateiSchreiben(o / "drei.AS7", kDreiZiehungen);
    const CliLauf stat = Cli(o, "statistik drei.AS7 \"Zahlen wie oft\" --letzte 1");
    ASSERT_EQ(stat.status, 0) << stat.fehler;
    EXPECT_NE(stat.aus.find("Letzte 1"), std::string::npos) << stat.aus;
    EXPECT_NE(stat.aus.find("       7 -->     1"), std::string::npos) << stat.aus;
    for (const char* befehl : {"ziehungen drei.AS7", "analyse drei.AS7 Summenzahlen",
                               "treffertabelle drei.AS7 0 --zahlen 7,11,18,30,33,45"}) {
        const CliLauf l = Cli(o, std::string(befehl) + " --bereich 42/1955-42/1955");
        ASSERT_EQ(l.status, 0) << befehl << ": " << l.fehler;
        EXPECT_NE(l.aus.find("42/1955-42/1955"), std::string::npos) << befehl << ":\n" << l.aus;
    }
    EXPECT_EQ(Cli(o, "ziehungen drei.AS7 --letzte 0").status, 1);
}
