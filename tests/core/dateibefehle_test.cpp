#include "core/dateibefehle.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/bereich.h"
#include "core/dateisperre.h"
#include "core/import_befehl.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "support/lotto_beispiele.h"
#include "support/speichergrenze.h"
#include "support/testdaten.h"
#include "systems/system_lottodatei.h"

using namespace zahlix;
using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {

// A window stand-in that records what the commands tell it.
struct Fenster {
    Lottodatei d;
    std::vector<std::string> status;
    std::vector<int> freigaben;
    int titel = 0, leeren = 0, auswertungen = 0;
    DateiBefehle befehle{d, Rueckrufe()};

    Fenster() = default;
    explicit Fenster(const Lottodatei& start, bool geaendert = false) : d(start) {
        d.Geaendert = geaendert;
    }

    DateiFensterRueckrufe Rueckrufe() {
        DateiFensterRueckrufe r;
        r.statuszeileSetzen = [this](const std::string& s) { status.push_back(s); };
        r.statuszeileLesen = [this] { return status.empty() ? std::string{} : status.back(); };
        r.titelZeichnen = [this] { ++titel; };
        r.zahlenFreigeben = [this](int n) { freigaben.push_back(n); };
        r.auswahlLeeren = [this] { ++leeren; };
        r.auswerten = [this] { ++auswertungen; };
        return r;
    }
};

struct Umgebung : Startordner {
    SkriptPort port;
    Umgebung() { Programm().uebergabeDatei.clear(); }
    std::string Datei(const std::string& name, const Lottodatei& d = Beispiel()) {
        const std::string p = (pfad() / name).string();
        EXPECT_EQ(LottodateiSchreiben(p, d), 0);
        return p;
    }
};

std::vector<int> Bereich() {
    const Bereichswerte& b = Auswertebereich();
    return {b.wocheVon, b.jahrVon, b.wocheBis, b.jahrBis, b.wochenImJahrVon, b.wochenImJahrBis};
}

}  // namespace

TEST(LottodateiOeffnen, UebergabeLaedtUndSpanntDenBereich) {
    Umgebung u;
    Lottodatei sortiert = HistorieAus(
        {{3, 1999, 0, {1, 2, 3, 4, 5, 6}, 0}, {7, 2004, 'S', {1, 2, 3, 4, 5, 45}, 0}}, 45);
    Programm().uebergabeDatei = u.Datei("h.ZX7", sortiert);
    Fenster f;
    f.d.Geaendert = true;
    Auswertebereich().kennung = "M";
    EXPECT_EQ(f.befehle.LottodateiOeffnen(), 0);
    EXPECT_EQ(Programm().uebergabeDatei, "");
    EXPECT_TRUE(u.port.dateiAnfragen.empty());
    EXPECT_EQ(f.d.Dateiname, (u / "h.ZX7").string());
    EXPECT_EQ(f.d.LetzterIndex, 1);
    EXPECT_EQ(f.d.ImBereich[1], -1);
    EXPECT_FALSE(f.d.Geaendert);
    EXPECT_EQ(Bereich(), (std::vector<int>{3, 1999, 7, 2004, 1, 53}));
    EXPECT_EQ(Auswertebereich().kennung, "");
    EXPECT_EQ(f.d.Titel, BereichText());
    EXPECT_EQ(f.status.front(), " Lade Lottodatei ...");
    EXPECT_EQ(f.freigaben, std::vector<int>{45});
    EXPECT_EQ(f.auswertungen, 1);
    EXPECT_EQ(f.titel, 1);
    EXPECT_EQ(BeschaeftigtZaehler(), 0);
}

