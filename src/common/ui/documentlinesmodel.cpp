#include "common/ui/documentlinesmodel.h"

#include "common/dialogs.h"

DocumentLinesModel::DocumentLinesModel(QStringList headers, Dialogs& dialogs, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), dialogs_(dialogs)
{
}

void DocumentLinesModel::sync()
{
    const int rows = documentLineCount();
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

int DocumentLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int DocumentLinesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant DocumentLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headers_.size())
        return headers_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool DocumentLinesModel::isShownLine(const QModelIndex& index) const
{
    return index.isValid() && index.row() < documentLineCount() && index.row() < shownRows_;
}

QVariant DocumentLinesModel::cellAlignment(bool number)
{
    return QVariant::fromValue(
        Qt::Alignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
}

void DocumentLinesModel::refuse(const QModelIndex& index, const QString& message)
{
    dialogs_.inform(Dialogs::Kind::Error, message);
    Q_EMIT refused(index);
}

void DocumentLinesModel::lineChanged(int row)
{
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    Q_EMIT documentChanged();
}
