// Hearthtable, as far as the AR module needs it: loads PlgTallywick from its own folder.
#include "host/ui/hostwindow.h"
#include "plugin/loginname.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hearthtable"));
    QApplication::setApplicationDisplayName(QStringLiteral("Hearthtable"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Hearthtable with the Tallywick billing module."));
    parser.addHelpOption();
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Work on the database in DIR for this run."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption user(QStringLiteral("user"),
                                  QStringLiteral("The signed-in user's name."),
                                  QStringLiteral("NAME"));
    parser.addOption(data);
    parser.addOption(user);
    parser.process(app);

    const QString dataDir =
        parser.isSet(data) ? QFileInfo(parser.value(data)).absoluteFilePath() : QString();
    HearthtableWindow window(parser.isSet(user) ? parser.value(user) : loginName(), dataDir);
    if (!window.loadPlugIn(
            QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("PlgTallywick"))))
        QMessageBox::warning(&window, QStringLiteral("Hearthtable"),
                             QStringLiteral("The Tallywick module could not be loaded:\n") +
                                 window.loadError());
    window.show();
    return QApplication::exec();
}
