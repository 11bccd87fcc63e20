// Ending the program while the evaluation window holds changes whose save fails: the program
// stays, with the window and its changes.
#include <gtest/gtest.h>

#include <QPointer>
#include <QSignalSpy>

#include "app/ui/fenster.h"
#include "auswertung_testhilfe.h"
#include "core/atomare_datei.h"
#include "shell/ui/rahmen.h"

namespace zahlix::test {

TEST(AuswertungBeenden, FehlgeschlagenesSpeichernHaeltProgrammUndFensterOffen) {
    Arbeitsordner ordner;
    StartverzeichnisSetzen(ordner.pfad());
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

}  // namespace zahlix::test
