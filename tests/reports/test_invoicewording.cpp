// How each printed invoice words itself: the title by amount, format and suppression, the
// Australian titles, the captions that credit notes carry over from the invoice before them,
// the bill-to contact line, the delivered-to block, the prior balance and the footer amounts.
#include "reports/invoiceprint/invoicewording.h"

#include <QTest>

namespace
{

Money cents(qint64 c)
{
    return Money::fromCents(c);
}

PrintedInvoice invoiceOf(const QString& customerType, Money amount)
{
    PrintedInvoice v;
    v.customerType = customerType;
    v.customerName = QStringLiteral("County Aging Office");
    v.contact = QStringLiteral("Pat Lee");
    v.invoiceAmount = amount;
    v.owing = amount;
    v.currentBalance = amount;
    return v;
}

// Clients and funders both integrated ("I") or both separate ("S").
InvoiceWordingOptions optionsFor(const QString& format, bool suppress, bool australia = false)
{
    InvoiceWordingOptions o;
    o.clientInvoiceFormat = format;
    o.funderInvoiceFormat = format;
    o.suppressInvoiceWording = suppress;
    o.australia = australia;
    return o;
}

InvoiceWording wordingOf(const InvoiceWordingOptions& options, const PrintedInvoice& invoice)
{
    return InvoiceWordingRun(options, FormatSettings::us()).next(invoice);
}

} // namespace

