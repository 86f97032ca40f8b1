#pragma once
// Dialogs for tests: records every text shown or asked, and answers questions from a script in
// order. A question the script did not expect fails the test.

#include "common/dialogs.h"

#include <QList>
#include <QStringList>
#include <stdexcept>

class ScriptedDialogs final : public Dialogs
{
public:
    struct Shown {
        Kind kind;
        QString text;
        Buttons buttons;
        bool question;
    };

    explicit ScriptedDialogs(QList<Button> answers = {}) : answers_(std::move(answers)) {}

    void inform(Kind kind, const QString& text) override { shown_ << Shown{kind, text, Ok, false}; }

    Button ask(Kind kind, const QString& text, Buttons buttons) override
    {
        shown_ << Shown{kind, text, buttons, true};
        if (answers_.isEmpty())
            throw std::logic_error("unexpected question: " + text.toStdString());
        return answers_.takeFirst();
    }

    void answer(Button button) { answers_ << button; }
    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const
    {
        QStringList all;
        for (const Shown& s : shown_)
            all << s.text;
        return all;
    }
    int unusedAnswers() const { return int(answers_.size()); }

private:
    QList<Button> answers_;
    QList<Shown> shown_;
};
