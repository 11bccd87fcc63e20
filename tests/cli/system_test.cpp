// zahlix-cli system info, auswerten and pruefen as the user runs them, and their bad calls.
#include <gtest/gtest.h>

#include "support/cli_lauf.h"

using namespace zahlix::test;

TEST(CliSystem, InfoAuswertenPruefenUndFehler) {
    Arbeitsordner o;
    DateiSchreiben(o / "h.AS7",
                   " 01 2020 00 01 02 03 04 05 06 07\r\n 02 2020 00 01 02 03 07 08 20 09\r\n"
                   " 03 2020 00 01 02 07 08 30 40 00\r\n");
    DateiSchreiben(o / "s.TXT", "1 2 3 4 5 6\n1 2 3 7 8 9\n10 11 12 13 14 15\n");
    DateiSchreiben(o / "kaputt.TXT", "1 2 3 4 5 6\n1 2 3 4 5 77\n");

    CliLauf l = Cli(o, "system info s.TXT");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("Reihen: 3\nGrößte Zahl: 49\nZahlen: 15\n"), std::string::npos) << l.aus;
    l = Cli(o, "system auswerten s.TXT h.AS7 --letzte 2 --einsatz 0,50");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("* Bereich - 02/2020-03/2020  Wo:01-53  Letzte 2\r\n"), std::string::npos);
    EXPECT_NE(l.aus.find("Kosten    : 3 Reihen x 2 Ziehungen x 0,50 € = 3,00 €\r\n"),
              std::string::npos)
        << l.aus;
    EXPECT_NE(l.aus.find(" 02/2020   : 01 02 03 07 08 20/09   5+"), std::string::npos) << l.aus;
    l = Cli(o, "system pruefen s.TXT h.AS7");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("s.TXT 03/2020: 01 02 07 08 30 40 - beste Klasse 4T, 1x 4T (3 Reihen)"),
              std::string::npos)
        << l.aus;

    const CliFehlerfall faelle[] = {
        {"system auswerten s.TXT h.AS7 --einsatz 1.20", 1, "ist kein Preis"},
        {"system auswerten s.TXT s.TXT", 1, "kein gültiger Lotto-Dateiname"},
        {"system auswerten fehlt.ZS4 h.AS7", 2, "wurde nicht gefunden"},
        {"system info kaputt.TXT", 2, "Zeile 2: die Zahl 77 liegt nicht zwischen 1 und 49"},
        {"system info h.AS7", 1, "kein gültiger Systemdateiname"},
        {"system pruefen s.TXT", 1, "erwartet eine Systemdatei und eine Lottodatei"},
        {"system auswerten s.TXT h.AS7 --bunt", 1, "Unbekannte Option"},
    };
    ErwarteFehler(o, faelle);
}
