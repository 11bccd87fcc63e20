#include "core/zahlen.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/skript_port.h"
#include "core/bereich.h"
#include "core/lottodatei.h"
#include "core/neue_lottodatei.h"
#include "support/lotto_beispiele.h"

using namespace zahlix;

TEST(Zahlen, PackenUndEntpackenMitZusatzzahlUndBeschaedigteWorte) {
    const std::array zahlen{1, 8, 15, 22, 43, 49};
    Bitworte w = ZahlenPacken(zahlen);
    EXPECT_EQ(w, (Bitworte{257, 257, 0, 65}));
    w[3] = static_cast<int16_t>(w[3] + 7 * 256);
    EXPECT_EQ(w[3], 1857);

    std::array<int, 49> liste{};
    ASSERT_EQ(ZahlenEntpacken(w, liste), 6);
    EXPECT_EQ((std::array{liste[0], liste[1], liste[2], liste[3], liste[4], liste[5]}),
              (std::array{1, 8, 15, 22, 43, 49}));
    EXPECT_FALSE(ZahlGesetzt(7, w)) << "die Zusatzzahl ist keine gezogene Zahl";
    EXPECT_EQ(Zusatzzahl(w), 7);
    // Every bit set, including 7 and 15 which never hold a number.
    w = {-1, -1, -1, -1};
    EXPECT_EQ(ZahlenEntpacken(w, liste), 49);
    EXPECT_EQ(AnzahlZahlen(w), 4 * 14);
}

TEST(Zahlen, BitlageJederZahlGrenzenJahrCodeUndKennung) {
    for (int n = 1; n <= 49; ++n) {
        Bitworte w{};
        ZahlSetzen(n, w);
        EXPECT_EQ(AnzahlZahlen(w), 1) << n;
        EXPECT_TRUE(ZahlGesetzt(n, w)) << n;
        for (int16_t x : w) EXPECT_EQ(x & 0x8080, 0) << "Bit 7 und 15 bleiben frei, Zahl " << n;
        ZahlLoeschen(n, w);
        EXPECT_EQ(w, Bitworte{}) << n;
    }
    Bitworte w{};
    ZahlSetzen(0, w);
    ZahlSetzen(50, w);
    EXPECT_EQ(w, Bitworte{});
    EXPECT_FALSE(ZahlGesetzt(0, Bitworte{0x7F7F, 0x7F7F, 0x7F7F, 0x7F7F}));
    // Year codes and identifiers.
    EXPECT_EQ(JahrCodeAusJahr(2005), 5125);
    EXPECT_EQ(JahrCodeAusJahr(1999), 4963);
    EXPECT_EQ(JahrCodeAusJahr(1900), kJahrCode1900);
    EXPECT_EQ(JahrAusJahrCode(5125), 2005);
    const int16_t wk = WocheKennungAus(53, 'Z');
    EXPECT_EQ(WocheAus(wk), 53);
    EXPECT_EQ(KennungAus(wk), 'Z');
    EXPECT_TRUE(KennungGueltig(0));
    EXPECT_TRUE(KennungGueltig('9'));
    EXPECT_FALSE(KennungGueltig('a'));
}

TEST(Lottodatei, PasstInDasSpeicherbudget) {
    Lottodatei d;
    const size_t bytes = sizeof(d) + 8 * d.WocheKennung.capacity() * sizeof(int16_t);
    EXPECT_LE(bytes, 600u * 1024u);
}

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
