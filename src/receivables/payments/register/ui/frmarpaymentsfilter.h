#pragma once
// "AR Payments Filter": the date, customer, customer's currency and posted state of the
// payments the register shows. Reset clears the choices; OK hands them to the register, which
// binds them.

#include "receivables/listing/ui/filterdialogparts.h"
#include "receivables/payments/register/paymentlist.h"

#include <QDialog>

class Database;
class DateEntry;
class QComboBox;
class QRadioButton;

class TfrmARPaymentsFilter : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmARPaymentsFilter(Database& db, QWidget* parent = nullptr);

    PaymentFilter filter() const;
    // Clears every choice (the Reset button, and the console when it opens the register).
    void reset();
    // Reads the customers and currencies afresh for the drop-downs, keeping the choices.
    void reload();

    DateEntry* edtDate; // empty: any date
    QComboBox* cboCustomer;
    QComboBox* cboCurrency;
    QRadioButton* rbPostedYes;
    QRadioButton* rbPostedNo;
    QRadioButton* rbPostedAll;

private:
    Database& db_;
    FlagChoiceButtons posted_;
};
