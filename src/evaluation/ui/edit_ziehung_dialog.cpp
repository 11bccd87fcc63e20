#include "evaluation/ui/edit_ziehung_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "app/anwendungsdateien.h"
#include "app/port.h"
#include "app/ui/fenster.h"
#include "evaluation/ui/neue_ziehung_dialog.h"
#include "evaluation/ziehung_befehle.h"
#include "evaluation/ziehung_eingabe.h"
#include "evaluation/ziehung_kennung.h"
#include "evaluation/ziehung_vorschlag.h"
#include "core/zahlformat.h"
#include "shell/ui/dialoghilfe.h"

namespace zahlix::ui {

namespace {

const char* kQuickInfo =
    "Ziehungen bearbeiten berichtigt gespeicherte Ziehungen\r\n"
    "\r\n"
    "-> 'Vor' / 'Zurück'\r\n"
    "Zeigt die nächste oder vorige Ziehung\r\n"
    "\r\n"
    "-> Woche, Jahr, Kennung\r\n"
    "Sucht die Ziehung über die Schieberegler\r\n"
    "\r\n"
    "-> 'OK'\r\n"
    "Speichert die angezeigte Ziehung und sortiert die Lottodaten\r\n";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QScrollBar* Leiste(QWidget* eltern, const char* name, int von, int bis) {
    auto* s = new QScrollBar(Qt::Horizontal, eltern);
    s->setObjectName(name);
    s->setRange(von, bis);
    s->setSingleStep(1);
    s->setPageStep(10);
    s->setMinimumWidth(220);
    return s;
}

}  // namespace

EditZiehungDialog::EditZiehungDialog(const Lottodatei& d, QWidget* eltern)
    : QDialog(eltern), daten_(d) {
    setObjectName("fEditZiehung");
    setWindowTitle(QStringLiteral("Ziehung editieren - ") +
                   Q(std::filesystem::path(d.Dateiname).filename().string()));
    setModal(true);
    setProperty("zahlixQuickInfo", QString::fromUtf8(kQuickInfo));

    for (int k = 0; k < 10; ++k) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("tZiehung_%1").arg(k));
        t->setAlignment(k == 7 ? Qt::AlignCenter : Qt::AlignRight);
        t->setMaxLength(k == 7 ? 1 : (k == 9 ? 4 : 3));
        const int zeichen = k == 9 ? 4 : 2;
        t->setFixedWidth(t->fontMetrics().horizontalAdvance(QString(zeichen + 2, QChar('0'))) + 12);
        tZiehung_[k] = t;
    }
    const char* texte[] = {"&Woche", "&Jahr", "&Kennung", "Z&ahlen", "Z&usatzzahl"};
    for (int k = 0; k < 5; ++k) {
        bzZiehung_[k] = new QLabel(QString::fromUtf8(texte[k]), this);
        bzZiehung_[k]->setObjectName(QStringLiteral("bzZiehung_%1").arg(k));
        bzZiehung_[k]->setMinimumWidth(
            bzZiehung_[k]->fontMetrics().horizontalAdvance("Kennung 00"));
    }
    hbWoche_ = Leiste(this, "hbWoche", 1, 53);
    hbJahr_ = Leiste(this, "hbJahr", kErstesJahr, kLetztesJahr);
    hbKennung_ = Leiste(this, "hbKennung", 0, 36);
    bzZiehung_[0]->setBuddy(hbWoche_);
    bzZiehung_[1]->setBuddy(hbJahr_);
    bzZiehung_[2]->setBuddy(hbKennung_);
    bzZiehung_[3]->setBuddy(tZiehung_[0]);
    bzZiehung_[4]->setBuddy(tZiehung_[6]);
    for (QScrollBar* s : {hbWoche_, hbJahr_, hbKennung_}) {
        connect(s, &QScrollBar::valueChanged, this, &EditZiehungDialog::LeistenGeaendert);
        s->setFocusPolicy(Qt::StrongFocus);
        s->installEventFilter(this);
    }

    bzDatumKW_ = new QLabel(this);
    bzDatumKW_->setObjectName("bzDatumKW");

    auto* bVor = new QPushButton(QStringLiteral("&Vor"), this);
    bVor->setObjectName("bVor");
    bVor->setToolTip(QStringLiteral("Eine Ziehung weiter"));
    bVor->setAutoDefault(false);
    auto* bZurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    bZurueck->setObjectName("bZurueck");
    bZurueck->setToolTip(QStringLiteral("Eine Ziehung zurück"));
    bZurueck->setAutoDefault(false);
    connect(bVor, &QPushButton::clicked, this, [this] { Schritt(+1); });
    connect(bZurueck, &QPushButton::clicked, this, [this] { Schritt(-1); });

    auto* rZiehung = new QGroupBox(QStringLiteral("Welche Ziehung?"), this);
    rZiehung->setObjectName("rZiehung");
    auto* g = new QGridLayout(rZiehung);
    g->addWidget(bzZiehung_[0], 0, 0);
    g->addWidget(hbWoche_, 0, 1);
    g->addWidget(tZiehung_[8], 0, 2);
    g->addWidget(bzZiehung_[1], 1, 0);
    g->addWidget(hbJahr_, 1, 1);
    g->addWidget(tZiehung_[9], 1, 2);
    g->addWidget(bzZiehung_[2], 2, 0);
    g->addWidget(hbKennung_, 2, 1);
    g->addWidget(tZiehung_[7], 2, 2);
    g->addWidget(bzDatumKW_, 3, 0, 1, 3);
    auto* schritte = new QHBoxLayout;
    schritte->addWidget(bZurueck);
    schritte->addWidget(bVor);
    schritte->addStretch();
    g->addLayout(schritte, 4, 0, 1, 3);

    auto* zahlenZeile = new QHBoxLayout;
    zahlenZeile->addWidget(bzZiehung_[3]);
    for (int k = 0; k < 6; ++k) zahlenZeile->addWidget(tZiehung_[k]);
    zahlenZeile->addSpacing(12);
    zahlenZeile->addWidget(bzZiehung_[4]);
    zahlenZeile->addWidget(tZiehung_[6]);
    zahlenZeile->addStretch();

    const DialogKnoepfe knopfzeile = DialogKnoepfeBauen(this, "Dialog.Ziehung berichtigen");
    QDialogButtonBox* knoepfe = knopfzeile.leiste;
    connect(knopfzeile.ok, &QPushButton::clicked, this, &EditZiehungDialog::Ok);
    connect(knopfzeile.abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(rZiehung);
    lay->addLayout(zahlenZeile);
    lay->addWidget(knoepfe);

    LeistenSetzen(0);
    angezeigt_ = ZiehungSuchen(daten_, hbWoche_->value(), hbJahr_->value(), hbKennung_->value());
    ZiehungAnzeigen(angezeigt_);
    tZiehung_[0]->setFocus();
}

