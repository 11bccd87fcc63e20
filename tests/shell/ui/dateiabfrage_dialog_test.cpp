// The file dialog's wiring; patterns, answers and the recent list have their own logic tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/textdatei.h"
#include "shell/muster.h"
#include "shell/ui/dateiabfrage.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::ui;
using zahlix::test::Arbeitsordner;
using zahlix::test::DateiLesen;
using zahlix::test::DateiSchreiben;
namespace fs = std::filesystem;
using Namen = std::vector<std::string>;

namespace {

const std::string kOeffnen = "*.ZX7;*.ZX6;*.AS7";

Namen Eintraege(const QListWidget* l) {
    Namen aus;
    for (int i = 0; i < l->count(); ++i) aus.push_back(l->item(i)->text().toStdString());
    return aus;
}

// A start directory with a few files and a subfolder; the dialog shows it on a request.
class Dateidialog : public ::testing::Test {
  protected:
    void SetUp() override {
        vorher = Programm().startverzeichnis;
        Programm().startverzeichnis = start.pfad();
        for (const char* n : {"a.ZX7", "b.zx6", "c.AS7", "d.TXT", "e.ZX7.bak"})
            DateiSchreiben(start / n, std::string(20, 'x'));
        fs::create_directory(start / "Unter");
        DateiSchreiben(start / "Unter" / "u.ZX7", "");
        dialog.OrdnerWechseln(start.pfad());
        Dateiabfrage::Systemdialog() = [this](QWidget*, bool speichern, const std::string& f,
                                              const std::string&, const std::string&) {
            systemSpeichern = speichern;
            systemFilter = f;
            return systemAntwort;
        };
    }
    void TearDown() override {
        Programm().startverzeichnis = vorher;
        Dateiabfrage::Systemdialog() = nullptr;
    }

    void Anfrage(const std::string& muster = kOeffnen) {
        dialog.Anfrage(muster, "Lotto-Auswertung - Datei öffnen");
        dialog.show();
    }
    QComboBox* Name() { return dialog.findChild<QComboBox*>("cDatei"); }
    QListWidget* Liste(const char* n) { return dialog.findChild<QListWidget*>(n); }
    Namen Dateien() { return Eintraege(Liste("dDatei")); }
    std::string Muster() { return Name()->currentText().toStdString(); }
    std::string Ordner(const fs::path& p) { return TextAusPfad(fs::canonical(p)); }
    std::string Pfad(const fs::path& p, const char* datei) {
        return TextAusPfad(fs::canonical(p) / datei);
    }
    void Tippen(const QString& text) {
        Name()->lineEdit()->clear();
        QTest::keyClicks(Name()->lineEdit(), text);
    }
    void Ok() { dialog.findChild<QPushButton*>("bOK")->click(); }
    void Waehlen(const char* liste, const std::string& name) {
        QListWidget* l = Liste(liste);
        const auto treffer = l->findItems(QString::fromStdString(name), Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1) << name;
        l->setCurrentItem(treffer.front());
        emit l->itemClicked(treffer.front());
    }
    std::string Zuletzt() { return DateiLesen(start / "Zuletzt.ZXI"); }

    SkriptPort port;
    Arbeitsordner start;
    fs::path vorher;
    Dateiabfrage dialog;
    std::string systemAntwort, systemFilter;
    bool systemSpeichern = false;
};

}  // namespace

TEST_F(Dateidialog, MusterFiltertDieListeVerschwundenerOrdnerFuehrtInsStartverzeichnis) {
    Anfrage("");
    EXPECT_EQ(Muster(), kStandardMuster);
    Anfrage();
    ASSERT_EQ(Name()->count(), 3);
    EXPECT_EQ(Dateien(), (Namen{"a.ZX7", "b.zx6", "c.AS7"}));
    emit Name()->activated(1);
    EXPECT_EQ(Dateien(), Namen{"b.zx6"});
    Tippen("*.AS7");
    QTest::keyClick(Name()->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Dateien(), Namen{"c.AS7"});

    // A folder gone since the last request leads back to the start folder.
    fs::create_directory(start / "weg");
    dialog.OrdnerWechseln(start / "weg");
    fs::remove(start / "weg");
    Anfrage();
    EXPECT_EQ(dialog.Ordner(), Ordner(start.pfad()));
    EXPECT_EQ(Dateien(), (Namen{"a.ZX7", "b.zx6", "c.AS7"}));
}

