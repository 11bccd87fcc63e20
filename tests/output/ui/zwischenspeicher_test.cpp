#include "output/ui/zwischenspeicher.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <string>
#include <vector>

#include "app/skript_port.h"
#include "output/rtf.h"
#include "output/ui/drucker.h"
#include "support/speichergrenze.h"
#include "support/testdaten.h"

using namespace zahlix;
using zahlix::ui::Zwischenspeicher;

namespace {

QString Text(const Zwischenspeicher& w) {
    return w.Dokument()->toPlainText();
}

void Setzen(Zwischenspeicher& w, const QString& text, int anfang, int ende = -1) {
    w.Dokument()->setPlainText(text);
    QTextCursor c = w.Dokument()->textCursor();
    c.setPosition(anfang);
    if (ende >= 0) c.setPosition(ende, QTextCursor::KeepAnchor);
    w.Dokument()->setTextCursor(c);
}

void Klick(Zwischenspeicher& w, int i) {
    w.findChild<QPushButton*>(QStringLiteral("bToolbar_%1").arg(i))->click();
}

class ZwischenspeicherFenster : public ::testing::Test {
  protected:
    SkriptPort port;
    test::Arbeitsordner ordner;
    Zwischenspeicher w;
};

TEST(Zwischenspeicher, EinzigeInstanzUeberDieFreieFunktion) {
    zahlix::TextEinfuegen("Erster Block\r\n");
    ui::Zwischenspeicher* a = ui::ZwischenspeicherInstanz();
    EXPECT_EQ(a, ui::ZwischenspeicherInstanz());
    EXPECT_TRUE(Text(*a).startsWith("Erster Block"));
    zahlix::TextEinfuegen("Zweiter Block\r\n");
    zahlix::TextEinfuegen("Erster Block\r\n");
    EXPECT_EQ(Text(*a), "Zweiter Block\nErster Block\n") << "newest on top, a known block once";
    a->EndgueltigSchliessen();
}

TEST_F(ZwischenspeicherFenster, AusschneidenEinfuegenUndZurueckTauschen) {
    Setzen(w, "eins zwei drei", 5, 10);
    Klick(w, 4);
    EXPECT_EQ(Text(w), "eins drei");
    EXPECT_EQ(QApplication::clipboard()->text(), "zwei ");
    Klick(w, 7);
    EXPECT_EQ(Text(w), "eins zwei drei");
    Klick(w, 7);
    EXPECT_EQ(Text(w), "eins drei") << "pressing it twice restores the change";
    Setzen(w, "ab", 1);
    Klick(w, 6);
    EXPECT_EQ(Text(w), "azwei b");
    Klick(w, 7);
    EXPECT_EQ(Text(w), "ab");
    // Cut without a selection changes neither text nor undo text.
    Setzen(w, "xyz", 1);
    Klick(w, 4);
    EXPECT_EQ(Text(w), "xyz");
    EXPECT_EQ(w.UndoText(), "azwei b");
}

TEST_F(ZwischenspeicherFenster, SuchenMitEscapesUndTextende) {
    Setzen(w, "Zeile a\nb\tc\nZeile a\nb", 0);
    port.eingaben = {"a^zb^tc"};
    Klick(w, 8);
    EXPECT_EQ(w.Dokument()->textCursor().selectionStart(), 6);
    EXPECT_EQ(w.Dokument()->textCursor().selectionEnd(), 11);
    // With a selection the selection is searched, from just after its start.
    Setzen(w, "Zeile a\nb\tc\nZeile a\nb", 0, 5);
    Klick(w, 8);
    EXPECT_EQ(w.Dokument()->textCursor().selectionStart(), 12);
    EXPECT_EQ(port.eingabeAnfragen.size(), 1u) << "no question with a selection";
    Klick(w, 8);
    EXPECT_EQ(port.MeldungsTexte(), std::vector<std::string>{"Textende erreicht."});
}

TEST_F(ZwischenspeicherFenster, ErsetzenMeldetNimmtZurueckUndNummeriertMitUmschaltOderStrg) {
    Setzen(w, "a a a\na", 2);
    port.eingaben = {"a^z", "-"};
    w.Ersetzen(0);
    EXPECT_EQ(Text(w), "a a -a");
    EXPECT_EQ(port.MeldungsTexte().back(), "Suchtext wurde 1 mal ersetzt!");
    Klick(w, 7);
    EXPECT_EQ(Text(w), "a a a\na");

    // Shift or Ctrl with a click on Ersetzen renumbers instead.
    Setzen(w, "Tipps\n3 12 17 25 38 44\n1,2,3,4,5,6\n", 0);
    auto* knopf = w.findChild<QPushButton*>("bToolbar_9");
    QTest::mouseClick(knopf, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Text(w), "Tipps\n  1: 03 12 17 25 38 44\n  2: 01 02 03 04 05 06\n");
    Setzen(w, "Tipps\n3 12 17 25 38 44\n1,2,3,4,5,6\n", 0);
    QTest::mouseClick(knopf, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Text(w), "Tipps\n 03 12 17 25 38 44\n 01 02 03 04 05 06\n");
    EXPECT_EQ(port.eingabeAnfragen.size(), 2u) << "the numbering asks nothing";
}

TEST_F(ZwischenspeicherFenster, SchnellfuellenMitStrgVier) {
    // Placeholders sharing a blank are filled one after the other; the fifth stays.
    Setzen(w, "Reihe 0 0 \nReihe 0 0 0 ", 5);
    port.eingaben = {"7"};
    QTest::keyClick(w.Dokument(), Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(Text(w), "Reihe 7 7 \nReihe 7 7 0 ");
    EXPECT_EQ(port.eingabeAnfragen.size(), 1u);
    EXPECT_EQ(w.Dokument()->textCursor().position(), 5) << "the caret returns";
}

TEST_F(ZwischenspeicherFenster, SpeichernAlsAscFragtUndNeinLaesstAllesStehen) {
    Setzen(w, "Größe 01 02\nzweite", 0);
    const std::string asc = (ordner / "bericht.ASC").string();
    port.dateien = {asc};
    port.tasten = {Taste::Zweite};
    Klick(w, 1);
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text,
              "Soll die Datei " + asc + " wirklich im Text-Format gespeichert werden?");
    EXPECT_EQ(port.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_FALSE(std::filesystem::exists(asc));
    EXPECT_EQ(w.windowTitle(), "Zwischenspeicher: OhneName.TXT");
    // Yes writes plain UTF-8 text with CR LF.
    port.dateien = {asc};
    port.tasten = {Taste::Erste};
    Klick(w, 1);
    EXPECT_EQ(test::DateiLesen(asc), "Größe 01 02\r\nzweite");
    EXPECT_EQ(w.windowTitle(), QString::fromStdString("Zwischenspeicher: " + asc));
}

TEST_F(ZwischenspeicherFenster, RtfSpeichernUndWiederOeffnen) {
    const QString text = QString::fromUtf8("Ärger über € und 中文\n\tTab {x} \\y\n");
    Setzen(w, text, 0);
    const std::string rtf = (ordner / "z.rtf").string();
    port.dateien = {rtf};
    Klick(w, 1);
    EXPECT_TRUE(port.meldungen.empty()) << "no question for .RTF";
    EXPECT_EQ(RtfLesen(test::DateiLesen(rtf)), "Ärger über € und 中文\r\n\tTab {x} \\y\r\n");
    Setzen(w, "anders", 0);
    port.dateien = {rtf};
    Klick(w, 0);
    EXPECT_EQ(Text(w), text);
    EXPECT_EQ(w.windowTitle(), QString::fromStdString("Zwischenspeicher: " + rtf));
}

TEST_F(ZwischenspeicherFenster, FehlerBeimOeffnenUndSpeichernBehaltenDokumentUndName) {
    Setzen(w, "bleibt", 0);
    port.dateien = {(ordner / "fehlt.TXT").string()};
    Klick(w, 0);
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].symbol, Symbol::Kritisch);
    EXPECT_NE(port.meldungen[0].text.find("fehlt.TXT"), std::string::npos);
    port.dateien = {(ordner / "kein" / "ordner.TXT").string()};
    Klick(w, 1);
    EXPECT_EQ(port.meldungen.size(), 2u);
    test::DateiSchreiben(ordner / "gross.TXT", std::string(100000, 'x'));
    port.dateien = {(ordner / "gross.TXT").string()};
    test::SpeichergrenzeSetzen(20000);
    Klick(w, 0);
    test::SpeichergrenzeSetzen(SIZE_MAX);
    EXPECT_NE(port.meldungen.back().text.find("Arbeitsspeicher"), std::string::npos);
    EXPECT_EQ(Text(w), "bleibt");
    EXPECT_EQ(w.windowTitle(), "Zwischenspeicher: OhneName.TXT");
}

