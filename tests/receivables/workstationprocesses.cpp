#include "workstationprocesses.h"

#include "testdatabases.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

namespace workstations
{

namespace
{

constexpr int kPassMs = 300000;

QStringList postArgs(const ConnectionParams& ledger, int pauseMs = 0)
{
    QStringList args{testdb::childArgument(ledger)};
    if (pauseMs > 0)
        args << QStringLiteral("--slow") << QString::number(pauseMs);
    return args;
}

Finished finished(QProcess& workstation)
{
    Finished result;
    if (!workstation.waitForFinished(kPassMs)) {
        result.errors = "the workstation did not finish";
        return result;
    }
    result.ok = workstation.exitStatus() == QProcess::NormalExit && workstation.exitCode() == 0;
    result.posted = workstation.readAllStandardOutput().trimmed().toInt();
    result.errors = workstation.readAllStandardError();
    return result;
}

} // namespace

Finished postToTheEnd(const QString& program, const ConnectionParams& ledger)
{
    QProcess workstation;
    workstation.start(program, postArgs(ledger));
    return finished(workstation);
}

std::pair<Finished, Finished> postOnTwoAtOnce(const QString& program,
                                              const ConnectionParams& ledger)
{
    QProcess a;
    QProcess b;
    a.start(program, postArgs(ledger));
    b.start(program, postArgs(ledger));
    Finished byA = finished(a);
    return {std::move(byA), finished(b)};
}

bool postAndKill(const QString& program, const ConnectionParams& ledger, int pauseMs, int maxWaitMs)
{
    QProcess workstation;
    workstation.start(program, postArgs(ledger, pauseMs));
    if (!workstation.waitForStarted())
        return false;
    QTest::qWait(int(QRandomGenerator::global()->bounded(20, maxWaitMs)));
    if (workstation.state() == QProcess::NotRunning)
        return true;
    workstation.kill();
    return workstation.waitForFinished(60000);
}

} // namespace workstations