TEST(LottodateiOeffnen, DialogFehlschlaegeBehaltenDieHistorie) {
    Umgebung u;
    DateiSchreiben(u / "text.TXT", "1 2 3 4 5 6\nx");
    DateiSchreiben(u / "text.DOC", "x");
    Tippsystem gross;
    gross.reihen.assign(32001, MaskeAus(std::vector{1, 2, 3, 4, 5, 6}));
    DateiSchreiben(u / "gross.ZS3", SystemKodieren(gross, Systemformat::ZS3));
    DateiSchreiben(u / "kaputt.AS7", "1 2 3\r\n");
    struct Fall {
        std::string datei;
        std::vector<std::string> meldungen;
    };
    const std::vector<Fall> faelle = {
        {(u / "fehlt.ZX7").string(),
         {"Die Datei " + (u / "fehlt.ZX7").string() +
          " wurde nicht gefunden.\r\nDie bisherigen Lottodaten bleiben geöffnet."}},
        {(u / "text.TXT").string(),
         {"Die Systemdatei text.TXT, Zeile 2: die Zeile ist keine Reihe aus Zahlen.\r\n"
          "Die bisherigen Lottodaten bleiben geöffnet."}},
        {(u / "gross.ZS3").string(),
         {"Das System gross.ZS3 hat 32.001 Reihen; die Lotto-Auswertung zeigt höchstens 32.000. "
          "Größere Systeme "
          "wertet \"Systemdatei auswerten\" im Menü Datei aus.\r\n"
          "Die bisherigen Lottodaten bleiben geöffnet."}},
        {(u / "text.DOC").string(),
         {(u / "text.DOC").string() + " ist kein gültiger Lotto-Dateiname!"}},
        {(u / "kaputt.AS7").string(),
         {"Die Lottodatei " + (u / "kaputt.AS7").string() +
          " ist fehlerhaft und wurde nicht geladen.\r\n"
          "Zeile 1: zu wenige Werte (3 statt 10)."}},
    };
    for (const Fall& fall : faelle) {
        SkriptPort port;
        port.dateien = {fall.datei};
        Fenster f(Beispiel());
        EXPECT_EQ(f.befehle.LottodateiOeffnen(), -1);
        ASSERT_EQ(port.dateiAnfragen.size(), 1u);
        EXPECT_EQ(port.dateiAnfragen[0].a, "*.ZX7;*.ZX6;*.AS7;*.ZS4;*.ZS3;*.TXT");
        EXPECT_EQ(port.MeldungsTexte(), fall.meldungen) << fall.datei;
        EXPECT_EQ(f.d.Dateiname, "OhneName.ZX7");
        EXPECT_EQ(f.d.Anzahl(), 5);
        EXPECT_EQ(f.leeren, 0);
    }
}

TEST(LottodateiOeffnen, AbbruchBehaeltHistorieUndAenderungen) {
    Umgebung u;
    Fenster f(Beispiel(), true);
    f.d.Dateiname = "offen.ZX7";
    EXPECT_EQ(f.befehle.LottodateiOeffnen(), -1);
    EXPECT_EQ(f.d.Dateiname, "offen.ZX7");
    EXPECT_EQ(Felder(f.d), Felder(Beispiel()));
    EXPECT_TRUE(f.d.Geaendert) << "ungespeicherte Änderungen bleiben markiert";
    EXPECT_EQ(f.leeren, 0);
    // The range still spans the history: the end year is never before the start year.
    EXPECT_EQ(Bereich(), (std::vector<int>{5, 2005, 2, 2005, 1, 53}));

    Fenster neu;  // a window without a history yet is reset
    EXPECT_EQ(neu.befehle.LottodateiOeffnen(), -1);
    EXPECT_EQ(neu.d.WocheKennung[0], 1);
    EXPECT_EQ(neu.leeren, 1);
}

TEST(LottodateiOeffnen, UnmoeglicheWerteImBereichBegrenzt) {
    Umgebung u;
    Fenster f(Beispiel());
    f.d.WocheKennung[0] = 60;
    f.d.JahrCode[0] = 0;
    f.d.WocheKennung[4] = static_cast<int16_t>(WocheKennungAus(0, 'A'));
    f.befehle.LottodateiOeffnen();
    EXPECT_EQ(Bereich(), (std::vector<int>{53, 1900, 1, 1999, 1, 53}));
}

