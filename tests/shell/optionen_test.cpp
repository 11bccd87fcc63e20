#include "shell/optionen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/skript_port.h"
#include "support/testdaten.h"

using namespace zahlix;
using zahlix::test::Arbeitsordner;
using zahlix::test::DateiLesen;
using zahlix::test::DateiSchreiben;

namespace {

std::string Zeilen(const std::vector<std::string>& z) {
    std::string s;
    for (const auto& zeile : z) s += zeile + "\r\n";
    return s;
}

std::vector<std::string> StandardZeilen() {
    return {" 1", " 1", " 0", " 0", " 1",         " 1", " 1", "Samstaglotto.ZX7",
            " 1", " 0", " 1", " 1", " 1",         " 0", " 1", " 0",
            " 1", " 1", " 1", " 0", "ZX2005.ZXA", " 0", " 4", "ZX2005.ZXB"};
}

Optionswerte Abweichend() {
    Optionswerte w;
    w.allgemein = {0, 1, 1, 0, 0, 1};
    w.druckausgabeSchriftgroesse = 6;
    w.startdatei = "Eigene Dateien/Mittwochlotto.ZX7";
    w.lottoAuswertung = {0, 1, 0, 1, 0};
    w.lottoZahlenauswahl = 5;
    w.systemAuswertung = {0, 1, 0, 0, 1, 1};
    w.addInDatei = "";
    w.lottoscheinDruck = 1;
    w.lottoscheinSchriftgroesse = -1;
    w.lottoscheinDruckdatei = "Schein Ü.ZXB";
    return w;
}

// Every test starts from other values than the standard ones, so "back to standard" shows.
class OptionenDatei : public ::testing::Test {
  protected:
    void SetUp() override { Optionen() = Abweichend(); }
    void TearDown() override { Optionen() = OptionenStandard(); }
    SkriptPort port;
    Arbeitsordner ordner;
    std::filesystem::path datei = ordner / "ZX2005.ZXI";
};

}  // namespace

TEST_F(OptionenDatei, StandardwerteSchreibenGenauDieErwarteteDatei) {
    ASSERT_EQ(OptionenSpeichern(datei, OptionenStandard()), 0);
    EXPECT_EQ(DateiLesen(datei), DateiLesen(zahlix::test::Quelle("shell/golden/ZX2005.ZXI")));
    EXPECT_EQ(Optionen(), OptionenStandard());

    // Line 8 holds the start file's name and nothing else; no temporary file stays behind.
    Optionswerte w;
    w.startdatei = "Schweiz.ZX7";
    ASSERT_EQ(OptionenSpeichern(datei, w), 0);
    auto z = StandardZeilen();
    z[7] = "Schweiz.ZX7";
    EXPECT_EQ(DateiLesen(datei), Zeilen(z));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 1);
    EXPECT_TRUE(port.meldungen.empty());
}

TEST_F(OptionenDatei, RundreiseHaeltJedenWertUndZeilenumbruchVerschiebtKeineZeile) {
    const Optionswerte w = Abweichend();
    Optionen() = OptionenStandard();
    ASSERT_EQ(OptionenSpeichern(datei, w), 0);
    Optionen() = OptionenStandard();
    ASSERT_EQ(OptionenLaden(datei), 0);
    EXPECT_EQ(Optionen(), w);

    // A line break in a text moves no line.
    Optionswerte umbruch;
    umbruch.startdatei = "a\r\nb.ZX7";
    ASSERT_EQ(OptionenSpeichern(datei, umbruch), 0);
    ASSERT_EQ(OptionenLaden(datei), 0);
    EXPECT_EQ(Optionen().startdatei, "ab.ZX7");
    EXPECT_EQ(Optionen().addInDatei, "ZX2005.ZXA");
}

TEST_F(OptionenDatei, ErsteZeileNullBlendetQuickInfoAusAuchHinterByteOrderMark) {
    auto z = StandardZeilen();
    z[0] = " 0";
    Optionswerte erwartet;
    erwartet.allgemein[0] = 0;
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        DateiSchreiben(datei, bom + Zeilen(z));
        Optionen() = Abweichend();
        ASSERT_EQ(OptionenLaden(datei), 0) << bom.size();
        EXPECT_EQ(Optionen(), erwartet) << bom.size();
    }
}

