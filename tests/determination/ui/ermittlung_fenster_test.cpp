// The analysis window's wiring: a start reaches the analysis and its block shows, Esc stops a
// run, closing waits for the run, and the lock buttons act on the number field.
#include "determination/ui/ermittlung_fenster.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/skript_port.h"
#include "app/ui/fenster.h"
#include "determination/ui/rueckblick_fenster.h"
#include "evaluation/ui/auswertung_testhilfe.h"
#include "output/ui/drucker.h"
#include "output/ui/zwischenspeicher.h"
#include "shell/optionen.h"
#include "statistics/ui/grafik_bild.h"
#include "support/lotto_beispiele.h"

namespace zahlix::test {
namespace {

class ErmittlungFensterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Optionen() = Optionswerte{};
        DatenUebergeben(Beispiel());
        fenster = std::make_unique<ui::ErmittlungFenster>();
        fenster->setAttribute(Qt::WA_DeleteOnClose, false);
        fenster->SeedSetzen(7);
        fenster->show();
    }
    template <class T>
    T* Kind(const char* name) {
        T* k = fenster->findChild<T*>(name);
        EXPECT_NE(k, nullptr) << name;
        return k;
    }
    QPushButton* Zahl(int n) {
        return Kind<QPushButton>(qPrintable(QStringLiteral("kZahl_%1").arg(n - 1)));
    }
    std::string Ergebnis() {
        return Kind<QPlainTextEdit>("rtErmittlung")->toPlainText().toStdString();
    }

    SkriptPort port;
    std::unique_ptr<ui::ErmittlungFenster> fenster;
};

TEST_F(ErmittlungFensterTest, StartZeigtDenBlockDerAnalyse) {
    fenster->ArtWaehlen(QString::fromUtf8("Treffertabelle"));
    QTest::mouseClick(Kind<QToolButton>("bToolbar_2"), Qt::LeftButton);
    EXPECT_FALSE(fenster->Laeuft());
    const std::string text = Ergebnis();
    EXPECT_EQ(text.substr(0, text.find('\n')), "* Lotto-Analyse: Treffertabelle - OhneName.ZX7");
    EXPECT_EQ(Kind<QToolButton>("bToolbar_2")->text().toStdString(), "&Ermitteln");
    // "&Drucken" hands the result box to the print output
    QTest::mouseClick(Kind<QToolButton>("bToolbar_0"), Qt::LeftButton);
    const std::string druck = ui::DruckerInstanz()->Dokument()->toPlainText().toStdString();
    EXPECT_NE(druck.find("* Treffertabelle -"), std::string::npos) << druck;
}

TEST(ErmittlungAusAuswertung, MenueeintragOeffnetDieGewaehlteAnalyse) {
    SkriptPort port;
    Arbeitsordner ordner;
    ui::FensterAnmelden("fErmittlung", [] { return ui::ErmittlungFensterErzeugen(); });
    auto auswertung = FensterMit(As7(ordner, "a.AS7", {" 01 2020 00 01 02 03 04 05 06 07"}));
    auswertung->findChild<QAction*>("mErmittlung_7")->trigger();
    std::unique_ptr<QWidget> analyse(ui::FensterSuchen("fErmittlung"));
    ASSERT_NE(analyse, nullptr);
    EXPECT_EQ(analyse->windowTitle().toStdString(), "Lotto-Analyse: Zweierwiederholungen - a.AS7");
    ui::FensterAbmelden("fErmittlung");
}

TEST_F(ErmittlungFensterTest, EscStopptUndSchliessenWartetAufDasEnde) {
    fenster->ArtWaehlen(QString::fromUtf8("Zufallszahlen"));
    Kind<QComboBox>("cAnzahl_0")->setCurrentText(QStringLiteral("Bis Stop"));
    bool geschlossen = true, notbremse = false;
    QString status;
    QTimer::singleShot(300, fenster.get(), [&] {
        status = Kind<QLabel>("bzHilfe")->text();
        geschlossen = fenster->close();
        QTest::keyClick(fenster.get(), Qt::Key_Escape);
    });
    // Without a working Esc the run would never end.
    QTimer::singleShot(5000, fenster.get(), [&] {
        notbremse = fenster->Laeuft();
        fenster->Stoppen();
    });
    QTest::mouseClick(Kind<QToolButton>("bToolbar_2"), Qt::LeftButton);
    EXPECT_FALSE(geschlossen);
    EXPECT_FALSE(notbremse);
    EXPECT_EQ(status.toStdString(), " Ermittlung läuft - 'Stop' oder Esc hält sie an");
    EXPECT_EQ(Kind<QLabel>("bzHilfe")->text().toStdString(), " Ermittlung angehalten");
    EXPECT_FALSE(fenster->Laeuft());
    EXPECT_EQ(port.MeldungsTexte(),
              (std::vector<std::string>{kWarnungBisStop, kMeldungSchliessenLaeuft}));
    EXPECT_EQ(Kind<QLabel>("bzFrage")->text().left(23).toStdString(), " Ermittlung bis Stop - ");
    EXPECT_NE(Ergebnis().find("* Lotto-Analyse: Zufallszahlen"), std::string::npos);
    EXPECT_TRUE(fenster->close());
}