class TestInvoiceWording : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titles_data()
    {
        QTest::addColumn<QString>("customerType");
        QTest::addColumn<qint64>("amountCents");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("suppress");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("neutral"); // the captions the invoice leaves behind
        const QString c = QStringLiteral("C");
        const QString f = QStringLiteral("F");
        const QString s = QStringLiteral("S");
        const QString i = QStringLiteral("I");
        QTest::newRow("separate") << c << 100LL << s << false << QStringLiteral("Invoice") << false;
        QTest::newRow("separate, suppressed")
            << c << 100LL << s << true << QStringLiteral(" ") << true;
        QTest::newRow("integrated")
            << c << 0LL << i << false << QStringLiteral("Invoice/Statement") << false;
        QTest::newRow("integrated, suppressed")
            << c << 100LL << i << true << QStringLiteral("Statement") << true;
        QTest::newRow("no customer kind is suppressed like a client")
            << QString() << 100LL << s << true << QStringLiteral(" ") << true;
        QTest::newRow("funder keeps invoice wording")
            << f << 100LL << s << true << QStringLiteral("Invoice") << false;
        QTest::newRow("funder integrated keeps invoice wording")
            << f << 100LL << i << true << QStringLiteral("Invoice/Statement") << false;
        QTest::newRow("other kind keeps invoice wording, separate")
            << QStringLiteral("X") << 100LL << i << true << QStringLiteral("Invoice") << false;
        QTest::newRow("credit, separate")
            << c << -100LL << s << false << QStringLiteral("Credit Note") << false;
        QTest::newRow("credit, separate, suppressed")
            << c << -100LL << s << true << QStringLiteral("Credit Note") << false;
        QTest::newRow("credit, integrated")
            << c << -100LL << i << false << QStringLiteral("Credit Note/Statement") << false;
        QTest::newRow("credit, integrated, suppressed")
            << f << -100LL << i << true << QStringLiteral("Credit Note/Statement") << false;
    }
    void titles()
    {
        QFETCH(QString, customerType);
        QFETCH(qint64, amountCents);
        QFETCH(QString, format);
        QFETCH(bool, suppress);
        QFETCH(QString, title);
        QFETCH(bool, neutral);
        const InvoiceWording w =
            wordingOf(optionsFor(format, suppress), invoiceOf(customerType, cents(amountCents)));
        QCOMPARE(w.title, title);
        QCOMPARE(w.captions, neutral ? InvoiceCaptions::neutral() : InvoiceCaptions::invoice());
    }

    void formatFollowsTheCustomersKind()
    {
        InvoiceWordingOptions o;
        o.clientInvoiceFormat = QStringLiteral("I");
        o.funderInvoiceFormat = QStringLiteral("S");
        QCOMPARE(wordingOf(o, invoiceOf(QStringLiteral("C"), cents(1))).format,
                 QStringLiteral("I"));
        QCOMPARE(wordingOf(o, invoiceOf(QStringLiteral("F"), cents(1))).format,
                 QStringLiteral("S"));
        QCOMPARE(wordingOf(o, invoiceOf(QString(), cents(1))).format, QStringLiteral("S"));
        o.funderInvoiceFormat = QStringLiteral("I");
        QCOMPARE(wordingOf(o, invoiceOf(QStringLiteral("F"), cents(1))).format,
                 QStringLiteral("I"));
    }

    void australianTitles_data()
    {
        QTest::addColumn<QString>("taxNo");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("suppress");
        QTest::addColumn<QString>("customerType");
        QTest::addColumn<QString>("title");
        QTest::newRow("tax number") << QStringLiteral("ABN 1") << QStringLiteral("I") << true
                                    << QStringLiteral("C") << QStringLiteral("Tax Invoice");
        QTest::newRow("separate") << QString() << QStringLiteral("S") << true << QStringLiteral("C")
                                  << QStringLiteral("Invoice");
        QTest::newRow("integrated") << QString() << QStringLiteral("I") << false
                                    << QStringLiteral("C") << QStringLiteral("Invoice/Statement");
        // Here the organization's flag alone decides, funders included.
        QTest::newRow("integrated, suppressed funder")
            << QString() << QStringLiteral("I") << true << QStringLiteral("F")
            << QStringLiteral("Statement");
    }
    void australianTitles()
    {
        QFETCH(QString, taxNo);
        QFETCH(QString, format);
        QFETCH(bool, suppress);
        QFETCH(QString, customerType);
        QFETCH(QString, title);
        PrintedInvoice v = invoiceOf(customerType, -cents(500)); // credits too
        v.taxNo = taxNo;
        InvoiceWordingRun run(optionsFor(format, suppress, true), FormatSettings::us());
        const InvoiceWording w = run.next(v);
        QCOMPARE(w.title, title);
        QCOMPARE(w.captions, InvoiceCaptions::invoice()); // never changed in this mode
    }

    void captionsStayUntilAnotherInvoiceSetsThem()
    {
        InvoiceWordingRun run(optionsFor(QStringLiteral("S"), true), FormatSettings::us());
        // A credit note first: the run starts with the invoice captions.
        QCOMPARE(run.next(invoiceOf(QStringLiteral("C"), -cents(100))).captions,
                 InvoiceCaptions::invoice());
        QCOMPARE(run.next(invoiceOf(QStringLiteral("C"), cents(100))).captions,
                 InvoiceCaptions::neutral());
        // A credit note after a suppressed client invoice keeps the neutral captions, even a
        // funder's.
        QCOMPARE(run.next(invoiceOf(QStringLiteral("F"), -cents(100))).captions,
                 InvoiceCaptions::neutral());
        QCOMPARE(run.next(invoiceOf(QStringLiteral("F"), cents(100))).captions,
                 InvoiceCaptions::invoice());
        QCOMPARE(run.next(invoiceOf(QStringLiteral("C"), cents(100))).captions,
                 InvoiceCaptions::neutral());
        // Another copy of the batch starts afresh.
        run.restart();
        QCOMPARE(run.next(invoiceOf(QStringLiteral("C"), -cents(100))).captions,
                 InvoiceCaptions::invoice());

        InvoiceCaptions neutral = InvoiceCaptions::neutral();
        QCOMPARE(neutral.numberHeading, QStringLiteral("Doc no."));
        QCOMPARE(neutral.stubNumber, QStringLiteral("Document Number"));
        QCOMPARE(InvoiceCaptions::invoice().descriptionHeading,
                 QStringLiteral(" Invoice Description"));
    }

    void billToAndDeliveredTo()
    {
        const InvoiceWordingOptions o = optionsFor(QStringLiteral("S"), false);
        PrintedInvoice funder = invoiceOf(QStringLiteral("F"), cents(100));
        funder.recipId = QStringLiteral("1002");
        funder.recipientName = QStringLiteral("Ames, Ruth");
        InvoiceWording w = wordingOf(o, funder);
        QCOMPARE(w.billToContact, QStringLiteral("County Aging Office %Pat Lee"));
        QVERIFY(!w.showShipTo);
        QCOMPARE(w.deliveredToLabel, QStringLiteral("Ames, Ruth"));

        funder.recipId.clear();
        w = wordingOf(o, funder);
        QVERIFY(!w.showShipTo);
        QCOMPARE(w.deliveredToLabel, QString());

        PrintedInvoice client = invoiceOf(QStringLiteral("C"), cents(100));
        w = wordingOf(o, client);
        QCOMPARE(w.billToContact, QStringLiteral("Pat Lee"));
        QVERIFY(!w.showShipTo);
        QCOMPARE(w.deliveredToLabel, QStringLiteral("Same"));

        // Either the ship-to name or its first line shows the ship-to lines.
        client.shipToAddressLine1 = QStringLiteral("9 Oak Ave");
        QVERIFY(wordingOf(o, client).showShipTo);
        funder.shipToName = QStringLiteral("Ruth Ames");
        w = wordingOf(o, funder);
        QVERIFY(w.showShipTo);
        QCOMPARE(w.deliveredToLabel, QString());
    }

    void footerAndPriorBalance()
    {
        PrintedInvoice v = invoiceOf(QStringLiteral("C"), cents(5000));
        v.owing = cents(2000);
        v.payments = cents(3000);
        v.currentBalance = cents(2000);
        v.tax2Amount = cents(150);

        InvoiceWordingOptions integrated = optionsFor(QStringLiteral("I"), false);
        InvoiceWording w = wordingOf(integrated, v);
        QVERIFY(w.showPriorBalance);
        QCOMPARE(w.priorBalance, Money()); // this invoice is all the customer owes
        QCOMPARE(w.priorBalanceText, QStringLiteral("$0.00"));
        QVERIFY(w.showPaymentsAndBalance);
        QVERIFY(w.showCurrentBalance);
        QVERIFY(!w.showTax1);
        QVERIFY(w.showTax2);
        QVERIFY(!w.showTerms);

        v.currentBalance = cents(1000); // a credit elsewhere
        integrated.printTerms = true;
        w = wordingOf(integrated, v);
        QCOMPARE(w.priorBalanceText, QStringLiteral("($10.00)"));
        QVERIFY(w.showTerms);

        v.payments = Money();
        QVERIFY(!wordingOf(integrated, v).showPaymentsAndBalance);

        v.payments = cents(3000);
        w = wordingOf(optionsFor(QStringLiteral("S"), false), v);
        QVERIFY(!w.showPriorBalance);
        QVERIFY(!w.showPaymentsAndBalance);
        QVERIFY(!w.showCurrentBalance);
    }
};

QTEST_GUILESS_MAIN(TestInvoiceWording)
#include "test_invoicewording.moc"
