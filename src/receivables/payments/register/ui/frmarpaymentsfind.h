#pragma once
// The payment register's find dialog, "Find Cheque": a customer (by number, or from the list)
// and/or a cheque number. The register searches and says what it did not find.

#include "receivables/listing/ui/listfinddialog.h"
#include "receivables/payments/register/paymentfind.h"

class TfrmARPaymentsFind : public ListFindDialog
{
    Q_OBJECT
public:
    explicit TfrmARPaymentsFind(Database& db, QWidget* parent = nullptr);

    QLineEdit* edtChequeNo; // at most 8 characters, as ChequeNo holds
};
