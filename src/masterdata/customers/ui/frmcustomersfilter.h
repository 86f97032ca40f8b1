#pragma once
// "Customers Filter": currency, customer type, salesman and suspended state of the customers the
// list shows. The Delete key clears a lookup; Reset clears every choice.

#include "masterdata/customers/customerlist.h"
#include "receivables/listing/ui/filterdialogparts.h"

#include <QDialog>

class Database;
class QComboBox;

class TfrmCustomersFilter : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCustomersFilter(Database& db, QWidget* parent = nullptr);

    CustomerFilter filter() const;
    void reset();
    // Reads the code tables afresh for the lookups, keeping the choices.
    void reload();

    QComboBox* cboCurrency;
    QComboBox* cboType;
    QComboBox* cboSalesman;
    FlagChoiceButtons suspended;

private:
    Database& db_;
};
