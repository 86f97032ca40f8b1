#pragma once
// "AR Invoices Filter": currency, customer, description and posted state of the invoices the
// register shows. Reset clears the choices; OK hands them to the register, which binds them.

#include "receivables/invoices/register/registerlist.h"
#include "receivables/listing/ui/filterdialogparts.h"

#include <QDialog>

class Database;
class QComboBox;
class QLineEdit;
class QRadioButton;

class TfrmARInvoicesFilter : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmARInvoicesFilter(Database& db, QWidget* parent = nullptr);

    RegisterFilter filter() const;
    // Clears every choice (the Reset button, and the console when it opens the register).
    void reset();
    // Reads the customers and currencies afresh for the drop-downs, keeping the choices.
    void reload();

    QComboBox* cboCurrency;
    QComboBox* cboCustomer;
    QLineEdit* edtDescription;
    QRadioButton* rbPostedYes;
    QRadioButton* rbPostedNo;
    QRadioButton* rbPostedAll;

private:
    Database& db_;
    FlagChoiceButtons posted_;
};
