#include "data/schemacreation.h"

#include "common/dialogs.h"
#include "data/artables.h"
#include "data/seeding.h"
#include "engine/database.h"
#include "engine/schema.h"

#include <QLoggingCategory>

// Why a table kept an older layout; the start itself says nothing about it.
Q_LOGGING_CATEGORY(lcSchema, "tallywick.schema", QtWarningMsg)

namespace
{

TableDef reportParameters()
{
    return {kReportParametersTable,
            {def::date(QStringLiteral("Delivery_Date")),
             def::string(QStringLiteral("Services"), 250),
             def::string(QStringLiteral("Routes"), 250)},
            {}};
}

void noteSeed(bool seeded, const QString& table, SchemaReport& report)
{
    if (seeded)
        report.seeded << table;
}

} // namespace

void CreateOrUpdateTable(Database& db, const TableDef& table, bool ensureFirstRow,
                         SchemaReport& report)
{
    if (!schema::tableExists(db, table.name)) {
        schema::createTable(db, table);
        report.created << table.name;
    } else if (!schema::differences(db, table).isEmpty()) {
        try {
            schema::upgradeTable(db, table);
            report.upgraded << table.name;
        } catch (const DbError& e) {
            // The table keeps its old layout and the start goes on.
            report.notUpgraded << table.name;
            report.whyNotUpgraded << e.message();
            qCWarning(lcSchema) << "kept the old layout:" << e.message();
        }
    }
    if (ensureFirstRow && schema::isEmpty(db, table.name)) {
        db.exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table.name));
        report.seeded << table.name;
    }
}

void createReportParametersTable(Database& db)
{
    const QString sql = db.dialect().createTableSql(reportParameters(), true);
    db.exec(QString(sql).replace(QStringLiteral("CREATE TEMP TABLE "),
                                 QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS ")));
}

void dropReportParametersTable(Database& db)
{
    db.exec(db.dialect().dropTempTable(kReportParametersTable));
}

SchemaReport createOrUpgradeSchema(Database& db, Dialogs& dialogs)
{
    SchemaReport report;
    try {
        createReportParametersTable(db);
        CreateOrUpdateTable(db, ar::customer(), false, report);
        CreateOrUpdateTable(db, ar::custCtl(), true, report);
        CreateOrUpdateTable(db, ar::cusType(), true, report);
        CreateOrUpdateTable(db, ar::cBalance(), false, report);
        CreateOrUpdateTable(db, ar::item(), false, report);
        noteSeed(seed::items(db), QStringLiteral("Item"), report);
        CreateOrUpdateTable(db, ar::itemCtl(), false, report);
        noteSeed(seed::itemControl(db), QStringLiteral("ItemCtl"), report);
        CreateOrUpdateTable(db, ar::itemType(), false, report);
        noteSeed(seed::itemTypes(db), QStringLiteral("ItemType"), report);
        CreateOrUpdateTable(db, ar::company(), false, report);
        seed::refreshCompany(db);
        CreateOrUpdateTable(db, ar::tax(), false, report);
        CreateOrUpdateTable(db, ar::salesman(), false, report);
        CreateOrUpdateTable(db, ar::arInv(), false, report);
        CreateOrUpdateTable(db, ar::arInvCtl(), true, report);
        CreateOrUpdateTable(db, ar::arInvPmt(), false, report);
        CreateOrUpdateTable(db, ar::arInvDet(), false, report);
        CreateOrUpdateTable(db, ar::arPmt(), false, report);
        CreateOrUpdateTable(db, ar::arPmtCtl(), true, report);
        CreateOrUpdateTable(db, ar::warehouse(), false, report);
        noteSeed(seed::warehouse(db), QStringLiteral("Warehse"), report);
        CreateOrUpdateTable(db, ar::logo(), false, report);
        CreateOrUpdateTable(db, ar::bank(), false, report);
        noteSeed(seed::bank(db), QStringLiteral("Bank"), report);
        CreateOrUpdateTable(db, ar::currency(), false, report);
        noteSeed(seed::currency(db), QStringLiteral("Currency"), report);
        CreateOrUpdateTable(db, ar::glAccount(), false, report);
    } catch (const std::exception& e) {
        report.error = QString::fromUtf8(e.what());
        dialogs.inform(Dialogs::Kind::Error, report.error);
    }
    return report;
}
