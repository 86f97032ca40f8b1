// The invoice document on both engines: a new invoice's key, number and defaults, the customer
// and its taxes, lines and totals, the header checks, the lock on posted invoices, OK and Cancel.
#include "engine/database.h"
#include "invoicefixture.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicerefusal.h"
#include "testdatabases.h"

#include <QTest>
#include <functional>

using namespace invoicefixture;

namespace
{

Money units(double value)
{
    return Money::fromRaw(qRound64(value * Money::kScale));
}

struct Refused {
    QString message;
    InvoiceField focus = InvoiceField::None;
};

// The refusal a call meets; an empty message when it goes through.
Refused refusalOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const InvoiceRefusal& r) {
        return {r.message(), r.focus()};
    }
    return {};
}

std::unique_ptr<Database> ledger(const QString& engine)
{
    auto db = testdb::fresh(engine);
    create(*db);
    return db;
}

std::unique_ptr<InvoiceDocument> newInvoice(Database& db)
{
    return InvoiceDocument::openNew(db, FormatSettings::us());
}

std::unique_ptr<InvoiceDocument> reopen(Database& db, qint64 id)
{
    auto doc = InvoiceDocument::openExisting(db, id, FormatSettings::us());
    if (!doc)
        qFatal("invoice %lld is not stored", id);
    return doc;
}

// Adds a line as a program does, at the item's list price.
void addLine(InvoiceDocument& doc, double quantity, qint64 itemId)
{
    doc.addLine({quantity, itemId, std::nullopt, QString()});
}

// The invoice as the database holds it, for comparing before and after.
QStringList storedRows(Database& db, qint64 id)
{
    QStringList rows;
    for (const QString& sql :
         {QStringLiteral("SELECT * FROM ARInv WHERE ARInvoiceID = %1"),
          QStringLiteral("SELECT * FROM ARInvDet WHERE ARInvoiceID = %1 ORDER BY Seq")}) {
        Statement s = db.query(sql.arg(id));
        s.exec();
        while (s.next()) {
            QStringList values;
            for (int i = 0; i < s.record().count(); ++i)
                values << s.value(i).toString();
            rows << values.join(QLatin1Char('|'));
        }
    }
    return rows;
}

Money storedAmount(Database& db, qint64 id)
{
    return money(db,
                 QStringLiteral("SELECT InvoiceAmount FROM ARInv WHERE ARInvoiceID = %1").arg(id));
}

// A stored invoice for Ames: 100.00 (G), 50.00 (GP) and 3 × 1.235 (G).
qint64 storedThreeLineInvoice(Database& db)
{
    auto doc = newInvoice(db);
    doc->setCustomerNoText(QStringLiteral("1002"));
    addLine(*doc, 1, kGoods);
    addLine(*doc, 1, kBoth);
    addLine(*doc, 3, kHotMeal);
    doc->ok();
    return doc->invoiceId();
}

} // namespace

class TestInvoiceDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newInvoiceDrawsKeyNumberAndDefaults_data() { testdb::addEngineRows(); }
    void newInvoiceDrawsKeyNumberAndDefaults()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        auto first = newInvoice(*db);
        QCOMPARE(first->invoiceId(), 0); // an empty counter counts as 0
        QCOMPARE(first->header().invoiceNo, QStringLiteral("10001"));
        QCOMPARE(count(*db, QStringLiteral("SELECT NextInvoiceNo FROM ARInvCtl")), 10002);
        QCOMPARE(count(*db, QStringLiteral("SELECT NextInvoiceID FROM ARInvCtl")), 1);

        const QDate today = QDate::currentDate();
        const InvoiceHeader& h = first->header();
        QCOMPARE(h.invoiceDate, today);
        QVERIFY(!h.printed);
        QVERIFY(!h.posted);
        QCOMPARE(h.glPeriod, today.month());
        QCOMPARE(h.glYear, today.year());
        QCOMPARE(h.warehouseId, kAnnex);
        QCOMPARE(first->headerState(), InvoiceDocument::State::Insert);
        QVERIFY(first->isUntouchedNew());
        first->appendLine(); // an empty new line is not a change yet
        QVERIFY(first->isUntouchedNew());
        first->setLineQuantity(2);
        QVERIFY(!first->isUntouchedNew());

        // Cancelling leaves a gap: the number is never given back.
        first->cancel();
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), 0);
        db->exec(
            QStringLiteral("UPDATE Company SET DefaultPeriodPP = 7, DefaultPeriodYYYY = 2023"));
        auto second = newInvoice(*db);
        QCOMPARE(second->invoiceId(), 1);
        QCOMPARE(second->header().invoiceNo, QStringLiteral("10002"));
        QCOMPARE(second->header().glPeriod, 7);
        QCOMPARE(second->header().glYear, 2023);

        // The counter's bounds: 1001 and 10,000,000 are used, one step outside starts at 10001.
        const QList<QPair<int, QString>> bounds{{1001, QStringLiteral("1001")},
                                                {1000, QStringLiteral("10001")},
                                                {10000000, QStringLiteral("10000000")},
                                                {10000001, QStringLiteral("10001")}};
        for (const auto& [counter, expected] : bounds) {
            db->exec(QStringLiteral("UPDATE ARInvCtl SET NextInvoiceNo = %1").arg(counter));
            QCOMPARE(newInvoice(*db)->header().invoiceNo, expected);
            QCOMPARE(count(*db, QStringLiteral("SELECT NextInvoiceNo FROM ARInvCtl")),
                     expected.toLongLong() + 1);
        }
    }

    void customerChoice_data() { testdb::addEngineRows(); }
    void customerChoice()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        auto doc = newInvoice(*db);

        const QList<QPair<std::function<void()>, QString>> refused{
            {[&] { doc->setCustomerNoText(QStringLiteral("9999")); },
             QStringLiteral("Customer no. 9999 not found.")},
            {[&] { doc->setCustomerNoText(QStringLiteral(" 1003 ")); },
             QStringLiteral("Customer no. 1003 has been suspended.")},
            {[&] { doc->setCustomerId(99); }, QStringLiteral("Customer not found")},
            {[&] { doc->chooseCustomer(kBaker); },
             QStringLiteral("Customer '1003: Baker, Lou' has been suspended")},
        };
        for (const auto& [call, message] : refused) {
            const Refused r = refusalOf(call);
            QCOMPARE(r.message, message);
            QCOMPARE(r.focus, InvoiceField::CustomerNo);
            QVERIFY(!doc->header().customerId);
            QVERIFY(doc->header().recipId.isEmpty());
        }
        doc->setCustomerNoText(QStringLiteral("1002"));
        QCOMPARE(doc->header().customerId, kAmes);
        QCOMPARE(doc->header().recipId, QStringLiteral("1002"));
        QCOMPARE(doc->header().customerType, QStringLiteral("C"));
        QCOMPARE(doc->address(), QStringLiteral("4 Elm St, Dayton, OH, 45402"));
        QCOMPARE(doc->terms(), QStringLiteral("Terms: 2% 10   Net 30"));
        QCOMPARE(doc->shipToName(), QStringLiteral("Ruth Ames"));
        QCOMPARE(doc->shipToAddress(), QStringLiteral("9 Oak Ave, Dayton"));
        QCOMPARE(doc->header().tax1Code, QStringLiteral("G"));
        QCOMPARE(doc->header().tax2Rate, 7.0);
        QVERIFY(!doc->isUntouchedNew());

        // The funder from the drop-down: its own number as Recip_ID, no ship-to of its own.
        doc->chooseCustomer(kCounty);
        QCOMPARE(doc->header().recipId, QStringLiteral("COUNTY"));
        QCOMPARE(doc->header().customerType, QStringLiteral("F"));
        QVERIFY(doc->shipToName().isEmpty());
        QCOMPARE(doc->terms(), QStringLiteral("Terms: Net 30"));
        doc->setRecipId(QStringLiteral("1002"));
        QCOMPARE(doc->shipToName(), QStringLiteral("Ruth Ames"));
        // Typing the number the invoice already has changes nothing.
        doc->setCustomerNoText(QStringLiteral("COUNTY"));
        QCOMPARE(doc->header().recipId, QStringLiteral("1002"));

        doc->setCustomerNoText(QStringLiteral("1004"));
        QCOMPARE(doc->terms(), QStringLiteral("Terms: C.O.D."));
        QVERIFY(!doc->header().tax1Id);

        // Empty text removes the customer and its terms.
        doc->setCustomerNoText(QString());
        QVERIFY(!doc->header().customerId);
        QVERIFY(!doc->header().netDays);
        QVERIFY(!doc->header().cod);
        QVERIFY(doc->address().isEmpty());
    }

    void linesAndTaxes_data() { testdb::addEngineRows(); }
    void linesAndTaxes()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        auto doc = newInvoice(*db);
        doc->setCustomerNoText(QStringLiteral("1002")); // GST G 5 %, PST P 7 %
        addLine(*doc, 1, kGoods);                       // 100.00 G
        addLine(*doc, 1, kBoth);                        // 50.00 GP
        const InvoiceHeader& h = doc->header();
        QCOMPARE(h.buckets[0], (TaxBucket{QStringLiteral("G"), units(150)}));
        QCOMPARE(h.buckets[1], (TaxBucket{QStringLiteral("P"), units(50)}));
        QCOMPARE(doc->tax1Amount(), units(7.50));
        QCOMPARE(doc->tax2Amount(), units(3.50));
        QCOMPARE(h.invoiceAmount, units(161));
        QCOMPARE(h.owing, units(161));

        // 3 × 1.235 is 3.71; −1 × 0.005 is −0.01.
        addLine(*doc, 3, kHotMeal);
        addLine(*doc, -1, kTray);
        QCOMPARE(doc->line(2).extAmount(), units(3.71));
        QCOMPARE(doc->line(3).extAmount(), units(-0.01));
        QCOMPARE(doc->lineItem(2)->itemNo, QStringLiteral("101"));
        QCOMPARE(doc->line(3).taxCodes, QStringLiteral("GP"));
        // G 153.70 → 7.685 → 7.69; P 49.99 → 3.4993 → 3.50.
        QCOMPARE(doc->tax1Amount(), units(7.69));
        QCOMPARE(doc->tax2Amount(), units(3.50));
        QCOMPARE(h.invoiceAmount, units(164.89));

        doc->ok();
        QCOMPARE(storedAmount(*db, doc->invoiceId()), units(164.89));
        QCOMPARE(money(*db, QStringLiteral("SELECT TaxableAmount1 FROM ARInv")), units(153.70));
        QCOMPARE(scalar(*db, QStringLiteral("SELECT TaxableAmtCode2 FROM ARInv")).toString(),
                 QStringLiteral("P"));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 4);
        auto again = reopen(*db, doc->invoiceId());
        QCOMPARE(again->line(2).extAmount(), units(3.71));
        QCOMPARE(again->line(3).extAmount(), units(-0.01));
        QCOMPARE(again->line(3).seq, 4);
        QCOMPARE(again->header().owing, units(164.89));
    }

    void codesMoveBetweenBucketsAndAFourthIsRefused_data() { testdb::addEngineRows(); }
    void codesMoveBetweenBucketsAndAFourthIsRefused()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        auto doc = newInvoice(*db);
        doc->setCustomerNoText(QStringLiteral("1002"));
        addLine(*doc, 1, kGoods);    // 100.00 G
        addLine(*doc, 1, kServices); // 20.00 P

        // The G line becomes P: its amount leaves G, whose bucket is freed.
        doc->editLine(0);
        doc->setLineTaxCodes(QStringLiteral("P"));
        doc->storeLine();
        QCOMPARE(doc->header().buckets[0], (TaxBucket{QString(), Money()}));
        QCOMPARE(doc->header().buckets[1], (TaxBucket{QStringLiteral("P"), units(120)}));
        QCOMPARE(doc->tax1Amount(), Money());
        QCOMPARE(doc->tax2Amount(), units(8.40));
        QCOMPARE(doc->header().invoiceAmount, units(128.40));

        // The freed bucket is taken by the next new code.
        addLine(*doc, 1, kHarmonized); // H
        QCOMPARE(doc->header().buckets[0].code, QStringLiteral("H"));
        addLine(*doc, 1, kGoods); // G takes the third bucket
        QCOMPARE(doc->header().buckets[2], (TaxBucket{QStringLiteral("G"), units(100)}));

        // A fourth code: refused, the line is not stored and nothing moves.
        const InvoiceHeader before = doc->header();
        doc->appendLine();
        doc->setLineQuantity(1);
        doc->setLineItemNo(QStringLiteral("108")); // X
        const Refused r = refusalOf([&] { doc->storeLine(); });
        QCOMPARE(r.message,
                 QStringLiteral("Too many taxes...\rMore than 3 tax codes were encountered while "
                                "processing the items on this invoice. \rPlease check the items "
                                "to ensure the tax codes are correct"));
        QCOMPARE(doc->header(), before);
        QCOMPARE(doc->storedLines().size(), 4);
        QCOMPARE(doc->lineState(), InvoiceDocument::State::Insert);
        doc->cancelLine();
        doc->ok();
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 4);
        QCOMPARE(storedAmount(*db, doc->invoiceId()), units(128.40 + 10 + 105));
    }

    void taxExemptionAndTaxesOfAnotherCustomer_data() { testdb::addEngineRows(); }
    void taxExemptionAndTaxesOfAnotherCustomer()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        auto doc = newInvoice(*db);
        doc->setCustomerNoText(QStringLiteral("COUNTY")); // names GST but is exempt from it
        QVERIFY(!doc->header().tax1Id);
        QVERIFY(doc->header().tax1Code.isEmpty());
        QCOMPARE(doc->header().tax2Id, kPst);
        addLine(*doc, 2, kBoth); // 100.00 GP
        QCOMPARE(doc->tax1Amount(), Money());
        QCOMPARE(doc->tax2Amount(), units(7));
        QCOMPARE(doc->header().invoiceAmount, units(107));

        // Another customer brings its taxes, and the amount follows them.
        doc->setCustomerNoText(QStringLiteral("1002"));
        QCOMPARE(doc->tax1Amount(), units(5));
        QCOMPARE(doc->header().invoiceAmount, units(112));
        doc->setCustomerNoText(QStringLiteral("1004")); // no taxes
        QVERIFY(doc->header().tax2Code.isEmpty());
        QCOMPARE(doc->header().invoiceAmount, units(100));
        doc->ok();
        QCOMPARE(storedAmount(*db, doc->invoiceId()), units(100));
        QVERIFY(scalar(*db, QStringLiteral("SELECT Tax1ID FROM ARInv")).isNull());
    }

    void secondTaxExemptionKeepsTheFirst_data() { testdb::addEngineRows(); }
    void secondTaxExemptionKeepsTheFirst()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        // Ames names GST and PST and now holds a PST exemption number only.
        db->exec(QStringLiteral("UPDATE Customer SET Tax2ExemptionNo = 'PST-88' WHERE "
                                "CustomerID = %1")
                     .arg(kAmes));
        auto doc = newInvoice(*db);
        doc->setCustomerNoText(QStringLiteral("1002"));
        QCOMPARE(doc->header().tax1Id, kGst);
        QCOMPARE(doc->header().tax1Code, QStringLiteral("G"));
        QVERIFY(!doc->header().tax2Id);
        QVERIFY(doc->header().tax2Code.isEmpty());
        addLine(*doc, 2, kBoth); // 100.00 taxed under G and P
        QCOMPARE(doc->header().buckets[1], (TaxBucket{QStringLiteral("P"), units(100)}));
        QCOMPARE(doc->tax1Amount(), units(5));
        QCOMPARE(doc->tax2Amount(), Money());
        QCOMPARE(doc->header().invoiceAmount, units(105));
        doc->ok();
        QCOMPARE(storedAmount(*db, doc->invoiceId()), units(105));
        QCOMPARE(count(*db, QStringLiteral("SELECT Tax1ID FROM ARInv")), kGst);
        QVERIFY(scalar(*db, QStringLiteral("SELECT Tax2ID FROM ARInv")).isNull());
        QCOMPARE(reopen(*db, doc->invoiceId())->tax2Amount(), Money());
    }

    void itemsByHowTheyAreChosen_data() { testdb::addEngineRows(); }
    void itemsByHowTheyAreChosen()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        auto doc = newInvoice(*db);
        doc->setCustomerNoText(QStringLiteral("1002"));
        doc->appendLine();

        Refused r = refusalOf([&] { doc->setLineItemNo(QStringLiteral("999")); });
        QCOMPARE(r.message,
                 QStringLiteral("Item not found...\r\nPress Esc or enter a different item no"));
        QCOMPARE(r.focus, InvoiceField::ItemColumn);
        r = refusalOf([&] { doc->setLineItemNo(QStringLiteral("103")); });
        QCOMPARE(r.message, QStringLiteral("Item has been suspended"));
        r = refusalOf([&] { doc->chooseLineItem(kSoup); });
        QCOMPARE(r.message, QStringLiteral("Item has been suspended"));
        r = refusalOf([&] { doc->chooseLineItemByDescription(kSoup); });
        QCOMPARE(r.message, QStringLiteral("Item '103: Soup of the day' has been suspended"));
        QCOMPARE(r.focus, InvoiceField::OverrideDescriptionColumn);
        QVERIFY(!doc->line(0).itemId);

        // An item taken copies its price and codes; both can then be changed on the line.
        doc->setLineItemNo(QStringLiteral("104"));
        QCOMPARE(doc->line(0).unitPrice, units(100));
        QCOMPARE(doc->line(0).taxCodes, QStringLiteral("G"));
        doc->setLineUnitPrice(units(80));
        doc->setLineQuantity(2);
        QCOMPARE(doc->line(0).extAmount(), units(160));

        // Storing: no item, an item that no longer exists.
        doc->setLineItem(std::nullopt);
        r = refusalOf([&] { doc->storeLine(); });
        QCOMPARE(r.message,
                 QStringLiteral(
                     "Field 'Item no.' must have a value...\rMake changes or press Esc to undo"));
        QCOMPARE(r.focus, InvoiceField::ItemColumn);
        doc->setLineItem(4242); // a program's line is not checked yet
        r = refusalOf([&] { doc->storeLine(); });
        QCOMPARE(r.message,
                 QStringLiteral("Item not found...\r\nMake changes or press Esc to undo"));
        QVERIFY(doc->storedLines().isEmpty());

        // A program may take a suspended item and set its own price after it.
        doc->setLineItem(kSoup);
        doc->setLineUnitPrice(units(4.5));
        doc->setLineOverrideDescription(QString(80, QLatin1Char('x')));
        doc->storeLine();
        QCOMPARE(doc->line(0).extAmount(), units(9));
        QCOMPARE(doc->line(0).itemOvDesc.size(), 75);

        // A whole line from a program meets the same checks, and a refused one is not kept.
        const QList<QPair<InvoiceDocument::LineInput, QString>> refusedLines{
            {{1, 4242, units(1), QString()}, invoicemsg::kItemNotFoundOnStore},
            {{1e12, kGoods, std::nullopt, QString()}, invoicemsg::kLineAmountTooLarge},
        };
        for (const auto& [input, message] : refusedLines) {
            QCOMPARE(refusalOf([&] { doc->addLine(input); }).message, message);
            QCOMPARE(doc->lineCount(), 1);
            QCOMPARE(doc->lineState(), InvoiceDocument::State::Browse);
        }
        doc->addLine({2, kSoup, units(1.5), QStringLiteral("Soup, 6/3")});
        QCOMPARE(doc->line(1).unitPrice, units(1.5));
        QCOMPARE(doc->line(1).taxCodes, QStringLiteral("G"));
        QCOMPARE(doc->line(1).seq, 2);
        QCOMPARE(doc->header().invoiceAmount, units(9 + 3 + 0.6)); // G 12.00 at 5 %
        doc->deleteLine(1);

        // Leaving a new line nothing was typed into drops it.
        doc->appendLine();
        doc->leaveLine();
        QCOMPARE(doc->lineCount(), 1);
        doc->ok();
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 1);
        QCOMPARE(scalar(*db, QStringLiteral("SELECT ItemOvDesc FROM ARInvDet")).toString().size(),
                 75);
    }

    void headerChecksInOrder_data() { testdb::addEngineRows(); }
    void headerChecksInOrder()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        auto doc = newInvoice(*db);
        db->exec(QStringLiteral("UPDATE Company SET FiscalYear = 0"));
        doc->setDescription(QStringLiteral("Meals"));

        const auto expect = [&](const QString& message, InvoiceField focus) {
            const Refused r = refusalOf([&] { doc->ok(); });
            QCOMPARE(r.message, message);
            QCOMPARE(r.focus, focus);
            QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), 0);
            QCOMPARE(doc->headerState(), InvoiceDocument::State::Insert);
        };
        expect(QStringLiteral("Field 'Customer' must have a value"), InvoiceField::CustomerNo);
        doc->setCustomerNoText(QStringLiteral("1002"));
        expect(QStringLiteral("Current fiscal year is not yet defined...\rSee \"Your Company\""),
               InvoiceField::Period);
        db->exec(QStringLiteral("UPDATE Company SET FiscalYear = 2024"));
        expect(QStringLiteral("Items have not been entered"), InvoiceField::Lines);
        addLine(*doc, 1, kGoods);
        db->exec(QStringLiteral("UPDATE Customer SET CustomerID = 77 WHERE CustomerID = 1"));
        expect(QStringLiteral("Customer no longer exists"), InvoiceField::CustomerNo);
        db->exec(QStringLiteral("UPDATE Customer SET CustomerID = 1 WHERE CustomerID = 77"));
        doc->setWarehouseId(99);
        expect(QStringLiteral("Warehouse no longer exists"), InvoiceField::Location);
        doc->setWarehouseId(std::nullopt);
        expect(QStringLiteral("Warehouse no longer exists"), InvoiceField::Location);
        doc->setWarehouseId(1);
        doc->setInvoiceNo(QStringLiteral("  "));
        expect(QStringLiteral("Field 'Invoice no.' must have a value"), InvoiceField::InvoiceNo);
        doc->setInvoiceNo(QStringLiteral("A-77"));
        doc->setInvoiceDate(QDate());
        expect(QStringLiteral("Field 'Date' must have a value"), InvoiceField::InvoiceDate);
        doc->setInvoiceDate(QDate(2024, 6, 30));
        doc->setGLPeriod(std::nullopt);
        expect(QStringLiteral("Field 'Period' must have a value"), InvoiceField::Period);
        doc->setGLPeriod(3);
        doc->setGLYear(std::nullopt);
        expect(QStringLiteral("Field 'Year' must have a value"), InvoiceField::Year);
        doc->setGLYear(2049);

        doc->ok();
        QVERIFY(doc->hasBeenStored());
        QCOMPARE(doc->headerState(), InvoiceDocument::State::Browse);
        QCOMPARE(scalar(*db, QStringLiteral("SELECT InvoiceNo FROM ARInv")).toString(),
                 QStringLiteral("A-77"));
        QCOMPARE(count(*db, QStringLiteral("SELECT WarehouseID FROM ARInv")), 1);
    }

    void datesAndPeriods_data() { testdb::addEngineRows(); }
    void datesAndPeriods()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        auto doc = newInvoice(*db);
        doc->setCustomerNoText(QStringLiteral("1002"));
        addLine(*doc, 1, kGoods);

        doc->setGLYear(1950);
        const Refused r = refusalOf([&] { doc->setGLPeriod(13); });
        QCOMPARE(r.focus, InvoiceField::Period);
        QCOMPARE(doc->header().glPeriod, QDate::currentDate().month());
        doc->setGLPeriod(12);
        doc->setInvoiceDate(QDate(2000, 3, 1));

        doc->ok();
        QCOMPARE(count(*db, QStringLiteral("SELECT GLYear FROM ARInv")), 1950);
        QCOMPARE(count(*db, QStringLiteral("SELECT GLPeriod FROM ARInv")), 12);
        QCOMPARE(reopen(*db, doc->invoiceId())->header().invoiceDate, QDate(2000, 3, 1));
    }

    void postedInvoiceCannotBeChanged_data() { testdb::addEngineRows(); }
    void postedInvoiceCannotBeChanged()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const qint64 id = storedThreeLineInvoice(*db);
        // Opened and changed before another workstation posts it: OK must not overwrite it.
        auto stale = reopen(*db, id);
        stale->deleteLine(0);
        testdb::reopen(*db)->exec(QStringLiteral("UPDATE ARInv SET Posted = true"));
        const QStringList before = storedRows(*db, id);

        auto doc = reopen(*db, id);
        QVERIFY(doc->isPosted());
        const InvoiceHeader header = doc->header();
        const QList<std::function<void()>> changes{
            [&] { doc->setCustomerNoText(QStringLiteral("1004")); },
            [&] { doc->chooseCustomer(kCashOnly); },
            [&] { doc->setRecipId(QStringLiteral("COUNTY")); },
            [&] { doc->setInvoiceNo(QStringLiteral("1")); },
            [&] { doc->setWarehouseId(1); },
            [&] { doc->setDescription(QStringLiteral("changed")); },
            [&] { doc->setInvoiceDate(QDate(2024, 1, 2)); },
            [&] { doc->setGLPeriod(*header.glPeriod % 12 + 1); },
            [&] { doc->setGLYear(2030); },
            [&] { doc->setPrinted(true); },
            [&] { doc->appendLine(); },
            [&] { addLine(*doc, 1, kGoods); },
            [&] { doc->editLine(0); },
            [&] { doc->deleteLine(1); },
        };
        for (const auto& change : changes) {
            const Refused r = refusalOf(change);
            QCOMPARE(r.message,
                     QStringLiteral("Posted invoices cannot be changed...\r\rTo undo an invoice "
                                    "after posting, you must \"reverse\" it (enter it again with "
                                    "the opposite amount). You can then remove the invoice and "
                                    "credit if desired by entering a \"dummy\" payment for zero "
                                    "amount."));
        }
        QCOMPARE(doc->header(), header);
        QCOMPARE(doc->lineCount(), 3);
        QVERIFY(!doc->isEditing());
        doc->ok();
        doc->cancel();
        QCOMPARE(refusalOf([&] { stale->ok(); }).message, invoicemsg::kPostedLocked);
        QCOMPARE(storedRows(*db, id), before);
    }

    void cancelRestoresTheInvoice_data() { testdb::addEngineRows(); }
    void cancelRestoresTheInvoice()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const qint64 id = storedThreeLineInvoice(*db);
        const QStringList before = storedRows(*db, id);
        auto doc = reopen(*db, id);
        // The opened invoice's taxes come from its buckets: G 153.71 → 7.69, P 50.00 → 3.50.
        QCOMPARE(doc->tax1Amount(), units(7.69));
        QCOMPARE(doc->tax2Amount(), units(3.50));
        QCOMPARE(doc->header().invoiceAmount, units(164.90));
        QCOMPARE(doc->shipToName(), QStringLiteral("Ruth Ames"));
        const InvoiceHeader header = doc->header();
        const QList<InvoiceLine> lines = doc->storedLines();

        doc->editLine(0);
        doc->setLineQuantity(5);
        doc->storeLine();
        doc->deleteLine(1);
        addLine(*doc, 2, kServices);
        doc->setDescription(QStringLiteral("changed"));
        doc->setCustomerNoText(QStringLiteral("COUNTY"));
        QVERIFY(doc->header().invoiceAmount != header.invoiceAmount);
        // Another workstation still sees the invoice as it was stored, lines and totals alike.
        auto other = testdb::reopen(*db);
        QCOMPARE(storedRows(*other, id), before);

        doc->cancel();
        QCOMPARE(doc->header(), header);
        QCOMPARE(doc->storedLines(), lines);
        QCOMPARE(doc->tax1Amount(), units(7.69));
        QCOMPARE(doc->tax2Amount(), units(3.50));
        QCOMPARE(doc->customerNo(), QStringLiteral("1002"));
        QVERIFY(!doc->isEditing());
        QCOMPARE(storedRows(*db, id), before);

        // After Cancel the document carries on from the stored invoice, counting taxes once.
        addLine(*doc, 1, kGoods);
        doc->ok();
        QCOMPARE(storedAmount(*db, id), units(164.90 + 105));
    }

    void nextLineNumberOfAnExistingInvoice_data() { testdb::addEngineRows(); }
    void nextLineNumberOfAnExistingInvoice()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const qint64 id = storedThreeLineInvoice(*db);
        auto doc = reopen(*db, id);
        doc->deleteLine(2); // line 3 goes; the numbers are not reused while editing
        addLine(*doc, 1, kGoods);
        QCOMPARE(doc->line(2).seq, 4);
        doc->ok();

        // Another workstation stored line 9 after this one opened the invoice: the number
        // comes from the stored lines when the change begins, so the next line is 10.
        auto again = reopen(*db, id);
        db->exec(QStringLiteral("INSERT INTO ARInvDet (ARInvoiceID, Seq, Quantity, ItemID) "
                                "VALUES (%1, 9, 0, %2)")
                     .arg(id)
                     .arg(kUntaxed));
        again->appendLine();
        QCOMPARE(again->nextLineNumber(), 10);
        again->setLineItem(kUntaxed);
        again->setLineQuantity(1);
        again->storeLine();
        QCOMPARE(again->line(again->lineCount() - 1).seq, 10);

        // A new invoice starts at 1.
        auto fresh = newInvoice(*db);
        addLine(*fresh, 1, kGoods);
        addLine(*fresh, 1, kBoth);
        QCOMPARE(fresh->line(0).seq, 1);
        QCOMPARE(fresh->line(1).seq, 2);
    }

    void invoiceIsWrittenAsOneUnit_data() { testdb::addEngineRows(); }
    void invoiceIsWrittenAsOneUnit()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const qint64 stored = storedThreeLineInvoice(*db);

        // A line table that refuses quantities from 1000 up, so that a line fails after the
        // header and the lines before it were written.
        auto admin = testdb::reopen(*db);
        admin->exec(QStringLiteral("ALTER TABLE ARInvDet RENAME TO ARInvDetKept"));
        admin->exec(
            QStringLiteral("CREATE TABLE ARInvDet (ARInvoiceID INTEGER, Seq INTEGER, "
                           "Quantity FLOAT CHECK (Quantity < 1000), ItemID INTEGER, "
                           "UnitPrice BIGINT, TaxCodes VARCHAR(3), ItemOvDesc VARCHAR(75))"));
        admin->exec(QStringLiteral("INSERT INTO ARInvDet SELECT * FROM ARInvDetKept"));
        const QStringList before = storedRows(*db, stored);
        auto doc = newInvoice(*db);
        doc->setCustomerNoText(QStringLiteral("1002"));
        addLine(*doc, 1, kGoods);
        addLine(*doc, 5000, kUntaxed);
        QVERIFY_THROWS_EXCEPTION(DbError, doc->ok());
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv")), 1);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 3);
        QCOMPARE(doc->headerState(), InvoiceDocument::State::Insert);

        // The same for a change to a stored invoice: the stored one stays whole.
        auto existing = reopen(*db, stored);
        existing->deleteLine(0);
        addLine(*existing, 5000, kServices);
        QVERIFY_THROWS_EXCEPTION(DbError, existing->ok());
        QCOMPARE(storedRows(*db, stored), before);

        admin->exec(QStringLiteral("DROP TABLE ARInvDet"));
        admin->exec(QStringLiteral("ALTER TABLE ARInvDetKept RENAME TO ARInvDet"));
        doc->ok();
        existing->ok();
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")), 5);
        QCOMPARE(storedAmount(*db, doc->invoiceId()), units(15105));
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet WHERE Quantity = 5000")),
                 2);
    }

    void keyAlreadyTakenIsReportedAsInvoiceNo_data() { testdb::addEngineRows(); }
    void keyAlreadyTakenIsReportedAsInvoiceNo()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const qint64 stored = storedThreeLineInvoice(*db); // key 0
        const QStringList before = storedRows(*db, stored);
        db->exec(QStringLiteral("UPDATE ARInvCtl SET NextInvoiceID = %1").arg(stored));
        auto doc = newInvoice(*db);
        QCOMPARE(doc->invoiceId(), stored);
        doc->setCustomerNoText(QStringLiteral("1004"));
        addLine(*doc, 1, kUntaxed);
        const Refused r = refusalOf([&] { doc->ok(); });
        QCOMPARE(r.message, QStringLiteral("Invoice no. already exists"));
        QCOMPARE(r.focus, InvoiceField::InvoiceNo);
        QCOMPARE(storedRows(*db, stored), before);
        QVERIFY(!doc->hasBeenStored());
    }

    void invoiceDeletedElsewhereIsNotWrittenAgain_data() { testdb::addEngineRows(); }
    void invoiceDeletedElsewhereIsNotWrittenAgain()
    {
        QFETCH(QString, engine);
        auto db = ledger(engine);
        const qint64 kept = storedThreeLineInvoice(*db);
        const QStringList keptRows = storedRows(*db, kept);
        auto other = testdb::reopen(*db);

        // Changed here while another workstation deletes the whole invoice.
        const qint64 gone = storedThreeLineInvoice(*db);
        auto doc = reopen(*db, gone);
        doc->editLine(0);
        doc->setLineQuantity(4);
        doc->storeLine();
        addLine(*doc, 1, kServices);
        doc->setDescription(QStringLiteral("changed"));
        other->exec(QStringLiteral("DELETE FROM ARInvDet WHERE ARInvoiceID = %1").arg(gone));
        other->exec(QStringLiteral("DELETE FROM ARInv WHERE ARInvoiceID = %1").arg(gone));
        const Refused r = refusalOf([&] { doc->ok(); });
        QCOMPARE(r.message,
                 QStringLiteral("This invoice was deleted by another user; it was not saved."));
        QCOMPARE(storedRows(*db, gone), QStringList());
        QVERIFY(doc->isEditing());                                  // still open here, for Cancel
        QCOMPARE(refusalOf([&] { doc->ok(); }).message, r.message); // and again on a second OK
        doc->cancel();
        QCOMPARE(storedRows(*db, gone), QStringList());

        // A new invoice written here once, then deleted elsewhere before the next OK; only its
        // header row went, so its stray lines stay as the other workstation left them.
        auto fresh = newInvoice(*db);
        fresh->setCustomerNoText(QStringLiteral("1004"));
        addLine(*fresh, 2, kUntaxed);
        fresh->ok();
        QVERIFY(fresh->hasBeenStored());
        addLine(*fresh, 1, kUntaxed);
        other->exec(
            QStringLiteral("DELETE FROM ARInv WHERE ARInvoiceID = %1").arg(fresh->invoiceId()));
        QCOMPARE(refusalOf([&] { fresh->ok(); }).message, r.message);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE ARInvoiceID = %1")
                                .arg(fresh->invoiceId())),
                 0);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet WHERE ARInvoiceID = %1")
                                .arg(fresh->invoiceId())),
                 1);

        // The invoice nobody touched is as it was.
        QCOMPARE(storedRows(*db, kept), keptRows);
    }
};

QTEST_GUILESS_MAIN(TestInvoiceDocument)
#include "test_invoicedocument.moc"
