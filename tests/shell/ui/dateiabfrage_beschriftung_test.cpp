// The file dialog's labels read whole: "Laufwerk und" continues on its line with
// "Verzeichnis (Ordner):", and no label is narrower than its text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "app/skript_port.h"
#include "shell/ui/dateiabfrage.h"

using namespace zahlix;

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