TEST_F(Dateidialog, AntwortenUndZuletztListe) {
    DateiSchreiben(start / "Zuletzt.ZXI", "alt.ZX7\r\n");
    Anfrage();
    Waehlen("dDatei", "a.ZX7");
    EXPECT_EQ(Name()->currentText(), "a.ZX7");
    Ok();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Tag(), "a.ZX7");

    Anfrage();
    Tippen("tippen");
    QTest::keyClick(Name()->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Tag(), "tippen.ZX7");
    EXPECT_EQ(Zuletzt(), "tippen.ZX7\r\na.ZX7\r\nalt.ZX7\r\n");

    // Cancel, Esc and closing answer nothing and leave the list alone.
    Anfrage();
    Waehlen("dDatei", "c.AS7");
    dialog.findChild<QPushButton*>("bAbbrechen")->click();
    EXPECT_EQ(dialog.Tag(), "");
    Anfrage();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Tag(), "");
    Anfrage();
    dialog.close();
    EXPECT_EQ(dialog.Tag(), "") << "Schliessen liefert nicht die Musterliste";
    EXPECT_EQ(Zuletzt().substr(0, 12), "tippen.ZX7\r\n");
}

TEST_F(Dateidialog, OrdnerUndLaufwerkImNamensfeld) {
    Anfrage();
    Tippen(QString::fromStdString(TextAusPfad(start / "Unter")));
    Ok();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Ordner(), Ordner(start / "Unter"));
    EXPECT_EQ(Dateien(), Namen{"u.ZX7"});
    EXPECT_EQ(Muster(), kOeffnen);

    Tippen("/gibt/es/nicht/x.ZX7");
    Ok();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_NE(port.meldungen[0].text.find("nicht gefunden"), std::string::npos);

    Tippen(QString::fromStdString(TextAusPfad(start / "Unter" / "neu")));
    Ok();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Tag().toStdString(), Pfad(start / "Unter", "neu.ZX7"));
}

TEST_F(Dateidialog, VerzeichnisUndLaufwerkslisteFuehrenHinunterUndHinauf) {
    Anfrage();
    QListWidget* v = Liste("vVerzeichnis");
    const auto unter = v->findItems("Unter", Qt::MatchEndsWith);
    ASSERT_EQ(unter.size(), 1);
    emit v->itemActivated(unter.front());
    EXPECT_EQ(dialog.Ordner(), Ordner(start / "Unter"));
    emit v->itemActivated(v->item(0));  // the root heads the chain
    EXPECT_EQ(fs::path(dialog.Ordner()), fs::path(dialog.Ordner()).root_path());
    dialog.OrdnerWechseln(start.pfad());
    auto* laufwerk = dialog.findChild<QComboBox*>("lwLaufwerk");
    ASSERT_GE(laufwerk->count(), 2);
    emit laufwerk->activated(0);
    EXPECT_EQ(fs::path(dialog.Ordner()), fs::path(dialog.Ordner()).root_path());
}

