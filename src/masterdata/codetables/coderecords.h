#pragma once
// Reading and saving one row of a code table: the row's values by field name, what is missing
// before it can be saved, the key a new row gets, and the member's own message when another
// user took the key first.

#include "masterdata/codetables/codetable.h"

#include <QVariantMap>
#include <optional>
#include <stdexcept>

class Database;

namespace codetables
{

// A record the rules will not save or delete: the message, and the field to put the cursor in.
class Refusal : public std::runtime_error
{
public:
    Refusal(const QString& message, const QString& field = {});
    QString message() const { return QString::fromUtf8(what()); }
    QString field() const { return field_; }

private:
    QString field_;
};

// The listed rows in the member's order: the key first, then each column (amounts as Money).
struct ListRow {
    qint64 key = 0;
    QVariantList cells;
};
QList<ListRow> listRows(Database& db, const CodeTable& table, const QString& filter = {},
                        const QStringList& orderBy = {});

// The record screen's fields of one row; empty when the row is gone.
QVariantMap loadRecord(Database& db, const CodeTable& table, qint64 key);
QString rowName(Database& db, const CodeTable& table, qint64 key);

// The first requirement the values do not meet, in the member's order.
std::optional<Refusal> firstMissing(const CodeTable& table, const QVariantMap& values);

// The key a new row gets: one above the highest, 1 in an empty table.
qint64 nextKey(Database& db, const CodeTable& table);

// Saves the record: refuses what is missing and a pick that another user deleted meanwhile,
// gives a new row its key (items carry theirs already), and answers a taken key with the
// member's duplicate message. Returns the row's key. Other engine failures raise DbError.
qint64 saveRecord(Database& db, const CodeTable& table, QVariantMap values,
                  std::optional<qint64> existingKey);

} // namespace codetables
