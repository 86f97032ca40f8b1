// The self-check of sample data: does the host data hold every case that billing treats its
// own way, and does it hang together the way the host keeps it?
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "host/sampledata.h"

#include <QSet>

namespace
{

struct Code {
    QString value; // trailing blanks removed; empty for a blank or missing code
    QString meaning;
};

// The distinct values of one or more columns, trailing blanks removed, null read as empty.
QSet<QString> distinctCodes(Database& db, const QString& sql)
{
    QSet<QString> codes;
    Statement s = db.query(sql);
    s.exec();
    while (s.next()) {
        QString code = s.text(0);
        while (code.endsWith(QLatin1Char(' ')))
            code.chop(1);
        codes.insert(code);
    }
    return codes;
}

// How many rows a condition finds, and the smallest key among them.
QPair<qint64, qint64> countWithFirst(Database& db, const QString& sql)
{
    Statement s = db.query(sql);
    s.exec();
    if (!s.next())
        return {0, 0};
    return {s.integer(0), s.integer(1)};
}

void requireCodes(QStringList& problems, const QSet<QString>& present, const QList<Code>& wanted,
                  const QString& message)
{
    for (const Code& code : wanted) {
        if (!present.contains(code.value))
            problems << message.arg(code.value.isEmpty() ? QStringLiteral("(blank)") : code.value,
                                    code.meaning);
    }
}

void checkDeliveries(Database& db, QStringList& problems)
{
    const auto bare = countWithFirst(
        db, QStringLiteral("SELECT COUNT(*), MIN(d.Deliv_ID) FROM Deliveri d WHERE NOT EXISTS"
                           " (SELECT 1 FROM MealCrdt m WHERE m.Deliv_ID = d.Deliv_ID)"));
    if (bare.first > 0)
        problems << QStringLiteral("%1 deliveries have no meal credits (the first is delivery %2).")
                        .arg(bare.first)
                        .arg(bare.second);

    const auto stray = countWithFirst(
        db, QStringLiteral("SELECT COUNT(*), MIN(m.Deliv_ID) FROM MealCrdt m WHERE NOT EXISTS"
                           " (SELECT 1 FROM Deliveri d WHERE d.Deliv_ID = m.Deliv_ID"
                           " AND d.Deliv_Dt = m.Deliv_Dt)"));
    if (stray.first > 0)
        problems << QStringLiteral("%1 meal credits belong to no delivery of the same date (the "
                                   "first names delivery %2).")
                        .arg(stray.first)
                        .arg(stray.second);

    const auto few =
        countWithFirst(db, QStringLiteral("SELECT COUNT(*), MIN(Deliv_ID) FROM MealCrdt"
                                          " WHERE Quantity IS NULL OR Quantity < 1"));
    if (few.first > 0)
        problems << QStringLiteral("%1 meal credits have no quantity of at least 1 (the first "
                                   "names delivery %2).")
                        .arg(few.first)
                        .arg(few.second);

    const auto unknownItems = countWithFirst(
        db, QStringLiteral("SELECT COUNT(*), MIN(m.Item_ID) FROM MealCrdt m WHERE NOT EXISTS"
                           " (SELECT 1 FROM Items i WHERE i.Item_ID = m.Item_ID)"));
    if (unknownItems.first > 0)
        problems << QStringLiteral("%1 meal credits name an item that Items does not have (the "
                                   "first is item %2).")
                        .arg(unknownItems.first)
                        .arg(unknownItems.second);

    const auto strangers = countWithFirst(
        db, QStringLiteral("SELECT COUNT(*), MIN(d.Deliv_ID) FROM Deliveri d WHERE NOT EXISTS"
                           " (SELECT 1 FROM Clients c WHERE c.Person_ID = d.Person_ID"
                           " AND c.Client_ID = d.Client_ID)"));
    if (strangers.first > 0)
        problems << QStringLiteral("%1 deliveries are for no client with that person and client "
                                   "number (the first is delivery %2).")
                        .arg(strangers.first)
                        .arg(strangers.second);

    QStringList unknownCodes;
    Statement codes = db.query(
        QStringLiteral("SELECT DISTINCT d.Funding_Desc FROM Deliveri d WHERE NOT EXISTS"
                       " (SELECT 1 FROM FundSrcs f WHERE f.Fund_CD = d.Funding_Desc) ORDER BY 1"));
    codes.exec();
    while (codes.next())
        unknownCodes << (codes.isNull(0) ? QStringLiteral("(blank)") : codes.text(0));
    if (!unknownCodes.isEmpty())
        problems << QStringLiteral("Deliveries name funding codes that FundSrcs does not have: %1.")
                        .arg(unknownCodes.join(QStringLiteral(", ")));
}

void checkFunders(Database& db, QStringList& problems)
{
    requireCodes(problems,
                 distinctCodes(db, QStringLiteral("SELECT DISTINCT Billed_Party FROM FundSrcs")),
                 {{QStringLiteral("3"), QStringLiteral("third party")},
                  {QStringLiteral("P"), QStringLiteral("private pay")},
                  {QStringLiteral("N"), QStringLiteral("no billing")},
                  {QStringLiteral("C"), QStringLiteral("client billing")},
                  {QString(), QStringLiteral("counted as private pay")}},
                 QStringLiteral("No funding source has the billed party %1 (%2)."));
    requireCodes(
        problems,
        distinctCodes(db, QStringLiteral("SELECT Reimbursement_Method FROM FundSrcs"
                                         " UNION SELECT Reimbursement_Method FROM FundUses")),
        {{QStringLiteral("I"), QStringLiteral("by item units")},
         {QStringLiteral("T"), QStringLiteral("by time")},
         {QStringLiteral("C"), QStringLiteral("by cost")}},
        QStringLiteral("No funding source or client funding is reimbursed by method %1 (%2)."));
    // Time billing is priced by the day; one monthly rate shows that a longer period is still
    // charged per delivery date. A yearly rate would read the same way, only larger.
    requireCodes(
        problems,
        distinctCodes(db, QStringLiteral("SELECT Reimbursement_Period FROM FundSrcs"
                                         " UNION SELECT Reimbursement_Period FROM FundUses")),
        {{QStringLiteral("D"), QStringLiteral("day")},
         {QStringLiteral("M"), QStringLiteral("month")}},
        QStringLiteral("No funding source or client funding has the reimbursement period "
                       "%1 (%2)."));
}

void checkPledges(Database& db, QStringList& problems)
{
    requireCodes(problems,
                 distinctCodes(db, QStringLiteral("SELECT DISTINCT Pledge_Method FROM Clients")),
                 {{QStringLiteral("I"), QStringLiteral("per item")},
                  {QStringLiteral("T"), QStringLiteral("per period of time")}},
                 QStringLiteral("No client has the pledge method %1 (%2)."));
    requireCodes(problems,
                 distinctCodes(db, QStringLiteral("SELECT DISTINCT Pledge_Period FROM Clients"
                                                  " WHERE Pledge_Method = 'T'")),
                 {{QStringLiteral("DY"), QStringLiteral("per day")},
                  {QStringLiteral("MO"), QStringLiteral("per month")},
                  {QStringLiteral("YR"), QStringLiteral("per year")}},
                 QStringLiteral("No client pledges by time with the period %1 (%2)."));
}

void checkMenu(Database& db, QStringList& problems)
{
    requireCodes(problems, distinctCodes(db, QStringLiteral("SELECT DISTINCT Meal FROM Items")),
                 {{QStringLiteral("B"), QStringLiteral("Breakfasts")},
                  {QStringLiteral("L"), QStringLiteral("Lunches")},
                  {QStringLiteral("D"), QStringLiteral("Dinners")},
                  {QStringLiteral("S"), QStringLiteral("Snacks")},
                  {QStringLiteral("O"), QStringLiteral("Other Meals")},
                  {QStringLiteral("MF"), QStringLiteral("Medical Food")},
                  {QStringLiteral("SM"), QStringLiteral("Specialized Medical Food")},
                  {QString(), QStringLiteral("Uncategorized")}},
                 QStringLiteral("No meal item has the meal code %1 (%2)."));
}

} // namespace

QStringList checkSampleData(Database& db)
{
    QStringList problems;
    for (const TableDef& table : host::allTables()) {
        if (!schema::tableExists(db, table.name))
            problems << QStringLiteral("The host table %1 is missing.").arg(table.name);
    }
    if (!problems.isEmpty())
        return problems;

    checkDeliveries(db, problems);
    checkFunders(db, problems);
    checkPledges(db, problems);
    checkMenu(db, problems);

    Statement config = db.query(QStringLiteral("SELECT COUNT(*) FROM Config"));
    config.exec();
    config.next();
    if (config.integer(0) != 1)
        problems << QStringLiteral("Config holds %1 rows instead of one.").arg(config.integer(0));
    return problems;
}
