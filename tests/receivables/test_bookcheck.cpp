// The book check on both engines: a ledger whose books tie passes, and each kind of damage done
// to it is found with a text that names the customer or invoice and both amounts, and with
// nothing else reported beside it.
#include "bookledger.h"
#include "engine/database.h"
#include "receivables/bookcheck/bookcheck.h"
#include "testdatabases.h"

#include <QTest>

namespace
{

struct Damage {
    const char* what;
    QStringList sql;
    QStringList found; // every text the check must give, in order
};

QStringList texts(const BookDiscrepancies& found)
{
    QStringList list;
    for (const BookDiscrepancy& d : found)
        list << d.text;
    return list;
}

// Each damage on a ledger of its own, so one cannot hide another.
void verifyFound(const QString& engine, const QList<Damage>& damages)
{
    for (const Damage& damage : damages) {
        auto db = testdb::fresh(engine);
        bookledger::create(*db);
        for (const QString& sql : damage.sql)
            db->exec(sql);
        const QStringList found = texts(checkBooks(*db, FormatSettings::us()));
        if (found != damage.found)
            QFAIL(qPrintable(QStringLiteral("%1:\n  found    %2\n  expected %3")
                                 .arg(QLatin1String(damage.what),
                                      found.join(QStringLiteral("\n           ")),
                                      damage.found.join(QStringLiteral("\n           ")))));
    }
}

} // namespace

class TestBookCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanLedgerTies_data() { testdb::addEngineRows(); }
    // Includes an unposted invoice, which no balance carries, a balance row of 0 with no
    // invoices, a line whose 0.005 rounds up to a cent, and taxes on shared buckets.
    void cleanLedgerTies()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        bookledger::create(*db);
        QCOMPARE(texts(checkBooks(*db, FormatSettings::us())), QStringList());
        // Invoice numbers that are not whole numbers were not drawn from the counter.
        db->exec(QStringLiteral("UPDATE ARInv SET InvoiceNo = '99999X' WHERE ARInvoiceID = 3"));
        QCOMPARE(texts(checkBooks(*db, FormatSettings::us())), QStringList());
    }

    void balancesAgainstPostedInvoices_data() { testdb::addEngineRows(); }
    void balancesAgainstPostedInvoices()
    {
        QFETCH(QString, engine);
        verifyFound(
            engine,
            {{"a balance off by a cent",
              {"UPDATE CBalance SET Balance = Balance + 100 WHERE CustomerID = 1"},
              {"Customer 1002: balance 20.32, but its posted invoices owe 20.31"}},
             {"a balance off by less than a cent",
              {"UPDATE CBalance SET Balance = Balance - 1 WHERE CustomerID = 1"},
              {"Customer 1002: balance 20.3099, but its posted invoices owe 20.31"}},
             {"a missing balance row",
              {"DELETE FROM CBalance WHERE CustomerID = 1"},
              {"Customer 1002: no balance row, but its posted invoices owe 20.31"}},
             {"a balance without posted invoices",
              {"UPDATE CBalance SET Balance = -500 WHERE CustomerID = 3"},
              {"Customer 1004: balance -0.05, but its posted invoices owe 0.00"}},
             {"an invoice posted without its balance",
              {"UPDATE ARInv SET Posted = true WHERE ARInvoiceID = 3"},
              {"Customer 1003: no balance row, but its posted invoices owe 7.88"}},
             {"a posted invoice that lost its customer",
              {"UPDATE ARInv SET CustomerID = NULL WHERE ARInvoiceID = 2"},
              {"Customer 1002: balance 20.31, but its posted invoices owe 16.31",
               "Posted invoices without a customer owe 4.00"}},
             {"a balance of a customer not on file",
              {"INSERT INTO CBalance (CustomerID, Balance) VALUES (9, 10000)"},
              {"Customer key 9 (not on file): balance 1.00, but its posted invoices owe 0.00"}}});
    }

    void invoicesAgainstTheirLines_data() { testdb::addEngineRows(); }
    void invoicesAgainstTheirLines()
    {
        QFETCH(QString, engine);
        verifyFound(
            engine,
            {{"a line's price changed",
              {"UPDATE ARInvDet SET UnitPrice = 40100 WHERE ARInvoiceID = 2"},
              {"Invoice 10002: amount 4.00, but its lines and taxes come to 4.01"}},
             {"a rounded line removed",
              {"DELETE FROM ARInvDet WHERE ARInvoiceID = 1 AND Seq = 3"},
              {"Invoice 10001: amount 26.31, but its lines and taxes come to 26.30"}},
             {"a tax rate changed on the header",
              {"UPDATE ARInv SET Tax2Rate = 8 WHERE ARInvoiceID = 1"},
              {"Invoice 10001: amount 26.31, but its lines and taxes come to 26.51"}},
             {"a taxed line's codes dropped",
              {"UPDATE ARInvDet SET TaxCodes = NULL WHERE ARInvoiceID = 3"},
              {"Invoice 10003: amount 7.88, but its lines and taxes come to 7.50"}},
             {"an invoice whose lines are all gone",
              {"DELETE FROM ARInvDet WHERE ARInvoiceID = 2"},
              {"Invoice 10002: amount 4.00, but its lines and taxes come to 0.00"}},
             {"lines with more taxes than an invoice holds",
              {"UPDATE ARInvDet SET TaxCodes = 'XYZ' WHERE ARInvoiceID = 1 AND Seq = 3"},
              {"Invoice 10001: its lines carry more than three tax codes, so its taxes cannot "
               "be taken"}},
             // The document never lets such a line in; it changes no tax, so the books tie.
             {"a line of 0 with a fourth tax code",
              {"INSERT INTO ARInvDet (ARInvoiceID, Seq, Quantity, ItemID, UnitPrice, TaxCodes) "
               "VALUES (1, 4, 0, 1, 50000, 'X')"},
              {}},
             {"a discount left out of Owing",
              {"UPDATE ARInv SET DiscTakenAmount = 100 WHERE ARInvoiceID = 3"},
              {"Invoice 10003: owing 7.88, but its amount less paid, discount and write-off is "
               "7.87",
               "Invoice 10003: paid 0.00, discount 0.01, write-off 0.00, but its posted payments "
               "come to paid 0.00, discount 0.00, write-off 0.00"}},
             // A posted invoice's Owing also feeds its customer's balance.
             {"a posted invoice's Owing raised",
              {"UPDATE ARInv SET Owing = 163200 WHERE ARInvoiceID = 1"},
              {"Invoice 10001: owing 16.32, but its amount less paid, discount and write-off is "
               "16.31",
               "Customer 1002: balance 20.31, but its posted invoices owe 20.32"}},
             // Owing below the amounts is what a balance reset leaves: told, with the balance
             // still held to what the invoices owe.
             {"a posted invoice's Owing lowered",
              {"UPDATE ARInv SET Owing = 163000 WHERE ARInvoiceID = 1"},
              {"Invoice 10001: owing 16.30 where its amount less paid, discount and write-off is "
               "16.31: 0.01 cleared by a balance reset",
               "Customer 1002: balance 20.31, but its posted invoices owe 20.30"}},
             {"a write-off within a posted invoice's pledges",
              {"UPDATE Item SET ItemNo = 'P101' WHERE ItemID = 1",
               "UPDATE ARInv SET WriteOffAmount = 40000, Owing = 0 WHERE ARInvoiceID = 2",
               "UPDATE CBalance SET Balance = 163100 WHERE CustomerID = 1"},
              {"Invoice 10002: 4.00 of its pledges written off by a balance reset"}},
             // Only posted invoices were written off; an unposted one's write-off is unexplained.
             {"a write-off on an unposted invoice's pledges",
              {"UPDATE Item SET ItemNo = 'P101' WHERE ItemID = 1",
               "UPDATE ARInv SET WriteOffAmount = 10000, Owing = 68800 WHERE ARInvoiceID = 3"},
              {"Invoice 10003: paid 0.00, discount 0.00, write-off 1.00, but its posted payments "
               "come to paid 0.00, discount 0.00, write-off 0.00"}}});
    }

    void invoicesAgainstPostedPayments_data() { testdb::addEngineRows(); }
    // Only posting changes what an invoice was paid, so the posted payments' lines account for
    // every cent of it; an unposted payment's lines count for nothing, and a posted payment may
    // only pay posted invoices of its own customer.
    void invoicesAgainstPostedPayments()
    {
        QFETCH(QString, engine);
        verifyFound(
            engine,
            {{"a paid amount off by a cent against its posted line",
              {"UPDATE ARInv SET PaidAmount = 99900, Owing = 163200 WHERE ARInvoiceID = 1",
               "UPDATE CBalance SET Balance = 203200 WHERE CustomerID = 1"},
              {"Invoice 10001: paid 9.99, discount 0.00, write-off 0.00, but its posted payments "
               "come to paid 10.00, discount 0.00, write-off 0.00"}},
             {"an unposted payment applied to its invoice",
              {"UPDATE ARInv SET PaidAmount = 40000, DiscTakenAmount = 1000, Owing = -1000 WHERE "
               "ARInvoiceID = 2",
               "UPDATE CBalance SET Balance = 162100 WHERE CustomerID = 1"},
              {"Invoice 10002: paid 4.00, discount 0.10, write-off 0.00, but its posted payments "
               "come to paid 0.00, discount 0.00, write-off 0.00"}},
             {"a posted payment whose invoice was never paid",
              {"UPDATE ARPmt SET Posted = true WHERE PaymentID = 2"},
              {"Invoice 10002: paid 0.00, discount 0.00, write-off 0.00, but its posted payments "
               "come to paid 4.00, discount 0.10, write-off 0.00"}},
             {"a write-off with no payment line",
              {"UPDATE ARInv SET WriteOffAmount = 5, Owing = 39995 WHERE ARInvoiceID = 2",
               "UPDATE CBalance SET Balance = 203095 WHERE CustomerID = 1"},
              {"Invoice 10002: paid 0.00, discount 0.00, write-off 0.0005, but its posted "
               "payments come to paid 0.00, discount 0.00, write-off 0.00"}},
             // The payment's customer's balance fell, the invoice's customer's Owing did.
             {"a posted payment on another customer's invoice",
              {"UPDATE ARInv SET CustomerID = 3 WHERE ARInvoiceID = 1",
               "UPDATE CBalance SET Balance = 40000 WHERE CustomerID = 1",
               "UPDATE CBalance SET Balance = 163100 WHERE CustomerID = 3"},
              {"Cheque 501: posted, and pays invoice 10001, which is another customer's"}},
             {"a posted payment on an unposted invoice",
              {"UPDATE ARInv SET Posted = false WHERE ARInvoiceID = 1",
               "UPDATE CBalance SET Balance = 40000 WHERE CustomerID = 1"},
              {"Cheque 501: posted, and pays invoice 10001, which is not posted"}}});
    }

    void documentKeys_data() { testdb::addEngineRows(); }
    void documentKeys()
    {
        QFETCH(QString, engine);
        verifyFound(
            engine,
            {{"an orphan line",
              {"DELETE FROM ARInv WHERE ARInvoiceID = 3"},
              {"1 invoice line with invoice key 3, which does not exist"}},
             {"a posted invoice deleted from under its lines",
              {"DELETE FROM ARInv WHERE ARInvoiceID = 1"},
              {"3 invoice lines with invoice key 1, which does not exist",
               "Customer 1002: balance 20.31, but its posted invoices owe 4.00"}},
             {"a duplicate invoice number",
              {"UPDATE ARInv SET InvoiceNo = '10001' WHERE ARInvoiceID = 2"},
              {"Invoice number 10001 is on 2 invoices"}},
             {"a duplicate invoice number with a trailing blank",
              {"UPDATE ARInv SET InvoiceNo = '10003 ' WHERE ARInvoiceID = 2"},
              {"Invoice number 10003 is on 2 invoices"}},
             {"an invoice stored twice once its unique index was lost",
              {"DROP INDEX ARInv_PRIMARY",
               "INSERT INTO ARInv SELECT * FROM ARInv WHERE ARInvoiceID = 3"},
              {"ARInv key ARInvoiceID = 3 is on 2 rows", "Invoice number 10003 is on 2 invoices"}},
             {"a line stored twice once its unique index was lost",
              {"DROP INDEX ARInvDet_PRIMARY",
               "INSERT INTO ARInvDet SELECT * FROM ARInvDet WHERE ARInvoiceID = 2"},
              {"ARInvDet key ARInvoiceID, Seq = (2, 1) is on 2 rows",
               "Invoice 10002: amount 4.00, but its lines and taxes come to 8.00"}}});
    }

    void controlCounters_data() { testdb::addEngineRows(); }
    void controlCounters()
    {
        QFETCH(QString, engine);
        verifyFound(
            engine,
            {{"an invoice key counter at the highest key",
              {"UPDATE ARInvCtl SET NextInvoiceID = 3"},
              {"The next invoice key, 3 (ARInvCtl.NextInvoiceID is 3), is not above the highest "
               "in use, 3"}},
             {"an invoice number counter below a drawn number",
              {"UPDATE ARInvCtl SET NextInvoiceNo = 10002"},
              {"The next invoice number, 10002 (ARInvCtl.NextInvoiceNo is 10002), is not above "
               "the highest in use, 10003"}},
             // An empty counter starts the numbers again at 10001.
             {"an emptied invoice number counter",
              {"UPDATE ARInvCtl SET NextInvoiceNo = NULL"},
              {"The next invoice number, 10001 (ARInvCtl.NextInvoiceNo is empty), is not above "
               "the highest in use, 10003"}},
             {"a customer key counter below a drawn key",
              {"UPDATE CustCtl SET NextCustomerID = 2"},
              {"The next customer key, 2 (CustCtl.NextCustomerID is 2), is not above the "
               "highest in use, 3"}},
             {"a lost item control row",
              {"DELETE FROM ItemCtl"},
              {"The next item key, 0 (ItemCtl.NextItemID is empty), is not above the highest in "
               "use, 3"}},
             {"a payment stored past its counter",
              {"INSERT INTO ARPmt (PaymentID, CustomerID) VALUES (3, 1)"},
              {"The next payment key, 3 (ARPmtCtl.NextPaymentID is 3), is not above the "
               "highest in use, 3"}},
             {"an emptied payment counter",
              {"UPDATE ARPmtCtl SET NextPaymentID = NULL"},
              {"The next payment key, 0 (ARPmtCtl.NextPaymentID is empty), is not above the "
               "highest in use, 2"}},
             {"a second control row",
              {"INSERT INTO ARInvCtl (NextInvoiceID, NextInvoiceNo) VALUES (4, 10004)"},
              {"ARInvCtl holds 2 rows; its counters belong in one"}}});
    }

    void oneCommittedStateIsRead_data() { testdb::addEngineRows(); }
    // Another workstation's write between two checks is not half seen: the balances are read
    // from the state the check began with, and the next check sees the write whole.
    void oneCommittedStateIsRead()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        bookledger::create(*db);
        auto other = testdb::reopen(*db);
        const BookCheck writer{
            QStringLiteral("Another workstation"), {}, [&other](Database&, const FormatSettings&) {
                other->exec(QStringLiteral("UPDATE CBalance SET Balance = 0 WHERE CustomerID = 1"));
                return BookDiscrepancies();
            }};
        const BookCheck balances = bookChecks().at(4);
        QCOMPARE(balances.name, QStringLiteral("Customer balances"));
        QCOMPARE(texts(checkBooks(*db, FormatSettings::us(), {writer, balances})), QStringList());
        QCOMPARE(texts(checkBooks(*db, FormatSettings::us())),
                 QStringList{QStringLiteral(
                     "Customer 1002: balance 0.00, but its posted invoices owe 20.31")});
    }

    void missingTables_data() { testdb::addEngineRows(); }
    // A database whose AR tables were never made holds no books; one that lost a table has the
    // loss reported, and the checks that do not read it still run.
    void missingTables()
    {
        QFETCH(QString, engine);
        auto empty = testdb::fresh(engine);
        QCOMPARE(missingBookTables(*empty), bookTables());
        QVERIFY(bookTables().contains(QStringLiteral("ARPmtCtl")));

        verifyFound(engine,
                    {{"the payments table dropped",
                      {"DROP TABLE ARPmt", "UPDATE CBalance SET Balance = 0 WHERE CustomerID = 1"},
                      {"Table ARPmt is missing",
                       "Customer 1002: balance 0.00, but its posted invoices owe 20.31"}}});
    }
};

QTEST_GUILESS_MAIN(TestBookCheck)
#include "test_bookcheck.moc"
