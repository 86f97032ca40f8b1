#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "data/datamodule.h"
#include "engine/dialogs.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace
{

// A progress line on the terminal, rewritten in place. A pass's line ends at 100 % or when a
// message is about to be shown; a new caption starts the next line.
class TerminalProgress final : public Progress
{
public:
    explicit TerminalProgress(QTextStream& err) : err_(err) {}
    ~TerminalProgress() override { endLine(); }

    void setRange(int, int) override {}
    void setValue(int value) override
    {
        if (caption_.isEmpty() || ended_)
            return;
        err_ << '\r' << caption_ << ": " << qSetFieldWidth(3) << value << qSetFieldWidth(0) << '%';
        err_.flush();
        open_ = true;
        if (value >= 100)
            endLine();
    }
    void setCaption(const QString& caption) override
    {
        if (caption == caption_)
            return;
        endLine();
        caption_ = caption;
        ended_ = false;
    }
    void endLine()
    {
        if (open_)
            err_ << Qt::endl;
        open_ = false;
        ended_ = true;
    }

private:
    QTextStream& err_;
    QString caption_;
    bool open_ = false;
    bool ended_ = false;
};

// Messages on their own lines, after the progress line.
class AfterProgressDialogs final : public Dialogs
{
public:
    AfterProgressDialogs(Dialogs& dialogs, TerminalProgress* progress)
        : dialogs_(dialogs), progress_(progress)
    {
    }
    void inform(Kind kind, const QString& text) override
    {
        if (progress_)
            progress_->endLine();
        dialogs_.inform(kind, text);
    }
    Button ask(Kind kind, const QString& text, Buttons buttons) override
    {
        if (progress_)
            progress_->endLine();
        return dialogs_.ask(kind, text, buttons);
    }

private:
    Dialogs& dialogs_;
    TerminalProgress* progress_;
};

} // namespace

// Synchronizes the host's clients and funders, or its meal items, with the AR tables, as the
// console's Synchronize entries do. The closing message goes to standard output; progress goes
// to standard error when that is a terminal.
int runSyncCommand(const QStringList& args, CliContext& context)
{
    const bool customers = args == QStringList{QStringLiteral("customers")};
    if (!customers && args != QStringList{QStringLiteral("items")}) {
        context.err << "Usage: tallywick sync customers|items" << Qt::endl;
        return 2;
    }
    TDataModuleARSystem module(context.dialogs);
    if (!module.schemaReport().error.isEmpty())
        return 1; // the creation sequence's error is already on standard error
    module.CurrentUserName = context.userName;

    NoProgress quiet;
    TerminalProgress terminal(context.err);
    const bool onTerminal = isatty(fileno(stderr));
    Progress& progress = onTerminal ? static_cast<Progress&>(terminal) : quiet;
    AfterProgressDialogs dialogs(context.dialogs, onTerminal ? &terminal : nullptr);
    const SyncReport report = customers ? synchronizeCustomers(module.database(), dialogs, progress)
                                        : synchronizeItems(module.database(), dialogs, progress);
    return report.clean() ? 0 : 1;
}
