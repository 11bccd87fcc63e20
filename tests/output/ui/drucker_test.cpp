#include "output/ui/drucker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextEdit>

#include "app/programm.h"
#include "app/skript_port.h"
#include "output/rtf.h"
#include "shell/optionen.h"
#include "support/testdaten.h"

using namespace zahlix;
using zahlix::ui::Drucker;

namespace {

QString Text(const Drucker& w) {
    return w.Dokument()->toPlainText();
}

void Klick(Drucker& w, int i) {
    w.findChild<QPushButton*>(QStringLiteral("bToolbar_%1").arg(i))->click();
}

class FesterTag : public ::testing::Test {
  protected:
    FesterTag() {
        HeuteErsetzen(std::chrono::year_month_day{std::chrono::year{2005}, std::chrono::month{3},
                                                  std::chrono::day{7}});
    }
    ~FesterTag() override { HeuteErsetzen(std::nullopt); }
    const QString banner =
        QStringLiteral("Zahlix %1 - Druckausgabe vom 07.03.2005").arg(ZAHLIX_VERSION);
};

using DruckerFenster = FesterTag;

TEST_F(DruckerFenster, AnDruckausgabeErsetztInDerEinenInstanz) {
    zahlix::AnDruckausgabe("a\r\nb");
    Drucker* d = ui::DruckerInstanz();
    EXPECT_EQ(d, ui::DruckerInstanz());
    EXPECT_EQ(Text(*d), banner + "\na\nb\n");
    zahlix::AnDruckausgabe("neu\r\n");
    EXPECT_EQ(Text(*d), banner + "\nneu\n") << "no second line break, old content gone";
    EXPECT_TRUE(d->isVisible());
}

TEST_F(DruckerFenster, SchriftgroesseAusDenOptionen) {
    const int16_t vorher = Optionen().druckausgabeSchriftgroesse;
    Optionen().druckausgabeSchriftgroesse = 4;
    Drucker w;
    Optionen().druckausgabeSchriftgroesse = vorher;
    auto* liste = w.findChild<QComboBox*>("cSchriftGroesse");
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->currentText(), "12");
    EXPECT_EQ(w.Dokument()->font().pointSize(), 12);
    liste->setCurrentIndex(6);
    EXPECT_EQ(w.Punktgroesse(), 16);
    EXPECT_EQ(w.Dokument()->font().pointSize(), 16);
    Optionen().druckausgabeSchriftgroesse = 99;  // a damaged option file must not crash
    Drucker kaputt;
    Optionen().druckausgabeSchriftgroesse = vorher;
    EXPECT_EQ(kaputt.Punktgroesse(), 16);
}

TEST_F(DruckerFenster, SpeichernNachEndung) {
    SkriptPort port;
    test::Arbeitsordner ordner;
    Drucker w;
    w.Uebernehmen("Größe\r\n");
    port.dateien = {(ordner / "a.TXT").string(), (ordner / "a.Rtf").string(),
                    (ordner / "a.DOC").string(), (ordner / "b.doc").string()};
    port.tasten = {Taste::Zweite, Taste::Erste};
    Klick(w, 1);
    Klick(w, 1);
    Klick(w, 1);
    Klick(w, 1);
    const std::string erwartet = banner.toStdString() + "\r\nGröße\r\n";
    EXPECT_EQ(test::DateiLesen(ordner / "a.TXT"), erwartet);
    EXPECT_EQ(RtfLesen(test::DateiLesen(ordner / "a.Rtf")), erwartet);
    EXPECT_NE(
        test::DateiLesen(ordner / "a.Rtf").find("\\fs" + std::to_string(w.Punktgroesse() * 2)),
        std::string::npos)
        << "rich text in the chosen size";
    EXPECT_FALSE(std::filesystem::exists(ordner / "a.DOC")) << "No to the question";
    EXPECT_EQ(test::DateiLesen(ordner / "b.doc"), erwartet);
    EXPECT_EQ(port.meldungen.size(), 2u) << "the question for .DOC, not for .TXT or .RTF";
}

