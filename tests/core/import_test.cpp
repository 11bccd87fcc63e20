// Importing draw archives: the readers' table of valid and bad inputs, the merging rules,
// damaged files, and the real archive against the predefined history.
#include "core/import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/json_lesen.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

Importergebnis Importieren(Lottodatei& d, const std::string& text, Importoptionen o = {}) {
    std::string fehler;
    const auto q = ImportquelleLesen(text, fehler);
    if (!q) {
        Importergebnis e;
        e.ok = false;
        e.fehler = fehler;
        return e;
    }
    return ZiehungenZusammenfuehren(d, *q, o);
}

std::string As7(const Lottodatei& d) {
    return *LottodateiKodieren(d, Lottoformat::AS7);
}

Lottodatei Neu() {
    Lottodatei d;
    d.Leeren(0);
    return d;
}

}  // namespace

TEST(Import, GueltigeEingabenGebenDieZiehungenDesAs7Formats) {
    const struct {
        const char* quelle;
        const char* as7;  // the history afterwards
    } faelle[] = {
        // Saturday 1 January 2005 is week 53 of 2004; a Wednesday gets "M".
        {"01.01.2005;3;12;17;25;38;44", " 53 2004 83 03 12 17 25 38 44 00\r\n"},
        {"Datum,Z1,Z2,Z3,Z4,Z5,Z6,ZZ\n2005-01-05,44,3,12,17,25,38,9\n",
         " 01 2005 77 03 12 17 25 38 44 09\r\n"},
        {"\"05.01.2005\"\t1\t2\t3\t4\t5\t6\t\r\n\r\n", " 01 2005 77 01 02 03 04 05 06 00\r\n"},
        // Out of order, and the same draw twice: sorted, taken once.
        {"08.01.2005;1;2;3;4;5;6\n05.01.2005;7;8;9;10;11;12\n05.01.2005;7;8;9;10;11;12\n",
         " 01 2005 77 07 08 09 10 11 12 00\r\n 01 2005 83 01 02 03 04 05 06 00\r\n"},
        {"{\"data\":[{\"id\":1,\"date\":\"09.10.1955\",\"Lottozahl\":[3,12,13,16,23,41],"
         "\"Superzahl\":5,\"Zusatzzahl\":7}]}",
         " 40 1955 83 03 12 13 16 23 41 07\r\n"},
        {"[{\"date\":\"2026-07-22\",\"Lottozahl\":[3,5,10,14,25,49]}]",
         " 30 2026 77 03 05 10 14 25 49 00\r\n"},
        {"Datum;Zahlen\r05.01.2005;1;2;3;4;5;6\r", " 01 2005 77 01 02 03 04 05 06 00\r\n"},
    };
    for (const auto& f : faelle) {
        Lottodatei d = Neu();
        const Importergebnis e = Importieren(d, f.quelle);
        ASSERT_TRUE(e.ok) << f.quelle << ": " << e.fehler;
        EXPECT_EQ(As7(d), f.as7) << f.quelle;
    }
}

