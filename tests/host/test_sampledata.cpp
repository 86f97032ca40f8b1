// The sample meal program: the same seed gives the same rows on either engine, every code that
// billing reads is there, and the self-check notices data that would not show billing in full.
#include "common/money.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "host/sampledata.h"
#include "host/sampledatadeliveries.h"
#include "testdatabases.h"

#include <QSet>
#include <QTest>

namespace
{

SampleDataOptions options(int clients, quint64 seed = 1, int months = 1)
{
    SampleDataOptions o;
    o.clients = clients;
    o.periodStart = QDate(2025, 11, 1);
    o.months = months;
    o.seed = seed;
    return o;
}

// A value as text that reads the same whichever engine stored it.
QString normalized(const FieldDef& field, const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("<null>");
    switch (field.type) {
    case FieldType::Decimal:
        return Money::fromHost(value).toPlainString();
    case FieldType::Boolean:
        return Dialect::readBool(value) ? QStringLiteral("true") : QStringLiteral("false");
    case FieldType::Date:
        return Dialect::readDate(value).toString(Qt::ISODate);
    default:
        return value.toString();
    }
}

// Every host table's rows, each table in the order of all its columns.
QStringList dump(Database& db)
{
    QStringList lines;
    for (const TableDef& table : host::allTables()) {
        QStringList columns;
        for (const FieldDef& f : table.fields)
            columns << Dialect::identifier(f.name);
        Statement s = db.query(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1")
                                   .arg(columns.join(QStringLiteral(", ")), table.name));
        s.exec();
        while (s.next()) {
            QStringList values;
            for (int i = 0; i < table.fields.size(); ++i)
                values << normalized(table.fields[i], s.value(i));
            lines << table.name + QLatin1Char('|') + values.join(QLatin1Char('|'));
        }
    }
    return lines;
}

QStringList tableLines(const QStringList& lines, const QString& table)
{
    return lines.filter(QRegularExpression(QStringLiteral("^%1\\|").arg(table)));
}

// The values one query returns in its first column, as the engine hands them over.
QStringList column(Database& db, const QString& sql)
{
    QStringList values;
    Statement s = db.query(sql);
    s.exec();
    while (s.next())
        values << (s.isNull(0) ? QStringLiteral("<null>") : s.text(0));
    return values;
}

} // namespace

