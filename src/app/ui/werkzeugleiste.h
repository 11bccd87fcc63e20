#pragma once
// A child window's own tool bar: one frame look for every window, buttons with their text
// under a 24-pixel symbol that never take the keyboard focus from the window.
#include <QIcon>
#include <QString>

class QFrame;
class QHBoxLayout;
class QToolButton;
class QWidget;

namespace zahlix::ui {

// The frame "rToolbar" with its row layout, returned in zeile.
QFrame* WerkzeugleisteBauen(QWidget* eltern, QHBoxLayout*& zeile);
// Button "bToolbar_<index>" in leiste; the caller adds it to the row.
QToolButton* WerkzeugknopfBauen(QFrame* leiste, int index, const QString& text, const QString& tipp,
                                const QIcon& symbol);

}  // namespace zahlix::ui
