#include "platform/qt/PrintQt.h"

#include <QAbstractTextDocumentLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

void printPlainText(QPrinter& printer, const QString& text, const QFont& font)
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(text);
    // Laid out on the printer's own pages, so that it prints as the text alone, without page numbers.
    document.documentLayout()->setPaintDevice(&printer);
    document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    document.print(&printer);
}

bool printWithDialog(const PrintRequest& request, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    const bool offerSelection = !request.selection.isEmpty();
    QPrintDialog dialog(&printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    options.setFlag(QAbstractPrintDialog::PrintSelection, offerSelection);
    dialog.setOptions(options);
    printer.setPrintRange(offerSelection ? QPrinter::Selection : QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printPlainText(
        printer, printer.printRange() == QPrinter::Selection ? request.selection : request.text, request.font);
    return true;
}
