#pragma once
// The small "Saving data" window that long runs (invoice generation) keep on top while they
// write: a text, a progress bar and a count label that its user sets.

#include "common/dialogs.h"

#include <QDialog>

class QLabel;
class QProgressBar;

class TFormARMessageBox : public QDialog, public Progress
{
    Q_OBJECT
public:
    explicit TFormARMessageBox(QWidget* parent = nullptr);

    QLabel* LabelMessage;
    QProgressBar* RzProgressBarSaveStatus;
    QLabel* LabelRecordCount;

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    void setCaption(const QString& caption) override;
};
