// The analysis window's print transfer: layouts of the list analyses and the question asked.
#include "determination/ermittlung_druck.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/skript_port.h"
#include "support/testdaten.h"

namespace zahlix {
namespace {

// Compares with tests/determination/golden/<name>; ZAHLIX_GOLDEN_SCHREIBEN=1 rewrites it.
void ErwarteGolden(const std::string& text, const std::string& name) {
    const auto pfad = test::Quelle("determination/golden/" + name);
    if (std::getenv("ZAHLIX_GOLDEN_SCHREIBEN")) test::DateiSchreiben(pfad, text);
    EXPECT_EQ(text, test::DateiLesen(pfad)) << name;
}

ErmittlungDruckDaten Daten(const std::string& art, std::vector<std::string> liste) {
    ErmittlungDruckDaten d;
    d.art = art;
    d.fenstertitel = "Lotto-Analyse: " + art + " - Test.ZX7";
    d.bereichText = "01/2020-06/2020  Wo:01-53 ";
    const std::vector<int> zahlen{3, 7, 19};
    d.auswahl = ZahlenPacken(zahlen);
    d.ergebnistext = "* Ergebnis\r\nZeile\r\n";
    d.liste = std::move(liste);
    return d;
}

TEST(ErmittlungDruck, LayoutsDerAnalysen) {
    const std::vector<std::string> fuenf{" 01 02      12", " 01 03       9", " 02 05       7",
                                         " 04 09       5", " 11 12       1"};
    struct Fall {
        std::string art;
        std::vector<Taste> antworten;
        std::vector<std::string> liste, sortiert;
        std::string golden;
        size_t fragen;
    } faelle[] = {
        // four per line, the last line holds the remaining entry
        {"Zweierwiederholungen", {Taste::Zweite}, fuenf, {}, "druck_zweier_nebeneinander.txt", 1},
        {"Zweierwiederholungen", {Taste::Erste}, fuenf, {}, "druck_zweier_untereinander.txt", 1},
        // a shorter sorted list leaves its column empty
        {"Zerlegungsprüfung",
         {},
         {" 03 07  1T", " 03 19  0T"},
         {" 03 19  0T"},
         "druck_zerlegung.txt",
         0},
        {"Trefferverteilung",
         {},
         {" 2020   1  2  0  0  0  0  0  0  0  0"},
         {},
         "druck_verteilung.txt",
         0},
    };
    for (const Fall& f : faelle) {
        SkriptPort port;
        port.tasten.assign(f.antworten.begin(), f.antworten.end());
        ErmittlungDruckDaten d = Daten(f.art, f.liste);
        d.sortiert = f.sortiert;
        ErwarteGolden(ErmittlungDruckText(d), f.golden);
        EXPECT_EQ(port.meldungen.size(), f.fragen) << f.golden;
    }
    // any other analysis passes the result box on as it is
    EXPECT_EQ(ErmittlungDruckText(Daten("Horoskop", fuenf)), "* Ergebnis\r\nZeile\r\n");
}

TEST(ErmittlungDruck, ZahlenzeileBrichtNachFuenfzehnZahlen) {
    std::vector<int> zahlen;
    for (int n = 1; n <= 16; ++n) zahlen.push_back(n);
    const std::string blanks(12, ' ');
    EXPECT_EQ(ZahlenzeileText(ZahlenPacken(zahlen), 49),
              "Zahlen     :  01  02  03  04  05  06  07  08  09  10  11  12  13  14  15\r\n" +
                  blanks + "  16 :\r\n");
    zahlen.pop_back();
    EXPECT_EQ(ZahlenzeileText(ZahlenPacken(zahlen), 49).substr(72), "\r\n" + blanks + " :\r\n");
    // numbers above the lottery's largest take no part
    EXPECT_EQ(ZahlenzeileText(ZahlenPacken(zahlen), 2), "Zahlen     :  01  02 :\r\n");
}

TEST(ErmittlungDruck, FortschrittAlleHundertEintraege) {
    SkriptPort port;
    std::vector<std::string> meldungen;
    ErmittlungDruckText(Daten("Zahlenabstand", std::vector<std::string>(250, "x")),
                        [&](const std::string& s) { meldungen.push_back(s); });
    EXPECT_EQ(meldungen, (std::vector<std::string>{
                             " Auswertung wird an die Druckausgabe übergeben... 100 von 250",
                             " Auswertung wird an die Druckausgabe übergeben... 200 von 250"}));
}

}  // namespace
}  // namespace zahlix
