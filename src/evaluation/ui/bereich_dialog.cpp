#include "evaluation/ui/bereich_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/port.h"
#include "core/reihenbereich.h"
#include "core/bereich.h"
#include "core/zahlen.h"
#include "shell/ui/dialoghilfe.h"

namespace zahlix::ui {

namespace {

QSpinBox* Feld(QWidget* eltern, const char* name, int von, int bis, int wert) {
    auto* s = new QSpinBox(eltern);
    s->setObjectName(name);
    s->setRange(von, bis);
    s->setValue(std::clamp(wert, von, bis));
    return s;
}

}  // namespace

BereichDialog::BereichDialog(Lottodatei& d, QWidget* eltern)
    : QDialog(eltern), d_(d), system_(IstSystembereich(d.Titel)) {
    setObjectName("fAuswertebereich");
    setWindowTitle(QStringLiteral("Auswertebereich einstellen"));
    setModal(true);
    const Bereichswahl w = AktuelleBereichswahl();

    oAlle_ = new QRadioButton(QStringLiteral("&Alle Ziehungen"), this);
    oAlle_->setObjectName("oAlle");
    oZeitraum_ = new QRadioButton(QStringLiteral("&Von Woche/Jahr bis Woche/Jahr"), this);
    oZeitraum_->setObjectName("oZeitraum");
    oLetzte_ = new QRadioButton(QStringLiteral("Nur die &letzten Ziehungen:"), this);
    oLetzte_->setObjectName("oLetzte");
    tWocheVon_ = Feld(this, "tWocheVon", 1, 53, w.wocheVon);
    tJahrVon_ = Feld(this, "tJahrVon", 1900, 2099, w.jahrVon);
    tWocheBis_ = Feld(this, "tWocheBis", 1, 53, w.wocheBis);
    tJahrBis_ = Feld(this, "tJahrBis", 1900, 2099, w.jahrBis);
    for (QSpinBox* s : {tWocheVon_, tWocheBis_}) s->setPrefix(QStringLiteral("Woche "));
    for (QSpinBox* s : {tJahrVon_, tJahrBis_}) s->setPrefix(QStringLiteral("Jahr "));
    tLetzte_ = Feld(this, "tLetzte", 1, kMaxZiehungen, w.letzte > 0 ? w.letzte : 100);
    kKennung_ = new QCheckBox(QStringLiteral("Nur Ziehungen mit &Kennung:"), this);
    kKennung_->setObjectName("kKennung");
    kKennung_->setChecked(!w.kennung.empty());
    tKennung_ = new QLineEdit(QString::fromStdString(w.kennung), this);
    tKennung_->setObjectName("tKennung");
    tKennung_->setMaxLength(1);
    tKennung_->setMaximumWidth(40);

    // "Alle" when the range spans the history and nothing else restricts it.
    const int letzter = std::max(d.Anzahl() - 1, 0);
    const bool spannt = w.wocheVon == WocheAus(d.WocheKennung[0]) &&
                        w.jahrVon == JahrAusJahrCode(d.JahrCode[0]) &&
                        w.wocheBis == WocheAus(d.WocheKennung[letzter]) &&
                        w.jahrBis == JahrAusJahrCode(d.JahrCode[letzter]);
    (w.letzte > 0 ? oLetzte_ : spannt ? oAlle_ : oZeitraum_)->setChecked(true);

    auto* g = new QGridLayout;
    if (system_) ReihenBauen(g);
    g->addWidget(oAlle_, 0, 0, 1, 5);
    g->addWidget(oZeitraum_, 1, 0, 1, 5);
    g->addWidget(new QLabel(QStringLiteral("von"), this), 2, 0);
    g->addWidget(tWocheVon_, 2, 1);
    g->addWidget(tJahrVon_, 2, 2);
    g->addWidget(new QLabel(QStringLiteral("bis"), this), 3, 0);
    g->addWidget(tWocheBis_, 3, 1);
    g->addWidget(tJahrBis_, 3, 2);
    g->addWidget(oLetzte_, 4, 0, 1, 2);
    g->addWidget(tLetzte_, 4, 2);
    g->addWidget(kKennung_, 5, 0, 1, 2);
    g->addWidget(tKennung_, 5, 2);

    const DialogKnoepfe knoepfe = DialogKnoepfeBauen(this, "Dialog.Auswertebereich");
    connect(knoepfe.ok, &QPushButton::clicked, this, &BereichDialog::Ok);
    connect(knoepfe.abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(g);
    lay->addSpacing(6);
    lay->addWidget(knoepfe.leiste);

    const std::initializer_list<QAbstractButton*> schalter = {oAlle_, oZeitraum_, oLetzte_,
                                                              kKennung_};
    for (QAbstractButton* b : schalter)
        connect(b, &QAbstractButton::toggled, this, &BereichDialog::Freigeben);
    Freigeben();
}

std::function<void(BereichDialog&)>& BereichDialog::Ausfuehrer() {
    static std::function<void(BereichDialog&)> f = [](BereichDialog& d) { d.exec(); };
    return f;
}

void BereichDialog::ReihenBauen(QGridLayout* g) {
    const Bereichswerte& b = Auswertebereich();
    const int n = std::max(d_.Anzahl(), 1);
    oAlle_->setText(QStringLiteral("&Alle Reihen"));
    oZeitraum_->setText(QStringLiteral("&Von Reihe bis Reihe"));
    kKennung_->setText(QStringLiteral("Nur die Reihen der &Liste:"));
    kKennung_->setObjectName("kReihenliste");
    kKennung_->setChecked(!b.reihenliste.empty());
    tKennung_->setObjectName("tReihenliste");
    tKennung_->setMaxLength(32767);
    tKennung_->setMaximumWidth(QWIDGETSIZE_MAX);
    tKennung_->setPlaceholderText(QStringLiteral("z. B. 1-5,9,12"));
    tKennung_->setText(QString::fromStdString(b.reihenliste));
    tErsteReihe_ = Feld(this, "tErsteReihe", 1, n, b.ersteReihe);
    tLetzteReihe_ = Feld(this, "tLetzteReihe", 1, n, b.letzteReihe);
    (b.ersteReihe <= 1 && b.letzteReihe >= n ? oAlle_ : oZeitraum_)->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{oLetzte_, tLetzte_, tWocheVon_, tJahrVon_,
                                                      tWocheBis_, tJahrBis_})
        w->hide();
    g->addWidget(tErsteReihe_, 2, 1);
    g->addWidget(tLetzteReihe_, 3, 1);
}

void BereichDialog::Freigeben() {
    for (QSpinBox* s : {tWocheVon_, tJahrVon_, tWocheBis_, tJahrBis_})
        s->setEnabled(oZeitraum_->isChecked());
    tLetzte_->setEnabled(oLetzte_->isChecked());
    tKennung_->setEnabled(kKennung_->isChecked());
    if (!system_) return;
    tErsteReihe_->setEnabled(oZeitraum_->isChecked());
    tLetzteReihe_->setEnabled(oZeitraum_->isChecked());
}

Bereichswahl BereichDialog::Wahl() const {
    Bereichswahl w;
    w.zeitraum = oZeitraum_->isChecked();
    w.wocheVon = tWocheVon_->value();
    w.jahrVon = tJahrVon_->value();
    w.wocheBis = tWocheBis_->value();
    w.jahrBis = tJahrBis_->value();
    w.letzte = oLetzte_->isChecked() ? tLetzte_->value() : 0;
    // An empty identifier field with the box checked means "without identifier".
    if (kKennung_->isChecked())
        w.kennung = tKennung_->text().isEmpty() ? "." : tKennung_->text().toStdString();
    return w;
}

void BereichDialog::Ok() {
    std::string fehler;
    Reihenwahl r;
    if (system_ && oZeitraum_->isChecked()) {
        r.erste = tErsteReihe_->value();
        r.letzte = tLetzteReihe_->value();
    }
    if (system_ && kKennung_->isChecked()) r.liste = tKennung_->text().toStdString();
    if (system_ ? !ReihenbereichEinstellen(d_, r, fehler)
                : !BereichEinstellen(d_, Wahl(), fehler)) {
        Meldung(fehler, flags::Ausruf, "Auswertebereich");
        return;
    }
    accept();
}

bool AuswertebereichEinstellen(QWidget* eltern, Lottodatei& d) {
    BereichDialog dialog(d, eltern);
    BereichDialog::Ausfuehrer()(dialog);
    return dialog.result() == QDialog::Accepted;
}

bool EigenenBereichEinstellen(QWidget* eltern, Lottodatei& d) {
    if (IstSystembereich(d.Titel)) {
        Meldung("Die Reihen einer Systemdatei werden immer alle ausgewertet.", flags::Information,
                "Auswertebereich");
        return false;
    }
    // The shared values belong to the evaluation window; this window only borrows them.
    const Bereichswerte gemeinsam = Auswertebereich();
    BereichTextLesen(d.Titel);
    const bool neu = AuswertebereichEinstellen(eltern, d);
    Auswertebereich() = gemeinsam;
    return neu;
}

}  // namespace zahlix::ui
