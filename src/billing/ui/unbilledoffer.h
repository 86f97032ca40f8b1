#pragma once
// After a generation run that left meal credits unbilled, the generation screen asks whether to
// show them; Yes opens the Unbilled Deliveries report in the preview window, No does nothing.

#include "billing/unbilledstore.h"

#include <QString>

class Dialogs;
class QWidget;
class TfrmPreview;

// "3 deliveries were not billed. Show them?", or for one "1 delivery was not billed. Show it?".
QString unbilledQuestion(int count);

// Shows the run's Unbilled Deliveries report in a preview window of its own (deleted when
// closed) and returns it; when the report cannot be laid out, shows the error and returns null.
TfrmPreview* showUnbilledDeliveries(Dialogs& dialogs, const billing::UnbilledRun& run,
                                    QWidget* parent);

// Shown when the user asks for the last run's list and none is kept.
inline const QString kNoUnbilledRunKept =
    QStringLiteral("No generation run of yours is kept yet: the list of meals a run did not bill "
                   "is kept after each run.");

// Asks only when the run left a meal credit unbilled. On Yes shows the run's report in a preview
// window of its own (deleted when closed) and returns it; otherwise, or when the report cannot
// be laid out (the error's text is shown), returns null.
TfrmPreview* offerUnbilledDeliveries(Dialogs& dialogs, const billing::UnbilledRun& run,
                                     QWidget* parent);
