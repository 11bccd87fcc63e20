#include "app/ui/qt_port.h"

#include <QApplication>

#include "app/programm.h"
#include "app/ui/eingabefenster.h"
#include "app/ui/fenster.h"
#include "app/ui/meldungsfenster.h"
#include "shell/ui/dateiabfrage.h"
#include "shell/ui/rahmen.h"


namespace zahlix::ui {

QtPort::QtPort() = default;

QtPort::~QtPort() {
    if (&AktuellerPort() == this) PortInstallieren(nullptr);
    if (sanduhr_) QApplication::restoreOverrideCursor();
}

OutBox& QtPort::Ausgabe() {
    if (!ausgabe_) ausgabe_ = std::make_unique<OutBox>();
    return *ausgabe_;
}

InBox& QtPort::Eingabe() {
    if (!eingabe_) eingabe_ = std::make_unique<InBox>();
    return *eingabe_;
}

Taste QtPort::MeldungZeigen(const MeldungsAnfrage& anfrage) {
    // The hourglass would hide that the program waits for an answer.
    const bool sanduhr = sanduhr_;
    if (sanduhr) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const Taste t = Ausgabe().Zeigen(anfrage);
    if (sanduhr) QApplication::restoreOverrideCursor();
    return t;
}

std::string QtPort::EingabeZeigen(const std::string& prompt, const std::string& titel) {
    const bool sanduhr = sanduhr_;
    if (sanduhr) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const QString text = Eingabe().Zeigen(AnzeigeText(prompt), QString::fromStdString(titel));
    if (sanduhr) QApplication::restoreOverrideCursor();
    return text.toStdString();
}

std::string QtPort::DateiAuswaehlen(const std::string& muster, const std::string& titel) {
    return DateiabfrageZeigen(Hauptfenster(), muster, titel);
}

void QtPort::BeschaeftigtAnzeigen(bool beschaeftigt) {
    if (beschaeftigt != sanduhr_) {
        if (beschaeftigt)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
        sanduhr_ = beschaeftigt;
    }
    if (Rahmen* r = Rahmen::Instanz()) r->BeschaeftigtAnzeigen(beschaeftigt);
}

void QtPort::EreignisseVerarbeiten() {
    QCoreApplication::processEvents();
}

}  // namespace zahlix::ui