TEST_F(Dateidialog, ZuletztVerwendetZeigtGefilterteListe) {
    DateiSchreiben(start / "Zuletzt.ZXI", "/weg/x.TXT\r\n/weg/Lotto.zx7\r\na.ZX7\r\n\r\nz.ZX7\r\n");
    Anfrage();
    auto* k = dialog.findChild<QCheckBox*>("kZuletzt");
    EXPECT_TRUE(Liste("lZuletztGesamt")->isHidden());
    Tippen("a.ZX7");
    k->setChecked(true);
    EXPECT_FALSE(Liste("lZuletzt")->isHidden());
    EXPECT_TRUE(Liste("dDatei")->isHidden());
    EXPECT_EQ(Muster(), kOeffnen) << "ohne Muster kommt das Muster";
    EXPECT_EQ(Eintraege(Liste("lZuletzt")), (Namen{"/weg/Lotto.zx7", "a.ZX7"}));
    EXPECT_TRUE(Liste("lZuletzt")->selectedItems().isEmpty());

    Waehlen("lZuletzt", "/weg/Lotto.zx7");
    Ok();
    EXPECT_EQ(dialog.Tag(), "/weg/Lotto.zx7");
    EXPECT_EQ(Zuletzt(), "/weg/Lotto.zx7\r\n/weg/x.TXT\r\na.ZX7\r\n");
    k->setChecked(false);
    EXPECT_TRUE(Liste("lZuletzt")->isHidden());
    EXPECT_FALSE(Liste("dDatei")->isHidden());
}

TEST_F(Dateidialog, LoeschenNurNachJa) {
    Anfrage();
    QListWidget* d = Liste("dDatei");
    Waehlen("dDatei", "c.AS7");
    port.tasten = {Taste::Zweite};
    emit d->customContextMenuRequested(QPoint(-1, -1));
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text, "c.AS7\r\nDatei wirklich löschen?");
    EXPECT_EQ(port.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(port.meldungen[0].vorbelegt, Taste::Zweite);
    EXPECT_TRUE(fs::exists(start / "c.AS7"));
    port.tasten = {Taste::Erste};
    emit d->customContextMenuRequested(QPoint(-1, -1));
    EXPECT_FALSE(fs::exists(start / "c.AS7"));
    EXPECT_EQ(Eintraege(d), (Namen{"a.ZX7", "b.zx6"}));
    // Without a selection nothing is asked.
    d->setCurrentItem(nullptr);
    emit d->customContextMenuRequested(QPoint(-1, -1));
    EXPECT_EQ(port.meldungen.size(), 2u);
}

TEST_F(Dateidialog, NeuerOrdnerUeberEingabe) {
    Anfrage();
    QListWidget* v = Liste("vVerzeichnis");
    port.eingaben = {"Neuer Ordner ä", "../draussen", ""};
    emit v->customContextMenuRequested(QPoint(0, 0));
    ASSERT_EQ(port.eingabeAnfragen.size(), 1u);
    EXPECT_EQ(port.eingabeAnfragen[0].a,
              "Neues Unterverzeichnis erzeugen von \r\n" + dialog.Ordner());
    EXPECT_TRUE(fs::is_directory(start / PfadVonName("Neuer Ordner ä")));
    EXPECT_EQ(v->findItems(QString::fromUtf8("Neuer Ordner ä"), Qt::MatchEndsWith).size(), 1);
    emit v->customContextMenuRequested(QPoint(0, 0));
    EXPECT_FALSE(fs::exists(start.pfad().parent_path() / "draussen"));
    ASSERT_EQ(port.meldungen.size(), 1u) << "ungültiger Name wird gemeldet";
    emit v->customContextMenuRequested(QPoint(0, 0));  // cancelled input: nothing happens
    EXPECT_EQ(port.meldungen.size(), 1u);
}

TEST_F(Dateidialog, WinDialogMitFilterUndAbbruch) {
    Anfrage();
    auto* win = dialog.findChild<QPushButton*>("bWindowsDialog");
    win->click();
    EXPECT_TRUE(dialog.isVisible()) << "Abbruch dort lässt diesen Dialog offen";
    EXPECT_FALSE(systemSpeichern);
    // Both spellings of each extension, for file systems that tell them apart.
    EXPECT_EQ(systemFilter,
              "ZX7 - Datei (*.ZX7 *.zx7);;ZX6 - Datei (*.ZX6 *.zx6);;AS7 - Datei (*.AS7 *.as7)");
    systemAntwort = "/anderswo/Datei.ZX7";
    win->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Tag(), "/anderswo/Datei.ZX7");
    EXPECT_EQ(Zuletzt(), "/anderswo/Datei.ZX7\r\n");
    dialog.Anfrage("*.TXT", "Druckausgabe - Datei speichern");
    systemAntwort = "";
    win->click();
    EXPECT_TRUE(systemSpeichern);
}

