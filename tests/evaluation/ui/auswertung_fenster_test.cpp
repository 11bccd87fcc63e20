// The evaluation window driven as a user drives it: clicks and keys on the named controls.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "auswertung_testhilfe.h"
#include "evaluation/kombinr_eingabe.h"
#include "evaluation/ui/kombinr_dialog.h"
#include "output/ui/drucker.h"
#include "output/ui/zwischenspeicher.h"

namespace zahlix::test {
namespace {

// Classes 4T, 3T, 3T (bonus 0), 0T with a selected bonus, 3+T., 0T; N = 49.
const std::vector<std::string> kZiehungen = {
    " 01 2020 77 01 02 03 04 05 06 07", " 02 2020 00 01 02 03 10 11 12 00",
    " 03 2020 00 01 02 03 10 11 12 50", " 04 2020 83 20 21 22 23 24 25 04",
    " 05 2020 00 01 02 03 30 31 32 04", " 06 2020 00 40 41 42 43 44 49 00"};

class AuswertungFensterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fenster = FensterMit(As7(ordner, "test.AS7", kZiehungen));
        w = fenster.get();
    }
    QAction* Aktion(const char* name) { return Kind<QAction>(w, name); }

    SkriptPort port;
    Arbeitsordner ordner;
    std::unique_ptr<ui::AuswertungFenster> fenster;
    QWidget* w = nullptr;
};

TEST_F(AuswertungFensterTest, ZaehlerFarbenUndStatuszeile) {
    Klicken(w, {1, 2, 3, 4});
    EXPECT_EQ(AlleZaehler(w), "2 0 0 2 1 0 0 1 0 0 4 4");  // "Alle" leaves out draws without hits
    Klicken(w, {5, 6});
    EXPECT_EQ(Text(w, "bzHilfe"),
              " 6  Zahlen (KombiNr  1 , Summe  21) mit  6  Reihen wurden ausgewertet.");
}

TEST_F(AuswertungFensterTest, ListenzeilenUndZusatzzahlSchalter) {
    Klicken(w, {1, 2, 3, 4});
    Aktion("mImmerAlle")->trigger();
    ui::TrefferlisteWidget* l = Liste(w);
    ASSERT_EQ(l->Zeilen().size(), 6u);
    EXPECT_EQ(l->ZeilenText(4).toStdString(), " 05/2020   : 01 02 03 30 31 32-04  3+T.");
    // the bonus class disappears when its switch is off, box and menu entry in step
    QTest::mouseClick(Kind<QCheckBox>(w, "kTreffer_0"), Qt::LeftButton);
    EXPECT_FALSE(Aktion("mZusatzzahlAuswerten_0")->isChecked());
    EXPECT_EQ(l->ZeilenText(4).toStdString(), " 05/2020   : 01 02 03 30 31 32-04  3 T.");
    EXPECT_EQ(Zaehler(w, 7), "0");
    Aktion("mZusatzzahlAuswerten_0")->trigger();
    EXPECT_TRUE(Kind<QCheckBox>(w, "kTreffer_0")->isChecked());
    EXPECT_EQ(Zaehler(w, 7), "1");
}

TEST_F(AuswertungFensterTest, FilterUndRueckfall) {
    EXPECT_TRUE(Aktion("mAlleTreffer")->isChecked());  // the filter at start
    Klicken(w, {1, 2, 3, 4});
    QTest::mouseClick(Kind<QLabel>(w, "bzTreffer_23"), Qt::LeftButton);  // " Gewinn:"
    EXPECT_TRUE(Aktion("mGewinntreffer")->isChecked());
    EXPECT_EQ(fenster->Trefferfilter(), 11);
    EXPECT_EQ(Liste(w)->Zeilen().size(), 4u);
    QTest::mouseClick(Kind<QLabel>(w, "bzTreffer_9"), Qt::LeftButton);  // 5+ counter
    EXPECT_EQ(Text(w, "bzTreffertitel"), "Reihen mit 5 und Zusatzzahl --- Keine gefunden ---");
    Aktion("m4Zusatzzahl")->trigger();
    EXPECT_EQ(fenster->Trefferfilter(), 8);
}