TEST_F(DruckerFenster, ReihenexportMitHinweisUndAnzahl) {
    SkriptPort port;
    test::Arbeitsordner ordner;
    Drucker w;
    w.Dokument()->setPlainText(
        QString::fromStdString(test::DateiLesen(test::Quelle("output/golden/export_eingabe.txt"))));
    port.dateien = {(ordner / "abgebrochen.ZS4").string(), (ordner / "export.ZS4").string()};
    port.tasten = {Taste::Zweite, Taste::Erste};
    Klick(w, 1);
    EXPECT_FALSE(std::filesystem::exists(ordner / "abgebrochen.ZS4"));
    Klick(w, 1);
    EXPECT_EQ(test::DateiLesen(ordner / "export.ZS4"),
              test::DateiLesen(test::Quelle("output/golden/export.ZS4")));
    ASSERT_EQ(port.meldungen.size(), 3u);
    EXPECT_EQ(port.meldungen[0].knoepfe, Knoepfe::OKAbbrechen);
    EXPECT_EQ(port.meldungen[2].text, " 6 Reihen wurden gefunden und gespeichert.");
    EXPECT_EQ(port.beschaeftigt, (std::vector<bool>{true, false}));
}

TEST_F(DruckerFenster, OeffnenUndLoeschen) {
    SkriptPort port;
    test::Arbeitsordner ordner;
    Drucker w;
    test::DateiSchreiben(ordner / "d.rtf", RtfSchreiben("Zeile 1\r\nZeile 2"));
    port.dateien = {(ordner / "d.rtf").string(), (ordner / "fehlt.txt").string()};
    Klick(w, 0);
    EXPECT_EQ(Text(w), "Zeile 1\nZeile 2");
    Klick(w, 0);
    EXPECT_EQ(Text(w), "Zeile 1\nZeile 2");
    EXPECT_EQ(port.meldungen.size(), 1u);
    Klick(w, 3);  // No preselected
    EXPECT_EQ(Text(w), "Zeile 1\nZeile 2");
    port.tasten = {Taste::Erste};
    Klick(w, 3);
    EXPECT_EQ(Text(w), "");
    EXPECT_EQ(w.findChild<QLabel*>("bzHilfe")->text(), "Druckausgabe Zeile 1");
}

// pdftotext's text of a printed PDF, lines without trailing blanks and form feeds.
QStringList PdfZeilen(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    QStringList zeilen;
    for (QString z : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        z.remove('\f');
        while (z.endsWith(' ')) z.chop(1);
        zeilen << z;
    }
    while (!zeilen.isEmpty() && zeilen.back().isEmpty()) zeilen.removeLast();
    return zeilen;
}

// The text of each page (pdftotext ends every page with a form feed).
QStringList PdfSeiten(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    QStringList seiten = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
    if (!seiten.isEmpty() && seiten.back().trimmed().isEmpty()) seiten.removeLast();
    return seiten;
}

