#pragma once
// The payment's allocation grid: the keys of every document's line grid, Down past the last line
// to add one, and the commands that fill a line from its invoice, each with its own key so that
// a cheque over many invoices is entered without the mouse. The invoice cell offers the
// customer's invoices in a drop-down (number, date, owing); the account cells offer the GL
// accounts by number and by name.

#include "common/ui/linegrid.h"

#include <functional>

class LookupView;
class PaymentDocument;

class AllocationGrid : public LineGrid
{
    Q_OBJECT
public:
    explicit AllocationGrid(QWidget* parent = nullptr);
    void setDocument(PaymentDocument* document) { document_ = document; }
    void setAccounts(LookupView* accounts) { accounts_ = accounts; }

    QAction* actionOutstanding;
    QAction* actionPayNoDiscount;
    QAction* actionPayTakeDiscount;
    QAction* actionPayDiscountIfEligible;
    QAction* actionWriteOff;

Q_SIGNALS:
    void outstandingToggled(bool on);
    void payNoDiscountRequested();
    void payTakeDiscountRequested();
    void payDiscountIfEligibleRequested();
    void writeOffRequested();

protected:
    QWidget* createCellEditor(QWidget* parent, const QModelIndex& index) override;

private:
    QAction* fillCommand(const QString& text, const QKeySequence& key,
                         void (AllocationGrid::*signal)());
    PaymentDocument* document_ = nullptr;
    LookupView* accounts_ = nullptr;
};
