#include "help/ui/hilfe_anzeige.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>

namespace zahlix::ui {

namespace {

// Palette colour 9 of the classic 16 colours.
const QColor kHellblau(0, 0, 255);

int ByteZuZeichen(const QByteArray& utf8, std::size_t byte) {
    return QString::fromUtf8(utf8.constData(), static_cast<qsizetype>(byte)).size();
}

}  // namespace

HilfeAnzeige::HilfeAnzeige(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    // A caret is needed for Tab and Enter to walk the links.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(false);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    QFont schrift(QStringLiteral("Courier New"), 10);
    schrift.setStyleHint(QFont::Monospace);
    setFont(schrift);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

bool HilfeAnzeige::ThemaZeigen(const Hilfetext& hilfe, const std::string& schluessel) {
    setPlainText(QStringLiteral("Lade Hilfethema..."));
    if (const auto thema = hilfe.Thema(schluessel)) {
        Hervorheben(QString::fromStdString(*thema));
        return true;
    }
    setPlainText(QStringLiteral("Hilfethema nicht gefunden"));
    return false;
}

void HilfeAnzeige::Hervorheben(const QString& text) {
    setUpdatesEnabled(false);
    setPlainText(text);
    QTextCursor c(document());
    QTextCharFormat normal;
    normal.setForeground(Qt::black);
    normal.setFontPointSize(10);
    normal.setFontWeight(QFont::Normal);
    c.select(QTextCursor::Document);
    c.setCharFormat(normal);
    const qsizetype zeilenende = text.indexOf(QLatin1Char('\n'));
    if (zeilenende > 1 || (zeilenende < 0 && text.size() > 1)) {
        QTextCharFormat kopf;
        kopf.setForeground(kHellblau);
        kopf.setFontPointSize(14);
        kopf.setFontWeight(QFont::Bold);
        c.setPosition(0);
        c.setPosition(zeilenende < 0 ? static_cast<int>(text.size()) : static_cast<int>(zeilenende),
                      QTextCursor::KeepAnchor);
        c.setCharFormat(kopf);
    }
    QTextCharFormat link;
    link.setForeground(kHellblau);
    link.setFontUnderline(true);
    for (qsizetype auf = text.indexOf(QChar(0xAB)); auf >= 0;
         auf = text.indexOf(QChar(0xAB), auf + 1)) {
        const qsizetype zu = text.indexOf(QChar(0xBB), auf + 1);
        if (zu < 0) break;
        c.setPosition(static_cast<int>(auf + 1));
        c.setPosition(static_cast<int>(zu), QTextCursor::KeepAnchor);
        c.setCharFormat(link);
    }
    QTextCursor anfang(document());
    setTextCursor(anfang);
    setUpdatesEnabled(true);
}

QSize HilfeAnzeige::sizeHint() const {
    const int breite = fontMetrics().horizontalAdvance(QString(96, QLatin1Char('M')));
    return {breite + 2 * frameWidth() + 2 * static_cast<int>(document()->documentMargin()) +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent),
            fontMetrics().lineSpacing() * 22};
}

QString HilfeAnzeige::LinkBei(int position) const {
    const QString text = toPlainText();
    const QByteArray utf8 = text.left(position).toUtf8();
    const QByteArray ganz = text.toUtf8();
    return QString::fromStdString(
        ThemaAmCursor(std::string_view(ganz.constData(), static_cast<std::size_t>(ganz.size())),
                      static_cast<std::size_t>(utf8.size())));
}

void HilfeAnzeige::NaechsterLinkWaehlen() {
    const QString text = toPlainText();
    const QByteArray ganz = text.toUtf8();
    const int ab =
        textCursor().hasSelection() ? textCursor().selectionEnd() : textCursor().position();
    const auto link =
        NaechsterLink(std::string_view(ganz.constData(), static_cast<std::size_t>(ganz.size())),
                      static_cast<std::size_t>(text.left(ab).toUtf8().size()));
    if (!link) return;
    QTextCursor c(document());
    c.setPosition(ByteZuZeichen(ganz, link->first));
    c.setPosition(ByteZuZeichen(ganz, link->first + link->second), QTextCursor::KeepAnchor);
    setTextCursor(c);
    ensureCursorVisible();
}

bool HilfeAnzeige::focusNextPrevChild(bool next) {
    // Tab belongs to the links while the display has the focus.
    if (next && hasFocus()) return false;
    return QTextEdit::focusNextPrevChild(next);
}

void HilfeAnzeige::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Tab && e->modifiers() == Qt::NoModifier) {
        NaechsterLinkWaehlen();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        const QString auswahl = textCursor().selectedText().trimmed();
        if (!auswahl.isEmpty()) emit ThemaGewaehlt(auswahl);
        return;
    }
    QTextEdit::keyPressEvent(e);
}

void HilfeAnzeige::mouseReleaseEvent(QMouseEvent* e) {
    QTextEdit::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || textCursor().hasSelection()) return;
    const QString thema = LinkBei(cursorForPosition(e->position().toPoint()).position());
    if (!thema.isEmpty()) emit ThemaGewaehlt(thema);
}

void HilfeAnzeige::mouseMoveEvent(QMouseEvent* e) {
    QTextEdit::mouseMoveEvent(e);
    const bool link = !LinkBei(cursorForPosition(e->position().toPoint()).position()).isEmpty();
    viewport()->setCursor(link ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

}  // namespace zahlix::ui
