// fStatistik wiring: type from the menu text, "&Ermitteln", value kind, number selector,
// print output and the graph's pop-up commands.
#include "statistics/ui/statistik_fenster.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "app/skript_port.h"
#include "core/lottodatei.h"
#include "output/ui/drucker.h"
#include "statistics/ui/grafik_bild.h"
#include "support/testdaten.h"
#include "support/ui_kind.h"

namespace zahlix::ui {
namespace {

// Three draws in range; 7 is drawn twice.
Lottodatei DreiZiehungen() {
    Lottodatei d;
    const int zahlen[3][6] = {
        {7, 12, 13, 16, 23, 41}, {3, 12, 18, 30, 32, 49}, {7, 11, 18, 30, 33, 45}};
    for (int i = 0; i < 3; ++i) {
        d.ZahlenSetzen(i, ZahlenPacken(zahlen[i]));
        d.WocheKennung[i] = WocheKennungAus(40 + i, 0);
        d.JahrCode[i] = JahrCodeAusJahr(1955);
        d.ImBereich[i] = -1;
    }
    d.LetzterIndex = 2;
    d.Dateiname = "drei.ZX7";
    d.Titel = "40/1955-42/1955  Wo:01-53 ";
    return d;
}

using test::Kind;

struct Fenster {
    explicit Fenster(const Lottodatei& d) {
        DatenUebergeben(d);
        w = std::make_unique<StatistikFenster>();
        w->show();
    }
    std::unique_ptr<StatistikFenster> w;
};

TEST(StatistikFenster, ErmittelnZeigtListenUndWertart) {
    SkriptPort port;
    Fenster f(DreiZiehungen());
    QMetaObject::invokeMethod(f.w.get(), "ArtWaehlen",
                              Q_ARG(QString, QStringLiteral("&Zahlen wie oft")));
    EXPECT_EQ(f.w->windowTitle().toStdString(), "Lotto-Statistik: Zahlen wie oft - drei.ZX7");
    EXPECT_EQ(f.w->property("zahlixHilfethema").toString().toStdString(),
              "Menü.Statistik.Zahlen wie oft");
    QTest::mouseClick(Kind<QPushButton>(*f.w, "bToolbar_2"), Qt::LeftButton);
    auto* normal = Kind<QListWidget>(*f.w, "lNormal");
    ASSERT_EQ(normal->count(), 49);
    EXPECT_EQ(normal->item(6)->text().toStdString(), "       7 -->     2");
    EXPECT_EQ(Kind<QListWidget>(*f.w, "lSortiert")->item(0)->text().toStdString(),
              "    2 <--       30");
    EXPECT_EQ(Kind<QLabel>(*f.w, "bzHilfe")->text().toStdString(), " Zahl - -> Kommt so oft vor ");

    auto* wertart = Kind<QComboBox>(*f.w, "cGrafik");
    wertart->setCurrentIndex(1);  // Zuletzt
    emit wertart->activated(1);
    EXPECT_EQ(normal->item(6)->text().toStdString(), "       7 -->     0");
    EXPECT_EQ(normal->item(0)->text().toStdString(), "       1 -->     3");

    QTest::mouseClick(Kind<QPushButton>(*f.w, "bToolbar_0"), Qt::LeftButton);
    const std::string druck = DruckerInstanz()->Dokument()->toPlainText().toStdString();
    EXPECT_NE(
        druck.find("* Lotto-Statistik: Zahlen wie oft - drei.ZX7\n* Bereich - 40/1955-42/1955"),
        std::string::npos)
        << druck;
    EXPECT_NE(druck.find("* Anz. ist Wert von 'Wann zuletzt'"), std::string::npos);
}

TEST(StatistikFenster, ZahlUeber49UndLeereHistorie) {
    SkriptPort port;
    Lottodatei leer;
    LeereLottodateiSetzen(leer);
    Fenster f(leer);
    QMetaObject::invokeMethod(f.w.get(), "ArtWaehlen",
                              Q_ARG(QString, QStringLiteral("Wochenverteilung")));
    auto* zahl = Kind<QComboBox>(*f.w, "cZahl_0");
    ASSERT_TRUE(zahl->isEditable());
    zahl->lineEdit()->clear();
    QTest::keyClicks(zahl->lineEdit(), "60");
    EXPECT_EQ(zahl->currentText().toStdString(), "49");
    // "Ziehungen" goes up to 99.
    QMetaObject::invokeMethod(f.w.get(), "ArtWaehlen",
                              Q_ARG(QString, QStringLiteral("Wann wieder gezogen")));
    auto* ziehungen = Kind<QComboBox>(*f.w, "cZahl_1");
    for (auto [getippt, bleibt] : {std::pair{"75", "75"}, {"150", "99"}}) {
        ziehungen->lineEdit()->clear();
        QTest::keyClicks(ziehungen->lineEdit(), getippt);
        EXPECT_EQ(ziehungen->currentText().toStdString(), bleibt);
    }
    QMetaObject::invokeMethod(f.w.get(), "ArtWaehlen",
                              Q_ARG(QString, QStringLiteral("Wochenverteilung")));
    QTest::keyClick(f.w.get(), Qt::Key_Return);
    EXPECT_EQ(Kind<QListWidget>(*f.w, "lNormal")->count(), 0);
    EXPECT_TRUE(Kind<GrafikFlaeche>(*f.w, "bdGrafik")->Grafik().elemente.empty());
}

TEST(StatistikFenster, GrafikSpeichernSchreibtPng) {
    test::Arbeitsordner o;
    SkriptPort port;
    port.dateien.push_back((o / "bild").string());
    Fenster f(DreiZiehungen());
    QMetaObject::invokeMethod(f.w.get(), "ArtWaehlen",
                              Q_ARG(QString, QStringLiteral("Zahlensumme")));
    QTest::mouseClick(Kind<QPushButton>(*f.w, "bErmitteln"), Qt::LeftButton);
    auto* grafik = Kind<GrafikFlaeche>(*f.w, "bdGrafik");
    std::string texte;  // the lumped end rows are labelled as such
    for (const auto& e : grafik->Grafik().elemente) texte += e.text + "|";
    EXPECT_NE(texte.find("|≤ 100|"), std::string::npos) << texte;
    EXPECT_NE(texte.find("|≥ 199|"), std::string::npos) << texte;
    grafik->Speichern();
    EXPECT_EQ(QImage(QString::fromStdString((o / "bild.PNG").string())).width(), 1600);
}

// The user presses Esc while the statistic runs: the run stops and the window is ready again.
TEST(StatistikFenster, EscHaeltDenLaufAn) {
    struct EscPort : SkriptPort {
        QWidget* fenster = nullptr;
        QString knopf;
        void EreignisseVerarbeiten() override {
            if (!fenster) return;
            knopf = fenster->findChild<QPushButton*>("bToolbar_2")->text();
            QTest::keyClick(fenster, Qt::Key_Escape);
        }
    } port;
    Fenster f(DreiZiehungen());
    QMetaObject::invokeMethod(f.w.get(), "ArtWaehlen",
                              Q_ARG(QString, QStringLiteral("Zahlen wie oft")));
    port.fenster = f.w.get();
    f.w->Ermitteln();
    port.fenster = nullptr;
    EXPECT_EQ(port.knopf.toStdString(), "&Stop");
    EXPECT_TRUE(f.w->Ergebnis().ergebnis.abgebrochen);
    EXPECT_FALSE(f.w->Laeuft());
    EXPECT_EQ(Kind<QPushButton>(*f.w, "bToolbar_2")->text().toStdString(), "&Ermitteln");
}

}  // namespace
}  // namespace zahlix::ui
