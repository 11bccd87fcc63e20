// The program's own message and input boxes, shown for real and answered by timers, so no
// test waits for a person.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "app/port.h"
#include "app/ui/eingabefenster.h"
#include "app/ui/meldungsfenster.h"
#include "app/ui/qt_port.h"

using namespace zahlix;
using namespace zahlix::ui;

namespace {

// What the box looked like while it was shown.
struct Gesehen {
    bool gezeigt = false;
    QString titel, text, ok, abbrechen, fokus;
    bool abbrechenSichtbar = false;
    bool symbolSichtbar = false;
};

// Runs `handlung` on the visible box once the modal loop is running.
void Beantworten(QDialog& box, Gesehen& g, std::function<void(QDialog&)> handlung) {
    QTimer::singleShot(0, &box, [&box, &g, handlung] {
        g.gezeigt = box.isVisible();
        g.titel = box.windowTitle();
        g.text = box.findChild<QLabel*>("bzText") ? box.findChild<QLabel*>("bzText")->text() : "";
        auto* ok = box.findChild<QPushButton*>("bOK");
        auto* ab = box.findChild<QPushButton*>("bAbbrechen");
        g.ok = ok->text();
        g.abbrechen = ab->text();
        g.abbrechenSichtbar = ab->isVisible();
        if (auto* bild = box.findChild<QLabel*>("bdSymbol")) g.symbolSichtbar = bild->isVisible();
        if (QWidget* f = box.focusWidget()) g.fokus = f->objectName();
        handlung(box);
    });
}

void Klicken(QDialog& box, const char* knopf) {
    box.findChild<QPushButton*>(knopf)->click();
}

class MeldungsFenster : public ::testing::Test {
  protected:
    QtPort port;
    Port* vorher = nullptr;
    void SetUp() override { vorher = PortInstallieren(&port); }
    void TearDown() override { PortInstallieren(vorher); }
};

}  // namespace

TEST_F(MeldungsFenster, KnopfsaetzeVorbelegungUndAntworten) {
    Gesehen g;
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    EXPECT_EQ(Meldung("Zeile 1\r\nZeile 2", 64, "Titel"), kOK);
    EXPECT_TRUE(g.gezeigt);
    EXPECT_EQ(g.titel, "Titel");
    EXPECT_EQ(g.text, "Zeile 1\nZeile 2");
    EXPECT_TRUE(g.symbolSichtbar);
    EXPECT_EQ(port.Ausgabe().AktuellesSymbol(), Symbol::Information);
    EXPECT_FALSE(port.Ausgabe().isVisible());

    struct Fall {
        int flags;
        const char* knopf;  // nullptr: the box is closed; "Esc": rejected
        int antwort;
        const char* ok;
        const char* abbrechen;  // empty: hidden
        const char* fokus;
    };
    const Fall faelle[] = {
        {64, "bOK", kOK, "&OK", "", "bOK"},
        {324, nullptr, kAbbrechen, "&Ja", "&Nein", "bAbbrechen"},
        {324, "Esc", kAbbrechen, "&Ja", "&Nein", "bAbbrechen"},
        {324, "bOK", kJa, "&Ja", "&Nein", "bAbbrechen"},
        // After a second-button box, a plain Yes/No box focuses the first button again.
        {36, nullptr, kAbbrechen, "&Ja", "&Nein", "bOK"},
        {36, "EscTaste", kAbbrechen, "&Ja", "&Nein", "bOK"},
        {65, "bAbbrechen", kAbbrechen, "&OK", "&Abbrechen", "bOK"},
        {257, nullptr, kAbbrechen, "&OK", "&Abbrechen", "bAbbrechen"},
        {1, nullptr, kAbbrechen, "&OK", "&Abbrechen", "bOK"},
        {1, "EnterTaste", kOK, "&OK", "&Abbrechen", "bOK"},
    };
    for (const Fall& f : faelle) {
        Beantworten(port.Ausgabe(), g, [&f](QDialog& b) {
            if (!f.knopf)
                b.close();
            else if (std::string(f.knopf) == "Esc")
                b.reject();
            else if (std::string(f.knopf).ends_with("Taste"))
                QTest::keyClick(b.focusWidget(),
                                f.knopf[1] == 's' ? Qt::Key_Escape : Qt::Key_Return);
            else
                Klicken(b, f.knopf);
        });
        EXPECT_EQ(Meldung("x", f.flags, "T"), f.antwort) << f.flags;
        EXPECT_EQ(g.ok, f.ok) << f.flags;
        EXPECT_EQ(g.abbrechenSichtbar, *f.abbrechen != 0) << f.flags;
        if (*f.abbrechen) {
            EXPECT_EQ(g.abbrechen, f.abbrechen) << f.flags;
        }
        EXPECT_EQ(g.fokus, f.fokus) << f.flags;
    }
}

