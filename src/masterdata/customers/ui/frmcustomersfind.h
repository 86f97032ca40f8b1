#pragma once
// "Find Customer": a customer number typed, or a name chosen from the list. OK moves the list
// to the customer; what cannot be found is said and the dialog stays open.

#include "common/ui/messageboxdialogs.h"

#include <QDialog>
#include <functional>

class Database;
class QComboBox;
class QLineEdit;

class TfrmCustomersFind : public QDialog
{
    Q_OBJECT
public:
    // `moveTo` makes the customer current in the list; false when the list does not show it.
    TfrmCustomersFind(Database& db, std::function<bool(qint64 customerId)> moveTo,
                      QWidget* parent = nullptr);

    void accept() override;

    QLineEdit* edtCustomerNo;
    QComboBox* cboName; // blank first, then every customer by name

private:
    Database& db_;
    std::function<bool(qint64)> moveTo_;
    MessageBoxDialogs dialogs_;
};
