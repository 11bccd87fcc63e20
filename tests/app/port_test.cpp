#include "app/port.h"

#include <gtest/gtest.h>

#include "app/skript_port.h"
#include "app/vorlagen.h"
#include "support/testdaten.h"

using namespace zahlix;

TEST(Meldung, FlagsErgebenSymbolKnoepfeUndAntwort) {
    SkriptPort port;
    // Closed without a button: the preset answer comes back.
    EXPECT_EQ(Meldung("a", 64, "T"), kOK);
    EXPECT_EQ(port.meldungen.back().symbol, Symbol::Information);
    EXPECT_EQ(port.meldungen.back().knoepfe, Knoepfe::OK);

    EXPECT_EQ(Meldung("b", 324, "T"), kNein);
    EXPECT_EQ(port.meldungen.back().knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(port.meldungen.back().vorbelegt, Taste::Zweite);

    port.tasten = {Taste::Erste};
    EXPECT_EQ(Meldung("c", 36, "T"), kJa);
    EXPECT_EQ(port.meldungen.back().symbol, Symbol::Frage);

    port.tasten = {Taste::Zweite};
    EXPECT_EQ(Meldung("d", 65, "T"), kAbbrechen);
    EXPECT_EQ(Meldung("e", 257 + 48, "T"), kAbbrechen);
    EXPECT_EQ(port.meldungen.back().symbol, Symbol::Ausruf);
    EXPECT_EQ(Meldung("f", 16, "T"), kOK);
    EXPECT_EQ(port.meldungen.back().symbol, Symbol::Kritisch);

    const size_t gezeigt = port.meldungen.size();
    EXPECT_EQ(Meldung("g", 3, "T"), 0);
    EXPECT_EQ(Meldung("h", 64 + 2, "T"), 0);
    EXPECT_EQ(port.meldungen.size(), gezeigt) << "unbekannte Knopfsätze zeigen nichts";

    // An icon value outside the four leaves the icon as it was and the flags untouched.
    EXPECT_EQ(Meldung("i", 80, "T"), 0);
    EXPECT_EQ(Meldung("j", 0, "T"), kOK);
    EXPECT_EQ(port.meldungen.back().symbol, Symbol::Unveraendert);
}

TEST(Beschaeftigt, VerschachteltUndNieUnterNull) {
    SkriptPort port;
    Beschaeftigt(0);
    EXPECT_EQ(BeschaeftigtZaehler(), 0);
    Beschaeftigt(-1);
    Beschaeftigt(-1);
    Beschaeftigt(0);
    EXPECT_EQ(BeschaeftigtZaehler(), 1);
    EXPECT_TRUE(port.beschaeftigt.back()) << "nach dem inneren Ende bleibt die Sanduhr";
    Beschaeftigt(5);
    EXPECT_EQ(BeschaeftigtZaehler(), 1);
    Beschaeftigt(0);
    EXPECT_FALSE(port.beschaeftigt.back());
    Beschaeftigt(0);
    EXPECT_EQ(BeschaeftigtZaehler(), 0);
}

TEST(EreignissePumpen, GedrosseltNachZeit) {
    SkriptPort port;
    EreignissePumpenSofort();
    for (int i = 0; i < 100000; ++i) EreignissePumpen();
    EXPECT_LT(port.pumpen, 50) << "nicht einmal pro Schritt";
    EXPECT_GE(port.pumpen, 1);
}

namespace fs = std::filesystem;
// The predefined lotteries of an installation reach a fresh start folder, and only a fresh one.
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
