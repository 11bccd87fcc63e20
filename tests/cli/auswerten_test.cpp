// zahlix-cli auswerten, zwischenspeichern, kombinr, kombination and woche, run as the user
// runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_lauf.h"

using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream in(text);
    for (std::string s; std::getline(in, s);) {
        if (!s.empty() && s.back() == '\r') s.pop_back();
        z.push_back(s);
    }
    return z;
}

// Week 23 of 2004 and 1999, identifiers, bonus 00 and 50 (both "none").
const char* kKleineDatei =
    " 22 1999 00 01 07 13 20 33 44 09\r\n"
    " 23 1999 00 02 07 08 09 10 11 50\r\n"
    " 52 1999 83 03 04 05 06 40 41 07\r\n"
    " 01 2000 77 01 02 03 04 05 06 00\r\n"
    " 23 2004 77 07 14 21 28 35 42 01\r\n";

struct Gezaehlt {
    std::array<int, 10> klassen{};
};

// An independent count straight from the text file: hits per draw, bonus classes with all
// three switches on.
Gezaehlt Nachzaehlen(const std::string& as7, const std::set<int>& auswahl) {
    Gezaehlt g;
    for (const auto& zeile : Zeilen(as7)) {
        std::istringstream in(zeile);
        int woche, jahr, kennung, zusatz;
        std::array<int, 6> z{};
        if (!(in >> woche >> jahr >> kennung >> z[0] >> z[1] >> z[2] >> z[3] >> z[4] >> z[5] >>
              zusatz))
            continue;
        int h = 0;
        for (int n : z) h += auswahl.count(n) ? 1 : 0;
        const bool plus = zusatz >= 1 && zusatz <= 49 && auswahl.count(zusatz);
        ++g.klassen[h >= 3 && h <= 5 && plus ? h + 4 : h];
    }
    return g;
}

std::string TrefferZeile(const Gezaehlt& g) {
    std::string t = "Treffer   ";
    for (int c : {6, 9, 5, 8, 4, 7, 3, 2, 1, 0}) {
        const std::string n = std::to_string(g.klassen[c]);
        t += std::string(6 - n.size(), ' ') + n;
    }
    return t;
}

}  // namespace

TEST(CliAuswerten, DruckberichtUndZwischenspeicherBlockEinerKleinenDatei) {
    Arbeitsordner o;
    DateiSchreiben(o / "klein.AS7", kKleineDatei);
    const CliLauf l = Cli(o, "auswerten klein.AS7 --filter 12 --zusatzzahl 345 1 2 3 4 5 7 9");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(l.aus, DateiLesen(Quelle("cli/golden/auswerten_klein.txt")));

    // Without bonus evaluation the 3+ draw is an ordinary 3; options may precede the file.
    const CliLauf ohne = Cli(o, "auswerten --zusatzzahl keine klein.AS7 --filter=3 1 2 3 4 5 7 9");
    ASSERT_EQ(ohne.status, 0) << ohne.fehler;
    EXPECT_NE(ohne.aus.find("Treffer        0     0     1     0     0     0     2"),
              std::string::npos);
    EXPECT_NE(ohne.aus.find("Reihen mit 3 Treffer\r\n"), std::string::npos);

    const CliLauf block = Cli(o, "zwischenspeichern klein.AS7 7 8 9");
    ASSERT_EQ(block.status, 0) << block.fehler;
    // The block's layout is pinned by the report's golden file.
    const auto z = Zeilen(block.aus);
    ASSERT_EQ(z.size(), 7u);
    EXPECT_EQ(z[4], "Treffer        0     0     0     0     0     0     1     0     2     2");
}

TEST(CliAuswerten, TrefferWieUnabhaengigGezaehltAufEchtenDaten) {
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    const std::string as7 = DateiLesen(pfad);
    Arbeitsordner o;
    for (const std::set<int>& auswahl :
         {std::set<int>{3, 12, 17, 25, 38, 44},
          std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, std::set<int>{49}}) {
        std::string zahlen;
        for (int n : auswahl) zahlen += " " + std::to_string(n);
        const CliLauf l = Cli(o, "auswerten \"" + pfad.string() + "\" --filter 11" + zahlen);
        ASSERT_EQ(l.status, 0) << l.fehler;
        const Gezaehlt g = Nachzaehlen(as7, auswahl);
        const auto z = Zeilen(l.aus);
        ASSERT_GE(z.size(), 9u);
        EXPECT_EQ(z[4], TrefferZeile(g));
        int gewinn = 0;
        for (int c = 3; c <= 9; ++c) gewinn += g.klassen[c];
        EXPECT_EQ(static_cast<int>(z.size()), 8 + gewinn + 1) << "one line per draw with 3+ hits";
        EXPECT_EQ(z.back(), std::string(80, '-'));
    }
}

