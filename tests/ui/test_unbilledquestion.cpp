// The generation screen's question after a run that left meal credits unbilled, given the run's
// result: the count in its words, Yes opening the Unbilled Deliveries report, No and every other
// end of a run leaving things as they are.
#include "billing/ui/formgenerateinvoices.h"
#include "billing/ui/unbilledoffer.h"
#include "billing/unbilledstore.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "report/ui/frmpreview.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using billing::GenerationResult;
using billing::RunOutcome;
using billing::UnbilledDelivery;

namespace
{

const QDateTime kRanAt(QDate(2026, 12, 1), QTime(9, 5));

UnbilledDelivery unpricedSoup(const QString& clientId, int day)
{
    UnbilledDelivery d;
    d.clientId = clientId;
    d.clientName = QStringLiteral("Abbott, Ruth");
    d.deliveryDate = QDate(2026, 11, day);
    d.mealItem = QStringLiteral("Soup");
    d.quantity = 1;
    d.reason = billing::UnbilledReason::NoPrice;
    return d;
}

GenerationResult resultOf(RunOutcome outcome, int unbilled)
{
    GenerationResult result;
    result.outcome = outcome;
    for (int i = 0; i < unbilled; ++i)
        result.unbilled << unpricedSoup(QStringLiteral("10%1").arg(i % 2), 1 + i);
    return result;
}

// The screen over the AR module of an empty database; questions go to the script.
struct Screen {
    QTemporaryDir folder;
    ScriptedDialogs quiet;
    ScriptedDialogs dialogs;
    TDataModuleARSystem module;
    TFormGenerateInvoices form;
    billing::GenerationSettings settings;

    Screen() : module(testdb::fresh(QStringLiteral("sqlite")), folder.path(), quiet), form(module)
    {
        form.setDialogs(&dialogs);
        settings.period = {QDate(2026, 11, 1), QDate(2026, 11, 30)};
        settings.userName = QStringLiteral("marta");
    }
    ~Screen() { delete form.unbilledPreview(); }

    void offer(const GenerationResult& result)
    {
        form.offerUnbilledDeliveries(result, settings, kRanAt);
    }
};

} // namespace

class TestUnbilledQuestion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Yes opens the report of the run's meal credits, whole, in the preview window.
    void yesShowsTheReport()
    {
        Screen s;
        s.dialogs.answer(Dialogs::Yes);
        s.offer(resultOf(RunOutcome::Completed, 3));
        QCOMPARE(s.dialogs.texts(),
                 QStringList({QStringLiteral("3 deliveries were not billed. Show them?")}));
        const ScriptedDialogs::Shown& asked = s.dialogs.shown().first();
        QVERIFY(asked.question);
        QCOMPARE(asked.buttons, Dialogs::Buttons(Dialogs::Yes | Dialogs::No));

        TfrmPreview* preview = s.form.unbilledPreview();
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->pageCount(), 1);
        QVERIFY(preview->testAttribute(Qt::WA_DeleteOnClose));
    }

    void noShowsNothing()
    {
        Screen s;
        s.dialogs.answer(Dialogs::No);
        s.offer(resultOf(RunOutcome::Completed, 1));
        QCOMPARE(s.dialogs.texts(),
                 QStringList({QStringLiteral("1 delivery was not billed. Show it?")}));
        QVERIFY(!s.form.unbilledPreview());
    }

    // Nothing is asked when everything was billed, nor after a run that an error or a declined
    // check ended: what an interrupted run found is not the period's whole list.
    void nothingIsAskedOtherwise()
    {
        Screen s;
        s.offer(resultOf(RunOutcome::Completed, 0));
        s.offer(resultOf(RunOutcome::Failed, 2));
        s.offer(resultOf(RunOutcome::Stopped, 2));
        s.offer(resultOf(RunOutcome::NoClientRecords, 0));
        QVERIFY(s.dialogs.shown().isEmpty());
        QVERIFY(!s.form.unbilledPreview());
    }

    // "Last Run's Unbilled..." shows the signed-in user's kept run, and says so when there is
    // none of that user's.
    void lastRunsButtonShowsTheUsersKeptRun()
    {
        Screen s;
        s.module.CurrentUserName = QStringLiteral("marta");
        billing::keepUnbilledRun(s.module.database(),
                                 {QStringLiteral("omar"), kRanAt, false, s.settings.period,
                                  resultOf(RunOutcome::Completed, 2).unbilled});
        s.form.ButtonLastUnbilled->click();
        QCOMPARE(s.dialogs.texts(), QStringList{kNoUnbilledRunKept});
        QVERIFY(!s.form.unbilledPreview());

        billing::keepUnbilledRun(s.module.database(),
                                 {QStringLiteral("marta"), kRanAt, true, s.settings.period,
                                  resultOf(RunOutcome::Completed, 3).unbilled});
        s.form.ButtonLastUnbilled->click();
        TfrmPreview* preview = s.form.unbilledPreview();
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->pageCount(), 1);
        QCOMPARE(s.dialogs.texts().size(), 1); // nothing asked: the button is the question
    }
};

QTEST_MAIN(TestUnbilledQuestion)
#include "test_unbilledquestion.moc"
