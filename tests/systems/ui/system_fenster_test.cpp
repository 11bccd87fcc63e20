// A system in the evaluation window (counters over rows, row range, no bonus, no draw editing)
// and fSystemAuswertung as a user drives it: a bad stake, a run, Meine Systeme, Tipps prüfen and
// the way back to the rows with hits.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <cstdlib>

#include "app/skript_port.h"
#include "app/ui/fenster.h"
#include "evaluation/ui/auswertung_testhilfe.h"
#include "evaluation/ui/bereich_dialog.h"
#include "output/ui/zwischenspeicher.h"
#include "support/testdaten.h"
#include "systems/ui/lottoschein_fenster.h"
#include "systems/ui/system_auswertung_fenster.h"
#include "systems/ui/systemfilter_fenster.h"
#include "systems/ui/verkuerzung_dialog.h"

namespace zahlix::test {
namespace {

struct Umgebung {
    SkriptPort port;
    Arbeitsordner o;
    Umgebung() {
        StartverzeichnisSetzen(o.pfad());
        DateiSchreiben(o / "s.TXT", "1 2 3 4 5 6\n1 2 3 7 8 9\n10 11 12 13 14 15\n");
    }
};

TEST(SystemFenster, ZaehltReihenUndNimmtDenReihenbereich) {
    Umgebung u;
    auto f = FensterMit(u.o / "s.TXT");
    QWidget* w = f.get();
    EXPECT_EQ(Text(w, "bzBereich"), "Bereich - Systemreihe     1 -     3");
    EXPECT_FALSE(Kind<QCheckBox>(w, "kTreffer_0")->isEnabled());
    EXPECT_FALSE(Kind<QAction>(w, "mZiehungHinzufuegen")->isEnabled());
    Klicken(w, {1, 2, 3, 7});
    EXPECT_EQ(AlleZaehler(w), "1 0 0 1 1 0 0 0 0 0 2 2");
    EXPECT_EQ(Listentext(w),
              "     1 : 01 02 03 04 05 06  3 T.\n     2 : 01 02 03 07 08 09  4 T.\n");

    const auto vorher = ui::BereichDialog::Ausfuehrer();
    ui::BereichDialog::Ausfuehrer() = [](ui::BereichDialog& d) {
        d.findChild<QRadioButton*>("oZeitraum")->setChecked(true);
        d.findChild<QSpinBox*>("tErsteReihe")->setValue(2);
        QTest::mouseClick(d.findChild<QPushButton*>("bOK"), Qt::LeftButton);
    };
    Kind<QAction>(w, "mAuswertebereichEinstellen")->trigger();
    ui::BereichDialog::Ausfuehrer() = vorher;
    EXPECT_EQ(Text(w, "bzBereich"), "Bereich - Systemreihe     2 -     3");
    EXPECT_EQ(Zaehler(w, 10), "1");
}

TEST(SystemFenster, AuswertungMeineSystemeUndTippsPruefen) {
    Umgebung u;
    const auto h = As7(u.o, "h.AS7",
                       {" 01 2020 00 01 02 03 04 05 06 00", " 02 2020 00 01 02 03 07 08 20 09",
                        " 03 2020 00 01 02 07 08 30 40 00"});
    ui::SystemAuswertungFenster s;
    ASSERT_TRUE(s.SystemOeffnen((u.o / "s.TXT").string()));
    ASSERT_TRUE(s.HistorieWaehlen(h.string()));
    auto* einsatz = Kind<QLineEdit>(&s, "tEinsatz");
    einsatz->setText("1.20");
    s.AuswertenUmschalten();
    EXPECT_NE(u.port.MeldungsTexte().back().find("ist kein Preis"), std::string::npos);
    EXPECT_EQ(s.Ergebnistext(), "");
    einsatz->setText("2");
    s.AuswertenUmschalten();
    EXPECT_NE(s.Ergebnistext().find("3 Reihen x 3 Ziehungen x 2,00 € = 18,00 €"), std::string::npos)
        << s.Ergebnistext();

    u.port.dateien = {(u.o / "s.TXT").string()};
    QTest::mouseClick(Kind<QPushButton>(&s, "bSystemHinzufuegen"), Qt::LeftButton);
    auto* liste = Kind<QListWidget>(&s, "lSysteme");
    ASSERT_EQ(liste->count(), 1);
    s.TippsPruefen();
    EXPECT_NE(s.Ergebnistext().find("s.TXT 03/2020: 01 02 07 08 30 40 - beste Klasse 4T, 1x 4T"),
              std::string::npos)
        << s.Ergebnistext();

    // The system opens in the evaluation window with the draw marked and its winning rows listed.
    ui::FensterAnmelden("fZX", [] { return ui::AuswertungFensterErzeugen(); });
    emit liste->itemDoubleClicked(liste->item(0));
    auto* f = qobject_cast<ui::AuswertungFenster*>(ui::FensterSuchen("fZX"));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Markiert(f), (std::vector<int>{1, 2, 7, 8, 30, 40}));
    EXPECT_EQ(f->Trefferfilter(), 11);
    EXPECT_EQ(Listentext(f), "     2 : 01 02 03 07 08 09  4 T.\n");
    ui::FensterAbmelden("fZX");
    delete f;
}

}  // namespace
// The dialog "Verkürztes System bauen": a run puts the checked system into the result buffer
// and saves it; bad fields and too few numbers get a message and build nothing.

