#include "rahmen_hilfen_test.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>

#include "app/anwendungsdateien.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "app/ui/start.h"
#include "shell/optionen.h"
#include "shell/ui/rahmen.h"

namespace zahlix::test {

KindFenster::KindFenster(const QString& name, const QString& kurz, const QString& info,
                         int groessteZahl, bool mitMenues) {
    setObjectName(name);
    setWindowTitle(name + " Fenster");
    setProperty("zahlixKurz", kurz);
    setProperty("zahlixQuickInfo", info);
    uebergabe = Programm().uebergabeDatei;
    auto* gitter = new QGridLayout(this);
    for (int n = 1; n <= 49; ++n) {
        auto* k = new QPushButton(QString::number(n));
        k->setObjectName(QStringLiteral("kZahl_%1").arg(n - 1));
        k->setCheckable(true);
        k->setEnabled(n <= groessteZahl);
        gitter->addWidget(k, (n - 1) / 7, (n - 1) % 7);
    }
    if (mitMenues) {
        auto* datei = new QMenu("&Datei", this);
        datei->setObjectName("mDatei");
        datei->addAction("&Öffnen")->setObjectName("mOeffnen");
        auto* fenster = new QMenu("&Fenster", this);
        fenster->setObjectName("mFenster");
        fenster->addAction("&Eigene Anordnung")->setObjectName("mEigeneAnordnung");
        menues_ = {datei, fenster};
    }
}

QAbstractButton* KindFenster::Zahl(int n) const {
    return findChild<QAbstractButton*>(QStringLiteral("kZahl_%1").arg(n - 1));
}

std::vector<int> KindFenster::Markiert() const {
    std::vector<int> z;
    for (int n = 1; n <= 49; ++n)
        if (Zahl(n)->isChecked()) z.push_back(n);
    return z;
}

void KindFenster::closeEvent(QCloseEvent* e) {
    ++schliessen;
    if (verweigern && !ui::ProgrammEndet())
        e->ignore();
    else
        e->accept();
}

SchlichtesFenster::SchlichtesFenster(const QString& name, const QString& kurz) {
    setObjectName(name);
    setWindowTitle(name);
    setProperty("zahlixKurz", kurz);
    resize(300, 200);
}

RahmenTest::RahmenTest() : vorher(std::filesystem::current_path()) {
    std::filesystem::current_path(ordner.pfad());
    Optionen() = OptionenStandard();
    Programm() = Programmwerte{};
    Zahlenablage().fill(0);
    for (const char* name : {"fZX", "fZwischenspeicher", "fHilfe", "fDrucker"})
        ui::FensterAbmelden(name);
}

RahmenTest::~RahmenTest() {
    rahmen.reset();
    Verarbeiten();
    for (const char* name : {"fZX", "fZwischenspeicher", "fHilfe", "fDrucker"})
        ui::FensterAbmelden(name);
    HeuteErsetzen(std::nullopt);
    std::filesystem::current_path(vorher);
}

void RahmenTest::Starten() {
    rahmen = ui::StartAusfuehren({}, false);
    rahmen->activateWindow();
    Verarbeiten();
}

void RahmenTest::Anlegen(const std::string& name, const std::string& inhalt) {
    DateiSchreiben(ordner / name, inhalt);
}

void RahmenTest::AuswertungAnmelden() {
    ui::FensterAnmelden("fZX", [this]() -> QWidget* {
        ++erzeugt;
        return new KindFenster("fZX", "LO", "Lotto-Auswertung\r\nwertet aus");
    });
}

void RahmenTest::Verarbeiten() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction* RahmenTest::Aktion(const char* name) const {
    return rahmen->findChild<QAction*>(name);
}

KindFenster* RahmenTest::Auswertung() const {
    return qobject_cast<KindFenster*>(ui::FensterSuchen("fZX"));
}

}  // namespace zahlix::test
