// The shipped help file against the program: every key the sources ask for, every link and
// every index line must lead to a topic with a body.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "help/hilfeschluessel.h"
#include "help/hilfetext.h"
#include "support/testdaten.h"

namespace zahlix {
namespace {

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
