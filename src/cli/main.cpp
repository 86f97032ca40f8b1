#include "cli/cliapp.h"
#include "common/memoryreuse.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Printed documents need fonts, which a GUI application provides; the command line never
    // opens a window, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session there is no runtime folder; a private one in the temporary
    // folder spares every command a warning about it.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime =
            QDir::temp().filePath(QStringLiteral("tallywick-runtime-%1").arg(getuid()));
        if (QDir().mkpath(runtime)) {
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        }
    }
    keepFreedMemoryForReuse(); // a long report prints faster
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallywick"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return runCommandLine(arguments, out, err);
}
