#include "help/ui/dialog_hilfe.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/anwendungsdateien.h"
#include "app/ui/fenster.h"
#include "help/ui/hilfe_anzeige.h"

namespace zahlix::ui {

DialogHilfe::DialogHilfe(QWidget* parent) : QDialog(parent) {
    setObjectName("fDialogHilfe");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(
        QString::fromUtf8("Dialoghilfe - Die vollständige Hilfe erreichen Sie von "
                          "einem Hauptmodul über das Menü 'Hilfe'"));
    auto* haupt = new QVBoxLayout(this);
    anzeige_ = new HilfeAnzeige(this);
    anzeige_->setObjectName("rtHilfe2");
    haupt->addWidget(anzeige_, 1);
    auto* schliessen = new QPushButton(QString::fromUtf8("&Schließen"), this);
    schliessen->setObjectName("bSchliessen");
    schliessen->setDefault(true);
    haupt->addWidget(schliessen, 0, Qt::AlignRight);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    // A link leads to its topic in the same window.
    connect(anzeige_, &HilfeAnzeige::ThemaGewaehlt, this, [this](const QString& k) {
        Hilfethema() = k.toStdString();
        HilfethemaZeigen();
    });
    resize(sizeHint().width(), anzeige_->fontMetrics().lineSpacing() * 26);
}

void DialogHilfe::HilfethemaZeigen() {
    std::string fehler;
    auto geladen = HilfedateiLaden(Dateien().hilfe, fehler);
    if (!geladen) {
        anzeige_->Hervorheben(QStringLiteral("Hilfe nicht verfügbar\n\n") +
                              QString::fromStdString(fehler));
        return;
    }
    hilfe_ = std::move(*geladen);
    anzeige_->ThemaZeigen(hilfe_, Hilfethema());
}

void DialogHilfe::showEvent(QShowEvent* e) {
    if (!quickInfo_) QuickInfoMerken("Die Dialoghilfe erklärt die Funktion des geöffneten Dialogs");
    quickInfo_ = true;
    QDialog::showEvent(e);
}

void DialogHilfe::hideEvent(QHideEvent* e) {
    if (quickInfo_) QuickInfoZurueck();
    quickInfo_ = false;
    QDialog::hideEvent(e);
}

DialogHilfe* DialogHilfeZeigen() {
    static QPointer<DialogHilfe> offen;
    QWidget* ueber = QApplication::activeModalWidget();
    if (offen && offen.data() == ueber) ueber = offen->parentWidget();
    if (!offen) {
        offen = new DialogHilfe(ueber ? ueber : Hauptfenster());
        offen->setWindowModality(Qt::ApplicationModal);
    }
    offen->HilfethemaZeigen();
    offen->show();
    offen->raise();
    offen->activateWindow();
    return offen;
}

}  // namespace zahlix::ui
