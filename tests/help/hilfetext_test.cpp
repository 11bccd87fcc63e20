#include "help/hilfetext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

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

TEST(Hilfetext, IndexGruppenTitelUndThemaNurBeiGanzerZeileMitVerweis) {
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
    // A menu entry's key from the menu's and the entry's texts.
    EXPECT_EQ(MenueHilfethema("&Datei", "Ö&ffnen..."), "Menü.Datei.Öffnen");
    EXPECT_EQ(MenueHilfethema("S&tart", "Zahlix &beenden\xE2\x80\xA6"),
              "Menü.Start.Zahlix beenden");
    EXPECT_EQ(MenueHilfethema("&Hilfe", "Info && Version"), "Menü.Hilfe.Info & Version");
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

TEST(Hilfedatei, BeschaedigtWindows1252UndUebergross) {
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

    // Bounds far above the shipped file keep a hostile one from freezing the window.
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

// The shipped help file against the program: every key the sources ask for, every link and
// every index line must lead to a topic with a body.

Hilfetext Mitgeliefert() {
    std::string fehler;
    auto h = HilfedateiLaden(test::Quelle("../data/ZX2005.ZXH"), fehler);
    EXPECT_TRUE(h) << fehler;
    return h ? *h : Hilfetext();
}

// The string literals of a source line, with their positions.
std::vector<std::pair<std::size_t, std::string>> Literale(const std::string& zeile) {
    std::vector<std::pair<std::size_t, std::string>> literale;
    for (std::size_t i = zeile.find('"'); i != std::string::npos; i = zeile.find('"', i + 1)) {
        std::size_t j = i + 1;
        while (j < zeile.size() && zeile[j] != '"') j += zeile[j] == '\\' ? 2 : 1;
        if (j >= zeile.size()) break;
        literale.emplace_back(i, zeile.substr(i + 1, j - i - 1));
        i = j;
    }
    return literale;
}

// Keys in the sources: string literals with a key prefix, and the first literal after a helper
// that names a topic. Comment lines do not count.
std::set<std::string> SchluesselInQuellen(const std::filesystem::path& src) {
    const char* const praefixe[] = {"Menü.", "Dialog.", "Zahlix.", "Symbol.", "Befehl."};
    const char* const helfer[] = {"zahlixHilfethema\"", "HilfeZu(", "DialogKnoepfeBauen(",
                                  "Hilfethema() ="};
    std::set<std::string> schluessel;
    for (const auto& e : std::filesystem::recursive_directory_iterator(src)) {
        const auto endung = e.path().extension();
        if (endung != ".cpp" && endung != ".h") continue;
        std::ifstream in(e.path());
        std::string zeile;
        while (std::getline(in, zeile)) {
            const std::size_t text = zeile.find_first_not_of(' ');
            if (text == std::string::npos || zeile.compare(text, 2, "//") == 0) continue;
            const auto literale = Literale(zeile);
            for (const auto& [pos, l] : literale)
                for (const char* p : praefixe)
                    // "Menü.Statistik." and the like are prefixes the code completes.
                    if (l.rfind(p, 0) == 0 && l.size() > std::string_view(p).size() &&
                        l.back() != '.')
                        schluessel.insert(l);
            for (const char* h : helfer) {
                const std::size_t an = zeile.find(h);
                if (an == std::string::npos) continue;
                for (const auto& [pos, l] : literale)
                    if (pos >= an + std::string_view(h).size() - 1 && l != "zahlixHilfethema") {
                        schluessel.insert(l);
                        break;
                    }
            }
        }
    }
    return schluessel;
}

TEST(MitgelieferteHilfe, JederSchluesselDesProgrammsUndJederLinkHatEinThema) {
    const Hilfetext h = Mitgeliefert();
    std::set<std::string> gesucht = SchluesselInQuellen(test::Quelle("../src"));
    ASSERT_GE(gesucht.size(), 6u) << "the scan no longer finds the help calls";
    // The module topic of every window kind the program registers, and of the frame.
    const std::string liste = test::DateiLesen(test::Quelle("../src/app/ui/fensterliste.cpp"));
    for (const auto& [fenster, thema] : FensterHilfethemen())
        if (fenster == "fZXT" || liste.find("FensterAnmelden(\"" + fenster + "\"") != liste.npos)
            gesucht.insert(thema);
    gesucht.insert("Einführung");
    for (const std::string& k : gesucht) EXPECT_NE(h.Suchen(k), std::string::npos) << k;
    for (const std::string& thema : h.Themen())
        for (const std::string& link : Links(*h.Thema(thema)))
            EXPECT_NE(h.Suchen(link), std::string::npos) << "«" << link << "» in " << thema;
}

TEST(MitgelieferteHilfe, JedesThemaHatTextUndStehtImIndex) {
    const Hilfetext h = Mitgeliefert();
    std::set<std::string> index;
    for (const Indexeintrag& e : h.Index()) {
        index.insert(e.schluessel);
        const auto thema = h.Thema(e.schluessel);
        ASSERT_TRUE(thema) << "index line without topic: " << e.schluessel;
        const std::size_t kopf = thema->find('\n');
        EXPECT_TRUE(kopf != std::string::npos &&
                    thema->find_first_not_of(" \n", kopf) != std::string::npos)
            << "topic without body: " << e.schluessel;
    }
    // A second topic of the same key could never be shown.
    EXPECT_EQ(index.size(), h.Index().size()) << "a key stands twice in the index";
    std::set<std::string> themen;
    for (const std::string& thema : h.Themen()) {
        EXPECT_TRUE(themen.insert(thema).second) << "topic twice: " << thema;
        EXPECT_TRUE(index.count(thema)) << "topic missing from the index: " << thema;
    }
}

}  // namespace
}  // namespace zahlix
