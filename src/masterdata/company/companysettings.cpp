#include "masterdata/company/companysettings.h"

#include "data/artables.h"
#include "data/companyrow.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/transaction.h"
#include "masterdata/company/companyrefusal.h"

#include <QDate>
#include <stdexcept>

namespace companysettings
{

namespace
{

std::optional<int> optionalInt(const Statement& s, const QString& field)
{
    return s.isNull(field) ? std::nullopt : std::optional<int>(int(s.integer(field)));
}

QVariant stored(const std::optional<int>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Int));
}

CompanyPeriod readPeriod(const Statement& s, const QString& prefix)
{
    return {optionalInt(s, prefix + QStringLiteral("YYYY")),
            optionalInt(s, prefix + QStringLiteral("PP"))};
}

void putPeriod(QVariantMap& values, const QString& prefix, const CompanyPeriod& period)
{
    if (period.period && (*period.period < 1 || *period.period > 12))
        throw std::invalid_argument("a period is 1 to 12");
    values.insert(prefix + QStringLiteral("YYYY"), stored(period.year));
    values.insert(prefix + QStringLiteral("PP"), stored(period.period));
}

// The fields a first row starts with, besides those the host's configuration gives.
QVariantMap newRecordDefaults()
{
    return {{QStringLiteral("CompanyNo"), 1},
            {QStringLiteral("FiscalYear"), QDate::currentDate().year()},
            {QStringLiteral("ARInvoiceStyle"), 0},
            {QStringLiteral("ARInvoiceAustralia"), false},
            {QStringLiteral("ARInvoiceCopies"), 1},
            {QStringLiteral("ApplicationVersion"), QStringLiteral("2.55")}};
}

} // namespace

CompanySettings read(Database& db)
{
    Statement s = db.prepare(QStringLiteral("SELECT * FROM Company ORDER BY CompanyNo LIMIT 1"));
    s.exec();
    CompanySettings c;
    if (!s.next())
        return c;
    c.companyName = s.text(QStringLiteral("CompanyName"));
    c.addressLine1 = s.text(QStringLiteral("AddressLine1"));
    c.addressLine2 = s.text(QStringLiteral("AddressLine2"));
    c.addressLine3 = s.text(QStringLiteral("AddressLine3"));
    c.phone = s.text(QStringLiteral("Phone"));
    c.taxNo = s.text(QStringLiteral("TaxNo"));
    c.fiscalYear = optionalInt(s, QStringLiteral("FiscalYear"));
    c.defaultPeriod = readPeriod(s, QStringLiteral("DefaultPeriod"));
    c.warnFrom = readPeriod(s, QStringLiteral("WPeriodFrom"));
    c.warnTo = readPeriod(s, QStringLiteral("WPeriodTo"));
    c.errorFrom = readPeriod(s, QStringLiteral("EPeriodFrom"));
    c.errorTo = readPeriod(s, QStringLiteral("EPeriodTo"));
    c.defaultNetDays = optionalInt(s, QStringLiteral("DefaultNetDays"));
    c.clientInvoiceLineItems = s.text(QStringLiteral("ClientInvoiceLineItems"));
    c.clientInvoiceFormat = s.text(QStringLiteral("ClientInvoiceFormat"));
    c.funderInvoicingMethod = s.text(QStringLiteral("FunderInvoicingMethod"));
    c.funderInvoiceLineItems = s.text(QStringLiteral("FunderInvoiceLineItems"));
    c.funderInvoiceFormat = s.text(QStringLiteral("FunderInvoiceFormat"));
    c.suppressInvoiceWording = s.boolean(QStringLiteral("SuppressInvoiceWording"));
    c.suppressPosting = s.boolean(QStringLiteral("SuppressPosting"));
    if (!s.isNull(QStringLiteral("DefaultCurrencyID")))
        c.defaultCurrencyId = s.integer(QStringLiteral("DefaultCurrencyID"));
    c.notes = s.text(QStringLiteral("Notes"));
    return c;
}

CompanySettings open(Database& db)
{
    Transaction transaction(db);
    const QVariantMap host = companyrow::fromHostConfig(db);
    if (companyrow::exists(db)) {
        companyrow::update(db, host);
    } else {
        QVariantMap first = newRecordDefaults();
        first.insert(host);
        records::insert(db, ar::company(), first);
    }
    transaction.commit();
    return read(db);
}

void check(const CompanySettings& settings)
{
    if (settings.companyName.trimmed().isEmpty())
        throw CompanyRefusal(companymessages::kNameRequired, CompanyField::CompanyName);
    const int year = settings.fiscalYear.value_or(0);
    if (year < CompanySettings::kFirstFiscalYear || year > CompanySettings::kLastFiscalYear)
        throw CompanyRefusal(companymessages::kFiscalYearRange, CompanyField::FiscalYear);
}

void save(Database& db, const CompanySettings& settings)
{
    check(settings);
    QVariantMap values{
        {QStringLiteral("TaxNo"), settings.taxNo},
        {QStringLiteral("FiscalYear"), stored(settings.fiscalYear)},
        {QStringLiteral("DefaultNetDays"), stored(settings.defaultNetDays)},
        {QStringLiteral("ClientInvoiceLineItems"), settings.clientInvoiceLineItems},
        {QStringLiteral("ClientInvoiceFormat"), settings.clientInvoiceFormat},
        {QStringLiteral("FunderInvoicingMethod"), settings.funderInvoicingMethod},
        {QStringLiteral("FunderInvoiceLineItems"), settings.funderInvoiceLineItems},
        {QStringLiteral("FunderInvoiceFormat"), settings.funderInvoiceFormat},
        {QStringLiteral("SuppressInvoiceWording"), settings.suppressInvoiceWording},
        {QStringLiteral("SuppressPosting"), settings.suppressPosting},
        {QStringLiteral("DefaultCurrencyID"), settings.defaultCurrencyId
                                                  ? QVariant(*settings.defaultCurrencyId)
                                                  : QVariant(QMetaType(QMetaType::LongLong))},
        {QStringLiteral("Notes"), settings.notes},
    };
    putPeriod(values, QStringLiteral("DefaultPeriod"), settings.defaultPeriod);
    putPeriod(values, QStringLiteral("WPeriodFrom"), settings.warnFrom);
    putPeriod(values, QStringLiteral("WPeriodTo"), settings.warnTo);
    putPeriod(values, QStringLiteral("EPeriodFrom"), settings.errorFrom);
    putPeriod(values, QStringLiteral("EPeriodTo"), settings.errorTo);
    Transaction transaction(db);
    if (companyrow::update(db, values) == 0)
        throw std::runtime_error("The organization's record is missing; it was not saved.");
    transaction.commit();
}

} // namespace companysettings
