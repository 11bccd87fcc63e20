// The evaluation window's pop-up "Zahlenfeldgrafik" colours the grid and "Ohne Statistik"
// restores it; a slider recomputes.
#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>

#include "evaluation/ui/auswertung_testhilfe.h"

namespace zahlix::test {
namespace {

TEST(Zahlenfeldgrafik, MenueFaerbtUndStelltZurueck) {
    SkriptPort port;
    Arbeitsordner o;
    const auto datei =
        As7(o, "z.AS7", {" 40 1955 83 03 12 13 16 23 41 00", " 41 1955 83 07 12 18 30 32 49 00"});
    auto f = FensterMit(datei);
    auto grafik = [&](int i) {
        Kind<QAction>(f.get(), QStringLiteral("mGrafik_%1").arg(i))->trigger();
    };
    grafik(1);  // "Wann zuletzt gezogen": drawn in the newest three draws -> coloured
    EXPECT_FALSE(Zahl(f.get(), 7)->styleSheet().isEmpty());
    EXPECT_EQ(Zahl(f.get(), 7)->toolTip().toStdString(), "7: vor 0 Ziehungen zuletzt gezogen");
    EXPECT_TRUE(Zahl(f.get(), 20)->styleSheet().isEmpty());
    EXPECT_NE(f->property("zahlixQuickInfo").toString().indexOf(QStringLiteral("grün")), -1);
    Kind<QScrollBar>(f.get(), QStringLiteral("hbBarometer_0"))->setValue(1);
    EXPECT_TRUE(Zahl(f.get(), 3)->styleSheet().isEmpty()) << "3 kam vor einer Ziehung";
    grafik(0);
    EXPECT_TRUE(Zahl(f.get(), 7)->styleSheet().isEmpty());
    EXPECT_EQ(f->property("zahlixQuickInfo").toString().indexOf(QStringLiteral("grün")), -1);
}

}  // namespace
}  // namespace zahlix::test
