// Clients and funders brought in as AR customers: who gets which key, which address a bill goes
// to, how known customers are refreshed and classified, and which errors stop the run.
#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "sync/customersync.h"
#include "syncfixture.h"
#include "testdatabases.h"

#include <QTest>

using namespace syncfixture;

namespace
{

QVariantMap client(int personId, const QString& clientId, const QString& last, const QString& first)
{
    return {{QStringLiteral("Person_ID"), personId},
            {QStringLiteral("Client_ID"), clientId},
            {QStringLiteral("Last_Name"), last},
            {QStringLiteral("First_Name"), first},
            {QStringLiteral("Address1"), QStringLiteral("%1 Pine Drive").arg(personId)},
            {QStringLiteral("Address2"), QStringLiteral("Apt 1F")},
            {QStringLiteral("City"), QStringLiteral("Stonebridge")},
            {QStringLiteral("State"), QStringLiteral("OH")},
            {QStringLiteral("ZIP"), QStringLiteral("43148")},
            {QStringLiteral("Phone"), QStringLiteral("(740) 555-0101")},
            {QStringLiteral("EMail"), QStringLiteral("client%1@example.org").arg(personId)}};
}

QVariantMap individual(int id, const QString& first, const QString& last,
                       const QString& organization)
{
    return {{QStringLiteral("Indiv_ID"), id},
            {QStringLiteral("First_Name"), first},
            {QStringLiteral("Last_Name"), last},
            {QStringLiteral("Organization"), organization},
            {QStringLiteral("Address1"), QStringLiteral("%1 Park Street").arg(id)},
            {QStringLiteral("Address2"), QStringLiteral("Suite %1").arg(id)},
            {QStringLiteral("City"), QStringLiteral("Riverbend")},
            {QStringLiteral("State"), QStringLiteral("KY")},
            {QStringLiteral("ZIP"), QStringLiteral("45601")},
            {QStringLiteral("Phone1"), QStringLiteral("(740) 555-0%1").arg(id)},
            {QStringLiteral("Phone2"), QStringLiteral("(740) 555-1%1").arg(id)},
            {QStringLiteral("Email"), QStringLiteral("payer%1@example.com").arg(id)}};
}

QVariantMap funder(int id, const QVariant& code, const QString& name, const QString& contact)
{
    return {{QStringLiteral("Fund_ID"), id},
            {QStringLiteral("Fund_CD"), code},
            {QStringLiteral("Fund_Srce"), name},
            {QStringLiteral("Contact"), contact},
            {QStringLiteral("Address1"), QStringLiteral("1200 Courthouse Square")},
            {QStringLiteral("City"), QStringLiteral("Riverbend")},
            {QStringLiteral("Phone"), QStringLiteral("(740) 555-0110")},
            {QStringLiteral("Fax"), QStringLiteral("(740) 555-0111")},
            {QStringLiteral("EMail"), QStringLiteral("claims@example.org")}};
}

// A customer typed in by hand.
void addCustomer(Database& db, int id, const QVariant& number, const QVariant& type)
{
    records::insert(db, ar::customer(),
                    {{QStringLiteral("CustomerID"), id},
                     {QStringLiteral("CustomerNo"), number},
                     {QStringLiteral("CustomerName"), QStringLiteral("Typed In %1").arg(id)},
                     {QStringLiteral("CustomerType"), type}});
}

qint64 nextCustomerId(Database& db)
{
    return testdb::scalar(db, QStringLiteral("SELECT NextCustomerID FROM CustCtl"));
}

QString text(const QVariantMap& row, const char* field)
{
    return row.value(QString::fromLatin1(field).toLower()).toString();
}

bool isNull(const QVariantMap& row, const char* field)
{
    return row.value(QString::fromLatin1(field).toLower()).isNull();
}

const QVariant kNoText = QVariant(QMetaType::fromType<QString>());

// The fields' values as text, "<null>" for a null.
QStringList texts(const QVariantMap& row, std::initializer_list<const char*> fields)
{
    QStringList values;
    for (const char* field : fields)
        values << (isNull(row, field) ? QStringLiteral("<null>") : text(row, field));
    return values;
}

} // namespace

