#pragma once
// A month of a small sample meal program made with the command line itself, in a scratch folder
// of its own, as a bookkeeper would set it up: the host's sample, customers and items
// synchronized, and March 2025's invoices generated. The command tests run the `tallywick`
// program against it.

#include "programrun.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class Database;

class SampleMonth
{
public:
    // Makes the month; returns what went wrong, empty on success.
    QString make(int clients);

    const QString& data() const { return data_; }
    QString scratchPath(const QString& name) const { return scratch_.filePath(name); }

    // `tallywick ARGS`, with the user's settings kept in the scratch folder.
    ProgramRun tallywick(const QStringList& args) const;
    // `tallywick --data DATA ARGS`.
    ProgramRun onData(const QStringList& args) const;

    std::unique_ptr<Database> open() const;
    // The first column of the first row, as a number or as text.
    qint64 number(const QString& sql) const;
    QString text(const QString& sql) const;

private:
    QTemporaryDir scratch_;
    QString data_;
};
