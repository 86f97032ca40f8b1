#pragma once
// "Lookup Recipient": the clients a funder's invoice can name as the person the meals were
// delivered to, listed by customer number, positioned on the current one.

#include <QDialog>

class LookupView;
class QTableView;
class QStandardItemModel;

class TfrmLookupRecipient : public QDialog
{
    Q_OBJECT
public:
    // `recipients` is the lookup module's client list; it is opened when it is not.
    TfrmLookupRecipient(LookupView& recipients, const QString& currentRecipId,
                        QWidget* parent = nullptr);
    // The chosen client's customer number, or empty when the list is empty.
    QString chosenCustomerNo() const;

    QTableView* grid;

private:
    QStandardItemModel* rows_;
};
