// Windows's own ways of losing a file: names it refuses or quietly changes, other programs
// holding the file, attributes a save must keep. Runs under Wine in scripts/windows-test.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/dateisperre.h"
#include "core/lottodatei_io.h"
#include "core/textdatei.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {

struct Ordner : Arbeitsordner {
    SkriptPort port;
    Ordner() { StartverzeichnisSetzen(pfad()); }
    std::string Letzte() const { return port.meldungen.empty() ? "" : port.meldungen.back().text; }
    bool Gemeldet(const std::string& teil) const {
        return Letzte().find(teil) != std::string::npos;
    }
};

}  // namespace

TEST(WindowsDatei, UnzulaessigeNamenWerdenWederGeschriebenNochGelesen) {
    Arbeitsordner o;
    DateiSchreiben(o / "x.ZX7", "alt");
    const struct {
        std::string name, grund;
    } faelle[] = {
        {"CON.ZX7", "Der Name CON ist unter Windows einem Gerät vorbehalten"},
        {"aux.AS7", "Der Name aux ist unter Windows"},
        {"x.ZX7.", "nicht mit einem Punkt oder Leerzeichen enden"},  // would write x.ZX7
        {"x.ZX7 ", "nicht mit einem Punkt oder Leerzeichen enden"},
        {"x.ZX7:strom", "keines der Zeichen"},  // a hidden stream of x.ZX7
        {std::string(130, 'a') + "/" + std::string(130, 'b') + ".ZX7", "länger als die 259"},
    };
    for (const auto& f : faelle) {
        const fs::path p = o.pfad() / PfadVonName(f.name);
        std::string fehler, inhalt;
        EXPECT_FALSE(DateiAtomarSchreiben(p, "neu", fehler)) << f.name;
        EXPECT_NE(fehler.find(f.grund), std::string::npos) << fehler;
        fehler.clear();  // reading a device would wait forever
        EXPECT_FALSE(GanzEinlesen(p, inhalt, fehler)) << f.name;
        EXPECT_NE(fehler.find(f.grund), std::string::npos) << fehler;
    }
    EXPECT_EQ(DateiLesen(o / "x.ZX7"), "alt");
    // The lock of a file near the limit sits on the file itself: its companion would not fit.
    const fs::path lang = o / (std::string(250 - o.pfad().native().size(), 'c') + ".ZX7");
    DateiSchreiben(lang, "alt");
    std::string fehler;
    const Dateisperre sperre = Dateisperre::Nehmen(lang, fehler);
    EXPECT_TRUE(sperre.Gehalten()) << fehler;
    EXPECT_FALSE(fs::exists(SperrdateiPfad(lang)));
}

TEST(WindowsDatei, UmlauteAttributeUndAndereProgramme) {
    Ordner o;
    const fs::path ziel = o.pfad() / PfadVonName("Glückszahlen Ä.ZX7");
    const std::string name = TextAusPfad(ziel);
    ASSERT_EQ(LottodateiSchreiben(name, Beispiel()), 0);
    ASSERT_TRUE(fs::exists(fs::path(L"\\\\?\\" + ziel.native())));
    SetFileAttributesW(ziel.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_EQ(LottodateiSchreiben(name, Beispiel()), 0);
    EXPECT_TRUE(GetFileAttributesW(ziel.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "attribute lost";
    const std::string vorher = DateiLesen(ziel);
    // Another program holding the file, shared for nothing or without delete.
    for (const DWORD teilen : {0ul, 1ul * (FILE_SHARE_READ | FILE_SHARE_WRITE)}) {
        HANDLE h =
            CreateFileW(ziel.c_str(), GENERIC_READ, teilen, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        EXPECT_EQ(LottodateiSchreiben(name, Lottodatei{}), -1) << teilen;
        EXPECT_TRUE(o.Gemeldet("wird gerade von einem anderen Programm verwendet")) << o.Letzte();
        Lottodatei d;
        EXPECT_EQ(LottodateiLaden(name, d), teilen ? 0 : -1) << teilen;
        CloseHandle(h);
        EXPECT_EQ(DateiLesen(ziel), vorher);
    }
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(o.pfad()))
        namen.push_back(TextAusPfad(e.path().filename()));
    EXPECT_EQ(namen.size(), 2u) << "a temporary file stayed: " << testing::PrintToString(namen);
}
#endif
