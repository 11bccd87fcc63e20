#include "app/ui/start.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "app/anwendungsdateien.h"
#include "app/programm.h"
#include "app/vorlagen.h"
#include "app/ui/fenster.h"
#include "app/ui/info_fenster.h"
#include "app/ui/qt_port.h"
#include "app/ui/symbole.h"
#include "help/ui/hilfetaste.h"
#include "shell/optionen.h"
#include "shell/ui/rahmen.h"

namespace zahlix::ui {

std::unique_ptr<Rahmen> StartAusfuehren(const std::filesystem::path& programmverzeichnis,
                                        bool mitSplash) {
    Programm().fensterzaehler = 0;
    Programm().platzierungszaehler = 0;

    std::unique_ptr<InfoFenster> splash;
    if (mitSplash) {
        splash = std::make_unique<InfoFenster>(true);
        splash->show();
        splash->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    const auto start = std::filesystem::current_path();
    AnwendungsdateienSetzen(start, programmverzeichnis);
    StartverzeichnisSetzen(start);
    VordefinierteDateienBereitstellen(start, programmverzeichnis);

    OptionenLaden(Dateien().optionen);

    auto rahmen = std::make_unique<Rahmen>();
    rahmen->show();
    // The splash screen goes before the evaluation window opens: a file dialog it may show
    // must not end up behind the splash screen.
    rahmen->Laden([&splash] {
        if (splash) splash->close();
    });

    rahmen->QuickInfo();
    return rahmen;
}

QTranslator* QtUebersetzungLaden(QCoreApplication& app) {
    auto uebersetzung = std::make_unique<QTranslator>(&app);
    if (!uebersetzung->load(QStringLiteral("qtbase_de"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(uebersetzung.get());
    return uebersetzung.release();
}

QTranslator* AnwendungEinrichten(QApplication& app) {
    app.setApplicationName("Zahlix");
    app.setWindowIcon(ProgrammSymbol());
    app.setQuitOnLastWindowClosed(false);
    return QtUebersetzungLaden(app);
}

int ProgrammStarten(QApplication& app) {
    AnwendungEinrichten(app);

    QtPort port;
    PortInstallieren(&port);
    BekannteFensterAnmelden();
    HilfetasteInstallieren();

    auto rahmen = StartAusfuehren(
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()), true);
    QObject::connect(rahmen.get(), &Rahmen::Beendet, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    const int status = app.exec();
    rahmen.reset();
    PortInstallieren(nullptr);
    return status;
}

}  // namespace zahlix::ui
