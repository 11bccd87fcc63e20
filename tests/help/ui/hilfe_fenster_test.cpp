// The help windows in the running frame: F1, links, history, menus, dialog help, editing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "app/anwendungsdateien.h"
#include "app/programm.h"
#include "app/skript_port.h"
#include "app/ui/fenster.h"
#include "app/ui/start.h"
#include "help/hilfetext.h"
#include "help/ui/hilfetaste.h"
#include "shell/optionen.h"
#include "shell/ui/dialoghilfe.h"
#include "shell/ui/rahmen.h"
#include "support/testdaten.h"

namespace zahlix {
namespace {

class HilfeTest : public ::testing::Test {
  protected:
    HilfeTest() : vorher(std::filesystem::current_path()) {
        std::filesystem::current_path(ordner.pfad());
        test::DateiSchreiben(ordner / kHilfedatei,
                             test::DateiLesen(test::Quelle("../data/ZX2005.ZXH")));
        Optionen() = OptionenStandard();
        Programm() = Programmwerte{};
        Hilfethema().clear();
        ui::BekannteFensterAnmelden();
        ui::HilfetasteInstallieren();
        rahmen = ui::StartAusfuehren({}, false);
        Verarbeiten();
    }
    ~HilfeTest() override {
        rahmen.reset();
        Verarbeiten();
        std::filesystem::current_path(vorher);
    }
    static void Verarbeiten() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    static QTextEdit* Anzeige(QWidget* w) { return w->findChild<QTextEdit*>("rtHilfe2"); }
    static std::string Thema(QWidget* w) {
        return Anzeige(w)->toPlainText().section('\n', 0, 0).toStdString();
    }

    test::Arbeitsordner ordner;
    std::filesystem::path vorher;
    SkriptPort port;
    std::unique_ptr<ui::Rahmen> rahmen;
};

TEST_F(HilfeTest, F1ZeigtDasThemaDesFenstersLinksUndChronikFuehrenWeiter) {
    QWidget* auswertung = ui::FensterSuchen("fZX");
    ASSERT_NE(auswertung, nullptr);
    auswertung->setFocus();
    QTest::keyClick(auswertung, Qt::Key_F1);
    QWidget* hilfe = ui::FensterSuchen("fHilfe");
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(Thema(hilfe), "Lotto-Auswertung");
    EXPECT_EQ(hilfe->windowTitle().toStdString(), "Hilfe: Lotto-Auswertung");

    // A click into a link shows its topic.
    QTextEdit* t = Anzeige(hilfe);
    QTextCursor c(t->document());
    c.setPosition(static_cast<int>(t->toPlainText().indexOf("«Menü.Datei")) + 3);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->cursorRect(c).center());
    EXPECT_EQ(Thema(hilfe), "Menü.Datei.Öffnen");
    // Tab selects the next link, Enter follows it.
    QTest::keyClick(t, Qt::Key_Tab);
    const QString gewaehlt = t->textCursor().selectedText();
    EXPECT_EQ(gewaehlt.toStdString(), "Dialog.Dateiname abfragen");
    QTest::keyClick(t, Qt::Key_Return);
    EXPECT_EQ(Thema(hilfe), gewaehlt.toStdString());

    auto* zurueck = hilfe->findChild<QPushButton*>("bZurueck");
    auto* vorwaerts = hilfe->findChild<QPushButton*>("bVorwaerts");
    EXPECT_FALSE(vorwaerts->isEnabled());
    zurueck->click();
    zurueck->click();
    EXPECT_EQ(Thema(hilfe), "Lotto-Auswertung");
    EXPECT_FALSE(zurueck->isEnabled());
    EXPECT_EQ(vorwaerts->toolTip().toStdString(), "Hilfethema: Menü.Datei.Öffnen");