std::function<int(QDialog&)>& EditZiehungDialog::Ausfuehrer() {
    static std::function<int(QDialog&)> f = [](QDialog& d) { return d.exec(); };
    return f;
}

void EditZiehungDialog::Beschriften() {
    bzZiehung_[0]->setText(Q("Woche" + Str(hbWoche_->value())));
    bzZiehung_[1]->setText(Q("Jahr" + Str(hbJahr_->value())));
    bzZiehung_[2]->setText(Q("Kennung " + KennungAusPosition(hbKennung_->value())));
}

void EditZiehungDialog::LeistenSetzen(int i) {
    // Set quietly: the entry is shown by index, so of two draws with the same week, year and
    // identifier the second stays reachable with "Vor".
    const QSignalBlocker w(hbWoche_), j(hbJahr_), k(hbKennung_);
    hbWoche_->setValue(std::clamp(WocheAus(daten_.WocheKennung[i]), 1, 53));
    hbJahr_->setValue(std::clamp(JahrAusJahrCode(daten_.JahrCode[i]), kErstesJahr, kLetztesJahr));
    hbKennung_->setValue(KennungPosition(KennungAus(daten_.WocheKennung[i])));
    Beschriften();
}

void EditZiehungDialog::LeistenGeaendert() {
    Beschriften();
    ZiehungAnzeigen(
        ZiehungSuchen(daten_, hbWoche_->value(), hbJahr_->value(), hbKennung_->value()));
}

