#include "help/ui/hilfetaste.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QVariant>

#include "app/anwendungsdateien.h"
#include "app/ui/fenster.h"
#include "help/hilfeschluessel.h"
#include "help/hilfetext.h"
#include "help/ui/dialog_hilfe.h"
#include "shell/ui/rahmen.h"

namespace zahlix::ui {

namespace {

QString Eigenschaft(const QWidget* w, const QWidget* bis) {
    for (; w; w = w->parentWidget()) {
        const QString t = w->property("zahlixHilfethema").toString();
        if (!t.isEmpty()) return t;
        if (w == bis) break;
    }
    return {};
}

class Hilfetaste : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return QObject::eventFilter(o, e);
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() != Qt::Key_F1 || k->modifiers() != Qt::NoModifier) return false;
        if (auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            if (!menue->activeAction() || menue->activeAction()->isSeparator()) return true;
            QString thema = MenueHilfethema(menue, menue->activeAction());
            while (QWidget* p = QApplication::activePopupWidget()) p->close();
            if (thema.isEmpty()) thema = AktivesHilfethema();
            Hilfethema() = thema.toStdString();
            HilfeZeigen();
            return true;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (qobject_cast<DialogHilfe*>(modal)) return true;
            auto* knopf = modal->findChild<QAbstractButton*>("bHilfe");
            if (knopf && knopf->isVisible() && knopf->isEnabled()) {
                knopf->click();
            } else if (const QString t = Eigenschaft(modal, modal); !t.isEmpty()) {
                Hilfethema() = t.toStdString();
                DialogHilfeZeigen();
            }
            return true;
        }
        HilfeZumAktivenFenster();
        return true;
    }
};

}  // namespace

QString HilfethemaFuer(const QWidget* w) {
    const QWidget* oben = w ? w->window() : nullptr;
    if (const QString t = Eigenschaft(w, nullptr); !t.isEmpty()) return t;
    // A child window of the frame is its own top: look for the module by its name.
    for (const QWidget* x = w; x; x = x->parentWidget()) {
        const std::string name = x->objectName().toStdString();
        for (const auto& [fenster, thema] : FensterHilfethemen())
            if (fenster == name) return QString::fromStdString(thema);
        if (x == oben) break;
    }
    return QStringLiteral("Zahlix");
}

QString AktivesHilfethema() {
    QWidget* fokus = QApplication::focusWidget();
    Rahmen* r = Rahmen::Instanz();
    QWidget* kind = r ? r->AktivesFenster() : nullptr;
    if (kind) return HilfethemaFuer(fokus && kind->isAncestorOf(fokus) ? fokus : kind);
    if (r && (!fokus || fokus->window() == r)) return QStringLiteral("Zahlix");
    return HilfethemaFuer(fokus ? fokus : QApplication::activeWindow());
}

void HilfeZumAktivenFenster() {
    Hilfethema() = AktivesHilfethema().toStdString();
    HilfeZeigen();
}

QString MenueHilfethema(const QMenu* menue, const QAction* eintrag) {
    if (!menue || !eintrag || eintrag->isSeparator() || eintrag->menu()) return {};
    // Entries of other pop-ups are explained in their window's topic.
    const QString titel = QString(menue->title()).remove(QLatin1Char('&'));
    bool eigeneThemen = titel == QStringLiteral("Zahlenfeld");
    for (const char* m : kHilfemenues) eigeneThemen = eigeneThemen || titel == QString::fromUtf8(m);
    if (!eigeneThemen) return {};
    return QString::fromStdString(
        zahlix::MenueHilfethema(menue->title().toStdString(), eintrag->text().toStdString()));
}

void HilfetasteInstallieren() {
    static Hilfetaste* taste = nullptr;
    if (taste || !qApp) return;
    taste = new Hilfetaste(qApp);
    qApp->installEventFilter(taste);
}

}  // namespace zahlix::ui
