// Pictures of the evaluation window for a look by eye: runs only when ZAHLIX_FOTO_ORDNER names
// a folder, e.g. under Xvfb with QT_QPA_PLATFORM=xcb.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>

#include "auswertung_testhilfe.h"
#include "core/ui/neue_lottodatei_dialog.h"
#include "evaluation/ui/kombinr_dialog.h"

namespace zahlix::test {
namespace {

TEST(AuswertungBildschirmfoto, AuswahlUndGewinnfilter) {
    const QString ordner = qEnvironmentVariable("ZAHLIX_FOTO_ORDNER");
    if (ordner.isEmpty()) GTEST_SKIP() << "ZAHLIX_FOTO_ORDNER nicht gesetzt";
    ZAHLIX_BRAUCHT_DATEI(pfad, "Lotto6aus49.AS7");
    SkriptPort port;
    auto f = FensterMit(pfad);
    f->resize(1020, 640);
    QTest::qWait(200);
    Klicken(f.get(), {3, 12, 17, 25, 38, 44});
    QTest::qWait(200);
    ASSERT_TRUE(f->grab().save(ordner + "/fzx_auswahl.png"));
    Kind<QAction>(f.get(), "mGewinntreffer")->trigger();
    QTest::qWait(200);
    ASSERT_TRUE(f->grab().save(ordner + "/fzx_gewinn.png"));

    Kind<QAction>(f.get(), "mAnimation")->trigger();
    QTest::qWait(300);
    ASSERT_TRUE(f->grab().save(ordner + "/fzx_animation.png"));
    Kind<QAction>(f.get(), "mAnimation")->trigger();

    const auto vorher = ui::KombiNrDialog::Ausfuehrer();
    ui::KombiNrDialog::Ausfuehrer() = [&](ui::KombiNrDialog& d) {
        d.show();
        QTest::qWait(100);
        d.grab().save(ordner + "/kombinr.png");
        d.reject();
    };
    QTest::mouseClick(Kind<QPushButton>(f.get(), "bKombiNr"), Qt::LeftButton);
    ui::KombiNrDialog::Ausfuehrer() = vorher;

    ui::NeueLottodateiDialog neu;
    neu.show();
    QTest::qWait(100);
    neu.grab().save(ordner + "/neue_lottodatei.png");
}

}  // namespace
}  // namespace zahlix::test
