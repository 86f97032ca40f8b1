// The aged trial balance ties to the books: with every invoice posted, what it shows owing is
// what the customers' balances hold, after invoice posting and again after payment posting, on
// both engines.
#include "common/formats.h"
#include "common/formatsettings.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "paymentledger.h"
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "receivables/payments/posting/paymentpostingrun.h"
#include "report/pagemodel.h"
#include "reports/aged/agedtrialbalance.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QRegularExpression>
#include <QTest>

using namespace paymentledger;

namespace
{

// The balances of the customers in a currency with a row, or of one currency.
Money balances(Database& db, std::optional<int> currency = std::nullopt)
{
    Statement q =
        db.prepare(QStringLiteral("SELECT COALESCE(SUM(B.Balance), 0) FROM CBalance B"
                                  " JOIN Customer C ON C.CustomerID = B.CustomerID"
                                  " JOIN Currency Cu ON Cu.CurrencyID = C.CurrencyID") +
                   (currency ? QStringLiteral(" WHERE C.CurrencyID = :currency") : QString()));
    if (currency)
        q.bind(QStringLiteral(":currency"), *currency);
    q.exec();
    q.next();
    return Money::fromRaw(q.integer(0));
}

// The amount printed beside the report's totals caption, in the owing column.
QString printedReportTotal(const QString& pages)
{
    static const QRegularExpression totals(
        QStringLiteral("\"Report Totals[^\"]*\"\\ntext [^\\n]*\"([^\"]*)\"\\n"));
    return totals.match(pages).captured(1);
}

// Every printed line's owing summed, the dollar customers' report printed, and both compared
// with the balances.
void checkTied(Database& db)
{
    reports::AgedSelection selection;
    selection.asOf = QDate(2031, 1, 1);
    Money owing;
    for (const reports::AgedLine& line : reports::agedLines(db, selection))
        owing += line.owing;
    QCOMPARE(owing, balances(db));

    // Dollars carry no exchange rate here, so the domestic report totals are the owing amounts
    // unconverted (the ledger's invoices hold fractions of a cent, which a rate would round).
    selection.currencyId = int(kDollars);
    report::PageModelOutput model;
    report::RunOptions options;
    options.parameters = reports::agedHeadings(selection, QStringLiteral("US $"), {});
    reports::printAgedTrialBalance(reports::agedLines(db, selection), model, options);
    QCOMPARE(printedReportTotal(model.text),
             formatFloat(kMoneyListFormat, balances(db, int(kDollars))));
}

} // namespace

class TestAgedTiesToBooks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void totalsEqualTheBalances_data() { testdb::addEngineRows(); }
    void totalsEqualTheBalances()
    {
        QFETCH(QString, engine);
        auto db = freshPaymentLedger(engine);
        for (qint64 id = 1; id <= 6; ++id)
            addCustomer(*db, id, id == 6 ? kCanadian : kDollars);
        addPrintedInvoices(*db, 1001, 40, 6);
        db->exec(QStringLiteral("UPDATE Currency SET ExchangeRate = 0 WHERE CurrencyID = 1"));

        ScriptedDialogs dialogs;
        NoProgress quiet;
        QCOMPARE(InvoicePostingRun(*db, dialogs, quiet).run().outcome,
                 InvoicePostingOutcome::Posted);
        QVERIFY(balances(*db) != Money());
        checkTied(*db);

        addPaymentLedger(*db, 12, 5);
        checkTied(*db);
        const Money before = balances(*db);
        QCOMPARE(PaymentPostingRun(*db, dialogs, quiet).run().outcome,
                 PaymentPostingOutcome::Posted);
        QVERIFY(balances(*db) < before);
        checkTied(*db);
    }
};

QTEST_MAIN(TestAgedTiesToBooks)
#include "test_agedtiestobooks.moc"
