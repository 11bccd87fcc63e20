// zahlix-cli treffertabelle and analyse, run as the user runs them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/lottodatei_io.h"
#include "determination/treffertabelle.h"
#include "support/cli_lauf.h"

using namespace zahlix;
using namespace zahlix::test;

namespace {

// Numbers 1..8 only, one bonus number inside them.
const char* kSystem =
    " 01 2001 00 01 02 03 04 05 06 07\r\n"
    " 02 2001 00 01 02 03 06 07 08 00\r\n"
    " 03 2001 00 02 04 05 06 07 08 00\r\n";

}  // namespace

TEST(CliAnalyse, TreffertabelleWieWoertlichAufEchtenDaten) {
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    Arbeitsordner o;
    DateiSchreiben(o / "L.AS7", DateiLesen(pfad));
    const CliLauf l = Cli(o, "treffertabelle L.AS7 8 --zahlen 2,5,11,17,23,30,38,44,49");
    ASSERT_EQ(l.status, 0) << l.fehler;
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(pfad.string(), d), 0);
    const auto t = TreffertabelleWoertlich(d, std::vector<int>{2, 5, 11, 17, 23, 30, 38, 44, 49}, 8,
                                           {1, 1, 1});
    const std::string kopf = "* Lotto-Analyse: Treffertabelle - L.AS7\r\n";
    EXPECT_EQ(l.aus,
              TreffertabelleText(t, "Lotto-Analyse: Treffertabelle - L.AS7",
                                 l.aus.substr(kopf.size() + 12,
                                              l.aus.find("\r\n", kopf.size()) - kopf.size() - 12)));
}

TEST(CliAnalyse, OhneZahlenSindAlleGezogenenDasSystem) {
    Arbeitsordner o;
    DateiSchreiben(o / "s.AS7", kSystem);
    const CliLauf l = Cli(o, "treffertabelle s.AS7 0");
    ASSERT_EQ(l.status, 0) << l.fehler;
    // C(8, 3) = 56 assumed draws in all.
    int64_t summe = 0;
    std::istringstream zeilen(l.aus);
    for (std::string z; std::getline(zeilen, z);) {
        std::istringstream spalten(z);
        std::string s6, s5, s4, s3, anzahl, anteil;
        if (spalten >> s6 >> s5 >> s4 >> s3 >> anzahl >> anteil && anteil.ends_with("%") &&
            s3 != "3T")
            summe += std::stoll(anzahl);
    }
    EXPECT_EQ(summe, 56);
}

TEST(CliAnalyse, AnalyseIstMitSaatReproduzierbarOhneArtDieListe) {
    Arbeitsordner o;
    DateiSchreiben(o / "s.AS7", kSystem);
    const CliLauf a = Cli(o, "analyse s.AS7 Zufallszahlen --seed 9 --ermittlungen 3 --anzahl 4");
    const CliLauf b = Cli(o, "analyse s.AS7 zufallszahlen --seed=9 --ermittlungen 3 --anzahl 4");
    ASSERT_EQ(a.status, 0) << a.fehler;
    EXPECT_EQ(a.aus, b.aus);
    EXPECT_NE(a.aus.find("* Lotto-Analyse: Zufallszahlen - s.AS7\r\n"), std::string::npos);
    const CliLauf z = Cli(o, "analyse s.AS7 Zweierwiederholungen --grenze 2 --vergleich groesser");
    ASSERT_EQ(z.status, 0) << z.fehler;
    EXPECT_NE(z.aus.find("   Z1 Z2     Anz\r\n   02 06       3\r\n"), std::string::npos) << z.aus;
    // Without a kind the list of analyses.
    const CliLauf liste = Cli(o, "analyse s.AS7");
    EXPECT_EQ(liste.status, 0) << liste.fehler;
    EXPECT_TRUE(liste.aus.starts_with("Analysen:\n  Prognosen\n  Zufallszahlen\n")) << liste.aus;
    EXPECT_NE(liste.aus.find("  Garantiestufe\n"), std::string::npos);
    // The usage names the bonus classes the analysis commands count unless told otherwise.
    EXPECT_NE(Cli(o, "analyse").fehler.find("--zusatzzahl keine"), std::string::npos);
}

TEST(CliAnalyse, RueckblickMitGeldUndGrafikFalscheEingabenMitMeldung) {
    Arbeitsordner o;
    DateiSchreiben(o / "s.AS7", kSystem);
    const CliLauf l = Cli(o,
                          "rueckblick s.AS7 Zufallszahlen --letzte 2 --seed 4 --anzahl 3 "
                          "--einsatz 1,5 --gewinne 2T=0.5,3t=12 --svg g.svg");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("* Rückblick auf die letzten 2 Ziehungen (02/2001 bis 03/2001)\r\n"),
              std::string::npos)
        << l.aus;
    EXPECT_NE(l.aus.find("Einsatz 1,50 je Reihe; Gewinne je Klasse: 3T 12,00 2T 0,50"),
              std::string::npos);
    const std::string luecke(18, ' ');
    EXPECT_NE(l.aus.find("Einsatz " + luecke + "3,00" + luecke + "3,00"), std::string::npos);
    EXPECT_NE(DateiLesen(o / "g.svg").find("Vorschläge"), std::string::npos);
    const CliFehlerfall faelle[] = {
        {"rueckblick s.AS7 Treffertabelle --svg x.svg", 1, "schlägt keine Zahlenreihe vor"},
        {"rueckblick s.AS7 Horoskop --letzte 3 --svg x.svg", 1, "höchstens 2 Ziehungen"},
        {"rueckblick s.AS7 Prognosen --gewinne 7T=1 --svg x.svg", 1,
         "Ungültiger Wert für --gewinne"},
        {"rueckblick s.AS7 Prognosen --einsatz 1,234", 1, "Ungültiger Wert für --einsatz"},
        {"rueckblick s.AS7", 1, "Prognosen Zufallszahlen Gewinnzahlen"},
        {"treffertabelle s.AS7 14", 1, "zwischen 0 und 13"},
        {"treffertabelle s.AS7", 1, "Es fehlen"},
        {"treffertabelle s.AS7 3 --zahlen 1,1", 1, "Ungültiger Wert"},
        {"analyse s.AS7 Lottofee", 1, "Unbekannte Analyse"},
        {"analyse s.AS7 Zahlenabstand --zahlen 1,2,3", 1, "6 Zahlen"},
        {"analyse s.AS7 Zerlegungspruefung --zahlen 1,2 --zerlegung 2", 1, "mindestens 3"},
        {"analyse s.AS7 Summenzahlen --summe 30", 1, "Ungültiger Wert für --summe"},
        {"analyse s.AS7 Horoskop --zahlen 40", 1, "gesperrt"},
        {"analyse fehlt.AS7 Horoskop", 2, "nicht gefunden"},
    };
    ErwarteFehler(o, faelle);
    EXPECT_FALSE(std::filesystem::exists(o / "x.svg"));
}
