// The run cycle: checks before a start, the repeated determinations, the worker thread and the
// stop request, and taking over what an analysis hands back.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QToolButton>
#include <filesystem>

#include "app/port.h"
#include "app/ui/fenster.h"
#include "determination/ermittlung_druck.h"
#include "determination/ui/ermittlung_fenster.h"
#include "determination/ui/rueckblick_fenster.h"
#include "output/ui/drucker.h"

namespace zahlix::ui {

bool Wiederholt(Analyseart a) {
    return a == Analyseart::Zufallszahlen || a == Analyseart::Gewinnzahlen ||
           a == Analyseart::Glueckszahlen || a == Analyseart::Pechzahlen;
}

void ErmittlungFenster::ErmittlungUmschalten() {
    if (Laeuft()) {
        stop_ = true;
        return;
    }
    ErmittlungStarten();
}

void ErmittlungFenster::ErmittlungStarten() {
    if (Laeuft()) return;
    if (FreieZahlen() == 0) {
        // Nothing runs; the status line says why instead of leaving the user guessing.
        StatusZeigen(
            QString::fromUtf8(" Alle Zahlen sind gesperrt - 'Sperrung aufheben' gibt sie frei"));
        return;
    }
    const auto art = AnalyseAusListentext(cErmittlungart_->currentText().toStdString());
    if (!art || !Pruefen(*art)) return;

    laeuft_ = QStringLiteral("Nicht auswerten");
    bToolbar_[2]->setProperty("tag", laeuft_);
    stop_ = false;
    ZaehlerLoeschen();  // counters of an earlier analysis would mislead
    SteuerungSperren(true);
    zahlix::Beschaeftigt(-1);
    const auto lebt = lebt_;
    if (Wiederholt(*art))
        Wiederholen(*art);
    else
        EinmalAusfuehren(*art, 1, 1);
    zahlix::Beschaeftigt(0);
    if (!*lebt) return;  // closed at the program's end while running
    laeuft_.clear();
    bToolbar_[2]->setProperty("tag", laeuft_);
    SteuerungSperren(false);
}

bool ErmittlungFenster::Pruefen(Analyseart art) {
    std::array<int, 49> liste{};
    const int k = ZahlenEntpacken(Auswahl(), liste);
    const std::string titel = windowTitle().toStdString();
    if (art == Analyseart::Zahlenabstand && k != 6) {
        Meldung(kMeldungSechsZahlen, flags::Information, titel);
        return false;
    }
    const int zerlegung = Gewaehlt("oZerlegung", 4) + 2;
    if (art == Analyseart::Zerlegungspruefung && k <= zerlegung) {
        Meldung(MeldungZerlegung(zerlegung), flags::Information, titel);
        return false;
    }
    return true;
}

void ErmittlungFenster::Wiederholen(Analyseart art) {
    const int32_t anzahl = Zahlwert(cAnzahl_[0]->currentText());
    const auto lebt = lebt_;
    if (anzahl <= 0) Meldung(kWarnungBisStop, flags::Ausruf, windowTitle().toStdString());
    const bool markierte = oVerwende_[1]->isChecked();
    StatusZeigen(QString::fromUtf8(" Ermittlung läuft - 'Stop' oder Esc hält sie an"));
    imZyklus_ = true;
    zyklusStatus_.clear();
    for (int n = 1; !stop_ && (anzahl <= 0 || n <= anzahl); ++n) {
        bzFrage_->setText(QString::fromStdString(ErmittlungTitel(n, anzahl <= 0)));
        // Every determination starts from the user's marks.
        if (markierte)
            for (int i = 0; i < 49; ++i)
                gemerkt_[static_cast<size_t>(i)] = kZahl_[static_cast<size_t>(i)]->isChecked();
        const bool weiter = EinmalAusfuehren(art, markierte ? 2 : 1, n);
        if (!*lebt) return;
        if (markierte) ZahlenAlleZurueckholen();
        if (!weiter) break;
    }
    imZyklus_ = false;
    if (stop_) zyklusStatus_ = QString::fromUtf8(" Ermittlung angehalten");
    if (!zyklusStatus_.isEmpty()) StatusZeigen(zyklusStatus_);
}

bool ErmittlungFenster::EinmalAusfuehren(Analyseart art, int modus, int ermittlung) {
    const AnalyseEingaben e = EingabenLesen(art, modus, ermittlung);
    AnalyseErgebnis r;
    if (!Ausfuehren(e, r)) return false;
    ErgebnisUebernehmen(art, r);
    return !r.zyklusBeenden && !r.abgebrochen && r.meldung.empty();
}

bool AufArbeiterWarten(std::thread& arbeiter, const std::shared_ptr<std::atomic<bool>>& lebt,
                       const std::function<void()>& arbeit) {
    QEventLoop warten;
    const auto halten = lebt;
    arbeiter = std::thread([&arbeit, &warten] {
        arbeit();
        QMetaObject::invokeMethod(&warten, &QEventLoop::quit, Qt::QueuedConnection);
    });
    warten.exec();
    if (!*halten) return false;  // the destructor has joined the worker
    arbeiter.join();
    return true;
}

bool ErmittlungFenster::Ausfuehren(const AnalyseEingaben& e, AnalyseErgebnis& r) {
    // The analysis reads only its own copy of the history, which nothing changes while it
    // runs; the window keeps handling events in a local loop until the worker is done.
    return AufArbeiterWarten(arbeiter_, lebt_, [this, &e, &r] {
        AnalyseRueckrufe rueckrufe;
        rueckrufe.stopp = [this] { return stop_.load(); };
        rueckrufe.status = [this](const std::string& s) {
            QMetaObject::invokeMethod(
                this, [this, t = QString::fromStdString(s)] { StatusZeigen(t); },
                Qt::QueuedConnection);
        };
        r = AnalyseAusfuehren(*daten_, e, rueckrufe);
    });
}

void ErmittlungFenster::ErgebnisUebernehmen(Analyseart art, const AnalyseErgebnis& r) {
    if (!r.text.empty()) ErgebnisZeigen(r.text, r.zahlenzeile, r.fuerZwischenspeicher);
    if (r.zaehler) ZaehlerAnzeigen(*r.zaehler);
    if (!r.vorschlag.empty()) {
        for (int i = 0; i < 49; ++i)
            if (!Gesperrt(i)) kZahl_[static_cast<size_t>(i)]->setChecked(false);
        for (int n : r.vorschlag)
            if (n >= 1 && n <= 49 && !Gesperrt(n - 1))
                kZahl_[static_cast<size_t>(n - 1)]->setChecked(true);
    }
    if (!r.liste.empty() || !r.listeSortiert.empty()) {
        listenArt_ = art;
        liste_ = r.liste;
        sortiert_ = r.listeSortiert;
    }
    if (art == Analyseart::Zerlegungspruefung) {
        for (int i = 0; i < 2; ++i) {
            QListWidget* l = lZerlegung_[static_cast<size_t>(i)];
            l->clear();
            for (const std::string& s : i == 0 ? r.liste : r.listeSortiert)
                l->addItem(QString::fromStdString(s));
        }
    }
    if (art == Analyseart::Prognosen) {
        auto* index = findChild<QComboBox*>("cPrognoseIndex");
        index->clear();
        for (const std::string& s : r.liste) index->addItem(QString::fromStdString(s));
    }
    if (!r.status.empty()) {
        if (imZyklus_)
            zyklusStatus_ = QString::fromStdString(r.status);
        else
            StatusZeigen(QString::fromStdString(r.status));
    }
    if (!r.meldung.empty()) Meldung(r.meldung, flags::Information, windowTitle().toStdString());
}

void ErmittlungFenster::Drucken() {
    if (Laeuft()) return;
    const QString vorher = bzHilfe_->text();
    StatusZeigen(QString::fromUtf8(kStatusErmittlungDruck));
    bzHilfe_->repaint();
    zahlix::Beschaeftigt(-1);
    ErmittlungDruckDaten d;
    d.art = art_.toStdString();
    d.fenstertitel = windowTitle().toStdString();
    d.bereichText = bereichText_;
    d.auswahl = Auswahl();
    d.groessteZahl = daten_->GroessteZahl;
    d.ergebnistext = rtErmittlung_->toPlainText()
                         .replace(QStringLiteral("\n"), QStringLiteral("\r\n"))
                         .toStdString();
    if (AnalyseAusListentext(d.art) == listenArt_) {
        d.liste = liste_;
        d.sortiert = sortiert_;
    }
    const std::string text = ErmittlungDruckText(d, [this](const std::string& s) {
        StatusZeigen(QString::fromStdString(s));
        bzHilfe_->repaint();
    });
    zahlix::Beschaeftigt(0);
    StatusZeigen(vorher);
    AnDruckausgabe(text);
}

void ErmittlungFenster::RueckblickOeffnen() {
    const auto art = AnalyseAusListentext(cErmittlungart_->currentText().toStdString());
    if (Laeuft() || !art) return;
    if (const std::string nein = KeinRueckblick(*art); !nein.empty()) {
        Meldung(nein, flags::Information, windowTitle().toStdString());
        return;
    }
    AnalyseEingaben e = EingabenLesen(*art, oVerwende_[1]->isChecked() ? 2 : 1, 1);
    e.fenstertitel =
        RueckblickTitel(*art, std::filesystem::path(daten_->Dateiname).filename().string());
    FensterZeigen(new RueckblickFenster(*daten_, e));
}

void ErmittlungFenster::closeEvent(QCloseEvent* e) {
    if (Laeuft() && !ProgrammEndet()) {
        Meldung(kMeldungSchliessenLaeuft, flags::Information, windowTitle().toStdString());
        e->ignore();
        return;
    }
    stop_ = true;  // at the program's end a run stops; the destructor waits for it
    e->accept();
}

bool ErmittlungFenster::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QWidget::eventFilter(o, e);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || (w != this && !isAncestorOf(w)) || QApplication::activePopupWidget())
        return QWidget::eventFilter(o, e);
    const int taste = static_cast<QKeyEvent*>(e)->key();
    if (taste == Qt::Key_Escape && Laeuft()) {
        stop_ = true;
        return true;
    }
    if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && !Laeuft()) {
        ErmittlungStarten();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

}  // namespace zahlix::ui