TEST_F(MeldungsFenster, SymbolOhneFlagBleibtWieZuvor) {
    Gesehen g;
    for (auto [flags, symbol] : {std::pair{48, Symbol::Ausruf}, std::pair{0, Symbol::Ausruf},
                                 std::pair{16, Symbol::Kritisch}}) {
        Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
        Meldung("x", flags, "T");
        EXPECT_EQ(port.Ausgabe().AktuellesSymbol(), symbol) << flags;
        EXPECT_TRUE(g.symbolSichtbar) << flags;
    }
}

TEST(MeldungsFensterNeu, OhneFruehereMeldungKeinSymbol) {
    OutBox box;
    MeldungsAnfrage a;
    a.text = "ohne";
    box.Vorbereiten(a);
    EXPECT_FALSE(box.findChild<QLabel*>("bdSymbol")->isVisibleTo(&box));
    EXPECT_EQ(box.Tag(), "OK");
    a.knoepfe = Knoepfe::OK;
    a.vorbelegt = Taste::Zweite;  // no second button to preselect
    box.Vorbereiten(a);
    EXPECT_EQ(box.Tag(), "OK");
}

TEST_F(MeldungsFenster, EingabeOKAbbrechenSchliessen) {
    Gesehen g;
    QString prompt;
    Beantworten(port.Eingabe(), g, [&prompt](QDialog& b) {
        prompt = b.findChild<QLabel*>("bzEingabe")->text();
        auto* feld = b.findChild<QLineEdit*>("tEingabe");
        EXPECT_EQ(feld->text(), "") << "the tag starts empty";
        EXPECT_TRUE(feld->hasFocus() || b.focusWidget() == feld);
        feld->setText("Neuer Ordner äöü");
        Klicken(b, "bOK");
    });
    EXPECT_EQ(Eingabe("Neues Unterverzeichnis erzeugen von \r\nC:\\Lotto", "Dateiabfrage"),
              "Neuer Ordner äöü");
    EXPECT_EQ(g.titel, "Dateiabfrage");
    EXPECT_EQ(prompt, "Neues Unterverzeichnis erzeugen von \nC:\\Lotto");

    Beantworten(port.Eingabe(), g, [](QDialog& b) {
        b.findChild<QLineEdit*>("tEingabe")->setText("verworfen");
        Klicken(b, "bAbbrechen");
    });
    EXPECT_EQ(Eingabe("p", "t"), "");

    Beantworten(port.Eingabe(), g, [](QDialog& b) {
        b.findChild<QLineEdit*>("tEingabe")->setText("verworfen");
        b.close();
    });
    EXPECT_EQ(Eingabe("p", "t"), "");
}

TEST_F(MeldungsFenster, SanduhrWeichtDemPfeilWaehrendDerFrage) {
    Beschaeftigt(-1);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Qt::CursorShape waehrend = Qt::WaitCursor;
    Gesehen g;
    Beantworten(port.Ausgabe(), g, [&waehrend](QDialog& b) {
        waehrend = QApplication::overrideCursor()->shape();
        b.close();
    });
    Meldung("Frage", 36, "T");
    EXPECT_EQ(waehrend, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Beschaeftigt(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
