#include "shell/ui/vorschau_feld.h"

#include <QFontDatabase>

#include "shell/vorschau.h"

namespace zahlix::ui {

VorschauFeld::VorschauFeld(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("bdReihen");
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Wide enough for a draw line and the separator of 31 characters.
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(34, QLatin1Char('0'))));
}

void VorschauFeld::DateiAnzeigen(const std::filesystem::path& datei) {
    QString text;
    for (const auto& zeile : DateiVorschau(datei)) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += QString::fromStdString(zeile);
    }
    setPlainText(text);
}

}  // namespace zahlix::ui
