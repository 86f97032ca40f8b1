#pragma once
// The new rows of one synchronization pass, each written by its own INSERT, as if each were a
// unit of work of its own: a pass that stops half-way keeps exactly the rows before the one that
// failed. For speed the rows are committed in groups; when a row fails, its group is undone and
// the rows before it are written again one by one before the failure is raised.
//
// Values are fitted to their fields (text cut to the field's size, empty text stored as NULL).

#include "engine/statement.h"
#include "engine/tabledef.h"
#include "engine/transaction.h"

#include <QList>
#include <QStringList>
#include <QVariantList>
#include <optional>

class Database;

class PassInsert
{
public:
    PassInsert(Database& db, const TableDef& table, const QStringList& fields,
               int rowsPerCommit = 1000);
    // Keeps what was written: the rows of the open group are committed.
    ~PassInsert();
    PassInsert(const PassInsert&) = delete;
    PassInsert& operator=(const PassInsert&) = delete;

    // Writes one row, its values in the order of the fields. Raises DbError when the engine
    // refuses it; the rows added before it stay.
    void add(const QVariantList& values);
    // Commits the rows of the open group.
    void finish();

private:
    void write(const QVariantList& fitted);

    Database& db_;
    QList<FieldDef> fields_;
    QStringList placeholders_;
    std::optional<Statement> insert_;
    int rowsPerCommit_;
    bool grouped_;
    std::optional<Transaction> group_;
    QList<QVariantList> groupRows_;
};
