// A second workstation for the payment posting tests: posts every payment waiting, retrying a
// locked table until it is free, and prints how many payments it posted. With --slow MS it
// pauses after each block, so that a test can stop it in the middle of a pass.
#include "common/dialogs.h"
#include "engine/database.h"
#include "receivables/payments/posting/paymentpostingrun.h"
#include "testdatabases.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QThread>

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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--slow"))) {
        QTextStream(stderr)
            << "usage: post_payments sqlite:FILE|pg:KEYWORDS;schema=S [--slow MS]\n";
        return 2;
    }
    try {
        auto db = Database::open(testdb::paramsFromChildArgument(args[1]));
        AlwaysRetry dialogs;
        SlowProgress progress(args.size() == 4 ? args[3].toInt() : 0);
        const PaymentPostingResult result = PaymentPostingRun(*db, dialogs, progress).run();
        QTextStream(stdout) << result.posted << '\n';
        return result.outcome == PaymentPostingOutcome::Stopped ? 1 : 0;
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
}
