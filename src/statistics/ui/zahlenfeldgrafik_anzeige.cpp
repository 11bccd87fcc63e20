#include "statistics/ui/zahlenfeldgrafik_anzeige.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QVariant>
#include <QWidget>

#include "statistics/zahlenfeldgrafik.h"

namespace zahlix::ui {

void ZahlenfeldgrafikAktualisieren(QWidget* fenster, const Lottodatei& d) {
    if (!fenster) return;
    int grafik = 0;
    for (int i = 0; i < 6; ++i)
        if (auto* a = fenster->findChild<QAction*>(QStringLiteral("mGrafik_%1").arg(i)))
            if (a->isChecked()) grafik = i;
    std::array<int, 3> regler{3, 3, 3};
    for (int i = 0; i < 3; ++i)
        if (auto* s = fenster->findChild<QScrollBar*>(QStringLiteral("hbBarometer_%1").arg(i)))
            regler[static_cast<size_t>(i)] = s->value();
    const auto f = statistik::ZahlenfeldgrafikBerechnen(d, grafik, regler);

    // The window's own Quick-Info is kept aside once, so the legend never piles up.
    if (!fenster->property("zahlixQuickInfoGrund").isValid())
        fenster->setProperty("zahlixQuickInfoGrund", fenster->property("zahlixQuickInfo"));
    QString info = fenster->property("zahlixQuickInfoGrund").toString();
    if (!f.legende.empty())
        info += QStringLiteral("\r\n") + QString::fromStdString(f.legende) + QStringLiteral("\r\n");
    fenster->setProperty("zahlixQuickInfo", info);

    for (int x = 1; x <= 49; ++x) {
        auto* b = fenster->findChild<QPushButton*>(QStringLiteral("kZahl_%1").arg(x - 1));
        if (!b) continue;
        const auto i = static_cast<size_t>(x);
        // A checked number keeps its marked look; only the unchecked face takes the colour.
        const QString stil =
            f.gefaerbt[i] ? QStringLiteral("QPushButton:!checked { background: rgb(%1, %2, %3); }")
                                .arg(f.farbe[i].r)
                                .arg(f.farbe[i].g)
                                .arg(f.farbe[i].b)
                          : QString();
        if (b->styleSheet() != stil) b->setStyleSheet(stil);
        b->setToolTip(f.wert[i].empty()
                          ? QString()
                          : QStringLiteral("%1: %2").arg(x).arg(QString::fromStdString(f.wert[i])));
    }
}

}  // namespace zahlix::ui
