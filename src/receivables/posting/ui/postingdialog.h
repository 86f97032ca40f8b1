#pragma once
// What the posting dialogs (Post AR Invoices, Post AR Payments) share: the count of documents
// waiting, a progress bar and OK and Cancel. OK runs the pass under the busy cursor and closes
// the dialog, with OK only once posting ran, so the register knows to show its list again;
// with nothing waiting OK closes with Cancel. A declined lock or an engine failure before
// posting began is shown as an error.

#include "common/ui/messageboxdialogs.h"

#include <QDialog>
#include <functional>

class Database;
class Progress;
class QLabel;
class QProgressBar;

class PostingDialog : public QDialog
{
    Q_OBJECT
public:
    // Counts the documents waiting and shows "N ... to be posted".
    void OpenQuery();
    // How many documents the dialog found waiting; the register offers the dialog only when
    // some are.
    int waiting() const { return waiting_; }

    QLabel* LabelCount = nullptr;
    QProgressBar* ProgressBar = nullptr;

protected:
    struct Pass {
        std::function<int(Database&)> countWaiting;
        std::function<QString(int)> toBePostedText;
        // Runs the pass; true when it ran (the dialog then closes with OK).
        std::function<bool(Database&, Dialogs&, Progress&)> post;
    };
    PostingDialog(Database& db, const QString& objectName, const QString& caption, Pass pass,
                  QWidget* parent);

private:
    void btnOKClick();

    Database& db_;
    Pass pass_;
    MessageBoxDialogs dialogs_;
    int waiting_ = 0;
};
