#include "report/ui/printdialogsetup.h"

#include <QPrintDialog>
#include <QPrinter>

namespace report
{

void preparePrintDialog(QPrintDialog& dialog, QPrinter& printer, int pageCount)
{
    const int last = qMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setMinMax(1, last);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(1, last);
    printer.setCopyCount(1);
}

} // namespace report
