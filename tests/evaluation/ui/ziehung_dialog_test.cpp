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
#include "core/lottodatei.h"
#include "evaluation/ui/edit_ziehung_dialog.h"
#include "evaluation/ui/neue_ziehung_dialog.h"
#include "evaluation/ziehung_eingabe.h"
#include "evaluation/ziehung_kennung.h"
#include "core/bereich.h"

namespace zahlix::ui {
namespace {

Ziehungseingabe Ziehung(int woche, int jahr, char kennung, std::array<int, 6> zahlen, int z = 0) {
    Ziehungseingabe e;
    e.woche = woche;
    e.jahr = jahr;
    e.kennung = kennung;
    e.zahlen = zahlen;
    e.zusatzzahl = z;
    return e;
}

// Weeks von..bis of one year, identifier S, numbers w, w+1, ... w+5.
Lottodatei Wochen(int von, int bis, int jahr) {
    Lottodatei d;
    d.Dateiname = "/daten/Test.ZX7";
    for (int w = von; w <= bis; ++w)
        ZiehungAnhaengen(d, w - von - 1,
                         Ziehung(w, jahr, 'S', {w, w + 1, w + 2, w + 3, w + 4, w + 5}, 49));
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

TEST_F(ZiehungDialoge, NeueZiehungZeigtVorschlagUndZahlen) {
    NeueZiehungDialog dlg(Wochen(10, 12, 2005), zahlen);
    dlg.show();
    EXPECT_EQ(Felder(dlg, {"tZiehung_0", "tZiehung_1", "tZiehung_2", "tZiehung_7", "tZiehung_8",
                           "tZiehung_9", "bzDatumKW"}),
              "13|2005| 3|44||S|Woche vom 28.03.2005 bis 03.04.2005");
    EXPECT_TRUE(dlg.findChild<QLineEdit*>("tZiehung_0")->isReadOnly());
    EXPECT_FALSE(dlg.findChild<QLineEdit*>("tZiehung_8")->isReadOnly());
}

TEST_F(ZiehungDialoge, NeueZiehungWocheVorUndZurueckUeberDenJahreswechsel) {
    NeueZiehungDialog dlg(Wochen(51, 52, 2004), zahlen);
    dlg.show();
    EXPECT_EQ(Felder(dlg, {"tZiehung_0", "bzDatumKW"}), "53|Woche vom 27.12.2004 bis 02.01.2005");
    Klick(dlg, "bVor");
    EXPECT_EQ(Felder(dlg, {"tZiehung_0", "tZiehung_1", "bzDatumKW"}),
              " 1|2005|Woche vom 03.01.2005 bis 09.01.2005");
    Klick(dlg, "bZurueck");
    Klick(dlg, "bZurueck");
    EXPECT_EQ(Felder(dlg, {"tZiehung_0", "tZiehung_1"}), "52|2004");
}

TEST_F(ZiehungDialoge, NeueZiehungVerweigertFalscheZusatzzahl) {
    for (const char* z : {"17", "-1", "50", "x"}) {
        SkriptPort skript;
        Lottodatei d = Wochen(10, 12, 2005);
        d.GroessteZahl = 49;
        NeueZiehungDialog dlg(d, zahlen);
        dlg.show();
        Eintippen(dlg, "tZiehung_8", z);
        Klick(dlg, "bOK");
        EXPECT_EQ(skript.MeldungsTexte(), std::vector<std::string>{kFehlerNeueZahlen}) << z;
        ASSERT_EQ(skript.meldungen.size(), 1u);
        EXPECT_EQ(skript.meldungen[0].symbol, Symbol::Ausruf);
        EXPECT_TRUE(dlg.isVisible()) << z;  // stays open with the entered values
        EXPECT_EQ(Text(dlg, "tZiehung_8"), std::string(z));
        EXPECT_EQ(dlg.Daten().LetzterIndex, 2) << z;
    }
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
        EXPECT_EQ(Auswertebereich().wocheBis, 13);
        EXPECT_EQ(Auswertebereich().jahrBis, 2005);
        EXPECT_EQ(d.Titel, BereichText());
    }
}

TEST_F(ZiehungDialoge, BefehlHinzufuegenErsetztPlatzhalter) {
    Lottodatei d;
    LeereLottodateiSetzen(d);
    d.WocheKennung[0] = 20;
    d.JahrCode[0] = JahrCodeAusJahr(2010);
    Ablauf ablauf(NeueZiehungDialog::Ausfuehrer(), [&](QDialog& dlg) {
        EXPECT_EQ(Felder(dlg, {"tZiehung_0", "tZiehung_1"}), "20|2010");
        Klick(dlg, "bOK");
    });
    ASSERT_TRUE(ZiehungHinzufuegenDialog(nullptr, d, sechs));
    EXPECT_EQ(d.LetzterIndex, 0);
    EXPECT_EQ(d.Anzahl(), 1);
    EXPECT_EQ(ZiehungLesen(d, 0).zahlen, zahlen);
}

TEST_F(ZiehungDialoge, AchteZiehungEinerWocheFragtNachLangsamerSortierung) {
    Lottodatei d = Wochen(1, 3, 2005);
    for (int k = 0; k < 7; ++k)
        ZiehungAnhaengen(d, d.LetzterIndex, Ziehung(2, 2006, 'A' + k, {1, 2, 3, 4, 5, 6 + k}));
    ZiehungAnhaengen(d, d.LetzterIndex, Ziehung(5, 2006, 'S', {1, 2, 3, 4, 5, 6}));
    Ablauf ablauf(NeueZiehungDialog::Ausfuehrer(), [&](QDialog& dlg) {
        for (int k = 0; k < 4; ++k) Klick(dlg, "bZurueck");  // 6/2006 -> 2/2006
        EXPECT_EQ(Text(dlg, "tZiehung_0"), " 2");
        Klick(dlg, "bOK");
    });
    port.tasten.push_back(Taste::Erste);  // yes, sort slowly
    ASSERT_TRUE(ZiehungHinzufuegenDialog(nullptr, d, sechs));
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].knoepfe, Knoepfe::JaNein);
    ASSERT_EQ(d.LetzterIndex, 11);
    EXPECT_EQ(WocheAus(d.WocheKennung[10]), 2);
    EXPECT_EQ(WocheAus(d.WocheKennung[11]), 5);
    EXPECT_EQ(Auswertebereich().wocheBis, 5);
}

