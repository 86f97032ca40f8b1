#include "postinglockchecks.h"

#include "engine/database.h"
#include "engine/dberror.h"
#include "postingfixture.h"

#include <QTest>

namespace postingfixture
{

namespace
{
const QString kBalances = QStringLiteral("CBalance");
}

void checkLockedTablesAskRetryOrCancel(Database& db, const PassUnderLocks& pass)
{
    auto other = impatient(db);

    QVERIFY(other->tryLockTable(pass.documentTable));
    LockDialogs cancel([](const QString&) { return Dialogs::Cancel; });
    try {
        pass.post(cancel);
        QFAIL("posting went ahead on a locked table");
    } catch (const LockError& e) {
        QCOMPARE(e.message(), pass.documentQuestion);
    }
    QCOMPARE(cancel.asked, QStringList({pass.documentQuestion}));
    QCOMPARE(pass.posted(), 0);
    other->unlockTable(pass.documentTable);

    QVERIFY(other->tryLockTable(kBalances));
    LockDialogs cancelBalances([](const QString&) { return Dialogs::Cancel; });
    QVERIFY_THROWS_EXCEPTION(LockError, pass.post(cancelBalances));
    QCOMPARE(cancelBalances.asked,
             QStringList({QStringLiteral("Unable to lock Customer Balance table... this "
                                         "table is being updated by another job.")}));
    QCOMPARE(pass.posted(), 0);
    QVERIFY(other->tryLockTable(pass.documentTable)); // given back
    other->unlockTable(pass.documentTable);

    // Retry after the other workstation lets go: posted.
    LockDialogs retry([&](const QString&) {
        other->unlockTable(kBalances);
        return Dialogs::Retry;
    });
    QCOMPARE(pass.post(retry), 1);
    QCOMPARE(retry.asked.size(), 1);
    // Both tables are free again.
    QVERIFY(other->tryLockTable(pass.documentTable));
    QVERIFY(other->tryLockTable(kBalances));
}

} // namespace postingfixture
