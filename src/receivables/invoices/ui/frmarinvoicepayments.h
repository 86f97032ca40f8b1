#pragma once
// "Payment(s)": the payments applied to the register's current invoice, read-only, following
// the register's cursor and kept above it.

#include <QDialog>

class Database;
class QTableWidget;

class TfrmARInvoicePayments : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmARInvoicePayments(Database& db, QWidget* parent = nullptr);

    // Shows the payments of this invoice; 0 shows none.
    void showInvoice(qint64 arInvoiceId);
    qint64 invoiceId() const { return invoiceId_; }

    QTableWidget* grdPayments;

private:
    Database& db_;
    qint64 invoiceId_ = 0;
};
