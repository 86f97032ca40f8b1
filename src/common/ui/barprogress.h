#pragma once
// A dialog's progress bar (and, where it has one, the label under it for the captions) as a
// run's progress; the dialog repaints as the run moves on, without taking the user's input.

#include "common/dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

class BarProgress final : public Progress
{
public:
    explicit BarProgress(QProgressBar* bar, QLabel* caption = nullptr)
        : bar_(bar), caption_(caption)
    {
    }
    void setRange(int minimum, int maximum) override { bar_->setRange(minimum, maximum); }
    void setValue(int value) override
    {
        bar_->setValue(value);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void setCaption(const QString& caption) override
    {
        if (!caption_)
            return;
        caption_->setText(caption);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    QProgressBar* bar_;
    QLabel* caption_;
};