TEST_F(AuswertungFensterTest, BerichteAnZwischenspeicherUndDruckausgabe) {
    Klicken(w, {1, 2, 3, 4});
    Aktion("MAuswertungZwischenspeichern")->trigger();
    const std::string block =
        ui::ZwischenspeicherInstanz()->Dokument()->toPlainText().toStdString();
    EXPECT_NE(block.find("* Lotto-Auswertung: test.AS7"), std::string::npos) << block;
    EXPECT_NE(block.find("Treffer        0     0     0     0     1     1     2     0     0     2"),
              std::string::npos)
        << block;

    const std::string status = Text(w, "bzHilfe");
    Aktion("mAuswertungDrucken")->trigger();
    EXPECT_EQ(Text(w, "bzHilfe"), status);  // restored after the hand-over
    const std::string bericht = ui::DruckerInstanz()->Dokument()->toPlainText().toStdString();
    EXPECT_NE(bericht.find(" 05/2020   :  01* 02* 03* 30  31  32 / 04*:   3+"), std::string::npos)
        << bericht;
    EXPECT_EQ(bericht.find(" 06/2020"), std::string::npos);  // no hit, not listed
}

TEST_F(AuswertungFensterTest, OhneAutomatikErstF9) {
    Aktion("mAutomatischAuswerten")->trigger();
    EXPECT_TRUE(Aktion("mMarkierteZahlenAuswerten")->isEnabled());
    Klicken(w, {1, 2});
    EXPECT_EQ(AlleZaehler(w),
              "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....");
    EXPECT_EQ(Text(w, "bzHilfe"), " F9 zum Auswerten drücken");
    EXPECT_TRUE(Liste(w)->Zeilen().empty());
    Aktion("mMarkierteZahlenAuswerten")->trigger();
    EXPECT_EQ(Zaehler(w, 2), "4");
    Aktion("mAutomatischAuswerten")->trigger();
    EXPECT_FALSE(Aktion("mMarkierteZahlenAuswerten")->isEnabled());
}

TEST_F(AuswertungFensterTest, ZweiZiffernUndZeitablauf) {
    QTest::keyClick(w, Qt::Key_0);
    QTest::keyClick(w, Qt::Key_7);
    EXPECT_EQ(Markiert(w), std::vector<int>{7});
    QTimer* zeit = Kind<QTimer>(w, "Zeit");
    QTest::keyClick(w, Qt::Key_5);
    EXPECT_TRUE(zeit->isActive());
    zeit->start(5);  // let it run out now instead of in two seconds
    for (int i = 0; i < 200 && zeit->isActive(); ++i) QTest::qWait(10);
    EXPECT_FALSE(zeit->isActive());
    EXPECT_EQ(Markiert(w), std::vector<int>{7});
    QTest::keyClick(w, Qt::Key_1);  // a fresh first digit, not "5" + "1"
    QTest::keyClick(w, Qt::Key_2);
    EXPECT_EQ(Markiert(w), (std::vector<int>{7, 12}));
}

TEST_F(AuswertungFensterTest, StrgBewegungenUndLoeschen) {
    // Each key reaches its move; the moves themselves are checked in the logic tests.
    struct Fall {
        Qt::Key taste;
        Qt::KeyboardModifiers mod;
        std::vector<int> vorher, nachher;
    };
    const Qt::KeyboardModifiers strg = Qt::ControlModifier;
    const Fall faelle[] = {
        {Qt::Key_Right, strg, {7}, {1}},
        {Qt::Key_Left, strg, {1}, {7}},
        {Qt::Key_Down, strg, {43, 49}, {1, 7}},
        {Qt::Key_Up, strg, {1, 7}, {43, 49}},
        {Qt::Key_Plus, strg, {49}, {1}},
        {Qt::Key_Minus, strg | Qt::KeypadModifier, {1}, {49}},
    };
    for (const Fall& f : faelle) {
        QTest::keyClick(w, Qt::Key_Delete);
        for (int n : f.vorher) QTest::mouseClick(Zahl(w, n), Qt::LeftButton);
        QTest::keyClick(w, f.taste, f.mod);
        EXPECT_EQ(Markiert(w), f.nachher) << f.taste;
    }
    // one evaluation after the move, with the moved selection
    EXPECT_EQ(Text(w, "bzHilfe"), " 1  Zahl mit  6  Reihen wurde ausgewertet.");
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_TRUE(Markiert(w).empty());
}

