// A binary record without six numbers ends evaluation, export and save, so it would hide
// every later draw: such a file is refused whole, naming the record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/skript_port.h"
#include "core/lottodatei_format.h"
#include "support/lotto_beispiele.h"

using namespace zahlix;
using namespace zahlix::test;

TEST(LottodateiLuecke, DatensatzOhneSechsZahlenNurAlsLetzterLeer) {
    struct Fall {
        Lottoformat format;
        int stelle;  // index of the record, 4 is the last of Beispiel()
        std::vector<int> zahlen;
        bool geladen;
    };
    const Fall faelle[] = {
        {Lottoformat::ZX7, 1, {}, false},       {Lottoformat::ZX7, 1, {3, 4, 5}, false},
        {Lottoformat::ZX7, 4, {1, 2, 3, 4, 5}, false}, {Lottoformat::ZX6, 2, {7}, false},
        {Lottoformat::ZX6, 0, {}, false},       {Lottoformat::ZX7, 4, {}, true},
        {Lottoformat::ZX6, 4, {}, true},
    };
    for (const Fall& f : faelle) {
        SkriptPort port;
        Lottodatei d = Beispiel();
        d.ZahlenSetzen(f.stelle, ZahlenPacken(f.zahlen));
        const std::string bytes = *LottodateiKodieren(d, f.format);
        Lottodatei geladen;
        const std::string wo = std::to_string(f.stelle) + "/" + std::to_string(f.zahlen.size());
        EXPECT_EQ(LottodateiAusBytes(bytes, f.format, "x", geladen, 0), f.geladen ? 0 : -1) << wo;
        EXPECT_EQ(geladen.Anzahl(), f.geladen ? 5 : 0) << wo;
        if (f.geladen) continue;
        ASSERT_EQ(port.meldungen.size(), 1u) << wo;
        EXPECT_NE(port.meldungen[0].text.find("Datensatz " + std::to_string(f.stelle + 1) + ": " +
                                              std::to_string(f.zahlen.size()) + " statt 6 Zahlen"),
                  std::string::npos)
            << port.meldungen[0].text;
    }
}
