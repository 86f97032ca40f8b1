#include "receivables/invoices/ui/invoicelinesmodel.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicerefusal.h"

namespace
{

QString quantityText(std::optional<double> quantity)
{
    return quantity ? QString::number(*quantity, 'g', 12) : QString();
}

} // namespace

InvoiceLinesModel::InvoiceLinesModel(InvoiceDocument& document, Dialogs& dialogs, QObject* parent)
    : DocumentLinesModel({QStringLiteral("Quantity"), QStringLiteral("Item"),
                          QStringLiteral("Override Description"), QStringLiteral("Description"),
                          QStringLiteral("Unit Price"), QStringLiteral("Amount")},
                         dialogs, parent),
      document_(document)
{
    showLines();
}

int InvoiceLinesModel::documentLineCount() const
{
    return document_.lineCount();
}

QVariant InvoiceLinesModel::data(const QModelIndex& index, int role) const
{
    if (!isShownLine(index))
        return {};
    const InvoiceLine& line = document_.line(index.row());
    const LineColumn column = columnOf(index.column());
    if (role == Qt::TextAlignmentRole)
        return cellAlignment(column == LineColumn::Quantity || column == LineColumn::UnitPrice ||
                             column == LineColumn::Amount);
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
    return takeCellEdit<InvoiceRefusal>(document_, index, [&] {
        switch (columnOf(index.column())) {
        case LineColumn::Quantity: {
            bool ok = false;
            const double quantity = QLocale().toDouble(text, &ok);
            const double plain = ok ? quantity : text.toDouble(&ok);
            if (!text.isEmpty() && !ok)
                throw InvoiceRefusal(QStringLiteral("'%1' is not a valid number").arg(text),
                                     InvoiceField::QuantityColumn);
            document_.setLineQuantity(text.isEmpty() ? std::nullopt : std::optional<double>(plain));
            return true;
        }
        case LineColumn::Item:
            document_.setLineItemNo(text);
            return true;
        case LineColumn::OverrideDescription:
            document_.setLineOverrideDescription(value.toString());
            return true;
        case LineColumn::UnitPrice: {
            const auto price = Money::parse(text, currentFormatSettings());
            if (!text.isEmpty() && !price)
                throw InvoiceRefusal(QStringLiteral("'%1' is not a valid amount").arg(text),
                                     InvoiceField::UnitPriceColumn);
            document_.setLineUnitPrice(price);
            return true;
        }
        default:
            return false;
        }
    });
}
