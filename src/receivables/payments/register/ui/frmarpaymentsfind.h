#pragma once
// The payment register's find dialog: a customer (by number, or from the list) and/or a cheque
// number. The register searches and says what it did not find.

#include "receivables/payments/register/paymentfind.h"

#include <QDialog>

class Database;
class QComboBox;
class QLineEdit;

class TfrmARPaymentsFind : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmARPaymentsFind(Database& db, QWidget* parent = nullptr);

    ChequeFindRequest request() const;

    QLineEdit* edtCustomerNo;
    QComboBox* cboCustomer;
    QLineEdit* edtChequeNo;
};
