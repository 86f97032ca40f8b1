#include "sync/passinsert.h"

#include "engine/database.h"
#include "engine/recordwriter.h"

PassInsert::PassInsert(Database& db, const TableDef& table, const QStringList& fields,
                       int rowsPerCommit)
    : db_(db), rowsPerCommit_(std::max(1, rowsPerCommit)),
      // Inside a unit of work of the caller's, that unit decides what stays.
      grouped_(db.transactionDepth() == 0)
{
    QStringList columns;
    for (const QString& name : fields) {
        const FieldDef* field = table.field(name);
        if (!field)
            throw DbError(DbError::GeneralFailure,
                          QStringLiteral("Field '%1' not found in table %2").arg(name, table.name));
        fields_ << *field;
        columns << Dialect::identifier(field->name);
        placeholders_ << QStringLiteral(":p%1").arg(placeholders_.size() + 1);
    }
    insert_.emplace(db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(table.name, columns.join(QStringLiteral(", ")),
                                        placeholders_.join(QStringLiteral(", ")))));
}

PassInsert::~PassInsert()
{
    try {
        finish();
    } catch (...) {
        // Nothing more can be kept; the next run adds what is still missing.
    }
}

void PassInsert::write(const QVariantList& fitted)
{
    for (qsizetype i = 0; i < fitted.size(); ++i)
        insert_->bind(placeholders_[i], fitted[i]);
    insert_->exec();
}

void PassInsert::add(const QVariantList& values)
{
    if (values.size() != fields_.size())
        throw DbError(DbError::GeneralFailure, QStringLiteral("A new row needs %1 values, not %2")
                                                   .arg(fields_.size())
                                                   .arg(values.size()));
    QVariantList fitted;
    fitted.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        fitted << records::fitToField(fields_[i], values[i]);

    if (!grouped_) {
        write(fitted);
        return;
    }
    if (!group_)
        group_.emplace(db_, Transaction::Mode::Write);
    try {
        write(fitted);
    } catch (const DbError&) {
        group_.reset(); // undoes the group
        const QList<QVariantList> before = std::move(groupRows_);
        groupRows_.clear();
        for (const QVariantList& row : before)
            write(row);
        throw;
    }
    groupRows_ << fitted;
    if (groupRows_.size() >= rowsPerCommit_)
        finish();
}

void PassInsert::finish()
{
    if (!group_)
        return;
    groupRows_.clear();
    struct Close {
        std::optional<Transaction>& group;
        ~Close() { group.reset(); }
    } close{group_};
    group_->commit();
}
