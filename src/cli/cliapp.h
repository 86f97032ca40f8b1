#pragma once
// The `tallywick` command line: global options, then one command.

#include <QStringList>
#include <QTextStream>

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
