#pragma once
// The organization record as Organization Setup edits it: its identity (copied from the host's
// configuration, shown only), its fiscal year and period guards, and the invoicing options that
// generation, the documents and printing read from the Company row.

#include <QString>
#include <optional>

class Database;

// A bookkeeping period: the year and the period 1..12, either may be empty.
struct CompanyPeriod {
    std::optional<int> year;
    std::optional<int> period;
    bool operator==(const CompanyPeriod&) const = default;
};

struct CompanySettings {
    // Shown only: the host's configuration is their master.
    QString companyName;
    QString addressLine1;
    QString addressLine2;
    QString addressLine3;
    QString phone;

    QString taxNo;
    std::optional<int> fiscalYear;
    CompanyPeriod defaultPeriod;
    CompanyPeriod warnFrom;
    CompanyPeriod warnTo;
    CompanyPeriod errorFrom;
    CompanyPeriod errorTo;
    std::optional<int> defaultNetDays; // 0: "Payable on Receipt"
    QString clientInvoiceLineItems;
    QString clientInvoiceFormat;
    QString funderInvoicingMethod;
    QString funderInvoiceLineItems;
    QString funderInvoiceFormat;
    bool suppressInvoiceWording = false;
    bool suppressPosting = false;
    std::optional<qint64> defaultCurrencyId;
    QString notes;

    bool operator==(const CompanySettings&) const = default;

    static constexpr int kFirstFiscalYear = 1989;
    static constexpr int kLastFiscalYear = 2050;
};

namespace companysettings
{
// The organization's row as stored; all empty when there is none.
CompanySettings read(Database& db);
// The record as the screen opens it: a first row is made when there is none (number 1, this
// calendar year as fiscal year, one invoice copy), and the name, address and phone are copied
// from the host's configuration and stored.
CompanySettings open(Database& db);
// The checks made before the record is written, in order: the name, then the fiscal year.
// Throws CompanyRefusal.
void check(const CompanySettings& settings);
// Checks and writes everything the screen edits in one transaction; the identity fields are
// left as the host's configuration put them. A period outside 1..12 (which the screen's boxes
// cannot hold) is refused with std::invalid_argument.
void save(Database& db, const CompanySettings& settings);
} // namespace companysettings
