#include "output/ui/editorhilfe.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <new>

#include "app/port.h"
#include "core/atomare_datei.h"
#include "core/systemfehler.h"
#include "output/rtf.h"
#include "output/zwischenspeicher_logik.h"

namespace zahlix::ui {

namespace {

QString ZeilenendenLf(QString s) {
    s.replace(QChar(0x2029), QLatin1Char('\n'));
    s.replace(QChar(0x2028), QLatin1Char('\n'));
    return s;
}

}  // namespace

QFont Festbreitenschrift(int punktgroesse) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    if (!QFontInfo(f).fixedPitch()) f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(punktgroesse);
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

QString DokumentText(const QTextEdit& rt) {
    return ZeilenendenLf(rt.toPlainText());
}

QString MarkierterText(const QTextEdit& rt) {
    return ZeilenendenLf(rt.textCursor().selectedText());
}

bool DokumentLaden(const std::string& name, QString& text, const QString& titel) {
    std::string bytes, fehler;
    try {
        if (DateiEinlesen(PfadVonName(name), bytes, fehler)) {
            const bool rtf = Endung4(name) == ".RTF" && SiehtAusWieRtf(bytes);
            const std::string utf8 = rtf ? RtfLesen(bytes) : TextDekodieren(bytes);
            text = Q(zahlix::ZeilenendenLf(utf8));
            return true;
        }
    } catch (const std::bad_alloc&) {
        fehler = SpeichermangelText(name);
    }
    Meldung(fehler, flags::Kritisch, S(titel));
    return false;
}

bool DokumentSpeichern(const std::string& name, const QString& text, bool alsRtf, int punktgroesse,
                       const QString& titel) {
    const std::string crlf = ZeilenendenCrLf(S(text));
    std::string fehler;
    const std::string bytes = alsRtf ? RtfSchreiben(crlf, punktgroesse) : crlf;
    if (!DateiAtomarSchreiben(PfadVonName(name), bytes, fehler)) {
        Meldung(fehler, flags::Kritisch, S(titel));
        return false;
    }
    return true;
}

void StatuszeileZeigen(QLabel& label, const QTextEdit& rt, const std::string& praefix) {
    // From the document's block structure: copying out the text on every caret move and every
    // new result block made a long result buffer slow.
    const QTextCursor c = rt.textCursor();
    const QTextDocument& d = *rt.document();
    const int anfang = c.selectionStart();
    label.setText(Q(StatuszeileText(
        praefix, d.findBlock(anfang).blockNumber() + 1, static_cast<size_t>(d.characterCount() - 1),
        static_cast<size_t>(anfang), static_cast<size_t>(c.selectionEnd() - anfang))));
}

Editorteile EditorAufbauen(QWidget& fenster, std::span<const Werkzeugknopf> beschriftung,
                           std::span<QPushButton*> knoepfe, const QString& editorName,
                           std::function<void()> statusAnzeigen) {
    Editorteile t;
    t.leiste = new QHBoxLayout;
    t.leiste->setSpacing(2);
    for (size_t i = 0; i < beschriftung.size() && i < knoepfe.size(); ++i) {
        auto* b = new QPushButton(QString::fromUtf8(beschriftung[i].text), &fenster);
        b->setObjectName(QStringLiteral("bToolbar_%1").arg(i));
        b->setToolTip(QString::fromUtf8(beschriftung[i].tipp));
        b->setFocusPolicy(Qt::NoFocus);
        // The style's minimum button width would push the last commands out of a narrow
        // window; the caption itself is the limit.
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text().remove('&')) + 14);
        t.leiste->addWidget(b);
        knoepfe[i] = b;
    }
    t.rt = new QTextEdit(&fenster);
    t.rt->setObjectName(editorName);
    t.rt->setAcceptRichText(false);
    t.rt->setLineWrapMode(QTextEdit::NoWrap);
    t.bzHilfe = new QLabel(&fenster);
    t.bzHilfe->setObjectName(QStringLiteral("bzHilfe"));

    auto* layout = new QVBoxLayout(&fenster);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(t.leiste);
    layout->addWidget(t.rt, 1);
    layout->addWidget(t.bzHilfe);

    QObject::connect(t.rt, &QTextEdit::cursorPositionChanged, &fenster, statusAnzeigen);
    QObject::connect(t.rt, &QTextEdit::selectionChanged, &fenster, statusAnzeigen);
    QObject::connect(t.rt, &QTextEdit::textChanged, &fenster, statusAnzeigen);
    return t;
}

bool LoeschenBestaetigt(const QWidget& fenster, const QTextEdit& rt) {
    if (rt.document()->isEmpty()) return false;
    return Meldung("Inhalt wirklich löschen?", flags::JaNein | flags::Ausruf | flags::Zweiter,
                   S(fenster.windowTitle())) == kJa;
}

QWidget* Aussenfenster(QWidget* w) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return sub;
    return w;
}

}  // namespace zahlix::ui