TEST_F(AuswertungFensterTest, AenderungWirdAuchOhneAutomatikAusgewertetUndBetitelt) {
    Klicken(w, {40, 41, 42, 43, 44, 49});
    ASSERT_EQ(Zaehler(w, 6), "1");
    Aktion("mAutomatischAuswerten")->trigger();
    port.tasten = {Taste::Erste};
    Aktion("mLetzteZiehungLoeschen")->trigger();
    EXPECT_EQ(Zaehler(w, 6), "0");
    const QString bereich = QString::fromStdString(fenster->Daten().Titel);
    EXPECT_EQ(Kind<QLabel>(w, "bzTitel_1")->toolTip(), "Bereich - " + bereich);
    for (const char* status : {" Auswertung wurde dem Zwischenspeicher übergeben",
                               " Auswertung ist schon im Zwischenspeicher"}) {
        Aktion("MAuswertungZwischenspeichern")->trigger();
        EXPECT_EQ(Text(w, "bzHilfe"), status);
    }
}

TEST_F(AuswertungFensterTest, GroesseAendernHoltKeineGeloeschteListeZurueck) {
    Klicken(w, {1, 2, 3});
    Aktion("mAutomatischAuswerten")->trigger();
    Klicken(w, {4});
    ASSERT_EQ(Zaehler(w, 0), ".....");
    w->resize(w->width() + 40, w->height() + 120);
    QApplication::processEvents();
    EXPECT_EQ(Listentext(w), "");
}

TEST_F(AuswertungFensterTest, PasstAufEinenKleinenBildschirm) {
    // In a frame on a 1366x768 screen about 1100x520 pixels are left for the window.
    EXPECT_LE(w->minimumSizeHint().height(), 480);
    EXPECT_LE(w->minimumSizeHint().width(), 1000);
    w->resize(900, 480);
    QApplication::processEvents();
    EXPECT_LE(Kind<QLabel>(w, "bzHilfe")->geometry().bottom(), w->height());
}

TEST(AuswertungFensterLang, ListeBlaettern) {
    SkriptPort port;
    Arbeitsordner ordner;
    std::vector<std::string> zeilen;
    for (int i = 1; i <= 60; ++i)
        zeilen.push_back(" " + std::string(i % 52 + 1 < 10 ? "0" : "") +
                         std::to_string(i % 52 + 1) + " " + std::to_string(2000 + i / 52) +
                         " 00 01 02 03 04 05 49 00");
    auto f = FensterMit(As7(ordner, "lang.AS7", zeilen));
    QWidget* w = f.get();
    Kind<QAction>(w, "mImmerAlle")->trigger();
    QScrollBar* vb = Kind<QScrollBar>(w, "vbTreffer");
    const int v = Liste(w)->SichtbareZeilen();
    ASSERT_GT(v, 0);
    ASSERT_LT(v, 60);
    EXPECT_EQ(vb->maximum(), 60 - v);
    EXPECT_EQ(vb->value(), vb->maximum());  // opens at the newest draws
    EXPECT_EQ(Liste(w)->Zeilen().size(), static_cast<size_t>(v));
    // Each key moves the scroll bar (-1: to its maximum) and the list follows it.
    const std::pair<Qt::Key, int> schritte[] = {
        {Qt::Key_Home, 0},   {Qt::Key_Up, 0},     {Qt::Key_Down, 1}, {Qt::Key_PageDown, 11},
        {Qt::Key_PageUp, 1}, {Qt::Key_PageUp, 0}, {Qt::Key_End, -1}, {Qt::Key_PageDown, -1}};
    for (const auto& [taste, wert] : schritte) {
        QTest::keyClick(w, taste);
        const int soll = wert < 0 ? vb->maximum() : wert;
        EXPECT_EQ(vb->value(), soll) << taste;
        const std::string& z = zeilen[static_cast<size_t>(soll)];
        EXPECT_EQ(Liste(w)->ZeilenText(0).toStdString().substr(0, 8),
                  z.substr(0, 3) + "/" + z.substr(4, 4))
            << taste;
    }
    // a taller window keeps the newest draw in sight instead of jumping to the first
    f->resize(1000, 800);
    QTest::qWait(50);
    ASSERT_GT(Liste(w)->SichtbareZeilen(), v);
    EXPECT_EQ(vb->value(), vb->maximum());
    EXPECT_GT(vb->value(), 0);
    EXPECT_EQ(Liste(w)->ZeilenText(Liste(w)->Zeilen().size() - 1).toStdString().substr(0, 8),
              " 09/2001");
}

