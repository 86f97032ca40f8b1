#pragma once
// The invoice register's list: every AR invoice with its customer's number, name, currency,
// phone and e-mail, in one of two orders, narrowed by the Outstanding toggle and the filter
// dialog's choices. Every value the bookkeeper types reaches the engine as a bound parameter,
// so a quote, a percent sign or a piece of SQL in a description is matched as the text it is.

#include "common/money.h"
#include "receivables/listing/listquery.h"
#include "receivables/listing/listtexts.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

class Database;
class Statement;

enum class RegisterOrder {
    DateNewestFirst, // InvoiceDate, then InvoiceNo, both descending: the register opens so
    InvoiceNo,
};

struct RegisterFilter {
    std::optional<qint64> customerId;
    // Applied through the invoice's customer: an invoice whose customer is gone never matches.
    std::optional<qint64> currencyId;
    // Found anywhere in the invoice's description, without regard to case; % and _ are plain
    // characters. Empty: no condition.
    QString description;
    FlagChoice posted = FlagChoice::All;
    FlagChoice printed = FlagChoice::All;

    // Whether the filter dialog narrowed the list at all (the caption says "Filtered").
    bool narrows() const;
};

struct RegisterView {
    RegisterFilter filter;
    bool outstanding = false; // only invoices with an amount owing, credits included
    RegisterOrder order = RegisterOrder::DateNewestFirst;
};

struct RegisterRow {
    qint64 invoiceId = 0;
    std::optional<qint64> customerId;
    QString invoiceNo;
    QDate invoiceDate;
    QString description;
    QString customerType;
    Money invoiceAmount;
    Money paidAmount;
    Money discTakenAmount;
    Money writeOffAmount;
    Money owing;
    bool printed = false;
    bool posted = false;
    std::optional<int> glPeriod;
    std::optional<int> glYear;
    // Looked up from the customer; empty when the customer no longer exists.
    QString customerNo;
    QString customerName;
    std::optional<qint64> currencyId;
    QString phone;
    QString email;

    // Days from the invoice date to `today`; none without a date.
    std::optional<qint64> age(const QDate& today) const;
    // "6/2024": GLPeriod "/" GLYear, at most 7 characters; a missing part is left empty.
    QString periodText() const;
};

// The list's SQL over ARInv I LEFT JOIN Customer C: its bound conditions and its order.
class RegisterQuery : public ListQuery
{
public:
    explicit RegisterQuery(const RegisterView& view);
};

// The rows of the list as it stands, in its order.
QList<RegisterRow> readRegister(Database& db, const RegisterView& view);
// The LIKE pattern that finds `text` anywhere, its % _ and \ escaped with '\'.
QString containsPattern(const QString& text);
