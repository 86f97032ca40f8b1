#pragma once
// "Find Invoice": a customer (by number, or from the list) and/or an invoice number. The
// register searches and says what it did not find.

#include "receivables/invoices/register/registerfind.h"
#include "receivables/listing/ui/listfinddialog.h"

class TfrmARInvoicesFind : public ListFindDialog
{
    Q_OBJECT
public:
    explicit TfrmARInvoicesFind(Database& db, QWidget* parent = nullptr);

    QLineEdit* edtInvoiceNo;
};
