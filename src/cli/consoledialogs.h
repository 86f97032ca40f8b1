#pragma once
// Messages and questions on a terminal. Information goes to standard output, warnings and
// errors to standard error. A question is answered from the command line's --yes or --no; with
// neither, the command refuses to guess.

#include "common/dialogs.h"

#include <QTextStream>
#include <stdexcept>

class UnansweredQuestion : public std::runtime_error
{
public:
    explicit UnansweredQuestion(const QString& question)
        : std::runtime_error(
              (question + QStringLiteral("\nAnswer with --yes or --no.")).toStdString())
    {
    }
};

class ConsoleDialogs final : public Dialogs
{
public:
    enum class Answer { None, Yes, No };
    ConsoleDialogs(QTextStream& out, QTextStream& err, Answer answer)
        : out_(out), err_(err), answer_(answer)
    {
    }

    void inform(Kind kind, const QString& text) override;
    Button ask(Kind kind, const QString& text, Buttons buttons) override;
    // A rule's message as the terminal shows it: each line break one new line.
    static QString terminalText(const QString& text);

private:
    QTextStream& out_;
    QTextStream& err_;
    Answer answer_;
};
