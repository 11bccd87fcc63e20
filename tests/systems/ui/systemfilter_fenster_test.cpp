// The filter and slip windows as a player drives them: the controls reach the filter, the
// result is the logic's, a filter that removes every row says so and saves nothing, Esc on the
// replace question keeps the old file, and the slips arrive in a PDF.
#include "systems/ui/systemfilter_fenster.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <cstdlib>

#include "app/skript_port.h"
#include "support/testdaten.h"
#include "systems/ui/lottoschein_fenster.h"

using namespace zahlix;

namespace {

template <typename T>
T* Teil(QWidget& w, const char* name) {
    T* t = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(t) << name;
    return t;
}

}  // namespace

TEST(SystemfilterFenster, SteuerungFilterSpeichernUndLeeresErgebnis) {
    SkriptPort port;
    test::Arbeitsordner o;
    ui::SystemfilterFenster f;
    for (int z : {1, 4, 9, 12, 17, 20, 23, 30, 34, 41, 45})
        Teil<QPushButton>(f, ("kZahl_" + std::to_string(z - 1)).c_str())->click();
    Teil<QSpinBox>(f, "sSumme_1")->setValue(150);  // touching a value switches its filter on
    Teil<QSpinBox>(f, "sSumme_0")->setValue(160);  // and the range stays ordered
    Teil<QCheckBox>(f, "kZehner")->setChecked(true);
    f.Abwarten();
    const Systemfilter filter = f.FilterAusSteuerung();
    ASSERT_TRUE(filter.summe && filter.zehner);
    EXPECT_EQ(filter.summe->von, 160);
    EXPECT_EQ(filter.summe->bis, 160);
    const Reihenmaske zahlen = MaskeAus(std::vector<int>{1, 4, 9, 12, 17, 20, 23, 30, 34, 41, 45});
    const auto erwartet = FilterAnwenden(AlleReihen(zahlen), filter).reihen;
    ASSERT_FALSE(erwartet.empty());
    EXPECT_EQ(f.Ergebnis(), erwartet);
    EXPECT_EQ(f.Garantie()->anzahl, GarantieBerechnen(zahlen, erwartet)->anzahl);

    // Saving writes what is shown; Esc on the replace question leaves the file alone.
    const std::string name = (o / "s.ZS4").string();
    ASSERT_TRUE(f.Speichern(name));
    Tippsystem s;
    std::string fehler;
    ASSERT_TRUE(SystemLesen(o / "s.ZS4", s, fehler)) << fehler;
    EXPECT_EQ(s.reihen, erwartet);
    Teil<QSpinBox>(f, "sSumme_1")->setValue(170);
    f.Abwarten();
    port.tasten = {Taste::Geschlossen};
    EXPECT_FALSE(f.Speichern(name));
    ASSERT_TRUE(SystemLesen(o / "s.ZS4", s, fehler));
    EXPECT_EQ(s.reihen, erwartet);

    Teil<QSpinBox>(f, "sSumme_0")->setValue(21);
    Teil<QSpinBox>(f, "sSumme_1")->setValue(22);
    f.Abwarten();
    EXPECT_EQ(Teil<QLabel>(f, "bzReihen")->text().toStdString(),
              "Der Filter entfernt alle Reihen.");
    EXPECT_FALSE(Teil<QPushButton>(f, "bSpeichern")->isEnabled());
    EXPECT_FALSE(f.Speichern((o / "leer.ZS4").string()));
    EXPECT_FALSE(std::filesystem::exists(o / "leer.ZS4"));
    EXPECT_NE(port.MeldungsTexte().back().find("entfernt alle Reihen"), std::string::npos);

    // A damaged system is refused with its reason and the source stays.
    test::DateiSchreiben(o / "kaputt.TXT", "1 2 3 4 5 6\n1 2 3 x\n");
    EXPECT_FALSE(f.SystemOeffnen((o / "kaputt.TXT").string()));
    EXPECT_NE(port.MeldungsTexte().back().find("Zeile 2"), std::string::npos);
    EXPECT_TRUE(Teil<QPushButton>(f, "kZahl_0")->isEnabled());
}

TEST(LottoscheinFenster, ZwoelfReihenJeSeiteImPdf) {
    SkriptPort port;
    test::Arbeitsordner o;
    ui::LottoscheinFenster w;
    std::vector<Reihenmaske> reihen;
    for (int i = 0; i < 30; ++i)
        reihen.push_back(MaskeAus(std::vector<int>{1 + i, 2 + i, 3 + i, 10 + i, 12 + i, 19 + i}));
    w.ReihenUebernehmen(reihen, "Wochenende.ZS4", 49);
    Teil<QSpinBox>(w, "sVon")->setValue(5);
    EXPECT_EQ(Teil<QLabel>(w, "bzScheine")->text().toStdString(), "3 Scheine");
    ASSERT_TRUE(w.PdfSpeichern((o / "s.pdf").string()));
    port.tasten = {Taste::Geschlossen};
    EXPECT_FALSE(w.PdfSpeichern((o / "s.pdf").string()));
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "poppler-utils fehlen";
    const std::string text = (o / "s.txt").string();
    ASSERT_EQ(std::system(("pdftotext '" + (o / "s.pdf").string() + "' '" + text + "'").c_str()),
              0);
    const std::string inhalt = test::DateiLesen(text);
    EXPECT_NE(inhalt.find("System: Wochenende.ZS4"), std::string::npos);
    EXPECT_NE(inhalt.find("Reihen 29 - 30 von 30"), std::string::npos);
    EXPECT_NE(inhalt.find("Schein 3 von 3"), std::string::npos);
}
