// zahlix-cli system bauen: the checked system is saved and its verdict printed; bad calls are
// refused before any search.
#include <gtest/gtest.h>

#include "support/cli_lauf.h"
#include "systems/tippsystem.h"

using namespace zahlix::test;

TEST(CliSystemBauen, SpeichertGepruefteSystemeUndLehntFehlerAb) {
    Arbeitsordner o;
    const CliLauf l = Cli(o,
                          "system bauen v.ZS4 --zahlen 4,8,15,16,23,42,7,9,11,30 "
                          "--garantie 3 --seed 5 --zufallsbelegung");
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("Garantiestufe 3 aus 3 mit 10 Systemzahlen und 10 Reihen: erfüllt"),
              std::string::npos)
        << l.aus;
    zahlix::Tippsystem s;
    std::string fehler;
    ASSERT_TRUE(zahlix::SystemLesen(o / "v.ZS4", s, fehler)) << fehler;
    EXPECT_EQ(s.reihen.size(), 10u);
    const CliFehlerfall faelle[] = {
        {"system bauen v.ZX7 --zahlen 1,2,3,4,5,6,7 --garantie 3", 1, "kein gültiger Systemdatei"},
        {"system bauen v.ZS4 --garantie 3", 1, "Es fehlen die Zahlen"},
        {"system bauen v.ZS4 --zahlen 1,2,x --garantie 3", 1, "mit Komma getrennt"},
        {"system bauen v.ZS4 --zahlen 1,2,3,4,5,6,7 --garantie 4,3", 1, "t darf nicht größer"},
        {"system bauen v.ZS4 --zahlen 1,2,3,4,5,6,7 --garantie 3 --sekunden 0", 1, "1 Sekunde"},
    };
    ErwarteFehler(o, faelle);
}
