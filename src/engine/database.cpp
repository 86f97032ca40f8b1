#include "engine/database.h"

#include "engine/tablelocks.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>
#include <QThread>
#include <atomic>

// The trace of statements the engine refused; off unless QT_LOGGING_RULES switches it on.
Q_LOGGING_CATEGORY(lcSql, "tallywick.sql", QtWarningMsg)

namespace
{

std::atomic<int> connectionCounter{0};

} // namespace

Database::Database(const ConnectionParams& params, const QString& connectionName)
    : params_(params), connectionName_(connectionName)
{
    if (isSqlite())
        dialect_ = std::make_unique<SqliteDialect>();
    else
        dialect_ = std::make_unique<PostgresDialect>();
}

std::unique_ptr<Database> Database::open(const ConnectionParams& params)
{
    const QString name = QStringLiteral("tallywick-%1").arg(++connectionCounter);
    std::unique_ptr<Database> db(new Database(params, name));
    db->connect();
    return db;
}

Database::~Database()
{
    prepared_.clear();
    locks_.reset();
    if (db_.isValid()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

void Database::connect()
{
    db_ = dialect_->addConnection(params_, connectionName_);
    if (!db_.isValid())
        throw DbError(
            DbError::GeneralFailure,
            QStringLiteral("The database driver for %1 is not installed.").arg(dialect_->name()));
    db_.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db_.open())
        throw errorFrom(db_.lastError());
    dialect_->configureSession(*this);
    locks_ = TableLocks::forDatabase(*this);
}

QString Database::directory() const
{
    return isSqlite() ? QFileInfo(params_.sqliteFile).absolutePath() : QString();
}

QString Database::engineVersion()
{
    Statement s = query(dialect_->versionQuery());
    s.exec();
    return s.next() ? dialect_->name() + QLatin1Char(' ') + s.text(0) : dialect_->name();
}

Statement Database::prepare(const QString& sql)
{
    auto found = prepared_.constFind(sql);
    if (found != prepared_.constEnd() && !(*found)->inUse)
        return Statement(*this, *found);
    // A text in use by a statement still open gets a statement of its own.
    auto prepared = std::make_shared<PreparedQuery>(prepareQuery(sql));
    if (found == prepared_.constEnd())
        prepared_.insert(sql, prepared);
    return Statement(*this, prepared);
}

Statement Database::query(const QString& sql)
{
    return Statement(*this, std::make_shared<PreparedQuery>(prepareQuery(sql)));
}

QSqlQuery Database::prepareQuery(const QString& sql)
{
    readAheadOfOtherStatements(); // preparing is a round trip of its own on PostgreSQL
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    ++traffic_.prepares;
    if (!q.prepare(sql))
        throw errorFrom(q.lastError(), sql);
    return q;
}

void Database::exec(const QString& sql)
{
    // A changed table may give a statement text another plan and another layout: statements
    // are prepared afresh after it.
    static const QRegularExpression changesTables(QStringLiteral("^\\s*(CREATE|ALTER|DROP)\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
    if (changesTables.match(sql).hasMatch()) {
        columns_.clear();
        prepared_.clear();
    }
    sendOwedSavepoints();
    run(sql);
}

void Database::run(const QString& sql)
{
    readAheadOfOtherStatements();
    QSqlQuery q(db_);
    ++traffic_.statements;
    if (!q.exec(sql))
        throw errorFrom(q.lastError(), sql);
}

DbError Database::errorFrom(const QSqlError& error, const QString& sql) const
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("The database reported an error.");
    qCDebug(lcSql) << "refused:" << sql << "-" << text;
    return DbError(
        dialect_->isKeyViolation(error) ? DbError::KeyViolation : DbError::GeneralFailure, text);
}

bool Database::tryLockTable(const QString& table)
{
    const LockRetryPolicy& policy = params_.lockRetry;
    for (int attempt = 0; attempt < policy.tries; ++attempt) {
        if (locks_->tryLock(table))
            return true;
        QThread::msleep(policy.waitMs);
    }
    return false;
}

void Database::unlockTable(const QString& table)
{
    locks_->unlock(table);
}

void Database::beginTransaction(bool write)
{
    if (transactionDepth_ == 0) {
        run(write ? dialect_->beginWriteTransaction() : QStringLiteral("BEGIN"));
        rollbackOnly_ = false;
    }
    ++transactionDepth_;
}

void Database::commitTransaction()
{
    if (transactionDepth_ == 0)
        return;
    if (transactionDepth_ == 1 && !rollbackOnly_) {
        try {
            heldRows_.write(*this);
        } catch (const DbError&) {
            rollbackTransaction();
            throw;
        }
    }
    if (--transactionDepth_ > 0)
        return;
    savepoints_.clear();
    sentSavepoints_ = 0;
    heldRows_.clear();
    if (rollbackOnly_) {
        run(QStringLiteral("ROLLBACK"));
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("The changes were undone because part of the work failed."));
    }
    run(QStringLiteral("COMMIT"));
}

void Database::rollbackTransaction()
{
    if (transactionDepth_ == 0)
        return;
    if (--transactionDepth_ > 0) {
        rollbackOnly_ = true;
        return;
    }
    savepoints_.clear();
    sentSavepoints_ = 0;
    heldRows_.clear();
    run(QStringLiteral("ROLLBACK"));
}

// A savepoint is sent to the engine only when a statement runs inside it: work that reads
// nothing and writes nothing, or reads only what the run already holds, costs no round trip.
void Database::beginSavepoint()
{
    if (transactionDepth_ == 0)
        throw DbError(DbError::GeneralFailure, QStringLiteral("A savepoint needs a transaction."));
    savepoints_.append(OpenSavepoint{rollbackOnly_, heldRows_.snapshot()});
}

void Database::sendEachOwedSavepoint()
{
    while (sentSavepoints_ < savepoints_.size()) {
        const QString sql = QStringLiteral("SAVEPOINT tw_%1").arg(sentSavepoints_);
        ++sentSavepoints_;
        run(sql);
    }
}

void Database::releaseSavepoint()
{
    if (savepoints_.isEmpty())
        return;
    const qsizetype top = savepoints_.size() - 1;
    savepoints_.removeLast();
    if (sentSavepoints_ > top) {
        sentSavepoints_ = top;
        run(QStringLiteral("RELEASE SAVEPOINT tw_%1").arg(top));
    }
}

void Database::rollbackToSavepoint()
{
    // Guards that failed inside the savepoint marked the whole transaction; going back to the
    // savepoint undoes their work, so the mark goes too.
    if (savepoints_.isEmpty())
        return;
    const qsizetype top = savepoints_.size() - 1;
    const OpenSavepoint savepoint = savepoints_.takeLast();
    rollbackOnly_ = savepoint.rollbackOnly;
    heldRows_.restore(savepoint.heldRows);
    if (sentSavepoints_ > top) {
        sentSavepoints_ = top;
        const QString name = QStringLiteral("tw_%1").arg(top);
        run(QStringLiteral("ROLLBACK TO SAVEPOINT ") + name);
        run(QStringLiteral("RELEASE SAVEPOINT ") + name);
    }
}

void Database::readRestOfReading()
{
    PreparedQuery& reading = *reading_;
    reading_ = nullptr;
    QSqlQuery& q = reading.query;
    if (!reading.layout)
        reading.layout = columnLayout(q);
    PreparedQuery::ReadAhead ahead;
    ahead.columns = q.record();
    if (q.isValid())
        ahead.current = ahead.columns;
    while (q.next())
        ahead.rows.push_back(q.record());
    if (q.lastError().isValid())
        throw errorFrom(q.lastError(), q.lastQuery());
    reading.readAhead = std::move(ahead);
}

std::shared_ptr<ColumnLayout> Database::columnLayout(const QSqlQuery& query)
{
    auto layout = columns_.constFind(query.lastQuery());
    if (layout == columns_.constEnd()) {
        auto positions = std::make_shared<ColumnLayout>();
        const QSqlRecord record = query.record();
        for (int i = record.count() - 1; i >= 0; --i)
            positions->byLowerName.insert(record.fieldName(i).toLower(), i);
        layout = columns_.insert(query.lastQuery(), positions);
    }
    return *layout;
}
