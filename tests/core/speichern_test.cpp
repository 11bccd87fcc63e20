// Saving a lottery file safely: backups that always replace the previous one, the user's
// protection and symbolic links respected, no temporary files left, German reasons.
#include <gtest/gtest.h>

#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/lottodatei_io.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {

struct Ordner : Arbeitsordner {
    Ordner() { StartverzeichnisSetzen(pfad()); }
    ~Ordner() { SchreibfehlerNachBytes(std::nullopt); }
};

bool AlsRoot() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

int TempDateien(const fs::path& ordner) {
    int n = 0;
    for (const auto& e : fs::recursive_directory_iterator(ordner))
        if (e.path().filename().string().ends_with(".tmp")) ++n;
    return n;
}

const fs::perms kNurLesen = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

}  // namespace

TEST(Speichern, SchreibgeschuetzteSicherungWirdTrotzdemErsetzt) {
    Ordner o;
    SkriptPort port;
    const std::string ziel = (o / "l.AS7").string();
    DateiSchreiben(o / "l.AS7", "erste");
    ASSERT_EQ(LottodateiSchreiben(ziel, Lottodatei{}), 0);
    fs::permissions(o / "Datensicherungen" / "l.AS7", kNurLesen);
    ASSERT_EQ(LottodateiSchreiben(ziel, Beispiel()), 0);
    EXPECT_EQ(DateiLesen(o / "Datensicherungen" / "l.AS7"), "") << "the version just replaced";
    EXPECT_TRUE(port.meldungen.empty());
}

TEST(Speichern, FehlgeschlageneSicherungIstFehlgeschlagenesSpeichern) {
    Ordner o;
    SkriptPort port;
    DateiSchreiben(o / "l.ZX7", "alt");
    DateiSchreiben(o / "Datensicherungen", "eine Datei, kein Ordner");
    EXPECT_EQ(LottodateiSchreiben((o / "l.ZX7").string(), Beispiel()), -1);
    EXPECT_EQ(DateiLesen(o / "l.ZX7"), "alt");
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_NE(port.meldungen[0].text.find("Sicherungskopie"), std::string::npos)
        << port.meldungen[0].text;
}

TEST(Speichern, AbgebrocheneSicherungLaesstDieVorigeStehen) {
    Ordner o;
    SkriptPort port;
    const std::string ziel = (o / "l.AS7").string();
    DateiSchreiben(o / "l.AS7", "erste");
    ASSERT_EQ(LottodateiSchreiben(ziel, Beispiel()), 0);
    const std::string jetzt = DateiLesen(o / "l.AS7");
    SchreibfehlerNachBytes(2);  // a full disk during the backup copy
    EXPECT_EQ(LottodateiSchreiben(ziel, Lottodatei{}), -1);
    SchreibfehlerNachBytes(std::nullopt);
    EXPECT_EQ(DateiLesen(o / "Datensicherungen" / "l.AS7"), "erste");
    EXPECT_EQ(DateiLesen(o / "l.AS7"), jetzt);
    EXPECT_EQ(TempDateien(o.pfad()), 0);
}

TEST(Speichern, SchreibgeschuetzteDateiWirdNichtErsetzt) {
    if (AlsRoot()) GTEST_SKIP() << "root ignores file modes; run as a normal user to test this";
    Ordner o;
    SkriptPort port;
    DateiSchreiben(o / "l.ZX7", "alt");
    fs::permissions(o / "l.ZX7", kNurLesen);
    EXPECT_EQ(LottodateiSchreiben((o / "l.ZX7").string(), Beispiel()), -1);
    fs::permissions(o / "l.ZX7", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(DateiLesen(o / "l.ZX7"), "alt");
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_NE(port.meldungen[0].text.find("Zugriff verweigert"), std::string::npos)
        << port.meldungen[0].text;
    EXPECT_FALSE(fs::exists(o / "Datensicherungen" / "l.ZX7")) << "no backup of a refused save";
}

TEST(Speichern, SymbolischeVerknuepfungBleibtUndIhrZielWirdErsetzt) {
    Ordner o;
    SkriptPort port;
    fs::create_directories(o / "echt");
    DateiSchreiben(o / "echt" / "l.ZX7", "alt");
    std::error_code ec;
    fs::create_symlink(fs::path("echt") / "l.ZX7", o / "link.ZX7", ec);
    if (ec) GTEST_SKIP() << "no symbolic links here: " << ec.message();
    ASSERT_EQ(LottodateiSchreiben((o / "link.ZX7").string(), Beispiel()), 0);
    EXPECT_TRUE(fs::is_symlink(o / "link.ZX7"));
    EXPECT_EQ(DateiLesen(o / "echt" / "l.ZX7").size(), 12u + 5 * 12);
    EXPECT_EQ(TempDateien(o.pfad()), 0);
}

TEST(Speichern, LangerNameUndDeutscheGruende) {
    Ordner o;
    DateiSchreiben(o / "datei", "");
    struct Fall {
        fs::path ziel;
        std::string grund;  // "" for success
        bool bestand;       // a file was there before
    };
    const Fall faelle[] = {
        {o / (std::string(246, 'x') + ".ZX7"), "", false},
        {o / (std::string(300, 'x') + ".ZX7"), "Der Dateiname ist zu lang", false},
        {o / "fehlt" / "x.ZX7", "Die Datei oder der Ordner wurde nicht gefunden", false},
        {o / "datei" / "x.ZX7", "Ein Teil des Pfades ist kein Ordner", false},
    };
    for (const Fall& f : faelle) {
        SkriptPort port;
        EXPECT_EQ(LottodateiSchreiben(f.ziel.string(), Beispiel()), f.grund.empty() ? 0 : -1);
        ASSERT_EQ(port.meldungen.size(), f.grund.empty() ? 0u : 1u) << f.grund;
        if (f.grund.empty()) continue;
        const std::string& text = port.meldungen[0].text;
        EXPECT_NE(text.find(f.grund), std::string::npos) << text;
        EXPECT_EQ(text.find("bleibt unverändert") != std::string::npos, f.bestand) << text;
    }
    EXPECT_EQ(TempDateien(o.pfad()), 0);
}
