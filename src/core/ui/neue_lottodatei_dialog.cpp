#include "core/ui/neue_lottodatei_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/anwendungsdateien.h"
#include "app/ui/fenster.h"
#include "shell/ui/dialoghilfe.h"

namespace zahlix::ui {

namespace {

QScrollBar* Leiste(QWidget* eltern, const char* name, int von, int bis, int wert) {
    auto* s = new QScrollBar(Qt::Horizontal, eltern);
    s->setObjectName(name);
    s->setRange(von, bis);
    s->setSingleStep(1);
    s->setPageStep(10);
    s->setValue(wert);
    s->setMinimumWidth(220);
    return s;
}

QLabel* Label(QWidget* eltern, const char* name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setMinimumWidth(90);
    return l;
}

}  // namespace

NeueLottodateiDialog::NeueLottodateiDialog(QWidget* eltern) : QDialog(eltern) {
    setObjectName("fNeueLottodatei");
    setWindowTitle(QStringLiteral("Neue Lottodatei"));
    setModal(true);

    auto* bzDateiname = new QLabel(QStringLiteral("&Name der Lottodatei"), this);
    bzDateiname->setObjectName("bzDateiname");
    tDateiname_ = new QLineEdit(QStringLiteral("OhneName.ZX7"), this);
    tDateiname_->setObjectName("tDateiname");
    tDateiname_->installEventFilter(this);
    bzDateiname->setBuddy(tDateiname_);

    auto* rGroessteZahl = new QGroupBox(QStringLiteral("&Lottoart"), this);
    rGroessteZahl->setObjectName("rGroessteZahl");
    hbGroessteZahl_ = Leiste(rGroessteZahl, "hbGroessteZahl", 7, 49, 49);
    bzGroessteZahl_ = Label(rGroessteZahl, "bzGroessteZahl");
    auto* lg = new QGridLayout(rGroessteZahl);
    lg->addWidget(hbGroessteZahl_, 0, 0);
    lg->addWidget(bzGroessteZahl_, 0, 1);

    auto* rStart = new QGroupBox(QStringLiteral("&Start der Daten"), this);
    rStart->setObjectName("rStart");
    hbStartJahr_ = Leiste(rStart, "hbStartJahr", 1900, 2099, 2000);
    hbStartWoche_ = Leiste(rStart, "hbStartWoche", 1, 53, 1);
    bzStartjahr_ = Label(rStart, "bzStartjahr");
    bzStartwoche_ = Label(rStart, "bzStartwoche");
    auto* ls = new QGridLayout(rStart);
    ls->addWidget(hbStartJahr_, 0, 0);
    ls->addWidget(bzStartjahr_, 0, 1);
    ls->addWidget(hbStartWoche_, 1, 0);
    ls->addWidget(bzStartwoche_, 1, 1);
    // The group's mnemonic lands on its first scroll bar.
    rGroessteZahl->setFocusProxy(hbGroessteZahl_);
    rStart->setFocusProxy(hbStartJahr_);

    for (QScrollBar* s : {hbGroessteZahl_, hbStartJahr_, hbStartWoche_})
        connect(s, &QScrollBar::valueChanged, this, &NeueLottodateiDialog::LabelsAnzeigen);
    LabelsAnzeigen();

    const DialogKnoepfe knopfzeile = DialogKnoepfeBauen(this, "Dialog.Neue Lottodatei");
    QDialogButtonBox* knoepfe = knopfzeile.leiste;
    QPushButton* ok = knopfzeile.ok;
    QPushButton* abbrechen = knopfzeile.abbrechen;
    connect(ok, &QPushButton::clicked, this, [this] {
        tag_.clear();
        accept();
    });
    connect(abbrechen, &QPushButton::clicked, this, [this] {
        tag_ = QStringLiteral("Abbruch");
        reject();
    });

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(bzDateiname);
    lay->addWidget(tDateiname_);
    lay->addWidget(rGroessteZahl);
    lay->addWidget(rStart);
    lay->addWidget(knoepfe);
}

void NeueLottodateiDialog::LabelsAnzeigen() {
    bzGroessteZahl_->setText(QStringLiteral("6 aus %1").arg(hbGroessteZahl_->value()));
    bzStartjahr_->setText(QStringLiteral("Jahr %1").arg(hbStartJahr_->value()));
    bzStartwoche_->setText(QStringLiteral("Woche %1").arg(hbStartWoche_->value()));
}

NeueDateiAngaben NeueLottodateiDialog::Angaben() const {
    return {tDateiname_->text().toStdString(), hbGroessteZahl_->value(), hbStartWoche_->value(),
            hbStartJahr_->value()};
}

bool NeueLottodateiDialog::eventFilter(QObject* o, QEvent* e) {
    // Select after the focus change has settled, or the click's cursor placement undoes it.
    if (o == tDateiname_ && e->type() == QEvent::FocusIn)
        QTimer::singleShot(0, tDateiname_, &QLineEdit::selectAll);
    return QDialog::eventFilter(o, e);
}

void NeueLottodateiDialog::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange) return;
    if (isActiveWindow() && !quickInfoGesetzt_) {
        QuickInfoMerken("Neue Lottodatei fragt die Grundangaben der neuen Lottodatei ab");
        quickInfoGesetzt_ = true;
    } else if (!isActiveWindow() && quickInfoGesetzt_) {
        QuickInfoZurueck();
        quickInfoGesetzt_ = false;
    }
}

void NeueLottodateiDialog::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (!quickInfoGesetzt_) return;
    QuickInfoZurueck();
    quickInfoGesetzt_ = false;
}

std::function<void(NeueLottodateiDialog&)>& NeueLottodateiDialog::Ausfuehrer() {
    static std::function<void(NeueLottodateiDialog&)> f = [](NeueLottodateiDialog& d) { d.exec(); };
    return f;
}

std::optional<NeueDateiAngaben> NeueLottodateiAbfragen(QWidget* eltern) {
    NeueLottodateiDialog d(eltern);
    NeueLottodateiDialog::Ausfuehrer()(d);
    if (!d.Tag().isEmpty()) return std::nullopt;
    return d.Angaben();
}

}  // namespace zahlix::ui
