// At 1366 x 768 the frame's work area beside the Quick-Info line leaves a child window about
// 880 x 500 pixels: the statistics, draw and analysis windows fit with every type and analysis,
// and at their smallest no label or selector entry is cut off.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTranslator>

#include "app/skript_port.h"
#include "app/ui/start.h"
#include "determination/analyse.h"
#include "determination/ui/ermittlung_fenster.h"
#include "drawhistory/ui/ziehungen_fenster.h"
#include "statistics/ui/statistik_fenster.h"
#include "support/lotto_beispiele.h"

namespace zahlix::test {
namespace {

void Passt(QWidget& w, const std::string& was) {
    w.show();
    QCoreApplication::processEvents();  // the layouts follow shown and hidden controls
    EXPECT_LE(w.minimumSizeHint().width(), 880) << was;
    EXPECT_LE(w.minimumSizeHint().height(), 500) << was;
    w.resize(w.minimumSizeHint());
    w.layout()->activate();
    for (const QLabel* l : w.findChildren<QLabel*>())
        EXPECT_TRUE(!l->isVisible() || l->wordWrap() || l->width() >= l->minimumSizeHint().width());
    for (QComboBox* c : w.findChildren<QComboBox*>())  // frame and arrow take 24 pixels
        for (int i = 0; c->isVisible() && i < c->count(); ++i)
            EXPECT_GE(c->width() - 24, c->fontMetrics().horizontalAdvance(c->itemText(i))) << was;
}

TEST(Fenstergroessen, PassenAufEinenBildschirmMit768Zeilen) {
    SkriptPort port;
    DatenUebergeben(Beispiel());
    ui::StatistikFenster statistik;
    for (int t = 1; t <= statistik::kTypen; ++t) {
        statistik.ArtWaehlen(QString::fromUtf8(statistik::Beschreibung(t).name));
        statistik.Ermitteln();  // the value selector then lists every kind
        Passt(statistik, statistik::Beschreibung(t).name);
    }
    ui::ErmittlungFenster analyse;
    for (const Analysekatalogeintrag& a : Analysekatalog()) {
        analyse.ArtWaehlen(QString::fromUtf8(a.listentext));
        Passt(analyse, a.listentext);
    }
    // The draw window opens with its short graphic where the tall one does not fit.
    for (int hoehe : {500, 900}) {
        QMdiArea flaeche;
        flaeche.resize(1000, hoehe);
        flaeche.show();
        auto* w = new ui::ZiehungenFenster;
        flaeche.addSubWindow(w)->show();
        EXPECT_EQ(w->findChild<QCheckBox*>("kGrafik")->isChecked(), hoehe > 700) << hoehe;
        if (hoehe < 700) Passt(*w, "Ziehungen");
    }
}

// Captions without an appended program name; Qt's own texts in German where installed.
TEST(Anwendung, FenstertitelOhneAnhangUndQtTexteDeutsch) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    qputenv("LC_ALL", "en_US.UTF-8");
    ui::DeutscheUmgebungSetzen();
    EXPECT_EQ(qgetenv("LC_CTYPE") + qgetenv("LC_ALL") + qgetenv("LC_TIME"),
              "en_US.UTF-8de_DE.UTF-8");
    QTranslator* uebersetzung = ui::AnwendungEinrichten(*app);
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 6), QLocale::ShortFormat).toStdString(),
              "06.12.26");
    app->setQuitOnLastWindowClosed(true);
    // Qt appends a set display name to every window caption ("Zahlix — Zahlix Freeware").
    EXPECT_EQ(QGuiApplication::applicationDisplayName().toStdString(), "Zahlix");
    const bool vorhanden = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                         QStringLiteral("/qtbase_de.qm"));
    EXPECT_EQ(uebersetzung != nullptr, vorhanden);
    if (!uebersetzung) GTEST_SKIP() << "qtbase_de.qm fehlt (Paket qt6-translations-l10n)";
    QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text().toStdString(), "Abbrechen");
    QCoreApplication::removeTranslator(uebersetzung);
    delete uebersetzung;
}

}  // namespace
}  // namespace zahlix::test
