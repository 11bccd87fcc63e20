// zahlix-cli system: info, auswerten, pruefen and bauen as the user runs them; filtern with each
// option reaching its filter and nothing written when no row is left; drucken's slips in a PDF.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "support/cli_lauf.h"
#include "systems/reihenfilter.h"

using namespace zahlix;

namespace {

const char* const kZwoelf = "--zahlen 3,7,10,11,12,18,24,25,31,40,44,49";

std::vector<Reihenmaske> Gelesen(const std::filesystem::path& p) {
    Tippsystem s;
    std::string fehler;
    EXPECT_TRUE(SystemLesen(p, s, fehler)) << fehler;
    return s.reihen;
}

std::string Befehl(const std::string& befehl) {
    std::string aus;
    if (FILE* f = popen(befehl.c_str(), "r")) {
        char puffer[4096];
        for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, f)) > 0;) aus.append(puffer, n);
        pclose(f);
    }
    return aus;
}

}  // namespace

TEST(CliSystem, InfoAuswertenPruefenUndFehler) {
    test::Arbeitsordner o;
    test::DateiSchreiben(o / "h.AS7",
                         " 01 2020 00 01 02 03 04 05 06 07\r\n 02 2020 00 01 02 03 07 08 20 09\r\n"
                         " 03 2020 00 01 02 07 08 30 40 00\r\n");
    test::DateiSchreiben(o / "s.TXT", "1 2 3 4 5 6\n1 2 3 7 8 9\n10 11 12 13 14 15\n");
    test::DateiSchreiben(o / "kaputt.TXT", "1 2 3 4 5 6\n1 2 3 4 5 77\n");

    test::CliLauf l = test::Cli(o, "system info s.TXT");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("Reihen: 3\nGrößte Zahl: 49\nZahlen: 15\n"), std::string::npos) << l.aus;
    l = test::Cli(o, "system auswerten s.TXT h.AS7 --letzte 2 --einsatz 0,50");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("* Bereich - 02/2020-03/2020  Wo:01-53  Letzte 2\r\n"), std::string::npos);
    EXPECT_NE(l.aus.find("Kosten    : 3 Reihen x 2 Ziehungen x 0,50 € = 3,00 €\r\n"),
              std::string::npos)
        << l.aus;
    EXPECT_NE(l.aus.find(" 02/2020   : 01 02 03 07 08 20/09   5+"), std::string::npos) << l.aus;
    l = test::Cli(o, "system pruefen s.TXT h.AS7");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("s.TXT 03/2020: 01 02 07 08 30 40 - beste Klasse 4T, 1x 4T (3 Reihen)"),
              std::string::npos)
        << l.aus;

    const test::CliFehlerfall faelle[] = {
        {"system auswerten s.TXT h.AS7 --einsatz 1.20", 1, "ist kein Preis"},
        {"system auswerten s.TXT s.TXT", 1, "kein gültiger Lotto-Dateiname"},
        {"system auswerten fehlt.ZS4 h.AS7", 2, "wurde nicht gefunden"},
        {"system info kaputt.TXT", 2, "Zeile 2: die Zahl 77 liegt nicht zwischen 1 und 49"},
        {"system info h.AS7", 1, "kein gültiger Systemdateiname"},
        {"system pruefen s.TXT", 1, "erwartet eine Systemdatei und eine Lottodatei"},
        {"system auswerten s.TXT h.AS7 --bunt", 1, "Unbekannte Option"},
    };
    test::ErwarteFehler(o, faelle);
}

TEST(CliSystemFiltern, JedeOptionWirktAlsIhrFilter) {
    test::Arbeitsordner o;
    using Regel = std::function<bool(const Reihenmerkmale&)>;
    const std::pair<std::string, Regel> faelle[] = {
        {"--summe 100-160", [](auto& m) { return m.summe >= 100 && m.summe <= 160; }},
        {"--ungerade=2-3", [](auto& m) { return m.ungerade >= 2 && m.ungerade <= 3; }},
        {"--tief 4-6", [](auto& m) { return m.tief >= 4; }},
        {"--nachbarn 1", [](auto& m) { return m.nachbarn == 1; }},
        {"--zehner 2", [](auto& m) { return m.zehner <= 2; }},
        {"--endziffern 1", [](auto& m) { return m.endziffern == 1; }},
        {"--muster zehner=2211,321", [](auto& m) { return m.muster[2] == 9 || m.muster[2] == 6; }},
        {"--muster THUG=3324", [](auto& m) { return m.tief == 3 && m.ungerade == 2; }},
    };
    const auto alle =
        AlleReihen(MaskeAus(std::vector<int>{3, 7, 10, 11, 12, 18, 24, 25, 31, 40, 44, 49}));
    for (const auto& [option, regel] : faelle) {
        const auto l = test::Cli(o, std::string("system filtern ") + kZwoelf + " f.ZS4 " + option);
        ASSERT_EQ(l.status, 0) << option << l.fehler;
        std::vector<Reihenmaske> erwartet;
        for (Reihenmaske r : alle)
            if (regel(MerkmaleVon(r))) erwartet.push_back(r);
        EXPECT_EQ(Gelesen(o / "f.ZS4"), erwartet) << option;
        EXPECT_NE(l.aus.find("Reihen: " + std::to_string(erwartet.size()) + " von 924\n"),
                  std::string::npos)
            << l.aus;
    }
    // A system as source, the drawn rows of a history and the thinning by shared numbers.
    test::DateiSchreiben(o / "s.TXT",
                         "1 2 3 4 5 6\n1 2 3 4 5 7\n1 2 3 8 9 10\n11 12 13 14 15 16\n");
    test::DateiSchreiben(o / "z.AS7", " 01 2024 00 01 02 03 04 05 09 50\r\n");
    auto l = test::Cli(o, "system filtern s.TXT g.TXT --gezogen z.AS7 --treffer 5 --garantie 2/3");
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(test::DateiLesen(o / "g.TXT"), " 01 02 03 08 09 10\r\n 11 12 13 14 15 16\r\n");
    EXPECT_NE(l.aus.find("Garantie: 2 aus 3 in "), std::string::npos) << l.aus;
    l = test::Cli(o, "system filtern s.TXT g.TXT --gemeinsam 2");
    EXPECT_EQ(test::DateiLesen(o / "g.TXT"), " 01 02 03 04 05 06\r\n 11 12 13 14 15 16\r\n");
}

