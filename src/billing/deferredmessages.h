#pragma once
// Messages raised while the run holds the database for a batch of writes (a time-billed client
// without a rate, say) are kept and shown once the batch is committed, so no other workstation
// waits on a message box that nobody has read yet.

#include "common/dialogs.h"

#include <QList>
#include <utility>

namespace billing
{

class DeferredMessages final : public Dialogs
{
public:
    explicit DeferredMessages(Dialogs& target) : target_(target) {}

    void inform(Kind kind, const QString& text) override { pending_.append({kind, text}); }
    // A question needs its answer at once.
    Button ask(Kind kind, const QString& text, Buttons buttons) override
    {
        return target_.ask(kind, text, buttons);
    }

    bool hasPending() const { return !pending_.isEmpty(); }
    // Shows the kept messages in the order they came.
    void showPending()
    {
        const QList<std::pair<Kind, QString>> messages = std::exchange(pending_, {});
        for (const auto& [kind, text] : messages)
            target_.inform(kind, text);
    }

private:
    Dialogs& target_;
    QList<std::pair<Kind, QString>> pending_;
};

} // namespace billing
