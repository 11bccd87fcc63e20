// The print text of the draw history against golden files, one per combination of selectors,
// and the empty history.
#include "drawhistory/drucktext.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

// Compares with tests/drawhistory/golden/<name>; ZAHLIX_GOLDEN_SCHREIBEN=1 rewrites it.
void ErwarteGolden(const std::string& text, const std::string& name) {
    const auto pfad = test::Quelle("drawhistory/golden/" + name);
    if (std::getenv("ZAHLIX_GOLDEN_SCHREIBEN")) test::DateiSchreiben(pfad, text);
    EXPECT_EQ(text, test::DateiLesen(pfad)) << name;
}

}  // namespace

TEST(Drucktext, GoldenJeGruppenwahl) {
    // Bonus 9, 0, 50, 1, 49; the fourth draw lies outside the range.
    Lottodatei d = test::Beispiel();
    d.ImBereich[3] = 0;
    const std::string bereich = "05/2005-02/1999  Wo:01-53 ";
    struct Fall {
        Zeilenwahl wahl;
        const char* golden;
    };
    const Fall faelle[] = {
        {{kGruppenTHUG, kGruppenSumKombi, false, false}, "druck_thug_sum.txt"},
        {{kGruppenZeilenSpalten, kGruppenZehnerEndziffern, true, false}, "druck_system.txt"},
        {{kGruppenNachbarnBilder, kGruppenReiheAlsBild, false, true}, "druck_alle.txt"},
        {{kGruppenReiheAlsBild, kGruppenNachbarnBilder, false, false}, "druck_bild.txt"},
    };
    for (const Fall& f : faelle)
        ErwarteGolden(ZiehungenDrucktext(d, f.wahl, ZiehungenTitel(f.wahl.system, "klein.ZX7"),
                                         f.wahl.system ? "Systemreihe     1 -     5" : bereich),
                      f.golden);
}

TEST(Drucktext, LeereHistorieNurKopf) {
    Lottodatei d;
    LeereLottodateiSetzen(d);
    EXPECT_EQ(ZiehungenDrucktext(d, {}, "Ziehungen anzeigen: OhneName.ZX7", "B"),
              "* Ziehungen anzeigen: OhneName.ZX7\r\n* Bereich - B\r\n\r\n"
              "LfdNr  Wo/Jahr-Ke  Z1 Z2 Z3 Z4 Z5 Z6 / Zu   Gruppen THUG Sum  Kombi-Nr \r\n" +
                  std::string(80, '-') + "\r\n");
}
