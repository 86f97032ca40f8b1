#pragma once
// A schema of its own on the PostgreSQL server TALLYWICK_PG names, made empty for one timing
// program and dropped when the program is done with it.
#include "engine/connectionparams.h"
#include "engine/database.h"

#include <QCoreApplication>
#include <memory>

class ThrowawaySchema
{
public:
    ThrowawaySchema(const ConnectionParams& server, const QString& prefix)
        : admin_(Database::open(server)),
          name_(QStringLiteral("%1_%2").arg(prefix).arg(QCoreApplication::applicationPid())),
          params_(server)
    {
        admin_->exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(name_));
        admin_->exec(QStringLiteral("CREATE SCHEMA %1").arg(name_));
        params_.schema = name_;
    }
    ~ThrowawaySchema()
    {
        try {
            admin_->exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(name_));
        } catch (...) {
            // The server went away; nothing is left to drop.
        }
    }
    ThrowawaySchema(const ThrowawaySchema&) = delete;
    ThrowawaySchema& operator=(const ThrowawaySchema&) = delete;

    // Connection details of the schema.
    const ConnectionParams& params() const { return params_; }

private:
    std::unique_ptr<Database> admin_;
    QString name_;
    ConnectionParams params_;
};
