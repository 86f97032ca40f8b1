#pragma once
// The rows a register's grid shows, each found by its document's key (`Key`). The register's
// own model says how its columns show a row.

#include <QAbstractTableModel>
#include <QList>

template <class Row, qint64 Row::*Key> class RowListModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    const Row* rowAt(int row) const
    {
        return row >= 0 && row < rows_.size() ? &rows_[row] : nullptr;
    }
    // The row showing the document; -1 when the list does not show it.
    int rowOf(qint64 key) const
    {
        for (int row = 0; row < rows_.size(); ++row) {
            if (rows_[row].*Key == key)
                return row;
        }
        return -1;
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(rows_.size());
    }

protected:
    void replaceRows(QList<Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

private:
    QList<Row> rows_;
};
