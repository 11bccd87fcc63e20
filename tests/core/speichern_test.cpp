// Saving safely: backups of the previous version always replace the one before, the user's
// protection and symbolic links are respected, a failure leaves the target alone, no temporary
// file stays, reasons are German; round trips over the public draw history.
#include <gtest/gtest.h>

#include <chrono>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/dateiname.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {

struct Ordner : Startordner {
    SkriptPort port;
    std::string Text(std::size_t i = 0) const { return port.meldungen.at(i).text; }
    int TempDateien() const {
        int n = 0;
        for (const auto& e : fs::recursive_directory_iterator(pfad()))
            n += e.path().extension() == ".tmp";
        return n;
    }
};

long DateienIn(const fs::path& p) {
    return std::distance(fs::directory_iterator(p), {});
}

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
    Ordner o;
    fs::permissions(o.pfad(), fs::perms::all);
    DateiSchreiben(o / "l.ZX7", "alt");
    fs::permissions(o / "l.ZX7", kNurLesen | fs::perms::others_read);
    EXPECT_TRUE(OhneRootRechte([&] {
        EXPECT_EQ(LottodateiSchreiben((o / "l.ZX7").string(), Beispiel()), -1);
        EXPECT_EQ(DateiLesen(o / "l.ZX7"), "alt");
        const char* grund = kWindowsNamen ? "Die Datei ist schreibgeschützt" : "Zugriff verweigert";
        EXPECT_NE(o.Text().find(grund), std::string::npos) << o.Text();
        EXPECT_FALSE(fs::exists(o / "Datensicherungen" / "l.ZX7")) << "backup of a refused save";
        return !testing::Test::HasFailure();
    }));
}

