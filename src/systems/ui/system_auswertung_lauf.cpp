// Runs of fSystemAuswertung on a worker thread and their results.
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <chrono>

#include "app/port.h"
#include "core/bereich_auswahl.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "output/ui/drucker.h"
#include "output/ui/zwischenspeicher.h"
#include "systems/meine_systeme.h"
#include "systems/system_lottodatei.h"
#include "systems/ui/system_auswertung_fenster.h"
#include "systems/ui/system_ui_hilfen.h"

namespace zahlix::ui {

void SystemAuswertungFenster::DatenUebernehmen(const Lottodatei& d) {
    if (laeuft_) return;
    if (IstSystem(d)) {
        SystemSetzen(SystemAusLottodatei(d, true), d.Dateiname, d.Titel);
    } else if (NeuesteZiehung(d) >= 0) {
        fensterHistorie_ = d;
        historienname_ = d.Dateiname;
        Anzeigen();
    }
}

void SystemAuswertungFenster::SystemSetzen(Tippsystem s, const std::string& name,
                                           const std::string& bereich) {
    if (laeuft_) return;
    system_ = std::move(s);
    systemname_ = name;
    systembereich_ = bereich;
    Anzeigen();
}

bool SystemAuswertungFenster::SystemOeffnen(const std::string& datei) {
    if (datei.empty() || laeuft_) return false;
    Tippsystem s;
    std::string fehler;
    zahlix::Beschaeftigt(-1);
    const bool ok = SystemLesen(PfadVonName(datei), s, fehler);
    zahlix::Beschaeftigt(0);
    if (!ok) {
        Meldung(fehler, flags::Ausruf, kSystemTitel);
        return false;
    }
    SystemSetzen(std::move(s), datei);
    return true;
}

bool SystemAuswertungFenster::HistorieWaehlen(const std::string& datei) {
    if (datei.empty() || laeuft_) return false;
    if (!Lesbar(FormatAusName(datei))) {
        Meldung(Kurzname(datei) +
                    " ist kein gültiger Lotto-Dateiname! (lesbar sind .ZX7, .ZX6, "
                    ".AS7)",
                flags::Information, kSystemTitel);
        return false;
    }
    fensterHistorie_.reset();
    historienname_ = datei;
    Anzeigen();
    return true;
}

bool SystemAuswertungFenster::HistorieBereit(Lottodatei& d, bool mitBereich) {
    if (fensterHistorie_) {
        d = *fensterHistorie_;
    } else if (historienname_.empty()) {
        Meldung("Bitte zuerst mit \"Wählen...\" eine Lottodatei wählen.", flags::Information,
                kSystemTitel);
        return false;
    } else {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(PfadVonName(historienname_), ec)) {
            Meldung("Die Datei " + historienname_ + " wurde nicht gefunden.", flags::Ausruf,
                    kSystemTitel);
            return false;
        }
        // The loader says why a file does not load.
        if (LottodateiLaden(historienname_, d) != 0) return false;
    }
    Bereichswahl w;
    if (mitBereich && oLetzte_->isChecked()) w.letzte = tLetzte_->value();
    if (mitBereich && oZeitraum_->isChecked() &&
        !ZeitraumLesen(tZeitraum_->text().trimmed().toStdString(), w)) {
        Meldung("Der Zeitraum \"" + tZeitraum_->text().toStdString() +
                    "\" ist ungültig. Bitte als WW/JJJJ-WW/JJJJ eingeben, zum Beispiel "
                    "01/2020-52/2025.",
                flags::Ausruf, kSystemTitel);
        return false;
    }
    Bereichswerte b;
    std::string fehler;
    if (!BereichBerechnen(d, w, b, fehler)) {
        Meldung(fehler, flags::Ausruf, kSystemTitel);
        return false;
    }
    return true;
}

