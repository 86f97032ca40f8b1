// The Unbilled Deliveries report: the order and groups of a run's meal credits, subtotals that
// add only what is known, a run that billed everything, and the printed pages of a run kept in
// the database and read back, the same on both engines.
#include "billing/unbilledstore.h"
#include "common/formatsettings.h"
#include "engine/database.h"
#include "expectedfile.h"
#include "pagetexts.h"
#include "report/pagemodel.h"
#include "reports/unbilled/unbilleddeliveries.h"
#include "reports/unbilled/unbilledorder.h"
#include "testdatabases.h"

#include <QTest>

using namespace reports;
using billing::UnbilledDelivery;
using billing::UnbilledReason;
using billing::UnbilledRun;

namespace
{

const QDateTime kPrintedAt(QDate(2026, 12, 1), QTime(14, 5));

QString str(const char* text)
{
    return QString::fromUtf8(text);
}

UnbilledDelivery credit(UnbilledReason reason, const char* funder, const char* clientId,
                        const char* clientName, QDate date, const char* item, qint64 quantity,
                        std::optional<Money> amount = std::nullopt, const char* detail = "")
{
    UnbilledDelivery d;
    d.reason = reason;
    d.funderName = str(funder);
    d.clientId = str(clientId);
    d.personId = str(clientId).toLongLong();
    d.clientName = str(clientName);
    d.deliveryDate = date;
    d.mealItem = str(item);
    d.itemId = qHash(d.mealItem) % 1000;
    d.fundingCode = d.funderName.isEmpty() ? str("PRIV") : str("T3");
    d.quantity = quantity;
    d.wouldHaveBilled = amount;
    d.detail = str(detail);
    return d;
}

QDate nov(int day)
{
    return QDate(2026, 11, day);
}

UnbilledRun runOf(QList<UnbilledDelivery> deliveries, bool preview = false)
{
    return {str("marta"),
            QDateTime(QDate(2026, 12, 1), QTime(9, 5)),
            preview,
            {nov(1), nov(30)},
            std::move(deliveries)};
}

// A month's exceptions in the order a run might find them: by client and funding source.
QList<UnbilledDelivery> plantedMonth()
{
    const auto cents = [](qint64 c) { return std::optional<Money>(Money::fromCents(c)); };
    return {
        credit(UnbilledReason::NoArItem, "", "1044", "Okafor, Grace", nov(3), "Frozen Dinner", 2,
               std::nullopt,
               "The host's item 31 \"Frozen Dinner\" has no AR item: synchronize items, then "
               "generate again."),
        credit(UnbilledReason::ZeroPriceEnded, "County Aging Office", "1044", "Okafor, Grace",
               nov(4), "Hot Lunch", 1, std::nullopt, "Price of 0 for T3 from 10/1/2026"),
        credit(UnbilledReason::NoPrice, "", "1103", "Brandt, Emil", nov(9), "Soup", 1, std::nullopt,
               "No price for Soup"),
        credit(UnbilledReason::NoPrice, "", "1103", "Brandt, Emil", nov(2), "Soup", 1, std::nullopt,
               "No price for Soup"),
        credit(UnbilledReason::NoPrice, "", "1021", "Abbott, Ruth", nov(2), "Soup", 3, std::nullopt,
               "No price for Soup"),
        credit(UnbilledReason::PledgesOnly, "", "1021", "Abbott, Ruth", nov(5), "Hot Lunch", 1,
               cents(650), "Pledges only"),
        credit(UnbilledReason::PledgesOnly, "United Way", "1021", "Abbott, Ruth", nov(5),
               "Breakfast", 2, cents(800), "Pledges only"),
        credit(UnbilledReason::PledgesOnly, "county aging office", "1103", "Brandt, Emil", nov(6),
               "Hot Lunch", 1, std::nullopt, "Pledges only"),
        credit(UnbilledReason::PledgesOnly, "", "1021", "Abbott, Ruth", nov(5), "Breakfast", 1,
               cents(400), "Pledges only"),
    };
}

QStringList keys(const QList<UnbilledDelivery>& deliveries)
{
    QStringList all;
    for (const UnbilledDelivery& d : deliveries)
        all << QStringLiteral("%1/%2/%3/%4/%5")
                   .arg(billing::unbilledReasonCode(d.reason), billedPartyLabel(d), d.clientId,
                        QString::number(d.deliveryDate.day()), d.mealItem);
    return all;
}

QStringList allTexts(const report::PageList& pages)
{
    QStringList texts;
    for (const report::Page& page : pages.pages)
        texts << pageTexts(page);
    return texts;
}

report::PageList printed(const UnbilledRun& run)
{
    report::PageList pages;
    printUnbilledDeliveries(run, pages, kPrintedAt);
    return pages;
}

} // namespace

