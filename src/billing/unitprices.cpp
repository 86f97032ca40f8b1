#include "billing/unitprices.h"

#include "billing/billedparty.h"
#include "engine/database.h"

#include <map>

namespace billing
{

namespace
{

const QString kFunderOnFile = QStringLiteral(
    " AND EXISTS (SELECT 1 FROM FundSrcs WHERE RTRIM(FundSrcs.Fund_CD) = RTRIM(Pricing.Fund_CD))");
// One source of prices, numbered by how specific it is; `unit` is the condition on Pricing.Unit.
// Within a source a price for the line's own service comes before one for all services (0).
QString priceSql(int sortOrder, bool clientsOwn, const QString& unit, bool funderOnFile)
{
    QString sql = QStringLiteral("SELECT %1 AS SortOrder, CASE WHEN Pricing.Service_ID = 0 THEN 1 "
                                 "ELSE 0 END AS ServiceOrder, Amount FROM Pricing "
                                 "WHERE RTRIM(Pricing.Fund_CD) = :fund"
                                 " AND RTRIM(Pricing.Method) = 'F' AND ")
                      .arg(sortOrder) +
                  unit;
    if (clientsOwn)
        sql += QStringLiteral(" AND Pricing.Person_ID = :person"
                              " AND (Pricing.Service_ID = :service OR Pricing.Service_ID = 0)");
    else
        sql += QStringLiteral(" AND Pricing.Person_ID = 0");
    if (funderOnFile)
        sql += kFunderOnFile;
    return sql;
}

const QString kByCategory = QStringLiteral("RTRIM(Pricing.Unit) = :meal");

// The client's own prices (item, then category), and the funder's list, which goes on with the
// funder's general prices (item, then category): each one statement, written once per engine.
struct PriceLists {
    QString client;
    QString funder;
};

const PriceLists& priceLists(Database& db)
{
    static std::map<QString, PriceLists> perEngine;
    auto lists = perEngine.find(db.dialect().name());
    if (lists == perEngine.end()) {
        const QString byItem =
            db.dialect().integerOrNull(QStringLiteral("Pricing.Unit")) + QStringLiteral(" = :item");
        const QString client = priceSql(1, true, byItem, true) + QStringLiteral(" UNION ALL ") +
                               priceSql(2, true, kByCategory, true);
        const QString general = priceSql(3, false, byItem, true) + QStringLiteral(" UNION ALL ") +
                                priceSql(4, false, kByCategory, false);
        const QString order = QStringLiteral(" ORDER BY SortOrder, ServiceOrder");
        lists = perEngine
                    .emplace(db.dialect().name(),
                             PriceLists{client + order,
                                        client + QStringLiteral(" UNION ALL ") + general + order})
                    .first;
    }
    return lists->second;
}

// The first price that is not empty, and whether any row matched at all. An item without a
// meal category has no category price.
PriceSearch search(Database& db, const QString& sql, const PriceKey& key)
{
    const QString meal = key.meal.trimmed();
    Statement s = db.prepare(sql);
    s.bind(QStringLiteral("fund"), key.fundingCode.trimmed())
        .bind(QStringLiteral("person"), key.personId)
        .bind(QStringLiteral("service"), key.serviceId)
        .bind(QStringLiteral("item"), key.itemId)
        .bind(QStringLiteral("meal"),
              meal.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(meal))
        .exec();
    PriceSearch found;
    while (s.next()) {
        found.anyRow = true;
        if (!s.isNull(2)) {
            found.amount = s.hostMoney(QStringLiteral("Amount"));
            found.row = int(s.integer(0));
            found.allServices = s.integer(1) == 1;
            break;
        }
    }
    s.finish();
    return found;
}

} // namespace

PriceSearch funderPriceList(Database& db, const PriceKey& key)
{
    return search(db, priceLists(db).funder, key);
}

PriceSearch clientPriceList(Database& db, const PriceKey& key)
{
    return search(db, priceLists(db).client, key);
}

QSet<QString> clientsWithOwnPrices(Database& db)
{
    Statement s =
        db.prepare(QStringLiteral("SELECT DISTINCT Person_ID, RTRIM(Fund_CD) FROM Pricing "
                                  "WHERE RTRIM(Method) = 'F' AND Person_ID <> 0"));
    s.exec();
    QSet<QString> clients;
    while (s.next())
        clients.insert(QStringLiteral("%1/%2").arg(s.integer(0)).arg(s.text(1)));
    return clients;
}

std::optional<Money> itemCost(Database& db, qint64 itemId)
{
    Statement s =
        db.prepare(QStringLiteral("SELECT Billed_Amount FROM Items WHERE Item_ID = :item"));
    s.bind(QStringLiteral("item"), itemId).exec();
    std::optional<Money> cost;
    if (s.next() && !s.isNull(0))
        cost = s.hostMoney(QStringLiteral("Billed_Amount"));
    s.finish();
    return cost;
}

namespace
{
UnitPrice fromPriceRow(const PriceSearch& found)
{
    return {*found.amount, PriceSource::PriceRow, found.row, found.allServices};
}

UnitPrice fromItemCost(Database& db, qint64 itemId)
{
    const std::optional<Money> cost = itemCost(db, itemId);
    if (!cost)
        return {Money(), PriceSource::NoCost};
    return {*cost, PriceSource::ItemCost};
}
} // namespace

UnitPrice unitAmountByItem(Database& db, const PriceKey& key, const QString& billedParty)
{
    if (billedParty == kThirdParty || billedParty == kPrivatePay) {
        const PriceSearch funder = funderPriceList(db, key);
        if (funder.amount)
            return fromPriceRow(funder);
        if (funder.anyRow)
            return {Money(), PriceSource::EmptyRows};
        return fromItemCost(db, key.itemId);
    }
    const PriceSearch client = clientPriceList(db, key);
    if (client.amount)
        return fromPriceRow(client);
    return fromItemCost(db, key.itemId);
}

namespace
{
std::optional<PeriodRate> firstRate(Statement& s)
{
    s.exec();
    while (s.next()) {
        if (s.isNull(0))
            continue;
        PeriodRate found{s.hostMoney(QStringLiteral("Reimbursement_Rate")), s.text(1).trimmed()};
        s.finish();
        return found;
    }
    s.finish();
    return std::nullopt;
}
} // namespace

std::optional<PeriodRate> funderPeriodRate(Database& db, const QString& fundingCode)
{
    Statement funder = db.prepare(QStringLiteral(
        "SELECT Reimbursement_Rate, Reimbursement_Period FROM FundSrcs WHERE RTRIM(Fund_CD) = :fund"
        " AND RTRIM(Reimbursement_Method) = 'T' ORDER BY Fund_ID"));
    funder.bind(QStringLiteral("fund"), fundingCode.trimmed());
    return firstRate(funder);
}

std::optional<PeriodRate> periodRate(Database& db, qint64 personId, qint64 serviceId,
                                     const QString& fundingCode)
{
    Statement clientSpecific = db.prepare(QStringLiteral(
        "SELECT Reimbursement_Rate, Reimbursement_Period FROM FundUses WHERE Person_ID = :person"
        " AND RTRIM(Reimbursement_Method) = 'T' AND (Service_ID = :service OR Service_ID = 0)"
        " AND RTRIM(Fund_CD) = :fund ORDER BY CASE WHEN Service_ID = 0 THEN 1 ELSE 0 END"));
    clientSpecific.bind(QStringLiteral("person"), personId)
        .bind(QStringLiteral("service"), serviceId)
        .bind(QStringLiteral("fund"), fundingCode.trimmed());
    if (std::optional<PeriodRate> own = firstRate(clientSpecific))
        return own;
    return funderPeriodRate(db, fundingCode);
}

QString periodWord(const QString& period)
{
    if (period == QLatin1String("D"))
        return QStringLiteral("Day");
    if (period == QLatin1String("M"))
        return QStringLiteral("Month");
    if (period == QLatin1String("Y"))
        return QStringLiteral("Year");
    return QStringLiteral("Unspecified Period");
}

} // namespace billing
