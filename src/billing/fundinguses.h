#pragma once
// The funding uses of the run's clients, read from the host once: the billing method and the
// time-billing rate a client's own funding use names under a funding source and service, taken
// in the order the lookup for one client takes them (a row for the line's service before a row
// for all services, then the table's order).

#include "billing/unitprices.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

class Database;

namespace billing
{

class FundingUses
{
public:
    // Reads the funding uses of every client in the run's MemDeliveries.
    explicit FundingUses(Database& db);

    // The first non-empty Reimbursement_Method, without trailing blanks; empty when none.
    QString method(qint64 personId, qint64 serviceId, const QString& fundingCode) const;
    // The first rate of a time-billed use ("T") that is not empty.
    std::optional<PeriodRate> timeRate(qint64 personId, qint64 serviceId,
                                       const QString& fundingCode) const;

private:
    struct Use {
        qint64 serviceId = 0;
        QString fundingCode; // trailing blanks dropped
        QString method;      // trailing blanks dropped
        QVariant rate;       // the host's amount, NULL when not given
        QString period;
    };
    // The uses that apply to the line, those for its own service first.
    QList<const Use*> applying(qint64 personId, qint64 serviceId, const QString& fundingCode) const;

    QHash<qint64, QList<Use>> byPerson_;
};

} // namespace billing
