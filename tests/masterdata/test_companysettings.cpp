// The organization record on both engines: the row the screen opens (made when missing, the
// host's name and address copied in every time), every option stored and read back, the checks
// before storing in their order, and the two-digit years with each box's own message.
#include "data/hosttables.h"
#include "masterdata/company/companysettings.h"
#include "masterdata/company/companyyears.h"
#include "organizationfixture.h"

#include <QDate>
#include <QTest>

namespace
{

CompanySettings everyOption(CompanySettings s)
{
    s.taxNo = QStringLiteral("RT-88412-0001");
    s.fiscalYear = 2027;
    s.defaultPeriod = {2026, 12};
    s.warnFrom = {2026, 1};
    s.warnTo = {2027, 3};
    s.errorFrom = {2025, 7};
    s.errorTo = {2049, 6};
    s.defaultNetDays = 0; // "Payable on Receipt", not the same as no terms at all
    s.clientInvoiceLineItems = QStringLiteral("S");
    s.clientInvoiceFormat = QStringLiteral("S");
    s.funderInvoicingMethod = QStringLiteral("S");
    s.funderInvoiceLineItems = QStringLiteral("S");
    s.funderInvoiceFormat = QStringLiteral("I");
    s.suppressInvoiceWording = true;
    s.suppressPosting = true;
    s.defaultCurrencyId = 1;
    s.notes = QStringLiteral("Board meets monthly.\nAsk Dana before changing the fiscal year.");
    return s;
}

QString stored(Database& db, const QString& field)
{
    Statement s = db.query(QStringLiteral("SELECT %1 FROM Company").arg(field));
    s.exec();
    return s.next() ? s.text(0) : QStringLiteral("(no row)");
}

} // namespace

class TestCompanySettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aMissingRowIsMadeAndTheHostsNameCopiedEveryTime_data() { testdb::addEngineRows(); }
    void aMissingRowIsMadeAndTheHostsNameCopiedEveryTime()
    {
        QFETCH(QString, engine);
        auto db = organization::newDatabase(engine);
        db->exec(QStringLiteral("DELETE FROM Company"));

        const CompanySettings first = companysettings::open(*db);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Company")), 1);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT CompanyNo FROM Company")), 1);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT ARInvoiceCopies FROM Company")), 1);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT ARInvoiceStyle FROM Company")), 0);
        QCOMPARE(stored(*db, QStringLiteral("ApplicationVersion")), QStringLiteral("2.55"));
        QCOMPARE(first.fiscalYear, QDate::currentDate().year());
        QCOMPARE(first.companyName, QStringLiteral("Riverside Meals on Wheels"));
        QCOMPARE(first.addressLine1, QStringLiteral("12 Mill Road"));
        QCOMPARE(first.addressLine2, QStringLiteral("Springfield IL 62701"));
        QCOMPARE(first.phone, QStringLiteral("217-555-0100"));

        // The host renames the organization: the next opening shows it, and keeps the options.
        companysettings::save(*db, everyOption(first));
        db->exec(QStringLiteral("UPDATE Config SET Organizatn = 'Riverside Community Meals', "
                                "Org_Phone = '217-555-0199'"));
        const CompanySettings again = companysettings::open(*db);
        QCOMPARE(again.companyName, QStringLiteral("Riverside Community Meals"));
        QCOMPARE(again.phone, QStringLiteral("217-555-0199"));
        QCOMPARE(again.taxNo, QStringLiteral("RT-88412-0001"));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Company")), 1);
    }

    void everyOptionIsStoredAndReadBack_data() { testdb::addEngineRows(); }
    void everyOptionIsStoredAndReadBack()
    {
        QFETCH(QString, engine);
        auto db = organization::newDatabase(engine);
        const CompanySettings opened = companysettings::open(*db);
        const CompanySettings wanted = everyOption(opened);
        companysettings::save(*db, wanted);
        QCOMPARE(companysettings::read(*db), wanted);
        QCOMPARE(stored(*db, QStringLiteral("DefaultNetDays")), QStringLiteral("0"));

        // Cleared boxes are stored empty, not as zero.
        CompanySettings cleared = wanted;
        cleared.defaultPeriod = {};
        cleared.warnTo = {std::nullopt, 4};
        cleared.errorTo = {2030, std::nullopt};
        cleared.defaultNetDays.reset();
        cleared.defaultCurrencyId.reset();
        cleared.taxNo.clear();
        cleared.notes.clear();
        cleared.suppressPosting = false;
        companysettings::save(*db, cleared);
        QCOMPARE(companysettings::read(*db), cleared);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Company WHERE "
                                                    "DefaultPeriodPP IS NULL AND TaxNo IS NULL "
                                                    "AND DefaultNetDays IS NULL")),
                 1);

        // The identity is the host's: what a caller puts there is not stored.
        CompanySettings renamed = cleared;
        renamed.companyName = QStringLiteral("Someone Else");
        renamed.phone = QStringLiteral("000");
        companysettings::save(*db, renamed);
        QCOMPARE(companysettings::read(*db).companyName,
                 QStringLiteral("Riverside Meals on Wheels"));
        QCOMPARE(companysettings::read(*db).phone, QStringLiteral("217-555-0100"));

        // A tax number longer than its field is cut to it, on both engines.
        CompanySettings longTax = cleared;
        longTax.taxNo = QString(50, QLatin1Char('7'));
        companysettings::save(*db, longTax);
        QCOMPARE(companysettings::read(*db).taxNo, QString(35, QLatin1Char('7')));
    }

    void theChecksComeInOrderAndWriteNothing_data() { testdb::addEngineRows(); }
    void theChecksComeInOrderAndWriteNothing()
    {
        QFETCH(QString, engine);
        auto db = organization::newDatabase(engine);
        db->exec(QStringLiteral("UPDATE Config SET Organizatn = NULL"));
        CompanySettings s = everyOption(companysettings::open(*db));
        QVERIFY(s.companyName.isEmpty());
        s.fiscalYear = 1950; // wrong too, but the name is checked first

        auto refusal = [&](const CompanySettings& settings) -> std::optional<CompanyRefusal> {
            try {
                companysettings::save(*db, settings);
            } catch (const CompanyRefusal& r) {
                return r;
            }
            return std::nullopt;
        };
        auto r = refusal(s);
        QVERIFY(r);
        QCOMPARE(r->message(), QStringLiteral("Field 'Company Name' must have a value"));
        QCOMPARE(r->field(), CompanyField::CompanyName);
        QVERIFY(stored(*db, QStringLiteral("TaxNo")).isEmpty());

        s.companyName = QStringLiteral("Riverside Meals on Wheels");
        for (std::optional<int> year : {std::optional<int>(1950), std::optional<int>(1988),
                                        std::optional<int>(2051), std::optional<int>()}) {
            s.fiscalYear = year;
            r = refusal(s);
            QVERIFY(r);
            QCOMPARE(r->message(), QStringLiteral("Fiscal Year must be between 1989 and 2050"));
            QCOMPARE(r->field(), CompanyField::FiscalYear);
        }
        QVERIFY(stored(*db, QStringLiteral("TaxNo")).isEmpty());
        for (int year : {1989, 2050}) {
            s.fiscalYear = year;
            QVERIFY(!refusal(s));
            QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT FiscalYear FROM Company")), year);
        }

        // A period the boxes cannot hold is refused whole.
        CompanySettings wrongPeriod = s;
        wrongPeriod.taxNo = QStringLiteral("changed");
        wrongPeriod.warnFrom.period = 13;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, companysettings::save(*db, wrongPeriod));
        QCOMPARE(stored(*db, QStringLiteral("TaxNo")), QStringLiteral("RT-88412-0001"));
    }

    void savingWithoutARowIsAnError_data() { testdb::addEngineRows(); }
    void savingWithoutARowIsAnError()
    {
        QFETCH(QString, engine);
        auto db = organization::newDatabase(engine);
        const CompanySettings s = everyOption(companysettings::open(*db));
        db->exec(QStringLiteral("DELETE FROM Company"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, companysettings::save(*db, s));
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Company")), 0);
    }

    void aRowWithAnEmptyKeyIsStillTheOrganizations_data() { testdb::addEngineRows(); }
    void aRowWithAnEmptyKeyIsStillTheOrganizations()
    {
        QFETCH(QString, engine);
        auto db = organization::newDatabase(engine);
        db->exec(QStringLiteral("UPDATE Company SET CompanyNo = NULL"));
        CompanySettings s = everyOption(companysettings::open(*db));
        companysettings::save(*db, s);
        QCOMPARE(testdb::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Company")), 1);
        QCOMPARE(companysettings::read(*db).taxNo, QStringLiteral("RT-88412-0001"));
    }

    void twoDigitYears_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("fiscal year")
            << int(CompanyField::FiscalYear)
            << QStringLiteral("Current Fiscal Year invalid...\rEnter year as 2 digits");
        QTest::newRow("default period")
            << int(CompanyField::DefaultPeriodYear)
            << QStringLiteral("Default Period invalid...\rEnter year as 2 digits");
        QTest::newRow("warn before")
            << int(CompanyField::WarnFromYear)
            << QStringLiteral("Warn Before Period invalid...\rEnter year as 2 digits");
        QTest::newRow("warn after")
            << int(CompanyField::WarnToYear)
            << QStringLiteral("Warn After Period invalid...\rEnter year as 2 digits");
        QTest::newRow("error before")
            << int(CompanyField::ErrorFromYear)
            << QStringLiteral("Error Before Period invalid...\rEnter year as 2 digits");
        QTest::newRow("error after")
            << int(CompanyField::ErrorToYear)
            << QStringLiteral("Error After Period invalid...\rEnter year as 2 digits");
    }
    void twoDigitYears()
    {
        QFETCH(int, field);
        QFETCH(QString, message);
        const auto box = CompanyField(field);
        QCOMPARE(companyYearFromText(box, QStringLiteral("49")), 2049);
        QCOMPARE(companyYearFromText(box, QStringLiteral("50")), 1950);
        QCOMPARE(companyYearFromText(box, QStringLiteral("0")), 2000);
        QCOMPARE(companyYearFromText(box, QStringLiteral("99")), 1999);
        QCOMPARE(companyYearFromText(box, QStringLiteral(" ")), std::nullopt);
        for (const char* wrong : {"100", "2026", "4a", "-1", "1.5"}) {
            try {
                companyYearFromText(box, QString::fromLatin1(wrong));
                QFAIL(wrong);
            } catch (const CompanyRefusal& r) {
                QCOMPARE(r.message(), message);
                QCOMPARE(r.field(), box);
            }
        }
    }
};

QTEST_MAIN(TestCompanySettings)
#include "test_companysettings.moc"