TEST(Import, FehlerhafteZeileVerweigertAllesMitZeilennummer) {
    const std::string gut = "05.01.2005;1;2;3;4;5;6\n";
    std::string viele = "1", lang = "[";
    for (size_t i = 0; i < kGroessteJsonWerte; ++i) viele += ",1";
    for (int i = 0; i < 12000; ++i) lang += R"({"date":"05.01.2005","Lottozahl":[1,2,3,4,5,6]},)";
    const struct {
        std::string quelle;
        const char* grund;
    } faelle[] = {
        {gut + "31.02.2005;1;2;3;4;5;6", "Zeile 2: ungültiges Datum \"31.02.2005\""},
        {"\r\n\r05.01.2005;1;2;3;4;5;6\r\n\n31.02.2005;1", "Zeile 5: ungültiges Datum"},
        {"", "keine Zeile mit Datum und Zahlen"},
        {"Datum;Z1\n\n", "keine Zeile mit Datum und Zahlen"},
        {"{\"data\":[]}", "Die JSON-Datei enthält keine Ziehung."},
        {gut + "12.01.2005;1;2;3;4;5", "Zeile 2: Es müssen genau 6 Zahlen sein, gefunden wurden 5"},
        {gut + "12.01.2005;1;2;3;4;5;6;7;8", "gefunden wurden 8"},
        {gut + "12.01.2005;1;2;3;4;5;50", "Zeile 2: Die Zahl 50 liegt nicht zwischen 1 und 49"},
        {gut + "12.01.2005;1;2;3;4;5;0", "Die Zahl 0 liegt nicht"},
        {gut + "12.01.2005;1;2;3;4;4;6", "Zeile 2: Die Zahl 4 steht doppelt"},
        {gut + "12.01.2005;1;2;3;4;5;6;6", "Zeile 2: Die Zusatzzahl 6 ist eine der gezogenen"},
        {gut + "12.01.2005;1;2;x;4;5;6", "Zeile 2: \"x\" ist keine Zahl"},
        {"[{\"date\":\"1.13.2005\",\"Lottozahl\":[1,2,3]}]", "Eintrag 1: ungültiges Datum"},
        {"{\"data\":[\n{\"date\":\"05.01.2005\",\"Lottozahl\":[1,2,3,4,5,6.5]}]}",
         "Zeile 2, Eintrag 1: \"6.5\" ist keine ganze Zahl"},
        {"{\"data\":[{\"date\":\"05.01.2005\"}]}", "ohne \"date\" und \"Lottozahl\""},
        {"{\"data\":[\n{\"date\":\"05.01.2005\",", "(Zeile 2: unerwartetes Ende der Datei)"},
        {"{\"daten\":[]}", "keine Liste \"data\""},
        {"[{\"date\":\"\\uDC00\\uD800x\\uD83D\\uDE00\",\"Lottozahl\":[1]}]",
         "ungültiges Datum \"\xEF\xBF\xBD\xEF\xBF\xBDx\xF0\x9F\x98\x80\""},
        {"{\"data\":[]} []", "(Zeile 1: Text nach dem Ende)"},
        {"[{\"date\":\"05.01.2005\",\"Lottozahl\":[1,2,3,4,5,6]}]x", "Text nach dem Ende"},
        // Each entry and each other member is bounded, however long the file.
        {"{\"x\":[" + viele + "],\"data\":[]}", "(Zeile 1: zu viele Werte in einem Eintrag)"},
        {"{\"data\":[[" + viele + "]]}", "zu viele Werte"},
        {lang + "{}]", "Eintrag 12001: Eintrag ohne"},
    };
    for (const auto& f : faelle) {
        Lottodatei d = Neu();
        Importieren(d, "03.01.2005;9;10;11;12;13;14");
        const std::string vorher = As7(d);
        const Importergebnis e = Importieren(d, f.quelle);
        EXPECT_FALSE(e.ok) << f.quelle;
        EXPECT_NE(e.fehler.find(f.grund), std::string::npos) << e.fehler;
        EXPECT_EQ(As7(d), vorher) << f.quelle;
    }
}

TEST(Import, ZusammenfuehrenUeberspringtVorhandeneUndMeldetKonflikte) {
    const std::string gut = "05.01.2005;1;2;3;4;5;6\n15.01.2005;1;2;3;4;5;6";
    Lottodatei d = Neu();
    d.GroessteZahl = 45;
    ASSERT_TRUE(Importieren(d, "05.01.2005;1;2;3;4;5;6\n08.01.2005;7;8;9;10;11;12").ok);
    d.Geaendert = false;

    Importergebnis e = Importieren(d, "08.01.2005;12;11;10;9;8;7\n15.01.2005;1;2;3;4;5;45");
    EXPECT_EQ(ImportErgebnisZeile(e), " 1 neue Ziehung, 1 schon vorhanden.");
    EXPECT_TRUE(d.Geaendert);
    EXPECT_EQ(d.LetzterIndex, 2);

    // Same week, year and identifier, other numbers: nothing at all is taken.
    const std::string vorher = As7(d);
    e = Importieren(d, "22.01.2005;1;2;3;4;5;6\n09.01.2005;1;2;3;4;5;7");
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.fehler.find("Zeile 2: Die Ziehung der Woche 01/2005 mit Kennung S ist schon mit "
                            "anderen Zahlen vorhanden."),
              std::string::npos)
        << e.fehler;
    EXPECT_EQ(As7(d), vorher);

    // Other identifiers make it another draw; "-" leaves the days out.
    e = Importieren(d, "09.01.2005;1;2;3;4;5;7\n12.01.2005;1;2;3;4;5;8", {kUeberspringen, 'X'});
    EXPECT_EQ(ImportErgebnisZeile(e), " 1 neue Ziehung, 0 schon vorhanden.");

    // A history without identifiers and no draw in common (0:0): the days but Wednesday.
    Lottodatei ohne = Neu();
    ASSERT_TRUE(Importieren(ohne, "08.01.2005;7;8;9;10;11;12", {0, 0}).ok);
    std::string fehler;
    const Importoptionen v = KennungenVorschlagen(ohne, *ImportquelleLesen(gut, fehler));
    EXPECT_EQ(std::pair(v.kennungMittwoch, v.kennungSonst), std::pair(kUeberspringen, 0));
    // Week, year and numbers make the draw whatever its identifier: no twins.
    e = Importieren(ohne, "08.01.2005;7;8;9;10;11;12\n05.01.2005;1;2;3;4;5;6");
    EXPECT_EQ(ImportErgebnisZeile(e), " 1 neue Ziehung, 1 schon vorhanden.");
}

