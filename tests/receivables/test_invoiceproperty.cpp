// Whatever lines are added, changed and deleted, and however often the invoice is stored,
// reopened or cancelled, its amount is the sum of the rounded line amounts plus the two taxes
// taken from scratch, and what is owed follows it. The expected values are worked out here in
// whole numbers, independently of the document's own arithmetic.
#include "engine/database.h"
#include "invoicefixture.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicerefusal.h"
#include "testdatabases.h"

#include <QRandomGenerator>
#include <QTest>

using namespace invoicefixture;

namespace
{

// n / d rounded half away from zero, for d > 0.
qint64 roundedQuotient(qint64 n, qint64 d)
{
    const qint64 magnitude = ((n < 0 ? -n : n) * 2 + d) / (2 * d);
    return n < 0 ? -magnitude : magnitude;
}

struct ModelLine {
    qint64 quantityNumerator = 0;
    qint64 quantityDenominator = 1;
    qint64 itemId = 0;
    qint64 priceRaw = 0;
    QString codes;

    double quantity() const { return double(quantityNumerator) / double(quantityDenominator); }
    // Cents of quantity × price, exactly.
    qint64 cents() const
    {
        return roundedQuotient(quantityNumerator * priceRaw, quantityDenominator * 100);
    }
};

struct Model {
    QList<ModelLine> lines;
    bool taxed = true; // Ames pays GST 5 % and PST 7.5 %; Cole pays none

    qint64 bucketRaw(QChar code) const
    {
        qint64 sum = 0;
        for (const ModelLine& line : lines) {
            for (int i = 0; i < qMin(3, int(line.codes.size())); ++i) {
                if (line.codes[i] == code)
                    sum += line.cents() * Money::kPerCent;
            }
        }
        return sum;
    }
    // Rates in tenths of a percent: cents = raw × tenths / 100,000.
    qint64 taxCents(QChar code, qint64 rateTenths) const
    {
        return taxed ? roundedQuotient(bucketRaw(code) * rateTenths, 100000) : 0;
    }
    qint64 tax1() const { return taxCents(QLatin1Char('G'), 50); }
    qint64 tax2() const { return taxCents(QLatin1Char('P'), 75); }
    Money amount() const
    {
        qint64 cents = tax1() + tax2();
        for (const ModelLine& line : lines)
            cents += line.cents();
        return Money::fromCents(cents);
    }
};

const QList<qint64> kItems{kGoods,  kBoth,    kServices, kHarmonized,
                           kExcise, kUntaxed, kHotMeal,  kTray};
const QStringList kCodePool{
    QString(),           QStringLiteral("G"), QStringLiteral("P"),  QStringLiteral("GP"),
    QStringLiteral("H"), QStringLiteral("X"), QStringLiteral("PH"), QStringLiteral("GX"),
    QStringLiteral(" G")};

} // namespace

