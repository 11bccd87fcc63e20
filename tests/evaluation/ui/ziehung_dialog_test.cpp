// The add and edit dialogs driven through their controls, and the commands around them. No
// dialog is run modally: the tests replace the dialogs' runner or show them non-modally.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "app/skript_port.h"
#include "core/bereich.h"
#include "core/lottodatei.h"
#include "evaluation/ui/edit_ziehung_dialog.h"
#include "evaluation/ui/neue_ziehung_dialog.h"
#include "evaluation/ziehung_eingabe.h"
#include "evaluation/ziehung_kennung.h"
#include "support/lotto_beispiele.h"

namespace zahlix::ui {
namespace {

// Weeks von..bis of one year, identifier S, numbers w, w+1, ... w+5, bonus 49.
Lottodatei Wochen(int von, int bis, int jahr) {
    std::vector<test::Ziehung> z;
    for (int w = von; w <= bis; ++w)
        z.push_back({w, jahr, 'S', {w, w + 1, w + 2, w + 3, w + 4, w + 5}, 49});
    Lottodatei d = test::HistorieAus(z);
    d.Dateiname = "/daten/Test.ZX7";
    return d;
}

std::string Text(QWidget& w, const char* name) {
    if (auto* t = w.findChild<QLineEdit*>(name)) return t->text().toStdString();
    if (auto* l = w.findChild<QLabel*>(name)) return l->text().toStdString();
    ADD_FAILURE() << "kein Feld " << name;
    return {};
}

// The texts of the named fields, joined by "|".
std::string Felder(QWidget& w, std::initializer_list<const char*> namen) {
    std::string s;
    for (const char* name : namen) s += (s.empty() ? "" : "|") + Text(w, name);
    return s;
}

void Klick(QWidget& w, const char* name) {
    auto* b = w.findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

void Eintippen(QWidget& w, const char* name, const QString& text) {
    auto* t = w.findChild<QLineEdit*>(name);
    ASSERT_NE(t, nullptr) << name;
    t->selectAll();
    QTest::keyClick(t, Qt::Key_Delete);
    QTest::keyClicks(t, text);
}

// Replaces a dialog's runner for one test: the dialog is shown and the steps drive it.
class Ablauf {
  public:
    Ablauf(std::function<int(QDialog&)>& ziel, std::function<void(QDialog&)> schritte)
        : ziel_(ziel), alt_(ziel) {
        ziel_ = [schritte](QDialog& dlg) {
            dlg.show();
            schritte(dlg);
            return dlg.result();
        };
    }
    ~Ablauf() { ziel_ = alt_; }

  private:
    std::function<int(QDialog&)>& ziel_;
    std::function<int(QDialog&)> alt_;
};

class ZiehungDialoge : public ::testing::Test {
  protected:
    void SetUp() override {
        Auswertebereich() = Bereichswerte{};
        Auswertebereich().jahrVon = 2005;
    }
    // The range values are process-wide; later tests expect the defaults.
    void TearDown() override { Auswertebereich() = Bereichswerte{}; }
    SkriptPort port;
    const std::vector<int> sechs = {3, 12, 17, 25, 38, 44};
    const std::array<int, 6> zahlen = {3, 12, 17, 25, 38, 44};
};

// ---- fNeueZiehung ----

TEST_F(ZiehungDialoge, NeueZiehungZeigtVorschlagUndBlaettertWochen) {
    NeueZiehungDialog dlg(Wochen(10, 12, 2005), zahlen);
    dlg.show();
    EXPECT_EQ(Felder(dlg, {"tZiehung_0", "tZiehung_1", "tZiehung_2", "tZiehung_7", "tZiehung_8",
                           "tZiehung_9", "bzDatumKW"}),
              "13|2005| 3|44||S|Woche vom 28.03.2005 bis 03.04.2005");
    Klick(dlg, "bVor");
    EXPECT_EQ(Felder(dlg, {"tZiehung_0", "bzDatumKW"}), "14|Woche vom 04.04.2005 bis 10.04.2005");
    Klick(dlg, "bZurueck");
    Klick(dlg, "bZurueck");
    EXPECT_EQ(Text(dlg, "tZiehung_0"), "12");
}

TEST_F(ZiehungDialoge, NeueZiehungVerweigertFalscheZusatzzahl) {
    NeueZiehungDialog dlg(Wochen(10, 12, 2005), zahlen);
    dlg.show();
    Eintippen(dlg, "tZiehung_8", "17");
    Klick(dlg, "bOK");
    EXPECT_EQ(port.MeldungsTexte(), std::vector<std::string>{kFehlerNeueZahlen});
    EXPECT_TRUE(dlg.isVisible());  // stays open with the entered values
    EXPECT_EQ(Text(dlg, "tZiehung_8"), "17");
    EXPECT_EQ(dlg.Daten().LetzterIndex, 2);
}

TEST_F(ZiehungDialoge, BefehlHinzufuegenSchreibtNurAufOK) {
    for (const std::string knopf : {"bAbbrechen", "bOK"}) {
        Lottodatei d = Wochen(10, 12, 2005);
        Ablauf ablauf(NeueZiehungDialog::Ausfuehrer(), [&](QDialog& dlg) {
            Eintippen(dlg, "tZiehung_8", "7");
            Klick(dlg, knopf.c_str());
        });
        const bool ok = knopf == "bOK";
        std::string status;
        EXPECT_EQ(
            ZiehungHinzufuegenDialog(nullptr, d, sechs, [&](const std::string& s) { status = s; }),
            ok);
        EXPECT_EQ(d.Geaendert, ok);
        if (!ok) {
            EXPECT_EQ(d.LetzterIndex, 2);
            EXPECT_EQ(d.WocheKennung[3], 0);
            continue;
        }
        EXPECT_EQ(status, kSortierStatus);
        EXPECT_EQ(d.LetzterIndex, 3);
        EXPECT_EQ(Zusatzzahl(d.Zahlen(3)), 7);
        EXPECT_EQ(Auswertebereich().wocheBis, 13) << "the follow-up of a change ran";
    }
}

// ---- fEditZiehung ----

TEST_F(ZiehungDialoge, EditZeigtErsteZiehungUndSchreitetBisZurLetzten) {
    EditZiehungDialog dlg(Wochen(10, 12, 2005));
    dlg.show();
    EXPECT_EQ(dlg.Angezeigt(), 0);
    EXPECT_EQ(
        Felder(dlg, {"tZiehung_0", "tZiehung_5", "tZiehung_6", "tZiehung_7", "tZiehung_8",
                     "tZiehung_9", "bzZiehung_0", "bzZiehung_1", "bzZiehung_2", "bzDatumKW"}),
        "10|15|49|S|10|2005|Woche 10|Jahr 2005|Kennung S|Woche vom 07.03.2005 bis 13.03.2005");
    Klick(dlg, "bZurueck");
    EXPECT_EQ(dlg.Angezeigt(), 0);
    for (int k = 0; k < 5; ++k) Klick(dlg, "bVor");
    EXPECT_EQ(dlg.Angezeigt(), 2);
    EXPECT_EQ(Felder(dlg, {"tZiehung_8", "bzZiehung_0"}), "12|Woche 12");
    EXPECT_EQ(dlg.findChild<QScrollBar*>("hbWoche")->value(), 12);
}

TEST_F(ZiehungDialoge, EditOhneZiehungZeigtLeereFelderUndVerweigert) {
    EditZiehungDialog dlg(Wochen(10, 12, 2005));
    dlg.show();
    dlg.findChild<QScrollBar*>("hbKennung")->setValue(KennungPosition('M'));
    EXPECT_EQ(dlg.Angezeigt(), 3);
    EXPECT_EQ(Felder(dlg, {"bzZiehung_2", "tZiehung_0", "tZiehung_6", "tZiehung_7", "tZiehung_8",
                           "tZiehung_9"}),
              "Kennung M|||||");
    for (int k = 0; k < 6; ++k)
        Eintippen(dlg, ("tZiehung_" + std::to_string(k)).c_str(), QString::number(k + 1));
    Eintippen(dlg, "tZiehung_8", "10");
    Eintippen(dlg, "tZiehung_9", "2005");
    Klick(dlg, "bOK");
    EXPECT_EQ(port.MeldungsTexte(), std::vector<std::string>{EditZiehungDialog::kKeineZiehung});
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.Daten().LetzterIndex, 2);
    EXPECT_EQ(dlg.Daten().WocheKennung[3], 0);
}

TEST_F(ZiehungDialoge, EditVerweigertUnzulaessigeEingaben) {
    EditZiehungDialog dlg(Wochen(10, 12, 2005));
    dlg.show();
    Eintippen(dlg, "tZiehung_1", "10");  // 10 twice
    Klick(dlg, "bOK");
    EXPECT_EQ(port.MeldungsTexte(), std::vector<std::string>{kFehlerEditZahlen});
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.Geaendert());
}

TEST_F(ZiehungDialoge, BefehlBerichtigenVerschiebtGeaendertesJahr) {
    Lottodatei d = Wochen(10, 12, 2005);
    Ablauf ablauf(EditZiehungDialog::Ausfuehrer(), [&](QDialog& dlg) {
        Eintippen(dlg, "tZiehung_9", "2006");
        Eintippen(dlg, "tZiehung_8", "1");
        Klick(dlg, "bOK");
    });
    std::string status;
    ASSERT_TRUE(ZiehungBerichtigenDialog(nullptr, d, [&](const std::string& s) { status = s; }));
    EXPECT_EQ(status, kSortierStatus);
    EXPECT_EQ(d.WocheKennung[2], WocheKennungAus(1, 'S'));
    EXPECT_EQ(d.JahrCode[2], JahrCodeAusJahr(2006));
    EXPECT_EQ(ZiehungLesen(d, 2).zahlen[0], 10);
    EXPECT_TRUE(d.Geaendert);
}

TEST_F(ZiehungDialoge, BefehlBerichtigenOhneAenderungLaesstGeaendert) {
    for (const std::string knopf : {"bAbbrechen", "bOK"}) {
        Lottodatei d = Wochen(10, 12, 2005);
        Ablauf ablauf(EditZiehungDialog::Ausfuehrer(), [&](QDialog& dlg) {
            Klick(dlg, "bVor");
            if (knopf == "bAbbrechen") Eintippen(dlg, "tZiehung_0", "1");
            Klick(dlg, knopf.c_str());
        });
        EXPECT_FALSE(ZiehungBerichtigenDialog(nullptr, d)) << knopf;
        EXPECT_FALSE(d.Geaendert) << knopf;
        EXPECT_EQ(ZiehungLesen(d, 1).zahlen[0], 11) << knopf;
    }
}

TEST(EditZiehungTasten, SpringenUndBlaetternAuchVonDerBildlaufleiste) {
    std::vector<test::Ziehung> z;
    for (int i = 0; i < 30; ++i) z.push_back({i + 1, 1955, 0, {1, 2, 3, 4, 5, 6}, 0});
    EditZiehungDialog dlg(test::HistorieAus(z));
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

}  // namespace
}  // namespace zahlix::ui
