// The payment register's rules on both engines: the list's orders, Outstanding and filter
// (exact dates, the customer's currency), typed text matched as data, the find dialog's
// messages, reconciling, deleting (posted cheques kept, before or after the question; lines
// and cheque together), the posting offer, what each cheque paid, and the invoice register's
// view of the payments on an invoice.
#include "changedwhileasking.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "invoicefixture.h"
#include "paymentsample.h"
#include "receivables/invoices/invoicepayments.h"
#include "receivables/payments/register/appliedinvoices.h"
#include "receivables/payments/register/paymentcolumns.h"
#include "receivables/payments/register/paymentdelete.h"
#include "receivables/payments/register/paymentfind.h"
#include "receivables/payments/register/paymentlist.h"
#include "receivables/payments/register/paymentreconcile.h"
#include "receivables/payments/register/paymentregistermessages.h"
#include "receivables/payments/register/paymentregisterstate.h"
#include "registersample.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>

using namespace invoicefixture;
using namespace paymentsample;
using registersample::kMarch1;
using registersample::kMarch2;

namespace
{

QList<qint64> ids(Database& db, const PaymentView& view)
{
    QList<qint64> found;
    for (const PaymentRow& r : readPayments(db, view))
        found << r.paymentId;
    return found;
}

PaymentView byDate(const QDate& date)
{
    PaymentView view;
    view.filter.paymentDate = date;
    return view;
}

// Every stored value of one cheque, to show what a command left alone.
QVariantList storedCheque(Database& db, qint64 id)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT ChequeNo, CustomerID, BankID, GLYear, GLPeriod, PaymentDate, ChequeAmount, "
        "Posted, Reconciled FROM ARPmt WHERE PaymentID = :id"));
    s.bind(QStringLiteral(":id"), id).exec();
    QVariantList values;
    if (s.next()) {
        for (int c = 0; c < 9; ++c)
            values << (c == 5   ? QVariant(s.date(QStringLiteral("PaymentDate")))
                       : c >= 7 ? QVariant(s.boolean(c))
                                : s.value(c));
    }
    return values;
}

qint64 linesOf(Database& db, qint64 paymentId)
{
    return count(
        db, QStringLiteral("SELECT COUNT(*) FROM ARInvPmt WHERE PaymentID = %1").arg(paymentId));
}

} // namespace

