// A system in the evaluation window (counters over rows, row range, no bonus, no draw editing)
// and fSystemAuswertung as a user drives it: a bad stake, a run, Meine Systeme, Tipps prüfen and
// the way back to the rows with hits.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include "app/ui/fenster.h"
#include "evaluation/ui/auswertung_testhilfe.h"
#include "evaluation/ui/bereich_dialog.h"
#include "systems/ui/system_auswertung_fenster.h"

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
}  // namespace zahlix::test