TEST(DateiBefehle, OeffnenFragtErstNachUngespeichertenAenderungen) {
    Umgebung u;
    const std::string anderes = u.Datei("anderes.ZX7");
    const std::string eigenes =
        u.Datei("eigenes.ZX7", HistorieAus({{1, 2000, 0, {1, 2, 3, 4, 5, 6}, 0}}));
    Fenster f;
    Programm().uebergabeDatei = eigenes;
    f.befehle.LottodateiOeffnen();
    f.d.Bitwort1[0] = 7 + 128 * 0;  // an edit
    f.d.Geaendert = true;

    // "Nein": the other file is opened and the edit is gone from memory only.
    u.port.tasten = {Taste::Zweite};
    u.port.dateien = {anderes};
    f.befehle.mDateiOeffnen();
    ASSERT_EQ(u.port.meldungen.size(), 1u);
    const MeldungsAnfrage& m = u.port.meldungen[0];
    EXPECT_EQ(m.text, eigenes + "\r" + "Geänderte Lottodaten speichern?");
    EXPECT_EQ(m.knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(f.d.Dateiname, anderes);
    Lottodatei platte;
    LottodateiLaden(eigenes, platte);
    EXPECT_EQ(platte.Bitwort1[0], 63);

    // "Ja": saved before the next file comes in.
    f.d.Bitwort1[0] = 8193;  // 1 and 13 instead of 3 and 12
    f.d.Geaendert = true;
    u.port.tasten = {Taste::Erste};
    u.port.dateien = {eigenes};
    f.befehle.mDateiOeffnen();
    LottodateiLaden(anderes, platte);
    EXPECT_EQ(platte.Bitwort1[0], 8193);
    EXPECT_EQ(f.d.Dateiname, eigenes);
}

TEST(DateiBefehle, FehlgeschlagenesSpeichernBeimSchliessen) {
    Umgebung u;
    Fenster f;
    Programm().uebergabeDatei = u.Datei("s.ZX7");
    f.befehle.LottodateiOeffnen();
    f.d.Geaendert = true;
    SchreibfehlerNachBytes(5);
    u.port.tasten = {Taste::Erste, Taste::Erste};
    EXPECT_FALSE(f.befehle.Schliessen());
    EXPECT_TRUE(f.d.Geaendert) << "ein ZX7-Speichern setzt Geaendert nur bei Erfolg zurück";
    u.port.dateien = {(u / "s.ZX7").string()};
    f.befehle.mDateiOeffnen();
    EXPECT_TRUE(u.port.dateiAnfragen.empty()) << "ohne gesicherte Änderungen wird nichts geöffnet";
    SchreibfehlerNachBytes(std::nullopt);
    u.port.tasten = {Taste::Zweite};
    EXPECT_TRUE(f.befehle.Schliessen());
    EXPECT_FALSE(f.d.Geaendert);
}

TEST(LottodateiSpeichern, FormateFragenUndBehaltenDenNamen) {
    struct Fall {
        const char* endung;
        const char* frage;  // empty: written without asking
    };
    const std::vector<Fall> faelle = {
        {"ASC",
         "Im ASC-Format werden nur die 6 Zahlen der Ziehung gespeichert!\r\n"
         "Die ASC-Datei kann mit der System-Auswertung geöffnet werden."},
        {"ZX6", "Im alten ZX6-Format werden keine Kennungen gespeichert!"},
        {"ZXT", "Im ZXT-Format werden nur die 7 Zahlen der Ziehung gespeichert!"},
        {"AS7", ""},
    };
    for (const Fall& fall : faelle) {
        for (Taste antwort : {Taste::Zweite, Taste::Erste}) {
            Umgebung u;
            Fenster f(Beispiel(), true);
            f.d.Dateiname = "offen.ZX7";
            const std::string ziel = (u / (std::string("e.") + fall.endung)).string();
            u.port.dateien = {ziel};
            u.port.tasten = {antwort};
            f.befehle.mDateiSpeichernUnter();
            const bool frage = *fall.frage != 0;
            EXPECT_EQ(fs::exists(ziel), !frage || antwort == Taste::Erste) << ziel;
            EXPECT_EQ(f.d.Dateiname, "offen.ZX7") << "ein Export benennt die Historie nicht um";
            EXPECT_TRUE(f.d.Geaendert);
            ASSERT_EQ(u.port.meldungen.size(), frage ? 1u : 0u);
            if (frage) {
                EXPECT_EQ(u.port.meldungen[0].text, fall.frage);
                EXPECT_EQ(u.port.meldungen[0].knoepfe, Knoepfe::OKAbbrechen);
            }
            EXPECT_EQ(u.port.dateiAnfragen[0].a, "*.ZX7;*.ZX6;*.ASC;*.AS7;*.ZXT");
            EXPECT_EQ(f.status, (std::vector<std::string>{" Datei wird gespeichert ...", ""}));
        }
    }
}

TEST(LottodateiSpeichern, Zx7UebernimmtNamenUndSetztGeaendertZurueck) {
    Umgebung u;
    Fenster f(Beispiel(), true);
    const std::string ziel = (u / "neu.zx7").string();
    u.port.dateien = {ziel};
    f.befehle.mDateiSpeichernUnter();
    EXPECT_EQ(f.d.Dateiname, ziel);
    EXPECT_FALSE(f.d.Geaendert);

    // A failed save as keeps the old name and the flag.
    f.d.Geaendert = true;
    u.port.dateien = {(u / "fehlt" / "x.ZX7").string()};
    f.befehle.mDateiSpeichernUnter();
    EXPECT_EQ(f.d.Dateiname, ziel);
    EXPECT_TRUE(f.d.Geaendert);

    u.port.dateien = {(u / "x.DOC").string()};
    const std::size_t vorher = u.port.meldungen.size();
    f.befehle.mDateiSpeichernUnter();
    ASSERT_EQ(u.port.meldungen.size(), vorher + 1);
    EXPECT_EQ(u.port.meldungen.back().text,
              (u / "x.DOC").string() + " ist kein gültiger Lotto-Dateiname!");
    EXPECT_EQ(f.d.Dateiname, ziel);
}

TEST(LottodateiSpeichern, Speichern_UnveraendertFragtMitNeinVorbelegt) {
    Umgebung u;
    Fenster f(Beispiel());
    f.d.Dateiname = (u / "u.ZX7").string();
    f.befehle.mDateiSpeichern();  // closed box: the preset "Nein"
    ASSERT_EQ(u.port.meldungen.size(), 1u);
    EXPECT_EQ(u.port.meldungen[0].text,
              f.d.Dateiname + "\rDaten wurden nicht geändert. Trotzdem speichern?");
    EXPECT_EQ(u.port.meldungen[0].vorbelegt, Taste::Zweite);
    EXPECT_FALSE(fs::exists(f.d.Dateiname));
    u.port.tasten = {Taste::Erste};
    f.befehle.mDateiSpeichern();
    EXPECT_TRUE(fs::exists(f.d.Dateiname));
    f.d.Geaendert = true;
    f.befehle.mDateiSpeichern();
    EXPECT_EQ(u.port.meldungen.size(), 2u) << "Geändertes wird ohne Frage gespeichert";
    EXPECT_FALSE(f.d.Geaendert);
}

TEST(LottodateiSpeichern, SpeichernBehaeltDenNamenNachVorherigemOeffnen) {
    Umgebung u;
    const std::string a = u.Datei("a.ZX7"), b = u.Datei("b.AS7");
    Fenster f;
    u.port.dateien = {a, b};
    f.befehle.mDateiOeffnen();
    f.befehle.mDateiOeffnen();
    f.d.Geaendert = true;
    f.befehle.mDateiSpeichern();
    EXPECT_EQ(f.d.Dateiname, b);
    EXPECT_TRUE(f.d.Geaendert) << "nur ZX7 setzt Geaendert zurück";
}

TEST(DateiBefehle, WerkzeugleisteSpeichertUnbenannteUnterNeuemNamen) {
    // The predefined names are matched exactly; any other name is saved in place.
    for (const std::string name : {"OhneName.ZX7", "Sammel.ZX7", "sammel.ZX7"}) {
        Umgebung u;
        Fenster f(Beispiel());
        const bool unbenannt = name != "sammel.ZX7";
        f.d.Dateiname = unbenannt ? name : (u / name).string();
        f.d.Geaendert = true;
        f.befehle.ToolbarSpeichern();
        EXPECT_EQ(u.port.dateiAnfragen.size(), unbenannt ? 1u : 0u) << name;
        EXPECT_EQ(fs::exists(u / name), !unbenannt) << name;
    }
}

TEST(DateiBefehle, NeueLottodateiNachDerSpeicherfrage) {
    Umgebung u;
    Fenster f(Beispiel());
    f.d.Dateiname = (u / "alt.ZX7").string();
    f.d.Geaendert = true;
    u.port.tasten = {Taste::Erste};
    ASSERT_TRUE(f.befehle.NeueLottodatei("neu", 45, 10, 2024));
    EXPECT_TRUE(fs::exists(u / "alt.ZX7"));
    EXPECT_EQ(f.d.Dateiname, "neu.ZX7");
    EXPECT_EQ(f.d.GroessteZahl, 45);
    EXPECT_EQ(f.freigaben.back(), 45);
    EXPECT_EQ(f.leeren, 1);
    EXPECT_EQ(Bereich(), (std::vector<int>{10, 2024, 10, 2024, 1, 53}));

    f.d.Geaendert = true;
    f.d.Dateiname = (u / "fehlt" / "x.ZX7").string();
    u.port.tasten = {Taste::Erste};
    EXPECT_FALSE(f.befehle.NeueLottodatei("anders", 49, 1, 2000));
    EXPECT_EQ(f.d.GroessteZahl, 45) << "ohne gesicherte Änderungen bleibt alles";
}

TEST(DateiBefehle, LeereLottodatei) {
    Umgebung u;
    Fenster f(Beispiel(), true);
    f.befehle.LeereLottodatei();
    EXPECT_EQ(f.d.Anzahl(), 1);
    EXPECT_FALSE(f.d.Geaendert);
    EXPECT_EQ(f.freigaben, std::vector<int>{49});
    EXPECT_EQ(f.auswertungen, 1);
}

TEST(DateiBefehle, SystemOeffnenUndNurAlsSystemSpeichern) {
    Umgebung u;
    Tippsystem s;
    s.groessteZahl = 45;
    for (const auto& r :
         {std::vector{1, 2, 3, 4, 5, 6}, {40, 41, 42, 43, 44, 45}, {7, 9, 11, 13, 15, 17}})
        s.reihen.push_back(MaskeAus(r));
    std::string fehler;
    ASSERT_TRUE(SystemSchreiben(u / "s.ZS4", s, fehler)) << fehler;
    Fenster f(Beispiel());
    u.port.dateien = {(u / "s.ZS4").string(), (u / "x.ZX7").string(), (u / "y.TXT").string()};
    f.befehle.mDateiOeffnen();
    EXPECT_EQ(SystemAusLottodatei(f.d), s);
    EXPECT_EQ(f.d.Titel, "Systemreihe     1 -     3");
    EXPECT_EQ(f.freigaben.back(), 45);
    f.befehle.mDateiSpeichernUnter();  // a lottery name: refused, nothing written
    EXPECT_FALSE(fs::exists(u / "x.ZX7"));
    EXPECT_NE(u.port.MeldungsTexte().back().find("nie über Ziehungen"), std::string::npos);
    f.befehle.mDateiSpeichernUnter();
    EXPECT_EQ(u.port.dateiAnfragen.back().a, "*.ZS4;*.ZS3;*.TXT");
    Tippsystem gelesen;
    ASSERT_TRUE(SystemLesen(u / "y.TXT", gelesen, fehler)) << fehler;
    EXPECT_EQ(gelesen.reihen, s.reihen);
    EXPECT_EQ(f.d.Dateiname, (u / "y.TXT").string());

    // A lottery window never writes a system file.
    Fenster lotto(Beispiel());
    u.port.dateien = {(u / "z.ZS4").string()};
    lotto.befehle.mDateiSpeichernUnter();
    EXPECT_FALSE(fs::exists(u / "z.ZS4"));
}

// Where data could be lost: another writer since the load, a refused file while a history is
// open, a save that fails or a prompt closed with Esc on closing.
TEST(DateiBefehleFehler, ZweiHistorienAufEinerDatei) {
    Umgebung o;
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
    Umgebung o;
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
    Umgebung o;
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
        Umgebung o;
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
