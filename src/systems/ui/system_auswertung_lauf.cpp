// Runs of fSystemAuswertung on a worker thread, their results, and the ways in: the evaluation
// window's menu, the Start entry and systems built elsewhere in the program.
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
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "core/bereich_auswahl.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "output/ui/drucker.h"
#include "output/ui/zwischenspeicher.h"
#include "systems/meine_systeme.h"
#include "systems/system_lottodatei.h"
#include "systems/ui/system_auswertung_fenster.h"

namespace zahlix::ui {

namespace {

constexpr const char* kTitel = "System-Auswertung";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Kurzname(const std::string& pfad) {
    return TextAusPfad(PfadVonName(pfad).filename());
}

// The block for the text box, whose lines end in LF.
QString Anzeigetext(const std::string& t) {
    return Q(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

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
        Meldung(fehler, flags::Ausruf, kTitel);
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
                flags::Information, kTitel);
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
                kTitel);
        return false;
    } else {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(PfadVonName(historienname_), ec)) {
            Meldung("Die Datei " + historienname_ + " wurde nicht gefunden.", flags::Ausruf,
                    kTitel);
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
                flags::Ausruf, kTitel);
        return false;
    }
    Bereichswerte b;
    std::string fehler;
    if (!BereichBerechnen(d, w, b, fehler)) {
        Meldung(fehler, flags::Ausruf, kTitel);
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
        Meldung("Bitte zuerst ein System öffnen.", flags::Information, kTitel);
        return;
    }
    int64_t einsatz = 0;
    std::string fehler;
    if (!EinsatzLesen(tEinsatz_->text().toStdString(), einsatz, fehler)) {
        Meldung(fehler, flags::Ausruf, kTitel);
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

void SystemAuswertungFenster::TippsPruefen() {
    if (laeuft_) return;
    std::vector<std::string> liste;
    std::string fehler;
    if (!MeineSystemeLaden(MeineSystemePfad(), liste, fehler)) {
        Meldung(fehler, flags::Ausruf, kTitel);
        return;
    }
    if (liste.empty()) {
        Meldung("Meine Systeme ist leer. Bitte mit \"Hinzufügen...\" Systemdateien aufnehmen.",
                flags::Information, kTitel);
        return;
    }
    Lottodatei d;
    if (!HistorieBereit(d, false)) return;
    const int i = NeuesteZiehung(d);
    if (i < 0) {
        Meldung("Die Lottodatei " + Kurzname(historienname_) + " enthält keine Ziehung.",
                flags::Information, kTitel);
        return;
    }
    std::vector<Tippergebnis> ergebnisse;
    Status(QString::fromUtf8(" Tipps prüfen läuft ..."));
    if (!Ausfuehren([&](std::atomic<bool>& stopp) {
            for (const std::string& datei : liste)
                if (!stopp) ergebnisse.push_back(TippPruefen(datei, d, i));
        }))
        return;
    block_ = bericht_ = TippsPruefenText(ergebnisse, d, i, Kurzname(historienname_));
    neuesteZahlen_ = ZahlenAusMaske(MaskeAusBitworten(d.Zahlen(i)));
    rtErgebnis_->setPlainText(Anzeigetext(block_));
    pbFortschritt_->setValue(100);
    Status(QString::fromUtf8(
        " Geprüft - ein Doppelklick auf ein System zeigt seine Reihen mit Treffern"));
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

void SystemAuswertungFenster::ImAuswertungsfensterZeigen(const std::string& datei) {
    if (laeuft_ || datei.empty()) return;
    Programm().uebergabeDatei = datei;
    LottoAuswertungNeu();
    // After "Tipps prüfen" the window marks the draw, so the rows with 3 or more hits show.
    auto* f = qobject_cast<AuswertungFenster*>(FensterSuchen("fZX"));
    if (f && IstSystem(f->Daten()) && f->Daten().Dateiname == datei && !neuesteZahlen_.empty())
        f->AuswahlSetzen(neuesteZahlen_, 11);
}

void SystemAuswertungZeigen(const Lottodatei& d, bool tippsPruefen) {
    auto* w = qobject_cast<SystemAuswertungFenster*>(FensterOeffnen("fSystemAuswertung"));
    if (!w) return;
    w->DatenUebernehmen(d);
    if (tippsPruefen) w->TippsPruefen();
}

void SystemAuswertungStarten() {
    const std::string name =
        DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT", "System-Auswertung - Systemdatei öffnen");
    if (name.empty()) return;
    Tippsystem s;
    std::string fehler;
    if (!SystemLesen(PfadVonName(name), s, fehler)) {
        Meldung(fehler, flags::Ausruf, kTitel);
        return;
    }
    if (s.reihen.size() <= static_cast<size_t>(kMaxFensterreihen)) {
        Programm().uebergabeDatei = name;
        LottoAuswertungNeu();
        return;
    }
    // Too many rows to show one by one: evaluated here only.
    SystemPasstInsFenster(s, name, fehler);
    Meldung(fehler, flags::Information, kTitel);
    auto* w = qobject_cast<SystemAuswertungFenster*>(FensterOeffnen("fSystemAuswertung"));
    if (w) w->SystemSetzen(std::move(s), name);
}

bool SystemImAuswertungsfensterZeigen(const Tippsystem& s, const std::string& name,
                                      bool geaendert) {
    std::string fehler;
    if (!SystemPasstInsFenster(s, name, fehler)) {
        Meldung(fehler, flags::Ausruf, kTitel);
        return false;
    }
    if (QWidget* alt = FensterSuchen("fZX")) {
        QWidget* w = alt;
        SchliessenFenster(w);
        if (w) return false;  // it keeps changes the user did not want to lose
    }
    auto* f = new AuswertungFenster(nullptr, false);
    f->SystemUebernehmen(s, name, geaendert, fehler);
    FensterZeigen(f);
    return true;
}

}  // namespace zahlix::ui