TEST(AuswertungFensterKlein, PopupNurBisN) {
    SkriptPort port;
    Arbeitsordner ordner;
    auto f = FensterMit(As7(ordner, "k45.AS7", {" 01 2020 00 01 02 03 04 05 45 00"}));
    for (int n = 46; n <= 49; ++n) EXPECT_FALSE(Zahl(f.get(), n)->isEnabled()) << n;
    // right click on 44 remembers its row and column
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(4, 4),
                        Zahl(f.get(), 44)->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(Zahl(f.get(), 44), &e);
    Kind<QMenu>(f.get(), "mZahlenfeld")->hide();
    Kind<QAction>(f.get(), "mZahlen_6")->trigger();  // the row of 44, only up to 45
    EXPECT_EQ(Markiert(f.get()), (std::vector<int>{43, 44, 45}));
    Kind<QAction>(f.get(), "mZahlen_4")->trigger();
    EXPECT_TRUE(Markiert(f.get()).empty());
    // copy and paste through the number clipboard
    Klicken(f.get(), {1, 45});
    Kind<QAction>(f.get(), "mZahlen_0")->trigger();
    QTest::keyClick(f.get(), Qt::Key_Escape);
    Kind<QAction>(f.get(), "mZahlen_1")->trigger();
    EXPECT_EQ(Markiert(f.get()), (std::vector<int>{1, 45}));
    // the short last row wraps among 43..45
    QTest::keyClick(f.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Markiert(f.get()), (std::vector<int>{2, 43}));
}

TEST(Zahlenfeldgrafik, MenueFaerbtUndStelltZurueck) {
    SkriptPort port;
    Arbeitsordner o;
    const auto datei =
        As7(o, "z.AS7", {" 40 1955 83 03 12 13 16 23 41 00", " 41 1955 83 07 12 18 30 32 49 00"});
    auto f = FensterMit(datei);
    auto grafik = [&](int i) {
        Kind<QAction>(f.get(), QStringLiteral("mGrafik_%1").arg(i))->trigger();
    };
    grafik(1);  // "Wann zuletzt gezogen": drawn in the newest three draws -> coloured
    EXPECT_FALSE(Zahl(f.get(), 7)->styleSheet().isEmpty());
    EXPECT_EQ(Zahl(f.get(), 7)->toolTip().toStdString(), "7: vor 0 Ziehungen zuletzt gezogen");
    EXPECT_TRUE(Zahl(f.get(), 20)->styleSheet().isEmpty());
    EXPECT_NE(f->property("zahlixQuickInfo").toString().indexOf(QStringLiteral("grün")), -1);
    Kind<QScrollBar>(f.get(), QStringLiteral("hbBarometer_0"))->setValue(1);
    EXPECT_TRUE(Zahl(f.get(), 3)->styleSheet().isEmpty()) << "3 kam vor einer Ziehung";
    grafik(0);
    EXPECT_TRUE(Zahl(f.get(), 7)->styleSheet().isEmpty());
    EXPECT_EQ(f->property("zahlixQuickInfo").toString().indexOf(QStringLiteral("grün")), -1);
}

// "Kombination anzeigen": the dialog's typing, the jump to a combination and its limits.

