#include "app/ui/meldungsfenster.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "app/ui/fenster.h"
#include "app/ui/symbole.h"

namespace zahlix::ui {

QString AnzeigeText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

OutBox::OutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("fOutBox");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    bild_ = new QLabel;
    bild_->setObjectName("bdSymbol");
    bild_->setFixedSize(48, 48);
    bild_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    text_ = new QLabel;
    text_->setObjectName("bzText");
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setMinimumWidth(300);
    text_->setMaximumWidth(560);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    ok_ = new QPushButton("&OK");
    ok_->setObjectName("bOK");
    abbrechen_ = new QPushButton("&Abbrechen");
    abbrechen_->setObjectName("bAbbrechen");
    for (QPushButton* b : {ok_, abbrechen_}) b->setMinimumWidth(96);
    connect(ok_, &QPushButton::clicked, this, [this] { Antworten("OK"); });
    connect(abbrechen_, &QPushButton::clicked, this, [this] { Antworten("Abbrechen"); });

    auto* oben = new QHBoxLayout;
    oben->setSpacing(16);
    oben->addWidget(bild_, 0, Qt::AlignTop);
    oben->addWidget(text_, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbrechen_);
    auto* alles = new QVBoxLayout(this);
    alles->setContentsMargins(20, 20, 20, 14);
    alles->setSpacing(18);
    alles->addLayout(oben, 1);
    alles->addLayout(knoepfe);
    alles->setSizeConstraint(QLayout::SetFixedSize);
}

void OutBox::Vorbereiten(const MeldungsAnfrage& a) {
    setWindowTitle(QString::fromStdString(a.titel));
    text_->setText(AnzeigeText(a.text));
    if (a.symbol != Symbol::Unveraendert) {
        symbol_ = a.symbol;
        bild_->setPixmap(MeldungsSymbol(a.symbol, 40));
    }
    bild_->setVisible(symbol_ != Symbol::Unveraendert);
    const bool jaNein = a.knoepfe == Knoepfe::JaNein;
    ok_->setText(jaNein ? "&Ja" : "&OK");
    abbrechen_->setText(jaNein ? "&Nein" : "&Abbrechen");
    abbrechen_->setVisible(a.knoepfe != Knoepfe::OK);
    tag_ = a.vorbelegt == Taste::Zweite && a.knoepfe != Knoepfe::OK ? "Abbrechen" : "OK";
}

Taste OutBox::Zeigen(const MeldungsAnfrage& anfrage) {
    Vorbereiten(anfrage);
    adjustSize();
    UeberDemRahmenPlatzieren(*this);
    geschlossen_ = false;
    exec();
    if (geschlossen_ && !abbrechen_->isHidden()) return Taste::Geschlossen;
    return tag_ == "Abbrechen" ? Taste::Zweite : Taste::Erste;
}

void OutBox::reject() {
    // Esc and the close box never confirm: where the box offers No or Cancel, that is the
    // answer, whatever button was preset for Enter.
    if (!abbrechen_->isHidden()) tag_ = QStringLiteral("Abbrechen");
    geschlossen_ = true;
    QDialog::done(QDialog::Rejected);
}

void OutBox::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    QPushButton* vorbelegt = tag_ == "Abbrechen" ? abbrechen_ : ok_;
    ok_->setDefault(vorbelegt == ok_);
    abbrechen_->setDefault(vorbelegt == abbrechen_);
    vorbelegt->setFocus(Qt::OtherFocusReason);
}

void OutBox::Antworten(const QString& tag) {
    tag_ = tag;
    QDialog::done(tag == "OK" ? QDialog::Accepted : QDialog::Rejected);
}

void UeberDemRahmenPlatzieren(QDialog& box) {
    if (box.parentWidget()) return;
    // The box belongs to the port, not to the frame; it still stays above the frame and
    // centred over the window that asked.
    if (QWidget* rahmen = Hauptfenster(); rahmen && rahmen->windowHandle()) {
        if (!box.windowHandle()) box.winId();  // makes the native window
        box.windowHandle()->setTransientParent(rahmen->windowHandle());
    }
    const QWidget* bezug = QApplication::activeWindow();
    const QRect ziel = bezug ? bezug->frameGeometry()
                             : (box.screen() ? box.screen()->availableGeometry() : QRect());
    if (ziel.isValid()) box.move(ziel.center() - box.rect().center());
}

}  // namespace zahlix::ui
