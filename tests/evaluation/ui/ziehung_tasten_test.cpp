// The correction dialog's keys: End/Pos1 to the last/first draw, Bild auf/ab by ten draws,
// also while one of its scroll bars has the focus.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "evaluation/ui/edit_ziehung_dialog.h"
#include "support/lotto_beispiele.h"

namespace zahlix::test {

TEST(EditZiehungTasten, SpringenUndBlaetternAuchVonDerBildlaufleiste) {
    std::vector<Ziehung> z;
    for (int i = 0; i < 30; ++i) z.push_back({i + 1, 1955, 0, {1, 2, 3, 4, 5, 6}, 0});
    ui::EditZiehungDialog dlg(HistorieAus(z));
    dlg.show();
    auto* jahr = dlg.findChild<QScrollBar*>("hbJahr");
    ASSERT_NE(jahr->focusPolicy() & Qt::TabFocus, 0);
    jahr->setFocus();
    const struct {
        Qt::Key taste;
        int danach;
    } schritte[] = {
        {Qt::Key_End, 29}, {Qt::Key_PageUp, 19}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, 10}};
    for (const auto& s : schritte) {
        QTest::keyClick(jahr, s.taste);
        EXPECT_EQ(dlg.Angezeigt(), s.danach) << s.taste;
        EXPECT_EQ(jahr->value(), 1955);
    }
}

}  // namespace zahlix::test
