// The evaluation window's draw commands: checks before adding, what follows a change, deleting.
#include "evaluation/ziehung_befehle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/skript_port.h"
#include "core/bereich.h"
#include "core/bereich_auswahl.h"
#include "core/import.h"
#include "core/lottodatei.h"
#include "evaluation/ziehung_eingabe.h"

namespace zahlix {
namespace {

Ziehungseingabe Ziehung(int woche, int jahr, char kennung = 'S') {
    Ziehungseingabe e;
    e.woche = woche;
    e.jahr = jahr;
    e.kennung = kennung;
    e.zahlen = {2, 9, 16, 23, 30, 37};
    e.zusatzzahl = 44;
    return e;
}

Lottodatei Wochen(int von, int bis, int jahr) {
    Lottodatei d;
    for (int w = von; w <= bis; ++w) ZiehungAnhaengen(d, w - von - 1, Ziehung(w, jahr));
    return d;
}

class Befehle : public ::testing::Test {
  protected:
    void SetUp() override {
        Auswertebereich() = Bereichswerte{};
        Auswertebereich().wocheVon = 1;
        Auswertebereich().jahrVon = 2005;
    }
    // The range values are process-wide; later tests expect the defaults.
    void TearDown() override { Auswertebereich() = Bereichswerte{}; }
    SkriptPort port;
};

TEST_F(Befehle, HinzufuegenVerlangtSechsZahlenUndPlatz) {
    const Lottodatei d = Wochen(1, 3, 2005);
    const std::vector<int> sechs = {1, 2, 3, 4, 5, 6}, fuenf = {1, 2, 3, 4, 5},
                           sieben = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_TRUE(ZiehungHinzufuegenMoeglich(d, sechs));
    EXPECT_FALSE(ZiehungHinzufuegenMoeglich(d, fuenf));
    EXPECT_FALSE(ZiehungHinzufuegenMoeglich(d, sieben));
    const std::string text =
        "Die 6 Zahlen der neuen Ziehung müssen vorher in der Zahlenauswahl ausgewählt werden!\r"
        "Die Zusatzzahl und die Kennung wird danach extra abgefragt.";
    EXPECT_EQ(port.MeldungsTexte(), (std::vector<std::string>{text, text}));

    Lottodatei voll = d;
    voll.LetzterIndex = kGrenzeHinzufuegen;
    EXPECT_FALSE(ZiehungHinzufuegenMoeglich(voll, sechs));
    ASSERT_EQ(port.meldungen.size(), 3u);
    EXPECT_EQ(port.meldungen[2].text, "Es kann keine Ziehung mehr hinzugefügt werden!");
}

TEST_F(Befehle, GeaendertesJahrWandertAnSeinenPlatzUndBereichsendeFolgt) {
    Lottodatei d = Wochen(10, 14, 2005);
    ZiehungSchreiben(d, 1, Ziehung(2, 2006, 'M'));  // week 11/2005 becomes 2/2006
    NachZiehungsAenderung(d, SortierAnlass::Berichtigen);
    EXPECT_EQ(d.WocheKennung[4], WocheKennungAus(2, 'M'));
    EXPECT_EQ(d.JahrCode[4], JahrCodeAusJahr(2006));
    EXPECT_EQ(d.WocheKennung[1], WocheKennungAus(12, 'S'));
    EXPECT_EQ(Auswertebereich().wocheBis, 2);
    EXPECT_EQ(Auswertebereich().jahrBis, 2006);
    EXPECT_EQ(d.Titel, "01/2005-02/2006  Wo:01-53 ");
    EXPECT_TRUE(d.Geaendert);
    EXPECT_TRUE(port.meldungen.empty());
}

TEST_F(Befehle, SystemdateiWirdZurZiehungshistorie) {
    Auswertebereich().systemdatei = true;
    Lottodatei d = Wochen(1, 2, 2005);
    BereichsEndeSetzen(d);
    EXPECT_FALSE(Auswertebereich().systemdatei);
    EXPECT_EQ(d.Titel, "01/2005-02/2005  Wo:01-53 ");
}

TEST_F(Befehle, LoeschenFragtErstUndGehtBisZurLeerenTabelle) {
    Lottodatei d = Wochen(1, 3, 2005);
    port.tasten.push_back(Taste::Zweite);  // No
    EXPECT_FALSE(LetzteZiehungLoeschen(d));
    EXPECT_EQ(d.LetzterIndex, 2);
    EXPECT_EQ(d.Anzahl(), 3);
    EXPECT_FALSE(d.Geaendert);
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text,
              "Soll die letzte Ziehung gelöscht werden?\r"
              "Woche 03/2005 Kennung S:  2  9 16 23 30 37  Zusatzzahl 44");
    EXPECT_EQ(port.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(port.meldungen[0].vorbelegt, Taste::Zweite);

    // Closing the box keeps the draw as well.
    EXPECT_FALSE(LetzteZiehungLoeschen(d));
    EXPECT_EQ(d.Anzahl(), 3);

    // Yes three times: down to the empty table.
    const int erwartetL[] = {1, 0, 0};
    const int erwartetAnzahl[] = {2, 1, 0};
    for (int k = 0; k < 3; ++k) {
        port.tasten.push_back(Taste::Erste);
        ASSERT_TRUE(LetzteZiehungLoeschen(d)) << k;
        EXPECT_EQ(d.LetzterIndex, erwartetL[k]) << k;
        EXPECT_EQ(d.Anzahl(), erwartetAnzahl[k]) << k;
        EXPECT_TRUE(d.Geaendert);
    }
    EXPECT_EQ(d.WocheKennung[0], 0);
    EXPECT_EQ(d.Bitwort1[0], 0);
    EXPECT_EQ(d.ImBereich[0], 0);
    EXPECT_EQ(Auswertebereich().wocheBis, 1);
    EXPECT_EQ(Auswertebereich().jahrBis, 1900);

    // Nothing left: a message, no question.
    const size_t vorher = port.meldungen.size();
    EXPECT_FALSE(LetzteZiehungLoeschen(d));
    ASSERT_EQ(port.meldungen.size(), vorher + 1);
    EXPECT_EQ(port.meldungen.back().text, "Es ist keine Ziehung zum Löschen vorhanden.");
}

TEST_F(Befehle, BereichsendeNachLoeschen) {
    Lottodatei d = Wochen(50, 53, 2004);
    ZiehungAnhaengen(d, d.LetzterIndex, Ziehung(1, 2005));
    port.tasten.push_back(Taste::Erste);
    ASSERT_TRUE(LetzteZiehungLoeschen(d));
    EXPECT_EQ(Auswertebereich().wocheBis, 53);
    EXPECT_EQ(Auswertebereich().jahrBis, 2004);
}

TEST(BereichEnde, LetzteNBleibenNachDemLoeschen) {
    std::string csv, fehler;
    for (int t = 1; t <= 28; t += 3)
        csv += std::to_string(t) + ".02.2005;1;2;3;4;5;" + std::to_string(6 + t) + "\n";
    Lottodatei d;
    d.Leeren(0);
    ZiehungenZusammenfuehren(d, *ImportquelleLesen(csv, fehler), {'A', 'A'});
    ASSERT_TRUE(BereichEinstellen(d, {false, 1, 1900, 53, 2099, "", 3}, fehler));
    const auto imBereich = [&] {
        int n = 0;
        for (int i = 0; i < d.Anzahl(); ++i) n += d.ImBereich[i] == -1;
        return n;
    };
    LetzteZiehungEntfernen(d);
    BereichsEndeSetzen(d);
    EXPECT_EQ(imBereich(), 3);
    EXPECT_EQ(d.ImBereich[d.LetzterIndex - 3], 0);
    EXPECT_EQ(d.Titel, "07/2005-08/2005  Wo:01-53  Letzte 3");
}

}  // namespace
}  // namespace zahlix
