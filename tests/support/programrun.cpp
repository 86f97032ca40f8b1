#include "programrun.h"

#include <QDir>
#include <QProcess>

ProgramRun runProgram(const QString& program, const QStringList& args,
                      const QProcessEnvironment& environment)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, args);
    if (!p.waitForFinished(5 * 60 * 1000)) {
        p.kill();
        p.waitForFinished();
        return {-1, {}, QStringLiteral("%1 did not end").arg(program)};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QProcessEnvironment environmentWithHome(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir(home).filePath(QStringLiteral("config")));
    return env;
}
