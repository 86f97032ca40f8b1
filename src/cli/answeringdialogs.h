#pragma once
// The register commands' questions answered from their own --yes/--no, shown as the console
// shows an answered question; without one, the console answers (from the global --yes/--no)
// or refuses to guess.

#include "common/dialogs.h"

#include <optional>

class AnsweringDialogs final : public Dialogs
{
public:
    AnsweringDialogs(Dialogs& console, std::optional<Button> answer)
        : console_(console), answer_(answer)
    {
    }
    void inform(Kind kind, const QString& text) override { console_.inform(kind, text); }
    Button ask(Kind kind, const QString& text, Buttons buttons) override
    {
        if (!answer_ || !buttons.testFlag(*answer_))
            return console_.ask(kind, text, buttons);
        console_.inform(kind, text);
        return *answer_;
    }

private:
    Dialogs& console_;
    std::optional<Button> answer_;
};
