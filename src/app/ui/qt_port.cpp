#include "app/ui/qt_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>
#include <filesystem>

#include "app/programm.h"
#include "app/ui/eingabefenster.h"
#include "app/ui/fenster.h"
#include "app/ui/meldungsfenster.h"
#include "shell/ui/rahmen.h"

#if __has_include("shell/ui/dateiabfrage.h")
#include "shell/ui/dateiabfrage.h"
#define ZAHLIX_HAT_DATEIABFRAGE 1
#endif

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
#ifdef ZAHLIX_HAT_DATEIABFRAGE
    return DateiabfrageZeigen(Hauptfenster(), muster, titel);
#else
    return DateiAuswaehlenNotbehelf(muster, titel);
#endif
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

std::string DateiAuswaehlenNotbehelf(const std::string& muster, const std::string& titel) {
    const QString liste = QString::fromStdString(muster);
    const QString filter = QStringLiteral("Dateien (%1)").arg(liste.split(';').join(' '));
    const QString t = QString::fromStdString(titel);
    const QString start = QString::fromStdString(Programm().startverzeichnis.string());
    const QString gewaehlt = t.contains("speichern", Qt::CaseInsensitive)
                                 ? QFileDialog::getSaveFileName(Hauptfenster(), t, start, filter)
                                 : QFileDialog::getOpenFileName(Hauptfenster(), t, start, filter);
    if (gewaehlt.isEmpty()) return {};
    // Files of the start directory are handed back by bare name, as the program's dialog does.
    const std::filesystem::path pfad(gewaehlt.toStdString());
    std::error_code fehler;
    if (std::filesystem::equivalent(pfad.parent_path(), Programm().startverzeichnis, fehler))
        return pfad.filename().string();
    return pfad.string();
}

}  // namespace zahlix::ui
