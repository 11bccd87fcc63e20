// zahlix-cli system filtern and system drucken: each option reaches its filter, nothing is
// written when no row is left, and the slips arrive in a PDF a reader takes apart.
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