TEST(CliAuswerten, FehlerfaelleMitDeutscherMeldung) {
    Arbeitsordner o;
    DateiSchreiben(o / "klein.AS7", kKleineDatei);
    DateiSchreiben(o / "kaputt.AS7", " 22 1999 00 01 07 13 xx 33 44 09\r\n");
    DateiSchreiben(o / "klein.txt", kKleineDatei);
    const CliFehlerfall faelle[] = {
        {"auswerten", 1, ""},
        {"auswerten klein.AS7", 1, ""},
        {"auswerten klein.AS7 0", 1, ""},
        {"auswerten klein.AS7 50", 1, ""},
        {"auswerten klein.AS7 3 3", 1, ""},
        {"auswerten klein.AS7 3x", 1, ""},
        {"auswerten klein.AS7 --filter 13 3", 1, ""},
        {"auswerten klein.AS7 --filter 3", 1, ""},
        {"auswerten klein.AS7 --zusatzzahl 6 3", 1, ""},
        {"auswerten klein.AS7 --zusatzzahl 33 3", 1, ""},
        {"auswerten klein.AS7 --bogus 3", 1, ""},
        {"zwischenspeichern klein.AS7 --filter 3 3", 1, ""},
        {"auswerten fehlt.AS7 3", 2, ""},
        {"auswerten kaputt.AS7 3", 2, ""},
        {"auswerten klein.txt 3", 2, ""},
        {"kombinr", 1, ""},
        {"kombinr 1 2 3 4 5 6 7 8 9 10", 1, ""},
        {"kombinr 1 1", 1, ""},
        {"kombinr --groesste 45 46", 1, ""},
        {"kombinr --groesste 50 1", 1, ""},
        {"kombination 0", 1, ""},
        {"kombination 13983817", 1, ""},
        {"kombination --anzahl 10 1", 1, ""},
        {"kombination --groesste 5 --anzahl 6 1", 1, ""},
        {"kombination 1 2", 1, ""},
        {"kombination", 1, ""},
        {"woche 1", 1, ""},
        {"woche eins 2005", 1, ""},
        // Every command refuses arguments beyond its own.
        {"woche 1 2005 mehr", 1, ""},
        {"konvertieren klein.AS7 z.ZX7 mehr", 1, ""},
        {"exportieren klein.txt z.ASC mehr", 1, ""},
        {"loeschen-letzte klein.AS7 mehr", 1, ""},
        {"hinzufuegen klein.AS7 1 2 3 4 5 6 7", 1, ""},
    };
    ErwarteFehler(o, faelle);
}

TEST(CliKombination, NummerUndZahlenHinUndZurueck) {
    Arbeitsordner o;
    struct Fall {
        std::string argumente, ausgabe;
    };
    const Fall faelle[] = {
        {"kombinr 1 2 3 4 5 6", "1\n"},
        {"kombinr --groesste 45 40 45", "980\n"},
        {"kombination --groesste 45 --anzahl 2 980", "40 45\n"},
        {"kombination --anzahl=9 2054455634", "41 42 43 44 45 46 47 48 49\n"},
        {"woche 1 2005", "Woche vom 03.01.2005 bis 09.01.2005\n09.01.2005\n"},
    };
    for (const auto& f : faelle) {
        const CliLauf l = Cli(o, f.argumente);
        EXPECT_EQ(l.status, 0) << f.argumente << ": " << l.fehler;
        EXPECT_EQ(l.aus, f.ausgabe) << f.argumente;
    }
    const CliLauf fehlt = Cli(o, "woche 53 2005");
    EXPECT_EQ(fehlt.status, 0);
    EXPECT_TRUE(fehlt.aus.starts_with("Woche nicht vorhanden!\n")) << fehlt.aus;
}
