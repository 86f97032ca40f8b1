#pragma once
// Read-only, name-ordered views of the code tables for pick lists, each usable as an item model,
// with the display fields computed as rows are read.

#include <QAbstractTableModel>
#include <QSqlRecord>
#include <functional>

class Database;
class TableDataset;

class LookupView : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Calculated {
        QString name;
        std::function<QString(const QSqlRecord&)> compute;
    };

    LookupView(Database& db, const QString& table, const QString& orderBy, QObject* parent);
    void setFilter(const QString& filter);
    void addCalculated(const Calculated& field);
    // Edits write through to the table, row by row, found by its key field.
    void setWritable(const QString& keyField);

    // A table that does not exist opens as an empty view.
    void open();
    void close();
    void refresh();
    bool isOpen() const;

    QString tableName() const;
    QVariant value(int row, const QString& field) const;
    int rowOf(const QString& field, const QVariant& value) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QString columnName(int column) const;

    Database& db_;
    TableDataset* rows_;
    QList<Calculated> calculated_;
    QString keyField_;
    bool tableMissing_ = false;
};

class TdmLookUps : public QObject
{
    Q_OBJECT
public:
    explicit TdmLookUps(Database& db, QObject* owner = nullptr);

    LookupView* tblTax;
    LookupView* tblSalesman;
    LookupView* tblCusType;
    LookupView* tblCurrency;
    LookupView* tblItem;
    LookupView* tblCustomer;
    LookupView* tblGLAccnt;
    LookupView* tblVendor;
    LookupView* tblBank;
    LookupView* tblItemType;
    LookupView* tblWarehse;
    LookupView* tblLogo;
    LookupView* tblRecipient;
};
