#include "receivables/payments/ui/allocationlinesmodel.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "common/formatsettings.h"
#include "receivables/payments/paymentdocument.h"

#include <QLocale>

namespace
{

const char* const kHeaders[] = {"Invoice no.", "Date",      "Owing",        "Payment",
                                "Discount",    "Write-Off", "W/O GL Acct.", "Name"};

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
    : QAbstractTableModel(parent), document_(document), dialogs_(dialogs),
      shownRows_(document.lineCount())
{
}

void AllocationLinesModel::sync()
{
    const int rows = document_.lineCount();
    if (rows > shownRows_) {
        beginInsertRows({}, shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows({}, rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
    if (rows > 0)
        Q_EMIT dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
    Q_EMIT documentChanged();
}

int AllocationLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int AllocationLinesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kAllocationColumns;
}

QVariant AllocationLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= document_.lineCount() || index.row() >= shownRows_)
        return {};
    const int row = index.row();
    const PaymentLine& line = document_.line(row);
    const AllocationColumn column = columnOf(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::Alignment((isAmount(column) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
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

QVariant AllocationLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kAllocationColumns)
        return QString::fromLatin1(kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
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
    try {
        if (document_.editingRow() != index.row()) {
            if (index.row() >= document_.lineCount())
                return false;
            document_.editLine(index.row());
        }
        switch (columnOf(index.column())) {
        case AllocationColumn::Invoice:
            document_.setLineInvoiceNo(text);
            break;
        case AllocationColumn::Payment:
            document_.setLinePaymentAmount(amountTyped(text, PaymentField::PaymentColumn));
            break;
        case AllocationColumn::Discount:
            document_.setLineDiscTakenAmount(amountTyped(text, PaymentField::DiscountColumn));
            break;
        case AllocationColumn::WriteOff:
            document_.setLineWriteOffAmount(amountTyped(text, PaymentField::WriteOffColumn));
            break;
        case AllocationColumn::WriteOffAccount:
            document_.setLineWriteOffAccountNo(text);
            break;
        case AllocationColumn::AccountName:
            if (value.isValid() && value.toLongLong() != 0)
                document_.chooseLineWriteOffAccountByName(value.toLongLong());
            else
                document_.setLineWriteOffAccountNo(QString());
            break;
        default:
            return false;
        }
    } catch (const PaymentRefusal& refusal) {
        dialogs_.inform(Dialogs::Kind::Error, refusal.message());
        Q_EMIT refused(index);
        return false;
    }
    Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    Q_EMIT documentChanged();
    return true;
}
