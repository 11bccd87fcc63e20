// The window program's application settings: captions without an appended program name,
// Qt's own texts in German where the translations are installed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>

#include "app/ui/start.h"

using namespace zahlix;

TEST(Anwendung, FenstertitelOhneAnhangUndQtTexteDeutsch) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    qputenv("LC_ALL", "en_US.UTF-8");
    ui::DeutscheUmgebungSetzen();
    EXPECT_EQ(qgetenv("LC_CTYPE") + qgetenv("LC_ALL") + qgetenv("LC_TIME"),
              "en_US.UTF-8de_DE.UTF-8");
    QTranslator* uebersetzung = ui::AnwendungEinrichten(*app);
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 6), QLocale::ShortFormat).toStdString(),
              "06.12.26");
    app->setQuitOnLastWindowClosed(true);
    // Qt appends a set display name to every window caption ("Zahlix — Zahlix Freeware").
    EXPECT_EQ(QGuiApplication::applicationDisplayName().toStdString(), "Zahlix");
    const bool vorhanden = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                         QStringLiteral("/qtbase_de.qm"));
    EXPECT_EQ(uebersetzung != nullptr, vorhanden);
    if (!uebersetzung) GTEST_SKIP() << "qtbase_de.qm fehlt (Paket qt6-translations-l10n)";
    QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text().toStdString(), "Abbrechen");
    QCoreApplication::removeTranslator(uebersetzung);
    delete uebersetzung;
}