TEST(Speichern, ModusBesitzerUndGruppeBleiben) {
    if (kWindowsNamen) GTEST_SKIP() << "Windows has no modes, owners or groups to keep";
    Ordner o;
    fs::permissions(o.pfad(), fs::perms::all);  // a folder shared with the group
    const fs::path ziel = o / "l.ZX7";
    for (const auto rechte : {fs::perms(0600), fs::perms(0660)}) {
        DateiSchreiben(ziel, "alt");
        fs::permissions(ziel, rechte);
        ASSERT_EQ(LottodateiSchreiben(ziel.string(), Beispiel()), 0);
        EXPECT_EQ(fs::status(ziel).permissions(), rechte);
        EXPECT_EQ(fs::status(o / "Datensicherungen" / "l.ZX7").permissions(), rechte);
    }
    EXPECT_EQ(fs::status(o / "Datensicherungen").permissions() & fs::perms::group_write,
              fs::perms::group_write);
#ifndef _WIN32
    if (::geteuid() != 0) return;  // only root can make another user's file
    // Root hands the file back; another user writes root's file in place, in a shared folder
    // and in one that takes no new file, and puts the old content back after a failure.
    struct stat st {};
    ASSERT_EQ(::chown(ziel.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(LottodateiSchreiben(ziel.string(), Beispiel()), 0);
    EXPECT_TRUE(::stat(ziel.c_str(), &st) == 0 && st.st_uid == kNobody && st.st_gid == kNobody);
    fs::permissions(o / "Datensicherungen", fs::perms::all);
    for (const auto ordner : {fs::perms::all, fs::perms(0755)}) {
        fs::permissions(o.pfad(), ordner);
        DateiSchreiben(ziel, "alt");
        ASSERT_TRUE(::chown(ziel.c_str(), 0, 0) == 0 && ::stat(ziel.c_str(), &st) == 0);
        fs::permissions(ziel, fs::perms(0666));
        EXPECT_TRUE(OhneRootRechte([&] {
            SchreibfehlerNachBytes(30);
            const bool gescheitert = LottodateiSchreiben(ziel.string(), Beispiel()) == -1;
            SchreibfehlerNachBytes(std::nullopt);
            return gescheitert && DateiLesen(ziel) == "alt" &&
                   LottodateiSchreiben(ziel.string(), Beispiel()) == 0;
        }));
        struct stat danach {};
        ASSERT_EQ(::stat(ziel.c_str(), &danach), 0);
        EXPECT_EQ(std::tuple(danach.st_uid, danach.st_ino, danach.st_size),
                  std::tuple(0u, st.st_ino, 12 + 5 * 12l));
        EXPECT_EQ(o.TempDateien(), 0);
    }
#endif
}

TEST(Speichern, ResteAbgebrochenerSpeicherungenVerschwinden) {
    Ordner o;
    fs::create_directories(o / "Datensicherungen" / "~zxabcdef.tmp");
    const std::vector<std::string> weg = {"~zx0a1b2c.tmp", "Datensicherungen/~zx99ff00.tmp"};
    // Distinct also where names ignore case.
    const std::vector<std::string> bleiben = {"~zx0A1B2D.tmp", "~zx0a1b2.tmp", "a~zx0a1b2c.tmp",
                                              "~zx0a1b2c.tmp.ZX7",
                                              "Datensicherungen/~zxabcdef.tmp"};
    const auto alt = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const auto* namen : {&weg, &bleiben})
        for (const std::string& n : *namen) {
            if (!fs::exists(o / n)) DateiSchreiben(o / n, "rest");
            std::error_code ec;  // Windows cannot date a folder back: it is new, so it stays anyway
            fs::last_write_time(o / n, alt, ec);
        }
    DateiSchreiben(o / "~zx123456.tmp", "eben erst angelegt");
    DateiSchreiben(o / "l.ZX7", "alt");
    ASSERT_EQ(LottodateiSchreiben((o / "l.ZX7").string(), Beispiel()), 0);
    for (const std::string& n : weg) EXPECT_FALSE(fs::exists(o / n)) << n;
    for (const std::string& n : bleiben) EXPECT_TRUE(fs::exists(o / n)) << n;
    EXPECT_TRUE(fs::exists(o / "~zx123456.tmp"));
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
        // Windows stops at 259 characters for the whole path, elsewhere at 255 for the name.
        {o / (std::string(kWindowsNamen ? 254 - o.pfad().native().size() : 246, 'x') + ".ZX7"), ""},
        {o / (std::string(300, 'x') + ".ZX7"), "Der Dateiname ist zu lang"},
        {o / "fehlt" / "x.ZX7", "Die Datei oder der Ordner wurde nicht gefunden"},
        {o / "datei" / "x.ZX7",  // Windows says the folder is missing
         kWindowsNamen ? "wurde nicht gefunden" : "Ein Teil des Pfades ist kein Ordner"},
    };
    for (const auto& f : faelle) {
        o.port.meldungen.clear();
        EXPECT_EQ(LottodateiSchreiben(f.ziel.string(), Beispiel()), f.grund.empty() ? 0 : -1);
        if (f.grund.empty()) continue;
        EXPECT_NE(o.Text().find(f.grund), std::string::npos) << o.Text();
        EXPECT_EQ(o.Text().find("bleibt unverändert"), std::string::npos) << "no file before";
    }
    EXPECT_FALSE(fs::exists(o / "fehlt")) << "no folder made for a save";
#ifndef _WIN32
    // A pipe behind a link stays a pipe.
    ASSERT_EQ(::mkfifo((o / "f").c_str(), 0600), 0);
    fs::create_symlink("f", o / "x.ZX7");
    o.port.meldungen.clear();
    EXPECT_EQ(LottodateiSchreiben((o / "x.ZX7").string(), Beispiel()), -1);
    EXPECT_NE(o.Text().find("keine gewöhnliche Datei, sondern"), std::string::npos) << o.Text();
    std::string fehler;
    EXPECT_FALSE(DateiAtomarSchreiben(o / "x.ZX7", "x", fehler));
    EXPECT_TRUE(fs::is_fifo(o / "f"));
#endif
    // A backup that cannot be written fails the save and leaves the file alone.
    DateiSchreiben(o / "Datensicherungen", "eine Datei, kein Ordner");
    o.port.meldungen.clear();
    EXPECT_EQ(LottodateiSchreiben((o / "l.ZX7").string(), Beispiel()), -1);
    EXPECT_EQ(DateiLesen(o / "l.ZX7"), "alt");
    EXPECT_NE(o.Text().find("Sicherungskopie"), std::string::npos) << o.Text();
    EXPECT_NE(o.Text().find("bleibt unverändert"), std::string::npos) << o.Text();
    EXPECT_EQ(o.TempDateien(), 0);
}

