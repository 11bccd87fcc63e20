#include "output/reihenexport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/skript_port.h"
#include "shell/vorschau.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

std::string Eingabe() {
    return test::DateiLesen(test::Quelle("output/golden/export_eingabe.txt"));
}

const std::vector<Zahlenreihe> kErwartet = {
    {3, 12, 17, 25, 38, 44},          {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
    {7, 13, 22, 31, 40, 49},          {7, 14, 21, 28, 35, 42, 49},
    {1, 2, 3, 9, 27, 33, 41, 45, 48}, {10, 20, 30, 40, 41, 42},
};

TEST(ZahlenreihenFinden, FindetNurZeilenNachDerRegelAuchInGrenzfaellen) {
    EXPECT_EQ(ZahlenreihenFinden(Eingabe()), kErwartet);
    struct Fall {
        std::string zeile;
        std::vector<Zahlenreihe> reihen;
    };
    const std::vector<Fall> faelle = {
        {"1 2 3 4 5 6", {{1, 2, 3, 4, 5, 6}}},
        {"49,48,47,46,45,44", {{44, 45, 46, 47, 48, 49}}},
        {"12: 1 2 3 4 5 6", {{1, 2, 3, 4, 5, 6}}},
        {"12 1 2 3 4 5 6", {{1, 2, 3, 4, 5, 6, 12}}},  // no ":" so 12 is a number
        {"1 2 3 4 5", {}},                             // five are too few
        {"1 2 3 4 5 6 7 8 9 10", {}},                  // ten too many
        {"0 1 2 3 4 5", {}},                           // 0 is no lottery number
        {"1 2 3 4 5 006", {}},                         // three digits are no lottery number
        {"1 2 3 4 5 5", {}},                           // repeated
        {"1 2 3 4 5 6 x", {}},
        {"1: 2: 3 4 5 6 7", {}},       // only one counter
        {"Zahlen     : 05 :", {{5}}},  // a numbers line may hold one number
        {"Zahlen     : 05 50 :", {}},
        {"Zahlen     : 05 06", {}},  // never closed
        {"Zahlen     : 05 06 : 07", {}},  // text after the closing mark
        {"Zahlen     : 05 06 : \t", {{5, 6}}},
        {"Zahlen     :  03  12  17  25  38  44 :", {{3, 12, 17, 25, 38, 44}}},
        {"Zahlen     : 01 :\r\n            1 2 3 4 5 6", {{1}, {1, 2, 3, 4, 5, 6}}},
        {"", {}},
    };
    for (const auto& f : faelle) EXPECT_EQ(ZahlenreihenFinden(f.zeile), f.reihen) << f.zeile;

    // Line ends of every kind.
    const std::vector<Zahlenreihe> zwei = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
    EXPECT_EQ(ZahlenreihenFinden("1 2 3 4 5 6\n7 8 9 10 11 12"), zwei);
    EXPECT_EQ(ZahlenreihenFinden("1 2 3 4 5 6\r7 8 9 10 11 12\r\n"), zwei);
}

// Golden bytes of every format, from the same input text.
struct FormatFall {
    const char* datei;
    int anzahl;
    const char* golden;
};

class ReihenExport : public ::testing::TestWithParam<FormatFall> {};

TEST_P(ReihenExport, SchreibtGoldeneBytesUndZaehlt) {
    test::Arbeitsordner ordner;
    std::string fehler;
    const auto ziel = ordner / GetParam().datei;
    EXPECT_EQ(ReihenExportieren(ziel, Eingabe(), fehler), GetParam().anzahl) << fehler;
    EXPECT_EQ(test::DateiLesen(ziel),
              test::DateiLesen(test::Quelle(std::string("output/golden/") + GetParam().golden)));
}

INSTANTIATE_TEST_SUITE_P(Formate, ReihenExport,
                         ::testing::Values(FormatFall{"export.ASC", 3, "export.ASC"},
                                           FormatFall{"export.ZXT", 4, "export.ZXT"},
                                           FormatFall{"export.AS4", 6, "export.AS4"},
                                           FormatFall{"export.ZS3", 6, "export.ZS3"},
                                           FormatFall{"export.ZS4", 6, "export.ZS4"},
                                           // the extension counts whatever its case
                                           FormatFall{"klein.asc", 3, "export.ASC"}),
                         [](const auto& p) {
                             std::string n = p.param.datei;
                             return n.substr(0, n.find('.')) + "_" + n.substr(n.size() - 3);
                         });

TEST(ReihenExport, OhneReihenBleibtEineVorhandeneDateiUnberuehrt) {
    test::Arbeitsordner ordner;
    test::DateiSchreiben(ordner / "alt.ZS4", "bisheriger Inhalt");
    std::string fehler;
    EXPECT_EQ(ReihenExportieren(ordner / "alt.ZS4", "kein einziger Tipp\r\n", fehler), 0);
    EXPECT_EQ(test::DateiLesen(ordner / "alt.ZS4"), "bisheriger Inhalt");
    // Rows exist but none fits the format: the same.
    EXPECT_EQ(ReihenExportieren(ordner / "alt.ASC", "1 2 3 4 5 6 7\r\n", fehler), 0);
    EXPECT_FALSE(std::filesystem::exists(ordner / "alt.ASC"));
}

TEST(ReihenExport, FehlerWerdenGemeldetUndLassenNichtsZurueck) {
    test::Arbeitsordner ordner;
    std::string fehler;
    EXPECT_EQ(ReihenExportieren(ordner / "x.TXT", "1 2 3 4 5 6", fehler), -1);
    EXPECT_EQ(fehler, "x.TXT ist kein Format für Zahlenreihen.");
    fehler.clear();
    EXPECT_EQ(ReihenExportieren(ordner / "fehlt" / "x.ASC", "1 2 3 4 5 6", fehler), -1);
    EXPECT_NE(fehler.find("x.ASC"), std::string::npos) << fehler;
    std::filesystem::create_directory(ordner / "ordner.ASC");
    EXPECT_EQ(ReihenExportieren(ordner / "ordner.ASC", "1 2 3 4 5 6", fehler), -1);
    EXPECT_TRUE(std::filesystem::is_directory(ordner / "ordner.ASC"));
    for (const auto& e : std::filesystem::directory_iterator(ordner.pfad()))
        EXPECT_EQ(e.path().string().find(".zahlix-neu"), std::string::npos) << e.path();
}

TEST(ReihenExport, SchluesselLaufenNach127ReihenUm) {
    // More rows than keys: the key wraps after 127 rows and the words still decode.
    std::string text;
    for (int i = 0; i < 300; ++i) {
        for (int k = 0; k < 6; ++k) text += " " + std::to_string(1 + (i + k * 8) % 49);
        text += "\r\n";
    }
    int anzahl = 0;
    const std::string bytes = ReihenKodieren(ZahlenreihenFinden(text), Exportformat::ZS3, anzahl);
    EXPECT_EQ(anzahl, 300);
    ASSERT_EQ(bytes.size(), 300u * 8);
    EXPECT_EQ(static_cast<unsigned char>(bytes[126 * 8 + 7]), 127);
    EXPECT_EQ(static_cast<unsigned char>(bytes[127 * 8 + 7]), 1);
}

TEST(ReihenExport, Zs4KopfZaehltUeberZweiWorte) {
    for (int zahl : {300, 65536 + 300}) {
        const std::vector<Zahlenreihe> reihen(static_cast<size_t>(zahl), {1, 2, 3, 4, 5, 6});
        int anzahl = 0;
        const std::string b = ReihenKodieren(reihen, Exportformat::ZS4, anzahl);
        ASSERT_EQ(anzahl, zahl);
        ASSERT_EQ(b.size(), 10u + 10u * static_cast<size_t>(zahl));
        const auto byte = [&](size_t i) { return static_cast<int>(static_cast<unsigned char>(b[i])); };
        EXPECT_EQ(byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24, zahl);
    }
}

// The file dialog's preview decodes what the export writes.
TEST(ReihenExport, VorschauLiestDieReihenZurueck) {
    test::Arbeitsordner ordner;
    std::string fehler;
    for (auto [name, format] :
         {std::pair{"r.ZS3", Reihenformat::ZS3}, std::pair{"r.ZS4", Reihenformat::ZS4}}) {
        ASSERT_EQ(ReihenExportieren(ordner / name, Eingabe(), fehler), 6) << fehler;
        const auto gelesen = SystemreihenLesen(ordner / name, format);
        ASSERT_TRUE(gelesen.has_value()) << name;
        ASSERT_EQ(gelesen->size(), kErwartet.size()) << name;
        for (size_t i = 0; i < kErwartet.size(); ++i) {
            EXPECT_EQ((*gelesen)[i].zahlen, kErwartet[i]) << name << " Reihe " << i;
            if (format == Reihenformat::ZS4) {
                EXPECT_EQ((*gelesen)[i].vorwort, static_cast<int16_t>(kErwartet[i].size()));
            }
        }
    }
}

}  // namespace
