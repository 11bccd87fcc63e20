#include "shell/ui/dialoghilfe.h"

#include "app/anwendungsdateien.h"
#include "app/ui/fenster.h"
#include "help/ui/dialog_hilfe.h"

namespace zahlix::ui {

void QuickInfoWaehrendSichtbar::Gezeigt(const char* text) {
    if (!gemerkt_) QuickInfoMerken(text);
    gemerkt_ = true;
}

void QuickInfoWaehrendSichtbar::Verborgen() {
    if (gemerkt_) QuickInfoZurueck();
    gemerkt_ = false;
}

void HilfeZu(const char* thema) {
    Hilfethema() = thema;
    // The help window behind a modal dialog could not be reached: the dialog help opens above.
    DialogHilfeZeigen();
}

DialogKnoepfe DialogKnoepfeBauen(QWidget* dialog, const char* hilfethema) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName("bOK");
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), dialog);
    abbrechen->setObjectName("bAbbrechen");
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"), dialog);
    hilfe->setObjectName("bHilfe");
    hilfe->setAutoDefault(false);
    QObject::connect(hilfe, &QPushButton::clicked, dialog, [hilfethema] { HilfeZu(hilfethema); });
    auto* leiste = new QDialogButtonBox(dialog);
    leiste->addButton(ok, QDialogButtonBox::AcceptRole);
    leiste->addButton(abbrechen, QDialogButtonBox::RejectRole);
    leiste->addButton(hilfe, QDialogButtonBox::HelpRole);
    return {leiste, ok, abbrechen};
}

}  // namespace zahlix::ui