class TestPaymentRegister : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ordersOutstandingAndFilter_data() { testdb::addEngineRows(); }
    void ordersOutstandingAndFilter()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);

        PaymentView view;
        QCOMPARE(ids(*db, view), (QList<qint64>{4, 2, 5, 1, 3})); // newest first
        view.order = PaymentOrder::ChequeNo;
        QCOMPARE(ids(*db, view), (QList<qint64>{3, 1, 2, 5, 4}));

        // Outstanding: not reconciled, a cheque never marked either way included.
        db->exec(QStringLiteral("UPDATE ARPmt SET Reconciled = NULL WHERE PaymentID = 3"));
        view = {};
        view.outstanding = true;
        QCOMPARE(ids(*db, view), (QList<qint64>{4, 2, 5, 3}));
        view.filter.customerId = kAmes;
        QCOMPARE(ids(*db, view), (QList<qint64>{2}));

        view = {};
        view.filter.posted = FlagChoice::Yes;
        QCOMPARE(ids(*db, view), (QList<qint64>{5, 1}));
        view.filter.posted = FlagChoice::No;
        QCOMPARE(ids(*db, view), (QList<qint64>{4, 2, 3}));

        // A date matches cheques of exactly that date, and nothing on a day without cheques.
        QCOMPARE(ids(*db, byDate(kMarch1)), (QList<qint64>{5, 1, 3}));
        QCOMPARE(ids(*db, byDate(kMarch2)), (QList<qint64>{4, 2}));
        QCOMPARE(ids(*db, byDate(kMarch2.addDays(1))), QList<qint64>{});
        QCOMPARE(ids(*db, byDate(kMarch1.addDays(-1))), QList<qint64>{});

        // The currency goes through the customer: the removed customer's cheque never matches.
        view = {};
        view.filter.currencyId = 2;
        QCOMPARE(ids(*db, view), (QList<qint64>{2, 1}));
        view.filter.currencyId = 1;
        QCOMPARE(ids(*db, view), QList<qint64>{});
        QVERIFY(view.filter.narrows());
        QVERIFY(byDate(kMarch1).filter.narrows());
        QVERIFY(!PaymentFilter{}.narrows());
    }

    void rowsAndCaptions_data() { testdb::addEngineRows(); }
    void rowsAndCaptions()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        db->exec(
            QStringLiteral("UPDATE Customer SET Phone = '555-0101', EMail = 'ruth@example.org' "
                           "WHERE CustomerID = 1"));
        const QList<PaymentRow> rows = readPayments(*db, {});
        const PaymentRow& gone = rows.at(0);
        QCOMPARE(gone.paymentId, qint64(4));
        QVERIFY(gone.customerNo.isEmpty() && gone.customerName.isEmpty());
        const PaymentRow& first = rows.at(3);
        QCOMPARE(first.paymentId, qint64(1));
        QCOMPARE(first.phone, QStringLiteral("555-0101"));
        QCOMPARE(first.email, QStringLiteral("ruth@example.org"));
        QCOMPARE(first.currencyId, std::optional<qint64>(2));

        const FormatSettings us = FormatSettings::us();
        QStringList cells;
        QStringList titles;
        for (int c = 0; c < paymentcolumns::Count; ++c) {
            titles << paymentcolumns::title(paymentcolumns::Column(c));
            cells << paymentcolumns::text(first, paymentcolumns::Column(c), us);
        }
        QCOMPARE(titles, (QStringList{"Date", "Check no.", "Amount", "Customer no.", "Name",
                                      "Period", "Posted", "Reconciled"}));
        QCOMPARE(cells, (QStringList{"01 Mar 25", "501", "50.00", "1002", "Ames, Ruth", "3/2025",
                                     "Yes", "Yes"}));
        PaymentRow refund;
        refund.chequeAmount = Money::fromCents(-123456);
        QCOMPARE(paymentcolumns::text(refund, paymentcolumns::Amount, us),
                 QStringLiteral("(1,234.56)"));
        QCOMPARE(paymentcolumns::text(refund, paymentcolumns::Reconciled, us),
                 QStringLiteral("No"));

        QCOMPARE(paymentRegisterCaption(false, false), QStringLiteral("AR Payments"));
        QCOMPARE(paymentRegisterCaption(true, false), QStringLiteral("AR Payments (Outstanding)"));
        QCOMPARE(paymentRegisterCaption(false, true), QStringLiteral("AR Payments (Filtered)"));
        QCOMPARE(paymentRegisterCaption(true, true),
                 QStringLiteral("AR Payments (Outstanding, Filtered)"));
    }

    void findDialog_data() { testdb::addEngineRows(); }
    void findDialog()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        ScriptedDialogs dialogs;
        const PaymentView all;
        // Both: that customer's cheque of the number both share; the number alone: the first
        // in the list's order; the customer alone: its first cheque.
        QCOMPARE(findPayment(*db, dialogs, all, {kCounty, QString(), QStringLiteral("502")}),
                 std::optional<qint64>(5));
        QCOMPARE(findPayment(*db, dialogs, all, {std::nullopt, QString(), QStringLiteral("502")}),
                 std::optional<qint64>(2));
        QCOMPARE(findPayment(*db, dialogs, all, {std::nullopt, QStringLiteral("COUNTY"), {}}),
                 std::optional<qint64>(5));
        PaymentView byCheque;
        byCheque.order = PaymentOrder::ChequeNo;
        QCOMPARE(findPayment(*db, dialogs, byCheque, {std::nullopt, QStringLiteral("COUNTY"), {}}),
                 std::optional<qint64>(3));
        QVERIFY(dialogs.texts().isEmpty());
        QCOMPARE(findPayment(*db, dialogs, all, {}), std::nullopt); // nothing asked

        // The four messages, exactly; only among the cheques the list shows.
        PaymentView outstanding;
        outstanding.outstanding = true;
        QCOMPARE(findPayment(*db, dialogs, outstanding, {kAmes, QString(), QStringLiteral("501")}),
                 std::nullopt);
        QCOMPARE(findPayment(*db, dialogs, all, {std::nullopt, QString(), QStringLiteral("999")}),
                 std::nullopt);
        QCOMPARE(findPayment(*db, dialogs, all, {kBaker, QString(), QString()}), std::nullopt);
        QCOMPARE(findPayment(*db, dialogs, all,
                             {std::nullopt, QStringLiteral("nobody"), QStringLiteral("501")}),
                 std::nullopt);
        QCOMPARE(dialogs.texts(),
                 (QStringList{QStringLiteral("Cheque '501' not found for 'Ames, Ruth'"),
                              QStringLiteral("Cheque '999' not found"),
                              QStringLiteral("No cheques found for 'Baker, Lou'"),
                              QStringLiteral("Customer no. 'nobody' not found")}));
    }

    // Quotes, wildcards and pieces of SQL typed into the find dialog find exactly what they
    // say and change nothing.
    void typedTextIsMatchedAsData_data() { testdb::addEngineRows(); }
    void typedTextIsMatchedAsData()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        addCheque(*db, {6, QStringLiteral("5_1"), kAmes, kMarch1, 100});
        addCheque(*db, {7, QStringLiteral("O'Hara"), kAmes, kMarch1, 100});
        addCheque(*db, {8, QStringLiteral("50%"), kAmes, kMarch1, 100});
        const qint64 cheques = count(*db, QStringLiteral("SELECT COUNT(*) FROM ARPmt"));
        ScriptedDialogs dialogs;
        const PaymentView all;
        const auto byNumber = [&](const QString& no) {
            return findPayment(*db, dialogs, all, {std::nullopt, QString(), no});
        };
        QCOMPARE(byNumber(QStringLiteral("5_1")), std::optional<qint64>(6));
        QCOMPARE(byNumber(QStringLiteral("O'Hara")), std::optional<qint64>(7));
        QCOMPARE(byNumber(QStringLiteral("50%")), std::optional<qint64>(8));
        QVERIFY(dialogs.texts().isEmpty());
        for (const QString& crafted :
             {QStringLiteral("5%"), QStringLiteral("_01"), QStringLiteral("x' OR '1'='1"),
              QStringLiteral("'); DELETE FROM ARPmt; --")})
            QCOMPARE(byNumber(crafted), std::nullopt);
        QCOMPARE(findPayment(*db, dialogs, all, {std::nullopt, QStringLiteral("' OR ''='"), {}}),
                 std::nullopt);
        QCOMPARE(dialogs.texts().size(), 5);
        QCOMPARE(dialogs.texts().last(), QStringLiteral("Customer no. '' OR ''='' not found"));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARPmt")), cheques);
    }

    void reconciledFlipsOnlyReconciled_data() { testdb::addEngineRows(); }
    void reconciledFlipsOnlyReconciled()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        for (const qint64 id : {qint64(2), qint64(5)}) { // unposted, and posted
            QVariantList before = storedCheque(*db, id);
            QCOMPARE(toggleReconciled(*db, id), std::optional<bool>(true));
            QVariantList after = storedCheque(*db, id);
            QCOMPARE(after.takeLast(), QVariant(true));
            QCOMPARE(before.takeLast(), QVariant(false));
            QCOMPARE(after, before);
            QCOMPARE(toggleReconciled(*db, id), std::optional<bool>(false));
            QCOMPARE(storedCheque(*db, id).last(), QVariant(false));
        }
        QVERIFY(setReconciled(*db, 2, true));
        QVERIFY(setReconciled(*db, 2, true)); // twice is still reconciled
        QCOMPARE(storedCheque(*db, 2).last(), QVariant(true));
        QVERIFY(!setReconciled(*db, 42, true));
        QCOMPARE(toggleReconciled(*db, 42), std::nullopt);

        // Outstanding no longer lists it once the list is read again.
        PaymentView outstanding;
        outstanding.outstanding = true;
        QVERIFY(!ids(*db, outstanding).contains(2));
        QVERIFY(setReconciled(*db, 2, false));
        QVERIFY(ids(*db, outstanding).contains(2));
        QCOMPARE(linesOf(*db, 2), qint64(2));
    }

    void deleteKeepsPostedCheques_data() { testdb::addEngineRows(); }
    void deleteKeepsPostedCheques()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        const Money owing5 =
            money(*db, QStringLiteral("SELECT Owing FROM ARInv WHERE ARInvoiceID = 5"));

        // Posted: refused without a question.
        ScriptedDialogs refused;
        QCOMPARE(deletePayment(*db, refused, 1), DeleteOutcome::Refused);
        QCOMPARE(refused.texts(), QStringList{QStringLiteral(
                                      "A Payment that has been Posted\r\ncan't be deleted!")});
        QCOMPARE(linesOf(*db, 1), qint64(1));

        // No: nothing happens.
        ScriptedDialogs no({Dialogs::No});
        QCOMPARE(deletePayment(*db, no, 2), DeleteOutcome::Abandoned);
        QCOMPARE(no.texts(), QStringList{QStringLiteral("Delete cheque '502'?")});
        QCOMPARE(storedCheque(*db, 2).size(), 9);

        // Posted while the question was open: refused, cheque and lines kept.
        ChangedWhileAsking meanwhile(
            *db, QStringLiteral("UPDATE ARPmt SET Posted = true WHERE PaymentID = 3"));
        QCOMPARE(deletePayment(*db, meanwhile, 3), DeleteOutcome::Refused);
        QCOMPARE(meanwhile.shown,
                 (QStringList{QStringLiteral("Delete cheque '100'?"),
                              QStringLiteral("Unable to delete cheque '100'...\rIt has already "
                                             "been posted")}));
        QCOMPARE(storedCheque(*db, 3).size(), 9);
        QCOMPARE(linesOf(*db, 3), qint64(1));

        // Yes: the cheque and its lines go; the other cheques' lines and the invoices stay.
        ScriptedDialogs yes({Dialogs::Yes});
        QCOMPARE(deletePayment(*db, yes, 2), DeleteOutcome::Deleted);
        QVERIFY(storedCheque(*db, 2).isEmpty());
        QCOMPARE(linesOf(*db, 2), qint64(0));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvPmt")), qint64(2));
        QCOMPARE(money(*db, QStringLiteral("SELECT Owing FROM ARInv WHERE ARInvoiceID = 5")),
                 owing5);
        ScriptedDialogs again;
        QCOMPARE(deletePayment(*db, again, 2), DeleteOutcome::NotFound);
        QVERIFY(again.texts().isEmpty());

        // Deleted by another workstation while the question was open: not found, nothing said
        // after the question.
        ChangedWhileAsking gone(*db, QStringLiteral("DELETE FROM ARPmt WHERE PaymentID = 4"));
        QCOMPARE(deletePayment(*db, gone, 4), DeleteOutcome::NotFound);
        QCOMPARE(gone.shown, QStringList{QStringLiteral("Delete cheque '503'?")});
    }

    // The cheque and its lines go together or not at all: when the lines cannot be deleted,
    // the cheque stays.
    void deleteIsOneUnitOfWork_data() { testdb::addEngineRows(); }
    void deleteIsOneUnitOfWork()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        db->exec(QStringLiteral("ALTER TABLE ARInvPmt RENAME TO ARInvPmtAside"));
        ScriptedDialogs yes({Dialogs::Yes});
        QVERIFY_THROWS_EXCEPTION(DbError, deletePayment(*db, yes, 2));
        QCOMPARE(storedCheque(*db, 2).size(), 9);
        db->exec(QStringLiteral("ALTER TABLE ARInvPmtAside RENAME TO ARInvPmt"));
        QCOMPARE(linesOf(*db, 2), qint64(2));
    }

    // Closing the register offers posting while any cheque of an existing customer waits,
    // whatever the organization's SuppressPosting says.
    void postingOfferOnClose_data() { testdb::addEngineRows(); }
    void postingOfferOnClose()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        db->exec(QStringLiteral("UPDATE Company SET SuppressPosting = true"));
        QVERIFY(offersPaymentPostingOnClose(*db));
        db->exec(QStringLiteral("UPDATE ARPmt SET Posted = true WHERE PaymentID IN (2, 3)"));
        QVERIFY(!offersPaymentPostingOnClose(*db)); // cheque 4's customer is gone
        addCheque(*db, {9, QStringLiteral("900"), kBaker, kMarch2, 100});
        QVERIFY(offersPaymentPostingOnClose(*db));
    }

    void appliedInvoicesOfEachCheque_data() { testdb::addEngineRows(); }
    void appliedInvoicesOfEachCheque()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        const auto applied = appliedInvoices(*db);
        QCOMPARE(applied.size(), 3);
        QVERIFY(!applied.contains(4));
        const QList<AppliedInvoice> two = applied.value(2);
        QCOMPARE(two.size(), 2);
        QCOMPARE(two[0].invoiceNo, QStringLiteral("10004"));
        QCOMPARE(two[0].amountPaid, Money::fromCents(1500));
        QCOMPARE(two[0].discountTaken, Money::fromCents(500));
        QCOMPARE(two[1].invoiceNo, QStringLiteral("09999"));
        QCOMPARE(applied.value(3).at(0).writeOff, Money::fromCents(50));
    }

    // The invoice register's Payment(s) view lists every cheque recorded against the invoice,
    // posted or not, oldest first, and forgets a cheque once it is deleted.
    void paymentsOnInvoiceView_data() { testdb::addEngineRows(); }
    void paymentsOnInvoiceView()
    {
        QFETCH(QString, engine);
        auto db = sampleLedger(engine);
        std::vector<InvoicePayment> on5 = paymentsOnInvoice(*db, 5);
        QCOMPARE(on5.size(), size_t(2));
        QCOMPARE(on5[0].chequeNo, QStringLiteral("100"));
        QCOMPARE(on5[0].paymentDate, kMarch1);
        QCOMPARE(on5[0].paymentAmount, Money::fromCents(200));
        QCOMPARE(on5[0].chequeAmount, Money::fromCents(700));
        QCOMPARE(on5[1].chequeNo, QStringLiteral("502"));
        QCOMPARE(on5[1].paymentAmount, Money::fromCents(500));
        QCOMPARE(on5[1].chequeAmount, Money::fromCents(2000));
        const std::vector<InvoicePayment> on1 = paymentsOnInvoice(*db, 1);
        QCOMPARE(on1.size(), size_t(1));
        QCOMPARE(on1[0].chequeNo, QStringLiteral("501"));
        QVERIFY(paymentsOnInvoice(*db, 3).empty());

        ScriptedDialogs yes({Dialogs::Yes});
        QCOMPARE(deletePayment(*db, yes, 2), DeleteOutcome::Deleted);
        on5 = paymentsOnInvoice(*db, 5);
        QCOMPARE(on5.size(), size_t(1));
        QCOMPARE(on5[0].chequeNo, QStringLiteral("100"));
    }
};

QTEST_MAIN(TestPaymentRegister)
#include "test_paymentregister.moc"
