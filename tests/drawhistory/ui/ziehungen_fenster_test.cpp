// fZiehungen wiring: the transfer area fills it, keys and controls reach the page, the print
// button reaches the print output.
#include "drawhistory/ui/ziehungen_fenster.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <algorithm>

#include "app/ui/fenster.h"
#include "evaluation/ui/auswertung_testhilfe.h"
#include "output/ui/drucker.h"
#include "support/lotto_beispiele.h"

using namespace zahlix;

namespace {

std::string ErsteZeile(const ui::ZiehungenFenster& w) {
    return w.AktuelleSeite().zeilen.size() > 1 ? w.AktuelleSeite().zeilen[1].substr(0, 7) : "";
}

}  // namespace

TEST(ZiehungenFenster, BlaetternGruppenAlleUndDrucken) {
    Lottodatei d = test::Beispiel();
    d.Dateiname = "klein.ZX7";
    d.Titel = "05/2005-02/1999  Wo:01-53 ";
    d.ImBereich[1] = 0;
    DatenUebergeben(d, "Lotto-Auswertung: klein.ZX7");
    ui::ZiehungenFenster w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Ziehungen anzeigen: klein.ZX7"));
    auto* bildlauf = w.findChild<QScrollBar*>("vbReihen");
    auto* gruppe1 = w.findChild<QComboBox*>("cGruppen_0");
    EXPECT_EQ(bildlauf->maximum(), 3);
    EXPECT_EQ(ErsteZeile(w), "    1: ");

    // Paging keys work while a selector has the focus, and leave the selector alone.
    QTest::keyClick(gruppe1, Qt::Key_End);
    EXPECT_EQ(ErsteZeile(w), "    5: ");
    QTest::keyClick(gruppe1, Qt::Key_Up);
    EXPECT_EQ(ErsteZeile(w), "    4: ");
    QTest::keyClick(gruppe1, Qt::Key_PageUp);
    EXPECT_EQ(ErsteZeile(w), "    1: ");
    EXPECT_EQ(gruppe1->currentIndex(), kGruppenTHUG);

    gruppe1->setCurrentIndex(kGruppenReiheAlsBild);
    EXPECT_TRUE(w.AktuelleSeite().zeilen[0].starts_with("LfdNr: Wo/Jahr-Ke  0. Dekade"));
    w.findChild<QRadioButton*>("oZusatzzahl_2")->click();
    const auto& texte = w.AktuelleSeite().streifen.texte;
    EXPECT_TRUE(std::all_of(texte.begin(), texte.end(),
                            [](const Beschriftung& b) { return b.farbe == kHellblau; }));

    w.findChild<QPushButton*>("bToolbar_0")->click();
    const QString druck = ui::DruckerInstanz()->Dokument()->toPlainText();
    EXPECT_TRUE(
        druck.contains(QStringLiteral("\n* Ziehungen anzeigen: klein.ZX7\n"
                                      "* Bereich - 05/2005-02/1999  Wo:01-53 \n")))
        << druck.toStdString();
    EXPECT_FALSE(druck.contains(QStringLiteral("05/2005-M"))) << "outside the range";
    w.findChild<QPushButton*>("bToolbar_2")->click();  // "&Alle"
    EXPECT_EQ(bildlauf->maximum(), 4);
}

TEST(ZiehungenFenster, AusDerAuswertungGeoeffnetUndWiederGeoeffnet) {
    test::Arbeitsordner o;
    test::DateiSchreiben(
        o / "k.AS7", " 22 1999 00 01 07 13 20 33 44 09\r\n 23 1999 00 02 07 08 09 10 11 50\r\n");
    ui::BekannteFensterAnmelden();
    auto lotto = test::FensterMit(o / "k.AS7");
    QAction* menue = lotto->findChild<QAction*>("mZiehungenAnzeigen");
    menue->trigger();
    auto* w = qobject_cast<ui::ZiehungenFenster*>(ui::FensterSuchen("fZiehungen"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->findChild<QScrollBar*>("vbReihen")->maximum(), 1);
    // Opened again after a change: it shows the evaluation window's history of now.
    lotto->DatenAendern().ImBereich[1] = 0;
    menue->trigger();
    EXPECT_EQ(ui::FensterSuchen("fZiehungen"), w);
    EXPECT_EQ(w->findChild<QScrollBar*>("vbReihen")->maximum(), 0);
    w->close();
}
