// Evaluating the selection and showing counters, rows with hits and the status line.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "app/port.h"
#include "evaluation/bericht.h"
#include "evaluation/kombinr_eingabe.h"
#include "evaluation/trefferliste.h"
#include "evaluation/ui/auswertung_fenster.h"
#include "evaluation/ui/trefferliste_widget.h"
#include "core/bereich.h"
#include "output/ui/drucker.h"
#include "output/ui/zwischenspeicher.h"
#include "core/zahlformat.h"
#include "statistics/ui/zahlenfeldgrafik_anzeige.h"

namespace zahlix::ui {

namespace {

const QString kLeer = QStringLiteral(".....");

QColor Farbe(Listenfarbe f) {
    switch (f) {
        case Listenfarbe::Hellblau:
            return QColor(0, 0, 255);
        case Listenfarbe::Hellrot:
            return QColor(255, 0, 0);
        default:
            return QColor(0, 0, 0);
    }
}

}  // namespace

void AuswertungFenster::StatusZeigen(const QString& text) {
    bzHilfe_->setText(text);
}

void AuswertungFenster::BusySetzen(const QString& s) {
    busy_ = s;
    bKombiNr_->setProperty("tag", s);
}

Bitworte AuswertungFenster::HoleMarkierteZahlen() const {
    Bitworte w{};
    for (int i = 0; i < 49; ++i)
        if (kZahl_[static_cast<size_t>(i)]->isChecked()) ZahlSetzen(i + 1, w);
    return w;
}

void AuswertungFenster::AuswertenAutomatisch() {
    StatusZeigen(QStringLiteral(" F9 zum Auswerten drücken"));
    if (mAutomatischAuswerten_->isChecked()) AuswertenAnzeigen();
}

void AuswertungFenster::TrefferanzeigeLoeschen() {
    if (bzTreffer_[0]->text() == kLeer) return;
    for (int i = 0; i < 12; ++i) {
        QLabel* l = bzTreffer_[static_cast<size_t>(i)];
        l->setText(kLeer);
        l->setStyleSheet(QString());
    }
    bdTreffer_->Leeren();
}

void AuswertungFenster::TrefferTitelAnzeigen() {
    bzTreffertitel_->setText(QString::fromStdString(TrefferTitel(trefferfilter_)));
}

void AuswertungFenster::AuswertenAnzeigen() {
    StatusZeigen(QStringLiteral(" Auswertung läuft ..."));
    TrefferanzeigeLoeschen();
    TrefferTitelAnzeigen();
    const Bitworte auswahl = HoleMarkierteZahlen();
    Zusatzzahlwertung zusatz{};
    for (int i = 0; i < 3; ++i)
        zusatz[static_cast<size_t>(i)] = kTreffer_[static_cast<size_t>(i)]->isChecked() ? 1 : 0;
    ReihenAuswerten(auswahl, *daten_, zaehler_, zusatz);
    ZaehlerAnzeigen();

    // The list opens at its end, where the newest draws are.
    ReihenMitTrefferAnzeigen();
    {
        const QSignalBlocker sperre(vbTreffer_);
        vbTreffer_->setValue(vbTreffer_->maximum());
    }
    ReihenMitTrefferAnzeigen();

    std::array<int, 49> liste{};
    const int k = ZahlenEntpacken(auswahl, liste);
    const int32_t r = AlleSumme(zaehler_) + zaehler_[0];
    int32_t kombi = 0, summe = 0;
    if (k == 6) {
        kombi = KombiNrBerechnen(std::span<const int>(liste.data(), 6), daten_->GroessteZahl);
        summe = ZahlenSumme(std::span<const int>(liste.data(), 6));
    }
    StatusZeigen(QString::fromStdString(StatuszeileNachAuswertung(k, r, kombi, summe)));
    mReihenDanachAnzeigen_->setChecked(false);
    FarbfelderAnzeigen();
}

void AuswertungFenster::ZaehlerAnzeigen() {
    std::array<int32_t, 12> werte{};
    for (int i = 0; i < 10; ++i) werte[static_cast<size_t>(i)] = zaehler_[static_cast<size_t>(i)];
    werte[10] = AlleSumme(zaehler_);
    werte[11] = GewinnSumme(zaehler_);
    // A style sheet of its own: under the window's style sheet a palette set before the first
    // polish is overwritten, and a freshly opened window would show its counters plain.
    const QString aktiv = QStringLiteral("QLabel { background-color: #00009f; color: white; }");
    for (int i = 0; i < 12; ++i) {
        QLabel* l = bzTreffer_[static_cast<size_t>(i)];
        const int32_t v = werte[static_cast<size_t>(i)];
        l->setText(QString::number(v));
        l->setStyleSheet(v > 0 ? aktiv : QString());
    }
}

void AuswertungFenster::ReihenMitTrefferAnzeigen() {
    if (listeAmBauen_) return;  // re-entry from the scroll bar
    listeAmBauen_ = true;
    const Bitworte auswahl = HoleMarkierteZahlen();
    const int v = bdTreffer_->SichtbareZeilen();
    const Trefferseite seite =
        TrefferseiteBerechnen(*daten_, zaehler_, trefferfilter_, vbTreffer_->value(), v,
                              bzTreffertitel_->text().toStdString());
    bzTreffertitel_->setText(QString::fromStdString(seite.titel));
    {
        const QSignalBlocker sperre(vbTreffer_);
        vbTreffer_->setRange(0, seite.scrollMax);
        vbTreffer_->setValue(seite.scrollPos);
        vbTreffer_->setPageStep(std::max(1, v));
    }
    std::vector<Textzeile> zeilen;
    zeilen.reserve(seite.ziehungen.size());
    for (int i : seite.ziehungen) {
        Textzeile z;
        for (const zahlix::Textstueck& t : TrefferZeile(*daten_, i, auswahl))
            z.push_back({QString::fromStdString(t.text), Farbe(t.farbe)});
        zeilen.push_back(std::move(z));
    }
    bdTreffer_->ZeilenSetzen(std::move(zeilen));
    listeAmBauen_ = false;
}

void AuswertungFenster::ZahlGeklickt() {
    if (Beschaeftigt()) return;
    if (!mAutomatischAuswerten_->isChecked()) TrefferanzeigeLoeschen();
    AuswertenAutomatisch();
}

void AuswertungFenster::ZusatzzahlGeklickt(int i) {
    mZusatzzahlAuswerten_[static_cast<size_t>(i)]->setChecked(
        kTreffer_[static_cast<size_t>(i)]->isChecked());
    bKombiNr_->setFocus();
    AuswertenAnzeigen();
}

void AuswertungFenster::ZaehlerTitelGeklickt(int i) {
    TrefferfilterSetzen(i < 12 ? i : i - 12);
    AuswertenAnzeigen();
}

void AuswertungFenster::KnoepfeFreigeben() {
    const int n = std::clamp<int>(daten_->GroessteZahl, 1, 49);
    for (int i = 0; i < 49; ++i) {
        QPushButton* b = kZahl_[static_cast<size_t>(i)];
        b->setEnabled(i < n);
        if (i >= n) b->setChecked(false);
    }
    ZahlenfeldgrafikAktualisieren(this, *daten_);
}

void AuswertungFenster::DatenNeuAnzeigen() {
    KnoepfeFreigeben();
    TitelAnzeigen();
    // A changed history is evaluated at once, automatic evaluation or not: stale counters
    // would miss the new draw, and F4 or Ctrl+P would report them.
    AuswertenAnzeigen();
}

void AuswertungFenster::ZahlenauswahlLoeschen() {
    ZahlenauswahlAbZahlLoeschen(1);
}

void AuswertungFenster::ZahlenauswahlAbZahlLoeschen(int n) {
    BusySetzen(QStringLiteral("Nicht Auswerten"));
    for (int i = std::max(0, n - 1); i < 49; ++i) kZahl_[static_cast<size_t>(i)]->setChecked(false);
    BusySetzen({});
    AuswertenAnzeigen();
}

Auswertungsanzeige AuswertungFenster::Anzeige() const {
    Auswertungsanzeige a;
    a.fenstertitel = windowTitle().toStdString();
    a.bereichText = daten_->Titel.empty() ? BereichText() : daten_->Titel;
    a.auswahl = HoleMarkierteZahlen();
    a.groessteZahl = daten_->GroessteZahl;
    // The counts as the labels show them: "....." after a change not yet evaluated reads 0.
    for (int i = 0; i < 10; ++i)
        a.zaehler[static_cast<size_t>(i)] = static_cast<int32_t>(
            KombiNrWert(bzTreffer_[static_cast<size_t>(i)]->text().toStdString()));
    a.listentitel = bzTreffertitel_->text().toStdString();
    a.filter = trefferfilter_;
    return a;
}

void AuswertungFenster::AuswertungZwischenspeichern() {
    if (Beschaeftigt()) return;
    const bool neu = TextEinfuegen(ZwischenspeicherBlock(Anzeige(), *daten_));
    StatusZeigen(neu ? QStringLiteral(" Auswertung wurde dem Zwischenspeicher übergeben")
                     : QStringLiteral(" Auswertung ist schon im Zwischenspeicher"));
}

void AuswertungFenster::AuswertungDrucken() {
    if (Beschaeftigt()) return;
    const QString vorher = bzHilfe_->text();
    StatusZeigen(QStringLiteral(" Auswertung wird an die Druckausgabe übergeben..."));
    bzHilfe_->repaint();
    BusySetzen(QStringLiteral("Nicht Auswerten"));
    zahlix::Beschaeftigt(-1);
    const std::string text = DruckBericht(Anzeige(), *daten_, [this](int n) {
        StatusZeigen(
            QStringLiteral(" Auswertung wird an die Druckausgabe übergeben... %1 Reihen").arg(n));
        EreignissePumpen();
    });
    zahlix::Beschaeftigt(0);
    BusySetzen({});
    StatusZeigen(vorher);
    AnDruckausgabe(text);
}

}  // namespace zahlix::ui
