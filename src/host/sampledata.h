#pragma once
// Sample data for the host's tables: a meal program with its services, menu, funders and price
// lists, a roster of clients with their billing contacts and pledges, and a period of weekday
// deliveries with the meals each one brought. The same options and seed always give the same
// rows, on either engine, so a demo, a test and a benchmark can each rebuild what another saw.

#include <QDate>
#include <QList>
#include <QPair>
#include <QStringList>

class Database;
class Progress;

struct SampleDataOptions {
    static constexpr int kMinClients = 20;    // enough for every kind of client to appear
    static constexpr int kMaxClients = 90000; // client numbers then stay within seven characters
    static constexpr int kMaxMonths = 24;

    int clients = 200;
    QDate periodStart; // the first day of the first month with deliveries
    int months = 1;
    quint64 seed = 1;

    // The last day of the last month with deliveries.
    QDate periodEnd() const { return periodStart.addMonths(months).addDays(-1); }
    // Why these options cannot be used, or empty.
    QString problem() const;
    // The first day of the calendar month before the one `today` falls in.
    static QDate previousMonthStart(const QDate& today);
};

// Creates the host tables that are missing and fills them, all in one transaction: a failure
// leaves the database as it was. Refuses when the options are unusable (std::invalid_argument)
// or a host table already holds rows (std::runtime_error). progress may be null.
void generateSampleData(Database& db, const SampleDataOptions& options,
                        Progress* progress = nullptr);

// Checks that the host tables hold what billing needs to be shown in full: deliveries with meal
// credits of the same date, funding codes that exist, every billed party and reimbursement
// method, daily and monthly rates, every pledge method and period, and items in every meal
// category. Returns one
// line per fault; an empty list means the data passed.
QStringList checkSampleData(Database& db);

// How many rows each host table holds, in the order the host declares its tables.
QList<QPair<QString, qint64>> countHostRows(Database& db);

// True when the database already has at least one of the host's tables.
bool hasHostTables(Database& db);
