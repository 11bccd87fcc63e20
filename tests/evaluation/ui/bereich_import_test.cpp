// The range dialog and "Datei hinzufügen" reach the window: counters, range line and history.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "auswertung_testhilfe.h"
#include "core/bereich_auswahl.h"
#include "determination/ui/ermittlung_fenster.h"
#include "drawhistory/ui/ziehungen_fenster.h"
#include "evaluation/ui/bereich_dialog.h"
#include "statistics/ui/statistik_fenster.h"
#include "support/lotto_beispiele.h"

namespace zahlix::test {
namespace {

// Drives the range dialog: the option, the count or identifier, then OK (and Cancel when
// OK left it open).
class BereichSkript {
  public:
    BereichSkript(const char* option, int letzte, const char* kennung) {
        vorher_ = ui::BereichDialog::Ausfuehrer();
        ui::BereichDialog::Ausfuehrer() = [=, this](ui::BereichDialog& d) {
            d.show();
            ++aufrufe;
            d.findChild<QRadioButton*>(option)->setChecked(true);
            d.findChild<QSpinBox*>("tLetzte")->setValue(letzte);
            d.findChild<QCheckBox*>("kKennung")->setChecked(*kennung != 0);
            d.findChild<QLineEdit*>("tKennung")->setText(kennung);
            QTest::mouseClick(d.findChild<QPushButton*>("bOK"), Qt::LeftButton);
            if (d.isVisible())
                QTest::mouseClick(d.findChild<QPushButton*>("bAbbrechen"), Qt::LeftButton);
        };
    }
    ~BereichSkript() { ui::BereichDialog::Ausfuehrer() = vorher_; }
    int aufrufe = 0;

  private:
    std::function<void(ui::BereichDialog&)> vorher_;
};

int Reihen(QWidget* w) {
    return std::stoi(Zaehler(w, 10)) + std::stoi(Zaehler(w, 0));
}

TEST(BereichUndImport, BereichKnopfMenueUndAufheben) {
    SkriptPort port;
    Arbeitsordner ordner;
    auto f =
        FensterMit(As7(ordner, "t.AS7",
                       {" 01 2020 77 01 02 03 04 05 06 00", " 01 2020 83 07 08 09 10 11 12 00",
                        " 02 2020 77 01 08 13 14 15 16 00", " 02 2020 83 01 02 17 18 19 20 00"}));
    QWidget* w = f.get();
    Klicken(w, {1});
    EXPECT_EQ(Reihen(w), 4);
    {
        BereichSkript s("oLetzte", 2, "");
        QTest::mouseClick(Kind<QToolButton>(w, "bToolbar_4"), Qt::LeftButton);
        EXPECT_EQ(s.aufrufe, 1);
    }
    EXPECT_EQ(Reihen(w), 2);
    EXPECT_EQ(Text(w, "bzBereich"), "Bereich - 02/2020-02/2020  Wo:01-53  Letzte 2");

    {  // A range without draws is refused; the previous one stays.
        BereichSkript s("oAlle", 1, "X");
        Kind<QAction>(w, "mAuswertebereichEinstellen")->trigger();
    }
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(Reihen(w), 2);
    {
        BereichSkript s("oAlle", 1, "m");
        Kind<QAction>(w, "mAuswertebereichEinstellen")->trigger();
    }
    EXPECT_EQ(Reihen(w), 2);
    EXPECT_EQ(Text(w, "bzBereich"), "Bereich - 01/2020-02/2020  Wo:01-53  Ke:M");

    // A cancelled open keeps history and range; an opened file starts with all its draws.
    Kind<QAction>(w, "mDateiOeffnen")->trigger();
    EXPECT_EQ(Text(w, "bzBereich"), "Bereich - 01/2020-02/2020  Wo:01-53  Ke:M");
    EXPECT_EQ(Reihen(w), 2);
    port.dateien.push_back((ordner / "t.AS7").string());
    Kind<QAction>(w, "mDateiOeffnen")->trigger();
    EXPECT_EQ(Text(w, "bzBereich"), "Bereich - 01/2020-02/2020  Wo:01-53 ");
    EXPECT_EQ(Reihen(w), 4);

    Kind<QAction>(w, "mAuswertebereichAufheben")->trigger();
    EXPECT_EQ(Reihen(w), 4);
    EXPECT_FALSE(f->Daten().Geaendert);  // a range is a view, never a change of the file
}

// "&Bereich" of the statistics, draw and analysis windows narrows the window's own copy and
// recomputes there (how often 1 came, the draws shown, the numbers left free); the evaluation
// window's shared range stays as it was.
TEST(BereichUndImport, KindfensterStellenIhrenBereichEin) {
    SkriptPort port;
    Lottodatei d = HistorieAus({{1, 2020, 0, {1, 2, 3, 4, 5, 6}, 0},
                                {2, 2020, 0, {1, 8, 9, 10, 11, 12}, 0},
                                {3, 2020, 0, {1, 13, 14, 15, 16, 17}, 0}});
    BereichAufheben(d);
    const Bereichswerte gemeinsam = Auswertebereich();
    const struct {
        std::function<QWidget*()> neu;
        std::function<int(QWidget*)> wert;
        int vorher, nachher;
    } faelle[] = {
        {[] {
             auto* s = new ui::StatistikFenster;
             s->ArtWaehlen(QStringLiteral("Zahlen wie oft"));
             s->Ermitteln();
             return s;
         },
         [](QWidget* w) {
             return Kind<QListWidget>(w, "lNormal")->item(0)->text().right(1).toInt();
         },
         3, 2},
        {[] { return new ui::ZiehungenFenster; },
         [](QWidget* w) { return Kind<QScrollBar>(w, "vbReihen")->maximum() + 1; }, 3, 2},
        {[] { return new ui::ErmittlungFenster; },
         [](QWidget* w) { return static_cast<ui::ErmittlungFenster*>(w)->FreieZahlen(); }, 16, 11},
    };
    for (const auto& f : faelle) {
        DatenUebergeben(d);
        std::unique_ptr<QWidget> w(f.neu());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        EXPECT_EQ(f.wert(w.get()), f.vorher);
        BereichSkript s("oLetzte", 2, "");
        QTest::mouseClick(Kind<QAbstractButton>(w.get(), "bToolbar_1"), Qt::LeftButton);
        EXPECT_EQ(f.wert(w.get()), f.nachher) << w->objectName().toStdString();
        EXPECT_EQ(Auswertebereich(), gemeinsam);
    }
}

TEST(BereichUndImport, DateiHinzufuegenUebernimmtUndMeldet) {
    SkriptPort port;
    Arbeitsordner ordner;
    auto f = FensterMit(As7(ordner, "t.AS7", {" 01 2020 77 01 02 03 04 05 06 00"}));
    DateiSchreiben(ordner / "neu.csv", "2020-01-01;1;2;3;4;5;6\n2020-01-04;1;7;8;9;10;11;12\n");
    port.dateien.push_back((ordner / "neu.csv").string());
    port.tasten.push_back(Taste::Erste);  // take the proposed identifiers
    Kind<QAction>(f.get(), "mDateiHinzufuegen")->trigger();
    ASSERT_EQ(port.meldungen.size(), 2u);
    EXPECT_EQ(port.meldungen[1].text, " 1 neue Ziehung, 1 schon vorhanden.");
    EXPECT_EQ(f->Daten().Anzahl(), 2);
    EXPECT_TRUE(f->Daten().Geaendert);
    Klicken(f.get(), {1});
    EXPECT_EQ(Reihen(f.get()), 2);
}

}  // namespace
}  // namespace zahlix::test
