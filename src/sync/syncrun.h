#pragma once
// What customer and item synchronization share: the progress bar from 0 to 100, the closing
// message, an error that ends the run shown with its own text, and the bar back at 0 on every
// way out.

#include "sync/syncreport.h"

#include <functional>

class Database;
class Dialogs;
class Progress;

class SyncRun
{
protected:
    SyncRun(Database& db, Dialogs& dialogs, Progress& progress);

    // Runs the passes and then shows the closing message; an error they raise ends the run.
    SyncReport runPasses(const std::function<void()>& passes);
    // Shows an error that the run goes on after (or that ends it) and keeps it in the report.
    void showError(const QString& text);

    Database& db_;
    Dialogs& dialogs_;
    Progress& progress_;
    SyncReport report_;

private:
    void resetProgress();
};