TEST(VerkuerzungDialog, BautSpeichertUndLehntAb) {
    SkriptPort port;
    Arbeitsordner o;
    ui::VerkuerzungDialog d({2, 5, 8, 13, 21, 22, 30, 34, 41, 47});
    const auto feld = [&](const char* name, const char* text) {
        d.findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
    };
    feld("tSekunden", "20");
    QTest::mouseClick(d.findChild<QPushButton*>("bBauen"), Qt::LeftButton);
    const std::string text =
        d.findChild<QPlainTextEdit*>("rtErgebnis")->toPlainText().toStdString();
    EXPECT_NE(text.find("10 Systemzahlen und 10 Reihen: erfüllt"), std::string::npos) << text;
    const std::string puffer =
        ui::ZwischenspeicherInstanz()->Dokument()->toPlainText().toStdString();
    EXPECT_NE(puffer.find("* Verkürztes System"), std::string::npos);

    port.dateien = {(o.pfad() / "v").string()};
    QTest::mouseClick(d.findChild<QPushButton*>("bSpeichern"), Qt::LeftButton);
    Tippsystem s;
    std::string fehler;
    ASSERT_TRUE(SystemLesen(o.pfad() / "v.ZS4", s, fehler)) << fehler;
    EXPECT_EQ(s.reihen.size(), 10u);

    feld("tSekunden", "zehn");
    QTest::mouseClick(d.findChild<QPushButton*>("bBauen"), Qt::LeftButton);
    d.findChild<QComboBox*>("cTreffer")->setCurrentIndex(3);  // 5 hits of 3 right
    feld("tSekunden", "");
    QTest::mouseClick(d.findChild<QPushButton*>("bBauen"), Qt::LeftButton);
    ui::VerkuerztesSystemBauen({1, 2, 3, 4, 5, 6});
    const auto texte = port.MeldungsTexte();
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_NE(texte[0].find("ganze Zahl von Sekunden"), std::string::npos);
    EXPECT_NE(texte[1].find("t darf nicht größer als m"), std::string::npos);
    EXPECT_NE(texte[2].find("mindestens 7 Zahlen"), std::string::npos);
}

}  // namespace zahlix::test

using namespace zahlix;
// The filter and slip windows as a player drives them: the controls reach the filter, the
// result is the logic's, a filter that removes every row says so and saves nothing, Esc on the
// replace question keeps the old file, and the slips arrive in a PDF.
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
