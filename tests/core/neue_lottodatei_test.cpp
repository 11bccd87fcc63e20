#include "core/neue_lottodatei.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/skript_port.h"
#include "core/bereich.h"
#include "support/lotto_beispiele.h"

using namespace zahlix;
using namespace zahlix::test;

TEST(NameMitEndung, SchneidetNachDemErstenPunktDesDateinamens) {
    struct Fall {
        const char* name;
        const char* ergebnis;
    };
    const std::vector<Fall> faelle = {
        {"Test", "Test.ZX7"},
        {"lotto.alt.zx7", "lotto.ZX7"},
        {"lotto.", "lotto.ZX7"},
        {"  Meine Zahlen  ", "Meine Zahlen.ZX7"},
        {"C:\\Daten.2024\\lotto", "C:\\Daten.2024\\lotto.ZX7"},
        {"/home/u/v1.2/lotto.as7", "/home/u/v1.2/lotto.ZX7"},
        {"C:lotto.txt", "C:lotto.ZX7"},
        {"Größte Übersicht", "Größte Übersicht.ZX7"},
    };
    SkriptPort port;
    for (const Fall& f : faelle) EXPECT_EQ(NameMitEndung(f.name, "ZX7"), f.ergebnis) << f.name;
    EXPECT_TRUE(port.meldungen.empty());
}

TEST(NameMitEndung, UnbrauchbareNamenWerdenOhneName) {
    for (const char* name : {"", "   ", ".", ".zx7", "C:\\Daten\\", "/tmp/", "C:", "C:\\Daten\\.x",
                             "ordner/.versteckt"}) {
        SkriptPort port;
        EXPECT_EQ(NameMitEndung(name, "AS7"), "OhneName.AS7") << name;
        ASSERT_EQ(port.meldungen.size(), 1u) << name;
        EXPECT_EQ(port.meldungen[0].text, "Es wurde kein gültiger Dateiname eingegeben");
    }
}

TEST(NeueLottodatei, StandardwerteDesDialogs) {
    SkriptPort port;
    Lottodatei d = Beispiel();
    d.Geaendert = true;
    NeueLottodateiAnlegen(d, "OhneName.ZX7", 49, 1, 2000);
    EXPECT_EQ(d.Dateiname, "OhneName.ZX7");
    EXPECT_EQ(d.GroessteZahl, 49);
    EXPECT_EQ(d.LetzterIndex, 0);
    EXPECT_EQ(d.WocheKennung[0], 1);
    EXPECT_EQ(d.JahrCode[0], 5120);
    EXPECT_EQ(d.Zahlen(0), (Bitworte{0, 0, 0, 0}));
    EXPECT_EQ(d.ImBereich[0], 0);
    EXPECT_TRUE(LeerAb(d, 1));
    EXPECT_FALSE(d.Geaendert);
    EXPECT_EQ(d.Titel, "01/2000-01/2000  Wo:01-53 ");
}

TEST(NeueLottodatei, WerteAusserhalbDerDialoggrenzen) {
    Lottodatei d;
    Auswertebereich().kennung = "S";
    Auswertebereich().systemdatei = true;
    NeueLottodateiAnlegen(d, "x.y", 60, 0, 2500);
    EXPECT_EQ(d.Dateiname, "x.ZX7");
    EXPECT_EQ(d.GroessteZahl, 49);
    EXPECT_EQ(d.WocheKennung[0], 1);
    EXPECT_EQ(d.JahrCode[0], JahrCodeAusJahr(2099));
    EXPECT_EQ(Auswertebereich().kennung, "");
    EXPECT_FALSE(Auswertebereich().systemdatei);
    NeueLottodateiAnlegen(d, "x", 3, 60, 1000);
    EXPECT_EQ(d.GroessteZahl, 7);
    EXPECT_EQ(d.WocheKennung[0], 53);
    EXPECT_EQ(d.JahrCode[0], kJahrCode1900);
}

TEST(LeereLottodatei, PlatzhalterUndBereich) {
    Lottodatei d = Beispiel();
    d.Geaendert = true;
    d.Dateiname = "woanders.ZX7";
    LeereLottodateiAnlegen(d);
    EXPECT_EQ(d.Dateiname, "OhneName.ZX7");
    EXPECT_EQ(d.Anzahl(), 1);
    EXPECT_EQ(d.LetzterIndex, 0);
    EXPECT_EQ(d.Zahlen(0), (Bitworte{0, 0, 0, 0}));
    EXPECT_EQ(d.WocheKennung[0], 1);
    EXPECT_EQ(d.JahrCode[0], 4864);
    EXPECT_EQ(d.ImBereich[0], 0);
    EXPECT_TRUE(LeerAb(d, 1));
    EXPECT_FALSE(d.Geaendert);
    EXPECT_EQ(Auswertebereich().jahrBis, 1900);
    EXPECT_EQ(d.Titel.substr(0, 15), "01/1900-01/1900");
}
