#include "billing/unitprices.h"

#include "billing/billedparty.h"
#include "engine/database.h"

namespace billing
{

namespace
{

const QString kFunderOnFile = QStringLiteral(
    " AND EXISTS (SELECT 1 FROM FundSrcs WHERE RTRIM(FundSrcs.Fund_CD) = RTRIM(Pricing.Fund_CD))");
const QString kServiceOrder =
    QStringLiteral(" ORDER BY CASE WHEN Pricing.Service_ID = 0 THEN 1 ELSE 0 END");

// One source of prices; `unit` is the condition on Pricing.Unit.
QString priceSql(bool clientsOwn, const QString& unit, bool funderOnFile)
{
    QString sql = QStringLiteral("SELECT Amount FROM Pricing WHERE RTRIM(Pricing.Fund_CD) = :fund"
                                 " AND RTRIM(Pricing.Method) = 'F' AND ") +
                  unit;
    if (clientsOwn)
        sql += QStringLiteral(" AND Pricing.Person_ID = :person"
                              " AND (Pricing.Service_ID = :service OR Pricing.Service_ID = 0)");
    else
        sql += QStringLiteral(" AND Pricing.Person_ID = 0");
    if (funderOnFile)
        sql += kFunderOnFile;
    return clientsOwn ? sql + kServiceOrder : sql;
}

const QString kByCategory = QStringLiteral("RTRIM(Pricing.Unit) = :meal");

// One source of prices, most specific first.
struct PriceSource {
    QString sql;
    bool clientsOwn = false; // the client's own prices rather than the funder's general ones
    bool byItem = false;     // priced by item number rather than by meal category
};

struct PriceSources {
    PriceSource clientItem, clientCategory, generalItem, generalCategory;
};

// The statements are the same for every meal line; they are written once per engine.
const PriceSources& priceSources(Database& db)
{
    static std::optional<PriceSources> perEngine[2];
    std::optional<PriceSources>& sources = perEngine[db.isSqlite() ? 0 : 1];
    if (!sources) {
        const QString byItem =
            db.dialect().integerOrNull(QStringLiteral("Pricing.Unit")) + QStringLiteral(" = :item");
        sources = PriceSources{{priceSql(true, byItem, true), true, true},
                               {priceSql(true, kByCategory, true), true, false},
                               {priceSql(false, byItem, true), false, true},
                               {priceSql(false, kByCategory, false), false, false}};
    }
    return *sources;
}

// Reads one source into the search; true when it decided the price.
bool search(Database& db, const PriceSource& source, const PriceKey& key, PriceSearch& found)
{
    const QString meal = key.meal.trimmed();
    if (!source.byItem && meal.isEmpty())
        return false;
    Statement s = db.prepare(source.sql);
    s.bind(QStringLiteral("fund"), key.fundingCode.trimmed());
    if (source.clientsOwn)
        s.bind(QStringLiteral("person"), key.personId)
            .bind(QStringLiteral("service"), key.serviceId);
    if (source.byItem)
        s.bind(QStringLiteral("item"), key.itemId);
    else
        s.bind(QStringLiteral("meal"), meal);
    s.exec();
    while (s.next()) {
        found.anyRow = true;
        if (!s.isNull(0)) {
            found.amount = s.hostMoney(QStringLiteral("Amount"));
            break;
        }
    }
    s.finish();
    return found.amount.has_value();
}

} // namespace

PriceSearch funderPriceList(Database& db, const PriceKey& key)
{
    const PriceSources& sources = priceSources(db);
    PriceSearch found;
    search(db, sources.clientItem, key, found) || search(db, sources.clientCategory, key, found) ||
        search(db, sources.generalItem, key, found) ||
        search(db, sources.generalCategory, key, found);
    return found;
}

PriceSearch clientPriceList(Database& db, const PriceKey& key)
{
    const PriceSources& sources = priceSources(db);
    PriceSearch found;
    search(db, sources.clientItem, key, found) || search(db, sources.clientCategory, key, found);
    return found;
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

Money unitAmountByItem(Database& db, const PriceKey& key, const QString& billedParty)
{
    if (billedParty == kThirdParty || billedParty == kPrivatePay) {
        const PriceSearch funder = funderPriceList(db, key);
        if (funder.anyRow)
            return funder.amount.value_or(Money());
        return itemCost(db, key.itemId).value_or(Money());
    }
    const PriceSearch client = clientPriceList(db, key);
    if (client.amount)
        return *client.amount;
    return itemCost(db, key.itemId).value_or(Money());
}

std::optional<PeriodRate> periodRate(Database& db, qint64 personId, qint64 serviceId,
                                     const QString& fundingCode)
{
    const QString fund = fundingCode.trimmed();
    Statement clientSpecific = db.prepare(QStringLiteral(
        "SELECT Reimbursement_Rate, Reimbursement_Period FROM FundUses WHERE Person_ID = :person"
        " AND RTRIM(Reimbursement_Method) = 'T' AND (Service_ID = :service OR Service_ID = 0)"
        " AND RTRIM(Fund_CD) = :fund ORDER BY CASE WHEN Service_ID = 0 THEN 1 ELSE 0 END"));
    clientSpecific.bind(QStringLiteral("person"), personId)
        .bind(QStringLiteral("service"), serviceId)
        .bind(QStringLiteral("fund"), fund);
    Statement funder = db.prepare(QStringLiteral(
        "SELECT Reimbursement_Rate, Reimbursement_Period FROM FundSrcs WHERE RTRIM(Fund_CD) = :fund"
        " AND RTRIM(Reimbursement_Method) = 'T' ORDER BY Fund_ID"));
    funder.bind(QStringLiteral("fund"), fund);
    for (Statement* s : {&clientSpecific, &funder}) {
        s->exec();
        while (s->next()) {
            if (s->isNull(0))
                continue;
            PeriodRate found{s->hostMoney(QStringLiteral("Reimbursement_Rate")),
                             s->text(1).trimmed()};
            s->finish();
            return found;
        }
        s->finish();
    }
    return std::nullopt;
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
