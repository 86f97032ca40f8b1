#include "cli/cliapp.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // Printed documents need fonts, which a GUI application provides; the command line never
    // opens a window, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallywick"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return runCommandLine(arguments, out, err);
}
