// The frame's caption stays the program's own while a maximised child is behind another one.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/ui/fenster.h"
#include "rahmen_hilfen_test.h"
#include "shell/ui/rahmen.h"

namespace zahlix::test {

TEST_F(RahmenTest, TitelBleibtBeiMaximiertemKindfenster) {
    Starten();
    auto* a = new SchlichtesFenster("fA", "A");
    auto* b = new SchlichtesFenster("fB", "B");
    ui::FensterZeigen(a);
    qobject_cast<QMdiSubWindow*>(a->parentWidget())->showMaximized();
    ui::FensterZeigen(b);
    Verarbeiten();
    EXPECT_EQ(rahmen->windowTitle().toStdString(), "Zahlix Freeware");
}

}  // namespace zahlix::test
