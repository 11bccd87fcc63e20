// The program's own message and input boxes, shown for real and answered by timers, so no
// test waits for a person.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

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

TEST_F(MeldungsFenster, InformationNurOKSchliessenGibtEins) {
    Gesehen g;
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    EXPECT_EQ(Meldung("Zeile 1\r\nZeile 2", 64, "Titel"), kOK);
    EXPECT_TRUE(g.gezeigt);
    EXPECT_EQ(g.titel, "Titel");
    EXPECT_EQ(g.text, "Zeile 1\nZeile 2");
    EXPECT_EQ(g.ok, "&OK");
    EXPECT_FALSE(g.abbrechenSichtbar);
    EXPECT_TRUE(g.symbolSichtbar);
    EXPECT_EQ(g.fokus, "bOK");
    EXPECT_EQ(port.Ausgabe().AktuellesSymbol(), Symbol::Information);
    EXPECT_FALSE(port.Ausgabe().isVisible());

    Beantworten(port.Ausgabe(), g, [](QDialog& b) { Klicken(b, "bOK"); });
    EXPECT_EQ(Meldung("x", 64, "T"), kOK);
}

TEST_F(MeldungsFenster, JaNeinMitNeinVorbelegt) {
    Gesehen g;
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    EXPECT_EQ(Meldung("Speichern?", 324, "Zahlix"), kNein);
    EXPECT_EQ(g.ok, "&Ja");
    EXPECT_EQ(g.abbrechen, "&Nein");
    EXPECT_TRUE(g.abbrechenSichtbar);
    EXPECT_EQ(g.fokus, "bAbbrechen");

    // Esc is a close, too.
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { static_cast<QDialog&>(b).reject(); });
    EXPECT_EQ(Meldung("Speichern?", 324, "Zahlix"), kNein);

    Beantworten(port.Ausgabe(), g, [](QDialog& b) { Klicken(b, "bOK"); });
    EXPECT_EQ(Meldung("Speichern?", 324, "Zahlix"), kJa);
    // After a second-button box, a plain Yes/No box focuses the first button again.
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    EXPECT_EQ(Meldung("Beenden?", 36, "Zahlix"), kJa);
    EXPECT_EQ(g.fokus, "bOK");
}

TEST_F(MeldungsFenster, OKAbbrechenUndAbbrechenVorbelegt) {
    Gesehen g;
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { Klicken(b, "bAbbrechen"); });
    EXPECT_EQ(Meldung("a", 65, "T"), kAbbrechen);
    EXPECT_EQ(g.ok, "&OK");
    EXPECT_EQ(g.abbrechen, "&Abbrechen");

    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    EXPECT_EQ(Meldung("b", 257, "T"), kAbbrechen);
    EXPECT_EQ(g.fokus, "bAbbrechen");
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    EXPECT_EQ(Meldung("c", 1, "T"), kOK);
}

TEST_F(MeldungsFenster, UnbekannterKnopfsatzZeigtNichts) {
    Gesehen g;
    bool gelaufen = false;
    // Should the box open, this timer closes it so the test fails instead of hanging.
    QTimer::singleShot(0, &port.Ausgabe(), [&] {
        gelaufen = true;
        g.gezeigt = port.Ausgabe().isVisible();
        port.Ausgabe().close();
    });
    EXPECT_EQ(Meldung("x", 3, "T"), 0);
    EXPECT_EQ(Meldung("x", 64 + 2, "T"), 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(gelaufen);
    EXPECT_FALSE(g.gezeigt);
}

TEST_F(MeldungsFenster, SymbolOhneFlagBleibtWieZuvor) {
    Gesehen g;
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    Meldung("Fehler", 48, "T");
    EXPECT_EQ(port.Ausgabe().AktuellesSymbol(), Symbol::Ausruf);
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    Meldung("Weiter", 0, "T");
    EXPECT_EQ(port.Ausgabe().AktuellesSymbol(), Symbol::Ausruf);
    EXPECT_TRUE(g.symbolSichtbar);
    Beantworten(port.Ausgabe(), g, [](QDialog& b) { b.close(); });
    Meldung("Kritisch", 16, "T");
    EXPECT_EQ(port.Ausgabe().AktuellesSymbol(), Symbol::Kritisch);
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
