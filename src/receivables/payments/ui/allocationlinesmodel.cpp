#include "receivables/payments/ui/allocationlinesmodel.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "common/formatsettings.h"
#include "receivables/payments/paymentdocument.h"

#include <QLocale>

namespace
{

QString money(const std::optional<Money>& amount)
{
    return amount ? formatFloat(QString(kMoneyListFormat), *amount) : QString();
}

std::optional<Money> amountTyped(const QString& text, PaymentField field)
{
    if (text.isEmpty())
        return std::nullopt;
    const auto amount = Money::parse(text, currentFormatSettings());
    if (!amount)
        throw PaymentRefusal(QStringLiteral("'%1' is not a valid amount").arg(text), field);
    return amount;
}

bool isAmount(AllocationColumn column)
{
    return column == AllocationColumn::Owing || column == AllocationColumn::Payment ||
           column == AllocationColumn::Discount || column == AllocationColumn::WriteOff;
}

} // namespace

AllocationLinesModel::AllocationLinesModel(PaymentDocument& document, Dialogs& dialogs,
                                           QObject* parent)
    : DocumentLinesModel({QStringLiteral("Invoice no."), QStringLiteral("Date"),
                          QStringLiteral("Owing"), QStringLiteral("Payment"),
                          QStringLiteral("Discount"), QStringLiteral("Write-Off"),
                          QStringLiteral("W/O GL Acct."), QStringLiteral("Name")},
                         dialogs, parent),
      document_(document)
{
    showLines();
}

int AllocationLinesModel::documentLineCount() const
{
    return document_.lineCount();
}

QVariant AllocationLinesModel::data(const QModelIndex& index, int role) const
{
    if (!isShownLine(index))
        return {};
    const int row = index.row();
    const PaymentLine& line = document_.line(row);
    const AllocationColumn column = columnOf(index.column());
    if (role == Qt::TextAlignmentRole)
        return cellAlignment(isAmount(column));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (column) {
    case AllocationColumn::Invoice: {
        const auto invoice = document_.lineInvoice(row);
        return invoice ? invoice->invoiceNo : QString();
    }
    case AllocationColumn::Date: {
        const auto invoice = document_.lineInvoice(row);
        return invoice ? formatDate(QString(kListDateFormat), invoice->invoiceDate) : QString();
    }
    case AllocationColumn::Owing: {
        const auto invoice = document_.lineInvoice(row);
        return invoice ? money(invoice->owing) : QString();
    }
    case AllocationColumn::Payment:
        return money(line.paymentAmount);
    case AllocationColumn::Discount:
        return money(line.discTakenAmount);
    case AllocationColumn::WriteOff:
        return money(line.writeOffAmount);
    case AllocationColumn::WriteOffAccount:
        return document_.lineWriteOffAccountNo(row);
    case AllocationColumn::AccountName:
        // The name editor picks an account by its key.
        if (role == Qt::EditRole)
            return line.writeOffGLAccountId ? QVariant(*line.writeOffGLAccountId) : QVariant();
        return document_.lineWriteOffAccountName(row);
    }
    return {};
}

Qt::ItemFlags AllocationLinesModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const AllocationColumn column = columnOf(index.column());
    const bool editable = column != AllocationColumn::Date && column != AllocationColumn::Owing;
    if (editable && !document_.isPosted())
        f |= Qt::ItemIsEditable;
    return f;
}

bool AllocationLinesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // An editor closed without a change leaves the line alone.
    if (value == data(index, Qt::EditRole) ||
        (value.toString().trimmed().isEmpty() && data(index, Qt::EditRole).toString().isEmpty()))
        return true;
    const QString text = value.toString().trimmed();
    return takeCellEdit<PaymentRefusal>(document_, index, [&] {
        switch (columnOf(index.column())) {
        case AllocationColumn::Invoice:
            document_.setLineInvoiceNo(text);
            return true;
        case AllocationColumn::Payment:
            document_.setLinePaymentAmount(amountTyped(text, PaymentField::PaymentColumn));
            return true;
        case AllocationColumn::Discount:
            document_.setLineDiscTakenAmount(amountTyped(text, PaymentField::DiscountColumn));
            return true;
        case AllocationColumn::WriteOff:
            document_.setLineWriteOffAmount(amountTyped(text, PaymentField::WriteOffColumn));
            return true;
        case AllocationColumn::WriteOffAccount:
            document_.setLineWriteOffAccountNo(text);
            return true;
        case AllocationColumn::AccountName:
            if (value.isValid() && value.toLongLong() != 0)
                document_.chooseLineWriteOffAccountByName(value.toLongLong());
            else
                document_.setLineWriteOffAccountNo(QString());
            return true;
        default:
            return false;
        }
    });
}
