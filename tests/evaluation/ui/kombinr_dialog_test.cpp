// "Kombination anzeigen": the dialog's typing, the jump to a combination and its limits.
#include "evaluation/ui/kombinr_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "auswertung_testhilfe.h"
#include "evaluation/kombinr_eingabe.h"

namespace zahlix::test {
namespace {

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
