#include "evaluation/ui/neue_ziehung_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <optional>

#include "app/anwendungsdateien.h"
#include "app/port.h"
#include "app/ui/fenster.h"
#include "evaluation/ziehung_befehle.h"
#include "evaluation/ziehung_eingabe.h"
#include "evaluation/ziehung_kennung.h"
#include "evaluation/ziehung_vorschlag.h"
#include "output/wochentext.h"
#include "core/zahlformat.h"
#include "shell/ui/dialoghilfe.h"

namespace zahlix::ui {

namespace {

const char* kQuickInfo =
    "Neue Ziehung nimmt die 6 markierten Zahlen als neue Ziehung auf\r\n"
    "\r\n"
    "-> 'Woche-Vor' / 'Wo-Zurück'\r\n"
    "Verschiebt die vorgeschlagene Woche\r\n"
    "\r\n"
    "-> 'OK'\r\n"
    "Hängt die Ziehung an und sortiert die Lottodaten\r\n";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QLineEdit* Feld(QWidget* eltern, int index, int zeichen, bool nurLesen) {
    auto* t = new QLineEdit(eltern);
    t->setObjectName(QStringLiteral("tZiehung_%1").arg(index));
    t->setAlignment(Qt::AlignRight);
    t->setReadOnly(nurLesen);
    t->setFocusPolicy(nurLesen ? Qt::NoFocus : Qt::StrongFocus);
    if (nurLesen) {
        // Proposed values look like text, not like fields waiting for input.
        QPalette p = t->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        t->setPalette(p);
    }
    const int breite = t->fontMetrics().horizontalAdvance(QString(zeichen + 2, QChar('0')));
    t->setFixedWidth(breite + 12);
    return t;
}

QLabel* Beschriftung(QWidget* eltern, int index, const QString& text) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QStringLiteral("bzZiehung_%1").arg(index));
    return l;
}

}  // namespace

QString WochenDatumText(int woche, int jahr) {
    return QString::fromUtf8(WochenZeitraumText(woche, jahr));
}