class TestSampleData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theSeedDecidesEveryRow_data() { testdb::addEngineRows(); }
    void theSeedDecidesEveryRow()
    {
        QFETCH(QString, engine);
        auto first = testdb::fresh(engine);
        auto second = testdb::fresh(engine);
        auto other = testdb::fresh(engine);
        generateSampleData(*first, options(45, 7));
        generateSampleData(*second, options(45, 7));
        generateSampleData(*other, options(45, 8));
        const QStringList a = dump(*first);
        QVERIFY(a.size() > 1000);
        QCOMPARE(dump(*second), a);

        const QStringList b = dump(*other);
        for (const QString& table : {QStringLiteral("Clients"), QStringLiteral("Deliveri"),
                                     QStringLiteral("MealCrdt"), QStringLiteral("Individuals")})
            QVERIFY2(tableLines(a, table) != tableLines(b, table), qPrintable(table));
        // the program's own catalogue does not depend on the seed
        for (const QString& table : {QStringLiteral("Items"), QStringLiteral("FundSrcs"),
                                     QStringLiteral("Services"), QStringLiteral("Config")})
            QCOMPARE(tableLines(b, table), tableLines(a, table));
    }

    void bothEnginesHoldTheSameRows()
    {
        if (!testdb::postgresAvailable())
            QSKIP("TALLYWICK_PG names no server");
        auto lite = testdb::fresh(QStringLiteral("sqlite"));
        auto pg = testdb::fresh(QStringLiteral("postgres"));
        generateSampleData(*lite, options(30, 3));
        generateSampleData(*pg, options(30, 3));
        QCOMPARE(dump(*pg), dump(*lite));
    }

    void theMenuCarriesEveryCategory_data() { testdb::addEngineRows(); }
    void theMenuCarriesEveryCategory()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        generateSampleData(*db, options(20));
        // one-letter codes keep the blank a fixed-width field gives them
        QCOMPARE(column(*db, QStringLiteral("SELECT Meal FROM Items WHERE Item_ID IN (101, 201, "
                                            "301, 401, 501, 601, 701, 802) ORDER BY Item_ID")),
                 (QStringList{QStringLiteral("B "), QStringLiteral("L "), QStringLiteral("D "),
                              QStringLiteral("S "), QStringLiteral("O "), QStringLiteral("MF"),
                              QStringLiteral("SM"), QStringLiteral("<null>")}));
        // the blank meal code is stored as blanks, not as the null of an empty text
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Items WHERE Meal IS NOT NULL "
                                               "AND TRIM(Meal) = ''")),
            qint64(1));
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Items WHERE Item_ID > 9999")),
            qint64(1));

        Statement amounts = db->query(QStringLiteral(
            "SELECT Item_ID, Billed_Amount FROM Items WHERE Item_ID IN (104, 301, 601, 801)"
            " ORDER BY Item_ID"));
        amounts.exec();
        QVERIFY(amounts.next());
        QVERIFY(amounts.isNull(1)); // no price set yet
        QVERIFY(amounts.next());
        QCOMPARE(amounts.hostMoney(QStringLiteral("Billed_Amount")), Money::fromCents(695));
        QVERIFY(amounts.next());
        QCOMPARE(amounts.hostMoney(QStringLiteral("Billed_Amount")), Money::fromRaw(23450));
        QVERIFY(amounts.next());
        QVERIFY(!amounts.isNull(1));
        QCOMPARE(amounts.hostMoney(QStringLiteral("Billed_Amount")), Money());

        QCOMPARE(column(*db, QStringLiteral("SELECT Service_ID FROM Services ORDER BY Sort_Order")),
                 (QStringList{QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("2"),
                              QStringLiteral("3"), QStringLiteral("5")}));

        Statement config = db->query(QStringLiteral("SELECT * FROM Config"));
        config.exec();
        QVERIFY(config.next());
        QCOMPARE(config.text(QStringLiteral("Postal_Format")), QStringLiteral("USA"));
        QVERIFY(!config.boolean(QStringLiteral("Consolidate_Deliveries")));
        QVERIFY(!config.isNull(QStringLiteral("Consolidate_Deliveries")));
        for (const QString& field :
             {QStringLiteral("Organizatn"), QStringLiteral("Org_Addr"), QStringLiteral("Org_City"),
              QStringLiteral("Org_State"), QStringLiteral("Org_ZIP"), QStringLiteral("Org_Phone")})
            QVERIFY2(!config.text(field).isEmpty(), qPrintable(field));
        QVERIFY(!config.next());
    }

    void fundersAndPricesCoverEveryLookup_data() { testdb::addEngineRows(); }
    void fundersAndPricesCoverEveryLookup()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        generateSampleData(*db, options(20));

        QStringList parties = column(*db, QStringLiteral("SELECT Billed_Party FROM FundSrcs"));
        QVERIFY(parties.contains(QStringLiteral("<null>")));
        QVERIFY(parties.contains(QStringLiteral(" ")));
        for (const QString& party :
             {QStringLiteral("3"), QStringLiteral("P"), QStringLiteral("N"), QStringLiteral("C")})
            QVERIFY2(parties.contains(party), qPrintable(party));

        const QStringList codes = column(*db, QStringLiteral("SELECT Fund_CD FROM FundSrcs"));
        QSet<qsizetype> lengths;
        for (const QString& code : codes)
            lengths.insert(code.size());
        QVERIFY(lengths.size() >= 4);
        QVERIFY(std::any_of(codes.cbegin(), codes.cend(),
                            [](const QString& c) { return c.size() > 5; }));

        // the time-billed funders with their rate and period, as billing reads them
        Statement rates = db->query(
            QStringLiteral("SELECT Reimbursement_Period, Reimbursement_Rate FROM FundSrcs"
                           " WHERE Reimbursement_Method = 'T' ORDER BY Reimbursement_Rate"));
        rates.exec();
        QStringList seen;
        while (rates.next())
            seen << rates.text(0) + QLatin1Char('=') +
                        rates.hostMoney(QStringLiteral("Reimbursement_Rate")).toPlainString();
        QCOMPARE(seen, (QStringList{QStringLiteral("D=7.5000"), QStringLiteral("D=8.2500"),
                                    QStringLiteral("D=9.5000")}));

        // Client-specific funding: every method, a client rate without its period, a rate kept
        // without a method, and both one service and all services.
        QCOMPARE(testdb::scalar(
                     *db, QStringLiteral("SELECT COUNT(DISTINCT Reimbursement_Method) FROM "
                                         "FundUses WHERE Reimbursement_Method IN ('I','T','C')")),
                 qint64(3));
        for (const char* where :
             {"Reimbursement_Method = 'T' AND Reimbursement_Period IS NULL",
              "Reimbursement_Method IS NULL", "Service_ID = 0", "Service_ID > 0"})
            QVERIFY2(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM FundUses WHERE ") +
                                             QLatin1String(where)) > 0,
                     where);

        // Prices at every level the lookups rank: person or funder-wide, one service or all,
        // an item number or a meal code; pledges per item and per meal code.
        QSet<QString> levels;
        Statement prices = db->query(
            QStringLiteral("SELECT Person_ID, Service_ID, Method, Unit, Amount FROM Pricing"));
        prices.exec();
        while (prices.next()) {
            const QString unit = prices.text(3);
            bool numeric = false;
            unit.toInt(&numeric);
            levels.insert(QStringLiteral("%1 %2 %3 %4")
                              .arg(prices.integer(0) > 0 ? "client" : "funder")
                              .arg(prices.integer(1) > 0 ? "service" : "all")
                              .arg(prices.text(2), numeric ? "item" : "meal"));
            if (prices.isNull(4))
                levels.insert(QStringLiteral("no amount"));
            else if (prices.hostMoney(QStringLiteral("Amount")).isZero())
                levels.insert(QStringLiteral("zero amount"));
            if (unit != unit.trimmed())
                levels.insert(QStringLiteral("unit with a blank"));
        }
        for (const char* level :
             {"client service F item", "client all F item", "client service F meal",
              "client all F meal", "funder service F item", "funder all F item",
              "funder service F meal", "funder all F meal", "client all P item",
              "client all P meal", "no amount", "zero amount", "unit with a blank"})
            QVERIFY2(levels.contains(QString::fromLatin1(level)), level);
    }

    // Time billing multiplies any rate by the delivery dates, so the sample prices it by the
    // day; a single small monthly rate shows the rule without a funder invoice of thousands.
    void timeBillingIsPricedByTheDay_data() { testdb::addEngineRows(); }
    void timeBillingIsPricedByTheDay()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        generateSampleData(*db, options(400));
        QStringList longer =
            column(*db, QStringLiteral(
                            "SELECT Reimbursement_Period || ' ' || Reimbursement_Rate FROM "
                            "FundUses WHERE Reimbursement_Method = 'T' AND "
                            "Reimbursement_Period <> 'D' UNION ALL SELECT "
                            "Reimbursement_Period || ' ' || Reimbursement_Rate FROM FundSrcs "
                            "WHERE Reimbursement_Method = 'T' AND Reimbursement_Period <> 'D'"));
        QCOMPARE(longer.size(), 1);
        QVERIFY2(longer[0].startsWith(QLatin1String("M 25")), qPrintable(longer[0]));
        // the client with the monthly rate is delivered to twice a week
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(DISTINCT d.Deliv_Dt) FROM Deliveri d "
                                               "JOIN FundUses u ON u.Person_ID = d.Person_ID WHERE "
                                               "u.Reimbursement_Period = 'M'")),
            qint64(7)); // the Tuesdays and Thursdays of November 2025, Thanksgiving off
        QVERIFY(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM FundUses WHERE "
                                                   "Reimbursement_Method = 'T' AND "
                                                   "Reimbursement_Period = 'D'")) > 2);
    }

    void clientsAndTheirContacts_data() { testdb::addEngineRows(); }
    void clientsAndTheirContacts()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        generateSampleData(*db, options(20));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Clients")), qint64(20));

        // a household member numbered after the client he lives with
        const QStringList dependents =
            column(*db, QStringLiteral("SELECT Client_ID FROM Clients WHERE Client_ID LIKE '%.%'"));
        QCOMPARE(dependents.size(), 1);
        QCOMPARE(testdb::scalar(
                     *db, QStringLiteral("SELECT COUNT(*) FROM Clients c JOIN Clients h ON "
                                         "h.Client_ID || '.1' = c.Client_ID AND h.Last_Name = "
                                         "c.Last_Name AND h.Address1 = c.Address1 WHERE "
                                         "c.DEPENDENT = true")),
                 qint64(1));
        // an applicant still waiting for a place has no client number and no deliveries
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Clients c WHERE Client_ID IS "
                                               "NULL AND NOT EXISTS (SELECT 1 FROM Deliveri d "
                                               "WHERE d.Person_ID = c.Person_ID)")),
            qint64(1));

        Statement pledges = db->query(
            QStringLiteral("SELECT Pledge_Method, Pledge_Period, Pledge_Amount FROM Clients"
                           " WHERE Pledge_Method IS NOT NULL ORDER BY Pledge_Method, "
                           "Pledge_Period, Pledge_Amount"));
        pledges.exec();
        QStringList kinds;
        while (pledges.next())
            kinds << QStringLiteral("%1 %2 %3")
                         .arg(pledges.text(0),
                              pledges.isNull(1) ? QStringLiteral("-") : pledges.text(1),
                              pledges.isNull(2) ? QStringLiteral("-")
                                                : pledges.hostMoney(QStringLiteral("Pledge_Amount"))
                                                      .toPlainString());
        kinds.removeDuplicates();
        QCOMPARE(kinds,
                 (QStringList{QStringLiteral("I - -"), QStringLiteral("T DY 1.5000"),
                              QStringLiteral("T DY 2.0000"), QStringLiteral("T MO 15.0000"),
                              QStringLiteral("T MO 20.0000"), QStringLiteral("T YR 150.0000")}));

        // Bill-To contacts: with and without an organization, one client with two of them,
        // and contacts of other kinds.
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM (SELECT Person_ID FROM "
                                               "Relationships WHERE Relationship = 'Bill-To' GROUP "
                                               "BY Person_ID HAVING COUNT(*) = 2) twice")),
            qint64(1));
        const QString billTo = QStringLiteral(
            "SELECT COUNT(*) FROM Relationships r JOIN Individuals i ON i.Indiv_ID = r.Indiv_ID"
            " WHERE r.Relationship = 'Bill-To' AND ");
        for (const char* who :
             {"i.Organization IS NOT NULL AND i.First_Name IS NOT NULL",
              "i.Organization IS NOT NULL AND i.First_Name IS NULL AND i.Last_Name IS NULL",
              "i.Organization IS NULL AND i.First_Name IS NOT NULL",
              "i.Organization IS NULL AND i.First_Name IS NULL AND i.Last_Name IS NOT NULL",
              "i.Organization IS NULL AND i.First_Name IS NULL AND i.Last_Name IS NULL"})
            QVERIFY2(testdb::scalar(*db, billTo + QLatin1String(who)) > 0, who);
        // an office that pays the bills of several clients is one contact
        QVERIFY(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM (SELECT Indiv_ID FROM "
                                               "Relationships WHERE Relationship = 'Bill-To' GROUP "
                                               "BY Indiv_ID HAVING COUNT(*) > 1) shared")) > 0);
        QVERIFY(testdb::scalar(
                    *db, QStringLiteral("SELECT COUNT(DISTINCT Relationship) FROM "
                                        "Relationships WHERE Relationship <> 'Bill-To'")) >= 2);
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Relationships r WHERE NOT "
                                               "EXISTS (SELECT 1 FROM Individuals i WHERE "
                                               "i.Indiv_ID = r.Indiv_ID) OR NOT EXISTS (SELECT 1 "
                                               "FROM Clients c WHERE c.Person_ID = r.Person_ID)")),
            qint64(0));
    }

    void deliveriesFollowTheKitchenCalendar_data() { testdb::addEngineRows(); }
    void deliveriesFollowTheKitchenCalendar()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        generateSampleData(*db, options(60, 1, 2)); // November and December 2025
        QCOMPARE(checkSampleData(*db), QStringList());

        Statement days = db->query(QStringLiteral("SELECT DISTINCT Deliv_Dt FROM Deliveri"));
        days.exec();
        QSet<QDate> delivered;
        while (days.next())
            delivered.insert(days.date(QStringLiteral("Deliv_Dt")));
        const QList<QDate> calendar =
            sampledata::deliveryDays(QDate(2025, 11, 1), QDate(2025, 12, 31));
        QCOMPARE(delivered, QSet<QDate>(calendar.cbegin(), calendar.cend()));
        QCOMPARE(calendar.size(),
                 19 + 22); // 20 and 23 weekdays; Thanksgiving and Christmas are off

        // the holiday dinner on the eve of Thanksgiving, gift bags on the last day before Christmas
        QCOMPARE(column(*db, QStringLiteral(
                                 "SELECT DISTINCT Deliv_Dt FROM MealCrdt WHERE Item_ID = 12001")),
                 QStringList{QDate(2025, 11, 26).toString(Qt::ISODate)});
        QCOMPARE(column(*db, QStringLiteral(
                                 "SELECT DISTINCT Deliv_Dt FROM MealCrdt WHERE Item_ID = 801")),
                 QStringList{QDate(2025, 12, 24).toString(Qt::ISODate)});

        QCOMPARE(testdb::scalar(
                     *db, QStringLiteral("SELECT MIN(n) FROM (SELECT COUNT(*) n FROM MealCrdt "
                                         "GROUP BY Deliv_ID) c")),
                 qint64(1));
        QCOMPARE(testdb::scalar(
                     *db, QStringLiteral("SELECT MAX(n) FROM (SELECT COUNT(*) n FROM MealCrdt "
                                         "GROUP BY Deliv_ID) c")),
                 qint64(3));
        QCOMPARE(
            column(*db, QStringLiteral("SELECT DISTINCT Delivery_Status FROM Deliveri ORDER BY 1")),
            (QStringList{QStringLiteral("C"), QStringLiteral("D")}));
        QVERIFY(
            testdb::scalar(
                *db, QStringLiteral("SELECT COUNT(*) FROM Deliveri WHERE Delivery_Status = 'C'")) <
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Deliveri")) / 10);
        // the funder's name beside its code, a known service, the meals counted
        QCOMPARE(testdb::scalar(
                     *db, QStringLiteral("SELECT COUNT(*) FROM Deliveri d WHERE NOT EXISTS "
                                         "(SELECT 1 FROM FundSrcs f WHERE f.Fund_CD = "
                                         "d.Funding_Desc AND f.Fund_Srce = d.Funding_Source) OR "
                                         "NOT EXISTS (SELECT 1 FROM Services s WHERE "
                                         "s.Service_ID = d.Svcs_Used)")),
                 qint64(0));
        QVERIFY(testdb::scalar(*db, QStringLiteral("SELECT MIN(NUMBER_MEALS) FROM Deliveri")) >= 1);
        QVERIFY(testdb::scalar(*db, QStringLiteral("SELECT MAX(NUMBER_MEALS) FROM Deliveri")) >= 5);
        // every funding source delivers, and clients come under two of them in one month
        QCOMPARE(testdb::scalar(
                     *db, QStringLiteral("SELECT COUNT(DISTINCT Funding_Desc) FROM Deliveri")),
                 testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM FundSrcs")));
        QVERIFY(testdb::scalar(
                    *db, QStringLiteral("SELECT COUNT(*) FROM (SELECT Person_ID FROM Deliveri "
                                        "WHERE Deliv_Dt < '2025-12-01' GROUP BY Person_ID HAVING "
                                        "COUNT(DISTINCT Funding_Desc) > 1) twice")) >= 2);
    }

    void theSelfCheckNoticesBrokenData_data() { testdb::addEngineRows(); }
    void theSelfCheckNoticesBrokenData()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        generateSampleData(*db, options(20));
        QCOMPARE(checkSampleData(*db), QStringList());

        struct Fault {
            const char* name;
            QStringList sql;
            QString reported;
        };
        const QList<Fault> faults = {
            {"delivery without meals",
             {QStringLiteral("DELETE FROM MealCrdt WHERE Deliv_ID = 100001")},
             QStringLiteral("1 deliveries have no meal credits (the first is delivery 100001).")},
            {"meal credit dated another day",
             {QStringLiteral("UPDATE MealCrdt SET Deliv_Dt = (SELECT MAX(Deliv_Dt) FROM "
                             "Deliveri) WHERE Deliv_ID = 100002")},
             QStringLiteral(
                 "belong to no delivery of the same date (the first names delivery 100002)")},
            {"no quantity",
             {QStringLiteral("UPDATE MealCrdt SET Quantity = 0 WHERE Deliv_ID = 100004")},
             QStringLiteral("have no quantity of at least 1 (the first names delivery 100004)")},
            {"unknown item",
             {QStringLiteral("DELETE FROM Items WHERE Item_ID = 501")},
             QStringLiteral("name an item that Items does not have (the first is item 501)")},
            {"unknown funding code",
             {QStringLiteral(
                 "UPDATE Deliveri SET Funding_Desc = 'NOSUCH' WHERE Deliv_ID = 100005")},
             QStringLiteral("Deliveries name funding codes that FundSrcs does not have: NOSUCH.")},
            {"no funding code",
             {QStringLiteral("UPDATE Deliveri SET Funding_Desc = NULL WHERE Deliv_ID = 100005")},
             QStringLiteral("Deliveries name funding codes that FundSrcs does not have: (blank).")},
            {"unknown client",
             {QStringLiteral("UPDATE Deliveri SET Client_ID = '9999' WHERE Deliv_ID = 100006")},
             QStringLiteral("are for no client with that person and client number (the first is "
                            "delivery 100006)")},
            {"no blank billed party",
             {QStringLiteral("UPDATE FundSrcs SET Billed_Party = 'N' WHERE Billed_Party IS NULL "
                             "OR TRIM(Billed_Party) = ''")},
             QStringLiteral("No funding source has the billed party (blank) (counted as private "
                            "pay).")},
            {"no time billing",
             {QStringLiteral("UPDATE FundSrcs SET Reimbursement_Method = 'C' WHERE "
                             "Reimbursement_Method = 'T'"),
              QStringLiteral("UPDATE FundUses SET Reimbursement_Method = 'I' WHERE "
                             "Reimbursement_Method = 'T'")},
             QStringLiteral("No funding source or client funding is reimbursed by method T (by "
                            "time).")},
            {"no monthly rate",
             {QStringLiteral("UPDATE FundUses SET Reimbursement_Period = 'D' WHERE "
                             "Reimbursement_Period = 'M'")},
             QStringLiteral("No funding source or client funding has the reimbursement period M "
                            "(month).")},
            {"no item pledges",
             {QStringLiteral("UPDATE Clients SET Pledge_Method = NULL WHERE Pledge_Method = 'I'")},
             QStringLiteral("No client has the pledge method I (per item).")},
            {"nothing uncategorized",
             {QStringLiteral("UPDATE Items SET Meal = 'MF' WHERE Meal IS NULL OR TRIM(Meal) = ''")},
             QStringLiteral("No meal item has the meal code (blank) (Uncategorized).")},
            {"no configuration",
             {QStringLiteral("DELETE FROM Config")},
             QStringLiteral("Config holds 0 rows instead of one.")},
            {"a table missing",
             {QStringLiteral("DROP TABLE FundUses")},
             QStringLiteral("The host table FundUses is missing.")},
        };
        for (const Fault& fault : faults) {
            Transaction undone(*db); // never committed: each fault is undone before the next
            for (const QString& sql : fault.sql)
                db->exec(sql);
            const QStringList problems = checkSampleData(*db);
            const QString found = problems.join(QLatin1Char('\n'));
            QVERIFY2(found.contains(fault.reported), qPrintable(QStringLiteral("%1: %2").arg(
                                                         QString::fromLatin1(fault.name), found)));
        }
        QCOMPARE(checkSampleData(*db), QStringList());
    }

    void onlyEmptyTablesAreFilled_data() { testdb::addEngineRows(); }
    void onlyEmptyTablesAreFilled()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);

        SampleDataOptions bad = options(SampleDataOptions::kMinClients - 1);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, generateSampleData(*db, bad));
        bad = options(20);
        bad.periodStart = QDate(2025, 11, 2);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, generateSampleData(*db, bad));
        bad = options(20, 1, 0);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, generateSampleData(*db, bad));
        QVERIFY(!hasHostTables(*db));

        generateSampleData(*db, options(20));
        const QStringList before = dump(*db);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, generateSampleData(*db, options(20, 2)));
        QCOMPARE(dump(*db), before);
    }

    void aFailedLoadLeavesNothingBehind_data() { testdb::addEngineRows(); }
    void aFailedLoadLeavesNothingBehind()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        // A delivery table of an older layout, without the meal count: the load fails at the
        // deliveries, after clients and funders were written.
        TableDef old = host::deliveries();
        old.fields.removeIf(
            [](const FieldDef& f) { return f.name == QLatin1String("NUMBER_MEALS"); });
        old.indexes.clear();
        schema::createTable(*db, old);

        QVERIFY_THROWS_EXCEPTION(DbError, generateSampleData(*db, options(20)));
        for (const QPair<QString, qint64>& count : countHostRows(*db))
            QCOMPARE(count.second, qint64(0));
        QVERIFY(schema::tableExists(*db, QStringLiteral("Deliveri")));
        QVERIFY(!schema::tableExists(*db, QStringLiteral("Clients")));
    }

    void holidaysFallOnWeekdaysKept()
    {
        const auto closed = [](const QDate& day) {
            return !sampledata::deliveryDays(day, day).contains(day);
        };
        QVERIFY(closed(QDate(2026, 7, 3)));    // Independence Day on a Saturday
        QVERIFY(closed(QDate(2021, 12, 31)));  // New Year's Day 2022 on a Saturday
        QVERIFY(closed(QDate(2023, 1, 2)));    // New Year's Day on a Sunday
        QVERIFY(closed(QDate(2025, 5, 26)));   // Memorial Day
        QVERIFY(closed(QDate(2025, 11, 27)));  // Thanksgiving
        QVERIFY(closed(QDate(2025, 12, 25)));  // Christmas
        QVERIFY(closed(QDate(2025, 11, 29)));  // a Saturday
        QVERIFY(!closed(QDate(2025, 11, 11))); // Veterans Day: meals still go out
    }
};

QTEST_MAIN(TestSampleData)
#include "test_sampledata.moc"
