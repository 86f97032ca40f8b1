#pragma once
// What both registers' find dialogs ask: a customer (by number, or from the list) and/or a
// document number. The register searches and says what it did not find.

#include "receivables/listing/listfind.h"

#include <QDialog>

class Database;
class QComboBox;
class QLineEdit;

class ListFindDialog : public QDialog
{
    Q_OBJECT
public:
    ListFindDialog(Database& db, const QString& numberLabel, QWidget* parent);

    ListFindRequest request() const;

    QLineEdit* edtCustomerNo;
    QComboBox* cboCustomer; // blank first, then every customer by name
    QLineEdit* edtNumber;   // the invoice or cheque number
};
