#include "app/ui/start.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <memory>

#include "app/anwendungsdateien.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "app/ui/info_fenster.h"
#include "app/ui/qt_port.h"
#include "app/ui/symbole.h"
#include "app/vorlagen.h"
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

void DeutscheUmgebungSetzen() {
    const QByteArray alle = qgetenv("LC_ALL");
    if (!alle.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("LC_CTYPE")) qputenv("LC_CTYPE", alle);
        qunsetenv("LC_ALL");
    }
    for (const char* teil : {"LC_NUMERIC", "LC_TIME", "LC_MONETARY", "LC_MESSAGES"})
        qputenv(teil, "de_DE.UTF-8");
}

QTranslator* AnwendungEinrichten(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The C library keeps its decimal point: number texts and readers rely on it.
    std::setlocale(LC_NUMERIC, "C");
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
