// The filter window's runs on the worker thread, the result display, and what leaves the
// window: the saved system and the rows handed to the slip printing.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <filesystem>

#include "app/port.h"
#include "app/ui/fenster.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "output/ui/editorhilfe.h"
#include "systems/teilmengenmarke.h"
#include "systems/ui/lottoschein_fenster.h"
#include "systems/ui/systemfilter_fenster.h"

namespace zahlix::ui {

namespace {

const char* const kTitel = "Systemdatei-Filter";
// The list shows the first rows; the rest are in the saved system.
constexpr std::size_t kGezeigteReihen = 1000;

}  // namespace

struct SystemfilterFenster::Laufergebnis {
    std::shared_ptr<const std::vector<Reihenmaske>> zahlenreihen;  // made for this run
    Reihenmaske zahlen = 0;
    Filterergebnis gefiltert;
    std::optional<Garantietabelle> garantie;
    int64_t quellreihen = 0;
    bool abgebrochen = false;
};

SystemfilterFenster::~SystemfilterFenster() {
    stopp_ = true;
    if (arbeiter_.joinable()) arbeiter_.join();
}

void SystemfilterFenster::Geaendert() {
    if (baut_) return;
    aktuell_ = false;
    bSpeichern_->setEnabled(false);
    bDrucken_->setEnabled(false);
    if (laeuft_) {  // the newer change wins: stop the run and start again once it has ended
        erneut_ = true;
        stopp_ = true;
        return;
    }
    LaufStarten();
}

void SystemfilterFenster::LaufStarten() {
    Reihenmaske zahlen = 0;
    std::shared_ptr<const std::vector<Reihenmaske>> quelle;
    if (oQuelle_[0]->isChecked()) {
        for (int i = 0; i < 49; ++i)
            if (kZahl_[static_cast<std::size_t>(i)]->isChecked()) zahlen |= Reihenmaske{1} << i;
        if (zahlenreihen_ && zahlenreihenVon_ == zahlen) quelle = zahlenreihen_;
    } else if (systemreihen_) {
        quelle = systemreihen_;
        for (Reihenmaske r : *quelle) zahlen |= r;
    }
    if (AnzahlIn(zahlen) < kZahlenProReihe) {
        ergebnis_ = {};
        garantie_.reset();
        bzQuelle_->clear();
        ErgebnisZeigen();
        StatusZeigen(
            oQuelle_[0]->isChecked()
                ? Q(" Markieren Sie mindestens 6 Zahlen oder öffnen Sie eine Systemdatei.")
                : Q(" Öffnen Sie eine Systemdatei oder wählen Sie die markierten Zahlen."));
        return;
    }
    const Systemfilter filter = FilterAusSteuerung();
    laeuft_ = true;
    stopp_ = false;
    bStopp_->setEnabled(true);
    pbFortschritt_->setValue(0);
    StatusZeigen(Q(" Filter und Garantie werden berechnet... (Esc oder Stop hält an)"));
    arbeiter_ = std::thread([this, quelle, zahlen, filter] {
        auto r = std::make_shared<Laufergebnis>();
        auto melden = [this](int p) {
            QMetaObject::invokeMethod(
                pbFortschritt_, [b = pbFortschritt_, p] { b->setValue(p); }, Qt::QueuedConnection);
        };
        Laufsteuerung s;
        s.stopp = [this] { return stopp_.load(); };
        auto reihen = quelle;
        if (!reihen)
            reihen = r->zahlenreihen =
                std::make_shared<const std::vector<Reihenmaske>>(AlleReihen(zahlen, s));
        r->zahlen = zahlen;
        r->quellreihen = static_cast<int64_t>(reihen->size());
        r->abgebrochen = s.Gestoppt();
        if (!r->abgebrochen) {
            s.fortschritt = [&](int p) { melden(p * 4 / 10); };
            r->gefiltert = FilterAnwenden(*reihen, filter, s);
            r->abgebrochen = r->gefiltert.abgebrochen;
        }
        if (!r->abgebrochen && !r->gefiltert.reihen.empty()) {
            s.fortschritt = [&](int p) { melden(40 + p * 6 / 10); };
            r->garantie = GarantieBerechnen(zahlen, r->gefiltert.reihen, s);
            r->abgebrochen = !r->garantie;
        }
        // A stop while the rows were made leaves only a part, which no later run may take.
        if (r->zahlenreihen &&
            static_cast<int64_t>(r->zahlenreihen->size()) !=
                Binomialtabelle()[static_cast<std::size_t>(AnzahlIn(zahlen))][kZahlenProReihe])
            r->zahlenreihen.reset();
        QMetaObject::invokeMethod(
            this, [this, r] { LaufFertig(r); }, Qt::QueuedConnection);
    });
}

void SystemfilterFenster::LaufFertig(const std::shared_ptr<Laufergebnis>& r) {
    if (arbeiter_.joinable()) arbeiter_.join();
    laeuft_ = false;
    bStopp_->setEnabled(false);
    if (r->zahlenreihen) {
        zahlenreihen_ = r->zahlenreihen;
        zahlenreihenVon_ = r->zahlen;
    }
    if (erneut_) {
        erneut_ = false;
        LaufStarten();
        return;
    }
    if (r->abgebrochen) {
        ergebnis_ = {};
        garantie_.reset();
        ErgebnisZeigen();
        pbFortschritt_->setValue(0);
        StatusZeigen(
            Q(" Angehalten - das Ergebnis fehlt; jede Änderung eines Filters rechnet neu."), true);
        return;
    }
    ergebnis_ = std::move(r->gefiltert);
    garantie_ = r->garantie;
    quellreihen_ = r->quellreihen;
    aktuell_ = true;
    bzQuelle_->setText(
        Q(std::to_string(AnzahlIn(r->zahlen)) + " Zahlen, " + Gruppiert(quellreihen_) + " Reihen"));
    pbFortschritt_->setValue(100);
    ErgebnisZeigen();
}

void SystemfilterFenster::Anhalten() {
    erneut_ = false;
    stopp_ = true;
}

void SystemfilterFenster::Abwarten() {
    while (laeuft_) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void SystemfilterFenster::ErgebnisZeigen() {
    const auto n = static_cast<int64_t>(ergebnis_.reihen.size());
    const bool leer = aktuell_ && n == 0;
    bzReihen_->setText(!aktuell_ ? QString()
                       : leer    ? Q("Der Filter entfernt alle Reihen.")
                                 : Q(Gruppiert(n) + " von " + Gruppiert(quellreihen_) + " Reihen"));
    bzReihen_->setStyleSheet(leer ? QStringLiteral("color: #b00020;") : QString());
    for (int zeile = 0; zeile < 4; ++zeile)
        for (int spalte = 0; spalte < 5; ++spalte) {
            const int m = 6 - zeile, t = spalte + 2;
            auto* item = new QTableWidgetItem(
                garantie_ && t <= m
                    ? Q(Anteilzahl(garantie_->MindestensT(t, m), garantie_->Ziehungen(m)))
                    : QString());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (t > m) item->setFlags(Qt::NoItemFlags);
            tGarantie_->setItem(zeile, spalte, item);
        }
    {
        const QSignalBlocker still(tGarantie_);
        tGarantie_->setCurrentCell(6 - garantieM_, garantieT_ - 2);
    }
    GarantiesatzZeigen();
    lReihen_->clear();
    QStringList zeilen;
    for (std::size_t i = 0; i < std::min(ergebnis_.reihen.size(), kGezeigteReihen); ++i) {
        std::string z = ZahlRechts4(static_cast<int16_t>(i + 1)) + ":";
        for (int x : ZahlenAusMaske(ergebnis_.reihen[i])) z += ZahlFeld3(static_cast<int16_t>(x));
        zeilen << Q(z);
    }
    if (ergebnis_.reihen.size() > kGezeigteReihen)
        zeilen << Q("... und " + Gruppiert(n - static_cast<int64_t>(kGezeigteReihen)) +
                    " weitere Reihen");
    lReihen_->addItems(zeilen);
    MusterlisteFuellen();
    bSpeichern_->setEnabled(aktuell_ && n > 0);
    bDrucken_->setEnabled(aktuell_ && n > 0);
    if (aktuell_)
        StatusZeigen(
            leer ? Q(" Der Filter entfernt alle Reihen - lockern Sie einen Filter.")
                 : Q(" " + Gruppiert(n) + " Reihen bleiben. Speichern schreibt sie als System."),
            leer);
}

void SystemfilterFenster::GarantiesatzZeigen() {
    bzGarantie_->setText(
        garantie_ ? Q("Garantie: " + Garantiesatz(*garantie_, garantieT_, garantieM_)) : QString());
}

void SystemfilterFenster::MusterlisteFuellen() {
    const auto art = static_cast<Musterart>(cMusterart_->currentIndex());
    const uint64_t erlaubt = muster_[static_cast<std::size_t>(art)];
    const auto& anzahl = ergebnis_.musterAnzahl[static_cast<std::size_t>(art)];
    const QSignalBlocker still(lMuster_);
    lMuster_->clear();
    for (int w = art == Musterart::Thug ? 0 : 1; w < (art == Musterart::Thug ? kMusterwerte : 12);
         ++w) {
        const bool an = (erlaubt >> w) & 1;
        const int64_t n = anzahl[static_cast<std::size_t>(w)];
        if (art == Musterart::Thug && an && n == 0) continue;  // 49 values; only those that occur
        std::string text = MusterwertText(art, w);
        text += std::string(10 - std::min<std::size_t>(text.size(), 10), ' ') +
                ZahlGruppiert10(static_cast<int32_t>(std::min<int64_t>(n, INT32_MAX)));
        auto* item = new QListWidgetItem(Q(text), lMuster_);
        item->setData(Qt::UserRole, w);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(an ? Qt::Checked : Qt::Unchecked);
    }
}

void SystemfilterFenster::StatusZeigen(const QString& text, bool warnung) {
    bzHilfe_->setText(text);
    bzHilfe_->setStyleSheet(
        QStringLiteral("background: #fbfbf3; border: 1px solid #c9ccd2; padding: 3px 6px;") +
        (warnung ? QStringLiteral("color: #b00020;") : QString()));
}

bool SystemfilterFenster::SystemOeffnen(const std::string& datei) {
    Tippsystem s;
    std::string fehler;
    if (!SystemLesen(PfadVonName(datei), s, fehler)) {
        Meldung(fehler, flags::Ausruf, kTitel);
        return false;
    }
    systemname_ = TextAusPfad(PfadVonName(datei).filename());
    groessteZahl_ = s.groessteZahl;
    const Reihenmaske zahlen = s.Zahlen();
    systemreihen_ = std::make_shared<const std::vector<Reihenmaske>>(std::move(s.reihen));
    tSystemdatei_->setText(Q(datei));
    {
        const QSignalBlocker still(oQuelle_[1]);
        oQuelle_[1]->setChecked(true);
    }
    for (int i = 0; i < 49; ++i) {
        QPushButton* b = kZahl_[static_cast<std::size_t>(i)];
        const QSignalBlocker still(b);
        b->setChecked((zahlen >> i) & 1);
        b->setEnabled(false);
    }
    Geaendert();
    return true;
}

void SystemfilterFenster::SystemWaehlen() {
    const std::string datei =
        DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT", "Systemdatei-Filter - System öffnen");
    if (!datei.empty()) SystemOeffnen(datei);
}

bool SystemfilterFenster::ZiehungsdateiOeffnen(const std::string& datei) {
    std::error_code ec;
    std::string grund;
    if (!Lesbar(FormatAusName(datei)))
        grund = datei + " ist kein gültiger Lotto-Dateiname! (lesbar sind .ZX7, .ZX6, .AS7)";
    else if (!std::filesystem::is_regular_file(PfadVonName(datei), ec))
        grund = "Die Datei " + datei + " wurde nicht gefunden.";
    auto d = std::make_unique<Lottodatei>();
    if (grund.empty() && LottodateiLaden(datei, *d, 0) != 0)
        grund = "Die Datei " + datei + " konnte nicht als Lottodatei geladen werden.";
    if (!grund.empty()) {
        Meldung(grund, flags::Ausruf, kTitel);
        return false;
    }
    ziehungen_ = ZiehungenAlsReihen(*d);
    tZiehungsdatei_->setText(
        Q(datei + " (" + Gruppiert(static_cast<int64_t>(ziehungen_.size())) + " Ziehungen)"));
    if (findChild<QCheckBox*>("kGezogen")->isChecked()) Geaendert();
    return true;
}

bool SystemfilterFenster::ZiehungsdateiWaehlen() {
    const std::string datei =
        DateiAuswaehlen("*.ZX7;*.ZX6;*.AS7", "Systemdatei-Filter - Ziehungen öffnen");
    return !datei.empty() && ZiehungsdateiOeffnen(datei);
}

bool SystemfilterFenster::Speichern(std::string ziel) {
    if (!aktuell_ || ergebnis_.reihen.empty()) {
        Meldung(laeuft_     ? "Zahlix rechnet noch; bitte warten Sie das Ergebnis ab."
                : !aktuell_ ? "Zu den eingestellten Filtern gibt es noch kein Ergebnis; jede "
                              "Änderung eines Filters rechnet neu."
                            : "Der Filter entfernt alle Reihen; es gibt nichts zu speichern.",
                flags::Ausruf, kTitel);
        return false;
    }
    if (ziel.empty())
        ziel = DateiAuswaehlen("*.ZS4;*.ZS3;*.TXT", "Systemdatei-Filter - System speichern");
    if (ziel.empty()) return false;
    std::error_code ec;
    if (std::filesystem::exists(PfadVonName(ziel), ec) &&
        Meldung("Die Datei " + ziel + " gibt es schon. Soll sie ersetzt werden?",
                flags::JaNein | flags::Frage | flags::Zweiter, kTitel) != kJa)
        return false;
    std::string fehler;
    if (!SystemSchreiben(
            PfadVonName(ziel),
            Tippsystem{ergebnis_.reihen, oQuelle_[0]->isChecked() ? 49 : groessteZahl_}, fehler)) {
        Meldung(fehler, flags::Kritisch, kTitel);
        return false;
    }
    StatusZeigen(Q(" " + Gruppiert(static_cast<int64_t>(ergebnis_.reihen.size())) +
                   " Reihen gespeichert in " + ziel));
    return true;
}

void SystemfilterFenster::Drucken() {
    if (!aktuell_ || ergebnis_.reihen.empty()) return;
    auto* schein = qobject_cast<LottoscheinFenster*>(FensterOeffnen("fLottoschein"));
    if (!schein) {
        schein = new LottoscheinFenster;
        FensterZeigen(schein);
    }
    const std::string quelle = oQuelle_[0]->isChecked()
                                   ? std::to_string(AnzahlIn(zahlenreihenVon_)) + " Zahlen"
                                   : systemname_;
    schein->ReihenUebernehmen(ergebnis_.reihen, quelle + " (gefiltert)",
                              oQuelle_[0]->isChecked() ? 49 : groessteZahl_);
}

void SystemfilterFenster::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && laeuft_) {
        Anhalten();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace zahlix::ui
