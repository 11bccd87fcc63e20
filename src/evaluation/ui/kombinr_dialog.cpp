#include "evaluation/ui/kombinr_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/anwendungsdateien.h"
#include "app/ui/fenster.h"
#include "evaluation/kombinr_eingabe.h"
#include "core/zahlformat.h"
#include "shell/ui/dialoghilfe.h"

namespace zahlix::ui {

KombiNrDialog::KombiNrDialog(QWidget* eltern) : QDialog(eltern) {
    setObjectName("fDialogKombiNr");
    setWindowTitle(QStringLiteral("Kombination anzeigen"));
    setModal(true);

    prompt_ = new QLabel(this);
    prompt_->setObjectName("bzPrompt");
    prompt_->setWordWrap(true);
    tKombiNr_ = new QLineEdit(this);
    tKombiNr_->setObjectName("tKombiNr");
    tKombiNr_->setAlignment(Qt::AlignRight);
    // Every key goes through the program's own handling, pasting included.
    tKombiNr_->setContextMenuPolicy(Qt::NoContextMenu);
    tKombiNr_->setMinimumWidth(320);
    QFont f = tKombiNr_->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    tKombiNr_->setFont(f);
    tKombiNr_->installEventFilter(this);
    prompt_->setBuddy(tKombiNr_);

    const DialogKnoepfe knopfzeile =
        DialogKnoepfeBauen(this, "Dialog.Abfrage der Kombi-Nr");
    QDialogButtonBox* knoepfe = knopfzeile.leiste;
    connect(knopfzeile.ok, &QPushButton::clicked, this, &KombiNrDialog::Ok);
    connect(knopfzeile.abbrechen, &QPushButton::clicked, this, &KombiNrDialog::Abbrechen);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(prompt_);
    lay->addWidget(tKombiNr_);
    lay->addSpacing(6);
    lay->addWidget(knoepfe);
}

void KombiNrDialog::PromptSetzen(const QString& text) {
    prompt_->setText(text);
}

std::function<void(KombiNrDialog&)>& KombiNrDialog::Ausfuehrer() {
    static std::function<void(KombiNrDialog&)> f = [](KombiNrDialog& d) { d.exec(); };
    return f;
}

void KombiNrDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    startwert_ = tag_;
    const int64_t wert = KombiNrWert(tag_.toStdString());
    tKombiNr_->setText(QString::fromStdString(KombiNrFormat(wert)));
    tKombiNr_->setFocus();
    tKombiNr_->selectAll();
}

bool KombiNrDialog::eventFilter(QObject* o, QEvent* e) {
    if (o != tKombiNr_ || e->type() != QEvent::KeyPress) return QDialog::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    switch (k->key()) {
        // Keys that leave the field or close the dialog keep their usual meaning.
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
    }
    char taste = 0;
    if (k->key() == Qt::Key_Backspace) {
        taste = '\b';
    } else if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
               k->text().size() == 1) {
        taste = k->text().at(0).toLatin1();
    }
    if (taste != 0) {
        const bool alle = tKombiNr_->hasSelectedText() &&
                          tKombiNr_->selectedText().size() == tKombiNr_->text().size();
        const std::string neu = KombiNrTaste(tKombiNr_->text().toStdString(), taste, alle);
        tKombiNr_->setText(QString::fromStdString(neu));
        tKombiNr_->setCursorPosition(static_cast<int>(tKombiNr_->text().size()));
    }
    return true;  // swallowed: the separators are the program's
}

void KombiNrDialog::Ok() {
    tag_ = QString::fromStdString(EntfernePunkte(tKombiNr_->text().toStdString()));
    accept();
}

void KombiNrDialog::Abbrechen() {
    tag_ = QStringLiteral("Abbrechen");
    reject();
}

int64_t KombiNrAbfragen(int64_t vorgabe, const std::string& prompt, QWidget* eltern) {
    KombiNrDialog d(eltern);
    d.TagSetzen(QString::fromStdString(Str(vorgabe)));
    d.PromptSetzen(QString::fromStdString(prompt));
    // Closing the window without a button counts as Cancel.
    QObject::connect(&d, &QDialog::rejected, &d, [&d] {
        if (d.Tag() != QStringLiteral("Abbrechen")) d.TagSetzen(QStringLiteral("Abbrechen"));
    });
    KombiNrDialog::Ausfuehrer()(d);
    return KombiNrWert(d.Tag().toStdString());
}

}  // namespace zahlix::ui
