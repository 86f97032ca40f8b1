#pragma once
// Progress for tests: remembers every value and caption it was given.

#include "common/dialogs.h"

#include <QList>
#include <QStringList>

class RecordingProgress final : public Progress
{
public:
    void setRange(int minimum, int maximum) override
    {
        this->minimum = minimum;
        this->maximum = maximum;
    }
    void setValue(int value) override { values << value; }
    void setCaption(const QString& caption) override { captions << caption; }

    int minimum = -1;
    int maximum = -1;
    QList<int> values;
    QStringList captions;
};
