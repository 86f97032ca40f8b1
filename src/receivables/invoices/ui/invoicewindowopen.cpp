#include "receivables/invoices/ui/invoicewindowopen.h"

#include <QApplication>
#include <QWidget>

bool invoiceWindowOpen()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmARInvoice") && widget->isVisible())
            return true;
    }
    return false;
}