TEST_F(ErmittlungFensterTest, GleicheZahlenNurEinmalImErgebnisfeld) {
    // "Zwischenspeicher nur manuell verwenden" is on by default.
    fenster->ArtWaehlen(QString::fromUtf8("Zufallszahlen"));
    Kind<QComboBox>("cAnzahl_0")->setCurrentText(QStringLiteral(" 2"));
    QTest::mouseClick(Kind<QRadioButton>("oVerwende_1"), Qt::LeftButton);
    for (int n : {1, 2, 3, 4, 5, 49}) QTest::mouseClick(Zahl(n), Qt::LeftButton);
    QTest::mouseClick(Kind<QToolButton>("bToolbar_2"), Qt::LeftButton);
    const std::string text = Ergebnis();
    EXPECT_EQ(text.find("* Lotto-Analyse"), 0u);
    EXPECT_EQ(text.find("* Lotto-Analyse", 1), std::string::npos) << text;
    // each determination starts again from the user's marks
    EXPECT_TRUE(Zahl(49)->isChecked());
    // an emptied box (only on "Ja") takes the same numbers again
    Kind<QAction>("mErgebnisfeldLeeren")->trigger();
    EXPECT_NE(Ergebnis(), "");
    port.tasten = {Taste::Erste};
    Kind<QAction>("mErgebnisfeldLeeren")->trigger();
    EXPECT_EQ(Ergebnis(), "");
    QTest::mouseClick(Kind<QToolButton>("bToolbar_2"), Qt::LeftButton);
    EXPECT_EQ(Ergebnis().find("* Lotto-Analyse"), 0u);
}

TEST_F(ErmittlungFensterTest, SperrenUndFreigeben) {
    // no draw holds 8: locked from the start
    EXPECT_FALSE(Zahl(8)->isEnabled());
    const int frei = fenster->FreieZahlen();
    QTest::mouseClick(Zahl(7), Qt::LeftButton);
    QTest::mouseClick(Kind<QPushButton>("bZahlenSperren_0"), Qt::LeftButton);
    EXPECT_FALSE(Zahl(7)->isEnabled());
    EXPECT_FALSE(Zahl(7)->isChecked());
    EXPECT_EQ(fenster->FreieZahlen(), frei - 1);
    QTest::mouseClick(Kind<QPushButton>("bZahlenSperren_1"), Qt::LeftButton);
    EXPECT_EQ(fenster->FreieZahlen(), 49);
}

TEST_F(ErmittlungFensterTest, RueckblickDerGewaehltenAnalyse) {
    fenster->ArtWaehlen(QString::fromUtf8("Treffertabelle"));
    QTest::mouseClick(Kind<QToolButton>("bToolbar_3"), Qt::LeftButton);
    EXPECT_NE(port.MeldungsTexte().at(0).find("schlägt keine Zahlenreihe vor"), std::string::npos);
    Optionen().allgemein[5] = 0;  // the result buffer is filled automatically
    fenster->ArtWaehlen(QString::fromUtf8("Zufallszahlen"));
    QTest::mouseClick(Kind<QToolButton>("bToolbar_3"), Qt::LeftButton);
    std::unique_ptr<QWidget> rb;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "fRueckblick") rb.reset(w);
    ASSERT_NE(rb, nullptr);
    rb->setAttribute(Qt::WA_DeleteOnClose, false);
    rb->findChild<QLineEdit*>("tLetzte")->setText("4");
    QTest::mouseClick(rb->findChild<QToolButton*>("bToolbar_1"), Qt::LeftButton);
    QTest::mouseClick(rb->findChild<QToolButton*>("bToolbar_0"), Qt::LeftButton);
    // The result box, the result buffer and the print output hold the block.
    for (QTextEdit* t :
         {rb->findChild<QTextEdit*>("rtRueckblick"), ui::ZwischenspeicherInstanz()->Dokument(),
          ui::DruckerInstanz()->Dokument()})
        EXPECT_NE(t->toPlainText().indexOf(QString::fromUtf8("Rückblick auf die letzten 4")), -1);
    EXPECT_FALSE(rb->findChild<ui::GrafikFlaeche*>("bdRueckblick")->Grafik().elemente.empty());
}

TEST(RueckblickFenster, EscHaeltAnUndSchliessenWartet) {
    SkriptPort port;
    AnalyseEingaben e;
    e.art = Analyseart::Gewinnzahlen;
    e.versucheGewinnzahlen = 1000000, e.gewinnVon[6] = 1000;  // never met: runs until stopped
    ui::RueckblickFenster f(
        HistorieAus(std::vector(600, Ziehung{1, 2001, 0, {1, 2, 3, 4, 5, 6}, 7})), e);
    f.setAttribute(Qt::WA_DeleteOnClose, false);
    f.show();
    bool geschlossen = true, notbremse = false;
    QTimer::singleShot(300, &f, [&] {
        geschlossen = f.close();
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    QTimer::singleShot(5000, &f, [&] {
        notbremse = f.Laeuft();
        f.Umschalten();
    });
    QTest::mouseClick(f.findChild<QToolButton*>("bToolbar_1"), Qt::LeftButton);
    EXPECT_FALSE(geschlossen);
    EXPECT_FALSE(notbremse);
    EXPECT_FALSE(f.Laeuft());
    EXPECT_NE(f.findChild<QTextEdit*>("rtRueckblick")->toPlainText().indexOf("Abgebrochen nach 0"),
              -1);
}

}  // namespace
}  // namespace zahlix::test
