// File commands where the user would lose data: another writer since the load, a refused
// file while a history is open, a save that fails on closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/dateibefehle.h"
#include "core/lottodatei_io.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;

namespace {

struct Ordner : Arbeitsordner {
    Ordner() { StartverzeichnisSetzen(pfad()); }
    ~Ordner() {
        SchreibfehlerNachBytes(std::nullopt);
        Programm().uebergabeDatei.clear();
    }
};

const char* kAussen = "Die Datei wurde außerhalb von Zahlix geändert. Trotzdem speichern?";

}  // namespace

TEST(DateiBefehleFehler, ZweiHistorienAufEinerDateiFragenVorDemUeberschreiben) {
    Ordner o;
    SkriptPort port;
    const std::string datei = (o / "l.ZX7").string();
    ASSERT_EQ(LottodateiSchreiben(datei, Beispiel()), 0);
    Lottodatei a, b;
    DateiBefehle fa(a), fb(b);
    for (DateiBefehle* f : {&fa, &fb}) {
        Programm().uebergabeDatei = datei;
        ASSERT_EQ(f->LottodateiOeffnen(), 0);
    }
    a.WocheKennung[4] = 0;  // a drops its last draw
    a.Geaendert = b.Geaendert = true;
    ASSERT_EQ(fa.LottodateiSpeichern(), 0);
    EXPECT_TRUE(port.meldungen.empty()) << "a's own load is the file's state";
    const std::string nachA = DateiLesen(o / "l.ZX7");

    port.tasten = {Taste::Zweite};
    EXPECT_EQ(fb.LottodateiSpeichern(), -1);
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text, datei + "\r" + kAussen);
    EXPECT_EQ(port.meldungen[0].vorbelegt, Taste::Zweite);
    EXPECT_EQ(DateiLesen(o / "l.ZX7"), nachA);
    EXPECT_TRUE(b.Geaendert);

    port.tasten = {Taste::Erste};
    EXPECT_EQ(fb.LottodateiSpeichern(), 0);
    EXPECT_EQ(DateiLesen(o / "l.ZX7").size(), 12u + 5 * 12);
    EXPECT_EQ(fb.LottodateiSpeichern(), 0) << "b's own save is the file's state now";
    EXPECT_EQ(port.meldungen.size(), 2u);
}

TEST(DateiBefehleFehler, DateiOhneKennzeichenLaesstDieHistorieStehen) {
    Ordner o;
    SkriptPort port;
    DateiSchreiben(o / "fremd.ZX7", "kein Lotto");
    Lottodatei d = Beispiel();
    d.Dateiname = "meine.ZX7";
    d.Geaendert = true;
    DateiBefehle f(d);
    port.dateien = {(o / "fremd.ZX7").string()};
    EXPECT_EQ(f.LottodateiOeffnen(), -1);
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text, "Die Datei " + (o / "fremd.ZX7").string() +
                                          " ist keine Lottodatei: das Kennzeichen am "
                                          "Dateianfang fehlt.\r\nDie bisherigen Lottodaten "
                                          "bleiben geöffnet.");
    EXPECT_EQ(d.Dateiname, "meine.ZX7");
    EXPECT_EQ(d.Anzahl(), 5);
    EXPECT_TRUE(d.Geaendert);

    // At start-up a missing start file stays silent: there is nothing to keep.
    Lottodatei leer;
    DateiBefehle start(leer);
    Programm().uebergabeDatei = (o / "fehlt.ZX7").string();
    EXPECT_EQ(start.LottodateiOeffnen(), -1);
    EXPECT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(leer.Dateiname, "OhneName.ZX7");
}

TEST(DateiBefehleFehler, FehlgeschlagenesSpeichernBeimSchliessenSagtDassDasFensterBleibt) {
    Ordner o;
    SkriptPort port;
    Lottodatei d = Beispiel();
    d.Dateiname = (o / "s.ZX7").string();
    d.Geaendert = true;
    SchreibfehlerNachBytes(5);
    port.tasten = {Taste::Erste};
    EXPECT_FALSE(DateiBefehle(d).Schliessen());
    ASSERT_EQ(port.meldungen.size(), 3u);
    EXPECT_EQ(port.meldungen[2].text,
              d.Dateiname + "\rDie Änderungen wurden nicht gespeichert. Das Fenster bleibt geöffnet.");
    EXPECT_TRUE(d.Geaendert);
}

TEST(DateiBefehleFehler, ErfolgreichesSpeichernWirdKurzGemeldet) {
    Ordner o;
    SkriptPort port;
    Lottodatei d = Beispiel();
    d.Dateiname = (o / "k.ZX7").string();
    std::vector<std::string> kurz;
    DateiFensterRueckrufe r;
    r.kurzmeldung = [&kurz](const std::string& t) { kurz.push_back(t); };
    DateiBefehle f(d, r);
    EXPECT_EQ(f.LottodateiSpeichern(), 0);
    SchreibfehlerNachBytes(3);
    EXPECT_EQ(f.LottodateiSpeichern(), -1);
    EXPECT_EQ(kurz, (std::vector<std::string>{" Gespeichert: k.ZX7"}));
}
