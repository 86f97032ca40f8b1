#include "receivables/payments/register/ui/frmarpaymentsfind.h"

#include <QLineEdit>

TfrmARPaymentsFind::TfrmARPaymentsFind(Database& db, QWidget* parent)
    : ListFindDialog(db, QStringLiteral("Check no.:"), parent), edtChequeNo(edtNumber)
{
    setObjectName(QStringLiteral("frmARPaymentsFind"));
    setWindowTitle(QStringLiteral("Find Cheque"));
    edtChequeNo->setObjectName(QStringLiteral("edtChequeNo"));
    edtChequeNo->setMaxLength(8);
}
