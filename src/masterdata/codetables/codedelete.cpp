#include "masterdata/codetables/codedelete.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/schema.h"
#include "engine/transaction.h"

namespace codetables
{

std::optional<QString> systemRowRefusal(const CodeTable& table, qint64 key)
{
    if (key >= 1 && key <= table.systemRowsUpTo)
        return QStringLiteral("System-defined Item Types can't be deleted!");
    return std::nullopt;
}

std::optional<QString> guardRefusal(Database& db, const CodeTable& table, qint64 key,
                                    const QString& name)
{
    for (const DeleteGuard& guard : table.guards) {
        if (!schema::tableExists(db, guard.table))
            continue;
        for (const QString& column : guard.columns) {
            Statement s = db.prepare(
                QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = :key").arg(guard.table, column));
            s.bind(QStringLiteral("key"), key).exec();
            if (s.next() && s.integer(0) > 0)
                return table.refusalPrefix + name + QStringLiteral("'...\r") + guard.reason;
        }
    }
    return std::nullopt;
}

void deleteRow(Database& db, const CodeTable& table, qint64 key)
{
    Transaction transaction(db);
    QStringList tables = table.alsoDeleteFrom;
    tables << table.table.name;
    for (const QString& name : tables) {
        if (name != table.table.name && !schema::tableExists(db, name))
            continue;
        Statement s =
            db.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = :key").arg(name, table.key));
        s.bind(QStringLiteral("key"), key).exec();
    }
    transaction.commit();
}

bool deleteWithConfirmation(Database& db, Dialogs& dialogs, const CodeTable& table, qint64 key,
                            const QString& name)
{
    if (auto refused = systemRowRefusal(table, key)) {
        dialogs.inform(Dialogs::Kind::Warning, *refused);
        return false;
    }
    if (dialogs.ask(Dialogs::Kind::Confirmation, QStringLiteral("Delete '%1'?").arg(name),
                    Dialogs::Yes | Dialogs::No) != Dialogs::Yes)
        return false;
    if (auto refused = guardRefusal(db, table, key, name)) {
        dialogs.inform(Dialogs::Kind::Error, *refused);
        return false;
    }
    deleteRow(db, table, key);
    return true;
}

} // namespace codetables
