// Saving safely: backups always replace the previous one, the user's protection and symbolic
// links are respected, no temporary file stays, reasons are German.
#include <gtest/gtest.h>

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
    SkriptPort port;
    Ordner() { StartverzeichnisSetzen(pfad()); }
    ~Ordner() { SchreibfehlerNachBytes(std::nullopt); }
    std::string Text(std::size_t i = 0) const { return port.meldungen.at(i).text; }
    int TempDateien() const {
        int n = 0;
        for (const auto& e : fs::recursive_directory_iterator(pfad()))
            n += e.path().extension() == ".tmp";
        return n;
    }
};

const fs::perms kNurLesen = fs::perms::owner_read | fs::perms::group_read;

}  // namespace

TEST(Speichern, SicherungErsetztSchreibgeschuetzteUndBleibtBeiAbbruch) {
    Ordner o;
    const std::string ziel = (o / "l.AS7").string();
    DateiSchreiben(o / "l.AS7", "erste");
    ASSERT_EQ(LottodateiSchreiben(ziel, Beispiel()), 0);
    const std::string jetzt = DateiLesen(o / "l.AS7");
    fs::permissions(o / "Datensicherungen" / "l.AS7", kNurLesen);
    ASSERT_EQ(LottodateiSchreiben(ziel, Beispiel()), 0);
    EXPECT_EQ(DateiLesen(o / "Datensicherungen" / "l.AS7"), jetzt) << "read-only copy replaced";
    SchreibfehlerNachBytes(2);  // a full disk during the backup copy
    DateiSchreiben(o / "Datensicherungen" / "l.AS7", "vorige");
    EXPECT_EQ(LottodateiSchreiben(ziel, Lottodatei{}), -1);
    EXPECT_EQ(DateiLesen(o / "Datensicherungen" / "l.AS7"), "vorige");
    EXPECT_EQ(DateiLesen(o / "l.AS7"), jetzt);
    EXPECT_EQ(o.TempDateien(), 0);
}

TEST(Speichern, SchreibgeschuetzteDateiWirdNichtErsetzt) {
#ifndef _WIN32
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores file modes; run as a normal user";
#endif
    Ordner o;
    DateiSchreiben(o / "l.ZX7", "alt");
    fs::permissions(o / "l.ZX7", kNurLesen);
    EXPECT_EQ(LottodateiSchreiben((o / "l.ZX7").string(), Beispiel()), -1);
    EXPECT_EQ(DateiLesen(o / "l.ZX7"), "alt");
    EXPECT_NE(o.Text().find("Zugriff verweigert"), std::string::npos) << o.Text();
    EXPECT_FALSE(fs::exists(o / "Datensicherungen" / "l.ZX7")) << "no backup of a refused save";
}

TEST(Speichern, VerknuepfungBleibtUndIhrZielWirdErsetzt) {
    Ordner o;
    fs::create_directories(o / "echt");
    DateiSchreiben(o / "echt" / "l.ZX7", "alt");
    std::error_code ec;
    fs::create_symlink(fs::path("echt") / "l.ZX7", o / "link.ZX7", ec);
    if (ec) GTEST_SKIP() << "no symbolic links here";
    ASSERT_EQ(LottodateiSchreiben((o / "link.ZX7").string(), Beispiel()), 0);
    EXPECT_TRUE(fs::is_symlink(o / "link.ZX7"));
    EXPECT_EQ(DateiLesen(o / "echt" / "l.ZX7").size(), 12u + 5 * 12);
}

TEST(Speichern, FehlschlaegeNennenDenGrundAufDeutsch) {
    Ordner o;
    DateiSchreiben(o / "datei", "");
    DateiSchreiben(o / "l.ZX7", "alt");
    const struct {
        fs::path ziel;
        std::string grund;  // "" for success
    } faelle[] = {
        {o / (std::string(246, 'x') + ".ZX7"), ""},
        {o / (std::string(300, 'x') + ".ZX7"), "Der Dateiname ist zu lang"},
        {o / "fehlt" / "x.ZX7", "Die Datei oder der Ordner wurde nicht gefunden"},
        {o / "datei" / "x.ZX7", "Ein Teil des Pfades ist kein Ordner"},
    };
    for (const auto& f : faelle) {
        o.port.meldungen.clear();
        EXPECT_EQ(LottodateiSchreiben(f.ziel.string(), Beispiel()), f.grund.empty() ? 0 : -1);
        if (f.grund.empty()) continue;
        EXPECT_NE(o.Text().find(f.grund), std::string::npos) << o.Text();
        EXPECT_EQ(o.Text().find("bleibt unverändert"), std::string::npos) << "no file before";
    }
    // A backup that cannot be written fails the save and leaves the file alone.
    DateiSchreiben(o / "Datensicherungen", "eine Datei, kein Ordner");
    o.port.meldungen.clear();
    EXPECT_EQ(LottodateiSchreiben((o / "l.ZX7").string(), Beispiel()), -1);
    EXPECT_EQ(DateiLesen(o / "l.ZX7"), "alt");
    EXPECT_NE(o.Text().find("Sicherungskopie"), std::string::npos) << o.Text();
    EXPECT_NE(o.Text().find("bleibt unverändert"), std::string::npos) << o.Text();
    EXPECT_EQ(o.TempDateien(), 0);
}
