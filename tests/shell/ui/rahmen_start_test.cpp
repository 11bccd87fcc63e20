// Start-up of the frame in prepared start directories.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

#include "app/anwendungsdateien.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "rahmen_hilfen_test.h"
#include "shell/optionen.h"
#include "shell/ui/rahmen.h"

using namespace zahlix;
using namespace zahlix::test;
using namespace std::chrono;

namespace {

std::vector<std::string> SichtbareLotterieKnoepfe(const ui::Rahmen& r) {
    std::vector<std::string> sichtbar;
    auto* leiste = r.findChild<QToolBar*>("Toolbar1");
    for (const auto& l : VordefinierteLotterien())
        if (leiste->findChild<QAction*>(l.taste)->isVisible()) sichtbar.push_back(l.taste);
    return sichtbar;
}

}  // namespace

TEST_F(RahmenTest, LeererOrdnerOhneAuswertungsfensterStatusleisteMitIsoWoche) {
    HeuteErsetzen(2026y / December / 6);
    Starten();
    EXPECT_EQ(rahmen->findChild<QLabel*>("Woche")->text(), "49. Woche");
    EXPECT_EQ(rahmen->findChild<QLabel*>("Datum")->text(), "06.12.2026");
    EXPECT_EQ(SichtbareLotterieKnoepfe(*rahmen), std::vector<std::string>{});
    EXPECT_EQ(Programm().sicherungsordner, ordner.pfad() / "Datensicherungen");
    EXPECT_TRUE(rahmen->findChild<QFrame*>("bdQuickInfo")->isVisible());
    EXPECT_TRUE(Aktion("mQuickInfo")->isChecked());
    EXPECT_TRUE(rahmen->Flaeche()->subWindowList().isEmpty());
    EXPECT_FALSE(Aktion("mLottoAuswertung")->isEnabled());
    EXPECT_TRUE(port.meldungen.empty());

    // Once the evaluation window exists, the same request creates it; it asks for a file.
    AuswertungAnmelden();
    EXPECT_TRUE(Aktion("mLottoAuswertung")->isEnabled());
    Aktion("mLottoAuswertung")->trigger();
    ASSERT_NE(Auswertung(), nullptr);
    EXPECT_EQ(erzeugt, 1);
    EXPECT_EQ(Auswertung()->uebergabe, "");
}

TEST_F(RahmenTest, StartdateiWirdUebergebenUndZwischenspeicherZuerst) {
    Anlegen("Samstaglotto.ZX7");
    Anlegen("MITTWOCHLOTTO.zx7");
    std::vector<std::string> reihenfolge;
    ui::FensterAnmelden("fZwischenspeicher", [&reihenfolge]() -> QWidget* {
        reihenfolge.push_back("ZW");
        return new SchlichtesFenster("fZwischenspeicher", "ZW");
    });
    ui::FensterAnmelden("fZX", [this, &reihenfolge]() -> QWidget* {
        reihenfolge.push_back("LO");
        ++erzeugt;
        return new KindFenster("fZX", "LO", "Info");
    });
    Starten();
    EXPECT_EQ(reihenfolge, (std::vector<std::string>{"ZW", "LO"}));
    ASSERT_NE(Auswertung(), nullptr);
    EXPECT_EQ(Auswertung()->uebergabe, "Samstaglotto.ZX7");
    EXPECT_EQ(Auswertung()->property("zahlixTag").toString(), "2F");
    EXPECT_EQ(ui::FensterSuchen("fZwischenspeicher")->property("zahlixTag").toString(), "1F");
    EXPECT_EQ(SichtbareLotterieKnoepfe(*rahmen), (std::vector<std::string>{"Samstag", "Mittwoch"}));
    // Standard options maximise the result buffer; the evaluation window above it stays normal.
    auto* zw = qobject_cast<QMdiSubWindow*>(ui::FensterSuchen("fZwischenspeicher")->parentWidget());
    auto* lo = qobject_cast<QMdiSubWindow*>(Auswertung()->parentWidget());
    ASSERT_TRUE(zw && lo);
    EXPECT_TRUE(zw->isMaximized());
    EXPECT_FALSE(lo->isMaximized());
}

