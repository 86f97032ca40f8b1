#include "receivables/payments/ui/allocationgrid.h"

#include "common/formats.h"
#include "data/lookups.h"
#include "receivables/payments/paymentdocument.h"
#include "receivables/payments/ui/allocationcolumns.h"
#include "receivables/payments/ui/allocationeditors.h"

#include <QMenu>

AllocationGrid::AllocationGrid(QWidget* parent) : LineGrid(parent)
{
    setObjectName(QStringLiteral("grdAllocations"));
    setDownAppends(true);
    QMenu* menu = popup();
    actionOutstanding = new QAction(QStringLiteral("Outstanding"), this);
    actionOutstanding->setCheckable(true);
    actionOutstanding->setChecked(true);
    connect(actionOutstanding, &QAction::toggled, this, &AllocationGrid::outstandingToggled);
    menu->insertAction(actionNew, actionOutstanding);
    menu->insertSeparator(actionNew);
    menu->addSeparator();
    actionPayNoDiscount = fillCommand(QStringLiteral("Pay + no discount"), QKeySequence(Qt::Key_F5),
                                      &AllocationGrid::payNoDiscountRequested);
    actionPayTakeDiscount =
        fillCommand(QStringLiteral("Pay + take discount"), QKeySequence(Qt::Key_F6),
                    &AllocationGrid::payTakeDiscountRequested);
    actionPayDiscountIfEligible =
        fillCommand(QStringLiteral("Pay + discount if eligible"), QKeySequence(Qt::Key_F7),
                    &AllocationGrid::payDiscountIfEligibleRequested);
    actionWriteOff = fillCommand(QStringLiteral("Write-off"), QKeySequence(Qt::Key_F8),
                                 &AllocationGrid::writeOffRequested);
}

QAction* AllocationGrid::fillCommand(const QString& text, const QKeySequence& key,
                                     void (AllocationGrid::*signal)())
{
    QAction* action = popup()->addAction(text);
    action->setShortcut(key);
    // The key works from a cell's editor too: a number just typed is taken first.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, signal] {
        if (isLocked())
            Q_EMIT lockedChangeAttempted();
        else
            Q_EMIT(this->*signal)();
    });
    return action;
}

QWidget* AllocationGrid::createCellEditor(QWidget* parent, const QModelIndex& index)
{
    switch (static_cast<AllocationColumn>(index.column())) {
    case AllocationColumn::Invoice: {
        auto* invoices = new ColumnsComboBox(parent);
        invoices->setObjectName(QStringLiteral("cboInvoice"));
        if (document_) {
            for (const AllocatedInvoice& invoice : document_->invoicesOffered())
                invoices->addRow({invoice.invoiceNo,
                                  formatDate(QString(kListDateFormat), invoice.invoiceDate),
                                  formatFloat(QString(kMoneyListFormat), invoice.owing)},
                                 invoice.arInvoiceId);
        }
        invoices->finishRows();
        return invoices;
    }
    case AllocationColumn::WriteOffAccount: {
        auto* accounts = new ColumnsComboBox(parent);
        accounts->setObjectName(QStringLiteral("cboWriteOffAccount"));
        if (accounts_) {
            accounts_->open();
            for (int row = 0; row < accounts_->rowCount(); ++row)
                accounts->addRow({accounts_->value(row, QStringLiteral("GLAccount")).toString(),
                                  accounts_->value(row, QStringLiteral("AccountName")).toString()},
                                 accounts_->value(row, QStringLiteral("GLAccountID")));
        }
        accounts->finishRows();
        return accounts;
    }
    case AllocationColumn::AccountName: {
        auto* names = new KeyComboBox(parent);
        names->setObjectName(QStringLiteral("cboAccountName"));
        names->addItem(QString());
        if (accounts_) {
            accounts_->open();
            for (int row = 0; row < accounts_->rowCount(); ++row)
                names->addItem(accounts_->value(row, QStringLiteral("AccountName")).toString(),
                               accounts_->value(row, QStringLiteral("GLAccountID")));
        }
        return names;
    }
    default:
        return nullptr;
    }
}
