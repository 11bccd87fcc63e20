#include "shell/ui/optionen_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <string>

#include "app/skript_port.h"
#include "shell/optionen.h"
#include "shell/ui/dateiabfrage.h"
#include "shell/ui/rahmen.h"
#include "support/testdaten.h"
#include "support/ui_kind.h"

using namespace zahlix;
using namespace zahlix::ui;
using zahlix::test::Arbeitsordner;
using zahlix::test::DateiLesen;
using zahlix::test::Kind;

namespace {

void Klicken(QWidget& w, const char* name) {
    Kind<QPushButton>(w, name)->click();
}

class OptionenFenster : public ::testing::Test {
  protected:
    void SetUp() override {
        Optionen() = OptionenStandard();
        dialog.DateiSetzen(datei);
    }
    void TearDown() override { Optionen() = OptionenStandard(); }
    SkriptPort port;
    Arbeitsordner ordner;
    std::filesystem::path datei = ordner / "ZX2005.ZXI";
    OptionenDialog dialog;
};

}  // namespace

TEST_F(OptionenFenster, OkSpeichertUndSetztInKraft) {
    dialog.show();
    Kind<QCheckBox>(dialog, "kAllgemein_0")->setChecked(false);
    Kind<QLineEdit>(dialog, "tStartdatei")->setText(QString::fromUtf8("Mein Lotto ü.ZX7"));
    Kind<QComboBox>(dialog, "cLottoZahlenauswahl")->setCurrentIndex(3);
    Kind<QCheckBox>(dialog, "kSystemAuswertung_1")->setChecked(true);
    Klicken(dialog, "bOK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Tag(), "OK");
    EXPECT_EQ(Optionen().allgemein[0], 0);
    EXPECT_EQ(Optionen().startdatei, "Mein Lotto ü.ZX7");
    EXPECT_EQ(Optionen().lottoZahlenauswahl, 3);
    EXPECT_EQ(Optionen().systemAuswertung[1], 1);
    EXPECT_EQ(DateiLesen(datei), OptionenText(Optionen()));
    EXPECT_TRUE(port.meldungen.empty());
}

TEST_F(OptionenFenster, StandardDannAbbrechenAendertNichtsInKraft) {
    Optionswerte eigene;
    eigene.allgemein[0] = 0;
    eigene.startdatei = "Schweiz.ZX7";
    Optionen() = eigene;
    dialog.WerteZeigen(eigene);
    dialog.show();
    Klicken(dialog, "bStandard");
    EXPECT_EQ(dialog.WerteLesen(), OptionenStandard());
    Klicken(dialog, "bAbbrechen");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Tag(), "");
    EXPECT_EQ(Optionen(), eigene);
    EXPECT_FALSE(std::filesystem::exists(datei)) << "Abbrechen schreibt nichts";
    dialog.show();
    Kind<QCheckBox>(dialog, "kLottoAuswertung_0")->setChecked(false);
    dialog.close();  // closing is a cancel, too
    EXPECT_EQ(Optionen(), eigene);
    EXPECT_FALSE(std::filesystem::exists(datei));
    Kind<QCheckBox>(dialog, "kLottoAuswertung_0")->setChecked(true);

    // Reopened, the dialog shows what the user left in it; a later OK stores that.
    dialog.show();
    EXPECT_EQ(dialog.WerteLesen(), OptionenStandard());
    Klicken(dialog, "bOK");
    EXPECT_EQ(Optionen(), OptionenStandard());
    EXPECT_EQ(DateiLesen(datei), DateiLesen(zahlix::test::Quelle("shell/golden/ZX2005.ZXI")));
}

TEST_F(OptionenFenster, SchreibfehlerWirdGemeldetWerteGeltenTrotzdem) {
    dialog.DateiSetzen(ordner / "fehlt" / "ZX2005.ZXI");
    dialog.show();
    Kind<QCheckBox>(dialog, "kAllgemein_1")->setChecked(false);
    Klicken(dialog, "bOK");
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].symbol, Symbol::Kritisch);
    EXPECT_EQ(Optionen().allgemein[1], 0);
}

TEST(OptionenDialogModal, WirdEinmalAngelegtUndModalGezeigt) {
    SkriptPort port;
    Optionen() = OptionenStandard();
    OptionenDialog& d = OptionenDialogInstanz();
    Arbeitsordner ordner;
    d.DateiSetzen(ordner / "ZX2005.ZXI");
    bool modal = false;
    QTimer::singleShot(0, [&] {
        modal = d.isModal() && d.isVisible();
        d.findChild<QCheckBox*>("kAllgemein_3")->setChecked(true);
        d.findChild<QPushButton*>("bOK")->click();
    });
    OptionenDialogZeigen(nullptr);
    EXPECT_TRUE(modal);
    EXPECT_EQ(&OptionenDialogInstanz(), &d);
    EXPECT_EQ(Optionen().allgemein[3], 1);
    Optionen() = OptionenStandard();
}

TEST(DateiabfrageQuickInfo, DialogZeigtSeinenTextUndGibtDenAltenZurueck) {
    SkriptPort port;
    Rahmen rahmen;
    rahmen.QuickInfoSetzen("vorher");
    Dateiabfrage d;
    d.show();
    EXPECT_TRUE(rahmen.QuickInfoText().startsWith(QString::fromUtf8("Datei auswählen")));
    d.close();
    EXPECT_EQ(rahmen.QuickInfoText(), "vorher");
}