TEST_F(RahmenTest, NurSchweizVorhandenKleingeschrieben) {
    Anlegen("schweiz.zx7");
    AuswertungAnmelden();
    Starten();
    EXPECT_EQ(SichtbareLotterieKnoepfe(*rahmen), std::vector<std::string>{"Schweiz"});
    EXPECT_EQ(Auswertung()->uebergabe, "") << "no Samstaglotto.ZX7: the window asks";

    rahmen->findChild<QToolBar*>("Toolbar1")->findChild<QAction*>("Schweiz")->trigger();
    EXPECT_EQ(Programm().uebergabeDatei, "schweiz.zx7");
    ASSERT_NE(Auswertung(), nullptr);
    EXPECT_EQ(Auswertung()->uebergabe, "schweiz.zx7");
    EXPECT_EQ(erzeugt, 2);
    Verarbeiten();
    EXPECT_EQ(rahmen->Flaeche()->subWindowList().size(), 1) << "the old window is gone";
}

TEST_F(RahmenTest, OptionsdateiBlendetQuickInfoAusUndNenntFehlendeStartdatei) {
    Optionswerte werte = OptionenStandard();
    werte.allgemein[0] = 0;
    werte.startdatei = "Fehlt.ZX7";
    Anlegen("ZX2005.ZXI", OptionenText(werte));
    Anlegen("Samstaglotto.ZX7");
    AuswertungAnmelden();
    Starten();
    EXPECT_EQ(Optionen().allgemein[0], 0);
    EXPECT_FALSE(rahmen->findChild<QFrame*>("bdQuickInfo")->isVisible());
    EXPECT_FALSE(Aktion("mQuickInfo")->isChecked());
    EXPECT_EQ(Auswertung()->uebergabe, "") << "a missing start file does not fall back";

    // The menu toggles the line and the option in force, without writing the file.
    Aktion("mQuickInfo")->trigger();
    EXPECT_EQ(Optionen().allgemein[0], 1);
    EXPECT_TRUE(rahmen->findChild<QFrame*>("bdQuickInfo")->isVisible());
    EXPECT_EQ(DateiLesen(ordner / "ZX2005.ZXI"), OptionenText(werte));
}

TEST_F(RahmenTest, EntfernteLotteriedateiFuehrtZurDateiabfrage) {
    Anlegen("Samstaglotto.ZX7");
    AuswertungAnmelden();
    Starten();
    EXPECT_EQ(Auswertung()->uebergabe, "Samstaglotto.ZX7");
    std::filesystem::remove(ordner / "Samstaglotto.ZX7");
    rahmen->StartKnopf("Samstag");
    EXPECT_EQ(Programm().uebergabeDatei, "");
    EXPECT_EQ(Auswertung()->uebergabe, "");

    // "Lotto-Auswertung" always asks, even when a file was handed over before.
    Anlegen("Samstaglotto.ZX7");
    rahmen->StartKnopf("Samstag");
    EXPECT_EQ(Auswertung()->uebergabe, "Samstaglotto.ZX7");
    rahmen->StartKnopf("Lotto-Auswertung");
    EXPECT_EQ(Auswertung()->uebergabe, "");
}

TEST_F(RahmenTest, ZweiterKlickWaehrendDesErstenOhneWirkung) {
    Anlegen("Samstaglotto.ZX7");
    Anlegen("Mittwochlotto.ZX7");
    std::vector<std::string> tags;
    ui::FensterAnmelden("fZX", [this, &tags]() -> QWidget* {
        ++erzeugt;
        tags.push_back(rahmen ? rahmen->StartleisteTag().toStdString() : "-");
        // The user clicks again while the window is still being built.
        if (rahmen) rahmen->StartKnopf("Mittwoch");
        return new KindFenster("fZX", "LO", "Info");
    });
    Starten();
    erzeugt = 0;
    tags.clear();
    rahmen->StartKnopf("Samstag");
    EXPECT_EQ(erzeugt, 1);
    EXPECT_EQ(tags, std::vector<std::string>{"Warten"});
    EXPECT_EQ(Auswertung()->uebergabe, "Samstaglotto.ZX7");
    EXPECT_EQ(rahmen->StartleisteTag(), "");

    // A failing action leaves the toolbar usable.
    ui::FensterAnmelden("fZX", []() -> QWidget* { throw std::runtime_error("kaputt"); });
    rahmen->StartKnopf("Mittwoch");
    EXPECT_EQ(rahmen->StartleisteTag(), "");
}
