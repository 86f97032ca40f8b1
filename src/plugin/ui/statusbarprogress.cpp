#include "plugin/ui/statusbarprogress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

void StatusBarProgress::setRange(int minimum, int maximum)
{
    bar_->setRange(minimum, maximum);
}

void StatusBarProgress::setValue(int value)
{
    bar_->setValue(value);
    // Long passes run on the user-interface thread; let the bar repaint.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StatusBarProgress::setCaption(const QString& caption)
{
    pane_->setText(caption);
}
