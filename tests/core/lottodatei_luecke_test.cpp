// A binary record without six numbers would hide every later draw (evaluation, export and
// save end there): such a file is refused whole, naming the record.
#include <gtest/gtest.h>

#include "app/skript_port.h"
#include "core/lottodatei_format.h"
#include "support/lotto_beispiele.h"

using namespace zahlix;
using namespace zahlix::test;

TEST(LottodateiLuecke, DatensatzOhneSechsZahlenNurAlsLetzterLeer) {
    const struct {
        Lottoformat format;
        int stelle;  // 4 is the last record of Beispiel()
        std::vector<int> zahlen;
        const char* meldung;  // nullptr: loads
    } faelle[] = {
        {Lottoformat::ZX7, 1, {}, "Datensatz 2: 0 statt 6 Zahlen"},
        {Lottoformat::ZX7, 4, {1, 2, 3, 4, 5}, "Datensatz 5: 5 statt 6 Zahlen"},
        {Lottoformat::ZX6, 2, {7}, "Datensatz 3: 1 statt 6 Zahlen"},
        {Lottoformat::ZX7, 4, {}, nullptr},
        {Lottoformat::ZX6, 4, {}, nullptr},
    };
    for (const auto& f : faelle) {
        SkriptPort port;
        Lottodatei d = Beispiel(), geladen;
        d.ZahlenSetzen(f.stelle, ZahlenPacken(f.zahlen));
        const int16_t e =
            LottodateiAusBytes(*LottodateiKodieren(d, f.format), f.format, "x", geladen, 0);
        EXPECT_EQ(e, f.meldung ? -1 : 0) << f.stelle;
        EXPECT_EQ(geladen.Anzahl(), f.meldung ? 0 : 5) << f.stelle;
        if (f.meldung) {
            EXPECT_NE(port.MeldungsTexte().at(0).find(f.meldung), std::string::npos) << f.meldung;
        }
    }
}