NeueZiehungDialog::NeueZiehungDialog(const Lottodatei& d, const std::array<int, 6>& zahlen,
                                     QWidget* eltern)
    : QDialog(eltern), daten_(d) {
    setObjectName("fNeueZiehung");
    setWindowTitle(QStringLiteral("Neue Ziehung aufnehmen - ") +
                   Q(std::filesystem::path(d.Dateiname).filename().string()));
    setModal(true);
    setProperty("zahlixQuickInfo", QString::fromUtf8(kQuickInfo));

    tZiehung_[0] = Feld(this, 0, 2, true);
    tZiehung_[1] = Feld(this, 1, 4, true);
    for (int k = 0; k < 6; ++k) {
        tZiehung_[2 + k] = Feld(this, 2 + k, 2, true);
        tZiehung_[2 + k]->setText(Q(ZahlRechts2(static_cast<int16_t>(zahlen[k]))));
    }
    tZiehung_[8] = Feld(this, 8, 2, false);
    tZiehung_[8]->setMaxLength(3);
    tZiehung_[9] = Feld(this, 9, 1, false);
    tZiehung_[9]->setMaxLength(1);
    tZiehung_[9]->setAlignment(Qt::AlignCenter);

    auto* bzWoche = Beschriftung(this, 0, QStringLiteral("Woche"));
    auto* bzJahr = Beschriftung(this, 1, QStringLiteral("Jahr"));
    auto* bzZahlen = Beschriftung(this, 2, QStringLiteral("Zahlen"));
    auto* bzZusatz = Beschriftung(this, 3, QStringLiteral("Z&usatzzahl"));
    bzZusatz->setBuddy(tZiehung_[8]);
    auto* bzKennung = Beschriftung(this, 4, QStringLiteral("&Kennung"));
    bzKennung->setBuddy(tZiehung_[9]);
    auto* bzHinweis = Beschriftung(
        this, 5,
        QStringLiteral("Woche, Jahr und Kennung der Folgeziehung wurden aus den vorhandenen "
                       "Ziehungen errechnet und müssen bei Bedarf geändert werden."));
    bzHinweis->setWordWrap(true);

    bzDatumKW_ = new QLabel(this);
    bzDatumKW_->setObjectName("bzDatumKW");

    auto* bVor = new QPushButton(QStringLiteral("Woche-&Vor"), this);
    bVor->setObjectName("bVor");
    bVor->setToolTip(QStringLiteral("Eine Woche vor"));
    bVor->setAutoDefault(false);
    auto* bZurueck = new QPushButton(QStringLiteral("Wo-&Zurück"), this);
    bZurueck->setObjectName("bZurueck");
    bZurueck->setToolTip(QStringLiteral("Eine Woche zurück"));
    bZurueck->setAutoDefault(false);
    connect(bVor, &QPushButton::clicked, this, &NeueZiehungDialog::Vor);
    connect(bZurueck, &QPushButton::clicked, this, &NeueZiehungDialog::Zurueck);

    auto* rZiehung = new QGroupBox(QStringLiteral("Welche Ziehung?"), this);
    rZiehung->setObjectName("rZiehung");
    auto* gw = new QGridLayout(rZiehung);
    gw->addWidget(bzWoche, 0, 0);
    gw->addWidget(tZiehung_[0], 0, 1);
    gw->addWidget(bzJahr, 0, 2);
    gw->addWidget(tZiehung_[1], 0, 3);
    gw->addWidget(bzKennung, 0, 4);
    gw->addWidget(tZiehung_[9], 0, 5);
    gw->setColumnStretch(6, 1);
    gw->addWidget(bzDatumKW_, 1, 0, 1, 7);
    auto* schritte = new QHBoxLayout;
    schritte->addWidget(bZurueck);
    schritte->addWidget(bVor);
    schritte->addStretch();
    gw->addLayout(schritte, 2, 0, 1, 7);

    auto* zahlenZeile = new QHBoxLayout;
    zahlenZeile->addWidget(bzZahlen);
    for (int k = 2; k <= 7; ++k) zahlenZeile->addWidget(tZiehung_[k]);
    zahlenZeile->addSpacing(12);
    zahlenZeile->addWidget(bzZusatz);
    zahlenZeile->addWidget(tZiehung_[8]);
    zahlenZeile->addStretch();

    const DialogKnoepfe knopfzeile =
        DialogKnoepfeBauen(this, "Dialog.Ziehung hinzufügen - Neue Ziehung aufnehmen");
    QDialogButtonBox* knoepfe = knopfzeile.leiste;
    connect(knopfzeile.ok, &QPushButton::clicked, this, &NeueZiehungDialog::Ok);
    connect(knopfzeile.abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(rZiehung);
    lay->addLayout(zahlenZeile);
    lay->addWidget(bzHinweis);
    lay->addWidget(knoepfe);

    const Folgeziehung v = FolgeziehungVorschlagen(d);
    nachIndex_ = v.letzterIndex;
    woche_ = v.woche;
    jahr_ = v.jahr;
    if (v.kennung != 0) tZiehung_[9]->setText(Q(KennungZeichen(v.kennung)));
    WocheAnzeigen();
    tZiehung_[8]->setFocus();
}

std::function<int(QDialog&)>& NeueZiehungDialog::Ausfuehrer() {
    static std::function<int(QDialog&)> f = [](QDialog& d) { return d.exec(); };
    return f;
}

void NeueZiehungDialog::WocheAnzeigen() {
    tZiehung_[0]->setText(Q(ZahlRechts2(static_cast<int16_t>(woche_))));
    tZiehung_[1]->setText(Q(ZahlRechts4(static_cast<int16_t>(jahr_))));
    bzDatumKW_->setText(WochenDatumText(woche_, jahr_));
}

void NeueZiehungDialog::Vor() {
    if (WocheVor(woche_, jahr_)) WocheAnzeigen();
}

void NeueZiehungDialog::Zurueck() {
    if (WocheZurueck(woche_, jahr_)) WocheAnzeigen();
}

void NeueZiehungDialog::Ok() {
    Ziehungseingabe e;
    const auto wert = [&](int k) { return FeldWert(tZiehung_[k]->text().toStdString()); };
    e.woche = wert(0).value_or(0);
    e.jahr = wert(1).value_or(0);
    for (int k = 0; k < 6; ++k) e.zahlen[k] = wert(2 + k).value_or(0);
    // Text that is no number is refused like a bonus number out of range.
    e.zusatzzahl = wert(8).value_or(-1);
    const std::optional<int> kennung = KennungEingabe(tZiehung_[9]->text().toStdString());
    std::string fehler = kennung ? NeueZiehungPruefen(e, daten_.GroessteZahl) : kFehlerKennung;
    if (kennung) e.kennung = *kennung;
    if (fehler.empty() && ZiehungAnhaengen(daten_, nachIndex_, e) < 0)
        fehler = "Es kann keine Ziehung mehr hinzugefügt werden!";
    if (!fehler.empty()) {
        Meldung(fehler, flags::Ausruf, kModul);
        return;
    }
    accept();
}

bool ZiehungHinzufuegenDialog(QWidget* eltern, Lottodatei& d, std::span<const int> markiert,
                              const std::function<void(const std::string&)>& status) {
    if (!ZiehungHinzufuegenMoeglich(d, markiert)) return false;
    std::array<int, 6> zahlen{};
    std::copy(markiert.begin(), markiert.end(), zahlen.begin());
    bool angenommen = false;
    {
        NeueZiehungDialog dialog(d, zahlen, eltern);
        QuickInfoMerken(kQuickInfo);
        angenommen = NeueZiehungDialog::Ausfuehrer()(dialog) == QDialog::Accepted;
        QuickInfoZurueck();
        if (angenommen) d = dialog.DatenNehmen();
    }
    if (!angenommen) return false;
    if (status) status(kSortierStatus);
    EreignissePumpenSofort();
    NachZiehungsAenderung(d, SortierAnlass::Hinzufuegen);
    return true;
}

}  // namespace zahlix::ui