class TestCustomerSync : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newCustomersAreNumberedInBlocks_data() { testdb::addEngineRows(); }
    void newCustomersAreNumberedInBlocks()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        db->exec(QStringLiteral("UPDATE CustCtl SET NextCustomerID = 10"));
        addClient(*db, client(103, QStringLiteral("1003.1"), QStringLiteral("Reyes"),
                              QStringLiteral("Ana")));
        addClient(*db, client(101, QStringLiteral("1001"), QStringLiteral("Smith"),
                              QStringLiteral("John")));
        addClient(*db, client(102, QStringLiteral("1002"), QStringLiteral("Okafor"),
                              QStringLiteral("Grace")));
        addFunder(*db, funder(1, QStringLiteral("AAA"), QStringLiteral("Area Agency on Aging"),
                              QString()));

        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const SyncReport report = synchronizeCustomers(*db, dialogs, progress);
        QCOMPARE(dialogs.texts(),
                 QStringList{QStringLiteral("Succesfully completed the synchronization.")});
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Information);
        QVERIFY(report.clean());
        QCOMPARE(report.clientsAdded, 3);
        QCOMPARE(report.fundersAdded, 1);

        // Clients in the host's order get 10, 11, 12; 13 is never given out.
        for (const auto& [no, id] : {std::pair{"1001", 10}, {"1002", 11}, {"1003.1", 12}})
            QCOMPARE(customer(*db, QLatin1String(no)).value(QStringLiteral("customerid")).toInt(),
                     id);
        // The funders' block starts where the clients' left the counter.
        QCOMPARE(customer(*db, QStringLiteral("AAA")).value(QStringLiteral("customerid")).toInt(),
                 14);
        QCOMPARE(nextCustomerId(*db), 16);

        const QVariantMap smith = customer(*db, QStringLiteral("1001"));
        QCOMPARE(
            texts(smith,
                  {"CustomerName", "ShipToName", "Contact", "AddressLine1", "ShipToAddressLine2",
                   "EMail", "Fax", "Country", "ShipToCountry", "CustomerType"}),
            (QStringList{"Smith, John", "Smith, John", "John Smith", "101 Pine Drive", "Apt 1F",
                         "client101@example.org", "<null>", "<null>", "<null>", "C"}));
        QCOMPARE(smith.value(QStringLiteral("netdays")).toInt(), 30); // the organization's terms
        QCOMPARE(smith.value(QStringLiteral("suspended")).toBool(), false);

        const QVariantMap agency = customer(*db, QStringLiteral("AAA"));
        QCOMPARE(
            texts(agency, {"Contact", "CustomerType", "Fax", "ShipToName", "ShipToAddressLine1"}),
            (QStringList{"Area Agency on Aging", "F", "(740) 555-0111", "<null>", "<null>"}));

        // Each pass runs from 0 to 100, and the bar is back at 0 at the end.
        QCOMPARE(progress.minimum, 0);
        QCOMPARE(progress.maximum, 100);
        QCOMPARE(progress.values, (QList<int>{0, 33, 66, 100, 0, 100, 0}));
    }

    void countersWithoutAValue_data() { testdb::addEngineRows(); }
    void countersWithoutAValue()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        ScriptedDialogs dialogs;
        NoProgress progress;
        // A blank counter over an empty table: the first customer is 1.
        addClient(*db,
                  client(1, QStringLiteral("1"), QStringLiteral("Ames"), QStringLiteral("Jo")));
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());
        QCOMPARE(customer(*db, QStringLiteral("1")).value(QStringLiteral("customerid")).toInt(), 1);
        QCOMPARE(nextCustomerId(*db), 3);

        // A counter behind the keys in use is moved past them before anything is drawn.
        addCustomer(*db, 20, QStringLiteral("X20"), QStringLiteral("F"));
        db->exec(QStringLiteral("UPDATE CustCtl SET NextCustomerID = 5"));
        addClient(*db,
                  client(2, QStringLiteral("2"), QStringLiteral("Bell"), QStringLiteral("Al")));
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());
        QCOMPARE(customer(*db, QStringLiteral("2")).value(QStringLiteral("customerid")).toInt(),
                 21);
        QCOMPARE(nextCustomerId(*db), 23);

        // Nothing new: nothing added, the counter stays, and the run still says it is done.
        const SyncReport idle = synchronizeCustomers(*db, dialogs, progress);
        QVERIFY(idle.clean());
        QCOMPARE(idle.clientsAdded + idle.fundersAdded, 0);
        QCOMPARE(nextCustomerId(*db), 23);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 3);
        QCOMPARE(dialogs.texts(),
                 QStringList(3, QStringLiteral("Succesfully completed the synchronization.")));
    }

    void billsGoToTheSingleBillToContact_data() { testdb::addEngineRows(); }
    void billsGoToTheSingleBillToContact()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        // 1: one Bill-To, an organization with a contact person
        addClient(*db, client(1, QStringLiteral("301"), QStringLiteral("Turner"),
                              QStringLiteral("Evelyn")));
        addIndividual(*db, individual(11, QStringLiteral("Irene"), QStringLiteral("Bishop"),
                                      QStringLiteral("Harbor Trust")));
        relate(*db, 1, 11, QStringLiteral("Bill-To"));
        // 2: one Bill-To, a relative
        addClient(*db, client(2, QStringLiteral("302"), QStringLiteral("Castillo"),
                              QStringLiteral("Albert")));
        QVariantMap relative =
            individual(12, QStringLiteral("Wanda"), QStringLiteral("Castillo"), QString());
        relative.remove(QStringLiteral("Address2"));
        addIndividual(*db, relative);
        relate(*db, 2, 12, QStringLiteral("Bill-To"));
        // 3: two Bill-To contacts
        addClient(*db,
                  client(3, QStringLiteral("303"), QStringLiteral("Lee"), QStringLiteral("Sam")));
        addIndividual(*db, individual(13, QStringLiteral("Ann"), QStringLiteral("Lee"), QString()));
        addIndividual(*db, individual(14, QString(), QString(), QStringLiteral("County Office")));
        relate(*db, 3, 14, QStringLiteral("Bill-To"));
        relate(*db, 3, 13, QStringLiteral("Bill-To"));
        // 4: an organization without a second address line
        addClient(*db,
                  client(4, QStringLiteral("304"), QStringLiteral("Moss"), QStringLiteral("Ed")));
        QVariantMap office =
            individual(15, QString(), QString(), QStringLiteral("Fiduciary Partners"));
        office.remove(QStringLiteral("Address2"));
        addIndividual(*db, office);
        relate(*db, 4, 15, QStringLiteral("Bill-To"));
        // 5: only an emergency contact; 6: a Bill-To whose individual is gone
        addClient(*db,
                  client(5, QStringLiteral("305"), QStringLiteral("Nash"), QStringLiteral("Lu")));
        addIndividual(*db,
                      individual(16, QStringLiteral("Kim"), QStringLiteral("Nash"), QString()));
        relate(*db, 5, 16, QStringLiteral("Emergency Contact"));
        addClient(
            *db, client(6, QStringLiteral("306"), QStringLiteral("Ortiz"), QStringLiteral("Rosa")));
        relate(*db, 6, 99, QStringLiteral("Bill-To"));
        // 7, 8, 9: Bill-To contacts with ever less of a name
        addClient(*db,
                  client(7, QStringLiteral("307"), QStringLiteral("Park"), QStringLiteral("Jin")));
        addIndividual(*db, individual(17, QString(), QStringLiteral("Whitfield"), QString()));
        relate(*db, 7, 17, QStringLiteral("Bill-To"));
        addClient(*db,
                  client(8, QStringLiteral("308"), QStringLiteral("Quinn"), QStringLiteral("Bo")));
        addIndividual(*db, individual(18, QString(), QString(), QStringLiteral("Trust Co")));
        relate(*db, 8, 18, QStringLiteral("Bill-To"));
        addClient(*db,
                  client(9, QStringLiteral("309"), QStringLiteral("Ruiz"), QStringLiteral("Eva")));
        addIndividual(*db, individual(19, QString(), QString(), QString()));
        relate(*db, 9, 19, QStringLiteral("Bill-To"));

        ScriptedDialogs dialogs;
        NoProgress progress;
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());

        QCOMPARE(texts(customer(*db, QStringLiteral("301")),
                       {"AddressLine1", "AddressLine2", "City", "StateProv", "Contact", "Phone",
                        "Fax", "EMail", "ShipToAddressLine1", "ShipToStateProv"}),
                 (QStringList{"Harbor Trust", "11 Park Street Suite 11", "Riverbend", "KY",
                              "Irene, Bishop", "(740) 555-011", "(740) 555-111",
                              "payer11@example.com", "1 Pine Drive", "OH"})); // meals to the client
        const QVariantMap castillo = customer(*db, QStringLiteral("302"));
        QCOMPARE(text(castillo, "AddressLine1"), QStringLiteral("12 Park Street"));
        QVERIFY(isNull(castillo, "AddressLine2"));
        QCOMPARE(text(castillo, "Contact"), QStringLiteral("Wanda, Castillo"));

        const QVariantMap lee = customer(*db, QStringLiteral("303"));
        QCOMPARE(text(lee, "AddressLine1"), QStringLiteral("3 Pine Drive"));
        QCOMPARE(text(lee, "City"), QStringLiteral("Stonebridge"));
        QCOMPARE(text(lee, "Contact"), QStringLiteral("Sam Lee"));
        QCOMPARE(text(lee, "Phone"), QStringLiteral("(740) 555-0101"));
        QVERIFY(isNull(lee, "Fax"));

        QCOMPARE(text(customer(*db, QStringLiteral("304")), "AddressLine2"),
                 QStringLiteral("15 Park Street"));
        QCOMPARE(text(customer(*db, QStringLiteral("307")), "Contact"),
                 QStringLiteral(", Whitfield"));

        // The next run lays the Bill-To contact over every known client that has one.
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());
        QCOMPARE(texts(customer(*db, QStringLiteral("301")),
                       {"Contact", "AddressLine1", "AddressLine2", "ShipToName", "CustomerName"}),
                 (QStringList{"Irene Bishop", "Harbor Trust", "11 Park Street Suite 11",
                              "Evelyn Turner", "Turner, Evelyn"}));
        // the first recorded of two Bill-To contacts
        QCOMPARE(texts(customer(*db, QStringLiteral("303")),
                       {"Contact", "AddressLine1", "AddressLine2", "Fax"}),
                 (QStringList{"Ann Lee", "13 Park Street", "Suite 13", "(740) 555-113"}));
        const QVariantMap moss = customer(*db, QStringLiteral("304"));
        QCOMPARE(text(moss, "Contact"), QStringLiteral("% Fiduciary Partners"));
        QCOMPARE(text(moss, "AddressLine2"), QStringLiteral("15 Park Street "));
        QCOMPARE(text(customer(*db, QStringLiteral("307")), "Contact"),
                 QStringLiteral("Whitfield"));
        QCOMPARE(text(customer(*db, QStringLiteral("308")), "Contact"),
                 QStringLiteral("% Trust Co"));
        QCOMPARE(text(customer(*db, QStringLiteral("309")), "Contact"),
                 QStringLiteral("In Care Of"));
        QCOMPARE(text(customer(*db, QStringLiteral("309")), "AddressLine1"),
                 QStringLiteral("19 Park Street"));
        QCOMPARE(text(customer(*db, QStringLiteral("305")), "Contact"), QStringLiteral("Lu Nash"));
        QCOMPARE(text(customer(*db, QStringLiteral("306")), "AddressLine1"),
                 QStringLiteral("6 Pine Drive"));
    }

    void refreshKeepsTextWhole_data() { testdb::addEngineRows(); }
    void refreshKeepsTextWhole()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        const QString longLast = QStringLiteral("Vanderhoeven-Montgomery-Smyth"); // 29
        const QString longFirst = QStringLiteral("Maximiliana-Josefina");         // 20
        addClient(*db, client(1, QStringLiteral("401"), longLast, longFirst));
        QVariantMap office = individual(11, QString(), QString(), QStringLiteral("Estate Office"));
        office.insert(QStringLiteral("Address1"),
                      QStringLiteral("Riverside Professional Building"));
        office.insert(QStringLiteral("Address2"), QStringLiteral("Suite 1400"));
        addIndividual(*db, office);
        relate(*db, 1, 11, QStringLiteral("Bill-To"));
        const QString officeLines = QStringLiteral("Riverside Professional Building Suite 1400");
        addClient(*db,
                  client(2, QStringLiteral("402"), QStringLiteral("Smith"), QStringLiteral("Al")));
        addFunder(*db, funder(1, QStringLiteral("UWAY"), QStringLiteral("United Way"),
                              QStringLiteral("Grants Office")));
        ScriptedDialogs dialogs;
        NoProgress progress;
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());
        const QString fullName = longLast + QStringLiteral(", ") + longFirst;
        QCOMPARE(text(customer(*db, QStringLiteral("401")), "CustomerName"), fullName.left(40));
        QCOMPARE(text(customer(*db, QStringLiteral("401")), "AddressLine2"), officeLines.left(35));
        QCOMPARE(text(customer(*db, QStringLiteral("401")), "ShipToName"), fullName.left(40));

        // The host changes: a missing first name leaves the rest of the name, empty text is
        // stored as nothing, and the funder's contact is cleared.
        db->exec(QStringLiteral("UPDATE Clients SET First_Name = NULL, Phone = '',"
                                " City = 'New Town' WHERE Person_ID = 2"));
        db->exec(QStringLiteral("UPDATE FundSrcs SET Contact = NULL, Fund_Srce = 'United Way of"
                                " the Valley'"));
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());
        const QVariantMap smith = customer(*db, QStringLiteral("402"));
        QCOMPARE(text(smith, "CustomerName"), QStringLiteral("Smith, "));
        QCOMPARE(text(smith, "Contact"), QStringLiteral(" Smith"));
        QCOMPARE(text(smith, "ShipToName"), QStringLiteral(" Smith"));
        QCOMPARE(text(smith, "City"), QStringLiteral("New Town"));
        QCOMPARE(text(smith, "ShipToCity"), QStringLiteral("New Town"));
        QVERIFY(isNull(smith, "Phone"));
        const QVariantMap long1 = customer(*db, QStringLiteral("401"));
        QCOMPARE(text(long1, "CustomerName"), fullName.left(40));
        QCOMPARE(text(long1, "ShipToName"), (longFirst + QLatin1Char(' ') + longLast).left(40));
        QCOMPARE(text(long1, "AddressLine1"), QStringLiteral("Estate Office"));
        QCOMPARE(text(long1, "AddressLine2"), officeLines.left(35));
        const QVariantMap way = customer(*db, QStringLiteral("UWAY"));
        QCOMPARE(text(way, "CustomerName"), QStringLiteral("United Way of the Valley"));
        QCOMPARE(text(way, "Contact"), QStringLiteral("United Way of the Valley"));
    }

    void customersAreClassified_data() { testdb::addEngineRows(); }
    void customersAreClassified()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        addCustomer(*db, 1, QStringLiteral("ABC"), kNoText);
        addCustomer(*db, 2, QStringLiteral("PRI"), kNoText);
        addCustomer(*db, 3, QStringLiteral("7XY"), QStringLiteral("F")); // begins with a digit
        addCustomer(*db, 4, QStringLiteral("LUNCH.2"), QStringLiteral("F"));
        addCustomer(*db, 5, kNoText, QStringLiteral("C"));
        addCustomer(*db, 6, QStringLiteral("4H"), kNoText);
        addCustomer(*db, 7, QStringLiteral("501"), kNoText);
        addFunder(*db, funder(1, QStringLiteral("4H"), QStringLiteral("Four H Club"), QString()));
        addClient(*db,
                  client(1, QStringLiteral("501"), QStringLiteral("Ames"), QStringLiteral("Jo")));
        ScriptedDialogs dialogs;
        NoProgress progress;
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());
        auto type = [&](int id) {
            return row(*db, QStringLiteral("SELECT CustomerType FROM Customer WHERE CustomerID"
                                           " = %1")
                                .arg(id))
                .value(QStringLiteral("customertype"))
                .toString();
        };
        // 6 ("4H"): the funder refresh comes after the digits
        QCOMPARE((QStringList{type(1), type(2), type(3), type(4), type(5), type(6), type(7)}),
                 (QStringList{"F", "C", "C", "C", "F", "F", "C"}));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 7);
    }

    void hostRecordsWithoutANumber_data() { testdb::addEngineRows(); }
    void hostRecordsWithoutANumber()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        addClient(*db, client(1, QString(), QStringLiteral("Waiting"), QStringLiteral("Wanda")));
        addClient(
            *db, client(2, QStringLiteral("601"), QStringLiteral("Placed"), QStringLiteral("Pat")));
        db->exec(QStringLiteral("INSERT INTO Clients (Person_ID, Client_ID, Last_Name) VALUES"
                                " (3, '', 'Blank')"));
        addFunder(*db, funder(1, kNoText, QStringLiteral("Anonymous Donor"), QString()));
        ScriptedDialogs dialogs;
        NoProgress progress;
        const SyncReport first = synchronizeCustomers(*db, dialogs, progress);
        QCOMPARE(first.clientsAdded, 1);
        QCOMPARE(first.fundersAdded, 1);
        QCOMPARE(
            testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE CustomerNo IS"
                                               " NULL AND CustomerType = 'F' AND CustomerName ="
                                               " 'Anonymous Donor'")),
            1);
        // The funder without a code is known now; it is not added again.
        const SyncReport second = synchronizeCustomers(*db, dialogs, progress);
        QVERIFY(second.clean());
        QCOMPARE(second.clientsAdded + second.fundersAdded, 0);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 2);
    }

    void refusedInsertEndsTheRunKeepingEarlierRows_data() { testdb::addEngineRows(); }
    void refusedInsertEndsTheRunKeepingEarlierRows()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        db->exec(QStringLiteral("CREATE UNIQUE INDEX Customer_OneNumber ON Customer (CustomerNo)"));
        addClient(*db,
                  client(1, QStringLiteral("700"), QStringLiteral("First"), QStringLiteral("A")));
        addClient(*db,
                  client(2, QStringLiteral("700"), QStringLiteral("Twin"), QStringLiteral("B")));
        addClient(*db,
                  client(3, QStringLiteral("701"), QStringLiteral("Third"), QStringLiteral("C")));
        addFunder(*db, funder(1, QStringLiteral("AAA"), QStringLiteral("Agency"), QString()));
        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const SyncReport report = synchronizeCustomers(*db, dialogs, progress);
        QVERIFY(!report.completed);
        QCOMPARE(report.clientsAdded, 1);
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
        QCOMPARE(report.errorsShown, QStringList{dialogs.texts().first()});
        QCOMPARE(progress.values.last(), 0);
        // The row before the refused one stays, nothing after it is written, and the counter
        // has already passed the whole block.
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 1);
        QCOMPARE(text(customer(*db, QStringLiteral("700")), "CustomerName"),
                 QStringLiteral("First, A"));
        QCOMPARE(nextCustomerId(*db), 5);

        // The next run repairs nothing that is not broken and adds what is still missing.
        db->exec(QStringLiteral("DELETE FROM Clients WHERE Person_ID = 2"));
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());
        QCOMPARE(customer(*db, QStringLiteral("701")).value(QStringLiteral("customerid")).toInt(),
                 5);
        QCOMPARE(customer(*db, QStringLiteral("AAA")).value(QStringLiteral("customerid")).toInt(),
                 7);
    }

    void refusedReservationIsShownAndTheRunGoesOn_data() { testdb::addEngineRows(); }
    void refusedReservationIsShownAndTheRunGoesOn()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        db->exec(QStringLiteral("UPDATE CustCtl SET NextCustomerID = 48"));
        refuseUpdates(*db, QStringLiteral("CustCtl"), QStringLiteral("NEW.NextCustomerID > 50"));
        for (int p = 1; p <= 3; ++p)
            addClient(*db, client(p, QString::number(800 + p), QStringLiteral("Doe"),
                                  QStringLiteral("J")));
        ScriptedDialogs dialogs;
        NoProgress progress;
        const SyncReport report = synchronizeCustomers(*db, dialogs, progress);
        QVERIFY(report.completed);
        QCOMPARE(report.errorsShown.size(), 1);
        QVERIFY2(report.errorsShown.first().contains(QStringLiteral("refused for the test")),
                 qPrintable(report.errorsShown.first()));
        QCOMPARE(dialogs.texts().size(), 2);
        QCOMPARE(dialogs.shown()[0].kind, Dialogs::Kind::Error);
        QCOMPARE(dialogs.texts()[1], QStringLiteral("Succesfully completed the synchronization."));
        // The keys computed before the refusal are used; the counter stays where it was.
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT MIN(CustomerID) FROM Customer")), 48);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT MAX(CustomerID) FROM Customer")), 50);
        QCOMPARE(nextCustomerId(*db), 48);
    }

    void refreshErrorsPassSilently_data() { testdb::addEngineRows(); }
    void refreshErrorsPassSilently()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        addClient(*db,
                  client(1, QStringLiteral("901"), QStringLiteral("Old"), QStringLiteral("Name")));
        ScriptedDialogs dialogs;
        NoProgress progress;
        QVERIFY(synchronizeCustomers(*db, dialogs, progress).clean());
        // The client refresh is refused; the rest of that step (the typeless classification)
        // is skipped without a word, and the new client still comes in.
        refuseUpdates(
            *db, QStringLiteral("Customer"),
            QStringLiteral("COALESCE(NEW.ShipToName, '') <> COALESCE(OLD.ShipToName, '')"));
        db->exec(QStringLiteral("UPDATE Clients SET Last_Name = 'New'"));
        addCustomer(*db, 40, QStringLiteral("ABC"), kNoText);
        addClient(*db,
                  client(2, QStringLiteral("902"), QStringLiteral("Next"), QStringLiteral("One")));
        const SyncReport report = synchronizeCustomers(*db, dialogs, progress);
        QVERIFY(report.clean());
        QCOMPARE(report.clientsAdded, 1);
        QCOMPARE(text(customer(*db, QStringLiteral("901")), "CustomerName"),
                 QStringLiteral("Old, Name"));
        QVERIFY(isNull(customer(*db, QStringLiteral("ABC")), "CustomerType"));
        QCOMPARE(dialogs.texts(),
                 QStringList(2, QStringLiteral("Succesfully completed the synchronization.")));
    }

    void missingCounterTableEndsTheRun_data() { testdb::addEngineRows(); }
    void missingCounterTableEndsTheRun()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        db->exec(QStringLiteral("DROP TABLE CustCtl"));
        addClient(*db,
                  client(1, QStringLiteral("1"), QStringLiteral("Ames"), QStringLiteral("Jo")));
        ScriptedDialogs dialogs;
        RecordingProgress progress;
        const SyncReport report = synchronizeCustomers(*db, dialogs, progress);
        QVERIFY(!report.completed);
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
        QVERIFY(!dialogs.texts().first().isEmpty());
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Customer")), 0);
        QCOMPARE(progress.values, QList<int>{0});
    }
};

QTEST_MAIN(TestCustomerSync)
#include "test_customersync.moc"
