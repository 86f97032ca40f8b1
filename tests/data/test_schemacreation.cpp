// The AR tables made, upgraded and seeded at every start of the module.
#include "data/artables.h"
#include "data/datamodule.h"
#include "data/datasets.h"
#include "data/hosttables.h"
#include "data/schemacreation.h"
#include "data/seeding.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QDate>
#include <QTest>

namespace
{

void makeHost(Database& db, const QString& postalFormat = QStringLiteral("USA"))
{
    host::createTables(db);
    records::insert(db, host::config(),
                    {{QStringLiteral("Organizatn"), QStringLiteral("Riverside Meals on Wheels")},
                     {QStringLiteral("Org_Addr"), QStringLiteral("12 Mill Road")},
                     {QStringLiteral("Org_City"), QStringLiteral("Springfield")},
                     {QStringLiteral("Org_State"), QStringLiteral("IL")},
                     {QStringLiteral("Org_ZIP"), QStringLiteral("62701")},
                     {QStringLiteral("Org_Phone"), QStringLiteral("217-555-0100")},
                     {QStringLiteral("Postal_Format"), postalFormat},
                     {QStringLiteral("Consolidate_Deliveries"), false}});
}

qint64 count(Database& db, const QString& table, const QString& where = {})
{
    Statement s =
        db.query(QStringLiteral("SELECT COUNT(*) FROM %1%2")
                     .arg(table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
    s.exec();
    s.next();
    return s.integer(0);
}

QVariantMap firstRow(Database& db, const QString& table)
{
    Statement s = db.query(QStringLiteral("SELECT * FROM %1").arg(table));
    s.exec();
    QVariantMap row;
    if (s.next()) {
        const QSqlRecord r = s.record();
        for (int i = 0; i < r.count(); ++i)
            row.insert(r.fieldName(i).toLower(), s.value(i));
    }
    return row;
}

// The fields' values as text.
QStringList values(const QVariantMap& row, std::initializer_list<const char*> fields)
{
    QStringList texts;
    for (const char* field : fields)
        texts << row.value(QLatin1String(field)).toString();
    return texts;
}

bool allNull(const QVariantMap& row)
{
    for (const QVariant& v : row) {
        if (!v.isNull())
            return false;
    }
    return !row.isEmpty();
}

} // namespace

class TestSchemaCreation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void freshDatabaseIsCreatedAndSeeded_data() { testdb::addEngineRows(); }
    void freshDatabaseIsCreatedAndSeeded()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeHost(*db);
        ScriptedDialogs dialogs;
        const SchemaReport report = createOrUpgradeSchema(*db, dialogs);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(report.created.size(), 21);
        for (const TableDef& table : ar::allTables())
            QVERIFY2(
                schema::differences(*db, table).isEmpty(),
                qPrintable(table.name + schema::differences(*db, table).join(QLatin1Char('\n'))));

        QCOMPARE(count(*db, QStringLiteral("Item")), 12);
        Statement items =
            db->query(QStringLiteral("SELECT ItemID, ItemNo, ItemDescription, ItemTypeID, "
                                     "Suspended, UnitPrice FROM Item ORDER BY ItemID"));
        items.exec();
        QStringList seen;
        while (items.next()) {
            seen << QStringLiteral("%1 %2 %3 %4")
                        .arg(items.integer(0))
                        .arg(items.text(1), items.text(2))
                        .arg(items.integer(3));
            QVERIFY(!items.boolean(4));
            QVERIFY(items.isNull(5));
        }
        QCOMPARE(seen.first(), QStringLiteral("1 B Breakfast 1"));
        QCOMPARE(seen[4], QStringLiteral("5 SM Specialized Medical Food 5"));
        QCOMPARE(seen[9], QStringLiteral("10 PMF Medical Food, Pledge 4"));
        QCOMPARE(seen.last(), QStringLiteral("12 PO Other, Pledge 6"));

        QCOMPARE(count(*db, QStringLiteral("ItemType")), 6);
        QCOMPARE(count(*db, QStringLiteral("ItemType"),
                       QStringLiteral(
                           "TypeName = 'Specialized Medical Food [SM]' AND CostingMethod = 1")),
                 1);
        const QVariantMap itemCtl = firstRow(*db, QStringLiteral("ItemCtl"));
        QCOMPARE(itemCtl.value(QStringLiteral("nextitemid")).toInt(), 13);
        QCOMPARE(itemCtl.value(QStringLiteral("nextitemno")).toInt(), 13);
        for (const QString& control : {QStringLiteral("CustCtl"), QStringLiteral("CusType"),
                                       QStringLiteral("ARInvCtl"), QStringLiteral("ARPmtCtl")}) {
            QCOMPARE(count(*db, control), 1);
            QVERIFY2(allNull(firstRow(*db, control)), qPrintable(control));
        }
        QCOMPARE(firstRow(*db, QStringLiteral("Warehse"))
                     .value(QStringLiteral("warehousename"))
                     .toString(),
                 QStringLiteral("Office"));
        QCOMPARE(firstRow(*db, QStringLiteral("Bank")).value(QStringLiteral("bankname")).toString(),
                 QStringLiteral("Meal Deliveries Account"));
        const QVariantMap currency = firstRow(*db, QStringLiteral("Currency"));
        QCOMPARE(currency.value(QStringLiteral("currencyname")).toString(), QStringLiteral("US $"));
        QCOMPARE(currency.value(QStringLiteral("exchangerate")).toDouble(), 1.0);

        const QVariantMap company = firstRow(*db, QStringLiteral("Company"));
        QCOMPARE(values(company, {"companyno", "companyname", "addressline1", "addressline2",
                                  "phone", "fiscalyear", "defaultnetdays", "clientinvoiceformat",
                                  "funderinvoiceformat", "funderinvoicingmethod"}),
                 (QStringList{"1", "Riverside Meals on Wheels", "12 Mill Road",
                              "Springfield IL 62701", "217-555-0100",
                              QString::number(QDate::currentDate().year()), "30", "I", "S", "O"}));
        QVERIFY(!company.value(QStringLiteral("suppressposting")).isNull());
        QVERIFY(!Dialect::readBool(company.value(QStringLiteral("suppressposting"))));
        QVERIFY(!company.value(QStringLiteral("suppressinvoicewording")).isNull());
    }

