#pragma once
// "Find Invoice": a customer (by number, or from the list) and/or an invoice number. The
// register searches and says what it did not find.

#include "receivables/invoices/register/registerfind.h"

#include <QDialog>

class Database;
class QComboBox;
class QLineEdit;

class TfrmARInvoicesFind : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmARInvoicesFind(Database& db, QWidget* parent = nullptr);

    FindRequest request() const;

    QLineEdit* edtCustomerNo;
    QComboBox* cboCustomer;
    QLineEdit* edtInvoiceNo;
};
