// System files: what the row export writes reads back, typed row texts in every line ending,
// and every damaged or wrong file refused with a German reason.
#include "systems/tippsystem.h"

#include <gtest/gtest.h>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/tabellen.h"
#include "output/reihenexport.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;

namespace {

const std::vector<std::vector<int>> kReihen = {
    {1, 2, 3, 4, 5, 6}, {7, 14, 15, 28, 29, 42}, {43, 44, 45, 46, 47, 49}, {3, 12, 17, 25, 38, 44}};

Tippsystem Beispielsystem() {
    Tippsystem s;
    for (const auto& r : kReihen) s.reihen.push_back(MaskeAus(r));
    return s;
}

bool Lesen(std::string_view bytes, Systemformat f, Tippsystem& s, std::string& fehler,
           int groesste = 49) {
    return SystemDekodieren(bytes, f, "Die Systemdatei s", s, fehler, groesste);
}

}  // namespace

TEST(Tippsystem, MaskeWieDieBitworteUndExportWieEigeneDateien) {
    Initialisieren();
    for (int n = 1; n <= 49; ++n) {
        const std::vector<int> eine{n};
        EXPECT_EQ(BitworteAusMaske(MaskeAus(eine)), ZahlenPacken(eine)) << n;
        EXPECT_EQ(MaskeAusBitworten(ZahlenPacken(eine)), Reihenmaske{1} << (n - 1)) << n;
    }
    Bitworte mitZusatz = ZahlenPacken(kReihen[2]);
    mitZusatz[3] = static_cast<int16_t>(mitZusatz[3] | (9 << 8));
    EXPECT_EQ(ZahlenAusMaske(MaskeAusBitworten(mitZusatz)), kReihen[2]);

    // The row export and the own files read the same.
    const Tippsystem s = Beispielsystem();
    std::vector<Zahlenreihe> zeilen(kReihen.begin(), kReihen.end());
    for (auto [f, ex] : {std::pair{Systemformat::ZS4, Exportformat::ZS4},
                         std::pair{Systemformat::ZS3, Exportformat::ZS3}}) {
        int n = 0;
        Tippsystem gelesen;
        std::string fehler;
        ASSERT_TRUE(Lesen(ReihenKodieren(zeilen, ex, n), f, gelesen, fehler)) << fehler;
        EXPECT_EQ(gelesen.reihen, s.reihen);
        ASSERT_TRUE(Lesen(SystemKodieren(s, f), f, gelesen, fehler)) << fehler;
        EXPECT_EQ(gelesen.reihen, s.reihen);
        EXPECT_EQ(SystemKodieren(s, f), ReihenKodieren(zeilen, ex, n))
            << "same bytes as the export";
    }
    Tippsystem t;
    std::string fehler;
    ASSERT_TRUE(Lesen(SystemKodieren(s, Systemformat::TXT), Systemformat::TXT, t, fehler));
    EXPECT_EQ(t.reihen, s.reihen);
}

TEST(Tippsystem, ReihentextWieEinSpielerIhnTipptFehlerMitZeile) {
    const std::string texte[] = {
        "1 2 3 4 5 6\n7,14,15,28,29,42\n",
        "\xEF\xBB\xBF"
        "01 02 03 04 05 06\r\n\r\n* Kommentar\r\n# auch\r\n 7 14 15 28 29 42",
        "1;2;3;4;5;6\r  2 : 7 14 15 28 29 42\r",
    };
    for (const auto& t : texte) {
        Tippsystem s;
        std::string fehler;
        ASSERT_TRUE(Lesen(t, Systemformat::TXT, s, fehler)) << fehler;
        EXPECT_EQ(s.reihen, (std::vector{MaskeAus(kReihen[0]), MaskeAus(kReihen[1])})) << t;
    }

    // A faulty text names its line.
    struct Fall {
        std::string text;
        int groesste;
        std::string grund;
    } faelle[] = {
        {"1 2 3 4 5 6\n1 2 3 4 5\n", 49, "Zeile 2: 5 statt 6 Zahlen"},
        {"1 2 3 4 5 6 7\n", 49, "Zeile 1: 7 statt 6 Zahlen"},
        {"1 2 3 4 5 5\n", 49, "Zeile 1: eine Zahl steht doppelt"},
        {"\n\n1 2 3 4 5 50\n", 49, "Zeile 3: die Zahl 50 liegt nicht zwischen 1 und 49"},
        {"0 2 3 4 5 6\n", 49, "die Zahl 0 liegt nicht"},
        {"1 2 3 4 5 46\n", 45, "die Zahl 46 liegt nicht zwischen 1 und 45"},
        {"1 2 3 x 5 6\n", 49, "Zeile 1: die Zeile ist keine Reihe"},
        {"Samstag: 1 2 3 4 5 6\n", 49, "keine Reihe"},
        {"\r\n* nur Kommentar\r\n", 49, "enthält keine Reihe"},
    };
    for (const auto& f : faelle) {
        Tippsystem s = Beispielsystem();
        std::string fehler;
        EXPECT_FALSE(Lesen(f.text, Systemformat::TXT, s, fehler, f.groesste)) << f.text;
        EXPECT_NE(fehler.find(f.grund), std::string::npos) << fehler;
        EXPECT_EQ(s, Beispielsystem()) << "a refused file leaves the system as it was";
    }
}

