// zahlix-cli statistik: the print text of the statistics window, its graph as SVG, bad input;
// ziehungen: the print text of the whole history for every group selector.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_lauf.h"

using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {
// Three draws; 7 is in the first and the newest.
const char* kDreiZiehungen =
    " 40 1955 83 07 12 13 16 23 41 00\r\n 41 1955 83 03 12 18 30 32 49 00\r\n"
    " 42 1955 83 07 11 18 30 33 45 05\r\n";

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream in(text);
    for (std::string s; std::getline(in, s);) z.push_back(s);
    return z;
}

}  // namespace

TEST(CliStatistik, DrucktextGrafikUndFehlerfaelle) {
    Arbeitsordner o;
    DateiSchreiben(o / "drei.AS7", kDreiZiehungen);
    const CliLauf l =
        Cli(o, "statistik drei.AS7 \"Zweierkombination\" --zahl1 7 --wert Abstand --svg g.svg");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus, DateiLesen(Quelle("cli/golden/statistik_zweier.txt")));
    const std::string svg = DateiLesen(o / "g.svg");
    EXPECT_NE(svg.find("Balkengrafik mit Mittelwertlinie  (2.53)"), std::string::npos) << svg;
    EXPECT_EQ(Cli(o, "statistik drei.AS7").aus.find("Statistikarten:\n  Zahlen wie oft\n"), 0u);
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

TEST(CliZiehungen, GanzeHistorieJeGruppenwahl) {
    ZAHLIX_BRAUCHT_DATEI(quelle, "Samstaglotto.AS7");
    Arbeitsordner o;
    std::filesystem::copy_file(quelle, o / "Samstaglotto.AS7");
    size_t ziehungen = 0;
    for (int g = 0; g <= 5; ++g) {
        const std::string wahl = std::to_string(g) + " " + std::to_string((g + 1) % 6);
        const CliLauf l = Cli(o, "ziehungen Samstaglotto.AS7 --alle --gruppen " + wahl);
        ASSERT_EQ(l.status, 0) << wahl << l.fehler;
        const auto z = Zeilen(l.aus);
        ASSERT_GT(z.size(), 1000u);
        EXPECT_EQ(z[0], "* Ziehungen anzeigen: Samstaglotto.AS7\r");
        EXPECT_EQ(z[1], "* Bereich - Alle Reihen\r");
        if (ziehungen == 0) ziehungen = z.size();
        EXPECT_EQ(z.size(), ziehungen) << wahl;
        // Fixed-width columns: every draw line as long as the first.
        std::set<size_t> laengen;
        for (size_t i = 4; i + 1 < z.size(); ++i) laengen.insert(z[i].size());
        EXPECT_EQ(laengen.size(), 1u) << wahl;
    }
}

TEST(CliZiehungen, FalscherAufruf) {
    Arbeitsordner o;
    DateiSchreiben(o / "k.AS7", " 22 1999 00 01 07 13 20 33 44 09\r\n");
    const CliFehlerfall faelle[] = {
        {"ziehungen", 1, "Es fehlt der Name der Lottodatei."},
        {"ziehungen k.AS7 --farbe", 1, "Unbekannte Option: --farbe"},
        {"ziehungen k.AS7 --gruppen 6 0", 1, "--gruppen erwartet zwei Zahlen von 0 bis 5."},
        {"ziehungen k.AS7 --gruppen 1", 1, "--gruppen erwartet zwei Zahlen von 0 bis 5."},
        {"ziehungen k.AS7 --zusatzzahl alle", 1, "--zusatzzahl erwartet ohne, mit oder nur."},
        {"ziehungen fehlt.AS7", 2, "Die Datei fehlt.AS7 wurde nicht gefunden."},
    };
    ErwarteFehler(o, faelle);
    const CliLauf l = Cli(o, "ziehungen --zusatzzahl nur k.AS7");
    EXPECT_EQ(l.status, 0);
    EXPECT_NE(l.aus.find("    1: 22/1999   : 01 07 13 20 33 44 / 09 : 2110101 4242 \r\n"),
              std::string::npos)
        << l.aus;
}
