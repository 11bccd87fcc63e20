#include "app/ui/textbreite.h"

#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace zahlix::ui {

void BreiteFuerTexte(QComboBox* c, const QStringList& texte) {
    int breite = 0;
    for (const QString& t : texte) breite = std::max(breite, c->fontMetrics().horizontalAdvance(t));
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = c->isEditable();
    const QSize innen(breite + c->fontMetrics().horizontalAdvance(QLatin1Char('x')),
                      c->fontMetrics().height());
    c->setMinimumWidth(c->style()->sizeFromContents(QStyle::CT_ComboBox, &o, innen, c).width());
}

}  // namespace zahlix::ui