TEST(Tippsystem, BeschaedigteReihendateienWerdenAbgewiesen) {
    Initialisieren();
    const std::string zs4 = SystemKodieren(Beispielsystem(), Systemformat::ZS4);
    const std::string zs3 = SystemKodieren(Beispielsystem(), Systemformat::ZS3);
    Tippsystem s;
    std::string fehler;
    for (std::size_t weg = 1; weg < 10; ++weg) {
        EXPECT_FALSE(Lesen(zs4.substr(0, zs4.size() - weg), Systemformat::ZS4, s, fehler));
        EXPECT_NE(fehler.find("passt nicht zu Reihen von 10 Byte"), std::string::npos);
    }
    EXPECT_FALSE(Lesen(zs3.substr(0, zs3.size() - 3), Systemformat::ZS3, s, fehler));
    EXPECT_FALSE(Lesen(zs4.substr(0, 10), Systemformat::ZS4, s, fehler));
    EXPECT_NE(fehler.find("enthält keine Reihe"), std::string::npos);
    // Every flipped bit of a row is either refused or still a row of six numbers 1..49.
    for (std::size_t i = 10; i < zs4.size(); ++i)
        for (int bit = 0; bit < 8; ++bit) {
            std::string kaputt = zs4;
            kaputt[i] = static_cast<char>(kaputt[i] ^ (1 << bit));
            if (!Lesen(kaputt, Systemformat::ZS4, s, fehler)) {
                EXPECT_NE(fehler.find(", Reihe " + std::to_string((i - 10) / 10 + 1) + ": "),
                          std::string::npos)
                    << fehler;
                continue;
            }
            for (Reihenmaske r : s.reihen) EXPECT_EQ(AnzahlIn(r), 6);
        }
}

TEST(Tippsystem, SchreibenAtomarMitSicherungUndNieUeberLottodateien) {
    Initialisieren();
    Arbeitsordner o;
    SkriptPort port;
    StartverzeichnisSetzen(o.pfad());
    std::string fehler;
    ASSERT_TRUE(SystemSchreiben(o / "a.zs4", Beispielsystem(), fehler)) << fehler;
    Tippsystem kleiner;
    kleiner.reihen.push_back(MaskeAus(kReihen[0]));
    ASSERT_TRUE(SystemSchreiben(o / "a.zs4", kleiner, fehler)) << fehler;
    Tippsystem gelesen;
    ASSERT_TRUE(SystemLesen(o / "a.zs4", gelesen, fehler)) << fehler;
    EXPECT_EQ(gelesen.reihen, kleiner.reihen);
    ASSERT_TRUE(SystemLesen(o / "Datensicherungen" / "a.zs4", gelesen, fehler)) << fehler;
    EXPECT_EQ(gelesen.reihen, Beispielsystem().reihen) << "the previous version is the backup";

    EXPECT_FALSE(SystemSchreiben(o / "l.ZX7", kleiner, fehler));
    EXPECT_NE(fehler.find("ist eine Lottodatei"), std::string::npos);
    EXPECT_FALSE(SystemSchreiben(o / "b.ZS4", Tippsystem{}, fehler));
    EXPECT_FALSE(std::filesystem::exists(o / "b.ZS4"));
    EXPECT_FALSE(SystemLesen(o / "fehlt.ZS4", gelesen, fehler));
    EXPECT_NE(fehler.find("kann nicht gelesen werden"), std::string::npos);
}
