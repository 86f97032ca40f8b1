#pragma once
// What the timing programs share: questions answered Yes, row counts and peak memory.
#include "billing/generationrun.h"
#include "common/dialogs.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "host/sampledata.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"

#include <QFile>
#include <QStringList>
#include <memory>
#include <sys/resource.h>

// Yes to every question; warnings and errors are kept for the report.
class YesDialogs final : public Dialogs
{
public:
    void inform(Kind kind, const QString& text) override
    {
        if (kind == Kind::Error || kind == Kind::Warning)
            problems << text;
    }
    Button ask(Kind, const QString&, Buttons buttons) override
    {
        return buttons.testFlag(Yes) ? Yes : Ok;
    }
    QStringList problems;
};

inline qint64 count(Database& db, const QString& table)
{
    Statement s = db.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    s.exec();
    return s.next() ? s.integer(0) : 0;
}

inline long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024; // kilobytes on Linux
}

// Starts the peak resident memory afresh (Linux), so a step's own peak can be read after it.
inline void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// The peak resident memory since the last reset, from /proc/self/status (VmHWM), in MB.
inline long peakMegabytesSinceReset()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return peakMegabytes();
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    }
    return peakMegabytes();
}

// The run the timing programs make over the sample's month: billing and pledges, every payer,
// invoices dated the day after the month.
inline billing::GenerationSettings monthRunSettings(const SampleDataOptions& sample)
{
    billing::GenerationSettings settings;
    settings.period = {sample.periodStart, sample.periodEnd()};
    settings.invoiceDate = sample.periodEnd().addDays(1);
    settings.billing = BillingChoice::MealsAndPledges;
    settings.payers = PayerChoice::PrivatePayAndFunders;
    settings.userName = QStringLiteral("bench");
    return settings;
}

// The sample program made on the connection, the AR tables created and the customers and items
// synchronized: what every timed run starts from.
inline std::unique_ptr<TDataModuleARSystem> preparedSample(std::unique_ptr<Database> connection,
                                                           const QString& dir,
                                                           const SampleDataOptions& sample,
                                                           Dialogs& dialogs)
{
    generateSampleData(*connection, sample);
    auto module = std::make_unique<TDataModuleARSystem>(std::move(connection), dir, dialogs);
    NoProgress progress;
    synchronizeCustomers(module->database(), dialogs, progress);
    synchronizeItems(module->database(), dialogs, progress);
    return module;
}
