// The invoice register's rules on both engines: the list's orders, Outstanding and filter, typed
// text matched as data, the find dialog, both deletions (posted invoices kept, all or nothing),
// copying at either price, the posting offer and the print setup.
#include "changedwhileasking.h"
#include "data/artables.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "invoicefixture.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicerefusal.h"
#include "receivables/invoices/register/invoiceprintsetup.h"
#include "receivables/invoices/register/registercommands.h"
#include "receivables/invoices/register/registercopy.h"
#include "receivables/invoices/register/registerdelete.h"
#include "receivables/invoices/register/registerfind.h"
#include "receivables/invoices/register/registerlist.h"
#include "receivables/invoices/register/registermessages.h"
#include "registersample.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>
#include <functional>

using namespace invoicefixture;
using namespace registersample;

namespace
{

const FormatSettings kUs = FormatSettings::us();

QList<qint64> ids(Database& db, const RegisterView& view)
{
    QList<qint64> found;
    for (const RegisterRow& r : readRegister(db, view))
        found << r.invoiceId;
    return found;
}

QList<qint64> withDescription(Database& db, const QString& text)
{
    RegisterView view;
    view.filter.description = text;
    view.order = RegisterOrder::InvoiceNo;
    return ids(db, view);
}

qint64 rowsIn(Database& db, const QString& table)
{
    return count(db, QStringLiteral("SELECT COUNT(*) FROM ") + table);
}

} // namespace

