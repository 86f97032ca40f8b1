// From OK to the report: a month of a small meal program with one meal that has no price, run
// from the generation screen, ends with the closing message and then the question about the
// deliveries the run did not bill; Yes opens their report. On both engines.
#include "billing/ui/formgenerateinvoices.h"
#include "common/formatsettings.h"
#include "common/ui/dateentry.h"
#include "data/datamodule.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/statement.h"
#include "host/sampledata.h"
#include "report/ui/frmpreview.h"
#include "scripteddialogs.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"
#include "testdatabases.h"

#include <QAction>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QDate kStart(2025, 11, 1);

// A meal item the host has no price and no cost for, brought on the period's first delivery.
void plantUnpricedMeal(Database& db)
{
    records::insert(db, host::items(),
                    {{QStringLiteral("Item_ID"), 901},
                     {QStringLiteral("Meal_Item"), QStringLiteral("Unpriced Shake")},
                     {QStringLiteral("Meal"), QStringLiteral("S ")}});
    Statement first = db.prepare(QStringLiteral(
        "SELECT Deliv_ID, Deliv_Dt FROM Deliveri WHERE Deliv_Dt >= :start ORDER BY Deliv_ID"));
    first.bind(QStringLiteral(":start"), kStart);
    first.exec();
    QVERIFY(first.next());
    records::insert(db, host::mealCredits(),
                    {{QStringLiteral("Deliv_ID"), first.integer(QStringLiteral("Deliv_ID"))},
                     {QStringLiteral("Deliv_Dt"), first.date(QStringLiteral("Deliv_Dt"))},
                     {QStringLiteral("Item_ID"), 901},
                     {QStringLiteral("Quantity"), 2}});
}

} // namespace

class TestUnbilledQuestionAfterRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setCurrentFormatSettings(FormatSettings::us()); }

    void questionFollowsTheClosingMessage_data() { testdb::addEngineRows(); }
    void questionFollowsTheClosingMessage()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        SampleDataOptions sample;
        sample.clients = SampleDataOptions::kMinClients;
        sample.periodStart = kStart;
        generateSampleData(*db, sample);
        plantUnpricedMeal(*db);
        if (QTest::currentTestFailed())
            return;

        QTemporaryDir folder;
        ScriptedDialogs quiet;
        TDataModuleARSystem module(std::move(db), folder.path(), quiet);
        module.CurrentUserName = QStringLiteral("marta");
        NoProgress noProgress;
        synchronizeCustomers(module.database(), quiet, noProgress);

        TFormGenerateInvoices screen(module);
        ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::Yes, Dialogs::Yes, Dialogs::Yes});
        screen.setDialogs(&dialogs);
        connect(screen.ActionSynchronizeItems, &QAction::triggered, this,
                [&] { synchronizeItems(module.database(), quiet, noProgress); });
        screen.show();
        screen.wwDBDateTimePickerStart->setDate(kStart);
        screen.wwDBDateTimePickerEnd->setDate(QDate(2025, 11, 30));
        screen.ButtonOK->click();

        // Proceed, items, customers, the closing message, then the question, answered Yes.
        const QStringList texts = dialogs.texts();
        QVERIFY2(dialogs.unusedAnswers() == 0 && texts.size() >= 2,
                 qPrintable(QStringLiteral("no question after: ") + texts.join(QLatin1Char('|'))));
        QVERIFY(texts[texts.size() - 2].startsWith(QLatin1String("Completed generating ")));
        QVERIFY2(QRegularExpression(QStringLiteral("^(1 delivery was not billed\\. Show it\\?|\\d+ "
                                                   "deliveries were not billed\\. Show them\\?)$"))
                     .match(texts.last())
                     .hasMatch(),
                 qPrintable(texts.last()));
        QVERIFY(!screen.isVisible());
        TfrmPreview* preview = screen.unbilledPreview();
        QVERIFY(preview);
        QVERIFY(preview->pageCount() >= 1);
        delete preview;
    }
};

QTEST_MAIN(TestUnbilledQuestionAfterRun)
#include "test_unbilledquestionafterrun.moc"
