// File commands where data could be lost: another writer since the load, a refused file while
// a history is open, a save that fails or a prompt closed with Esc on closing.
#include <gtest/gtest.h>

#include <thread>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/dateibefehle.h"
#include "core/dateisperre.h"
#include "core/import_befehl.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "support/lotto_beispiele.h"
#include "support/speichergrenze.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;

namespace {

struct Ordner : Arbeitsordner {
    SkriptPort port;
    Ordner() { StartverzeichnisSetzen(pfad()); }
    ~Ordner() {
        SchreibfehlerNachBytes(std::nullopt);
        Programm().uebergabeDatei.clear();
    }
};

}  // namespace

TEST(DateiBefehleFehler, ZweiHistorienAufEinerDatei) {
    Ordner o;
    const std::string datei = (o / "l.ZX7").string();
    ASSERT_EQ(LottodateiSchreiben(datei, Beispiel()), 0);
    Lottodatei a, b;
    std::vector<std::string> kurz;
    DateiFensterRueckrufe r;
    r.kurzmeldung = [&kurz](const std::string& t) { kurz.push_back(t); };
    DateiBefehle fa(a, r), fb(b);
    for (DateiBefehle* f : {&fa, &fb}) {
        Programm().uebergabeDatei = datei;
        ASSERT_EQ(f->LottodateiOeffnen(), 0);
    }
    a.WocheKennung[4] = 0;  // a drops its last draw and saves first
    ASSERT_EQ(fa.LottodateiSpeichern(), 0);
    EXPECT_EQ(kurz, (std::vector<std::string>{" Gespeichert: l.ZX7"}));
    const std::string nachA = DateiLesen(o / "l.ZX7");
    b.Geaendert = true;
    o.port.tasten = {Taste::Zweite, Taste::Erste};
    EXPECT_EQ(fb.LottodateiSpeichern(), -1);
    EXPECT_EQ(o.port.MeldungsTexte(),
              std::vector<std::string>{
                  datei + "\rDie Datei wurde außerhalb von Zahlix geändert. Trotzdem speichern?"});
    EXPECT_EQ(o.port.meldungen.at(0).vorbelegt, Taste::Zweite);
    EXPECT_EQ(DateiLesen(o / "l.ZX7"), nachA);
    EXPECT_TRUE(b.Geaendert);
    EXPECT_EQ(fb.LottodateiSpeichern(), 0);  // Ja
    EXPECT_EQ(fb.LottodateiSpeichern(), 0) << "b's own save is the file's state now";
    EXPECT_EQ(o.port.meldungen.size(), 2u);
    // A writer holding the lock goes first; b waits for it and then sees its change too.
    std::string fehler;
    Dateisperre andere = Dateisperre::Nehmen(o / "l.ZX7", fehler);
    std::thread t([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        DateiSchreiben(o / "l.ZX7", "anders");
        andere.Freigeben();
    });
    EXPECT_EQ(fb.LottodateiSpeichern(), -1);
    t.join();
    EXPECT_EQ(o.port.meldungen.size(), 3u);
    EXPECT_EQ(DateiLesen(o / "l.ZX7"), "anders");
}

// Files too big for the memory left: a German message each, the history as it was.
TEST(DateiBefehleFehler, SpeichermangelLaesstDieHistorieStehen) {
    Ordner o;
    const std::string datei = (o / "l.ZX7").string(), quelle = (o / "q.csv").string();
    ASSERT_EQ(LottodateiSchreiben(datei, Beispiel()), 0);
    DateiSchreiben(o / "q.csv", std::string(100000, '\n'));
    Lottodatei d = Beispiel();
    const std::string vorher = *LottodateiKodieren(d, Lottoformat::AS7);
    DateiBefehle f(d);
    o.port.dateien = {datei, quelle};
    SpeichergrenzeSetzen(20000);
    EXPECT_EQ(f.LottodateiOeffnen(), -1);
    EXPECT_FALSE(LottodateiHinzufuegen(d));
    SpeichergrenzeSetzen(SIZE_MAX);
    EXPECT_EQ(*LottodateiKodieren(d, Lottoformat::AS7), vorher);
    ASSERT_EQ(o.port.meldungen.size(), 2u);
    for (const auto& m : o.port.meldungen)
        EXPECT_NE(m.text.find("reicht der Arbeitsspeicher nicht"), std::string::npos) << m.text;
    EXPECT_FALSE(o.port.beschaeftigt.back());
    // A bad line is named before the question about the identifiers.
    DateiSchreiben(o / "q.csv", "05.01.2005;1;2;3;4;5;6\n12.01.2005;1;2;3;4;5;50\n");
    o.port.dateien = {quelle};
    EXPECT_FALSE(LottodateiHinzufuegen(d));
    EXPECT_NE(o.port.MeldungsTexte().at(2).find("Zeile 2: Die Zahl 50"), std::string::npos);
}

TEST(DateiBefehleFehler, DateiOhneKennzeichenLaesstDieHistorieStehen) {
    Ordner o;
    DateiSchreiben(o / "fremd.ZX7", "kein Lotto");
    Lottodatei d = Beispiel();
    d.Dateiname = "meine.ZX7";
    d.Geaendert = true;
    o.port.dateien = {(o / "fremd.ZX7").string()};
    EXPECT_EQ(DateiBefehle(d).LottodateiOeffnen(), -1);
    EXPECT_EQ(o.port.MeldungsTexte(),
              std::vector<std::string>{"Die Datei " + (o / "fremd.ZX7").string() +
                                       " ist keine Lottodatei: das Kennzeichen am Dateianfang "
                                       "fehlt.\r\nDie bisherigen Lottodaten bleiben geöffnet."});
    EXPECT_EQ(d.Dateiname, "meine.ZX7");
    EXPECT_EQ(d.Anzahl(), 5);
    EXPECT_TRUE(d.Geaendert);
    // At start-up a missing start file stays silent: there is nothing to keep.
    Lottodatei leer;
    Programm().uebergabeDatei = (o / "fehlt.ZX7").string();
    EXPECT_EQ(DateiBefehle(leer).LottodateiOeffnen(), -1);
    EXPECT_EQ(o.port.meldungen.size(), 1u);
}

TEST(DateiBefehleFehler, SchliessenScheitertOhneVerlust) {
    const struct {
        Taste antwort;
        std::size_t meldungen;  // the prompt, the write error, "bleibt geöffnet"
    } faelle[] = {{Taste::Erste, 3}, {Taste::Geschlossen, 1}};
    for (const auto& f : faelle) {
        Ordner o;
        Lottodatei d = Beispiel();
        d.Dateiname = (o / "s.ZX7").string();
        d.Geaendert = true;
        SchreibfehlerNachBytes(5);
        o.port.tasten = {f.antwort};
        EXPECT_FALSE(DateiBefehle(d).Schliessen());
        EXPECT_TRUE(d.Geaendert);
        ASSERT_EQ(o.port.meldungen.size(), f.meldungen);
        if (f.meldungen == 3) {
            EXPECT_EQ(o.port.meldungen[2].text,
                      d.Dateiname +
                          "\rDie Änderungen wurden nicht gespeichert. Das Fenster "
                          "bleibt geöffnet.");
        }
    }
}