TEST(LottodateiSichern, VorherigeFassungLiegtImSicherungsordner) {
    Ordner o;
    DateiSchreiben(o / "l.AS7", "alt");
    ASSERT_EQ(LottodateiSchreiben((o / "l.AS7").string(), Beispiel()), 0);
    EXPECT_EQ(DateiLesen(o / "Datensicherungen" / "l.AS7"), "alt");
    EXPECT_EQ(DateiLesen(o / "l.AS7"), DateiLesen(Quelle("core/golden/beispiel.AS7")));
    ASSERT_EQ(LottodateiSchreiben((o / "l.AS7").string(), Lottodatei{}), 0);
    EXPECT_EQ(DateiLesen(o / "Datensicherungen" / "l.AS7"),
              DateiLesen(Quelle("core/golden/beispiel.AS7")))
        << "der Ordner hält immer die zuletzt ersetzte Fassung";
    EXPECT_EQ(DateiLesen(o / "l.AS7"), "");
    EXPECT_EQ(DateienIn(o.pfad()), 2) << "keine temporäre Datei bleibt liegen";
}

TEST(LottodateiSichern, OhneSicherungsordnerDerOrdnerDerDatei) {
    Ordner o;
    Programm().sicherungsordner.clear();
    fs::create_directories(o / "sub");
    DateiSchreiben(o / "sub" / "x.ZX7", "vorher");
    DateiSichern((o / "sub" / "x.ZX7").string());
    EXPECT_EQ(DateiLesen(o / "sub" / "Datensicherungen" / "x.ZX7"), "vorher");
    EXPECT_EQ(DateiLesen(o / "sub" / "x.ZX7"), "vorher") << "das Original bleibt stehen";
    StartverzeichnisSetzen(o.pfad());
}

TEST(LottodateiSichern, DateiImSicherungsordnerSelbst) {
    Ordner o;
    fs::create_directories(o / "Datensicherungen");
    const fs::path p = o / "Datensicherungen" / "s.ZX7";
    DateiSchreiben(p, "x");
    ASSERT_EQ(LottodateiSchreiben(p.string(), Beispiel()), 0);
    EXPECT_EQ(DateiLesen(p).size(), 12u + 5 * 12);
    EXPECT_EQ(DateienIn(o / "Datensicherungen"), 1);
}

TEST(LottodateiSichern, FehlgeschlagenesSchreibenLaesstZielStehen) {
    Ordner o;
    const fs::path ziel = o / "z.ZX7";
    ASSERT_EQ(LottodateiSchreiben(ziel.string(), Beispiel()), 0);
    ASSERT_EQ(LottodateiSchreiben(ziel.string(), Beispiel()), 0);
    const std::string vorher = DateiLesen(ziel);
    Lottodatei neu = Beispiel();
    neu.GroessteZahl = 45;
    for (std::size_t n : {0u, 1u, 30u, 71u}) {
        SchreibfehlerNachBytes(n);
        EXPECT_EQ(LottodateiSchreiben(ziel.string(), neu), -1) << n;
        EXPECT_EQ(DateiLesen(ziel), vorher) << n;
        EXPECT_EQ(DateiLesen(o / "Datensicherungen" / "z.ZX7"), vorher) << n;
    }
    EXPECT_EQ(DateienIn(o.pfad()), 2) << "die temporäre Datei ist wieder weg";
    ASSERT_EQ(o.port.meldungen.size(), 4u);
    EXPECT_EQ(o.port.meldungen[0].symbol, Symbol::Kritisch);
    EXPECT_EQ(o.port.meldungen[0].titel, "Zahlix");
    EXPECT_NE(o.port.meldungen[0].text.find(ziel.string() + " konnte nicht geschrieben werden"),
              std::string::npos)
        << o.port.meldungen[0].text;
    // Exactly as many bytes as the image has still succeed.
    SchreibfehlerNachBytes(72);
    EXPECT_EQ(LottodateiSchreiben(ziel.string(), neu), 0);
}

TEST(EchteDaten, As7UeberZx7ZurueckBytegleich) {
    ZAHLIX_BRAUCHT_DATEI(quelle, "Lotto6aus49.AS7");
    Ordner o;
    Lottodatei d;
    ASSERT_EQ(LottodateiLaden(quelle.string(), d), 0);
    EXPECT_EQ(d.Anzahl(), 5031);
    EXPECT_EQ(d.GroessteZahl, 49);
    ASSERT_EQ(LottodateiSchreiben((o / "l.ZX7").string(), d), 0);
    EXPECT_EQ(fs::file_size(o / "l.ZX7"), 12u + 5031 * 12);
    Lottodatei e;
    ASSERT_EQ(LottodateiLaden((o / "l.ZX7").string(), e), 0);
    EXPECT_EQ(Felder(e), Felder(d));
    ASSERT_EQ(LottodateiSchreiben((o / "l.AS7").string(), e), 0);
    EXPECT_TRUE(DateiLesen(o / "l.AS7") == DateiLesen(quelle));
    EXPECT_TRUE(o.port.meldungen.empty());
}
