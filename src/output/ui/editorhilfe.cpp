#include "output/ui/editorhilfe.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTextCursor>
#include <QTextEdit>

#include "app/port.h"
#include "core/atomare_datei.h"
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
    if (!DateiEinlesen(PfadVonName(name), bytes, fehler)) {
        Meldung(fehler, flags::Kritisch, S(titel));
        return false;
    }
    const bool rtf = Endung4(name) == ".RTF" && SiehtAusWieRtf(bytes);
    const std::string utf8 = rtf ? RtfLesen(bytes) : TextDekodieren(bytes);
    text = Q(zahlix::ZeilenendenLf(utf8));
    return true;
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
    const QTextCursor c = rt.textCursor();
    const QString text = rt.toPlainText();
    label.setText(
        Q(StatuszeileText(praefix, text.toStdU16String(), static_cast<size_t>(c.selectionStart()),
                          static_cast<size_t>(c.selectionEnd() - c.selectionStart()))));
}

QWidget* Aussenfenster(QWidget* w) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return sub;
    return w;
}

}  // namespace zahlix::ui
