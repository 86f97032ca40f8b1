#include "samplemonth.h"

#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/statement.h"

#include <QDir>

QString SampleMonth::make(int clients)
{
    data_ = scratch_.filePath(QStringLiteral("meals"));
    const QStringList steps[] = {
        {QStringLiteral("demo"), data_, QStringLiteral("--clients"), QString::number(clients),
         QStringLiteral("--period"), QStringLiteral("2025-03")},
        {QStringLiteral("--data"), data_, QStringLiteral("sync"), QStringLiteral("customers")},
        {QStringLiteral("--data"), data_, QStringLiteral("sync"), QStringLiteral("items")},
        {QStringLiteral("--data"), data_, QStringLiteral("generate"), QStringLiteral("--start"),
         QStringLiteral("2025-03-01"), QStringLiteral("--end"), QStringLiteral("2025-03-31"),
         QStringLiteral("--yes")}};
    for (const QStringList& args : steps) {
        const ProgramRun run = tallywick(args);
        if (run.exitCode != 0)
            return args.join(QLatin1Char(' ')) + QLatin1Char('\n') + run.err;
    }
    return {};
}

ProgramRun SampleMonth::tallywick(const QStringList& args) const
{
    return runProgram(QStringLiteral(TALLYWICK_PATH), args, environmentWithHome(scratch_.path()));
}

ProgramRun SampleMonth::onData(const QStringList& args) const
{
    return tallywick(QStringList{QStringLiteral("--data"), data_} + args);
}

std::unique_ptr<Database> SampleMonth::open() const
{
    return Database::open(
        ConnectionParams::sqlite(QDir(data_).filePath(QStringLiteral("Hearthtable.db"))));
}

QString SampleMonth::text(const QString& sql) const
{
    auto db = open();
    Statement s = db->query(sql);
    s.exec();
    return s.next() ? s.text(0) : QString();
}

qint64 SampleMonth::number(const QString& sql) const
{
    const QString value = text(sql);
    return value.isEmpty() ? -1 : value.toLongLong();
}
