#include "secondworkstation.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "testdatabases.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QThread>

namespace testdb
{

namespace
{

class AlwaysRetry final : public Dialogs
{
public:
    void inform(Kind, const QString& text) override { QTextStream(stderr) << text << '\n'; }
    Button ask(Kind, const QString&, Buttons) override { return Retry; }
};

class SlowProgress final : public Progress
{
public:
    explicit SlowProgress(int pauseMs) : pauseMs_(pauseMs) {}
    void setRange(int, int) override {}
    void setValue(int) override { QThread::msleep(pauseMs_); }
    void setCaption(const QString&) override {}

private:
    int pauseMs_;
};

} // namespace

int runSecondWorkstation(
    int argc, char** argv, const char* program,
    const std::function<SecondWorkstationPass(Database&, Dialogs&, Progress&)>& pass)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--slow"))) {
        QTextStream(stderr) << "usage: " << program
                            << " sqlite:FILE|pg:KEYWORDS;schema=S [--slow MS]\n";
        return 2;
    }
    try {
        auto db = Database::open(paramsFromChildArgument(args[1]));
        AlwaysRetry dialogs;
        SlowProgress progress(args.size() == 4 ? args[3].toInt() : 0);
        const SecondWorkstationPass result = pass(*db, dialogs, progress);
        QTextStream(stdout) << result.posted << '\n';
        return result.stopped ? 1 : 0;
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
}

} // namespace testdb