bool PdftotextFehlt() {
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

void AufPdf(QPrinter& d, const std::filesystem::path& datei) {
    d.setOutputFormat(QPrinter::PdfFormat);
    d.setOutputFileName(QString::fromStdString(datei.string()));
}

TEST(TextDrucken, PdfEnthaeltDenTextUeberSeitenUndLangeZeilen) {
    if (PdftotextFehlt()) GTEST_SKIP() << "pdftotext fehlt";
    test::Arbeitsordner ordner;
    QPrinter drucker(QPrinter::HighResolution);
    AufPdf(drucker, ordner / "t.pdf");
    QStringList zeilen = {"* Lotto-Auswertung - Samstaglotto.ZX7",
                          "Zahlen     : 03 12 17 25 38 44 :", "Umlaute: ÄÖÜ äöü ß", "a\tb",
                          QString(80, '-')};
    for (int i = 0; i < 150; ++i)
        zeilen << QStringLiteral(" %1/2005 : 01 02 03").arg(i, 3, 10, QChar('0'));
    const QString lang = QString("0123456789").repeated(30);
    ASSERT_TRUE(ui::TextDrucken(drucker, zeilen.join('\n') + '\n' + lang, 10));
    const QString pdf = QString::fromStdString((ordner / "t.pdf").string());
    // Blanks depend on the font a machine has (a tab may read back as 7 or 8 of them), so
    // only the characters and their order count, and that every page holds text.
    const QRegularExpression leer(QStringLiteral("\\s"));
    QStringList gelesen = PdfZeilen(pdf);
    for (QString& z : gelesen) z.remove(leer);
    gelesen.removeAll(QString());
    QStringList erwartet;
    for (QString z : zeilen) erwartet << z.remove(leer);
    ASSERT_GT(gelesen.size(), erwartet.size());
    EXPECT_EQ(gelesen.mid(0, erwartet.size()), erwartet);
    EXPECT_EQ(gelesen.mid(erwartet.size()).join(""), lang) << "nothing cut off";
    const QStringList seiten = PdfSeiten(pdf);
    EXPECT_GE(seiten.size(), 2);
    for (const QString& seite : seiten) EXPECT_FALSE(seite.trimmed().isEmpty()) << "blank page";
}

TEST_F(DruckerFenster, DruckenDerMarkierungOderDesGanzenTexts) {
    if (PdftotextFehlt()) GTEST_SKIP() << "pdftotext fehlt";
    SkriptPort port;
    test::Arbeitsordner ordner;
    Drucker w;
    w.Dokument()->setPlainText("erste Zeile\nzweite Zeile\ndritte");
    QTextCursor c = w.Dokument()->textCursor();
    c.setPosition(12);
    c.setPosition(24, QTextCursor::KeepAnchor);
    w.Dokument()->setTextCursor(c);
    bool auswahlAngeboten = false;
    w.DruckdialogErsetzen([&](QPrinter& d, bool hatAuswahl) {
        auswahlAngeboten = hatAuswahl;
        AufPdf(d, ordner / "auswahl.pdf");
        return true;
    });
    Klick(w, 2);
    EXPECT_TRUE(auswahlAngeboten);
    EXPECT_EQ(
        PdfZeilen(QString::fromStdString((ordner / "auswahl.pdf").string())).join('|').trimmed(),
        "zweite Zeile");
    // The user switches the dialog to "all": the whole text, and the selection is cleared.
    w.DruckdialogErsetzen([&](QPrinter& d, bool) {
        d.setPrintRange(QPrinter::AllPages);
        AufPdf(d, ordner / "alles.pdf");
        return true;
    });
    Klick(w, 2);
    QStringList alles = PdfZeilen(QString::fromStdString((ordner / "alles.pdf").string()));
    for (QString& z : alles) z = z.trimmed();
    EXPECT_EQ(alles, (QStringList{"erste Zeile", "zweite Zeile", "dritte"}));
    EXPECT_FALSE(w.Dokument()->textCursor().hasSelection());
    // Without a selection no selection is offered; cancel prints nothing.
    w.DruckdialogErsetzen([&](QPrinter& d, bool hatAuswahl) {
        auswahlAngeboten = hatAuswahl;
        AufPdf(d, ordner / "abgebrochen.pdf");
        return false;
    });
    Klick(w, 2);
    EXPECT_FALSE(auswahlAngeboten);
    EXPECT_FALSE(std::filesystem::exists(ordner / "abgebrochen.pdf"));
    EXPECT_TRUE(port.meldungen.empty());
}

// The real print dialog offers printing to a PDF file, preset where there is no printer.
TEST(Druckdialog, BietetDasDruckenInEinePdfDateiAn) {
    QPrinter drucker;
    const auto dialog = ui::DruckdialogAufbauen(drucker, true, nullptr);
    EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
    EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
    const bool ohneDrucker = QPrinterInfo::availablePrinterNames().isEmpty();
    if (ohneDrucker) {
        EXPECT_EQ(drucker.outputFormat(), QPrinter::PdfFormat);
        EXPECT_TRUE(drucker.outputFileName().endsWith("Druckausgabe.pdf"))
            << drucker.outputFileName().toStdString();
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt's own dialog: the PDF target is an entry of its printer list.
    dialog->show();
    QApplication::processEvents();
    auto* liste = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    ASSERT_NE(liste, nullptr);
    QStringList eintraege;
    for (int i = 0; i < liste->count(); ++i) eintraege << liste->itemText(i);
    EXPECT_TRUE(eintraege.join('|').contains("PDF")) << eintraege.join('|').toStdString();
    if (ohneDrucker) {
        EXPECT_TRUE(liste->currentText().contains("PDF")) << liste->currentText().toStdString();
    }
    dialog->reject();
#endif
}

}  // namespace
