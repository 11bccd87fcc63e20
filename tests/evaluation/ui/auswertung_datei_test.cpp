// File commands through the evaluation window: open, save, save as, new file, close prompt.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>

#include "app/ui/fenster.h"
#include "auswertung_testhilfe.h"
#include "core/atomare_datei.h"
#include "core/lottodatei_io.h"
#include "core/ui/neue_lottodatei_dialog.h"
#include "shell/ui/rahmen.h"

namespace zahlix::test {
namespace {

const std::string kFrage = "Geänderte Lottodaten speichern?";

// Drives the new-file dialog: sets the scroll bars and the name, then presses a button.
class NeuSkript {
  public:
    NeuSkript(const char* knopf, std::string name = {}, int groesste = 0) {
        vorher_ = ui::NeueLottodateiDialog::Ausfuehrer();
        ui::NeueLottodateiDialog::Ausfuehrer() = [=, this](ui::NeueLottodateiDialog& d) {
            d.show();
            ++aufrufe;
            if (!name.empty())
                d.findChild<QLineEdit*>("tDateiname")->setText(QString::fromStdString(name));
            if (groesste) d.findChild<QScrollBar*>("hbGroessteZahl")->setValue(groesste);
            QTest::mouseClick(d.findChild<QPushButton*>(knopf), Qt::LeftButton);
        };
    }
    ~NeuSkript() { ui::NeueLottodateiDialog::Ausfuehrer() = vorher_; }
    int aufrufe = 0;

  private:
    std::function<void(ui::NeueLottodateiDialog&)> vorher_;
};

bool EnthaeltFrage(const SkriptPort& p) {
    for (const auto& t : p.MeldungsTexte())
        if (t.find(kFrage) != std::string::npos) return true;
    return false;
}

class AuswertungDateiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartverzeichnisSetzen(ordner.pfad());
        datei = As7(ordner, "alt.AS7",
                    {" 01 2020 00 01 02 03 04 05 06 07", " 02 2020 00 07 08 09 10 11 49 00"});
        fenster = FensterMit(datei);
        w = fenster.get();
    }
    QToolButton* Knopf(int i) { return Kind<QToolButton>(w, QStringLiteral("bToolbar_%1").arg(i)); }

    SkriptPort port;
    Arbeitsordner ordner;
    std::filesystem::path datei;
    std::unique_ptr<ui::AuswertungFenster> fenster;
    QWidget* w = nullptr;
};

TEST_F(AuswertungDateiTest, OeffnenUeberToolbarUndTitel) {
    EXPECT_EQ(fenster->Daten().Anzahl(), 2);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lotto-Auswertung: alt.AS7"));
    const auto neu = As7(ordner, "neu.AS7", {" 07 2021 00 01 02 03 04 05 45 00"});
    port.dateien.push_back(neu.string());
    QTest::mouseClick(Knopf(0), Qt::LeftButton);
    ASSERT_EQ(port.dateiAnfragen.size(), 1u);
    EXPECT_EQ(fenster->Daten().Anzahl(), 1);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lotto-Auswertung: neu.AS7"));
    EXPECT_FALSE(Zahl(w, 46)->isEnabled());  // a 6-aus-45 file
    EXPECT_TRUE(Zahl(w, 45)->isEnabled());
}

TEST_F(AuswertungDateiTest, NeueDateiMitAenderungenFragtZuerst) {
    fenster->DatenAendern().Geaendert = true;
    port.tasten.push_back(Taste::Zweite);
    NeuSkript s("bOK", "lotto.alt.zx7", 45);
    Kind<QAction>(w, "mNeueDatei")->trigger();
    EXPECT_EQ(s.aufrufe, 1);
    EXPECT_TRUE(EnthaeltFrage(port));
    EXPECT_EQ(fenster->Daten().GroessteZahl, 45);
    for (int n = 46; n <= 49; ++n) EXPECT_FALSE(Zahl(w, n)->isEnabled()) << n;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lotto-Auswertung: lotto.ZX7"));
}

