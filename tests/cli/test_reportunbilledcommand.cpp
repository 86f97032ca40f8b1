// tallywick report unbilled: the report of the signed-in user's last generation run to a PDF,
// refused with a clear message for a user who has no run kept, and the options it passes over
// or refuses. The report and the kept runs are tested on both engines in tests/reports; the
// command works on the embedded database.
#include "billing/unbilledstore.h"
#include "engine/database.h"
#include "samplemonth.h"

#include <QFile>
#include <QTest>

namespace
{

const QString kRuth = QStringLiteral("ruth.unbilled");

billing::UnbilledDelivery soup(const QString& clientId, qint64 quantity)
{
    billing::UnbilledDelivery d;
    d.clientId = clientId;
    d.clientName = QStringLiteral("Abbott, Ruth");
    d.deliveryDate = QDate(2025, 3, 4);
    d.mealItem = QStringLiteral("Soup");
    d.fundingCode = QStringLiteral("PRIV");
    d.quantity = quantity;
    d.reason = billing::UnbilledReason::NoPrice;
    d.detail = QStringLiteral("No price for Soup");
    return d;
}

} // namespace

class TestReportUnbilledCommand : public QObject
{
    Q_OBJECT
private:
    SampleMonth month_;

    ProgramRun unbilled(const QString& user, const QStringList& more)
    {
        return month_.onData(QStringList{QStringLiteral("--user"), user, QStringLiteral("report"),
                                         QStringLiteral("unbilled")} +
                             more);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = month_.make(20);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        auto db = month_.open();
        billing::keepUnbilledRun(
            *db, {kRuth,
                  QDateTime(QDate(2025, 4, 1), QTime(10, 0)),
                  true,
                  {QDate(2025, 3, 1), QDate(2025, 3, 31)},
                  {soup(QStringLiteral("1021"), 2), soup(QStringLiteral("1030"), 1)}});
    }

    void lastRunToPdf()
    {
        const QString pdf = month_.scratchPath(QStringLiteral("unbilled.pdf"));
        const ProgramRun run = unbilled(kRuth, {QStringLiteral("--pdf"), pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("last run (2 meal credit(s)) on 1 page(s)")),
                 qPrintable(run.out));
        QVERIFY(QFile(pdf).size() > 0);
    }

    // Another user's run is not this user's: nothing is printed and the exit says so.
    void noRunKeptIsRefused()
    {
        const QString pdf = month_.scratchPath(QStringLiteral("nobody.pdf"));
        const ProgramRun run =
            unbilled(QStringLiteral("sam.unbilled"), {QStringLiteral("--pdf"), pdf});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("No generation run of sam.unbilled is kept")),
                 qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
    }

    // A selection option of the other reports is noted and passed over; one no report takes
    // from this one (--csv) is refused before anything is printed; so is a missing destination.
    void options()
    {
        const QString pdf = month_.scratchPath(QStringLiteral("options.pdf"));
        const ProgramRun asOf =
            unbilled(kRuth, {QStringLiteral("--as-of"), QStringLiteral("2025-03-31"),
                             QStringLiteral("--pdf"), pdf});
        QVERIFY2(asOf.exitCode == 0, qPrintable(asOf.err));
        QVERIFY2(asOf.err.contains(QStringLiteral(
                     "The unbilled report does not use --as-of; it is passed over.")),
                 qPrintable(asOf.err));
        QVERIFY(QFile::remove(pdf));

        const ProgramRun csv =
            unbilled(kRuth, {QStringLiteral("--csv"), month_.scratchPath(QStringLiteral("u.csv")),
                             QStringLiteral("--pdf"), pdf});
        QCOMPARE(csv.exitCode, 2);
        QVERIFY(csv.err.contains(QStringLiteral("The unbilled report does not take --csv.")));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(unbilled(kRuth, {}).exitCode, 2);
    }
};

QTEST_MAIN(TestReportUnbilledCommand)
#include "test_reportunbilledcommand.moc"