    void secondStartOnlyRefreshesTheOrganization_data() { testdb::addEngineRows(); }
    void secondStartOnlyRefreshesTheOrganization()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeHost(*db);
        ScriptedDialogs dialogs;
        createOrUpgradeSchema(*db, dialogs);
        db->exec(
            QStringLiteral("UPDATE Item SET ItemDescription = 'Hot Breakfast' WHERE ItemID = 1"));
        db->exec(QStringLiteral("UPDATE Company SET DefaultNetDays = 0, FiscalYear = 1999, "
                                "ClientInvoiceFormat = NULL"));
        db->exec(QStringLiteral(
            "UPDATE Config SET Organizatn = 'Riverside Community Meals', Org_ZIP = NULL"));

        const SchemaReport again = createOrUpgradeSchema(*db, dialogs);
        QVERIFY(again.created.isEmpty());
        QVERIFY(again.upgraded.isEmpty());
        QVERIFY(again.seeded.isEmpty());
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(count(*db, QStringLiteral("Item")), 12);
        QCOMPARE(
            count(*db, QStringLiteral("Item"), QStringLiteral("ItemDescription = 'Hot Breakfast'")),
            1);
        QCOMPARE(count(*db, QStringLiteral("Company")), 1);
        for (const QString& control :
             {QStringLiteral("CustCtl"), QStringLiteral("CusType"), QStringLiteral("ARInvCtl"),
              QStringLiteral("ARPmtCtl"), QStringLiteral("ItemCtl"), QStringLiteral("Bank"),
              QStringLiteral("Currency"), QStringLiteral("Warehse")})
            QCOMPARE(count(*db, control), 1);
        const QVariantMap company = firstRow(*db, QStringLiteral("Company"));
        // the typed net days of 0 are kept: 0 is not empty
        QCOMPARE(values(company, {"companyname", "addressline2", "defaultnetdays", "fiscalyear",
                                  "clientinvoiceformat"}),
                 (QStringList{"Riverside Community Meals", "Springfield IL ", "0", "1999", "I"}));
    }

    void olderLayoutsAreUpgradedKeepingRows_data() { testdb::addEngineRows(); }
    void olderLayoutsAreUpgradedKeepingRows()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeHost(*db);
        TableDef older = ar::customer();
        older.fields = older.fields.mid(0, 10); // before contacts, terms and ship-to addresses
        older.fields[1].size = 6;
        older.indexes = {def::primary({QStringLiteral("CustomerID")})};
        schema::createTable(*db, older);
        records::insert(*db, older,
                        {{QStringLiteral("CustomerID"), 1},
                         {QStringLiteral("CustomerNo"), QStringLiteral("1001")},
                         {QStringLiteral("CustomerName"), QStringLiteral("Ames, Ruth")}});
        // A balance table the engine cannot restructure: two rows for one customer cannot take
        // the unique primary index.
        TableDef balances = ar::cBalance();
        balances.indexes.clear();
        schema::createTable(*db, balances);
        db->exec(
            QStringLiteral("INSERT INTO CBalance (CustomerID, Balance) VALUES (1, 100), (1, 200)"));

        ScriptedDialogs dialogs;
        const SchemaReport report = createOrUpgradeSchema(*db, dialogs);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QCOMPARE(report.upgraded, QStringList{QStringLiteral("Customer")});
        QCOMPARE(report.notUpgraded, QStringList{QStringLiteral("CBalance")});
        QVERIFY(dialogs.shown().isEmpty()); // the failed restructure is swallowed
        QVERIFY(schema::differences(*db, ar::customer()).isEmpty());
        const QVariantMap customer = firstRow(*db, QStringLiteral("Customer"));
        QCOMPARE(customer.value(QStringLiteral("customername")).toString(),
                 QStringLiteral("Ames, Ruth"));
        QVERIFY(customer.contains(QStringLiteral("shiptocountry")));
        QCOMPARE(count(*db, QStringLiteral("CBalance")), 2);
        QVERIFY(!schema::differences(*db, ar::cBalance()).isEmpty());
        QVERIFY(
            schema::tableExists(*db, QStringLiteral("GLAccnt"))); // the start went on to the end
    }

    void anErrorEndsTheSequence_data() { testdb::addEngineRows(); }
    void anErrorEndsTheSequence()
    {
        QFETCH(QString, engine);
        auto db =
            testdb::fresh(engine); // no host tables: the organization refresh cannot read Config
        ScriptedDialogs dialogs;
        const SchemaReport report = createOrUpgradeSchema(*db, dialogs);
        QVERIFY(!report.error.isEmpty());
        QCOMPARE(dialogs.texts(), QStringList{report.error});
        QCOMPARE(dialogs.shown()[0].kind, Dialogs::Kind::Error);
        QVERIFY2(report.error.contains(QStringLiteral("config"), Qt::CaseInsensitive),
                 qPrintable(report.error));
        QVERIFY(schema::tableExists(*db, QStringLiteral("Company")));
        QVERIFY(!schema::tableExists(*db, QStringLiteral("Tax")));
        QVERIFY(!schema::tableExists(*db, QStringLiteral("GLAccnt")));
    }

    void aFailedStepIsShownOnce_data() { testdb::addEngineRows(); }
    void aFailedStepIsShownOnce()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeHost(*db);
        // A customer-type table that cannot be rebuilt (the name its rebuild needs is taken) and
        // takes no empty row: the start ends there, before the organization table is made.
        db->exec(QStringLiteral("CREATE TABLE CusType (Code INTEGER NOT NULL)"));
        db->exec(QStringLiteral("CREATE TABLE CusType__old (Code INTEGER)"));
        ScriptedDialogs dialogs;
        TDataModuleARSystem module(std::move(db), QString(), dialogs);
        const SchemaReport& report = module.schemaReport();
        QVERIFY(!report.error.isEmpty());
        QCOMPARE(report.notUpgraded, QStringList{QStringLiteral("CusType")});
        QCOMPARE(dialogs.texts(), QStringList{report.error});
        QVERIFY(!schema::tableExists(module.database(), QStringLiteral("Company")));
    }

    void currencyFollowsThePostalFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("name");
        QTest::newRow("UK with its blank") << "UK "
                                           << "Pounds";
        QTest::newRow("UK without") << "UK"
                                    << "Pounds";
        QTest::newRow("none") << ""
                              << "";
    }
    void currencyFollowsThePostalFormat()
    {
        QFETCH(QString, format);
        QFETCH(QString, name);
        QCOMPARE(seed::currencyNameForPostalFormat(format), name);
    }

    void dataModuleKeepsItsWorkTable_data() { testdb::addEngineRows(); }
    void dataModuleKeepsItsWorkTable()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        makeHost(*db, QStringLiteral("CAN"));
        auto observer = testdb::reopen(*db);
        ScriptedDialogs dialogs;
        {
            TDataModuleARSystem module(std::move(db), QStringLiteral("/shared"), dialogs);
            QVERIFY(module.tblCompany()->isOpen());
            QVERIFY(module.tblCompany()->first());
            QCOMPARE(module.tblCompany()->field(QStringLiteral("CompanyName")).toString(),
                     QStringLiteral("Riverside Meals on Wheels"));
            QVERIFY(module.MemTableARReportParameters()->isOpen());
            module.database().exec(
                QStringLiteral("INSERT INTO MemTableARReportParameters (Delivery_Date, Services) "
                               "VALUES ('2026-11-02', 'Lunch')"));
            QVERIFY_THROWS_EXCEPTION(DbError, observer->exec(QStringLiteral(
                                                  "SELECT * FROM MemTableARReportParameters")));
            QCOMPARE(firstRow(module.database(), QStringLiteral("Currency"))
                         .value(QStringLiteral("currencyname"))
                         .toString(),
                     QStringLiteral("Canadian $"));
        }
        QVERIFY(dialogs.shown().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSchemaCreation)
#include "test_schemacreation.moc"