TEST(Import, PlatzhalterWeichtUndKapazitaetBleibtGewahrt) {
    Lottodatei d;
    LeereLottodateiSetzen(d);
    ASSERT_TRUE(Importieren(d, "05.01.2005;1;2;3;4;5;6").ok);
    EXPECT_EQ(As7(d), " 01 2005 77 01 02 03 04 05 06 00\r\n");

    std::string viele;
    for (int i = 0; i < kMaxZiehungen; ++i)
        viele += std::to_string(1 + i % 28) + "." + std::to_string(1 + i / 28 % 12) + "." +
                 std::to_string(1950 + i / 336) + ";1;2;3;4;5;" + std::to_string(6 + i % 28) + "\n";
    const Importergebnis e = Importieren(d, viele, {'A', 'B'});
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.titel, "Kapazitätsgrenze erreicht");
    EXPECT_EQ(d.LetzterIndex, 0);
    // One more cannot fit any lottery file: refused while reading.
    EXPECT_NE(Importieren(d, viele + "1.1.2000;1;2;3;4;5;6").fehler.find("mehr als 32.000"),
              std::string::npos);
}

TEST(Import, BeschaedigteDateienLaufenNieHalbEin) {
    const std::string json =
        "{\"data\":[{\"id\":1,\"date\":\"09.10.1955\",\"Lottozahl\":[3,12,13,16,23,41]},\n"
        "{\"id\":2,\"date\":\"16.10.1955\",\"Lottozahl\":[3,12,18,30,32,49],\"Superzahl\":1}]}";
    const std::string csv =
        "Datum;Zahlen\n09.10.1955;3;12;13;16;23;41\n16.10.1955;3;12;18;30;32;49\n";
    for (const std::string& gut : {json, csv}) {
        std::vector<std::string> kaputt;
        for (size_t n = 0; n < gut.size(); n += 3) kaputt.push_back(gut.substr(0, n));
        for (size_t i = 0; i < gut.size(); i += 2) {
            std::string s = gut;
            s[i] = static_cast<char>(s[i] ^ (i % 7 == 0 ? 0x80 : 0x11));
            kaputt.push_back(s);
        }
        for (const std::string& s : kaputt) {
            Lottodatei d = Neu();
            const Importergebnis e = Importieren(d, s);
            ASSERT_EQ(d.Anzahl(), e.ok ? e.neu : 0) << s;
            EXPECT_TRUE(e.ok || !e.fehler.empty()) << s;
            for (int i = 0; i < d.Anzahl(); ++i) ASSERT_EQ(AnzahlZahlen(d.Zahlen(i)) & 0xFF, 6);
        }
    }
}

TEST(Import, ArchivGibtDieVordefinierteHistorieUndZweimalNichtsNeues) {
    ZAHLIX_BRAUCHT_DATEI(archiv, "lotto6aus49_archiv.json");
    ZAHLIX_BRAUCHT_DATEI(as7, "Lotto6aus49.AS7");
    ZAHLIX_BRAUCHT_DATEI(samstag, "Samstaglotto.AS7");
    const std::string json = test::DateiLesen(archiv);
    Lottodatei d = Neu();
    EXPECT_EQ(ImportErgebnisZeile(Importieren(d, json)),
              " 5.031 neue Ziehungen, 0 schon vorhanden.");
    EXPECT_EQ(As7(d), test::DateiLesen(as7));
    EXPECT_EQ(ImportErgebnisZeile(Importieren(d, json)),
              " 0 neue Ziehungen, 5.031 schon vorhanden.");

    // The Saturday file carries no identifiers: the proposal takes only the weekend draws.
    Lottodatei s;
    ASSERT_EQ(LottodateiLaden(samstag.string(), s), 0);
    for (int i = 3600; i <= s.LetzterIndex; ++i) s.WocheKennung[i] = 0;
    std::string fehler;
    const auto q = ImportquelleLesen(json, fehler);
    const Importergebnis e = ZiehungenZusammenfuehren(s, *q, KennungenVorschlagen(s, *q));
    EXPECT_EQ(ImportErgebnisZeile(e), " 93 neue Ziehungen, 3.600 schon vorhanden.");
    EXPECT_EQ(As7(s), test::DateiLesen(samstag));
}

// A history without identifiers that shares no draw with the source (0:0), or as many with
// Wednesdays as with the others: the other days are taken, Wednesdays skipped.
TEST(Import, KennungsvorschlagBeiGleichstand) {
    Lottodatei d = Neu();
    const std::vector<Importziehung> q{{1, 0, 2024, 1, 3, {1, 2, 3, 4, 5, 6}, 0},
                                       {2, 0, 2024, 1, 6, {7, 8, 9, 10, 11, 12}, 0}};
    ZiehungenZusammenfuehren(d, {{3, 0, 2023, 5, 6, {1, 2, 3, 4, 5, 7}, 0}}, {0, 0});
    for (const int gleich : {0, 2}) {
        if (gleich == 2) ZiehungenZusammenfuehren(d, q, {0, 0});  // both now in the history
        const Importoptionen o = KennungenVorschlagen(d, q);
        EXPECT_EQ(o.kennungMittwoch, kUeberspringen) << gleich;
        EXPECT_EQ(o.kennungSonst, 0) << gleich;
    }
}