TEST_F(ZwischenspeicherFenster, KaputteUndBinaereDateienOeffnenOhneAbsturz) {
    std::string binaer;
    for (int i = 0; i < 4096; ++i) binaer += static_cast<char>((i * 37) & 0xFF);
    test::DateiSchreiben(ordner / "binaer.TXT", binaer);
    test::DateiSchreiben(ordner / "text.rtf", "kein RTF, nur Text");
    port.dateien = {(ordner / "binaer.TXT").string(), (ordner / "text.rtf").string()};
    Klick(w, 0);
    EXPECT_GT(Text(w).size(), 3000);
    Klick(w, 0);
    EXPECT_EQ(Text(w), "kein RTF, nur Text") << "an .RTF name with plain text is read as text";
    EXPECT_TRUE(port.meldungen.empty());
}

TEST_F(ZwischenspeicherFenster, LoeschenNachRueckfrage) {
    Klick(w, 3);
    EXPECT_TRUE(port.meldungen.empty()) << "nothing to ask when empty";
    Setzen(w, "Inhalt", 0);
    Klick(w, 3);  // closed box: No is preselected
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text, "Inhalt wirklich löschen?");
    EXPECT_EQ(port.meldungen[0].vorbelegt, Taste::Zweite);
    EXPECT_EQ(Text(w), "Inhalt");
    port.tasten = {Taste::Erste};
    Klick(w, 3);
    EXPECT_EQ(Text(w), "");
    Klick(w, 7);
    EXPECT_EQ(Text(w), "Inhalt");
}

TEST_F(ZwischenspeicherFenster, LaesstSichNichtSchliessen) {
    w.show();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isMinimized());
    EXPECT_TRUE(port.meldungen.empty());
    EXPECT_FALSE(w.close());
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].text, "Der Zwischenspeicher kann nicht beendet werden");
    w.EndgueltigSchliessen();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ZwischenspeicherFenster, StatuszeileFolgtDemCaretDruckenUebergibtDenGanzenText) {
    auto* status = w.findChild<QLabel*>("bzHilfe");
    ASSERT_NE(status, nullptr);
    Setzen(w, QString("ab\n") + QString(1200, 'x'), 4, 8);
    EXPECT_EQ(status->text(),
              "Zwischenspeicher Zeile 2  -  Zeichen 5 von 1.203  -  4 Zeichen markiert");
    Setzen(w, "Block 1\nBlock 2", 3, 5);
    Klick(w, 2);
    const QString druck = ui::DruckerInstanz()->Dokument()->toPlainText();
    EXPECT_TRUE(druck.endsWith("\nBlock 1\nBlock 2\n")) << druck.toStdString();
    EXPECT_TRUE(druck.startsWith("Zahlix ")) << "our banner stands first";
}

}  // namespace
