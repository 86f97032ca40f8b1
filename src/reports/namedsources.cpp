#include "reports/namedsources.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/dialect.h"

namespace reports
{

namespace
{

// Builds a source's field list from the table declarations.
class SourceBuilder
{
public:
    explicit SourceBuilder(const QString& name) { source_.name = name; }

    // Every field of the table, or only the ones named, as the alias selects them.
    SourceBuilder& table(const TableDef& table, const QString& alias, const QStringList& only = {})
    {
        if (only.isEmpty()) {
            for (const FieldDef& f : table.fields)
                add(f.name, alias + QLatin1Char('.') + f.name, f.type);
            return *this;
        }
        for (const QString& name : only) {
            const FieldDef* f = table.field(name);
            Q_ASSERT(f);
            add(f->name, alias + QLatin1Char('.') + f->name, f->type);
        }
        return *this;
    }

    SourceBuilder& add(const QString& name, const QString& expression, FieldType type)
    {
        source_.fields.push_back({name, expression, type});
        return *this;
    }

    SourceBuilder& from(const QString& from, const QString& where = {})
    {
        source_.from = from;
        source_.where = where;
        return *this;
    }

    NamedSource order(const QStringList& natural)
    {
        source_.naturalOrder = natural;
        return source_;
    }

private:
    NamedSource source_;
};

const QStringList kCustomerAddress = {
    QStringLiteral("CustomerNo"),   QStringLiteral("CustomerName"),    QStringLiteral("Contact"),
    QStringLiteral("AddressLine1"), QStringLiteral("AddressLine2"),    QStringLiteral("City"),
    QStringLiteral("StateProv"),    QStringLiteral("ZipCode"),         QStringLiteral("Country"),
    QStringLiteral("CurrencyID"),   QStringLiteral("CustomerMessage"), QStringLiteral("TaxNo")};

const QStringList kShipTo = {
    QStringLiteral("ShipToName"),         QStringLiteral("ShipToAddressLine1"),
    QStringLiteral("ShipToAddressLine2"), QStringLiteral("ShipToCity"),
    QStringLiteral("ShipToStateProv"),    QStringLiteral("ShipToZipCode"),
    QStringLiteral("ShipToCountry")};

std::vector<NamedSource> declaredSources()
{
    const TableDef customer = ar::customer();
    const TableDef invoice = ar::arInv();
    std::vector<NamedSource> all;

    // Customers with their running balance (0 when they have no balance row).
    all.push_back(SourceBuilder(QStringLiteral("Customer"))
                      .table(customer, QStringLiteral("C"))
                      .add(QStringLiteral("Balance"), QStringLiteral("COALESCE(B.Balance, 0)"),
                           FieldType::Money)
                      .from(QStringLiteral("Customer C LEFT OUTER JOIN CBalance B ON "
                                           "B.CustomerID = C.CustomerID"))
                      .order({QStringLiteral("CustomerID")}));

    all.push_back(SourceBuilder(QStringLiteral("ARInv"))
                      .table(invoice, QStringLiteral("I"))
                      .table(customer, QStringLiteral("C"),
                             {QStringLiteral("CustomerNo"), QStringLiteral("CustomerName")})
                      .from(QStringLiteral(
                          "ARInv I LEFT OUTER JOIN Customer C ON C.CustomerID = I.CustomerID"))
                      .order({QStringLiteral("ARInvoiceID")}));

    all.push_back(SourceBuilder(QStringLiteral("ARInvDet"))
                      .table(ar::arInvDet(), QStringLiteral("D"))
                      .table(invoice, QStringLiteral("I"), {QStringLiteral("InvoiceNo")})
                      .table(ar::item(), QStringLiteral("T"),
                             {QStringLiteral("ItemNo"), QStringLiteral("ItemDescription")})
                      .from(QStringLiteral("ARInvDet D LEFT OUTER JOIN ARInv I ON I.ARInvoiceID = "
                                           "D.ARInvoiceID LEFT OUTER JOIN Item T ON T.ItemID = "
                                           "D.ItemID"))
                      .order({QStringLiteral("ARInvoiceID"), QStringLiteral("Seq")}));

    all.push_back(SourceBuilder(QStringLiteral("ARPmt"))
                      .table(ar::arPmt(), QStringLiteral("P"))
                      .table(customer, QStringLiteral("C"),
                             {QStringLiteral("CustomerNo"), QStringLiteral("CustomerName")})
                      .from(QStringLiteral(
                          "ARPmt P LEFT OUTER JOIN Customer C ON C.CustomerID = P.CustomerID"))
                      .order({QStringLiteral("PaymentID")}));

    // What each payment paid on each invoice.
    all.push_back(SourceBuilder(QStringLiteral("ARPmtDet"))
                      .table(ar::arInvPmt(), QStringLiteral("A"))
                      .table(invoice, QStringLiteral("I"), {QStringLiteral("InvoiceNo")})
                      .table(ar::arPmt(), QStringLiteral("P"),
                             {QStringLiteral("ChequeNo"), QStringLiteral("PaymentDate")})
                      .from(QStringLiteral("ARInvPmt A LEFT OUTER JOIN ARInv I ON I.ARInvoiceID = "
                                           "A.ARInvoiceID LEFT OUTER JOIN ARPmt P ON P.PaymentID = "
                                           "A.PaymentID"))
                      .order({QStringLiteral("PaymentID"), QStringLiteral("ARInvoiceID")}));

    all.push_back(SourceBuilder(QStringLiteral("Item"))
                      .table(ar::item(), QStringLiteral("T"))
                      .from(QStringLiteral("Item T"))
                      .order({QStringLiteral("ItemID")}));

    // The invoice selection of the print run. The invoice's own CustomerType comes first; the
    // customer's, selected after it, is CustomerType_1.
    const FieldDef* customerType = customer.field(QStringLiteral("CustomerType"));
    all.push_back(SourceBuilder(kLabelSource)
                      .table(invoice, QStringLiteral("I"))
                      .table(customer, QStringLiteral("C"), kCustomerAddress)
                      .table(customer, QStringLiteral("Recip"), kShipTo)
                      .add(QStringLiteral("CustomerType_1"), QStringLiteral("C.CustomerType"),
                           customerType->type)
                      .from(QStringLiteral("ARInv I INNER JOIN Customer C ON I.CustomerID = "
                                           "C.CustomerID LEFT OUTER JOIN Customer Recip ON "
                                           "I.Recip_ID = Recip.CustomerNo"),
                            QStringLiteral("I.Printed = false"))
                      .order({QStringLiteral("InvoiceNo"), QStringLiteral("ARInvoiceID")}));
    return all;
}

bool isText(FieldType type)
{
    return type == FieldType::String || type == FieldType::Char || type == FieldType::Memo;
}

} // namespace

const NamedSource::Field* NamedSource::field(const QString& wanted) const
{
    for (const Field& f : fields) {
        if (f.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QStringList NamedSource::fieldNames() const
{
    QStringList names;
    for (const Field& f : fields)
        names << f.name;
    return names;
}

NamedSources::NamedSources() : sources_(declaredSources()) {}

const NamedSource* NamedSources::find(const QString& source) const
{
    for (const NamedSource& s : sources_) {
        if (s.name.compare(source, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

std::optional<QStringList> NamedSources::fieldsOf(const QString& source) const
{
    if (const NamedSource* s = find(source))
        return s->fieldNames();
    return std::nullopt;
}

QStringList NamedSources::sourceNames() const
{
    QStringList names;
    for (const NamedSource& s : sources_)
        names << s.name;
    return names;
}

QString NamedSources::selectSql(const Dialect& dialect, const QString& sourceName,
                                const QStringList& orderBy,
                                const std::optional<QString>& condition) const
{
    const NamedSource* source = find(sourceName);
    if (!source)
        throw report::TemplateError(QStringLiteral("There is no report source \"%1\" (sources: %2)")
                                        .arg(sourceName, sourceNames().join(QStringLiteral(", "))));

    QStringList columns;
    for (const NamedSource::Field& f : source->fields)
        columns << f.expression + QStringLiteral(" AS ") + f.name;

    // The asked order, then the source's own; empty values first on every engine, text
    // without regard to case.
    QStringList order = orderBy.isEmpty() ? source->naturalOrder : orderBy;
    for (const QString& name : source->naturalOrder) {
        if (!order.contains(name, Qt::CaseInsensitive))
            order << name;
    }
    QStringList terms;
    for (const QString& name : order) {
        const NamedSource::Field* f = source->field(name);
        if (!f)
            throw report::TemplateError(
                QStringLiteral("The report source \"%1\" has no field \"%2\" to order by")
                    .arg(source->name, name));
        terms << QStringLiteral("CASE WHEN %1 IS NULL THEN 0 ELSE 1 END").arg(f->expression)
              << (isText(f->type) ? dialect.nocaseOrder(f->expression) : f->expression);
    }

    QString sql = QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) +
                  QStringLiteral(" FROM ") + source->from;
    const QString where = condition.value_or(source->where);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    return sql + QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
}

std::unique_ptr<report::RowSource> NamedSources::open(Database& db, const QString& source,
                                                      const QStringList& orderBy) const
{
    return std::make_unique<report::QueryRowSource>(db, selectSql(db.dialect(), source, orderBy));
}

std::unique_ptr<report::RowSource>
NamedSources::open(Database& db, const QString& source, const QStringList& orderBy,
                   const QString& condition, QList<std::pair<QString, QVariant>> bindings) const
{
    return std::make_unique<report::QueryRowSource>(
        db, selectSql(db.dialect(), source, orderBy, condition), std::move(bindings));
}

} // namespace reports
