#pragma once
// "Select a Date": the invoice date whose unposted invoices the register deletes. OK or a
// double-click on a day accepts; Cancel abandons.

#include <QDate>
#include <QDialog>

class QCalendarWidget;

class TFormSelectDeleteDate : public QDialog
{
    Q_OBJECT
public:
    explicit TFormSelectDeleteDate(QWidget* parent = nullptr);
    QDate selectedDate() const;

    QCalendarWidget* calendar;
};
