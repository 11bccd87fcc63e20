// zahlix-cli ziehungen: the print text of the whole history for every group selector.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_lauf.h"

using namespace zahlix::test;

namespace {

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream in(text);
    for (std::string s; std::getline(in, s);) z.push_back(s);
    return z;
}

}  // namespace

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
