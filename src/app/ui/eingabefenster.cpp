#include "app/ui/eingabefenster.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "app/ui/fenster.h"
#include "app/ui/meldungsfenster.h"

namespace zahlix::ui {

InBox::InBox(QWidget* parent) : QDialog(parent) {
    setObjectName("fInBox");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    prompt_ = new QLabel;
    prompt_->setObjectName("bzEingabe");
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setWordWrap(true);
    eingabe_ = new QLineEdit;
    eingabe_->setObjectName("tEingabe");
    eingabe_->setMinimumWidth(360);
    prompt_->setBuddy(eingabe_);

    auto* ok = new QPushButton("&OK");
    ok->setObjectName("bOK");
    ok->setDefault(true);
    auto* abbrechen = new QPushButton("&Abbrechen");
    abbrechen->setObjectName("bAbbrechen");
    for (QPushButton* b : {ok, abbrechen}) b->setMinimumWidth(96);
    connect(ok, &QPushButton::clicked, this, [this] {
        tag_ = eingabe_->text();
        accept();
    });
    connect(abbrechen, &QPushButton::clicked, this, [this] {
        tag_.clear();
        reject();
    });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* alles = new QVBoxLayout(this);
    alles->setContentsMargins(20, 18, 20, 14);
    alles->setSpacing(10);
    alles->addWidget(prompt_);
    alles->addWidget(eingabe_);
    alles->addSpacing(8);
    alles->addLayout(knoepfe);
    alles->setSizeConstraint(QLayout::SetFixedSize);
}

void InBox::Vorbereiten(const QString& prompt, const QString& titel) {
    setWindowTitle(titel);
    prompt_->setText(prompt);
}

QString InBox::Zeigen(const QString& prompt, const QString& titel) {
    tag_.clear();
    Vorbereiten(prompt, titel);
    adjustSize();
    UeberDemRahmenPlatzieren(*this);
    exec();
    return tag_;
}

void InBox::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    eingabe_->setText(tag_);
    eingabe_->selectAll();
    eingabe_->setFocus(Qt::OtherFocusReason);
}

}  // namespace zahlix::ui
