// The evaluation window after a change of the history, after a resize, on a small screen and
// on a repeated F4.
#include <gtest/gtest.h>

#include <QAction>

#include "auswertung_testhilfe.h"

namespace zahlix::test {
namespace {

class AuswertungFehler : public ::testing::Test {
  protected:
    void SetUp() override {
        fenster =
            FensterMit(As7(ordner, "f.AS7",
                           {" 01 2020 00 01 02 03 04 05 06 07", " 02 2020 00 01 02 03 10 11 12 00",
                            " 03 2020 00 40 41 42 43 44 49 00"}));
        w = fenster.get();
    }
    void Ausloesen(const char* name) { Kind<QAction>(w, name)->trigger(); }

    SkriptPort port;
    Arbeitsordner ordner;
    std::unique_ptr<ui::AuswertungFenster> fenster;
    QWidget* w = nullptr;
};

TEST_F(AuswertungFehler, AenderungWirdAuchOhneAutomatikAusgewertetUndBetitelt) {
    Klicken(w, {40, 41, 42, 43, 44, 49});
    ASSERT_EQ(Zaehler(w, 6), "1");
    Ausloesen("mAutomatischAuswerten");
    port.tasten = {Taste::Erste};
    Ausloesen("mLetzteZiehungLoeschen");
    EXPECT_EQ(Zaehler(w, 6), "0");
    const QString bereich = QString::fromStdString(fenster->Daten().Titel);
    EXPECT_EQ(Kind<QLabel>(w, "bzTitel_1")->toolTip(), "Bereich - " + bereich);
    for (const char* status : {" Auswertung wurde dem Zwischenspeicher übergeben",
                               " Auswertung ist schon im Zwischenspeicher"}) {
        Ausloesen("MAuswertungZwischenspeichern");
        EXPECT_EQ(Text(w, "bzHilfe"), status);
    }
}

TEST_F(AuswertungFehler, GroesseAendernHoltKeineGeloeschteListeZurueck) {
    Klicken(w, {1, 2, 3});
    Ausloesen("mAutomatischAuswerten");
    Klicken(w, {4});
    ASSERT_EQ(Zaehler(w, 0), ".....");
    w->resize(w->width() + 40, w->height() + 120);
    QApplication::processEvents();
    EXPECT_EQ(Listentext(w), "");
}

TEST_F(AuswertungFehler, PasstAufEinenKleinenBildschirm) {
    // In a frame on a 1366x768 screen about 1100x520 pixels are left for the window.
    EXPECT_LE(w->minimumSizeHint().height(), 480);
    EXPECT_LE(w->minimumSizeHint().width(), 1000);
    w->resize(900, 480);
    QApplication::processEvents();
    EXPECT_LE(Kind<QLabel>(w, "bzHilfe")->geometry().bottom(), w->height());
}

}  // namespace
}  // namespace zahlix::test
