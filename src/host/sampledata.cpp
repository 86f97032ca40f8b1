#include "host/sampledata.h"

#include "common/dialogs.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"
#include "host/sampledatacatalogue.h"
#include "host/sampledataclients.h"
#include "host/sampledatadeliveries.h"

#include <stdexcept>

QString SampleDataOptions::problem() const
{
    if (clients < kMinClients || clients > kMaxClients)
        return QStringLiteral("The number of clients must be from %1 to %2.")
            .arg(kMinClients)
            .arg(kMaxClients);
    if (!periodStart.isValid() || periodStart.day() != 1)
        return QStringLiteral("The period must begin on the first day of a month.");
    if (months < 1 || months > kMaxMonths)
        return QStringLiteral("The number of months must be from 1 to %1.").arg(kMaxMonths);
    return {};
}

QDate SampleDataOptions::previousMonthStart(const QDate& today)
{
    return QDate(today.year(), today.month(), 1).addMonths(-1);
}

void generateSampleData(Database& db, const SampleDataOptions& options, Progress* progress)
{
    const QString problem = options.problem();
    if (!problem.isEmpty())
        throw std::invalid_argument(problem.toStdString());
    NoProgress silent;
    Progress& shown = progress ? *progress : silent;

    // The tables are made inside the same unit of work, so a load that fails leaves no trace.
    Transaction transaction(db);
    host::createTables(db);
    for (const QPair<QString, qint64>& count : countHostRows(db)) {
        if (count.second > 0)
            throw std::runtime_error(
                QStringLiteral("The host table %1 already holds rows; sample data is only "
                               "written into empty tables.")
                    .arg(count.first)
                    .toStdString());
    }

    shown.setCaption(QStringLiteral("Writing services, meal items and funding sources"));
    sampledata::writeCatalogue(db);
    shown.setCaption(QStringLiteral("Writing clients"));
    const sampledata::ClientRoster roster = sampledata::planClients(options);
    sampledata::writeClients(db, roster);
    sampledata::writeDeliveries(db, roster, options, shown);
    transaction.commit();
}

QList<QPair<QString, qint64>> countHostRows(Database& db)
{
    QList<QPair<QString, qint64>> counts;
    for (const TableDef& table : host::allTables()) {
        qint64 rows = 0;
        if (schema::tableExists(db, table.name)) {
            Statement s = db.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table.name));
            s.exec();
            if (s.next())
                rows = s.integer(0);
        }
        counts << qMakePair(table.name, rows);
    }
    return counts;
}

bool hasHostTables(Database& db)
{
    for (const TableDef& table : host::allTables()) {
        if (schema::tableExists(db, table.name))
            return true;
    }
    return false;
}
