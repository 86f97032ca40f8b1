#include "sync/syncrun.h"

#include "common/dialogs.h"

SyncRun::SyncRun(Database& db, Dialogs& dialogs, Progress& progress)
    : db_(db), dialogs_(dialogs), progress_(progress)
{
}

SyncReport SyncRun::runPasses(const std::function<void()>& passes)
{
    progress_.setRange(0, 100);
    try {
        passes();
        report_.completed = true;
        dialogs_.inform(Dialogs::Kind::Information, kSynchronizationCompleted);
    } catch (const std::exception& e) {
        resetProgress();
        showError(QString::fromUtf8(e.what()));
        return report_;
    }
    resetProgress();
    return report_;
}

void SyncRun::showError(const QString& text)
{
    report_.errorsShown << text;
    dialogs_.inform(Dialogs::Kind::Error, text);
}

void SyncRun::resetProgress()
{
    progress_.setValue(0);
    progress_.setCaption(QString());
}
