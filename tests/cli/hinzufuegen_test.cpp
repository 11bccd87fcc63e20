// zahlix-cli hinzufuegen and loeschen-letzte, run as the built program in a scratch folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "core/lottodatei.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "support/cli_lauf.h"
#include "support/lotto_beispiele.h"

namespace fs = std::filesystem;

namespace zahlix {
namespace {

using test::Cli;
using test::CliLauf;

void Speichern(const fs::path& pfad, const Lottodatei& d) {
    const auto bytes = LottodateiKodieren(d, FormatAusName(pfad.string()));
    ASSERT_TRUE(bytes.has_value());
    test::DateiSchreiben(pfad, *bytes);
}

Lottodatei Laden(const fs::path& pfad) {
    Lottodatei d;
    EXPECT_EQ(LottodateiLaden(pfad.string(), d), 0);
    return d;
}

// Weeks 1..n of 2005 with identifier S and no bonus, then the draws `dazu`.
Lottodatei Wochen(int n, std::vector<test::Ziehung> dazu = {}) {
    std::vector<test::Ziehung> z;
    for (int w = 1; w <= n; ++w) z.push_back({w, 2005, 'S', {w, 10 + w, 20, 30, 40, 45}, 50});
    z.insert(z.end(), dazu.begin(), dazu.end());
    return test::HistorieAus(z);
}

TEST(CliHinzufuegen, EchteHistorieBekommtDenSamstag) {
    ZAHLIX_BRAUCHT_DATEI(quelle, "Lotto6aus49.AS7");
    test::Arbeitsordner ordner;
    const std::string original = test::DateiLesen(quelle);
    test::DateiSchreiben(ordner / "Lotto.AS7", original);
    const CliLauf l = Cli(ordner, "hinzufuegen Lotto.AS7 44 3 12 17 25 38 --zusatzzahl 9");
    ASSERT_EQ(l.status, 0) << l.fehler;
    // The file ends with week 30/2026, Wednesday (M = 77); Saturday (S = 83) follows.
    EXPECT_EQ(l.aus, " 30 2026 83 03 12 17 25 38 44 09\n");
    EXPECT_EQ(test::DateiLesen(ordner / "Lotto.AS7"),
              original + " 30 2026 83 03 12 17 25 38 44 09\r\n");
    EXPECT_EQ(test::DateiLesen(ordner / "Datensicherungen" / "Lotto.AS7"), original);
}

TEST(CliHinzufuegen, VorgabenUndSortierungAuchDerAchtenZiehungEinerWoche) {
    test::Arbeitsordner ordner;
    Speichern(ordner / "t.ZX7", Wochen(4));
    const CliLauf l =
        Cli(ordner, "hinzufuegen t.ZX7 1 2 3 4 5 6 --woche 2 --jahr 2005 --kennung m");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus, " 02 2005 77 01 02 03 04 05 06 50\n");
    const Lottodatei d = Laden(ordner / "t.ZX7");
    ASSERT_EQ(d.LetzterIndex, 4);
    EXPECT_EQ(d.WocheKennung[2], WocheKennungAus(2, 'M'));  // behind the stored week 2
    EXPECT_EQ(Zusatzzahl(d.Zahlen(2)), 50);

