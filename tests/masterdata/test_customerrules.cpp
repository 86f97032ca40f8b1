// Customers added, changed and deleted by hand, on both engines: the numbering counters, the
// defaults of a new customer, the checks before saving in the bookkeeper's order, the currency
// of a customer with invoices, and a deletion that takes the balance row with it or nothing.
#include "customerworld.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "masterdata/customers/customerdelete.h"
#include "masterdata/customers/customerfields.h"
#include "masterdata/customers/customerlist.h"
#include "masterdata/customers/customernumbering.h"
#include "masterdata/customers/customerrecord.h"
#include "masterdata/customers/customersave.h"
#include "masterdata/customers/webpageentry.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>

using namespace customerworld;

namespace
{
QString messageOf(const CustomerCheck& check)
{
    return check ? check->message : QString();
}

// A customer ready to save: named, in dollars.
CustomerRecord namedCustomer(Database& db)
{
    CustomerRecord r = newCustomer(db);
    r.values.insert(QStringLiteral("CustomerName"), QStringLiteral("Ada Brook"));
    return r;
}

// Makes the engine refuse to delete customers, after the balance row is gone.
void refuseCustomerDeletes(Database& db)
{
    if (db.isSqlite()) {
        db.exec(QStringLiteral("CREATE TRIGGER keep_customers BEFORE DELETE ON Customer "
                               "BEGIN SELECT RAISE(ABORT, 'customers are kept'); END"));
        return;
    }
    db.exec(QStringLiteral("CREATE FUNCTION keep_customers() RETURNS trigger AS $$ BEGIN "
                           "RAISE EXCEPTION 'customers are kept'; END $$ LANGUAGE plpgsql"));
    db.exec(QStringLiteral("CREATE TRIGGER keep_customers BEFORE DELETE ON Customer "
                           "FOR EACH ROW EXECUTE FUNCTION keep_customers()"));
}
} // namespace

class TestCustomerRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A fresh counter starts at number 1001 and key 10000; a number beyond 10,000,000 starts
    // again at 1001 while the key runs on; 10,000,000 itself is still used. Each draw stores
    // both counters plus one.
    void numbersComeFromTheCounters_data() { testdb::addEngineRows(); }
    void numbersComeFromTheCounters()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        CustomerKeys k = drawCustomerKeys(*db);
        QCOMPARE(k.customerNo, QStringLiteral("1001"));
        QCOMPARE(k.customerId, 10000);
        k = drawCustomerKeys(*db);
        QCOMPARE(k.customerNo, QStringLiteral("1002"));
        QCOMPARE(k.customerId, 10001);
        QCOMPARE(count(*db, QStringLiteral("SELECT NextCustomerNo FROM CustCtl")), 1003);
        QCOMPARE(count(*db, QStringLiteral("SELECT NextCustomerID FROM CustCtl")), 10002);

        setCounters(*db, 10000001, 20500);
        k = drawCustomerKeys(*db);
        QCOMPARE(k.customerNo, QStringLiteral("1001"));
        QCOMPARE(k.customerId, 20500);
        QCOMPARE(count(*db, QStringLiteral("SELECT NextCustomerNo FROM CustCtl")), 1002);

        setCounters(*db, 10000000, 0);
        k = drawCustomerKeys(*db);
        QCOMPARE(k.customerNo, QStringLiteral("10000000"));
        QCOMPARE(k.customerId, 10000);

        setCounters(*db, 1000, 7);
        QCOMPARE(drawCustomerKeys(*db).customerNo, QStringLiteral("1001"));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM CustCtl")), 1);

        // Counters that cannot be read at all: the draw gives up after its attempts and says
        // why, rather than trying for ever or handing out a number.
        db->exec(QStringLiteral("DROP TABLE CustCtl"));
        QVERIFY_THROWS_EXCEPTION(DbError, drawCustomerKeys(*db));
    }

    // A new customer is in the organization's default currency, when there is one, and prints
    // statements; until saved nothing but the counters is written.
    void newCustomerDefaults_data() { testdb::addEngineRows(); }
    void newCustomerDefaults()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine, kEuros);
        CustomerRecord r = newCustomer(*db);
        QVERIFY(r.inserting);
        QCOMPARE(r.id(QStringLiteral("CurrencyID")), kEuros);
        QCOMPARE(r.values.value(QStringLiteral("PrintStatement")), QVariant(true));
        QCOMPARE(r.values.value(QStringLiteral("AllowBackorders")), QVariant(true));
        QCOMPARE(r.values.value(QStringLiteral("COD")), QVariant(false));
        QCOMPARE(r.values.value(QStringLiteral("Suspended")), QVariant(false));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 0);

        auto noDefault = freshBooks(engine, 0);
        QVERIFY(!newCustomer(*noDefault).values.contains(QStringLiteral("CurrencyID")));
    }

    void webPageKeepsWhatFollowsThePrefix()
    {
        QCOMPARE(webPageFromEntry(QStringLiteral("http://abc")), QStringLiteral("abc"));
        QCOMPARE(webPageFromEntry(QStringLiteral("www.meals.org")),
                 QStringLiteral("www.meals.org"));
        QCOMPARE(webPageFromEntry(QString()), QString());
        QCOMPARE(webPageFromEntry(QStringLiteral("http://www.a-long-name-for-meals.org")),
                 QStringLiteral("www.a-long-name-for-me"));
        QCOMPARE(webPageAddress(QStringLiteral("abc")), QStringLiteral("http://abc"));
        const CustomerField* field = editableCustomerField(QStringLiteral("webpage"));
        QVERIFY(field);
        QCOMPARE(customerFieldValue(*field, QStringLiteral("http://abc"), nullptr),
                 QVariant(QStringLiteral("abc")));
        QVERIFY(customerFieldValue(*field, QString(), nullptr).isNull());
    }

    // Each check is met only once the ones before it pass; nothing is written while refused.
    void checksComeInOrder_data() { testdb::addEngineRows(); }
    void checksComeInOrder()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine, 0);
        addCustomer(*db, 1, QStringLiteral("1500"), QStringLiteral("Taken"));
        CustomerRecord r = newCustomer(*db);
        r.values.remove(QStringLiteral("CustomerNo"));
        r.values.insert(QStringLiteral("SalesmanID"), 99);
        r.values.insert(QStringLiteral("CustomerTypeID"), 98);
        const QList<std::pair<QString, std::function<void()>>> steps{
            {QStringLiteral("Field 'Customer no.' must have a value"),
             [&] { r.values.insert(QStringLiteral("CustomerNo"), QStringLiteral("1500")); }},
            {QStringLiteral("Field 'Customer Name' must have a value"),
             [&] { r.values.insert(QStringLiteral("CustomerName"), QStringLiteral("Ada")); }},
            {QStringLiteral("Field 'Currency' must have a value"),
             [&] { r.values.insert(QStringLiteral("CurrencyID"), 42); }},
            {QStringLiteral("Salesman no longer exists"),
             [&] { r.values.insert(QStringLiteral("SalesmanID"), kSalesman); }},
            {QStringLiteral("Customer Type no longer exists"),
             [&] { r.values.insert(QStringLiteral("CustomerTypeID"), kCustomerType); }},
            {QStringLiteral("Currency no longer exists"),
             [&] { r.values.insert(QStringLiteral("CurrencyID"), kDollars); }},
            {QStringLiteral("Customer no. already exists"),
             [&] { r.values.insert(QStringLiteral("CustomerNo"), QStringLiteral("1501")); }},
        };
        for (const auto& [message, mend] : steps) {
            QCOMPARE(messageOf(saveCustomer(*db, r)), message);
            QVERIFY(r.inserting);
            QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 1);
            mend();
        }
        QCOMPARE(messageOf(saveCustomer(*db, r)), QString());
        QVERIFY(!r.inserting);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerNo = "
                                           "'1501' AND SalesmanID = 5 AND CustomerTypeID = 7")),
                 1);
        // A name of blanks is no name.
        r.values.insert(QStringLiteral("CustomerName"), QStringLiteral("   "));
        QCOMPARE(saveCustomer(*db, r)->field, QStringLiteral("CustomerName"));
    }

    // An edited customer is stored whole: a cleared field becomes empty, long text is cut to the
    // field, the postal code is upper case, and the balance row is not touched.
    void editsAreStored_data() { testdb::addEngineRows(); }
    void editsAreStored()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 3, QStringLiteral("1003"), QStringLiteral("Old Name"));
        addBalance(*db, 3, Money::fromCents(1234));
        CustomerRecord r = *loadCustomer(*db, 3);
        QVERIFY(!r.inserting);
        QCOMPARE(r.values.value(QStringLiteral("Suspended")), QVariant(false));
        const auto set = [&](const char* name, const QString& typed) {
            const CustomerField* field = editableCustomerField(QString::fromLatin1(name));
            QVERIFY(field);
            QString wrong;
            const QVariant value = customerFieldValue(*field, typed, &wrong);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
            QVERIFY(!setCustomerField(*db, r, *field, value));
        };
        set("CustomerName", QStringLiteral("New Name That Is Much Longer Than Forty Characters"));
        set("ZipCode", QStringLiteral("k1a 0b1"));
        set("CreditLimit", QStringLiteral("1,500.25"));
        set("Suspended", QStringLiteral("yes"));
        set("AddressLine1", QString());
        QVERIFY(!saveCustomer(*db, r));
        const CustomerRecord stored = *loadCustomer(*db, 3);
        QCOMPARE(stored.text(QStringLiteral("CustomerName")),
                 QStringLiteral("New Name That Is Much Longer Than Forty "));
        QCOMPARE(stored.text(QStringLiteral("ZipCode")), QStringLiteral("K1A 0B1"));
        QCOMPARE(stored.id(QStringLiteral("CreditLimit")), Money::fromCents(150025).raw());
        QCOMPARE(stored.values.value(QStringLiteral("Suspended")), QVariant(true));
        QCOMPARE(stored.text(QStringLiteral("CustomerType")), QStringLiteral("C"));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE AddressLine1 IS "
                                           "NULL")),
                 1);
        QCOMPARE(count(*db, QStringLiteral("SELECT Balance FROM CBalance")),
                 Money::fromCents(1234).raw());

        QString wrong;
        customerFieldValue(*editableCustomerField(QStringLiteral("NetDays")), QStringLiteral("ten"),
                           &wrong);
        QCOMPARE(wrong, QStringLiteral("'ten' is not a valid integer"));
        QVERIFY(!editableCustomerField(QStringLiteral("CustomerID")));
    }

    // The currency of a customer with invoices stays; without invoices, or for a new customer,
    // it may change, and choosing the same currency again is no change.
    void currencyStaysWithInvoices_data() { testdb::addEngineRows(); }
    void currencyStaysWithInvoices()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 1, QStringLiteral("1001"), QStringLiteral("Billed"));
        addCustomer(*db, 2, QStringLiteral("1002"), QStringLiteral("Unbilled"));
        addInvoice(*db, 77, 1);
        const CustomerField& currency = *editableCustomerField(QStringLiteral("CurrencyID"));

        CustomerRecord billed = *loadCustomer(*db, 1);
        const CustomerCheck refused = setCustomerField(*db, billed, currency, kEuros);
        QCOMPARE(messageOf(refused), QStringLiteral("Currency cannot be changed... \rInvoice(s) "
                                                    "already exist"));
        QCOMPARE(refused->field, QStringLiteral("CurrencyID"));
        QCOMPARE(billed.id(QStringLiteral("CurrencyID")), kDollars);
        QVERIFY(!setCustomerField(*db, billed, currency, kDollars));
        // Forced into the record, the change is still refused when saved.
        billed.values.insert(QStringLiteral("CurrencyID"), kEuros);
        QCOMPARE(messageOf(saveCustomer(*db, billed)), messageOf(refused));
        QCOMPARE(count(*db, QStringLiteral("SELECT CurrencyID FROM Customer WHERE CustomerID = 1")),
                 kDollars);

        CustomerRecord unbilled = *loadCustomer(*db, 2);
        QVERIFY(!setCustomerField(*db, unbilled, currency, kEuros));
        QVERIFY(!saveCustomer(*db, unbilled));
        QCOMPARE(count(*db, QStringLiteral("SELECT CurrencyID FROM Customer WHERE CustomerID = 2")),
                 kEuros);

        CustomerRecord fresh = namedCustomer(*db);
        QVERIFY(!setCustomerField(*db, fresh, currency, kEuros));
    }

    // Asked first; No leaves everything. A customer with an invoice is refused by name with
    // its balance kept; otherwise the balance row and the customer go together.
    void deletion_data() { testdb::addEngineRows(); }
    void deletion()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 1, QStringLiteral("1001"), QStringLiteral("Billed"));
        addCustomer(*db, 2, QStringLiteral("1002"), QStringLiteral("Unbilled"));
        addCustomer(*db, 3, QStringLiteral("1003"), QStringLiteral("No Balance"));
        addBalance(*db, 1, Money::fromCents(500));
        addBalance(*db, 2, Money{});
        addInvoice(*db, 77, 1);

        ScriptedDialogs no({Dialogs::No});
        QCOMPARE(deleteCustomer(*db, no, 2), DeleteOutcome::Abandoned);
        QCOMPARE(no.texts(), QStringList{QStringLiteral("Delete '1002: Unbilled'?")});

        ScriptedDialogs yes({Dialogs::Yes, Dialogs::Yes, Dialogs::Yes});
        QCOMPARE(deleteCustomer(*db, yes, 1), DeleteOutcome::Refused);
        QCOMPARE(yes.texts().last(), QStringLiteral("Unable to delete '1001: Billed'...\r\n"
                                                    "Invoice(s) exist for this customer"));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM CBalance WHERE CustomerID = 1")),
                 1);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerID = 1")),
                 1);

        QCOMPARE(deleteCustomer(*db, yes, 2), DeleteOutcome::Deleted);
        QCOMPARE(deleteCustomer(*db, yes, 3), DeleteOutcome::Deleted);
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT CustomerID FROM Customer")),
                 QList<qint64>{1});
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT CustomerID FROM CBalance")),
                 QList<qint64>{1});
        ScriptedDialogs unasked;
        QCOMPARE(deleteCustomer(*db, unasked, 2), DeleteOutcome::NotFound);
    }

    // When the customer cannot be deleted after its balance row went, the balance row is back.
    void failedDeletionKeepsTheBalance_data() { testdb::addEngineRows(); }
    void failedDeletionKeepsTheBalance()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 2, QStringLiteral("1002"), QStringLiteral("Kept"));
        addBalance(*db, 2, Money::fromCents(4200));
        refuseCustomerDeletes(*db);
        ScriptedDialogs yes({Dialogs::Yes});
        QVERIFY_THROWS_EXCEPTION(DbError, deleteCustomer(*db, yes, 2));
        QCOMPARE(count(*db, QStringLiteral("SELECT Balance FROM CBalance WHERE CustomerID = 2")),
                 Money::fromCents(4200).raw());
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 1);
    }

    // The list shows each customer once with its balance (0 without a balance row), in name
    // order without regard to case or in number order, narrowed by the filter.
    void listAndFilter_data() { testdb::addEngineRows(); }
    void listAndFilter()
    {
        QFETCH(QString, engine);
        auto db = freshBooks(engine);
        addCustomer(*db, 1, QStringLiteral("1003"), QStringLiteral("carter"));
        addCustomer(*db, 2, QStringLiteral("1001"), QStringLiteral("Baker"), kEuros);
        addCustomer(*db, 3, QStringLiteral("1002"), QStringLiteral("Dunn"));
        addBalance(*db, 1, Money::fromCents(-250));
        db->exec(QStringLiteral("UPDATE Customer SET Suspended = true, SalesmanID = 5, "
                                "CustomerType = 'F' WHERE CustomerID = 3"));
        const auto ids = [](const QList<CustomerRow>& rows) {
            QList<qint64> all;
            for (const CustomerRow& r : rows)
                all << r.customerId;
            return all;
        };
        const QList<CustomerRow> byName = readCustomers(*db, {}, CustomerOrder::Name);
        QCOMPARE(ids(byName), (QList<qint64>{2, 1, 3}));
        QCOMPARE(byName[1].balance, Money::fromCents(-250));
        QCOMPARE(byName[0].balance, Money{});
        QCOMPARE(ids(readCustomers(*db, {}, CustomerOrder::Number)), (QList<qint64>{2, 3, 1}));

        CustomerFilter filter;
        QVERIFY(!filter.isOn());
        QCOMPARE(customerFilterExpression(filter), QString());
        filter.suspended = false;
        QCOMPARE(ids(readCustomers(*db, filter, CustomerOrder::Name)), (QList<qint64>{2, 1}));
        filter.currencyId = kDollars;
        QCOMPARE(ids(readCustomers(*db, filter, CustomerOrder::Name)), QList<qint64>{1});
        filter = {};
        filter.salesmanId = kSalesman;
        filter.customerTypeId = kCustomerType;
        filter.currencyId = kDollars;
        filter.suspended = true;
        QCOMPARE(customerFilterExpression(filter),
                 QStringLiteral("(SalesmanID = 5) AND (CustomerTypeID = 7) AND (CurrencyID = 1) "
                                "AND (Suspended = true)"));
        QCOMPARE(ids(readCustomers(*db, filter, CustomerOrder::Name)), QList<qint64>{});
        filter = {};
        filter.customerType = QStringLiteral("F");
        QCOMPARE(ids(readCustomers(*db, filter, CustomerOrder::Name)), QList<qint64>{3});
    }
};

QTEST_GUILESS_MAIN(TestCustomerRules)
#include "test_customerrules.moc"