// ---- fEditZiehung ----

TEST_F(ZiehungDialoge, EditZeigtErsteZiehung) {
    EditZiehungDialog dlg(Wochen(10, 12, 2005));
    dlg.show();
    EXPECT_EQ(dlg.Angezeigt(), 0);
    EXPECT_EQ(
        Felder(dlg, {"tZiehung_0", "tZiehung_5", "tZiehung_6", "tZiehung_7", "tZiehung_8",
                     "tZiehung_9", "bzZiehung_0", "bzZiehung_1", "bzZiehung_2", "bzDatumKW"}),
        "10|15|49|S|10|2005|Woche 10|Jahr 2005|Kennung S|Woche vom 07.03.2005 bis 13.03.2005");
}

TEST_F(ZiehungDialoge, EditSchrittGrenzen) {
    EditZiehungDialog dlg(Wochen(10, 12, 2005));
    dlg.show();
    Klick(dlg, "bZurueck");
    EXPECT_EQ(dlg.Angezeigt(), 0);
    EXPECT_EQ(Text(dlg, "tZiehung_8"), "10");
    for (int k = 0; k < 5; ++k) Klick(dlg, "bVor");
    EXPECT_EQ(dlg.Angezeigt(), 2);
    EXPECT_EQ(Felder(dlg, {"tZiehung_8", "bzZiehung_0"}), "12|Woche 12");
    EXPECT_EQ(dlg.findChild<QScrollBar*>("hbWoche")->value(), 12);
}

TEST_F(ZiehungDialoge, EditDoppelteWocheZeigtDieErste) {
    Lottodatei d = Wochen(10, 12, 2005);
    ZiehungSchreiben(d, 2, Ziehung(11, 2005, 'S', {40, 41, 42, 43, 44, 45}));
    EditZiehungDialog dlg(d);
    dlg.show();
    dlg.findChild<QScrollBar*>("hbWoche")->setValue(11);
    EXPECT_EQ(dlg.Angezeigt(), 1);
    EXPECT_EQ(Text(dlg, "tZiehung_0"), "11");
    Klick(dlg, "bVor");  // the second one stays reachable
    EXPECT_EQ(dlg.Angezeigt(), 2);
    EXPECT_EQ(Text(dlg, "tZiehung_0"), "40");
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
    struct Fall {
        const char *feld, *text, *meldung;
    };
    const Fall faelle[] = {
        {"tZiehung_1", "10", kFehlerEditZahlen},  // 10 twice
        {"tZiehung_0", "", kFehlerEditZahlen},    // five numbers
        {"tZiehung_6", "1x", kFehlerEditZahlen}, {"tZiehung_8", "", kFehlerWocheJahr},
        {"tZiehung_7", "?", kFehlerKennung},
    };
    for (const Fall& f : faelle) {
        SkriptPort skript;
        EditZiehungDialog dlg(Wochen(10, 12, 2005));
        dlg.show();
        Eintippen(dlg, f.feld, f.text);
        Klick(dlg, "bOK");
        EXPECT_EQ(skript.MeldungsTexte(), std::vector<std::string>{f.meldung}) << f.feld << f.text;
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.Geaendert());
        EXPECT_EQ(dlg.Daten().WocheKennung[0], WocheKennungAus(10, 'S'));
    }
}

TEST_F(ZiehungDialoge, EditGeleerteZusatzzahlWird50) {
    EditZiehungDialog dlg(Wochen(10, 12, 2005));
    dlg.show();
    Eintippen(dlg, "tZiehung_6", "");
    Klick(dlg, "bOK");
    EXPECT_TRUE(port.meldungen.empty());
    EXPECT_TRUE(dlg.Geaendert());
    EXPECT_EQ(Zusatzzahl(dlg.Daten().Zahlen(0)), 50);
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
    EXPECT_EQ(d.WocheKennung[0], WocheKennungAus(11, 'S'));
    EXPECT_EQ(d.WocheKennung[2], WocheKennungAus(1, 'S'));
    EXPECT_EQ(d.JahrCode[2], JahrCodeAusJahr(2006));
    EXPECT_EQ(ZiehungLesen(d, 2).zahlen[0], 10);
    EXPECT_EQ(Auswertebereich().wocheBis, 1);
    EXPECT_EQ(Auswertebereich().jahrBis, 2006);
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

}  // namespace
}  // namespace zahlix::ui
