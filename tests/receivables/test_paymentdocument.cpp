// The payment document on both engines: a new payment's key and defaults, the customer and the
// bank of its currency, the invoices a line may pay, the fill commands, discounts and
// write-offs, the header checks with their questions, the lock on posted payments, OK and
// Cancel, and what another workstation changes meanwhile.
#include "common/formatsettings.h"
#include "engine/database.h"
#include "paymentfixture.h"
#include "receivables/payments/paymentdocument.h"
#include "receivables/payments/paymentperiodfields.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QTest>
#include <functional>

using namespace paymentfixture;

namespace
{

Money units(double value)
{
    return Money::fromRaw(qRound64(value * Money::kScale));
}

struct Outcome {
    QString message; // the refusal's text; empty when the call went through or was abandoned
    PaymentField focus = PaymentField::None;
    bool abandoned = false;
};

Outcome outcomeOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const PaymentRefusal& r) {
        return {r.message(), r.focus(), false};
    } catch (const PaymentAbandoned& a) {
        return {QString(), a.focus(), true};
    }
    return {};
}

std::unique_ptr<Database> ledger(const QString& engine)
{
    auto db = testdb::fresh(engine);
    create(*db);
    return db;
}

std::unique_ptr<PaymentDocument> reopen(Database& db, Dialogs& dialogs, qint64 id)
{
    auto doc = PaymentDocument::openExisting(db, dialogs, id);
    if (!doc)
        qFatal("payment %lld is not stored", id);
    return doc;
}

// A new payment from Ames by cheque 10442, in the current fiscal year.
std::unique_ptr<PaymentDocument> newPayment(Database& db, Dialogs& dialogs,
                                            const QString& customerNo = QStringLiteral("1002"))
{
    auto doc = PaymentDocument::openNew(db, dialogs);
    doc->setCustomerNoText(customerNo);
    doc->setChequeNo(QStringLiteral("10442"));
    doc->setGLYear(kFiscalYear);
    doc->setGLPeriod(3);
    return doc;
}

// A line paying `amount` on the invoice.
void pay(PaymentDocument& doc, qint64 invoiceId, Money amount)
{
    doc.appendLine();
    doc.chooseLineInvoice(invoiceId);
    doc.setLinePaymentAmount(amount);
    doc.storeLine();
}

qint64 storedPayments(Database& db)
{
    return count(db, QStringLiteral("SELECT COUNT(*) FROM ARPmt"));
}

} // namespace

class TestPaymentDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void newPaymentKeyAndDefaults_data() { testdb::addEngineRows(); }
    void newPaymentKeyAndDefaults()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        ScriptedDialogs dialogs;
        auto first = PaymentDocument::openNew(*db, dialogs);
        QCOMPARE(first->paymentId(), 0); // an empty counter counts as 0
        QCOMPARE(count(*db, QStringLiteral("SELECT NextPaymentID FROM ARPmtCtl")), 1);
        const QDate today = QDate::currentDate();
        QCOMPARE(first->header().paymentDate, today);
        QCOMPARE(first->header().glPeriod, today.month());
        QCOMPARE(first->header().glYear, today.year());
        QVERIFY(!first->isPosted() && !first->header().reconciled);
        QVERIFY(first->isUntouchedNew());
        QCOMPARE(first->caption(), QStringLiteral("New Payment"));
        first->setChequeNo(QStringLiteral(" 104420001 ")); // cut to ChequeNo's 8 characters
        QCOMPARE(first->caption(), QStringLiteral("Payment Check 10442000"));
        QVERIFY(!first->isUntouchedNew());
        first->cancel(); // the key is never given back

        db->exec(
            QStringLiteral("UPDATE Company SET DefaultPeriodPP = 7, DefaultPeriodYYYY = 2023"));
        auto second = PaymentDocument::openNew(*db, dialogs);
        QCOMPARE(second->paymentId(), 1);
        QCOMPARE(second->header().glPeriod, 7);
        QCOMPARE(second->header().glYear, 2023);
        QCOMPARE(storedPayments(*db), 0);
    }

    // The cheque of 100.00 split 60/40 is stored with its lines; applied as 60.00 only it is
    // refused, naming the 40.00 still to allocate, and nothing is written.
    void chequeMustBeAllocatedExactly_data() { testdb::addEngineRows(); }
    void chequeMustBeAllocatedExactly()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {1, kAmes, units(60), units(60)});
        addInvoice(*db, {2, kAmes, units(75), units(40)});
        ScriptedDialogs dialogs;

        auto short60 = newPayment(*db, dialogs);
        short60->setChequeAmount(units(100));
        pay(*short60, 1, units(60));
        const Outcome refused = outcomeOf([&] { short60->ok(); });
        QCOMPARE(refused.message,
                 QStringLiteral("The total of payment(s) must equal the check amount.\n\rThe check "
                                "amount is 100.00\n\rYour payment total is 60.00\n\r40.00 has yet "
                                "to be allocated."));
        QCOMPARE(refused.focus, PaymentField::Lines);
        QCOMPARE(storedPayments(*db), 0);
        QVERIFY(short60->isEditing());

        pay(*short60, 2, units(40));
        QCOMPARE(short60->allocatedSum(), units(100));
        short60->setPaymentDate(QDate(2024, 3, 15));
        short60->ok();
        QVERIFY(short60->hasBeenStored());
        QVERIFY(!short60->isEditing());
        QCOMPARE(
            storedRows(*db, short60->paymentId()),
            QStringList({QStringLiteral("0|10442|1|2|2024|3|2024-03-15|1000000|0|0"),
                         QStringLiteral("1|0|1|600000|||"), QStringLiteral("2|0|2|400000|||")}));
        QVERIFY(dialogs.shown().isEmpty());

        // Opened again: the lines as stored; a changed line and a new one replace them whole.
        auto again = reopen(*db, dialogs, short60->paymentId());
        QCOMPARE(again->lineCount(), 2);
        QCOMPARE(again->lineInvoice(1)->invoiceNo, invoiceNo(2));
        QCOMPARE(again->allocatedSum(), units(100));
        again->deleteLine(0);
        pay(*again, 1, units(50));
        again->editLine(0);
        again->setLinePaymentAmount(units(50));
        again->storeLine();
        again->ok();
        QCOMPARE(
            storedRows(*db, short60->paymentId()).mid(1),
            QStringList({QStringLiteral("2|0|2|500000|||"), QStringLiteral("1|0|3|500000|||")}));
    }

    // No cheque amount: OK asks whether the allocated sum is the amount. Yes fills it in for a
    // second OK to store; No goes back to the amount box. Nothing is written before.
    void emptyChequeAmountIsAskedFor_data() { testdb::addEngineRows(); }
    void emptyChequeAmountIsAskedFor()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {1, kAmes, units(25), units(25)});
        addInvoice(*db, {2, kAmes, units(75), units(75)});
        const QString question = QStringLiteral("Check amount is 100.00\rIs this correct?");

        ScriptedDialogs declined({Dialogs::No});
        auto doc = newPayment(*db, declined);
        pay(*doc, 1, units(25));
        pay(*doc, 2, units(75));
        Outcome o = outcomeOf([&] { doc->ok(); });
        QVERIFY(o.abandoned);
        QCOMPARE(o.focus, PaymentField::ChequeAmount);
        QCOMPARE(declined.texts(), QStringList{question});
        QVERIFY(!doc->header().chequeAmount);
        QCOMPARE(storedPayments(*db), 0);

        ScriptedDialogs accepted({Dialogs::Yes});
        auto yes = newPayment(*db, accepted);
        pay(*yes, 1, units(25));
        pay(*yes, 2, units(75));
        o = outcomeOf([&] { yes->ok(); });
        QVERIFY(o.abandoned);
        QCOMPARE(accepted.shown().at(0).buttons, Dialogs::Yes | Dialogs::No);
        QCOMPARE(yes->header().chequeAmount, units(100));
        QCOMPARE(storedPayments(*db), 0);
        yes->ok(); // no second question
        QCOMPARE(accepted.texts(), QStringList{question});
        QCOMPARE(count(*db, QStringLiteral("SELECT ChequeAmount FROM ARPmt")), 1000000);
    }

    // The fill commands from the invoice's Owing, and a discount only where the line settles
    // the invoice; only what is paid counts toward the cheque.
    // The discount is the percentage of the invoice amount rounded to cents, half away from
    // zero; no percentage gives no discount and no date.
    void discountAmountAndDate()
    {
        const auto discount = [](double amount, double percent) {
            AllocatedInvoice invoice;
            invoice.invoiceAmount = units(amount);
            invoice.discPC = percent;
            invoice.invoiceDate = QDate(2024, 2, 25);
            invoice.discDays = 5;
            return invoice;
        };
        QCOMPARE(discount(1.00, 2.5).discountAmount(), units(0.03));
        QCOMPARE(discount(-1.00, 2.5).discountAmount(), units(-0.03));
        QCOMPARE(discount(10.10, 2.5).discountAmount(), units(0.25));
        QCOMPARE(discount(1234.56, 1.5).discountAmount(), units(18.52));
        QCOMPARE(discount(10.10, 2.5).discountDate(), QDate(2024, 3, 1)); // over a leap day
        QVERIFY(!discount(10.10, 0).discountAmount());
        QVERIFY(!discount(10.10, 0).discountDate().isValid());
    }

    void fillCommandsAndDiscounts_data() { testdb::addEngineRows(); }
    void fillCommandsAndDiscounts()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        // 200.00 at 2 % for 10 days from 1 March; 123.45 with no terms.
        addInvoice(*db, {1, kAmes, units(200), units(200), true, 2.0, 10});
        addInvoice(*db, {2, kAmes, units(123.45), units(123.45)});
        ScriptedDialogs dialogs;
        auto doc = newPayment(*db, dialogs);
        doc->appendLine();
        doc->chooseLineInvoice(1);
        const AllocatedInvoice invoice = *doc->lineInvoice(0);
        QCOMPARE(invoice.discountAmount(), units(4));
        QCOMPARE(invoice.discountDate(), QDate(2024, 3, 11));

        doc->payTakeDiscount();
        QCOMPARE(doc->line(0).paymentAmount, units(196));
        QCOMPARE(doc->line(0).discTakenAmount, units(4));
        QVERIFY(!doc->line(0).writeOffAmount);
        doc->payNoDiscount();
        QCOMPARE(doc->line(0).paymentAmount, units(200));
        QVERIFY(!doc->line(0).discTakenAmount);

        // Eligible up to and on the discount date, not a day after.
        doc->setPaymentDate(QDate(2024, 3, 11));
        doc->payDiscountIfEligible();
        QCOMPARE(doc->line(0).discTakenAmount, units(4));
        doc->setPaymentDate(QDate(2024, 3, 12));
        doc->payDiscountIfEligible();
        QVERIFY(!doc->line(0).discTakenAmount);
        QCOMPARE(doc->line(0).paymentAmount, units(200));

        // A discount on a line that leaves something owing is refused and the line stays open.
        doc->setLinePaymentAmount(units(150));
        doc->setLineDiscTakenAmount(units(4));
        const Outcome partial = outcomeOf([&] { doc->storeLine(); });
        QCOMPARE(partial.message, QStringLiteral("Discount can only be taken if invoice is fully "
                                                 "paid...\rMake changes or press Esc to undo"));
        QCOMPARE(doc->editingRow(), 0);
        doc->payTakeDiscount();
        doc->storeLine();

        // An invoice without terms: no discount to take, whatever the date.
        doc->setPaymentDate(QDate(2024, 3, 2));
        doc->appendLine();
        doc->chooseLineInvoice(2);
        QVERIFY(!doc->lineInvoice(1)->discountAmount());
        doc->payDiscountIfEligible();
        QCOMPARE(doc->line(1).paymentAmount, units(123.45));
        QVERIFY(!doc->line(1).discTakenAmount);
        doc->payTakeDiscount();
        QCOMPARE(doc->line(1).paymentAmount, units(123.45));
        doc->storeLine();

        QCOMPARE(doc->allocatedSum(), units(319.45));
        doc->setChequeAmount(units(323.45)); // payments and the discount: refused
        QVERIFY(outcomeOf([&] { doc->ok(); }).message.contains(QStringLiteral("4.00 has yet")));
        doc->setChequeAmount(units(319.45));
        doc->ok();
        QCOMPARE(storedRows(*db, doc->paymentId()).mid(1),
                 QStringList({QStringLiteral("1|0|1|1960000|40000||"),
                              QStringLiteral("2|0|2|1234500|||")}));
    }

    void writeOffs_data() { testdb::addEngineRows(); }
    void writeOffs()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {1, kAmes, units(80), units(50)});
        addInvoice(*db, {2, kAmes, units(12.5), units(12.5)});
        ScriptedDialogs dialogs({Dialogs::No, Dialogs::Yes});
        auto doc = newPayment(*db, dialogs);

        // 10.00 written off on 50.00 owing with 30.00 paid: the balance to write off is 20.00.
        doc->appendLine();
        doc->chooseLineInvoice(1);
        doc->setLinePaymentAmount(units(30));
        doc->setLineWriteOffAmount(units(10));
        QCOMPARE(doc->line(0).writeOffGLAccountId, kBadDebts); // the dollar's write-off account
        QCOMPARE(doc->lineWriteOffAccountNo(0), QStringLiteral("4900"));
        QCOMPARE(doc->lineWriteOffAccountName(0), QStringLiteral("Bad debts"));
        Outcome o = outcomeOf([&] { doc->storeLine(); });
        QCOMPARE(o.message, QStringLiteral("Write-off must equal balance of invoice: "
                                           "20.00\rMake changes or press Esc to undo"));
        QCOMPARE(o.focus, PaymentField::WriteOffColumn);
        doc->setLineWriteOffAmount(units(0)); // no write-off, no account
        QVERIFY(!doc->line(0).writeOffGLAccountId);

        // An account typed without an amount: the question; No stores the line as it is.
        QCOMPARE(outcomeOf([&] { doc->setLineWriteOffAccountNo(QStringLiteral("4999")); }).message,
                 QStringLiteral("GL Account not found...\rPress Esc or enter a different account "
                                "no"));
        o = outcomeOf([&] { doc->setLineWriteOffAccountNo(QStringLiteral("4910")); });
        QCOMPARE(o.message, QStringLiteral("GL Account has been suspended"));
        QCOMPARE(o.focus, PaymentField::WriteOffAccountColumn);
        o = outcomeOf([&] { doc->chooseLineWriteOffAccountByName(kOldWriteOffs); });
        QCOMPARE(o.message, QStringLiteral("GL Account '4910: Old write-offs' has been suspended"));
        QCOMPARE(o.focus, PaymentField::AccountNameColumn);
        QVERIFY(!doc->line(0).writeOffGLAccountId);
        doc->setLineWriteOffAccountNo(QStringLiteral("4950"));
        QCOMPARE(doc->line(0).writeOffGLAccountId, kWriteOffsCad);
        doc->storeLine(); // No
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Do you want to write off the "
                                                             "remaining 20.00?")});
        QCOMPARE(doc->line(0).writeOffAmount, Money());

        // Yes fills in what remains and abandons the store for the bookkeeper to confirm.
        doc->editLine(0);
        doc->chooseLineWriteOffAccountByName(kBadDebts);
        o = outcomeOf([&] { doc->storeLine(); });
        QVERIFY(o.abandoned);
        QCOMPARE(o.focus, PaymentField::WriteOffColumn);
        QCOMPARE(doc->line(0).writeOffAmount, units(20));
        QCOMPARE(doc->editingRow(), 0);
        doc->storeLine();
        QCOMPARE(dialogs.unusedAnswers(), 0);

        // "Write-off" writes off all that is owed and pays nothing.
        doc->appendLine();
        doc->chooseLineInvoice(2);
        doc->setLinePaymentAmount(units(5));
        doc->writeOff();
        QVERIFY(!doc->line(1).paymentAmount);
        QCOMPARE(doc->line(1).writeOffAmount, units(12.5));
        QCOMPARE(doc->line(1).writeOffGLAccountId, kBadDebts);
        doc->storeLine();

        doc->setChequeAmount(units(30));
        doc->ok();
        QCOMPARE(storedRows(*db, doc->paymentId()).mid(1),
                 QStringList({QStringLiteral("1|0|1|300000||200000|1"),
                              QStringLiteral("2|0|2|||125000|1")}));

        // A Canadian customer's write-off goes to the Canadian dollar's account.
        addInvoice(*db, {3, kDupont, units(9), units(9)});
        ScriptedDialogs none;
        auto cad = newPayment(*db, none, QStringLiteral("2001"));
        cad->appendLine();
        cad->chooseLineInvoice(3);
        cad->writeOff();
        QCOMPARE(cad->line(0).writeOffGLAccountId, kWriteOffsCad);
    }

    // Only the customer's posted invoices, each once per payment; the Outstanding list.
    void invoicesALineMayPay_data() { testdb::addEngineRows(); }
    void invoicesALineMayPay()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {3, kAmes, units(10), units(10)});
        addInvoice(*db, {1, kAmes, units(20), units(0)});
        addInvoice(*db, {2, kAmes, units(30), units(30), false});
        addInvoice(*db, {4, kBaker, units(40), units(40)});
        ScriptedDialogs dialogs;
        auto doc = newPayment(*db, dialogs);
        const auto numbers = [](const QList<AllocatedInvoice>& invoices) {
            QStringList n;
            for (const AllocatedInvoice& i : invoices)
                n << i.invoiceNo;
            return n;
        };
        QVERIFY(doc->outstandingOnly());
        QCOMPARE(numbers(doc->invoicesOffered()), QStringList({invoiceNo(2), invoiceNo(3)}));
        doc->setOutstandingOnly(false);
        QCOMPARE(numbers(doc->invoicesOffered()),
                 QStringList({invoiceNo(1), invoiceNo(2), invoiceNo(3)}));
        doc->setOutstandingOnly(true);

        doc->appendLine();
        Outcome o = outcomeOf([&] { doc->chooseLineInvoice(2); });
        QCOMPARE(o.message, QStringLiteral("Invoice '5002' has not been posted"));
        QCOMPARE(o.focus, PaymentField::InvoiceColumn);
        QVERIFY(!outcomeOf([&] { doc->chooseLineInvoice(4); }).message.isEmpty()); // Baker's
        QCOMPARE(outcomeOf([&] { doc->setLineInvoiceNo(QStringLiteral("5004")); }).message,
                 QStringLiteral("Invoice no. 5004 not found."));
        QVERIFY(!doc->line(0).arInvoiceId);
        doc->setLineInvoiceNo(QStringLiteral("5003"));
        doc->setLineInvoiceNo(QString()); // emptied again
        QVERIFY(!doc->line(0).arInvoiceId);
        QCOMPARE(outcomeOf([&] { doc->storeLine(); }).message,
                 QStringLiteral("Field 'Invoice no.' must have a value...\rMake changes or press "
                                "Esc to undo"));

        // A paid-up invoice may still be chosen, and is then offered while its line is open.
        doc->setLineInvoiceNo(QStringLiteral(" 5001 "));
        QCOMPARE(numbers(doc->invoicesOffered()),
                 QStringList({invoiceNo(1), invoiceNo(2), invoiceNo(3)}));
        doc->setLinePaymentAmount(units(1)); // an overpayment is allowed
        doc->storeLine();
        QCOMPARE(numbers(doc->invoicesOffered()), QStringList({invoiceNo(2), invoiceNo(3)}));

        doc->appendLine();
        o = outcomeOf([&] { doc->chooseLineInvoice(1); });
        QCOMPARE(o.message,
                 QStringLiteral("Invoice '5001' has already had this payment applied to it."));
        // The line's own invoice chosen again is no second application.
        doc->cancelLine();
        doc->editLine(0);
        doc->chooseLineInvoice(1);
        doc->storeLine();
        QCOMPARE(doc->lineCount(), 1);
    }

    // The header's checks in their order, the period ranges and the expected-range warning.
    void headerChecksInOrder_data() { testdb::addEngineRows(); }
    void headerChecksInOrder()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {1, kAmes, units(10), units(10)});
        ScriptedDialogs dialogs;
        auto doc = PaymentDocument::openNew(*db, dialogs);
        const auto refusal = [&] {
            const Outcome o = outcomeOf([&] { doc->ok(); });
            return qMakePair(o.message, o.focus);
        };
        // The bank box is read first, before the checks of the stored header.
        QCOMPARE(refusal(), qMakePair(QStringLiteral("A  Bank Account must be selected."),
                                      PaymentField::Bank));
        doc->setBankId(kMainStreet);
        QCOMPARE(refusal(), qMakePair(QStringLiteral("A Client for this payment has not been "
                                                     "selected."),
                                      PaymentField::CustomerNo));
        doc->setCustomerNoText(QStringLiteral("1002"));
        QCOMPARE(doc->header().bankId, kMainStreet); // a dollar bank for a dollar customer stays
        doc->setBankId(99);
        QCOMPARE(refusal(), qMakePair(QStringLiteral("Bank no longer exists"), PaymentField::Bank));
        doc->setBankId(kBorderBank);
        QCOMPARE(refusal(), qMakePair(QStringLiteral("Bank must be the same currency as customer"),
                                      PaymentField::Bank));
        doc->setBankId(kMainStreet);
        doc->setPaymentDate(QDate());
        QCOMPARE(refusal(), qMakePair(QStringLiteral("A Check Date must be entered."),
                                      PaymentField::PaymentDate));
        doc->setPaymentDate(QDate(2024, 3, 15));
        db->exec(QStringLiteral("UPDATE Company SET FiscalYear = 0"));
        QCOMPARE(refusal(), qMakePair(QStringLiteral("Current fiscal year is not yet "
                                                     "defined...\rSee \"Your Company\""),
                                      PaymentField::Period));
        db->exec(QStringLiteral("UPDATE Company SET FiscalYear = %1").arg(kFiscalYear));
        doc->setGLYear(std::nullopt);
        QCOMPARE(refusal(), qMakePair(QStringLiteral("Field 'Year of Period' must have a value"),
                                      PaymentField::Year));
        doc->setGLYear(paymentGLYearFromEditText(QStringLiteral("23")));
        QCOMPARE(refusal(), qMakePair(QStringLiteral("GL Period is prior to current fiscal year "
                                                     "\ras defined by \"Your Company\""),
                                      PaymentField::Period));
        doc->setGLYear(paymentGLYearFromEditText(QStringLiteral("24")));
        QCOMPARE(doc->header().glYear, 2024);
        QCOMPARE(outcomeOf([] { paymentGLYearFromEditText(QStringLiteral("2024")); }).focus,
                 PaymentField::Year);
        QCOMPARE(outcomeOf([&] { doc->setGLPeriod(13); }).message,
                 QStringLiteral("13 is not a valid value for field 'Period'. The allowed range is "
                                "1 to 12"));
        doc->setGLPeriod(std::nullopt);
        QCOMPARE(refusal(), qMakePair(QStringLiteral("Field 'Period' must have a value"),
                                      PaymentField::Period));

        // Allowed from 2024/02 to 2024/11; expected from 2024/04 with no end.
        db->exec(QStringLiteral("UPDATE Company SET EPeriodFromYYYY = 2024, EPeriodFromPP = 2, "
                                "EPeriodToYYYY = 2024, EPeriodToPP = 11, WPeriodFromYYYY = 2024, "
                                "WPeriodFromPP = 4"));
        const QString notAllowed = QStringLiteral(
            "GL Period is not within allowed range \ras defined by \"Your Company\"");
        for (int period : {1, 12}) {
            doc->setGLPeriod(period);
            QCOMPARE(refusal(), qMakePair(notAllowed, PaymentField::Period));
        }
        doc->setGLPeriod(11);
        QCOMPARE(refusal(), qMakePair(QStringLiteral("You must enter the invoice(s) to which this "
                                                     "payment applies."),
                                      PaymentField::Lines));
        pay(*doc, 1, units(10));
        doc->setChequeAmount(units(10));
        doc->setChequeNo(QString());
        QCOMPARE(refusal(), qMakePair(QStringLiteral("Field 'Check no.' must have a value"),
                                      PaymentField::ChequeNo));
        doc->setChequeNo(QStringLiteral("881"));

        // Outside the expected range only: Cancel abandons, OK stores.
        doc->setGLPeriod(3);
        dialogs.answer(Dialogs::Cancel);
        const Outcome cancelled = outcomeOf([&] { doc->ok(); });
        QVERIFY(cancelled.abandoned);
        QCOMPARE(cancelled.focus, PaymentField::Period);
        QCOMPARE(storedPayments(*db), 0);
        const ScriptedDialogs::Shown warning = dialogs.shown().last();
        QCOMPARE(warning.text, QStringLiteral("GL Period is not within expected range \ras "
                                              "defined by \"Your Company\"."));
        QCOMPARE(warning.kind, Dialogs::Kind::Warning);
        QCOMPARE(warning.buttons, Dialogs::Ok | Dialogs::Cancel);
        dialogs.answer(Dialogs::Ok);
        doc->ok();
        QCOMPARE(storedPayments(*db), 1);
        QCOMPARE(dialogs.shown().size(), 2);
    }

    // The bank follows the customer's currency; the customer stays once there are lines.
    void customerAndBank_data() { testdb::addEngineRows(); }
    void customerAndBank()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {1, kAmes, units(10), units(10)});
        ScriptedDialogs dialogs;
        auto doc = PaymentDocument::openNew(*db, dialogs);
        Outcome o = outcomeOf([&] { doc->setCustomerNoText(QStringLiteral("9999")); });
        QCOMPARE(o.message, QStringLiteral("Customer no. 9999 not found."));
        QCOMPARE(o.focus, PaymentField::CustomerNo);
        QVERIFY(!doc->header().customerId);

        // The first dollar bank by name without regard to case.
        doc->setCustomerNoText(QStringLiteral("1002"));
        QCOMPARE(doc->header().bankId, kCityCredit);
        QCOMPARE(doc->customerNo(), QStringLiteral("1002"));
        QCOMPARE(doc->address(), QStringLiteral("4 Elm St, Dayton"));
        // A bank of the customer's currency stays; another currency's is replaced.
        doc->setBankId(kMainStreet);
        doc->setCustomerId(kBaker);
        QCOMPARE(doc->header().bankId, kMainStreet);
        doc->setCustomerNoText(QStringLiteral("2001"));
        QCOMPARE(doc->header().bankId, kBorderBank);
        QCOMPARE(doc->customerCurrencyId(), kCanadian);
        QCOMPARE(doc->bankCurrencyId(), kCanadian);
        doc->setCustomerId(kGarza); // no bank in pesos: the bank is left
        QCOMPARE(doc->header().bankId, kBorderBank);

        doc->setCustomerId(kAmes);
        pay(*doc, 1, units(10));
        const QString refused =
            QStringLiteral("Customer cannot be changed unless invoices are removed first");
        QCOMPARE(outcomeOf([&] { doc->setCustomerNoText(QStringLiteral("1003")); }).message,
                 refused);
        QCOMPARE(outcomeOf([&] { doc->setCustomerId(kDupont); }).message, refused);
        doc->setCustomerNoText(QStringLiteral("1002")); // the same customer is no change
        QCOMPARE(doc->header().customerId, kAmes);
        doc->deleteLine(0);
        doc->setCustomerNoText(QStringLiteral("1003"));
        QCOMPARE(doc->header().customerId, kBaker);
    }

    // A posted payment refuses every change; one posted or deleted by another workstation
    // while it was open here is not written.
    void postedAndDeletedPayments_data() { testdb::addEngineRows(); }
    void postedAndDeletedPayments()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {1, kAmes, units(10), units(10)});
        addInvoice(*db, {2, kAmes, units(20), units(20)});
        ScriptedDialogs dialogs;
        auto doc = newPayment(*db, dialogs);
        doc->setChequeAmount(units(10));
        pay(*doc, 1, units(10));
        doc->ok();
        const qint64 id = doc->paymentId();
        const QStringList stored = storedRows(*db, id);

        // Changed here while another workstation posts it.
        auto open = reopen(*db, dialogs, id);
        open->setChequeNo(QStringLiteral("999"));
        auto other = testdb::reopen(*db);
        other->exec(QStringLiteral("UPDATE ARPmt SET Posted = true"));
        const QString posted = QStringLiteral(
            "Posted payments cannot be changed...\r\rTo undo a payment after posting, you must "
            "\"reverse\" it (enter it again with the opposite amount).");
        QCOMPARE(outcomeOf([&] { open->ok(); }).message, posted);

        auto locked = reopen(*db, dialogs, id);
        QVERIFY(locked->isPosted());
        const QList<std::function<void()>> changes{
            [&] { locked->setCustomerNoText(QStringLiteral("1003")); },
            [&] { locked->setChequeNo(QStringLiteral("1")); },
            [&] { locked->setChequeAmount(units(1)); },
            [&] { locked->setBankId(kMainStreet); },
            [&] { locked->appendLine(); },
            [&] { locked->editLine(0); },
            [&] { locked->deleteLine(0); }};
        for (const auto& change : changes)
            QCOMPARE(outcomeOf(change).message, posted);
        locked->ok(); // nothing to write
        QVERIFY(!locked->isEditing());

        // Deleted elsewhere: not brought back.
        other->exec(QStringLiteral("UPDATE ARPmt SET Posted = false"));
        auto gone = reopen(*db, dialogs, id);
        pay(*gone, 2, units(0));
        other->exec(QStringLiteral("DELETE FROM ARInvPmt"));
        other->exec(QStringLiteral("DELETE FROM ARPmt"));
        QCOMPARE(outcomeOf([&] { gone->ok(); }).message,
                 QStringLiteral("This payment was deleted by another user; it was not saved."));
        QCOMPARE(storedRows(*db, id), QStringList());
        QVERIFY(gone->isEditing());
        QVERIFY(!stored.isEmpty());
    }

    // Cancel brings back the payment as it was opened or last stored, lines included.
    void cancelRestores_data() { testdb::addEngineRows(); }
    void cancelRestores()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {1, kAmes, units(10), units(10)});
        addInvoice(*db, {2, kAmes, units(20), units(20)});
        ScriptedDialogs dialogs;
        auto doc = newPayment(*db, dialogs);
        doc->setChequeAmount(units(10));
        pay(*doc, 1, units(10));
        doc->ok();
        const PaymentHeader header = doc->header();
        const PaymentLine line = doc->line(0);

        doc->setChequeNo(QStringLiteral("777"));
        doc->setChequeAmount(units(30));
        doc->editLine(0);
        doc->setLinePaymentAmount(units(5));
        doc->storeLine();
        pay(*doc, 2, units(25));
        doc->appendLine();
        doc->setLinePaymentAmount(units(3));
        doc->cancel();
        QVERIFY(!doc->isEditing());
        QCOMPARE(doc->header(), header);
        QCOMPARE(doc->lineCount(), 1);
        QCOMPARE(doc->line(0), line);
        QCOMPARE(doc->allocatedSum(), units(10));
        QCOMPARE(doc->caption(), QStringLiteral("Payment Check 10442"));

        // A new payment cancelled keeps nothing.
        auto fresh = newPayment(*db, dialogs);
        pay(*fresh, 2, units(20));
        fresh->cancel();
        QCOMPARE(fresh->lineCount(), 0);
        QVERIFY(!fresh->header().customerId);
        QCOMPARE(storedPayments(*db), 1);
    }

    // Another workstation posts a payment on an invoice after this one stored a line with a
    // discount on it: the discount would be granted on what is no longer owed, so OK refuses
    // and writes nothing. A plain payment on a changed invoice is still stored.
    void discountOnAnInvoiceChangedMeanwhile_data() { testdb::addEngineRows(); }
    void discountOnAnInvoiceChangedMeanwhile()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        addInvoice(*db, {1, kAmes, units(200), units(200), true, 2.0, 10});
        addInvoice(*db, {2, kAmes, units(50), units(50)});
        ScriptedDialogs dialogs;
        auto doc = newPayment(*db, dialogs);
        doc->appendLine();
        doc->chooseLineInvoice(1);
        doc->payTakeDiscount();
        doc->storeLine();
        pay(*doc, 2, units(50));
        doc->setChequeAmount(units(246));

        auto other = testdb::reopen(*db);
        const QString posting = QStringLiteral(
            "UPDATE ARInv SET PaidAmount = PaidAmount + %2, Owing = Owing - %2 WHERE ARInvoiceID "
            "= %1");
        other->exec(posting.arg(1).arg(units(100).raw()));
        other->exec(posting.arg(2).arg(units(10).raw()));
        const Outcome o = outcomeOf([&] { doc->ok(); });
        QCOMPARE(o.message,
                 QStringLiteral("Invoice '5001' was changed by another user while this payment "
                                "was open: it now owes 100.00.\rIts discount or write-off no "
                                "longer settles it; the payment was not saved.\rMake changes or "
                                "press Esc to undo"));
        QCOMPARE(o.focus, PaymentField::Lines);
        QCOMPARE(storedPayments(*db), 0);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvPmt")), 0);

        // Settled again on what it now owes, the payment is stored; the overpaid invoice too.
        doc->editLine(0);
        doc->payTakeDiscount();
        doc->storeLine();
        doc->setChequeAmount(units(146));
        doc->ok();
        QCOMPARE(storedRows(*db, doc->paymentId()).mid(1),
                 QStringList(
                     {QStringLiteral("1|0|1|960000|40000||"), QStringLiteral("2|0|2|500000|||")}));

        // The same for a stored payment changed here.
        other->exec(posting.arg(1).arg(units(1).raw()));
        auto again = reopen(*db, dialogs, doc->paymentId());
        again->setChequeNo(QStringLiteral("10443"));
        QVERIFY(outcomeOf([&] { again->ok(); }).message.contains(QStringLiteral("now owes 99.00")));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARPmt WHERE ChequeNo = '10442'")),
                 1);
    }
};

QTEST_GUILESS_MAIN(TestPaymentDocument)
#include "test_paymentdocument.moc"