class TestUnbilledDeliveries : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    // Reasons as listed, the client's own bill before the funders, funders by name without
    // regard to case, then client, date and item; ties keep the run's order.
    void creditsAreOrderedForTheReport()
    {
        QCOMPARE(keys(inReportOrder(plantedMonth())),
                 QStringList({str("NO_PRICE/Client billed/1021/2/Soup"),
                              str("NO_PRICE/Client billed/1103/2/Soup"),
                              str("NO_PRICE/Client billed/1103/9/Soup"),
                              str("ZERO_PRICE/County Aging Office/1044/4/Hot Lunch"),
                              str("NO_AR_ITEM/Client billed/1044/3/Frozen Dinner"),
                              str("PLEDGES_ONLY/Client billed/1021/5/Breakfast"),
                              str("PLEDGES_ONLY/Client billed/1021/5/Hot Lunch"),
                              str("PLEDGES_ONLY/county aging office/1103/6/Hot Lunch"),
                              str("PLEDGES_ONLY/United Way/1021/5/Breakfast")}));

        UnbilledDelivery first = plantedMonth()[2];
        UnbilledDelivery second = first;
        first.detail = str("first");
        second.detail = str("second");
        QCOMPARE(inReportOrder({first, second}).first().detail, str("first"));
        QCOMPARE(inReportOrder({second, first}).first().detail, str("second"));
    }

    // An amount the module could not tell is left blank, in the line and in every total; a
    // known amount of 0 is printed as one; the summary counts the lines the amounts leave out.
    void unknownAmountsAreNeverPrintedAsZero()
    {
        const QList<UnbilledDelivery> unknown = {
            credit(UnbilledReason::NoPrice, "", "1021", "Abbott, Ruth", nov(2), "Soup", 3),
            credit(UnbilledReason::NoPrice, "", "1021", "Abbott, Ruth", nov(3), "Soup", 2)};
        QStringList texts = allTexts(printed(runOf(unknown)));
        QVERIFY(!texts.contains(str("0.00")));
        QCOMPARE(texts.count(str("5")), 4); // client, funder, reason and report totals
        QVERIFY(texts.contains(str("2 lines have no known amount and are not in the amounts.")));

        const QList<UnbilledDelivery> mixed = {
            unknown[0],
            credit(UnbilledReason::NoPrice, "", "1021", "Abbott, Ruth", nov(3), "Soup", 2,
                   Money::fromCents(0)),
            credit(UnbilledReason::NoPrice, "", "1030", "Bell, Ada", nov(3), "Soup", 1,
                   Money::fromCents(1234))};
        texts = allTexts(printed(runOf(mixed)));
        QCOMPARE(texts.count(str("0.00")), 2);  // the line and Ruth's total
        QCOMPARE(texts.count(str("12.34")), 4); // the line, funder, reason and report totals
        QVERIFY(texts.contains(str("1 line has no known amount and is not in the amounts.")));
        QVERIFY(!texts.contains(str("Total for 1030:"))); // one line needs no subtotal
        QVERIFY(texts.contains(str("Total for 1021:")));
    }

    void aRunThatBilledEverythingSaysSo()
    {
        const report::PageList pages = printed(runOf({}));
        QCOMPARE(int(pages.pages.size()), 1);
        const QStringList texts = allTexts(pages);
        QVERIFY(texts.contains(kUnbilledDeliveriesTitle));
        QVERIFY(texts.contains(str("Period: 11/1/2026-11/30/2026")));
        QVERIFY(texts.contains(str("Run of 12/1/2026 9:05 AM"))); // a preview says so instead
        QVERIFY(texts.contains(kNothingUnbilled));
        QVERIFY(!texts.contains(str("Report Totals:")));
        QVERIFY(texts.filter(str("no known amount")).isEmpty());
    }

    // A client's lines that run onto the next page come under their reason, funder and client
    // again.
    void groupsAreNamedAgainOnTheNextPage()
    {
        QList<UnbilledDelivery> many;
        for (int day = 1; day <= 30; ++day)
            for (const char* item : {"Breakfast", "Hot Lunch", "Soup"})
                many << credit(UnbilledReason::NoTimeRate, "Meals Trust", "1021", "Abbott, Ruth",
                               nov(day), item, 1);
        const report::PageList pages = printed(runOf(many));
        QVERIFY(pages.pages.size() >= 2);
        const QStringList second = pageTexts(pages.pages[1]);
        const int reason =
            int(second.indexOf(billing::unbilledReasonText(UnbilledReason::NoTimeRate)));
        QVERIFY(reason >= 0);
        QVERIFY(second.indexOf(str("Meals Trust")) > reason);
        QVERIFY(second.indexOf(str("1021")) > second.indexOf(str("Meals Trust")));
        QCOMPARE(allTexts(pages).count(str("90")), 4);
    }

    // The run is kept, read back as the command line and the screen read it, and printed.
    void printedPages_data() { testdb::addEngineRows(); }
    void printedPages()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        billing::keepUnbilledRun(*db, runOf(plantedMonth(), true));
        const std::optional<UnbilledRun> kept = billing::lastUnbilledRun(*db, str("marta"));
        QVERIFY(kept);
        report::PageModelOutput model;
        QCOMPARE(printUnbilledDeliveries(*kept, model, kPrintedAt), 1);
        COMPARE_WITH_EXPECTED(model.text, QStringLiteral(TALLYWICK_EXPECTED_DIR "/unbilled.txt"));
    }
};

QTEST_MAIN(TestUnbilledDeliveries)
#include "test_unbilleddeliveries.moc"
