#include "common/ui/savechanges.h"

#include "common/dialogs.h"

CloseDecision decideOnClose(Dialogs& dialogs, bool modified, bool untouchedNewRecord)
{
    if (!modified || untouchedNewRecord)
        return CloseDecision::Discard;
    switch (dialogs.ask(Dialogs::Kind::Confirmation, QStringLiteral("Do you want to save changes?"),
                        Dialogs::Yes | Dialogs::No | Dialogs::Cancel)) {
    case Dialogs::Yes:
        return CloseDecision::Save;
    case Dialogs::No:
        return CloseDecision::Discard;
    default:
        return CloseDecision::StayOpen;
    }
}
