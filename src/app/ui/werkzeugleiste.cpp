#include "app/ui/werkzeugleiste.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

namespace zahlix::ui {

QFrame* WerkzeugleisteBauen(QWidget* eltern, QHBoxLayout*& zeile) {
    auto* leiste = new QFrame(eltern);
    leiste->setObjectName("rToolbar");
    leiste->setStyleSheet(QStringLiteral(
        "QFrame#rToolbar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f7f9fc,"
        " stop:1 #e7ecf3); border: 1px solid #cfd6e0; border-radius: 4px; }"
        "QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 2px 6px; }"
        "QToolButton:hover { border-color: #9db5dd; background: #eaf1fc; }"));
    zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(4, 2, 4, 2);
    zeile->setSpacing(2);
    return leiste;
}

QToolButton* WerkzeugknopfBauen(QFrame* leiste, int index, const QString& text, const QString& tipp,
                                const QIcon& symbol) {
    auto* b = new QToolButton(leiste);
    b->setObjectName(QStringLiteral("bToolbar_%1").arg(index));
    b->setText(text);
    b->setToolTip(tipp);
    b->setIcon(symbol);
    b->setIconSize(QSize(24, 24));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace zahlix::ui
