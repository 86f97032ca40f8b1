#pragma once
// Progress shown in the console's status bar: the first pane carries the caption, the bar the
// progress of the pass.

#include "common/dialogs.h"

class QLabel;
class QProgressBar;

class StatusBarProgress final : public Progress
{
public:
    StatusBarProgress(QLabel* pane, QProgressBar* bar) : pane_(pane), bar_(bar) {}
    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    void setCaption(const QString& caption) override;

private:
    QLabel* pane_;
    QProgressBar* bar_;
};
