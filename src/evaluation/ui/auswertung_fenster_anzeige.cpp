// Evaluating the selection and showing counters, rows with hits and the status line.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "evaluation/ui/auswertung_fenster.h"
#include "evaluation/ui/trefferliste_widget.h"
#include "output/zahlformat.h"

namespace zahlix::ui {

namespace {

const QString kLeer = QStringLiteral(".....");

std::string TrefferTitelText(int f) {
    if (f <= 6) return "Reihen mit" + Str(f) + " Treffer";
    if (f <= 9) return "Reihen mit" + Str(f - 4) + " und Zusatzzahl";
    if (f == 10) return "Reihen mit Treffer";
    if (f == 11) return "Reihen ab 3 Treffer";
    return "Reihen mit/ohne Treffer";
}

std::string StatuszeileText(int k, int32_t r, int32_t kombiNr, int32_t summe) {
    if (k == 0)
        return " Bin bereit zum Auswerten - Bitte Zahlen in der Zahlenauswahl mit Mausklick "
               "auswählen";
    if (k == 1) return Str(k) + "  Zahl mit " + Str(r) + "  Reihen wurde ausgewertet.";
    if (k == 6)
        return Str(k) + "  Zahlen (KombiNr  " + Gruppiert(kombiNr) + " , Summe " + Str(summe) +
               ") mit " + Str(r) + "  Reihen wurden ausgewertet.";
    return Str(k) + "  Zahlen mit " + Str(r) + "  Reihen wurden ausgewertet.";
}

// One line of the list: date, the six numbers (hits in blue), the bonus number (red when
// selected) and the class.
Textzeile ListenZeile(const Lottodatei& d, int i, const Bitworte& auswahl) {
    static const QColor schwarz(0, 0, 0), blau(0, 0, 255), rot(255, 0, 0);
    Textzeile z;
    const int woche = WocheAus(d.WocheKennung[i]);
    const int kennung = KennungAus(d.WocheKennung[i]);
    std::string kopf = " " + ZahlNull2(static_cast<int16_t>(woche)) + "/" +
                       std::to_string(JahrAusJahrCode(d.JahrCode[i]));
    kopf += kennung != 0 ? "-" + std::string(1, static_cast<char>(kennung)) + " :" : "   :";
    z.push_back({QString::fromStdString(kopf), schwarz});
    const Bitworte w = d.Zahlen(i);
    std::array<int, 49> liste{};
    const int n = ZahlenEntpacken(w, liste);
    for (int j = 0; j < n; ++j)
        z.push_back({QString::fromStdString(" " + ZahlNull2(static_cast<int16_t>(liste[j]))),
                     ZahlGesetzt(liste[j], auswahl) ? blau : schwarz});
    z.push_back({QStringLiteral("-"), schwarz});
    const int zz = Zusatzzahl(w);
    if (ZusatzzahlVorhanden(zz))
        z.push_back({QString::fromStdString(ZahlNull2(static_cast<int16_t>(zz))),
                     ZahlGesetzt(zz, auswahl) ? rot : schwarz});
    else
        z.push_back({QStringLiteral(".."), schwarz});
    const int k = d.Trefferwert[i];
    const std::string klasse = k <= 6 ? " " + Str(k) + " T." : " " + Str(k - 4) + "+T.";
    z.push_back({QString::fromStdString(klasse), schwarz});
    return z;
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
        l->setPalette(QPalette());
    }
    bdTreffer_->Leeren();
}

void AuswertungFenster::TrefferTitelAnzeigen() {
    bzTreffertitel_->setText(QString::fromStdString(TrefferTitelText(trefferfilter_)));
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
    StatusZeigen(QString::fromStdString(StatuszeileText(k, r, kombi, summe)));
    mReihenDanachAnzeigen_->setChecked(false);
    FarbfelderAnzeigen();
}

void AuswertungFenster::ZaehlerAnzeigen() {
    std::array<int32_t, 12> werte{};
    for (int i = 0; i < 10; ++i) werte[static_cast<size_t>(i)] = zaehler_[static_cast<size_t>(i)];
    werte[10] = AlleSumme(zaehler_);
    werte[11] = GewinnSumme(zaehler_);
    QPalette aktiv;
    aktiv.setColor(QPalette::Window, QColor(0, 0, 159));
    aktiv.setColor(QPalette::WindowText, QColor(255, 255, 255));
    for (int i = 0; i < 12; ++i) {
        QLabel* l = bzTreffer_[static_cast<size_t>(i)];
        const int32_t v = werte[static_cast<size_t>(i)];
        l->setText(QString::number(v));
        l->setPalette(v > 0 ? aktiv : QPalette());
    }
}

void AuswertungFenster::ReihenMitTrefferAnzeigen() {
    if (listeAmBauen_) return;  // re-entry from the scroll bar
    listeAmBauen_ = true;
    const Bitworte auswahl = HoleMarkierteZahlen();
    const int v = bdTreffer_->SichtbareZeilen();

    int f = trefferfilter_;
    int32_t c = 0;
    if (f <= 9)
        c = zaehler_[static_cast<size_t>(f)];
    else if (f == 10)
        c = AlleSumme(zaehler_);
    else if (f == 11)
        c = GewinnSumme(zaehler_);
    if (c == 0 && f != 12) {
        if (!bzTreffertitel_->text().contains(QStringLiteral("---")))
            bzTreffertitel_->setText(bzTreffertitel_->text() +
                                     QStringLiteral(" --- Keine gefunden ---"));
        f = 0;
    }
    const int maximum =
        TrefferScrollMaximum(trefferfilter_, c, AlleSumme(zaehler_), zaehler_[0], v);
    {
        const QSignalBlocker sperre(vbTreffer_);
        if (vbTreffer_->value() > maximum) vbTreffer_->setValue(0);
        vbTreffer_->setRange(0, maximum);
        vbTreffer_->setPageStep(std::max(1, v));
    }
    const int start = vbTreffer_->value();

    std::vector<Textzeile> zeilen;
    zeilen.reserve(static_cast<size_t>(v) + 1);
    const Lottodatei& d = *daten_;
    int treffer = 0;
    for (int i = 0; i < kSlots && d.WocheKennung[i] != 0; ++i) {
        if (d.ImBereich[i] != -1 || !KlassePasst(d.Trefferwert[i], f)) continue;
        if (treffer++ < start) continue;
        zeilen.push_back(ListenZeile(d, i, auswahl));
        if (static_cast<int>(zeilen.size()) > v) break;
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
}

void AuswertungFenster::DatenNeuAnzeigen() {
    KnoepfeFreigeben();
    TitelAnzeigen();
    AuswertenAutomatisch();
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

}  // namespace zahlix::ui
