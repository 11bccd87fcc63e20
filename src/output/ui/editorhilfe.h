#pragma once
// What the result buffer and the print output share: the monospaced font, text conversion,
// loading and saving a document by its extension, and the status line.
#include <QFont>
#include <QString>
#include <functional>
#include <span>
#include <string>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTextEdit;
class QWidget;

namespace zahlix::ui {

// Courier New at the given size, or the system's fixed font when Courier New is not installed.
QFont Festbreitenschrift(int punktgroesse);

inline QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

// The editor's plain text with LF line ends (paragraph and line separators mapped).
QString DokumentText(const QTextEdit& rt);
// The selected text with LF line ends.
QString MarkierterText(const QTextEdit& rt);

// Reads a file into text: rich text when the name ends in .RTF and the file is RTF, else plain
// text (UTF-8 or Windows-1252). On failure shows a German message titled titel and returns
// false, text unchanged.
bool DokumentLaden(const std::string& name, QString& text, const QString& titel);

// Writes text as rich text (Courier New at punktgroesse) or as plain UTF-8 text with CR LF,
// replacing the file only once it is complete. On failure shows the reason titled titel.
bool DokumentSpeichern(const std::string& name, const QString& text, bool alsRtf, int punktgroesse,
                       const QString& titel);

// Writes StatuszeileText for the editor's caret and selection into the label.
void StatuszeileZeigen(QLabel& label, const QTextEdit& rt, const std::string& praefix);

struct Werkzeugknopf {
    const char* text;
    const char* tipp;
};

// What EditorAufbauen made; the toolbar row still takes the window's own extra controls.
struct Editorteile {
    QHBoxLayout* leiste;
    QTextEdit* rt;
    QLabel* bzHilfe;
};

// Lays out fenster as toolbar row, editor (plain text, no wrap, named editorName) and status
// label "bzHilfe". The buttons are named bToolbar_<i> and leave the focus in the editor; they
// land in knoepfe (same length as beschriftung). statusAnzeigen runs on every caret, selection
// and text change.
Editorteile EditorAufbauen(QWidget& fenster, std::span<const Werkzeugknopf> beschriftung,
                           std::span<QPushButton*> knoepfe, const QString& editorName,
                           std::function<void()> statusAnzeigen);

// Asks whether the editor's content shall really go; false without asking when it is empty.
bool LoeschenBestaetigt(const QWidget& fenster, const QTextEdit& rt);

// The window the user sees: the frame's child window around w, or w itself.
QWidget* Aussenfenster(QWidget* w);

}  // namespace zahlix::ui