class TestInvoiceRegister : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listOrdersOutstandingAndFilter_data() { testdb::addEngineRows(); }
    void listOrdersOutstandingAndFilter()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addSample(*db);
        db->exec(QStringLiteral("UPDATE Customer SET CurrencyID = 2 WHERE CustomerID = 1"));

        RegisterView view;
        QCOMPARE(ids(*db, view), (QList<qint64>{2, 5, 6, 4, 3, 1})); // newest first
        view.order = RegisterOrder::InvoiceNo;
        QCOMPARE(ids(*db, view), (QList<qint64>{5, 1, 2, 3, 4, 6}));

        // Outstanding with a customer: amounts owing of that customer, credits included.
        view.outstanding = true;
        view.filter.customerId = kAmes;
        QCOMPARE(ids(*db, view), (QList<qint64>{1, 2}));
        view = {};
        view.order = RegisterOrder::InvoiceNo;
        view.outstanding = true;
        QCOMPARE(ids(*db, view), (QList<qint64>{5, 1, 2, 6}));

        view = {};
        view.order = RegisterOrder::InvoiceNo;
        view.filter.posted = FlagChoice::Yes;
        QCOMPARE(ids(*db, view), (QList<qint64>{1}));
        view.filter.posted = FlagChoice::No;
        QCOMPARE(ids(*db, view), (QList<qint64>{5, 2, 3, 4, 6}));
        view.filter.printed = FlagChoice::Yes;
        QCOMPARE(ids(*db, view), (QList<qint64>{3, 6}));
        QVERIFY(view.filter.narrows());

        // The currency goes through the customer: the removed customer's invoice never matches.
        view = {};
        view.order = RegisterOrder::InvoiceNo;
        view.filter.currencyId = 2;
        QCOMPARE(ids(*db, view), (QList<qint64>{1, 2, 4}));

        const QList<RegisterRow> rows = readRegister(*db, {});
        const RegisterRow& gone = rows.at(2);
        QCOMPARE(gone.invoiceId, qint64(6));
        QVERIFY(gone.customerNo.isEmpty());
        const RegisterRow& credit = rows.at(0);
        QCOMPARE(credit.customerNo, QStringLiteral("1002"));
        QCOMPARE(credit.customerName, QStringLiteral("Ames, Ruth"));
        QCOMPARE(credit.owing, Money::fromCents(-3000));
        QCOMPARE(credit.periodText(), QStringLiteral("3/2025"));
        QCOMPARE(*credit.age(QDate(2025, 3, 12)), qint64(10));
        QVERIFY(!RegisterFilter{}.narrows());
    }

    // Quotes, wildcards and pieces of SQL in the filter's description and the find dialog's
    // numbers find exactly what they say and change nothing.
    void typedTextIsMatchedAsData_data() { testdb::addEngineRows(); }
    void typedTextIsMatchedAsData()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const QStringList descriptions{
            QStringLiteral("O'Brien meals"), QStringLiteral("100% paid"),
            QStringLiteral("100 paid"),      QStringLiteral("a_b"),
            QStringLiteral("axb"),           QStringLiteral("x' OR '1'='1"),
            QStringLiteral("back\\slash")};
        for (int i = 0; i < descriptions.size(); ++i)
            add(*db, {i + 1, QStringLiteral("2000%1").arg(i), kAmes, kMarch1, 100, false, false,
                      descriptions[i]});
        const qint64 before = rowsIn(*db, QStringLiteral("ARInv"));

        QCOMPARE(withDescription(*db, QStringLiteral("'")), (QList<qint64>{1, 6}));
        QCOMPARE(withDescription(*db, QStringLiteral("o'brien")), (QList<qint64>{1}));
        QCOMPARE(withDescription(*db, QStringLiteral("100%")), (QList<qint64>{2}));
        QCOMPARE(withDescription(*db, QStringLiteral("%")), (QList<qint64>{2}));
        QCOMPARE(withDescription(*db, QStringLiteral("a_b")), (QList<qint64>{4}));
        QCOMPARE(withDescription(*db, QStringLiteral("_")), (QList<qint64>{4}));
        QCOMPARE(withDescription(*db, QStringLiteral("\\")), (QList<qint64>{7}));
        QCOMPARE(withDescription(*db, QStringLiteral("' OR '1'='1")), (QList<qint64>{6}));
        QCOMPARE(withDescription(*db, QStringLiteral("%') OR (1=1")), QList<qint64>{});
        QCOMPARE(withDescription(*db, QStringLiteral("'); DELETE FROM ARInv; --")),
                 QList<qint64>{});

        ScriptedDialogs dialogs;
        const QString crafted = QStringLiteral("x' OR '1'='1");
        QCOMPARE(findInvoice(*db, dialogs, {}, {std::nullopt, QString(), crafted}), std::nullopt);
        QCOMPARE(findInvoice(*db, dialogs, {}, {std::nullopt, crafted, QString()}), std::nullopt);
        QCOMPARE(dialogs.texts(), (QStringList{registermsg::invoiceNotFound(crafted),
                                               registermsg::customerNoNotFound(crafted)}));
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInv")), before);
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInvDet")), before * 2);
    }

    void findDialog_data() { testdb::addEngineRows(); }
    void findDialog()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addSample(*db);
        ScriptedDialogs dialogs;
        const RegisterView all;
        // Both: the invoice of that customer; the number alone; the customer's first in the
        // list's order (newest first, or by number).
        QCOMPARE(findInvoice(*db, dialogs, all, {kCounty, QString(), QStringLiteral("10003")}),
                 std::optional<qint64>(3));
        QCOMPARE(findInvoice(*db, dialogs, all, {std::nullopt, QString(), QStringLiteral("10004")}),
                 std::optional<qint64>(4));
        QCOMPARE(findInvoice(*db, dialogs, all, {std::nullopt, QStringLiteral("1002"), {}}),
                 std::optional<qint64>(2));
        RegisterView byNumber;
        byNumber.order = RegisterOrder::InvoiceNo;
        QCOMPARE(findInvoice(*db, dialogs, byNumber, {std::nullopt, QStringLiteral("1002"), {}}),
                 std::optional<qint64>(1));
        QVERIFY(dialogs.texts().isEmpty());
        // Nothing asked: nothing happens.
        QCOMPARE(findInvoice(*db, dialogs, all, {}), std::nullopt);

        // Only among the invoices the list shows.
        RegisterView outstanding;
        outstanding.outstanding = true;
        QCOMPARE(
            findInvoice(*db, dialogs, outstanding, {kAmes, QString(), QStringLiteral("10004")}),
            std::nullopt);
        QCOMPARE(findInvoice(*db, dialogs, all, {std::nullopt, QString(), QStringLiteral("1000")}),
                 std::nullopt);
        QCOMPARE(findInvoice(*db, dialogs, all, {kBaker, QString(), QString()}), std::nullopt);
        QCOMPARE(dialogs.texts(),
                 (QStringList{QStringLiteral("Invoice '10004' not found for 'Ames, Ruth'"),
                              QStringLiteral("Invoice '1000' not found"),
                              QStringLiteral("No invoices found for 'Baker, Lou'")}));
    }

    void deleteSelected_data() { testdb::addEngineRows(); }
    void deleteSelected()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addSample(*db);

        ScriptedDialogs refused;
        QCOMPARE(deleteSelectedInvoice(*db, refused, 1), DeleteOutcome::Refused);
        QCOMPARE(refused.texts(), QStringList{registermsg::kPostedCantBeDeleted});
        QCOMPARE(refused.texts().first(),
                 QStringLiteral("An Invoice that has been Posted \r\ncan't be deleted!"));

        ScriptedDialogs no({Dialogs::No});
        QCOMPARE(deleteSelectedInvoice(*db, no, 3), DeleteOutcome::Abandoned);
        QCOMPARE(no.texts(), QStringList{QStringLiteral("Delete invoice '10003'?")});
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInv")), qint64(6));

        // A printed, unposted invoice goes with its lines; the others keep theirs.
        ScriptedDialogs yes({Dialogs::Yes});
        QCOMPARE(deleteSelectedInvoice(*db, yes, 3), DeleteOutcome::Deleted);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE ARInvoiceID = 3")), 0);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet WHERE ARInvoiceID = 3")),
                 0);
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInvDet")), qint64(10));
        QCOMPARE(deleteSelectedInvoice(*db, yes, 3), DeleteOutcome::NotFound);

        // Posted by another workstation while the question was open: kept, lines and all.
        ChangedWhileAsking meanwhile(
            *db, QStringLiteral("UPDATE ARInv SET Posted = true WHERE ARInvoiceID = 4"));
        QCOMPARE(deleteSelectedInvoice(*db, meanwhile, 4), DeleteOutcome::Refused);
        QCOMPARE(meanwhile.shown.last(),
                 QStringLiteral("Unable to delete invoice 10004....\r\nIt has been posted and "
                                "therefore can't be deleted."));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet WHERE ARInvoiceID = 4")),
                 2);

        // Deleted by another workstation while the question was open: not found, nothing said
        // after the question.
        ChangedWhileAsking gone(*db, QStringLiteral("DELETE FROM ARInv WHERE ARInvoiceID = 5"));
        QCOMPARE(deleteSelectedInvoice(*db, gone, 5), DeleteOutcome::NotFound);
        QCOMPARE(gone.shown.size(), 1);
    }

    void deleteByDate_data() { testdb::addEngineRows(); }
    void deleteByDate()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addSample(*db);
        add(*db, {7, QStringLiteral("20001"), kAmes, QDate(2025, 4, 1), 100, true, true, {}});

        ScriptedDialogs onlyPosted;
        QCOMPARE(
            deleteInvoicesOfDate(*db, onlyPosted, QDate(2025, 4, 1), QStringLiteral("ann"), kUs)
                .outcome,
            DeleteOutcome::Refused);
        QCOMPARE(onlyPosted.texts(),
                 QStringList{QStringLiteral(
                     "There were no unposted invoices with an invoice date of 4/1/2025")});

        const QString question = QStringLiteral("Delete the 3 invoice(s) with an invoice date of "
                                                "3/1/2025?\r\nThis action can't be reversed!");
        ScriptedDialogs no({Dialogs::No});
        QCOMPARE(deleteInvoicesOfDate(*db, no, kMarch1, QStringLiteral("ann"), kUs).outcome,
                 DeleteOutcome::Abandoned);
        QCOMPARE(no.texts(), QStringList{question});
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInv")), qint64(7));
        QCOMPARE(rowsIn(*db, QStringLiteral("History")), qint64(0));

        // The unposted ones of the date go, printed or not; the posted one and other dates stay.
        ScriptedDialogs yes({Dialogs::Yes});
        const DateDeletion done =
            deleteInvoicesOfDate(*db, yes, kMarch1, QStringLiteral("ann"), kUs);
        QCOMPARE(done.outcome, DeleteOutcome::Deleted);
        QCOMPARE(done.invoices, 3);
        QCOMPARE(testdb::integers(*db, QStringLiteral("SELECT ARInvoiceID FROM ARInv ORDER BY 1")),
                 (QList<qint64>{1, 2, 5, 7}));
        QCOMPARE(testdb::integers(
                     *db, QStringLiteral("SELECT DISTINCT ARInvoiceID FROM ARInvDet ORDER BY 1")),
                 (QList<qint64>{1, 2, 5, 7}));
        Statement h =
            db->query(QStringLiteral("SELECT Event, Event_Date, \"User\", Tran_Date FROM History"));
        h.exec();
        QVERIFY(h.next());
        QCOMPARE(h.text(0), QStringLiteral("Unposted Invoices with date of 3/1/2025 deleted."));
        QCOMPARE(h.date(QStringLiteral("Event_Date")), kMarch1);
        QCOMPARE(h.text(2), QStringLiteral("ann"));
        QCOMPARE(h.timestamp(QStringLiteral("Tran_Date")).date(), QDate::currentDate());
        QVERIFY(!h.next());
    }

    // A failure after the lines and the invoices are deleted (here: no History table to record
    // it in) leaves every invoice with its lines.
    void deleteByDateIsAllOrNothing_data() { testdb::addEngineRows(); }
    void deleteByDateIsAllOrNothing()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addSample(*db);
        db->exec(QStringLiteral("DROP TABLE History"));
        ScriptedDialogs yes({Dialogs::Yes});
        QVERIFY_THROWS_EXCEPTION(
            DbError, deleteInvoicesOfDate(*db, yes, kMarch1, QStringLiteral("ann"), kUs));
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInv")), qint64(6));
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInvDet")), qint64(12));
    }

    void copyAtEitherPrice_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("latest");
        for (const QString& engine : {QStringLiteral("sqlite"), QStringLiteral("postgres")}) {
            if (engine == QLatin1String("postgres") && !testdb::postgresAvailable()) {
                if (qEnvironmentVariableIsSet("TALLYWICK_REQUIRE_PG"))
                    QFAIL("TALLYWICK_REQUIRE_PG is set but no server is named");
                continue;
            }
            QTest::addRow("%s latest", qPrintable(engine)) << engine << true;
            QTest::addRow("%s invoice's", qPrintable(engine)) << engine << false;
        }
    }
    void copyAtEitherPrice()
    {
        QFETCH(QString, engine);
        QFETCH(bool, latest);
        auto db = ledger(engine);
        qint64 originalId = 0;
        QString originalNo;
        {
            auto doc = InvoiceDocument::openNew(*db, kUs);
            doc->chooseCustomer(kAmes);
            doc->setWarehouseId(2);
            doc->setDescription(QStringLiteral("March meals"));
            doc->setPurchaseOrderNo(QStringLiteral("PO-7"));
            doc->setInvoiceDate(kMarch1);
            doc->addLine({2, kHotMeal, Money::fromCents(100), QStringLiteral("Hot meal, March")});
            doc->addLine({1, kTray, std::nullopt, QString()});
            doc->setPrinted(true);
            doc->ok();
            originalId = doc->invoiceId();
            originalNo = doc->header().invoiceNo;
        }
        db->exec(QStringLiteral("UPDATE ARInv SET Posted = true, PaidAmount = 100 WHERE "
                                "ARInvoiceID = %1")
                     .arg(originalId));

        ScriptedDialogs dialogs({latest ? Dialogs::Yes : Dialogs::No});
        auto copy = copyInvoice(*db, dialogs, originalId, kUs);
        QVERIFY(copy);
        // Asked once: only the hot meal's price differs from today's.
        QCOMPARE(dialogs.texts(),
                 QStringList{QStringLiteral("'Hot meal' default price is not same as original "
                                            "invoice price.\rUse latest default price?")});
        const InvoiceHeader& h = copy->header();
        QVERIFY(h.invoiceId != originalId);
        QVERIFY(h.invoiceNo != originalNo);
        QCOMPARE(h.invoiceDate, QDate::currentDate());
        QCOMPARE(h.customerId, std::optional<qint64>(kAmes));
        QCOMPARE(h.warehouseId, std::optional<qint64>(2));
        QCOMPARE(h.description, QStringLiteral("March meals"));
        QCOMPARE(h.purchaseOrderNo, QStringLiteral("PO-7"));
        QVERIFY(!h.printed && !h.posted);
        QCOMPARE(h.paidAmount, Money());
        QCOMPARE(copy->storedLines().size(), 2);
        const InvoiceLine& meal = copy->storedLines().at(0);
        QCOMPARE(meal.itemId, std::optional<qint64>(kHotMeal));
        QCOMPARE(meal.quantity, std::optional<double>(2));
        QCOMPARE(meal.itemOvDesc, QStringLiteral("Hot meal, March"));
        QCOMPARE(meal.unitPrice,
                 std::optional<Money>(latest ? Money::fromRaw(12350) : Money::fromCents(100)));
        QCOMPARE(copy->storedLines().at(1).itemId, std::optional<qint64>(kTray));
        // The document's totals: the same as an invoice written afresh with these lines.
        {
            auto fresh = InvoiceDocument::openNew(*db, kUs);
            fresh->setCustomerId(kAmes);
            fresh->addLine({2, kHotMeal, meal.unitPrice, QString()});
            fresh->addLine({1, kTray, std::nullopt, QString()});
            QCOMPARE(h.invoiceAmount, fresh->header().invoiceAmount);
            QCOMPARE(copy->tax1Amount(), fresh->tax1Amount());
            fresh->cancel();
        }

        // Nothing is stored until the bookkeeper completes the copy.
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInv")), qint64(1));
        copy->ok();
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInv")), qint64(2));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet WHERE ARInvoiceID = %1")
                                .arg(h.invoiceId)),
                 2);
    }

    void copyRefusals_data() { testdb::addEngineRows(); }
    void copyRefusals()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        ScriptedDialogs dialogs;
        QVERIFY(!copyInvoice(*db, dialogs, 42, kUs));
        // The customer has been suspended since: the document refuses it, nothing is stored.
        add(*db, {1, QStringLiteral("10001"), kBaker, kMarch1, 0, false, false, {}});
        try {
            copyInvoice(*db, dialogs, 1, kUs);
            QFAIL("a suspended customer was copied");
        } catch (const InvoiceRefusal& r) {
            QCOMPARE(r.message(), invoicemsg::customerSuspended(QStringLiteral("1003"),
                                                                QStringLiteral("Baker, Lou")));
        }
        QCOMPARE(rowsIn(*db, QStringLiteral("ARInv")), qint64(1));
    }

    void postingOfferAndCaptions_data() { testdb::addEngineRows(); }
    void postingOfferAndCaptions()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        // Printed but of a removed customer, or unprinted: nothing to post.
        add(*db, {1, QStringLiteral("1"), 99, kMarch1, 0, true, false, {}});
        add(*db, {2, QStringLiteral("2"), kAmes, kMarch1, 0, false, false, {}});
        QVERIFY(!offersPostingOnClose(*db));
        add(*db, {3, QStringLiteral("3"), kAmes, kMarch1, 0, true, false, {}});
        QVERIFY(offersPostingOnClose(*db));
        db->exec(QStringLiteral("UPDATE Company SET SuppressPosting = true"));
        QVERIFY(!offersPostingOnClose(*db));

        QCOMPARE(registerCaption(false, false), QStringLiteral("AR Invoices"));
        QCOMPARE(registerCaption(true, false), QStringLiteral("AR Invoices (Outstanding)"));
        QCOMPARE(registerCaption(false, true), QStringLiteral("AR Invoices (Filtered)"));
        QCOMPARE(registerCaption(true, true),
                 QStringLiteral("AR Invoices (Outstanding, Filtered)"));
        QCOMPARE(printSelectedCaption(QStringLiteral("10021"), true),
                 QStringLiteral("Reprint AR Invoice 10021"));
        QCOMPARE(printSelectedCaption(QStringLiteral("10021"), false),
                 QStringLiteral("Print AR Invoice 10021"));
    }

    void printSetupStoresOptionsAndLogo_data() { testdb::addEngineRows(); }
    void printSetupStoresOptionsAndLogo()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        InvoicePrintSetup setup = readInvoicePrintSetup(*db);
        QVERIFY(setup.logo.isEmpty());
        setup.message = QStringLiteral("Thank you, it's appreciated");
        setup.copies = 2;
        setup.printTerms = true;
        setup.australia = true;
        setup.logo = QByteArray("BM\0\x01\xff", 5);
        storeInvoicePrintSetup(*db, setup);
        InvoicePrintSetup read = readInvoicePrintSetup(*db);
        QCOMPARE(read.message, setup.message);
        QCOMPARE(read.copies, 2);
        QVERIFY(read.printTerms && read.australia);
        QCOMPARE(read.logo, setup.logo);

        // Clear empties the logo; three digits of copies are refused and change nothing.
        read.logo.clear();
        storeInvoicePrintSetup(*db, read);
        QVERIFY(readInvoicePrintSetup(*db).logo.isEmpty());
        read.copies = 100;
        read.message = QStringLiteral("changed");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, storeInvoicePrintSetup(*db, read));
        QCOMPARE(readInvoicePrintSetup(*db).message, setup.message);
        QCOMPARE(InvoicePrintSetup::styleName(1), QStringLiteral("Professional"));
    }
};

QTEST_GUILESS_MAIN(TestInvoiceRegister)
#include "test_invoiceregister.moc"
