#pragma once
// Progress of a long command on the terminal: one line on standard error, rewritten in place,
// and messages kept off that line. Only used when standard error is a terminal.

#include "common/dialogs.h"

#include <QTextStream>
#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

inline bool stderrIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr));
#else
    return isatty(fileno(stderr));
#endif
}

// A pass's line ends at 100 % or when a message is about to be shown; a new caption starts the
// next line.
class TerminalProgress final : public Progress
{
public:
    explicit TerminalProgress(QTextStream& err) : err_(err) {}
    ~TerminalProgress() override { endLine(); }

    void setRange(int minimum, int maximum) override
    {
        minimum_ = minimum;
        maximum_ = maximum;
    }
    void setValue(int value) override
    {
        if (caption_.isEmpty() || ended_)
            return;
        if (maximum_ > minimum_)
            value = int(qint64(value - minimum_) * 100 / (maximum_ - minimum_));
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
    int minimum_ = 0;
    int maximum_ = 100;
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

// The terminal line when standard error is a terminal, otherwise nothing; and the dialogs that
// keep messages off that line.
struct ConsoleProgress {
    explicit ConsoleProgress(QTextStream& err, Dialogs& dialogs)
        : terminal(err), onTerminal(stderrIsTerminal()),
          dialogs(dialogs, onTerminal ? &terminal : nullptr)
    {
    }
    Progress& progress() { return onTerminal ? static_cast<Progress&>(terminal) : quiet; }

    NoProgress quiet;
    TerminalProgress terminal;
    const bool onTerminal;
    AfterProgressDialogs dialogs;
};
