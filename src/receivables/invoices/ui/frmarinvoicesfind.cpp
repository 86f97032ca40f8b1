#include "receivables/invoices/ui/frmarinvoicesfind.h"

#include <QLineEdit>

TfrmARInvoicesFind::TfrmARInvoicesFind(Database& db, QWidget* parent)
    : ListFindDialog(db, QStringLiteral("Invoice no.:"), parent), edtInvoiceNo(edtNumber)
{
    setObjectName(QStringLiteral("frmARInvoicesFind"));
    setWindowTitle(QStringLiteral("Find Invoice"));
    edtInvoiceNo->setObjectName(QStringLiteral("edtInvoiceNo"));
}
