// Writing safely: backups of the previous version, atomic replacement, failures that leave
// the target alone, and round trips over the public draw history.
#include <gtest/gtest.h>

#include <string>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/lottodatei_format.h"
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

int DateienIn(const fs::path& p) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(p)) ++n;
    return n;
}

}  // namespace

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
    SkriptPort port;
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
    ASSERT_EQ(port.meldungen.size(), 4u);
    EXPECT_EQ(port.meldungen[0].symbol, Symbol::Kritisch);
    EXPECT_EQ(port.meldungen[0].titel, "Zahlix");
    EXPECT_NE(port.meldungen[0].text.find(ziel.string() + " konnte nicht geschrieben werden"),
              std::string::npos)
        << port.meldungen[0].text;
    // Exactly as many bytes as the image has still succeed.
    SchreibfehlerNachBytes(72);
    EXPECT_EQ(LottodateiSchreiben(ziel.string(), neu), 0);
}

TEST(EchteDaten, As7UeberZx7ZurueckBytegleich) {
    ZAHLIX_BRAUCHT_DATEI(quelle, "Lotto6aus49.AS7");
    Ordner o;
    SkriptPort port;
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
    EXPECT_TRUE(port.meldungen.empty());
}
