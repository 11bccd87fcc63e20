// At 1366 x 768 the frame's work area, beside the Quick-Info line, leaves a child window about
// 880 x 500 pixels for its controls: the statistics, draw and analysis windows fit there with
// every type and analysis.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "app/skript_port.h"
#include "core/bereich_auswahl.h"
#include "determination/analyse.h"
#include "determination/ui/ermittlung_fenster.h"
#include "drawhistory/ui/ziehungen_fenster.h"
#include "statistics/statistik_katalog.h"
#include "statistics/ui/statistik_fenster.h"
#include "support/lotto_beispiele.h"

namespace zahlix::test {
namespace {

// Fits, and at its smallest no label or entry of a selector is cut off.
void Passt(QWidget& w, const std::string& was) {
    w.show();
    QCoreApplication::processEvents();  // the layouts follow shown and hidden controls
    const QSize m = w.minimumSizeHint();
    EXPECT_LE(m.width(), 880) << was;
    EXPECT_LE(m.height(), 500) << was;
    w.resize(m);
    w.layout()->activate();
    for (const QLabel* l : w.findChildren<QLabel*>()) {
        if (!l->isVisible() || l->wordWrap()) continue;
        EXPECT_GE(l->width(), l->minimumSizeHint().width()) << was << l->text().toStdString();
    }
    for (QComboBox* c : w.findChildren<QComboBox*>()) {
        if (!c->isVisible()) continue;
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.editable = c->isEditable();
        const int feld =
            c->style()
                ->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c)
                .width();
        for (int i = 0; i < c->count(); ++i)
            EXPECT_GE(feld, c->fontMetrics().horizontalAdvance(c->itemText(i)))
                << was << " " << c->itemText(i).toStdString();
    }
}

TEST(Fenstergroessen, PassenAufEinenBildschirmMit768Zeilen) {
    SkriptPort port;
    Lottodatei d = Beispiel();
    BereichAufheben(d);
    DatenUebergeben(d);
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
    ui::ZiehungenFenster ziehungen;
    ziehungen.findChild<QCheckBox*>("kGrafik")->setChecked(false);  // chosen on small screens
    Passt(ziehungen, "Ziehungen");
}

TEST(Fenstergroessen, ZiehungenAufKleinerFlaecheMitFlacherGrafik) {
    for (int hoehe : {500, 900}) {
        QMdiArea flaeche;
        flaeche.resize(1000, hoehe);
        flaeche.show();
        DatenUebergeben(Beispiel());
        auto* w = new ui::ZiehungenFenster;
        flaeche.addSubWindow(w)->show();
        EXPECT_EQ(w->findChild<QCheckBox*>("kGrafik")->isChecked(), hoehe > 700) << hoehe;
    }
}

}  // namespace
}  // namespace zahlix::test