TEST_F(AuswertungDateiTest, ToolbarSpeichernUnbenanntFragtNachNamen) {
    NeuSkript s("bOK");
    QTest::mouseClick(Knopf(8), Qt::LeftButton);
    const auto ziel = ordner / "gespeichert.ZX7";
    port.dateien.push_back(ziel.string());
    QTest::mouseClick(Knopf(1), Qt::LeftButton);
    ASSERT_EQ(port.dateiAnfragen.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(ziel));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lotto-Auswertung: gespeichert.ZX7"));
}

TEST_F(AuswertungDateiTest, SchliessenFragtNurNachAenderungenUndSpeichertAufJa) {
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(port.meldungen.empty());
    w->show();
    const auto ziel = ordner / "ende.ZX7";
    fenster->DatenAendern().Dateiname = ziel.string();
    fenster->DatenAendern().Geaendert = true;
    port.tasten.push_back(Taste::Erste);  // Ja
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(EnthaeltFrage(port));
    EXPECT_TRUE(std::filesystem::exists(ziel));
    EXPECT_FALSE(fenster->Daten().Geaendert);
}

TEST(AuswertungNeustart, FragtVorDemSchliessenNachAenderungen) {
    SkriptPort port;
    Arbeitsordner ordner;
    Optionen() = Optionswerte{};
    ui::FensterAnmelden("fZX", [] { return ui::AuswertungFensterErzeugen(); });
    Programm().uebergabeDatei = As7(ordner, "a.AS7", {" 01 2020 00 01 02 03 04 05 06 07"}).string();
    auto* alt = qobject_cast<ui::AuswertungFenster*>(ui::FensterOeffnen("fZX"));
    ASSERT_NE(alt, nullptr);
    alt->DatenAendern().Geaendert = true;
    port.tasten.push_back(Taste::Zweite);  // do not save
    port.dateien.push_back("");            // the new window asks for a file: cancelled
    ui::LottoAuswertungNeu();
    EXPECT_TRUE(EnthaeltFrage(port));
    EXPECT_EQ(port.dateiAnfragen.size(), 1u);  // the new window is there
    QWidget* neu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "fZX" && w->isVisible()) neu = w;
    ASSERT_NE(neu, nullptr);
    neu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::FensterAbmelden("fZX");
}

// Ending the program while the window holds changes whose save fails: the program stays,
// with the window and its changes.
TEST(AuswertungBeenden, FehlgeschlagenesSpeichernHaeltProgrammUndFensterOffen) {
    Startordner ordner;
    SkriptPort port;
    Optionen() = Optionswerte{};
    auto rahmen = std::make_unique<ui::Rahmen>();
    rahmen->show();
    Programm().uebergabeDatei = As7(ordner, "b.AS7", {" 01 2020 00 01 02 03 04 05 06 07"}).string();
    QPointer<ui::AuswertungFenster> fenster = new ui::AuswertungFenster(nullptr, true);
    ui::FensterZeigen(fenster);
    fenster->DatenAendern().Geaendert = true;
    QSignalSpy beendet(rahmen.get(), &ui::Rahmen::Beendet);

    SchreibfehlerNachBytes(0);
    port.tasten = {Taste::Erste, Taste::Erste};  // end Zahlix: Ja; save: Ja
    EXPECT_FALSE(rahmen->close());
    SchreibfehlerNachBytes(std::nullopt);
    EXPECT_EQ(beendet.count(), 0);
    ASSERT_FALSE(fenster.isNull());
    EXPECT_TRUE(fenster->Daten().Geaendert);
    EXPECT_FALSE(ui::ProgrammEndet());
    EXPECT_NE(port.MeldungsTexte().back().find("Das Fenster bleibt geöffnet."), std::string::npos);

    port.tasten = {Taste::Erste, Taste::Zweite};  // end: Ja; save: Nein
    EXPECT_TRUE(rahmen->close());
    EXPECT_EQ(beendet.count(), 1);
}

}  // namespace
}  // namespace zahlix::test
