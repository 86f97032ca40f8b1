#pragma once
// Dialogs that answer Yes to a register's delete question, after another workstation changed
// the document (posted it, deleted it: `sql`) while the question was open. Every text is kept.

#include "common/dialogs.h"
#include "engine/database.h"

#include <QStringList>

class ChangedWhileAsking final : public Dialogs
{
public:
    ChangedWhileAsking(Database& db, QString sql) : db_(db), sql_(std::move(sql)) {}
    void inform(Kind, const QString& text) override { shown << text; }
    Button ask(Kind, const QString& text, Buttons) override
    {
        shown << text;
        db_.exec(sql_);
        return Yes;
    }
    QStringList shown;

private:
    Database& db_;
    QString sql_;
};
