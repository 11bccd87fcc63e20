// fNeueLottodatei on its own: labels follow the scroll bars, OK and Abbrechen answer through
// the tag, the answers stay inside the ranges.
#include "core/ui/neue_lottodatei_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "support/ui_kind.h"

namespace zahlix::ui {
namespace {

using test::Kind;

std::string Label(QWidget& w, const char* name) {
    return Kind<QLabel>(w, name)->text().toStdString();
}

TEST(NeueLottodateiDialog, BeschriftungenFolgenDenBildlaufleisten) {
    NeueLottodateiDialog d;
    Kind<QScrollBar>(d, "hbGroessteZahl")->setValue(45);
    Kind<QScrollBar>(d, "hbStartWoche")->setValue(53);
    Kind<QScrollBar>(d, "hbStartJahr")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Label(d, "bzGroessteZahl"), "6 aus 45");
    EXPECT_EQ(Label(d, "bzStartwoche"), "Woche 53");
    EXPECT_EQ(Label(d, "bzStartjahr"), "Jahr 2010");  // large step 10
}

TEST(NeueLottodateiDialog, OkUndAbbrechenUeberDenTag) {
    const auto vorher = NeueLottodateiDialog::Ausfuehrer();
    for (const char* knopf : {"bOK", "bAbbrechen"}) {
        NeueLottodateiDialog::Ausfuehrer() = [knopf](NeueLottodateiDialog& d) {
            d.show();
            QLineEdit* t = Kind<QLineEdit>(d, "tDateiname");
            t->setText(QStringLiteral("Test"));
            Kind<QScrollBar>(d, "hbGroessteZahl")->setValue(45);
            QTest::mouseClick(Kind<QPushButton>(d, knopf), Qt::LeftButton);
            EXPECT_FALSE(d.isVisible());
        };
        const std::optional<NeueDateiAngaben> a = NeueLottodateiAbfragen();
        if (std::string(knopf) == "bOK") {
            ASSERT_TRUE(a.has_value());
            EXPECT_EQ(a->dateiname, "Test");
            EXPECT_EQ(a->groessteZahl, 45);
        } else {
            EXPECT_FALSE(a.has_value());
        }
    }
    // closing the window without a button is a cancel
    NeueLottodateiDialog::Ausfuehrer() = [](NeueLottodateiDialog& d) {
        d.show();
        d.reject();
    };
    EXPECT_FALSE(NeueLottodateiAbfragen().has_value());
    NeueLottodateiDialog::Ausfuehrer() = vorher;
}

}  // namespace
}  // namespace zahlix::ui