TEST_F(Dateidialog, VorschauBeimWaehlenUndLeerBeimTippen) {
    DateiSchreiben(start / "a.ZX7", std::string("XZ\0\0\0\0\0\0\0\0\x31\0", 12));
    Anfrage();
    auto* vorschau = dialog.findChild<QPlainTextEdit*>("bdReihen");
    Waehlen("dDatei", "a.ZX7");
    EXPECT_EQ(vorschau->toPlainText(), "Anzahl Reihen = 0");
    Tippen("x");
    EXPECT_EQ(vorschau->toPlainText(), "");
    Waehlen("dDatei", "c.AS7");
    EXPECT_EQ(vorschau->toPlainText(), QString::fromUtf8("Dateigröße in Byte = 20"));
}

TEST_F(Dateidialog, BlankenUmlauteUndLangeNamen) {
    const fs::path ordner = start / PfadVonName("Eigene Dateien Ä ö");
    const std::string lang = std::string(200, 'L') + " Jürgen.ZX7";
    fs::create_directory(ordner);
    DateiSchreiben(ordner / PfadVonName(lang), "");
    DateiSchreiben(start / PfadVonName("Übersicht 2005.ZX7"), "");
    Anfrage();
    Waehlen("dDatei", "Übersicht 2005.ZX7");
    Ok();
    EXPECT_EQ(dialog.Tag().toStdString(), "Übersicht 2005.ZX7");
    Anfrage();
    dialog.OrdnerWechseln(ordner);
    Waehlen("dDatei", lang);
    Ok();
    EXPECT_EQ(dialog.Tag().toStdString(), TextAusPfad(fs::canonical(ordner) / PfadVonName(lang)));
}

TEST(DateiabfrageModal, ZeigenBlockiertNichtImTestUndHaengtDieEndungAn) {
    SkriptPort port;
    Arbeitsordner start;
    const fs::path vorher = Programm().startverzeichnis;
    Programm().startverzeichnis = start.pfad();
    Dateiabfrage& d = DateiabfrageInstanz();
    d.OrdnerWechseln(start.pfad());
    QTimer::singleShot(0, [&] {
        auto* name = d.findChild<QComboBox*>("cDatei");
        name->lineEdit()->clear();
        QTest::keyClicks(name->lineEdit(), "neu");
        d.findChild<QPushButton*>("bOK")->click();
    });
    EXPECT_EQ(DateiabfrageZeigen(nullptr, kOeffnen, "Lotto-Auswertung - Datei öffnen"), "neu.ZX7");
    QTimer::singleShot(0, [&] { d.findChild<QPushButton*>("bAbbrechen")->click(); });
    EXPECT_EQ(DateiabfrageZeigen(nullptr, kOeffnen, "x"), "");
    EXPECT_EQ(&DateiabfrageInstanz(), &d);
    Programm().startverzeichnis = vorher;
}

TEST(DateiabfrageBeschriftung, LaufwerkUndVerzeichnisAlsEineZeile) {
    SkriptPort port;
    ui::Dateiabfrage dialog;
    dialog.Anfrage("*.ZX7", "Titel");
    dialog.show();
    QApplication::processEvents();
    const QLabel *laufwerk = nullptr, *verzeichnis = nullptr;
    for (const QLabel* l : dialog.findChildren<QLabel*>()) {
        if (l->text() == "&Laufwerk und") laufwerk = l;
        if (l->text() == "&Verzeichnis (Ordner):") verzeichnis = l;
        if (l->isVisible() && !l->wordWrap() && !l->text().isEmpty()) {
            EXPECT_GE(l->width(), l->minimumSizeHint().width()) << l->text().toStdString();
        }
    }
    ASSERT_NE(laufwerk, nullptr);
    ASSERT_NE(verzeichnis, nullptr);
    EXPECT_EQ(laufwerk->geometry().center().y(), verzeichnis->geometry().center().y());
    EXPECT_GT(verzeichnis->x(), laufwerk->geometry().right());
}