void EditZiehungDialog::ZiehungAnzeigen(int i) {
    angezeigt_ = std::clamp(i, 0, kSlots - 1);
    const std::array<std::string, 10> felder = ZiehungFelder(daten_, angezeigt_);
    for (int k = 0; k < 10; ++k) tZiehung_[k]->setText(Q(felder[k]));
    const int woche = WocheAus(daten_.WocheKennung[angezeigt_]);
    // An empty entry shows the dates of the week the scroll bars point at.
    bzDatumKW_->setText(woche != 0
                            ? WochenDatumText(woche, JahrAusJahrCode(daten_.JahrCode[angezeigt_]))
                            : WochenDatumText(hbWoche_->value(), hbJahr_->value()));
}

void EditZiehungDialog::Schritt(int richtung) {
    const int L = std::clamp<int>(daten_.LetzterIndex, 0, kSlots - 2);
    const int neu = std::clamp(angezeigt_ + richtung, 0, L);
    LeistenSetzen(neu);
    ZiehungAnzeigen(neu);
}

bool EditZiehungDialog::Blaettern(int taste) {
    switch (taste) {
        case Qt::Key_Home:
            Schritt(-kSlots);
            return true;
        case Qt::Key_End:
            Schritt(kSlots);
            return true;
        case Qt::Key_PageUp:
            Schritt(-10);
            return true;
        case Qt::Key_PageDown:
            Schritt(10);
            return true;
        default:
            return false;
    }
}

bool EditZiehungDialog::eventFilter(QObject* o, QEvent* e) {
    // Before the scroll bar: its own Home/End would move week or year, not the draw.
    if (e->type() == QEvent::KeyPress && Blaettern(static_cast<QKeyEvent*>(e)->key())) return true;
    return QDialog::eventFilter(o, e);
}

void EditZiehungDialog::keyPressEvent(QKeyEvent* e) {
    if (!Blaettern(e->key())) QDialog::keyPressEvent(e);
}

void EditZiehungDialog::Ok() {
    if (daten_.WocheKennung[angezeigt_] == 0) {
        Meldung(kKeineZiehung, flags::Ausruf, kModul);
        return;
    }
    Ziehungseingabe e;
    const auto wert = [&](int k) { return FeldWert(tZiehung_[k]->text().toStdString()); };
    // Text that is no number is refused like a number out of range.
    for (int k = 0; k < 6; ++k) e.zahlen[k] = wert(k).value_or(-1);
    e.zusatzzahl = wert(6).value_or(-1);
    e.woche = wert(8).value_or(-1);
    e.jahr = wert(9).value_or(-1);
    const std::optional<int> kennung = KennungEingabe(tZiehung_[7]->text().toStdString());
    std::string fehler = kennung ? BerichtigungPruefen(e, daten_.GroessteZahl) : kFehlerKennung;
    if (!fehler.empty()) {
        Meldung(fehler, flags::Ausruf, kModul);
        return;
    }
    e.kennung = *kennung;
    const int i = angezeigt_;
    const std::array<int16_t, 6> vorher = {daten_.WocheKennung[i], daten_.JahrCode[i],
                                           daten_.Bitwort1[i],     daten_.Bitwort2[i],
                                           daten_.Bitwort3[i],     daten_.Bitwort4[i]};
    ZiehungSchreiben(daten_, i, e);
    const std::array<int16_t, 6> nachher = {daten_.WocheKennung[i], daten_.JahrCode[i],
                                            daten_.Bitwort1[i],     daten_.Bitwort2[i],
                                            daten_.Bitwort3[i],     daten_.Bitwort4[i]};
    geaendert_ = vorher != nachher;
    accept();
}

bool ZiehungBerichtigenDialog(QWidget* eltern, Lottodatei& d,
                              const std::function<void(const std::string&)>& status) {
    bool geaendert = false;
    {
        EditZiehungDialog dialog(d, eltern);
        QuickInfoMerken(kQuickInfo);
        const bool angenommen = EditZiehungDialog::Ausfuehrer()(dialog) == QDialog::Accepted;
        QuickInfoZurueck();
        geaendert = angenommen && dialog.Geaendert();
        if (geaendert) d = dialog.DatenNehmen();
    }
    if (!geaendert) return false;
    if (status) status(kSortierStatus);
    EreignissePumpenSofort();
    NachZiehungsAenderung(d, SortierAnlass::Berichtigen);
    return true;
}

}  // namespace zahlix::ui
