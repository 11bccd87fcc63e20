// The help window's topics: its group menus and lists, the history and the display.
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>

#include "app/anwendungsdateien.h"
#include "app/port.h"
#include "help/ui/hilfe_anzeige.h"
#include "help/ui/hilfe_fenster.h"

namespace zahlix::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void HilfeFenster::MenuesFuellen() {
    cSuchen_->clear();
    for (QMenu* m : menues_)
        if (m) m->clear();
    for (const Indexeintrag& e : hilfe_.Index()) {
        cSuchen_->addItem(Q(e.schluessel));
        if (e.gruppe < 0 || !menues_[static_cast<size_t>(e.gruppe)]) continue;
        const QString schluessel = Q(e.schluessel);
        QAction* a = menues_[static_cast<size_t>(e.gruppe)]->addAction(Q(e.titel));
        connect(a, &QAction::triggered, this, [this, schluessel] {
            Hilfethema() = schluessel.toStdString();
            ThemaZeigen(schluessel);
        });
    }
    cSuchen_->setCurrentIndex(-1);
    // A group without topics cannot be opened.
    for (QMenu* m : menues_)
        if (m) m->menuAction()->setEnabled(!m->isEmpty());
}

void HilfeFenster::ListeUmschalten() {
    const bool alle = listen_->currentWidget() == cChronik_;
    listen_->setCurrentWidget(alle ? static_cast<QWidget*>(cSuchen_) : cChronik_);
    bListe_->setText(alle ? QStringLiteral("&Gewählte Hilfethemen")
                          : QStringLiteral("&Alle Hilfethemen"));
    listen_->currentWidget()->setFocus();
}

bool HilfeFenster::eventFilter(QObject* o, QEvent* e) {
    if (o == cSuchen_->lineEdit() && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) SucheBestaetigen();
    }
    return QWidget::eventFilter(o, e);
}

void HilfeFenster::SucheBestaetigen() {
    const QString teil = cSuchen_->currentText().trimmed();
    // A whole key is the combo box's own business (it emits activated).
    if (teil.isEmpty() || cSuchen_->findText(teil, Qt::MatchExactly) >= 0) return;
    QStringList treffer;
    for (int i = 0; i < cSuchen_->count(); ++i)
        if (cSuchen_->itemText(i).contains(teil, Qt::CaseInsensitive))
            treffer << cSuchen_->itemText(i);
    if (treffer.size() == 1) {
        Hilfethema() = treffer[0].toStdString();
        ThemaZeigen(treffer[0]);
    } else if (treffer.isEmpty()) {
        Meldung("Kein Hilfethema enthält \"" + teil.toStdString() + "\".", flags::Information,
                "Hilfe");
    } else {
        cSuchen_->completer()->complete();  // several: the user picks one of them
    }
}

void HilfeFenster::HilfethemaZeigen() {
    ThemaZeigen(Q(Hilfethema().empty() ? std::string("Einführung") : Hilfethema()));
}

void HilfeFenster::ThemaZeigen(const QString& schluessel) {
    if (schluessel.isEmpty()) return;
    chronik_.Anzeigen(schluessel.toStdString());
    ChronikAnzeigen();
}

void HilfeFenster::NummerZeigen(int nummer) {
    ThemaZeigen(Q(hilfe_.NummerSchluessel(nummer)));
}

bool HilfeFenster::Zurueck() {
    if (!chronik_.Zurueck()) return false;
    ChronikAnzeigen();
    return true;
}

bool HilfeFenster::Vorwaerts() {
    if (!chronik_.Vorwaerts()) return false;
    ChronikAnzeigen();
    return true;
}

void HilfeFenster::ChronikAnzeigen() {
    {
        const QSignalBlocker sperre(cChronik_);
        cChronik_->clear();
        for (const std::string& k : chronik_.Eintraege()) cChronik_->addItem(Q(k));
        cChronik_->setCurrentIndex(static_cast<int>(chronik_.Gewaehlt()));
    }
    const std::string schluessel = chronik_.Aktuell();
    {
        // The list of all topics names the topic on display as well.
        const QSignalBlocker sperre(cSuchen_);
        cSuchen_->setCurrentIndex(cSuchen_->findText(Q(schluessel)));
        if (cSuchen_->currentIndex() < 0) cSuchen_->setEditText(Q(schluessel));
    }
    const QString vorher = windowTitle();
    setWindowTitle(QStringLiteral("Hilfe: ") + Q(schluessel));
    if (!fehler_.isEmpty()) {
        rtHilfe2_->Hervorheben(QStringLiteral("Hilfe nicht verfügbar\n\n") + fehler_ +
                               QStringLiteral("\n\nDie Hilfedatei ZX2005.ZXH gehört neben das "
                                              "Programm Zahlix oder in den Startordner."));
    } else if (!rtHilfe2_->ThemaZeigen(hilfe_, schluessel)) {
        setWindowTitle(vorher.startsWith(QStringLiteral("Hilfe: ")) ? vorher
                                                                    : QStringLiteral("Hilfe: "));
    }
    const auto tipp = [](QPushButton* b, const std::string& k) {
        b->setEnabled(!k.empty());
        b->setToolTip(k.empty() ? QString() : QStringLiteral("Hilfethema: ") + Q(k));
    };
    tipp(bZurueck_, chronik_.Vorheriger());
    tipp(bVorwaerts_, chronik_.Naechster());
}

}  // namespace zahlix::ui
