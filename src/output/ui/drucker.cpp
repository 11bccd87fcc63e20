#include "output/ui/drucker.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/port.h"
#include "app/programm.h"
#include "app/ui/fenster.h"
#include "core/textdatei.h"
#include "output/druckausgabe_text.h"
#include "output/reihenexport.h"
#include "output/ui/editorhilfe.h"
#include "core/zahlformat.h"
#include "shell/optionen.h"

namespace zahlix::ui {

namespace {

const char* const kGroessen[] = {"8", "9", "10", "11", "12", "14", "16"};

constexpr std::array<Werkzeugknopf, 5> kKnoepfe = {{
    {"Öff&nen", "Gespeicherte Datei öffnen"},
    {"&Speichern", "Druckausgabe in Datei speichern"},
    {"&Drucken", "Druckausgabe drucken "},
    {"&Löschen", "Druckausgabe löschen"},
    {"&Einrichten", "Drucker einrichten"},
}};

QString TabsAufloesen(const QString& zeile) {
    QString out;
    for (QChar c : zeile) {
        if (c == QLatin1Char('\t'))
            out += QString(8 - out.size() % 8, QLatin1Char(' '));
        else
            out += c;
    }
    return out;
}

}  // namespace

bool TextDrucken(QPrinter& drucker, const QString& text, int punktgroesse) {
    QPainter p;
    if (!p.begin(&drucker)) return false;
    const QFont schrift = Festbreitenschrift(punktgroesse);
    p.setFont(schrift);
    const QFontMetricsF fm(p.font(), p.device());
    const double dpi = drucker.resolution();
    const double links = dpi / 2.54;
    const double oben = 2.0 * dpi / 2.54;
    const QRectF flaeche = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const double zeichen = std::max(1.0, fm.horizontalAdvance(QLatin1Char('M')));
    const int spalten = std::max(1, static_cast<int>((flaeche.width() - links) / zeichen));
    const double zeilenhoehe = fm.lineSpacing();
    double y = oben + fm.ascent();

    auto zeileDrucken = [&](const QString& s) {
        if (y + fm.descent() > flaeche.height() && y > oben + fm.ascent()) {
            drucker.newPage();
            y = oben + fm.ascent();
        }
        p.drawText(QPointF(links, y), s);
        y += zeilenhoehe;
    };
    QString alles = text;
    alles.replace(QChar(0x2029), QLatin1Char('\n'));
    if (alles.endsWith(QLatin1Char('\n'))) alles.chop(1);
    for (const QString& roh : alles.split(QLatin1Char('\n'))) {
        QString zeile = TabsAufloesen(roh);
        zeile.remove(QLatin1Char('\r'));
        do {
            zeileDrucken(zeile.left(spalten));
            zeile.remove(0, spalten);
        } while (!zeile.isEmpty());
        EreignissePumpen();
    }
    return p.end();
}

Drucker::Drucker(QWidget* parent) : QWidget(parent), drucker_(std::make_unique<QPrinter>()) {
    setObjectName(QStringLiteral("fDrucker"));
    setWindowTitle(QStringLiteral("Druckausgabe und Dateiexport"));
    setProperty("zahlixKurz", QStringLiteral("DR"));
    setProperty("zahlixQuickInfo",
                QStringLiteral(" Druckausgaben können vor dem Druck in diesem Texteditor "
                               "bearbeitet werden"));

    const Editorteile teile = EditorAufbauen(*this, kKnoepfe, knoepfe_, QStringLiteral("rtDrucker"),
                                             [this] { StatusAnzeigen(); });
    rt_ = teile.rt;
    bzHilfe_ = teile.bzHilfe;
    QHBoxLayout* leiste = teile.leiste;
    leiste->addStretch(1);
    auto* beschriftung = new QLabel(QStringLiteral("Drucker-Schrift&größe"), this);
    cSchriftGroesse_ = new QComboBox(this);
    cSchriftGroesse_->setObjectName(QStringLiteral("cSchriftGroesse"));
    for (const char* g : kGroessen) cSchriftGroesse_->addItem(QString::fromLatin1(g));
    cSchriftGroesse_->setCurrentIndex(
        std::clamp<int>(Optionen().druckausgabeSchriftgroesse, 0, std::size(kGroessen) - 1));
    beschriftung->setBuddy(cSchriftGroesse_);
    leiste->addWidget(beschriftung);
    leiste->addWidget(cSchriftGroesse_);

    auto befehl = [this](QPushButton* b, void (Drucker::*f)()) {
        connect(b, &QPushButton::clicked, this, [this, f] {
            (this->*f)();
            StatusAnzeigen();
            rt_->setFocus();
        });
    };
    befehl(knoepfe_[0], &Drucker::Oeffnen);
    befehl(knoepfe_[1], &Drucker::Speichern);
    befehl(knoepfe_[2], &Drucker::Drucken);
    befehl(knoepfe_[3], &Drucker::Loeschen);
    befehl(knoepfe_[4], &Drucker::Einrichten);
    connect(cSchriftGroesse_, &QComboBox::currentIndexChanged, this,
            &Drucker::SchriftgroesseAnwenden);

    druckdialog_ = [this](QPrinter& d, bool auswahl) { return StandardDruckdialog(d, auswahl); };
    SchriftgroesseAnwenden();
    StatusAnzeigen();
}

Drucker::~Drucker() = default;

int Drucker::Punktgroesse() const {
    return cSchriftGroesse_->currentText().toInt();
}

void Drucker::SchriftgroesseAnwenden() {
    rt_->setFont(Festbreitenschrift(Punktgroesse()));
}

void Drucker::StatusAnzeigen() {
    StatuszeileZeigen(*bzHilfe_, *rt_, "Druckausgabe ");
}

void Drucker::Uebernehmen(const std::string& text) {
    const std::string voll = DruckausgabeText(text, DruckausgabeBanner());
    rt_->setPlainText(Q(zahlix::ZeilenendenLf(voll)));
    FensterZeigen(this);
    StatusAnzeigen();
}

void Drucker::Oeffnen() {
    const std::string name = DateiAuswaehlen("*.TXT;*.RTF", "Druckausgabe - Datei öffnen");
    if (name.empty()) return;
    QString text;
    if (DokumentLaden(name, text, windowTitle())) rt_->setPlainText(text);
}

void Drucker::Speichern() {
    const std::string name = DateiAuswaehlen("*.TXT;*.RTF;*.ASC;*.AS4;*.ZXT;*.ZS4;*.ZS3",
                                             "Druckausgabe - Datei speichern");
    if (name.empty()) return;
    const std::string endung = Endung4(name);
    const std::string titel = S(windowTitle());
    if (endung == ".TXT" || endung == ".RTF") {
        DokumentSpeichern(name, DokumentText(*rt_), endung == ".RTF", Punktgroesse(),
                          windowTitle());
        return;
    }
    if (ExportformatAus(name)) {
        if (Meldung("Es werden die Zahlenreihen im Text gesucht und im entprechendem Format "
                    "gespeichert!",
                    flags::OKAbbrechen | flags::Information, titel) != kOK)
            return;
        std::string fehler;
        Beschaeftigt(-1);
        const int n = ReihenExportieren(PfadVonName(name), S(DokumentText(*rt_)), fehler);
        Beschaeftigt(0);
        if (n < 0)
            Meldung(fehler, flags::Kritisch, titel);
        else
            Meldung(Str(n) + " Reihen wurden gefunden und gespeichert.", flags::Information, titel);
        return;
    }
    if (Meldung("Soll die Datei " + name + " wirklich im Text-Format gespeichert werden?",
                flags::JaNein | flags::Frage, titel) == kJa)
        DokumentSpeichern(name, DokumentText(*rt_), false, Punktgroesse(), windowTitle());
}

std::unique_ptr<QPrintDialog> DruckdialogAufbauen(QPrinter& d, bool hatAuswahl, QWidget* eltern) {
    if (d.docName().isEmpty()) d.setDocName(QStringLiteral("Druckausgabe"));
    if (QPrinterInfo::availablePrinterNames().isEmpty() && d.outputFileName().isEmpty()) {
        d.setOutputFormat(QPrinter::PdfFormat);
        d.setOutputFileName(
            QString::fromStdString(TextAusPfad(Programm().startverzeichnis / "Druckausgabe.pdf")));
    }
    auto dialog = std::make_unique<QPrintDialog>(&d, eltern);
    // Adds "In PDF-Datei drucken" to the printer list (a PDF printer where the system has one).
    dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog->setOption(QAbstractPrintDialog::PrintSelection, hatAuswahl);
    return dialog;
}

bool Drucker::StandardDruckdialog(QPrinter& d, bool hatAuswahl) {
    return DruckdialogAufbauen(d, hatAuswahl, this)->exec() == QDialog::Accepted;
}

void Drucker::Drucken() {
    const bool hatAuswahl = rt_->textCursor().hasSelection();
    drucker_->setPrintRange(hatAuswahl ? QPrinter::Selection : QPrinter::AllPages);
    if (!druckdialog_(*drucker_, hatAuswahl)) return;
    QString text;
    if (hatAuswahl && drucker_->printRange() == QPrinter::Selection) {
        text = MarkierterText(*rt_);
    } else {
        QTextCursor c = rt_->textCursor();
        c.clearSelection();
        rt_->setTextCursor(c);
        text = DokumentText(*rt_);
    }
    Beschaeftigt(-1);
    const bool gedruckt = TextDrucken(*drucker_, text, Punktgroesse());
    Beschaeftigt(0);
    if (!gedruckt)
        Meldung("Der Drucker konnte nicht gestartet werden.", flags::Kritisch, S(windowTitle()));
}

void Drucker::Loeschen() {
    if (LoeschenBestaetigt(*this, *rt_)) rt_->clear();
}

void Drucker::Einrichten() {
    QPageSetupDialog dialog(drucker_.get(), this);
    dialog.exec();
}

Drucker* DruckerInstanz() {
    static QPointer<Drucker> instanz;
    if (!instanz) instanz = qobject_cast<Drucker*>(FensterSuchen("fDrucker"));
    if (!instanz) instanz = new Drucker;
    return instanz;
}

}  // namespace zahlix::ui

namespace zahlix {

void AnDruckausgabe(const std::string& text) {
    ui::DruckerInstanz()->Uebernehmen(text);
}

}  // namespace zahlix
