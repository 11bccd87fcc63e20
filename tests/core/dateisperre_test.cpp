// One writer at a time: a second taker waits and then gets the German reason; the companion
// goes when its holder lets go, and a lock follows a symbolic link to the real file.
#include "core/dateisperre.h"

#include <gtest/gtest.h>

#include <thread>

#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;
namespace fs = std::filesystem;
using std::chrono::milliseconds;

TEST(Dateisperre, ZweiterWartetUndBekommtDieSperreErstNachDemErsten) {
    Arbeitsordner o;
    DateiSchreiben(o / "t.ZX7", "x");
    std::string fehler;
    Dateisperre erste = Dateisperre::Nehmen(o / "t.ZX7", fehler);
    ASSERT_TRUE(erste.Gehalten()) << fehler;
    EXPECT_TRUE(fs::exists(o / ".t.ZX7.zxsperre"));

    Dateisperre zweite = Dateisperre::Nehmen(o / "t.ZX7", fehler, milliseconds(60));
    EXPECT_FALSE(zweite.Gehalten());
    EXPECT_NE(fehler.find("Die Datei t.ZX7 wird gerade"), std::string::npos) << fehler;

    // Let go while the second one waits: it gets the lock within its wait.
    std::thread t([&] {
        std::this_thread::sleep_for(milliseconds(80));
        erste.Freigeben();
    });
    fehler.clear();
    zweite = Dateisperre::Nehmen(o / "t.ZX7", fehler, milliseconds(3000));
    t.join();
    EXPECT_TRUE(zweite.Gehalten()) << fehler;
    zweite.Freigeben();
    EXPECT_FALSE(fs::exists(o / ".t.ZX7.zxsperre")) << "companion left behind";
}

TEST(Dateisperre, VerknuepfungSperrtDieEchteDatei) {
    Arbeitsordner o;
    DateiSchreiben(o / "echt.ZX7", "x");
    std::error_code ec;
    fs::create_symlink(o / "echt.ZX7", o / "link.ZX7", ec);
    if (ec) GTEST_SKIP() << "no symbolic links here";
    std::string fehler;
    Dateisperre a = Dateisperre::Nehmen(o / "link.ZX7", fehler);
    ASSERT_TRUE(a.Gehalten()) << fehler;
    EXPECT_FALSE(Dateisperre::Nehmen(o / "echt.ZX7", fehler, milliseconds(30)).Gehalten());
}
