#include "masterdata/customers/customerfields.h"

#include "common/formatsettings.h"
#include "common/money.h"
#include "masterdata/customers/customerrecord.h"
#include "masterdata/customers/customersave.h"
#include "masterdata/customers/webpageentry.h"

namespace
{
CustomerField text(const char* name)
{
    return {QString::fromLatin1(name), CustomerFieldKind::Text};
}
} // namespace

const QList<CustomerField>& editableCustomerFields()
{
    using K = CustomerFieldKind;
    static const QList<CustomerField> fields{
        // Address
        text("CustomerName"),
        text("AddressLine1"),
        text("AddressLine2"),
        text("City"),
        text("StateProv"),
        {QStringLiteral("ZipCode"), K::UpperText},
        text("Country"),
        text("Phone"),
        text("Fax"),
        text("Contact"),
        text("EMail"),
        {QStringLiteral("WebPage"), K::WebPage},
        {QStringLiteral("Suspended"), K::Flag},
        // Deliver-to
        text("ShipToName"),
        text("ShipToAddressLine1"),
        text("ShipToAddressLine2"),
        text("ShipToCity"),
        text("ShipToStateProv"),
        {QStringLiteral("ShipToZipCode"), K::UpperText},
        text("ShipToCountry"),
        // Terms, etc.
        {QStringLiteral("DiscPC"), K::Percent},
        {QStringLiteral("DiscDays"), K::Days},
        {QStringLiteral("NetDays"), K::Days},
        {QStringLiteral("CreditLimit"), K::Amount},
        {QStringLiteral("CurrencyID"), K::CodeId},
        text("CustomerMessage"),
        {QStringLiteral("PrintStatement"), K::Flag},
        // Sales
        {QStringLiteral("Tax1ID"), K::CodeId},
        text("Tax1ExemptionNo"),
        {QStringLiteral("Tax2ID"), K::CodeId},
        text("Tax2ExemptionNo"),
        text("TaxNo"),
        {QStringLiteral("SalesmanID"), K::CodeId},
        {QStringLiteral("CustomerTypeID"), K::CodeId},
        // Notes
        text("Notes"),
    };
    return fields;
}

const CustomerField* editableCustomerField(const QString& name)
{
    for (const CustomerField& field : editableCustomerFields())
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

QVariant customerFieldValue(const CustomerField& field, const QString& typed, QString* wrong)
{
    const QString t = typed.trimmed();
    const auto refuse = [&](const QString& why) {
        if (wrong)
            *wrong = why;
        return QVariant();
    };
    switch (field.kind) {
    case CustomerFieldKind::Text:
        return typed.isEmpty() ? QVariant() : QVariant(typed);
    case CustomerFieldKind::UpperText:
        return typed.isEmpty() ? QVariant() : QVariant(typed.toUpper());
    case CustomerFieldKind::WebPage: {
        const QString stored = webPageFromEntry(typed);
        return stored.isEmpty() ? QVariant() : QVariant(stored);
    }
    case CustomerFieldKind::Flag: {
        const QString w = t.toLower();
        if (w == QLatin1String("yes") || w == QLatin1String("true") || w == QLatin1String("1"))
            return true;
        if (w == QLatin1String("no") || w == QLatin1String("false") || w == QLatin1String("0"))
            return false;
        return refuse(QStringLiteral("'%1' is not yes or no").arg(typed));
    }
    default:
        break;
    }
    if (t.isEmpty())
        return {};
    switch (field.kind) {
    case CustomerFieldKind::Amount: {
        const std::optional<Money> amount = Money::parse(t, currentFormatSettings());
        if (!amount)
            return refuse(QStringLiteral("'%1' is not a valid amount").arg(typed));
        return amount->raw();
    }
    case CustomerFieldKind::Percent: {
        bool ok = false;
        const double percent = t.toDouble(&ok);
        return ok ? QVariant(percent)
                  : refuse(QStringLiteral("'%1' is not a valid number").arg(typed));
    }
    default: {
        bool ok = false;
        const qint64 n = t.toLongLong(&ok);
        return ok ? QVariant(n) : refuse(QStringLiteral("'%1' is not a valid integer").arg(typed));
    }
    }
}

CustomerCheck setCustomerField(Database& db, CustomerRecord& record, const CustomerField& field,
                               const QVariant& value)
{
    if (field.name == QLatin1String("CurrencyID"))
        if (CustomerCheck refused = currencyChangeRefusal(db, record, value.toLongLong()))
            return refused;
    if (value.isNull())
        record.values.remove(field.name);
    else
        record.values.insert(field.name, value);
    return std::nullopt;
}
