// The real print dialog as the print output builds it: printing to a PDF file is on offer,
// and preset where the machine has no printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "output/ui/drucker.h"

using namespace zahlix;

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
