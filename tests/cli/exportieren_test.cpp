#include <gtest/gtest.h>

#include <string>

#include "output/rtf.h"
#include "support/cli_lauf.h"

namespace fs = std::filesystem;
using namespace zahlix;

namespace {

test::CliLauf Exportieren(const test::Arbeitsordner& ordner, const std::string& argumente) {
    return test::Cli(ordner, "exportieren " + argumente);
}

std::string Q(const fs::path& p) {
    return "\"" + p.string() + "\"";
}

TEST(CliExportieren, ReihenformateWieDieDruckausgabe) {
    test::Arbeitsordner ordner;
    const fs::path quelle = test::Quelle("output/golden/export_eingabe.txt");
    // Each format's bytes are pinned by the export's own tests; here one goes through the CLI.
    const test::CliLauf l = Exportieren(ordner, Q(quelle) + " " + Q(ordner / "export.ASC"));
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus, "3 Reihen wurden gefunden und gespeichert.\n");
    EXPECT_EQ(test::DateiLesen(ordner / "export.ASC"),
              test::DateiLesen(test::Quelle("output/golden/export.ASC")));
}

TEST(CliExportieren, RtfHinUndZurueck) {
    test::Arbeitsordner ordner;
    // Windows-1252 source: the umlauts must arrive as such.
    test::DateiSchreiben(ordner / "text.txt",
                         "Gr\xF6\xDF"
                         "e\r\n 01 02 03 04 05 06\r\n");
    test::CliLauf l = Exportieren(ordner, Q(ordner / "text.txt") + " " + Q(ordner / "text.rtf"));
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(RtfLesen(test::DateiLesen(ordner / "text.rtf")), "Größe\r\n 01 02 03 04 05 06\r\n");
    // An RTF source is read as rich text before the rows are searched.
    l = Exportieren(ordner, Q(ordner / "text.rtf") + " " + Q(ordner / "aus.asc"));
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(test::DateiLesen(ordner / "aus.asc"), " 01 02 03 04 05 06\r\n");
}

TEST(CliExportieren, AufrufUndDateifehler) {
    test::Arbeitsordner ordner;
    test::DateiSchreiben(ordner / "leer.txt", "keine Zahlen\r\n");
    const test::CliFehlerfall faelle[] = {
        {"exportieren leer.txt", 1, "Aufruf"},
        {"exportieren leer.txt x.doc", 1, "unbekanntes Zielformat"},
        {"exportieren fehlt.txt x.ASC", 2, "fehlt.txt wurde nicht gefunden"},
        {"exportieren leer.txt nirgends/x.RTF", 2, "x.RTF"},
    };
    test::ErwarteFehler(ordner, faelle);
    // No rows: no error, and nothing written.
    const test::CliLauf l = Exportieren(ordner, "leer.txt x.ZS4");
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.aus, "0 Reihen wurden gefunden und gespeichert.\n");
    EXPECT_FALSE(fs::exists(ordner / "x.ZS4"));
}

}  // namespace
