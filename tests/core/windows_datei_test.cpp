// Windows's own ways of losing a file: names it refuses or changes, other programs holding the
// file, attributes a save must keep. Runs under Wine in scripts/windows-test.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/dateisperre.h"
#include "core/lottodatei_io.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;
namespace fs = std::filesystem;

TEST(WindowsDatei, UnzulaessigeNamenWerdenWederGeschriebenNochGelesen) {
    Arbeitsordner o;
    DateiSchreiben(o / "x.ZX7", "alt");
    for (const char* name : {"CON.ZX7", "aux.AS7", "x.ZX7.", "x.ZX7 ", "x.ZX7:strom"}) {
        std::string fehler, inhalt;  // reading a device would wait forever
        EXPECT_FALSE(DateiAtomarSchreiben(o.pfad() / name, "neu", fehler)) << name;
        EXPECT_FALSE(GanzEinlesen(o.pfad() / name, inhalt, fehler)) << name;
        EXPECT_NE(fehler.find("nter Windows"), std::string::npos) << fehler;
    }
    EXPECT_EQ(DateiLesen(o / "x.ZX7"), "alt");
    // Near the path limit the lock sits on the file itself: its companion would not fit.
    const fs::path lang = o / (std::string(250 - o.pfad().native().size(), 'c') + ".ZX7");
    DateiSchreiben(lang, "alt");
    std::string fehler;
    EXPECT_TRUE(Dateisperre::Nehmen(lang, fehler).Gehalten() && !fs::exists(SperrdateiPfad(lang)));
}

TEST(WindowsDatei, UmlauteAttributeUndAndereProgramme) {
    Arbeitsordner o;
    SkriptPort port;
    const fs::path ziel = o.pfad() / PfadVonName("Glückszahlen Ä.ZX7");
    const std::string name = TextAusPfad(ziel);
    ASSERT_EQ(LottodateiSchreiben(name, Beispiel()), 0);
    SetFileAttributesW(ziel.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_EQ(LottodateiSchreiben(name, Beispiel()), 0);
    EXPECT_TRUE(GetFileAttributesW(ziel.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "attribute lost";
    const std::string vorher = DateiLesen(ziel);
    for (const DWORD teilen : {0ul, 1ul * (FILE_SHARE_READ | FILE_SHARE_WRITE)}) {
        HANDLE h = CreateFileW(ziel.c_str(), GENERIC_READ, teilen, nullptr, OPEN_EXISTING, 0, 0);
        EXPECT_EQ(LottodateiSchreiben(name, Lottodatei{}), -1) << teilen;
        EXPECT_NE(port.meldungen.back().text.find("von einem anderen Programm verwendet"),
                  std::string::npos);
        CloseHandle(h);
        EXPECT_EQ(DateiLesen(ziel), vorher);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(o.pfad()), {}), 2) << "a temporary file stayed";
}
#endif