TEST(CliSystemFiltern, FehlerSchreibenNichts) {
    test::Arbeitsordner o;
    const test::CliFehlerfall faelle[] = {
        {std::string("system filtern ") + kZwoelf + " leer.ZS4 --summe 0-20", 2,
         "Der Filter entfernt alle Reihen; leer.ZS4 wurde nicht geschrieben."},
        {"system filtern --zahlen 1,2,3,4,5 x.ZS4", 1, "mindestens 6 Zahlen"},
        {"system filtern --zahlen 1,2,3,4,5,6 x.ZX7", 1, "kein gültiger Systemdateiname"},
        {"system filtern --zahlen 1,2,3,4,5,6 x.ZS4 --summe 50-40", 1,
         "Ungültiger Wert für --summe"},
        {"system filtern --zahlen 1,2,3,4,5,6 x.ZS4 --muster zehner=7", 1, "--muster"},
        {"system filtern --zahlen 1,2,3,4,5,6 x.ZS4 --treffer 5", 1, "--gezogen"},
        {"system filtern --zahlen 1,2,3,4,5,6 x.ZS4 --gezogen fehlt.ZX7", 2, "fehlt.ZX7"},
        {"system filtern fehlt.ZS4 x.ZS4", 2, "fehlt.ZS4"},
        {"system drucken fehlt.ZS4 x.pdf", 2, "fehlt.ZS4"},
        {"system drucken fehlt.ZS4 x.ps", 1, "kein PDF-Dateiname"},
    };
    test::ErwarteFehler(o, faelle);
    EXPECT_TRUE(std::filesystem::is_empty(o.pfad()));
}

TEST(CliSystemDrucken, EinScheinJeZwoelfReihen) {
    test::Arbeitsordner o;
    ASSERT_EQ(
        test::Cli(o, std::string("system filtern ") + kZwoelf + " \"Größe(1.ZS4\" --summe 90-110")
            .status,
        0);
    const auto reihen = Gelesen(o / "Größe(1.ZS4").size();
    ASSERT_GT(reihen, 26u);
    // 24 rows: exactly two full slips, no empty third.
    const auto l = test::Cli(o, "system drucken \"Größe(1.ZS4\" s.pdf --von 3 --bis 26");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(
        test::Cli(o, "system drucken \"Größe(1.ZS4\" s.pdf --bis " + std::to_string(reihen + 1))
            .status,
        1);
    if (std::system("pdfinfo -v >/dev/null 2>&1") != 0 ||
        std::system("pdftotext -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "poppler-utils fehlen";
    const std::string pdf = (o / "s.pdf").string();
    EXPECT_NE(Befehl("pdfinfo '" + pdf + "'").find("Pages:           2\n"), std::string::npos);
    const std::string text = Befehl("pdftotext '" + pdf + "' -");
    // Umlauts and brackets pass the PDF's text encoding.
    EXPECT_NE(text.find("System: Größe(1.ZS4"), std::string::npos) << text.substr(0, 300);
    EXPECT_NE(text.find("Reihen 15 - 26 von " + std::to_string(reihen)), std::string::npos);
}

// system bauen: the checked system is saved and its verdict printed; bad calls are refused
// before any search.
TEST(CliSystemBauen, SpeichertGepruefteSystemeUndLehntFehlerAb) {
    test::Arbeitsordner o;
    const test::CliLauf l = test::Cli(o,
                                      "system bauen v.ZS4 --zahlen 4,8,15,16,23,42,7,9,11,30 "
                                      "--garantie 3 --seed 5 --zufallsbelegung");
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("Garantiestufe 3 aus 3 mit 10 Systemzahlen und 10 Reihen: erfüllt"),
              std::string::npos)
        << l.aus;
    EXPECT_EQ(Gelesen(o / "v.ZS4").size(), 10u);
    const test::CliFehlerfall faelle[] = {
        {"system bauen v.ZX7 --zahlen 1,2,3,4,5,6,7 --garantie 3", 1, "kein gültiger Systemdatei"},
        {"system bauen v.ZS4 --garantie 3", 1, "Es fehlen die Zahlen"},
        {"system bauen v.ZS4 --zahlen 1,2,x --garantie 3", 1, "mit Komma getrennt"},
        {"system bauen v.ZS4 --zahlen 1,2,3,4,5,6,7 --garantie 4,3", 1, "t darf nicht größer"},
        {"system bauen v.ZS4 --zahlen 1,2,3,4,5,6,7 --garantie 3 --sekunden 0", 1, "1 Sekunde"},
    };
    test::ErwarteFehler(o, faelle);
}
