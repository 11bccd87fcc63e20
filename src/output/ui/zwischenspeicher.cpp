#include "output/ui/zwischenspeicher.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/port.h"
#include "app/ui/fenster.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"
#include "output/ui/drucker.h"
#include "output/ui/editorhilfe.h"
#include "output/zwischenspeicher_logik.h"

namespace zahlix::ui {

namespace {

const char* const kMuster = "*.TXT;*.ASC;*.AS4;*.AS7;*.ZXT;*.ZXA;*.RTF";
const char* const kHinweis = "(^z=Zeilenumbruch , ^t=Tabulator)";

constexpr std::array<Werkzeugknopf, 10> kKnoepfe = {{
    {"Öff&nen", "Gespeicherte Datei öffnen"},
    {"&Speichern", "Zwischenspeicher in Datei speichern"},
    {"&Drucken", "Zwischenspeicher an die Druckausgabe übergeben"},
    {"&Löschen", "Zwischenspeicher löschen"},
    {"&Ausschn.", "Markierten Text ausschneiden"},
    {"&Kopieren", "Markierten Text kopieren"},
    {"&Einfügen", "Ausgeschnittenen/Kopierten Text einfügen"},
    {"&Zurück", "Letzte Änderung zurüchnehmen"},
    {"S&uchen", "Text/Markierten Text suchen"},
    {"E&rsetzen", "Text/Markierten Text bis zum Textende suchen und alle ersetzen"},
}};

std::u16string U(const QString& s) {
    return s.toStdU16String();
}
QString Q16(const std::u16string& s) {
    return QString::fromStdU16String(s);
}

int Umschaltzustand(Qt::KeyboardModifiers m) {
    if (m & Qt::ControlModifier) return 2;
    if (m & Qt::ShiftModifier) return 1;
    return 0;
}

}  // namespace

Zwischenspeicher::Zwischenspeicher(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fZwischenspeicher"));
    setProperty("zahlixKurz", QStringLiteral("ZW"));
    setProperty("zahlixQuickInfo",
                QStringLiteral(" Auswertungen werden in diesem Texteditor festgehalten und können "
                               "bearbeitet werden"));

    const Editorteile teile =
        EditorAufbauen(*this, kKnoepfe, knoepfe_, QStringLiteral("rtZwischenspeicher"),
                       [this] { StatusAnzeigen(); });
    rt_ = teile.rt;
    bzHilfe_ = teile.bzHilfe;
    rt_->setFont(Festbreitenschrift(10));
    rt_->installEventFilter(this);
    auto* schliessen = new QPushButton(QStringLiteral("Modul schließen"), this);
    schliessen->setObjectName(QStringLiteral("bSchliessen"));
    schliessen->setFocusPolicy(Qt::NoFocus);
    teile.leiste->addStretch(1);
    teile.leiste->addWidget(schliessen);

    connect(knoepfe_[0], &QPushButton::clicked, this, &Zwischenspeicher::Oeffnen);
    connect(knoepfe_[1], &QPushButton::clicked, this, &Zwischenspeicher::Speichern);
    connect(knoepfe_[2], &QPushButton::clicked, this, &Zwischenspeicher::Drucken);
    connect(knoepfe_[3], &QPushButton::clicked, this, &Zwischenspeicher::Loeschen);
    connect(knoepfe_[4], &QPushButton::clicked, this, &Zwischenspeicher::Ausschneiden);
    connect(knoepfe_[5], &QPushButton::clicked, this, &Zwischenspeicher::Kopieren);
    connect(knoepfe_[6], &QPushButton::clicked, this, &Zwischenspeicher::Einfuegen);
    connect(knoepfe_[7], &QPushButton::clicked, this, &Zwischenspeicher::Zurueck);
    connect(knoepfe_[8], &QPushButton::clicked, this, &Zwischenspeicher::Suchen);
    // The modifiers held on the click (or on the mnemonic) choose the renumbering.
    connect(knoepfe_[9], &QPushButton::clicked, this,
            [this] { Ersetzen(Umschaltzustand(QGuiApplication::keyboardModifiers())); });
    connect(schliessen, &QPushButton::clicked, this,
            [this] { Aussenfenster(this)->showMinimized(); });

    TitelAnzeigen();
    StatusAnzeigen();
}

void Zwischenspeicher::TitelAnzeigen() {
    setWindowTitle(QStringLiteral("Zwischenspeicher: ") + dateiname_);
}

void Zwischenspeicher::StatusAnzeigen() {
    StatuszeileZeigen(*bzHilfe_, *rt_, "Zwischenspeicher ");
}

void Zwischenspeicher::UndoMerken() {
    undo_ = DokumentText(*rt_);
}

void Zwischenspeicher::TextSetzen(const QString& text, int pos) {
    rt_->setPlainText(text);
    QTextCursor c = rt_->textCursor();
    c.setPosition(std::clamp(pos, 0, static_cast<int>(text.size())));
    rt_->setTextCursor(c);
    StatusAnzeigen();
}

bool Zwischenspeicher::TextEinfuegen(const std::string& text) {
    const std::u16string block = U(Q(zahlix::ZeilenendenLf(text)));
    if (!BlockNeu(U(DokumentText(*rt_)), block)) return false;
    // Put on top through a cursor instead of setting the whole text again: the editor then
    // lays out only the new block, so the 2,000th result costs what the first did.
    QTextCursor oben(rt_->document());
    oben.insertText(Q16(block));
    QTextCursor c = rt_->textCursor();
    c.setPosition(0);
    rt_->setTextCursor(c);
    StatusAnzeigen();
    return true;
}

void Zwischenspeicher::Oeffnen() {
    const std::string name = DateiAuswaehlen(kMuster, "Zwischenspeicher - Datei öffnen");
    if (!name.empty()) {
        QString text;
        if (DokumentLaden(name, text, windowTitle())) {
            TextSetzen(text, 0);
            dateiname_ = Q(name);
            undo_ = text;
            TitelAnzeigen();
        }
    }
    rt_->setFocus();
}

void Zwischenspeicher::Speichern() {
    const std::string name = DateiAuswaehlen(kMuster, "Zwischenspeicher - Datei speichern");
    if (name.empty()) return;
    const std::string endung = Endung4(name);
    if (endung != ".TXT" && endung != ".RTF" &&
        Meldung("Soll die Datei " + name + " wirklich im Text-Format gespeichert werden?",
                flags::JaNein | flags::Frage, S(windowTitle())) != kJa)
        return;
    if (DokumentSpeichern(name, DokumentText(*rt_), endung == ".RTF", 10, windowTitle())) {
        dateiname_ = Q(name);
        TitelAnzeigen();
    }
    rt_->setFocus();
}

void Zwischenspeicher::Drucken() {
    zahlix::AnDruckausgabe(ZeilenendenCrLf(S(DokumentText(*rt_))));
}

void Zwischenspeicher::Loeschen() {
    if (!LoeschenBestaetigt(*this, *rt_)) return;
    UndoMerken();  // so "&Zurück" brings a deleted buffer back
    TextSetzen(QString(), 0);
}

void Zwischenspeicher::Ausschneiden() {
    if (!rt_->textCursor().hasSelection()) return;
    UndoMerken();
    QApplication::clipboard()->setText(MarkierterText(*rt_));
    rt_->textCursor().removeSelectedText();
}

void Zwischenspeicher::Kopieren() {
    if (rt_->textCursor().hasSelection()) QApplication::clipboard()->setText(MarkierterText(*rt_));
}

void Zwischenspeicher::Einfuegen() {
    UndoMerken();
    rt_->textCursor().insertText(QApplication::clipboard()->text());
}

void Zwischenspeicher::Zurueck() {
    const QString jetzt = DokumentText(*rt_);
    const int pos = rt_->textCursor().position();
    TextSetzen(undo_, pos);
    undo_ = jetzt;
}

QString Zwischenspeicher::SuchtextErfragen(const QString& titel, const QString& hinweis) {
    if (rt_->textCursor().hasSelection()) return MarkierterText(*rt_);
    return Q(Eingabe("Suchen nach\r\n\r\n" + S(hinweis), S(titel)));
}

void Zwischenspeicher::Suchen() {
    const QString titel = windowTitle() + QStringLiteral(" - Suchen");
    const QString roh = SuchtextErfragen(titel, QString::fromUtf8(kHinweis));
    const std::u16string was = EscapesErsetzen(U(roh), u"\n");
    if (!was.empty()) {
        const std::u16string dok = U(DokumentText(*rt_));
        const size_t ab = static_cast<size_t>(rt_->textCursor().selectionStart()) + 1;
        const size_t p = ab <= dok.size() ? dok.find(was, ab) : std::u16string::npos;
        if (p == std::u16string::npos) {
            Meldung("Textende erreicht.", flags::OK | flags::Information, S(titel));
        } else {
            QTextCursor c = rt_->textCursor();
            c.setPosition(static_cast<int>(p));
            c.setPosition(static_cast<int>(p + was.size()), QTextCursor::KeepAnchor);
            rt_->setTextCursor(c);
        }
    }
    StatusAnzeigen();
    rt_->setFocus();
}

void Zwischenspeicher::Ersetzen(int zustand) {
    UndoMerken();
    std::u16string dok = U(undo_);
    const QTextCursor c = rt_->textCursor();
    if (zustand != 0) {
        const int n = ZeilenNeuNummerieren(dok, static_cast<size_t>(c.selectionStart()),
                                           static_cast<size_t>(c.selectionEnd()), zustand == 2);
        TextSetzen(Q16(dok), c.selectionStart());
        Meldung(Str(n) + " Zeilen wurden neu geschrieben.", flags::OK | flags::Information,
                S(windowTitle()) + " - Zeilen neu nummerieren");
        return;
    }
    const QString titel = windowTitle() + QStringLiteral(" - Suchen und Ersetzen");
    const QString roh = SuchtextErfragen(titel, QStringLiteral("(^z=Zeilenumbuch, ^t=Tabulator)"));
    if (roh.isEmpty()) return;
    const QString durchRoh = Q(Eingabe("Ersetze " + S(roh) + " mit\r\n\r\n" + kHinweis, S(titel)));
    // The input box cannot tell an empty answer from Cancel; deleting needs no dialog anyway.
    if (durchRoh.isEmpty()) return;
    const std::u16string was = EscapesErsetzen(U(roh), u"\n");
    const int n = ErsetzenBisEnde(dok, static_cast<size_t>(c.selectionStart()), was,
                                  EscapesErsetzen(U(durchRoh), u"\n"));
    if (n > 0) TextSetzen(Q16(dok), c.selectionStart());
    Meldung(n == 0 ? std::string("Suchtext wurde nicht gefunden!")
                   : "Suchtext wurde" + Str(n) + " mal ersetzt!",
            flags::OK | flags::Information, S(titel));
    rt_->setFocus();
}

void Zwischenspeicher::SchnellFuellen(int n) {
    const std::string antwort = Eingabe("Ersetze" + Str(n) + " mal ' 0 ' durch:", "Text ersetzen");
    if (antwort.empty()) return;
    UndoMerken();
    std::u16string dok = U(undo_);
    const int pos = rt_->textCursor().selectionStart();
    if (zahlix::SchnellFuellen(dok, static_cast<size_t>(pos), n, U(Q(antwort))) > 0)
        TextSetzen(Q16(dok), pos);
}

bool Zwischenspeicher::eventFilter(QObject* o, QEvent* e) {
    if (o == rt_ && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const int taste = k->key();
        if ((k->modifiers() & Qt::ControlModifier) &&
            (taste == Qt::Key_1 || taste == Qt::Key_4 || taste == Qt::Key_5)) {
            if (e->type() == QEvent::KeyRelease && !k->isAutoRepeat())
                SchnellFuellen(taste == Qt::Key_1 ? 1 : taste == Qt::Key_4 ? 4 : 5);
            return true;
        }
        if (e->type() == QEvent::KeyRelease) StatusAnzeigen();
    }
    return QWidget::eventFilter(o, e);
}

void Zwischenspeicher::closeEvent(QCloseEvent* e) {
    if (endgueltig_ || ProgrammEndet()) {
        e->accept();
        return;
    }
    e->ignore();
    QWidget* aussen = Aussenfenster(this);
    if (aussen->isMinimized())
        Meldung("Der Zwischenspeicher kann nicht beendet werden", flags::OK | flags::Information,
                S(windowTitle()));
    aussen->showMinimized();
}

void Zwischenspeicher::EndgueltigSchliessen() {
    endgueltig_ = true;
    close();
}

Zwischenspeicher* ZwischenspeicherInstanz() {
    static QPointer<Zwischenspeicher> instanz;
    // The frame may have made it through its opener already.
    if (!instanz) instanz = qobject_cast<Zwischenspeicher*>(FensterSuchen("fZwischenspeicher"));
    if (!instanz) {
        instanz = new Zwischenspeicher;
        FensterZeigen(instanz);
    }
    return instanz;
}

}  // namespace zahlix::ui

namespace zahlix {

bool TextEinfuegen(const std::string& text) {
    return ui::ZwischenspeicherInstanz()->TextEinfuegen(text);
}

}  // namespace zahlix
