#include "help/hilfetext.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "help/chronik.h"
#include "help/hilfeschluessel.h"
#include "support/speichergrenze.h"
#include "support/testdaten.h"

namespace zahlix {
namespace {

const char* const kDatei =
    "Lotto\nLotto-Auswertung\n\nMenü.Datei.Öffnen\nDialog.Optionen\nFremd.Etwas\n"
    "Menü.Unbekannt.X\n~#12\n~~Menü.Datei.Öffnen\nÖffnet.\n~#1\n~~Lotto\n"
    "Kurz «Lotto-Auswertung» und «Einführung».\n~»Einführung\n~~Lotto-Auswertung\nLang.\n"
    "~~Einführung\nStart «offen\n~~Schleife\nA\n~»Schleife\n";

TEST(Hilfetext, IndexGruppenUndTitel) {
    const Hilfetext h(kDatei);
    // Key, group and caption of each index line; empty lines are skipped.
    std::vector<std::string> ist;
    for (const Indexeintrag& e : h.Index())
        ist.push_back(e.schluessel + "|" + std::to_string(e.gruppe) + "|" + e.titel);
    EXPECT_EQ(ist,
              (std::vector<std::string>{"Lotto|0|Lotto", "Lotto-Auswertung|0|Lotto-Auswertung",
                                        "Menü.Datei.Öffnen|6|Öffnen", "Dialog.Optionen|2|Optionen",
                                        "Fremd.Etwas|-1|Etwas", "Menü.Unbekannt.X|-1|X"}));
    EXPECT_EQ(IndexeintragDeuten("Menü.Statistik.Wie oft * Wann zuletzt").titel,
              "Wie oft * Wann zuletzt");
}

TEST(Hilfetext, ThemaNurBeiGanzerZeileUndMitVerweis) {
    const Hilfetext h(kDatei);
    EXPECT_EQ(h.Thema("Lotto-Auswertung"), "Lotto-Auswertung\nLang.\n");
    // The shorter key finds its own line, not the longer key's; the reference follows.
    EXPECT_EQ(h.Thema("Lotto"),
              "Lotto\nKurz «Lotto-Auswertung» und «Einführung».\n-> Einführung\nStart «offen\n");
    EXPECT_EQ(h.Thema("Lott"), std::nullopt);
    EXPECT_EQ(h.Thema(""), std::nullopt);
    // A topic that refers to itself stops after a few rounds.
    const std::string schleife = *h.Thema("Schleife");
    EXPECT_EQ(std::count(schleife.begin(), schleife.end(), '>'), 8) << schleife;
    EXPECT_EQ(h.NummerSchluessel(1), "Lotto");
    EXPECT_EQ(h.NummerSchluessel(12), "Menü.Datei.Öffnen");
    EXPECT_EQ(h.NummerSchluessel(2), "Einführung");
    EXPECT_EQ(h.Themen().size(), 5u);
}

TEST(Hilfetext, LinkAmCursorUndTab) {
    const std::string t = "Siehe «Statistik» oder «offen\nx";
    const std::size_t in = t.find("Stat") + 2;
    EXPECT_EQ(ThemaAmCursor(t, in), "Statistik");
    EXPECT_EQ(ThemaAmCursor(t, t.find("»") + 2), "");  // after the closing »
    EXPECT_EQ(ThemaAmCursor(t, 2), "");
    EXPECT_EQ(ThemaAmCursor(t, t.size()), "");  // « without a » on its line
    const auto link = NaechsterLink(t, t.find("oder"));
    EXPECT_EQ(link, std::nullopt);
    const auto erster = NaechsterLink(t, 0);
    ASSERT_TRUE(erster);
    EXPECT_EQ(t.substr(erster->first, erster->second), "Statistik");
    EXPECT_EQ(Links("a «x» b «y»"), (std::vector<std::string>{"x", "y"}));
}

TEST(Hilfechronik, DoppelteWandernAnsEnde) {
    Hilfechronik c;
    for (const char* k : {"A", "B", "C", "", "A"}) c.Anzeigen(k);
    EXPECT_EQ(c.Eintraege(), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(c.Vorheriger(), "C");
    EXPECT_FALSE(c.Vorwaerts());
    EXPECT_TRUE(c.Zurueck());
    EXPECT_TRUE(c.Zurueck());
    EXPECT_FALSE(c.Zurueck());
    EXPECT_EQ(c.Aktuell(), "B");
    EXPECT_EQ(c.Naechster(), "C");
}

TEST(Hilfedatei, BeschaedigtMitMeldungWindows1252Gelesen) {
    test::Arbeitsordner ordner;
    std::string fehler;
    test::DateiSchreiben(ordner / "ZX2005.ZXH", std::string("\0\x01\x02zzz", 6));
    EXPECT_FALSE(HilfedateiLaden(ordner / "ZX2005.ZXH", fehler));
    EXPECT_NE(fehler.find("beschädigt"), std::string::npos) << fehler;
    // Windows-1252 and CR LF are read as well.
    test::DateiSchreiben(ordner / "ZX2005.ZXH",
                         "Men\xFC.Datei.X\r\n~~Men\xFC.Datei.X\r\n\xABY\xBB\r\n");
    const auto h = HilfedateiLaden(ordner / "ZX2005.ZXH", fehler);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->Thema("Menü.Datei.X"), "Menü.Datei.X\n«Y»\n");
}

// Bounds far above the shipped file keep a hostile one from freezing the window.
TEST(Hilfedatei, UebergrosseWirdAbgewiesen) {
    test::Arbeitsordner ordner;
    const auto mal = [](std::size_t n, const std::string& s) {
        std::string r;
        while (n-- > 0) r += s;
        return r;
    };
    const std::string thema = "~~A\nx\n";
    const std::pair<std::string, const char*> faelle[] = {
        // "": it loads
        {mal(2000, "A\n") + mal(2000, thema), ""},
        {mal(2001, "A\n") + thema, "Verzeichnis hat mehr als 2.000 Zeilen"},
        {mal(2001, thema), "mehr als 2.000 Themen"},
        {std::string(201, 'A') + "\n" + thema, "länger als 200 Zeichen"},
        {"~~A\n" + std::string(99997, 'x'), "Thema A ist länger als 100.000 Zeichen"},
        {thema + mal(4u << 18, "xxx\n"), "größer als 4 MB"},
        {"~~A\n" + std::string(99996, 'x'), ""}};
    std::string fehler;
    for (const auto& [text, grund] : faelle) {
        test::DateiSchreiben(ordner / "ZX2005.ZXH", text);
        fehler.clear();
        EXPECT_EQ(HilfedateiLaden(ordner / "ZX2005.ZXH", fehler).has_value(), !*grund) << fehler;
        EXPECT_NE(fehler.find(grund), std::string::npos) << fehler;
    }
    test::SpeichergrenzeSetzen(20000);
    EXPECT_FALSE(HilfedateiLaden(ordner / "ZX2005.ZXH", fehler));
    test::SpeichergrenzeSetzen(SIZE_MAX);
    EXPECT_NE(fehler.find("Arbeitsspeicher"), std::string::npos) << fehler;
}

}  // namespace
}  // namespace zahlix

namespace zahlix {
namespace {

TEST(Hilfeschluessel, MenueUndFenster) {
    EXPECT_EQ(MenueHilfethema("&Datei", "Ö&ffnen..."), "Menü.Datei.Öffnen");
    EXPECT_EQ(MenueHilfethema("S&tart", "Zahlix &beenden\xE2\x80\xA6"),
              "Menü.Start.Zahlix beenden");
    EXPECT_EQ(MenueHilfethema("&Hilfe", "Info && Version"), "Menü.Hilfe.Info & Version");
}

}  // namespace
}  // namespace zahlix
