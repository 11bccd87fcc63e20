#pragma once
// Widths taken from the texts a control may show: whatever it holds at the moment, none of
// them is ever cut off, and the control does not jump in width when its entries change.
#include <QStringList>

class QComboBox;

namespace zahlix::ui {

// The combo box gets the minimum width that shows the longest of these texts whole.
void BreiteFuerTexte(QComboBox* c, const QStringList& texte);

}  // namespace zahlix::ui
