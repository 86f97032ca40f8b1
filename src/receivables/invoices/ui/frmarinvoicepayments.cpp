#include "receivables/invoices/ui/frmarinvoicepayments.h"

#include "common/formats.h"
#include "common/ui/fontfactor.h"
#include "receivables/invoices/invoicepayments.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
QTableWidgetItem* cell(const QString& text, bool amount = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (amount)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
} // namespace

TfrmARInvoicePayments::TfrmARInvoicePayments(Database& db, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), db_(db)
{
    setObjectName(QStringLiteral("frmARInvoicePayments"));
    setWindowTitle(QStringLiteral("Payment(s)"));
    grdPayments = new QTableWidget(0, 4, this);
    grdPayments->setObjectName(QStringLiteral("grdPayments"));
    grdPayments->setHorizontalHeaderLabels({QStringLiteral("Check #"), QStringLiteral("Date"),
                                            QStringLiteral("Payment"),
                                            QStringLiteral("Check Total")});
    grdPayments->verticalHeader()->hide();
    grdPayments->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPayments->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(grdPayments);
    resize(420, 200);
    applyFontFactor(this);
}

void TfrmARInvoicePayments::showInvoice(qint64 arInvoiceId)
{
    invoiceId_ = arInvoiceId;
    const std::vector<InvoicePayment> payments =
        arInvoiceId > 0 ? paymentsOnInvoice(db_, arInvoiceId) : std::vector<InvoicePayment>();
    grdPayments->setRowCount(int(payments.size()));
    for (int row = 0; row < int(payments.size()); ++row) {
        const InvoicePayment& p = payments[row];
        grdPayments->setItem(row, 0, cell(p.chequeNo));
        grdPayments->setItem(row, 1, cell(formatDate(kListDateFormat, p.paymentDate)));
        grdPayments->setItem(row, 2, cell(formatFloat(kMoneyListFormat, p.paymentAmount), true));
        grdPayments->setItem(row, 3, cell(formatFloat(kMoneyListFormat, p.chequeAmount), true));
    }
}
