#pragma once
// One of the build's programs run as a separate process, as a user would run it: its exit
// status and what it wrote.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs `program` with `args` in `environment` and waits for it; a program that does not end
// within five minutes is killed and reported with exit code -1.
ProgramRun
runProgram(const QString& program, const QStringList& args,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The environment of a user whose settings live in `home` (HOME and XDG_CONFIG_HOME), so a run
// never reads or changes the settings of whoever runs the tests.
QProcessEnvironment environmentWithHome(const QString& home);
