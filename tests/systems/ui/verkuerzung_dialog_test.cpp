// The dialog "Verkürztes System bauen": a run puts the checked system into the result buffer
// and saves it; bad fields and too few numbers get a message and build nothing.
#include "systems/ui/verkuerzung_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/skript_port.h"
#include "output/ui/zwischenspeicher.h"
#include "support/testdaten.h"

namespace zahlix::test {

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
