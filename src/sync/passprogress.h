#pragma once
// The progress of one pass over new rows: 0 at the start, then the whole percentage of rows
// done, passed on only when it changes.

#include "common/dialogs.h"

class PassProgress
{
public:
    PassProgress(Progress& progress, const QString& caption) : progress_(progress)
    {
        progress_.setCaption(caption);
        progress_.setValue(0);
    }

    void done(qint64 rows, qint64 of)
    {
        const int percent = of > 0 ? int(rows * 100 / of) : 0;
        if (percent != shown_) {
            shown_ = percent;
            progress_.setValue(percent);
        }
    }

private:
    Progress& progress_;
    int shown_ = 0;
};
