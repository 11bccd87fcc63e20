// The predefined lotteries of an installation reach a fresh start folder, and only a fresh one.
#include "app/vorlagen.h"

#include <gtest/gtest.h>

#include "support/testdaten.h"

using namespace zahlix;
namespace fs = std::filesystem;

TEST(Vorlagen, ErsterStartBekommtDieLotterienDerInstallation) {
    test::Arbeitsordner o;
    fs::create_directories(o / "usr/bin");
    fs::create_directories(o / "usr/share/zahlix");
    fs::create_directories(o / "start");
    test::DateiSchreiben(o / "usr/share/zahlix/Samstaglotto.ZX7", "samstag");
    test::DateiSchreiben(o / "usr/share/zahlix/Mittwochlotto.ZX7", "mittwoch");

    const auto kopiert = VordefinierteDateienBereitstellen(o / "start", o / "usr/bin");
    EXPECT_EQ(kopiert.size(), 2u);
    EXPECT_EQ(test::DateiLesen(o / "start/Samstaglotto.ZX7"), "samstag");

    // The user's own file is never replaced, and a removed one does not come back.
    test::DateiSchreiben(o / "start/Samstaglotto.ZX7", "eigene");
    fs::remove(o / "start/Mittwochlotto.ZX7");
    EXPECT_TRUE(VordefinierteDateienBereitstellen(o / "start", o / "usr/bin").empty());
    EXPECT_EQ(test::DateiLesen(o / "start/Samstaglotto.ZX7"), "eigene");
    EXPECT_FALSE(fs::exists(o / "start/Mittwochlotto.ZX7"));
}
