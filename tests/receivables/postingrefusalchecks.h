#pragma once
// The engine refusing a balance in the middle of a pass, checked the same way for invoices and
// payments: a ledger of 600 documents whose 520th (in the second block of 500) is of the
// customer whose balance the engine refuses (refuseBalanceOf), posted in one pass.

#include "common/dialogs.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"

#include <QTest>

namespace postingfixture
{

// The pass stopped with the first block's 500 and the next 19 posted, still closing the dialog
// with OK; the refusal shown once, as an error, and kept in the result; the progress bar moved
// once, after the first block. A failed check ends the calling test
// (QTest::currentTestFailed()).
template <typename Result>
void checkStoppedAtTheRefusedBalance(const Result& result, const ScriptedDialogs& dialogs,
                                     const RecordingProgress& progress)
{
    QCOMPARE(result.outcome, decltype(result.outcome)::Stopped);
    QVERIFY(result.accepted());
    QCOMPARE(result.waiting, 600);
    QCOMPARE(result.posted, 519);
    QCOMPARE(dialogs.shown().size(), 1);
    QCOMPARE(dialogs.shown().first().kind, Dialogs::Kind::Error);
    QVERIFY2(dialogs.texts().first().contains(QStringLiteral("balance refused")),
             qPrintable(dialogs.texts().first()));
    QVERIFY(result.stoppedBy.contains(QStringLiteral("balance refused")));
    QCOMPARE(progress.values, QList<int>({0, 500}));
}

} // namespace postingfixture
