#pragma once
// "Lookup": the customers in a list (ID, Bill-To, Client) to pick the selected account from.

#include "close/customerlookuprows.h"

#include <QDialog>
#include <optional>

class QTableWidget;

class TResetCustomerLookup : public QDialog
{
    Q_OBJECT
public:
    TResetCustomerLookup(QList<CustomerLookupRow> rows, qint64 currentCustomerId,
                         QWidget* parent = nullptr);

    // The customer picked when the dialog was accepted.
    std::optional<CustomerLookupRow> chosen() const;

    QTableWidget* grid;

private:
    QList<CustomerLookupRow> rows_;
};