class TestInvoiceProperty : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void amountIsAlwaysLinesPlusTaxes_data() { testdb::addEngineRows(); }
    void amountIsAlwaysLinesPlusTaxes()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        create(*db);
        db->exec(QStringLiteral("UPDATE Tax SET Rate = 7.5 WHERE TaxID = %1").arg(kPst));

        QHash<qint64, ModelLine> catalogue; // each item's list price and codes
        {
            Statement s = db->query(QStringLiteral("SELECT ItemID, UnitPrice, TaxCodes FROM Item"));
            s.exec();
            while (s.next())
                catalogue.insert(s.integer(0),
                                 ModelLine{0, 1, s.integer(0), s.integer(1), s.text(2)});
        }

        // An unposted invoice that payments have already reached.
        Model model;
        qint64 id = 0;
        {
            auto doc = InvoiceDocument::openNew(*db, FormatSettings::us());
            doc->setCustomerNoText(QStringLiteral("1002"));
            doc->appendLine();
            doc->setLineItem(kGoods);
            doc->setLineQuantity(1);
            doc->storeLine();
            doc->ok();
            id = doc->invoiceId();
            ModelLine first = catalogue.value(kGoods);
            first.quantityNumerator = 1;
            model.lines << first;
        }
        const Money paid = Money::fromRaw(123400);
        const Money discount = Money::fromRaw(10000);
        const Money writeOff = Money::fromRaw(5000);
        db->exec(QStringLiteral("UPDATE ARInv SET PaidAmount = %1, DiscTakenAmount = %2, "
                                "WriteOffAmount = %3, Owing = InvoiceAmount - %1 - %2 - %3")
                     .arg(paid.raw())
                     .arg(discount.raw())
                     .arg(writeOff.raw()));

        const quint32 seed = 20240611;
        QRandomGenerator random(seed);
        const auto pick = [&random](int bound) { return int(random.bounded(bound)); };
        auto doc = InvoiceDocument::openExisting(*db, id, FormatSettings::us());
        Model saved = model;
        int refusals = 0;
        int stores = 0;

        for (int step = 0; step < 300; ++step) {
            const QString where = QStringLiteral("seed %1, step %2").arg(seed).arg(step);
            const int roll = pick(100);
            try {
                if (roll < 40 || (roll < 90 && model.lines.isEmpty())) {
                    ModelLine line = catalogue.value(kItems[pick(kItems.size())]);
                    const qint64 denominators[] = {1, 2, 4, 100};
                    line.quantityDenominator = denominators[pick(4)];
                    line.quantityNumerator = pick(3300) - 300;
                    doc->appendLine();
                    doc->setLineQuantity(line.quantity());
                    doc->setLineItem(line.itemId);
                    if (pick(2)) {
                        line.priceRaw = pick(2020000) - 20000;
                        doc->setLineUnitPrice(Money::fromRaw(line.priceRaw));
                    }
                    if (pick(3) == 0) {
                        line.codes = kCodePool[pick(kCodePool.size())];
                        doc->setLineTaxCodes(line.codes);
                    }
                    doc->storeLine();
                    model.lines << line;
                } else if (roll < 70) {
                    const int row = pick(model.lines.size());
                    ModelLine line = model.lines[row];
                    doc->editLine(row);
                    switch (pick(4)) {
                    case 0:
                        line.quantityDenominator = 4;
                        line.quantityNumerator = pick(400) - 40;
                        doc->setLineQuantity(line.quantity());
                        break;
                    case 1:
                        line.priceRaw = pick(1000000) - 1000;
                        doc->setLineUnitPrice(Money::fromRaw(line.priceRaw));
                        break;
                    case 2:
                        line.codes = kCodePool[pick(kCodePool.size())];
                        doc->setLineTaxCodes(line.codes);
                        break;
                    default: {
                        const ModelLine item = catalogue.value(kItems[pick(kItems.size())]);
                        line.itemId = item.itemId;
                        line.priceRaw = item.priceRaw;
                        line.codes = item.codes;
                        doc->setLineItem(line.itemId);
                    }
                    }
                    doc->storeLine();
                    model.lines[row] = line;
                } else if (roll < 90) {
                    const int row = pick(model.lines.size());
                    doc->deleteLine(row);
                    model.lines.removeAt(row);
                } else if (roll < 94) {
                    if (model.lines.isEmpty())
                        continue;
                    doc->ok();
                    ++stores;
                    saved = model;
                    QCOMPARE(money(*db, QStringLiteral("SELECT InvoiceAmount FROM ARInv")),
                             model.amount());
                    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM ARInvDet")),
                             model.lines.size());
                    doc = InvoiceDocument::openExisting(*db, id, FormatSettings::us());
                } else if (roll < 97) {
                    doc->cancel();
                    model = saved;
                } else {
                    model.taxed = !model.taxed;
                    doc->setCustomerNoText(model.taxed ? QStringLiteral("1002")
                                                       : QStringLiteral("1004"));
                }
            } catch (const InvoiceRefusal& r) {
                // Only a fourth tax code is ever refused here, and it changes nothing.
                QVERIFY2(r.message() == invoicemsg::kTooManyTaxes, qPrintable(where));
                ++refusals;
                doc->cancelLine();
            }

            const InvoiceHeader& h = doc->header();
            QVERIFY2(h.invoiceAmount == model.amount(),
                     qPrintable(where + QStringLiteral(": amount ") +
                                h.invoiceAmount.toPlainString() + QStringLiteral(", expected ") +
                                model.amount().toPlainString()));
            QCOMPARE(h.owing, h.invoiceAmount - paid - discount - writeOff);
            QCOMPARE(doc->tax1Amount(), Money::fromCents(model.tax1()));
            QCOMPARE(doc->tax2Amount(), Money::fromCents(model.tax2()));
            QCOMPARE(doc->lineCount(), model.lines.size());
            for (const char code : {'G', 'P', 'H', 'X'})
                QCOMPARE(h.buckets.amountFor(QString(QLatin1Char(code))).raw(),
                         model.bucketRaw(QLatin1Char(code)));
            for (int row = 0; row < model.lines.size(); ++row)
                QVERIFY2(doc->line(row).amountForTotals() ==
                             Money::fromCents(model.lines[row].cents()),
                         qPrintable(where + QStringLiteral(" row %1").arg(row)));
        }
        // The walk went through every kind of step.
        QVERIFY(refusals > 0);
        QVERIFY(stores > 3);

        if (!model.lines.isEmpty()) {
            doc->ok();
            auto stored = InvoiceDocument::openExisting(*db, id, FormatSettings::us());
            QCOMPARE(stored->header().invoiceAmount, model.amount());
            QCOMPARE(stored->header().owing, model.amount() - paid - discount - writeOff);
            QCOMPARE(stored->lineCount(), model.lines.size());
            for (int row = 0; row < model.lines.size(); ++row) {
                QCOMPARE(stored->line(row).quantity, model.lines[row].quantity());
                QCOMPARE(stored->line(row).itemId, model.lines[row].itemId);
                QCOMPARE(stored->line(row).unitPrice, Money::fromRaw(model.lines[row].priceRaw));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestInvoiceProperty)
#include "test_invoiceproperty.moc"
