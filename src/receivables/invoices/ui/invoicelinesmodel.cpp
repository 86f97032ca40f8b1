#include "receivables/invoices/ui/invoicelinesmodel.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicerefusal.h"

namespace
{

const char* const kHeaders[] = {"Quantity",    "Item",       "Override Description",
                                "Description", "Unit Price", "Amount"};

QString quantityText(std::optional<double> quantity)
{
    return quantity ? QString::number(*quantity, 'g', 12) : QString();
}

} // namespace

InvoiceLinesModel::InvoiceLinesModel(InvoiceDocument& document, Dialogs& dialogs, QObject* parent)
    : QAbstractTableModel(parent), document_(document), dialogs_(dialogs),
      shownRows_(document.lineCount())
{
}

void InvoiceLinesModel::sync()
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

int InvoiceLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int InvoiceLinesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(std::size(kHeaders));
}

QVariant InvoiceLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= document_.lineCount() || index.row() >= shownRows_)
        return {};
    const InvoiceLine& line = document_.line(index.row());
    const LineColumn column = columnOf(index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool number = column == LineColumn::Quantity || column == LineColumn::UnitPrice ||
                            column == LineColumn::Amount;
        return QVariant::fromValue(Qt::Alignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter));
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (column) {
    case LineColumn::Quantity:
        return quantityText(line.quantity);
    case LineColumn::Item: {
        const auto item = document_.lineItem(index.row());
        return item ? item->itemNo : QString();
    }
    case LineColumn::OverrideDescription:
        return line.itemOvDesc;
    case LineColumn::Description: {
        const auto item = document_.lineItem(index.row());
        return item ? item->itemDescription : QString();
    }
    case LineColumn::UnitPrice:
        return line.unitPrice ? formatFloat(QString(kUnitPriceFormat), *line.unitPrice) : QString();
    case LineColumn::Amount: {
        const auto amount = line.extAmount();
        return amount ? formatFloat(QString(kMoneyListFormat), *amount) : QString();
    }
    }
    return {};
}

QVariant InvoiceLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < int(std::size(kHeaders)))
        return QString::fromLatin1(kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags InvoiceLinesModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const LineColumn column = columnOf(index.column());
    const bool editable = column == LineColumn::Quantity || column == LineColumn::Item ||
                          column == LineColumn::OverrideDescription ||
                          column == LineColumn::UnitPrice;
    if (editable && !document_.isPosted())
        f |= Qt::ItemIsEditable;
    return f;
}

bool InvoiceLinesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString().trimmed();
    try {
        if (document_.editingRow() != index.row()) {
            if (index.row() >= document_.lineCount())
                return false;
            document_.editLine(index.row());
        }
        switch (columnOf(index.column())) {
        case LineColumn::Quantity: {
            bool ok = false;
            const double quantity = QLocale().toDouble(text, &ok);
            const double plain = ok ? quantity : text.toDouble(&ok);
            if (!text.isEmpty() && !ok)
                throw InvoiceRefusal(QStringLiteral("'%1' is not a valid number").arg(text),
                                     InvoiceField::QuantityColumn);
            document_.setLineQuantity(text.isEmpty() ? std::nullopt : std::optional<double>(plain));
            break;
        }
        case LineColumn::Item:
            document_.setLineItemNo(text);
            break;
        case LineColumn::OverrideDescription:
            document_.setLineOverrideDescription(value.toString());
            break;
        case LineColumn::UnitPrice: {
            const auto price = Money::parse(text, currentFormatSettings());
            if (!text.isEmpty() && !price)
                throw InvoiceRefusal(QStringLiteral("'%1' is not a valid amount").arg(text),
                                     InvoiceField::UnitPriceColumn);
            document_.setLineUnitPrice(price);
            break;
        }
        default:
            return false;
        }
    } catch (const InvoiceRefusal& refusal) {
        dialogs_.inform(Dialogs::Kind::Error, refusal.message());
        Q_EMIT refused(index);
        return false;
    }
    Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    Q_EMIT documentChanged();
    return true;
}
