#include "data/lookups.h"

#include "data/artables.h"
#include "data/datasets.h"
#include "data/lookupfields.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"

namespace
{

// The ORDER BY text of one of a table's declared indexes.
QString indexOrder(const Dialect& dialect, const TableDef& table, const QString& indexName)
{
    for (const IndexDef& index : table.indexes) {
        if (index.name.compare(indexName, Qt::CaseInsensitive) != 0)
            continue;
        QStringList terms;
        for (const QString& field : index.fields) {
            QString term = index.caseInsensitive ? dialect.nocaseOrder(field) : field;
            if (index.descending)
                term += QStringLiteral(" DESC");
            terms << term;
        }
        return terms.join(QStringLiteral(", "));
    }
    return {};
}

QString text(const QSqlRecord& record, const char* field)
{
    return record.value(QString::fromLatin1(field)).toString();
}

std::optional<int> days(const QSqlRecord& record, const char* field)
{
    const QVariant v = record.value(QString::fromLatin1(field));
    return v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
}

QString customerAddress(const QSqlRecord& r, const char* line1, const char* line2, const char* city,
                        const char* state, const char* zip, const char* country)
{
    return joinedAddress({text(r, line1), text(r, line2), text(r, city), text(r, state),
                          text(r, zip), text(r, country)});
}

} // namespace

LookupView::LookupView(Database& db, const QString& table, const QString& orderBy, QObject* parent)
    : QAbstractTableModel(parent), db_(db), rows_(new TableDataset(db, table, this))
{
    rows_->setOrder(orderBy);
}

void LookupView::setFilter(const QString& filter)
{
    rows_->setFilter(filter);
}

void LookupView::addCalculated(const Calculated& field)
{
    calculated_ << field;
}

void LookupView::setWritable(const QString& keyField)
{
    keyField_ = keyField;
}

void LookupView::open()
{
    if (isOpen())
        return;
    beginResetModel();
    tableMissing_ = !schema::tableExists(db_, rows_->tableName());
    if (!tableMissing_)
        rows_->open();
    endResetModel();
}

void LookupView::close()
{
    beginResetModel();
    rows_->close();
    tableMissing_ = false;
    endResetModel();
}

void LookupView::refresh()
{
    beginResetModel();
    rows_->refresh();
    endResetModel();
}

bool LookupView::isOpen() const
{
    return tableMissing_ || rows_->isOpen();
}

QString LookupView::tableName() const
{
    return rows_->tableName();
}

QVariant LookupView::value(int row, const QString& field) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const QSqlRecord& record = rows_->rows()[row];
    for (const Calculated& c : calculated_) {
        if (c.name.compare(field, Qt::CaseInsensitive) == 0)
            return c.compute(record);
    }
    return record.value(field);
}

int LookupView::rowOf(const QString& field, const QVariant& wanted) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (value(row, field) == wanted)
            return row;
    }
    return -1;
}

int LookupView::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_->rows().size());
}

QString LookupView::columnName(int column) const
{
    if (rows_->rows().isEmpty())
        return {};
    const QSqlRecord& first = rows_->rows().first();
    if (column < first.count())
        return first.fieldName(column);
    return calculated_.value(column - first.count()).name;
}

int LookupView::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || rows_->rows().isEmpty())
        return 0;
    return int(rows_->rows().first().count() + calculated_.size());
}

QVariant LookupView::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return value(index.row(), columnName(index.column()));
}

QVariant LookupView::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return columnName(section);
}

Qt::ItemFlags LookupView::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!keyField_.isEmpty() && index.isValid() && index.column() < rows_->rows().first().count())
        f |= Qt::ItemIsEditable;
    return f;
}

bool LookupView::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (keyField_.isEmpty() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QVariant key = this->value(index.row(), keyField_);
    records::update(db_, ar::customer(), {{columnName(index.column()), value}},
                    keyField_ + QStringLiteral(" = :key"), {{QStringLiteral("key"), key}});
    refresh();
    return true;
}

TdmLookUps::TdmLookUps(Database& db, QObject* owner) : QObject(owner)
{
    setObjectName(QStringLiteral("dmLookUps"));
    const Dialect& d = db.dialect();
    auto view = [&](const TableDef& table, const char* index) {
        return new LookupView(db, table.name, indexOrder(d, table, QString::fromLatin1(index)),
                              this);
    };
    tblTax = view(ar::tax(), "TaxName1");
    tblSalesman = view(ar::salesman(), "FullName");
    tblSalesman->addCalculated(
        {QStringLiteral("FullName"), [](const QSqlRecord& r) {
             return salesmanFullName(text(r, "FirstName"), text(r, "LastName")).left(60);
         }});
    tblCusType = view(ar::cusType(), "TypeName1");
    tblCurrency = view(ar::currency(), "CurrencyName1");
    tblItem = view(ar::item(), "ItemDescription1");
    tblCustomer = view(ar::customer(), "CustomerName1");
    tblCustomer->addCalculated({QStringLiteral("Address"), [](const QSqlRecord& r) {
                                    return customerAddress(r, "AddressLine1", "AddressLine2",
                                                           "City", "StateProv", "ZipCode",
                                                           "Country");
                                }});
    tblCustomer->addCalculated({QStringLiteral("ShipToAddress"), [](const QSqlRecord& r) {
                                    return customerAddress(
                                        r, "ShipToAddressLine1", "ShipToAddressLine2", "ShipToCity",
                                        "ShipToStateProv", "ShipToZipCode", "ShipToCountry");
                                }});
    tblGLAccnt = view(ar::glAccount(), "AccountName1");
    tblGLAccnt->addCalculated({QStringLiteral("AccountName30"),
                               [](const QSqlRecord& r) { return text(r, "AccountName"); }});
    // The vendor table belongs to another module; it may not be there at all.
    tblVendor = new LookupView(db, QStringLiteral("Vendor"),
                               d.nocaseOrder(QStringLiteral("VendorName")), this);
    tblVendor->addCalculated({QStringLiteral("Address"), [](const QSqlRecord& r) {
                                  return customerAddress(r, "AddressLine1", "AddressLine2", "City",
                                                         "StateProv", "ZipCode", "Country");
                              }});
    tblVendor->addCalculated(
        {QStringLiteral("Terms"), [](const QSqlRecord& r) {
             const QVariant disc = r.value(QStringLiteral("DiscPC"));
             return vendorTerms(disc.isNull() ? std::nullopt
                                              : std::optional<double>(disc.toDouble()),
                                days(r, "DiscDays"), days(r, "NetDays"), days(r, "DelayDays"))
                 .left(60);
         }});
    tblBank = view(ar::bank(), "BankName1");
    tblItemType = view(ar::itemType(), "TypeName1");
    tblWarehse = view(ar::warehouse(), "WarehouseName1");
    tblLogo = new LookupView(db, QStringLiteral("Logo"), QString(), this);
    tblRecipient = view(ar::customer(), "CUSTOMERNO");
    tblRecipient->setFilter(QStringLiteral("CustomerType = 'C'"));
    tblRecipient->setWritable(QStringLiteral("CustomerID"));
}