    // F1 in an open menu shows the entry's topic.
    auto* menue = rahmen->findChild<QMenu*>("mHilfe");
    menue->popup(QPoint(10, 10));
    menue->setActiveAction(menue->actions().at(0));
    QTest::keyClick(menue, Qt::Key_F1);
    EXPECT_EQ(Thema(hilfe), "Menü.Hilfe.Hilfe anzeigen");
    EXPECT_FALSE(menue->isVisible());

    Hilfethema() = "Gibt es nicht";
    ui::HilfeZeigen();
    EXPECT_EQ(Anzeige(hilfe)->toPlainText().toStdString(), "Hilfethema nicht gefunden");
    EXPECT_EQ(hilfe->windowTitle().toStdString(), "Hilfe: Menü.Hilfe.Hilfe anzeigen");
}

TEST_F(HilfeTest, EnterOeffnetDenEinzigenTrefferDerSuche) {
    ui::HilfeZeigen();
    QWidget* hilfe = ui::FensterSuchen("fHilfe");
    QLineEdit* suchen = hilfe->findChild<QComboBox*>("cSuchen")->lineEdit();
    for (const char* teil : {"zufall", "Analyse.", "Gibt es nicht"}) {
        suchen->clear();
        QTest::keyClicks(suchen, teil);
        QTest::keyClick(suchen, Qt::Key_Return);
        EXPECT_EQ(Thema(hilfe), "Menü.Analyse.Zufallszahlen") << teil;  // several: no change
    }
    EXPECT_EQ(port.MeldungsTexte(),
              std::vector<std::string>{"Kein Hilfethema enthält \"Gibt es nicht\"."});
}

TEST_F(HilfeTest, JederMenueeintragUndJedesSymbolHatSeinThema) {
    std::string fehler;
    const auto hilfe = HilfedateiLaden(ordner / kHilfedatei, fehler);
    ASSERT_TRUE(hilfe) << fehler;
    QWidget* auswertung = ui::FensterSuchen("fZX");
    ASSERT_NE(auswertung, nullptr);
    QList<QMenu*> menues;
    QMetaObject::invokeMethod(auswertung, "Menues", Qt::DirectConnection,
                              Q_RETURN_ARG(QList<QMenu*>, menues));
    for (QMenu* m : rahmen->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        menues << m;
    menues << auswertung->findChild<QMenu*>("mZahlenfeld");
    int geprueft = 0;
    for (QMenu* m : menues) {
        ASSERT_NE(m, nullptr);
        // Statistic and analysis topics come with their windows.
        const QString titel = QString(m->title()).remove('&');
        if ((titel == "Statistik" && !ui::FensterAngemeldet("fStatistik")) ||
            (titel == "Analyse" && !ui::FensterAngemeldet("fErmittlung")))
            continue;
        for (QAction* a : m->actions()) {
            const QString k = ui::MenueHilfethema(m, a);
            if (k.isEmpty()) continue;
            ++geprueft;
            EXPECT_NE(hilfe->Suchen(k.toStdString()), std::string::npos) << k.toStdString();
        }
    }
    EXPECT_GT(geprueft, 60);
    // Tool bar symbols: the evaluation window's buttons and the start bar.
    QStringList symbole;
    for (auto* b : auswertung->findChildren<QToolButton*>(QRegularExpression("^bToolbar_")))
        symbole << b->text();
    for (QAction* a : rahmen->findChild<QToolBar*>("Toolbar1")->actions())
        if (!a->isSeparator()) symbole << a->iconText();
    ASSERT_GE(symbole.size(), 20);
    for (const QString& t : symbole)
        EXPECT_NE(hilfe->Suchen("Symbol." + QString(t).remove('&').toStdString()),
                  std::string::npos)
            << t.toStdString();
}

TEST_F(HilfeTest, DialogHilfeZeigtDasThemaDesDialogs) {
    ui::HilfeZu("Dialog.Optionen");
    QWidget* dialoghilfe = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "fDialogHilfe" && w->isVisible()) dialoghilfe = w;
    ASSERT_NE(dialoghilfe, nullptr);
    EXPECT_EQ(Thema(dialoghilfe), "Dialog.Optionen");
    EXPECT_TRUE(dialoghilfe->isModal());
    dialoghilfe->findChild<QPushButton*>("bSchliessen")->click();
    EXPECT_FALSE(dialoghilfe->isVisible());
}

TEST_F(HilfeTest, BearbeitenSpeichertAtomarUndFehlendeDateiWirdGemeldet) {
    Hilfethema() = "Einführung";
    ui::HilfeZeigen();
    QWidget* hilfe = ui::FensterSuchen("fHilfe");
    ASSERT_NE(hilfe, nullptr);
    QTest::keyClick(Anzeige(hilfe), Qt::Key_O, Qt::ControlModifier);
    auto* arbeitskopie = hilfe->findChild<QPlainTextEdit*>("rtHilfe1");
    ASSERT_TRUE(arbeitskopie->isVisible());
    port.eingaben = {"Zahlix führt", "Zahlix verwaltet..Zeile zwei"};
    QTest::keyClick(arbeitskopie, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(port.MeldungsTexte().back(), "1 gefunden und ersetzt");
    port.tasten = {Taste::Geschlossen};  // Esc on "Änderungen speichern?" keeps the edits
    EXPECT_FALSE(hilfe->close());
    port.tasten = {Taste::Erste};
    QTest::keyClick(arbeitskopie, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(arbeitskopie->isVisible());
    EXPECT_TRUE(Anzeige(hilfe)->toPlainText().contains("Zahlix verwaltet\nZeile zwei"));
    const std::string datei = test::DateiLesen(ordner / kHilfedatei);
    EXPECT_NE(datei.find("Zahlix verwaltet\r\nZeile zwei"), std::string::npos);

    std::filesystem::remove(ordner / kHilfedatei);
    QTest::keyClick(Anzeige(hilfe), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(arbeitskopie, Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(Anzeige(hilfe)->toPlainText().startsWith("Hilfe nicht verfügbar"));
    EXPECT_TRUE(Anzeige(hilfe)->toPlainText().contains("wurde nicht gefunden"));
}

// Edits of an installed help go to a copy in the start folder; at the end of the program, Esc
// and a failed save keep the program open.
TEST_F(HilfeTest, BeimBeendenGehenBearbeitungenNichtVerloren) {
    test::Arbeitsordner installiert;
    const std::string mitgeliefert = test::DateiLesen(ordner / kHilfedatei);
    test::DateiSchreiben(installiert / kHilfedatei, mitgeliefert);
    std::filesystem::remove(ordner / kHilfedatei);
    Dateien().hilfe = installiert / kHilfedatei;
    ui::HilfeZeigen();
    QWidget* hilfe = ui::FensterSuchen("fHilfe");
    ASSERT_NE(hilfe, nullptr);
    QTest::keyClick(Anzeige(hilfe), Qt::Key_O, Qt::ControlModifier);
    hilfe->findChild<QPlainTextEdit*>("rtHilfe1")->appendPlainText("Eigene Zeile");
    std::filesystem::create_directory(ordner / kHilfedatei);  // the copy cannot be written
    for (Taste speichern : {Taste::Geschlossen, Taste::Erste}) {
        port.tasten = {Taste::Erste, speichern};
        EXPECT_FALSE(rahmen->close());
        EXPECT_FALSE(ui::ProgrammEndet());
        EXPECT_EQ(ui::FensterSuchen("fHilfe"), hilfe);
    }
    std::filesystem::remove(ordner / kHilfedatei);
    port.tasten = {Taste::Erste, Taste::Erste};
    EXPECT_TRUE(rahmen->close());
    EXPECT_EQ(test::DateiLesen(installiert / kHilfedatei), mitgeliefert);
    EXPECT_NE(test::DateiLesen(ordner / kHilfedatei).find("Eigene Zeile"), std::string::npos);
    EXPECT_EQ(Dateien().hilfe, ordner / kHilfedatei);
}

}  // namespace
}  // namespace zahlix
