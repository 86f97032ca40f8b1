#include "receivables/listing/unposteddelete.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/transaction.h"

#include <optional>

namespace
{

struct StoredDocument {
    QString number;
    bool posted = false;
};

std::optional<StoredDocument> storedDocument(Database& db, const DocumentTables& t, qint64 id)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT %1, Posted FROM %2 WHERE %3 = :id").arg(t.number, t.table, t.key));
    s.bind(QStringLiteral(":id"), id).exec();
    if (!s.next())
        return std::nullopt;
    return StoredDocument{s.text(0), s.boolean(1)};
}

} // namespace

DeleteOutcome deleteUnposted(Database& db, Dialogs& dialogs, const DocumentTables& tables,
                             qint64 id, const DeleteTexts& texts)
{
    const std::optional<StoredDocument> document = storedDocument(db, tables, id);
    if (!document)
        return DeleteOutcome::NotFound;
    if (document->posted) {
        dialogs.inform(Dialogs::Kind::Warning, texts.postedCantBeDeleted);
        return DeleteOutcome::Refused;
    }
    if (dialogs.ask(Dialogs::Kind::Confirmation, texts.confirm(document->number),
                    Dialogs::Yes | Dialogs::No) != Dialogs::Yes)
        return DeleteOutcome::Abandoned;

    Transaction transaction(db);
    // The document first and only while unposted: it holds the row against posting until its
    // lines are gone too, and tells whether posting came first while the question was open.
    Statement header = db.prepare(
        QStringLiteral("DELETE FROM %1 WHERE %2 = :id AND COALESCE(Posted, false) = false")
            .arg(tables.table, tables.key));
    header.bind(QStringLiteral(":id"), id).exec();
    if (header.rowsAffected() == 0) {
        if (!storedDocument(db, tables, id))
            return DeleteOutcome::NotFound;
        dialogs.inform(Dialogs::Kind::Warning, texts.postedMeanwhile(document->number));
        return DeleteOutcome::Refused;
    }
    Statement lines = db.prepare(
        QStringLiteral("DELETE FROM %1 WHERE %2 = :id").arg(tables.linesTable, tables.key));
    lines.bind(QStringLiteral(":id"), id).exec();
    transaction.commit();
    return DeleteOutcome::Deleted;
}
