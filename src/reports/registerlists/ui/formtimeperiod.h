#pragma once
// "Time Period": the first and last day of the period a time-period list prints, both
// included; it opens on the previous month. OK stays off until both dates are there and the
// period does not end before it begins.

#include "reports/registerlists/timeperiodlists.h"

#include <QDialog>

class DateEntry;
class QPushButton;

class TFormTimePeriod : public QDialog
{
    Q_OBJECT
public:
    // `today` decides which month is the previous one.
    explicit TFormTimePeriod(const QDate& today, QWidget* parent = nullptr);

    reports::TimePeriod period() const;
    void setPeriod(const reports::TimePeriod& period);

    DateEntry* edtDateFrom;
    DateEntry* edtDateTo;
    QPushButton* btnOK;
    QPushButton* btnCancel;

public Q_SLOTS:
    void accept() override;

private:
    bool periodValid() const;
    void updateOK();
};
