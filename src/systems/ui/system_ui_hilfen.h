#pragma once
// Small text and widget helpers shared by the files of fSystemAuswertung.
#include <QPushButton>
#include <QString>
#include <string>

#include "core/textdatei.h"

namespace zahlix::ui {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

inline std::string Kurzname(const std::string& pfad) {
    return TextAusPfad(PfadVonName(pfad).filename());
}

// A result block for a text box, whose lines end in LF.
inline QString Anzeigetext(const std::string& t) {
    return Q(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline QPushButton* Knopf(const char* text, const char* name, QWidget* eltern) {
    auto* b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(name);
    return b;
}

inline constexpr const char* kSystemTitel = "System-Auswertung";

}  // namespace zahlix::ui