TEST_F(OptionenDatei, FehlendeKurzeOderUngueltigeDateiGibtUeberallStandardwerte) {
    EXPECT_EQ(OptionenLaden(datei), -1);
    EXPECT_EQ(Optionen(), OptionenStandard());
    auto z = StandardZeilen();
    z[0] = " 0";  // a value read before the fault must not survive either
    std::vector<std::string> texte;
    for (size_t n : {0u, 1u, 8u, 23u})
        texte.push_back(Zeilen({z.begin(), z.begin() + static_cast<long>(n)}));
    const std::pair<size_t, std::string> falsch[] = {
        {0, "abc"}, {0, " 2"},  {0, "-1"},           {0, ""},     {1, " 1x"},  {6, " 7"},
        {6, "-2"},  {13, " 6"}, {22, "99999999999"}, {19, "1.0"}, {8, "\x01"},
    };
    for (const auto& [zeile, inhalt] : falsch) {
        auto k = z;
        k[zeile] = inhalt;
        texte.push_back(Zeilen(k));
    }
    for (const std::string& text : texte) {
        DateiSchreiben(datei, text);
        Optionen() = Abweichend();
        EXPECT_EQ(OptionenLaden(datei), -1) << text;
        EXPECT_EQ(Optionen(), OptionenStandard()) << text;
    }
    EXPECT_TRUE(port.meldungen.empty());
}

TEST_F(OptionenDatei, BlankenListenindexMinusEinsWindows1252UndNurLf) {
    auto z = StandardZeilen();
    z[0] = "0";
    z[1] = "   1  ";
    z[6] = "-1";
    z[13] = " 5";
    z[7] = "  M\xfcller Lotto.ZX7 ";  // Windows-1252 u umlaut, blanks kept
    z[20] = "";
    std::string text;
    for (const auto& zeile : z) text += zeile + "\n";
    text += "eine Zeile zu viel\n";
    DateiSchreiben(datei, text);
    ASSERT_EQ(OptionenLaden(datei), 0);
    EXPECT_EQ(Optionen().allgemein[0], 0);
    EXPECT_EQ(Optionen().allgemein[1], 1);
    EXPECT_EQ(Optionen().druckausgabeSchriftgroesse, -1);
    EXPECT_EQ(Optionen().lottoZahlenauswahl, 5);
    EXPECT_EQ(Optionen().startdatei, "  M\xc3\xbcller Lotto.ZX7 ");
    EXPECT_EQ(Optionen().addInDatei, "");
}

TEST_F(OptionenDatei, VerfaelschteBytesEndenImmerInGueltigenWerten) {
    const std::string gut = Zeilen(StandardZeilen());
    for (size_t i = 0; i < gut.size(); i += 3) {
        std::string kaputt = gut;
        kaputt[i] = static_cast<char>(kaputt[i] ^ 0x5A);
        DateiSchreiben(datei, kaputt);
        OptionenLaden(datei);
        const auto& w = Optionen();
        for (int k : w.allgemein) EXPECT_TRUE(k == 0 || k == 1) << "Byte " << i;
        EXPECT_GE(w.druckausgabeSchriftgroesse, -1);
        EXPECT_LT(w.druckausgabeSchriftgroesse, 7);
        EXPECT_LT(w.lottoZahlenauswahl, 6);
        EXPECT_LT(w.lottoscheinSchriftgroesse, 7);
    }
    DateiSchreiben(datei, gut.substr(0, gut.size() / 2));
    EXPECT_EQ(OptionenLaden(datei), -1);
}

TEST_F(OptionenDatei, SchreibfehlerMeldetUndLaesstAlteDateiStehen) {
    const auto fehlt = ordner / "gibt es nicht" / "ZX2005.ZXI";
    const Optionswerte w = Abweichend();
    Optionen() = OptionenStandard();
    EXPECT_EQ(OptionenSpeichern(fehlt, w), -1);
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].symbol, Symbol::Kritisch);
    EXPECT_NE(port.meldungen[0].text.find("nicht gespeichert"), std::string::npos);
    EXPECT_EQ(Optionen(), w) << "OK setzt die Werte trotzdem in Kraft";

    // A folder in the way of the target: the rename fails, nothing is half written.
    std::filesystem::create_directory(datei);
    EXPECT_EQ(OptionenSpeichern(datei, w), -1);
    EXPECT_TRUE(std::filesystem::is_directory(datei));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 1);
}