bool SystemAuswertungFenster::Ausfuehren(
    const std::function<void(std::atomic<bool>& stopp)>& arbeit) {
    laeuft_ = true;
    stopp_ = false;
    for (QWidget* w : sperren_) w->setEnabled(false);
    bAuswerten_->setText(QStringLiteral("&Stop"));
    pbFortschritt_->setValue(0);
    zahlix::Beschaeftigt(-1);
    // The run reads only what the window leaves alone while it is locked; the window keeps
    // handling events in a local loop until the worker is done.
    QEventLoop warten;
    const auto lebt = lebt_;
    arbeiter_ = std::thread([this, &arbeit, &warten] {
        arbeit(stopp_);
        QMetaObject::invokeMethod(&warten, &QEventLoop::quit, Qt::QueuedConnection);
    });
    warten.exec();
    zahlix::Beschaeftigt(0);
    if (!*lebt) return false;  // closed at the program's end: the destructor joined the worker
    arbeiter_.join();
    laeuft_ = false;
    for (QWidget* w : sperren_) w->setEnabled(true);
    bAuswerten_->setText(QStringLiteral("&Auswerten"));
    return true;
}

void SystemAuswertungFenster::AuswertenUmschalten() {
    if (laeuft_) {
        stopp_ = true;
        return;
    }
    if (system_.reihen.empty()) {
        Meldung("Bitte zuerst ein System öffnen.", flags::Information, kSystemTitel);
        return;
    }
    int64_t einsatz = 0;
    std::string fehler;
    if (!EinsatzLesen(tEinsatz_->text().toStdString(), einsatz, fehler)) {
        Meldung(fehler, flags::Ausruf, kSystemTitel);
        tEinsatz_->setFocus();
        return;
    }
    Lottodatei d;
    if (!HistorieBereit(d, true)) return;
    Status(QStringLiteral(" System-Auswertung läuft ..."));
    Systemauswertung e;
    auto naechste = std::chrono::steady_clock::now();
    const bool fertig = Ausfuehren([&](std::atomic<bool>& stopp) {
        e = SystemAuswerten(system_.reihen, d,
                            {[&stopp] { return stopp.load(); },
                             [&](int n, int gesamt) {
                                 // A few updates a second are enough for the eye.
                                 const auto jetzt = std::chrono::steady_clock::now();
                                 if (jetzt < naechste && n < gesamt) return;
                                 naechste = jetzt + std::chrono::milliseconds(100);
                                 QMetaObject::invokeMethod(
                                     this,
                                     [this, n, gesamt] {
                                         pbFortschritt_->setValue(gesamt ? n * 100 / gesamt : 100);
                                         Status(Q(" System-Auswertung läuft ... " + Gruppiert(n) +
                                                  " von " + Gruppiert(gesamt) + " Ziehungen"));
                                     },
                                     Qt::QueuedConnection);
                             }});
    });
    if (!fertig) return;
    const Systemkopf k{Kurzname(systemname_), systembereich_, Kurzname(historienname_), d.Titel,
                       system_.Zahlen(),      einsatz};
    block_ = SystemauswertungBlock(k, e, d);
    bericht_ = SystemauswertungBericht(k, e, d);
    rtErgebnis_->setPlainText(Anzeigetext(block_));
    pbFortschritt_->setValue(e.abgebrochen ? pbFortschritt_->value() : 100);
    Status(e.abgebrochen ? QString::fromUtf8(" Angehalten - das Ergebnis gilt für die Ziehungen "
                                             "bis zum Halt")
                         : Q(" " + Gruppiert(static_cast<int64_t>(e.ziehungen.size())) +
                             " Ziehungen ausgewertet - F4 oder \"Zwischensp.\" übernimmt das "
                             "Ergebnis"));
}

void SystemAuswertungFenster::Zwischenspeichern() {
    if (laeuft_) return;
    if (block_.empty()) {
        Status(QString::fromUtf8(" Noch kein Ergebnis - bitte zuerst \"Auswerten\""));
        return;
    }
    Status(TextEinfuegen(block_) ? QString::fromUtf8(" Ergebnis wurde dem Zwischenspeicher "
                                                     "übergeben")
                                 : QString::fromUtf8(" Ergebnis ist schon im Zwischenspeicher"));
}

void SystemAuswertungFenster::Drucken() {
    if (laeuft_) return;
    if (bericht_.empty()) {
        Status(QString::fromUtf8(" Noch kein Ergebnis - bitte zuerst \"Auswerten\""));
        return;
    }
    AnDruckausgabe(bericht_);
}

}  // namespace zahlix::ui