// Drives the dialog without blocking: the keys go into tKombiNr, then OK or Abbrechen.
class DialogSkript {
  public:
    DialogSkript(std::string tasten, const char* knopf = "bOK") {
        vorher_ = ui::KombiNrDialog::Ausfuehrer();
        ui::KombiNrDialog::Ausfuehrer() = [this, tasten, knopf](ui::KombiNrDialog& d) {
            d.show();
            auto* t = d.findChild<QLineEdit*>("tKombiNr");
            vorschlag = t->text().toStdString();
            prompt = d.findChild<QLabel*>("bzPrompt")->text().toStdString();
            QTest::keyClicks(t, QString::fromStdString(tasten));
            angezeigt = t->text().toStdString();
            QTest::mouseClick(d.findChild<QPushButton*>(knopf), Qt::LeftButton);
            ++aufrufe;
        };
    }
    ~DialogSkript() { ui::KombiNrDialog::Ausfuehrer() = vorher_; }

    std::string vorschlag, prompt, angezeigt;
    int aufrufe = 0;

  private:
    std::function<void(ui::KombiNrDialog&)> vorher_;
};

std::filesystem::path Datei(const Arbeitsordner& o, int groesste) {
    return As7(o, "k.AS7", {" 01 2020 00 01 02 03 04 05 " + std::to_string(groesste) + " 00"});
}

// A window on a 6-aus-49 file.
class KombiNrDialog : public ::testing::Test {
  protected:
    SkriptPort port;
    Arbeitsordner o;
    std::unique_ptr<ui::AuswertungFenster> f = FensterMit(Datei(o, 49));
};

TEST_F(KombiNrDialog, EinsUndLetzteKombination) {
    {
        DialogSkript s("1");
        QTest::mouseClick(Kind<QPushButton>(f.get(), "bKombiNr"), Qt::LeftButton);
        EXPECT_EQ(s.aufrufe, 1);
        // the random proposal lies in the range and carries its dots
        const int64_t v = std::stoll(EntfernePunkte(s.vorschlag));
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 13983816);
        EXPECT_EQ(s.angezeigt, "1");  // the selected proposal is replaced
    }
    EXPECT_EQ(Markiert(f.get()), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_NE(Text(f.get(), "bzHilfe").find("KombiNr  1 , Summe  21"), std::string::npos);
    {
        DialogSkript s("13983816");
        QTest::keyClick(f.get(), Qt::Key_Return);  // Enter opens the dialog too
        EXPECT_EQ(s.angezeigt, "13.983.816");
    }
    EXPECT_EQ(Markiert(f.get()), (std::vector<int>{44, 45, 46, 47, 48, 49}));
    EXPECT_NE(Text(f.get(), "bzHilfe").find("KombiNr  13.983.816 ,"), std::string::npos);
}

TEST_F(KombiNrDialog, AbbrechenUndNullAendernNichts) {
    Klicken(f.get(), {5, 9});
    const std::string status = Text(f.get(), "bzHilfe");
    const std::string null = Zaehler(f.get(), 0);
    for (const char* knopf : {"bAbbrechen", "bOK"}) {
        DialogSkript s(knopf == std::string("bOK") ? "\b\b\b\b\b\b\b\b\b\b" : "123", knopf);
        QTest::mouseClick(Kind<QPushButton>(f.get(), "bKombiNr"), Qt::LeftButton);
        EXPECT_EQ(s.aufrufe, 1);
        EXPECT_EQ(Markiert(f.get()), (std::vector<int>{5, 9})) << knopf;
        EXPECT_EQ(Text(f.get(), "bzHilfe"), status);
        EXPECT_EQ(Zaehler(f.get(), 0), null);
        EXPECT_FALSE(f->Beschaeftigt());  // the busy flag is cleared again
    }
}

TEST_F(KombiNrDialog, NachbarfeldWaehltKombination) {
    Klicken(f.get(), {1, 2, 3, 4, 5, 6});
    QLabel* davor = Kind<QLabel>(f.get(), "bzFarbfeld_1");
    QLabel* danach = Kind<QLabel>(f.get(), "bzFarbfeld_2");
    EXPECT_EQ(davor->property("tag").toString(), QString());  // there is no combination 0
    EXPECT_EQ(danach->property("tag").toString(), QStringLiteral("2"));
    QTest::mouseClick(danach, Qt::LeftButton);
    EXPECT_EQ(Markiert(f.get()), (std::vector<int>{1, 2, 3, 4, 5, 7}));
    QTest::mouseClick(davor, Qt::LeftButton);
    EXPECT_EQ(Markiert(f.get()), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace zahlix::test