    // The eighth draw of a week takes the slow sort.
    std::vector<test::Ziehung> dazu;
    for (int k = 0; k < 7; ++k)
        dazu.push_back({6, 2005, static_cast<char>('A' + k), {1, 2, 3, 4, 5, 6 + k}, 50});
    dazu.push_back({9, 2005, 'S', {1, 2, 3, 4, 5, 6}, 50});
    Speichern(ordner / "voll.ZX7", Wochen(3, dazu));
    const CliLauf acht =
        Cli(ordner, "hinzufuegen voll.ZX7 11 12 13 14 15 16 --woche 6 --jahr 2005 --kennung Z");
    ASSERT_EQ(acht.status, 0) << acht.fehler;
    const Lottodatei s = Laden(ordner / "voll.ZX7");
    ASSERT_EQ(s.LetzterIndex, 11);
    EXPECT_EQ(s.WocheKennung[10], WocheKennungAus(6, 'Z'));
    EXPECT_EQ(s.WocheKennung[11], WocheKennungAus(9, 'S'));
}

TEST(CliHinzufuegen, FehlerLassenDieDateiUnveraendert) {
    test::Arbeitsordner ordner;
    Speichern(ordner / "t.ZX7", Wochen(3));
    const std::string vorher = test::DateiLesen(ordner / "t.ZX7");
    const std::string zeit =
        "Unzulässige Woche oder unzulässiges Jahr! (Woche 1 bis 53, Jahr 1900 bis 2099)";
    const test::CliFehlerfall faelle[] = {
        {"hinzufuegen t.ZX7 1 2 3 4 5", 1, "hinzufuegen erwartet DATEI und genau 6 Zahlen.\n"},
        {"hinzufuegen t.ZX7 1 2 3 4 5 x", 1, "Keine Zahl: x\n"},
        {"hinzufuegen t.ZX7 1 2 3 4 5 6 --bonus 7", 1, "Unbekannte Option: --bonus\n"},
        {"hinzufuegen t.ZX7 1 2 3 4 5 6 --woche 3", 1,
         "--woche und --jahr werden nur zusammen angegeben.\n"},
        {"hinzufuegen t.TXT 1 2 3 4 5 6", 1,
         "t.TXT ist kein gültiger Lotto-Dateiname! (lesbar sind .ZX7, .ZX6, .AS7)\n"},
        {"hinzufuegen fehlt.ZX7 1 2 3 4 5 6", 2, "Die Datei fehlt.ZX7 wurde nicht gefunden.\n"},
        {"hinzufuegen t.ZX7 1 2 3 4 5 5", 2, "Fehlerhafte oder doppelte Zahlen!\n"},
        {"hinzufuegen t.ZX7 1 2 3 4 5 6 --zusatzzahl -1", 2, "Fehlerhafte oder doppelte Zahlen!\n"},
        {"hinzufuegen t.ZX7 1 2 3 4 5 6 --woche 54 --jahr 2005", 2, zeit + "\n"},
        {"hinzufuegen t.ZX7 1 2 3 4 5 6 --kennung ?", 2,
         "Unzulässige Kennung! (eine Ziffer 0 bis 9 oder ein Buchstabe A bis Z)\n"},
        {"loeschen-letzte", 1, "loeschen-letzte erwartet genau eine DATEI.\n"},
    };
    test::ErwarteFehler(ordner, faelle);
    EXPECT_EQ(test::DateiLesen(ordner / "t.ZX7"), vorher);
    EXPECT_FALSE(fs::exists(ordner / "Datensicherungen" / "t.ZX7"));
}

TEST(CliHinzufuegen, VolleHistorieBleibtUnveraendert) {
    test::Arbeitsordner ordner;
    Lottodatei d;  // 32000 draws, four a week from 1900 on
    const Bitworte zahlen = ZahlenPacken(std::array{1, 2, 3, 4, 5, 6});
    for (int i = 0; i < 32000; ++i) {
        d.WocheKennung[i] = WocheKennungAus(1 + i / 4 % 52, static_cast<char>('A' + i % 4));
        d.JahrCode[i] = JahrCodeAusJahr(1900 + i / 208);
        d.ZahlenSetzen(i, zahlen);
    }
    d.LetzterIndex = 31999;
    Speichern(ordner / "voll.ZX7", d);
    d.Leeren(31999);
    d.LetzterIndex = 31998;
    Speichern(ordner / "fast.ZX7", d);
    const std::string vorher = test::DateiLesen(ordner / "voll.ZX7");

    const CliLauf l = Cli(ordner, "hinzufuegen voll.ZX7 7 8 9 10 11 12");
    EXPECT_EQ(l.status, 2);
    EXPECT_EQ(l.fehler, "Es kann keine Ziehung mehr hinzugefügt werden!\n");
    EXPECT_EQ(test::DateiLesen(ordner / "voll.ZX7"), vorher);
    EXPECT_FALSE(fs::exists(ordner / "Datensicherungen" / "voll.ZX7"));

    const CliLauf f = Cli(ordner, "hinzufuegen fast.ZX7 7 8 9 10 11 12");
    ASSERT_EQ(f.status, 0) << f.fehler;
    EXPECT_EQ(Laden(ordner / "fast.ZX7").Anzahl(), 32000);
}

TEST(CliLoeschenLetzte, BisZurLeerenDatei) {
    test::Arbeitsordner ordner;
    Speichern(ordner / "t.ZX7", Wochen(2));
    CliLauf l = Cli(ordner, "loeschen-letzte t.ZX7");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus, "Gelöscht: Woche 02/2005 Kennung S:  2 12 20 30 40 45\n");
    EXPECT_EQ(Laden(ordner / "t.ZX7").Anzahl(), 1);
    EXPECT_TRUE(fs::exists(ordner / "Datensicherungen" / "t.ZX7"));

    l = Cli(ordner, "loeschen-letzte t.ZX7");
    ASSERT_EQ(l.status, 0) << l.fehler;
    const Lottodatei leer = Laden(ordner / "t.ZX7");
    EXPECT_EQ(leer.Anzahl(), 0);
    EXPECT_EQ(leer.LetzterIndex, 0);

    l = Cli(ordner, "loeschen-letzte t.ZX7");
    EXPECT_EQ(l.status, 2);
    EXPECT_EQ(l.fehler, "Die Datei t.ZX7 enthält keine Ziehung.\n");
}

#ifndef _WIN32
// Two writers at once, 20 rounds: the file holds one more draw per writer that succeeded, and
// a writer that failed said why.
TEST(CliHinzufuegen, ZweiSchreiberZugleichVerlierenNichts) {
    test::Arbeitsordner o;
    Speichern(o / "t0.ZX7", Wochen(3));
    const std::string p = std::string("\"") + ZAHLIX_CLI + "\" ";
    const std::string runde =
        "cp t0.ZX7 t.ZX7; " + p + "hinzufuegen t.ZX7 1 2 3 4 5 6 >/dev/null 2>>e & " + p +
        "hinzufuegen t.ZX7 7 8 9 10 11 12 >/dev/null 2>>e; b=$?; wait $!; echo $? $b $(" + p +
        "konvertieren t.ZX7 t.AS7)";
    const std::string schleife = "for i in $(seq 20); do " + runde + "; done >l";
    ASSERT_EQ(std::system(("cd \"" + o.pfad().string() + "\" && " + schleife).c_str()), 0);
    std::istringstream log(test::DateiLesen(o / "l")), fehler(test::DateiLesen(o / "e"));
    int a = 0, b = 0, n = 0, runden = 0;
    for (std::string rest; log >> a >> b >> n && std::getline(log, rest); ++runden)
        EXPECT_EQ(n, 3 + (a == 0) + (b == 0)) << runden;
    EXPECT_EQ(runden, 20);
    for (std::string z; std::getline(fehler, z);)
        EXPECT_NE(z.find("gerade"), std::string::npos) << z;
}
#endif

}  // namespace
}  // namespace zahlix
