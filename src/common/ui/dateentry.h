#pragma once
// A date box for documents: shown as "dd mmm yy", typed as two-digit day, month and year in the
// desktop's order and read with the two-digit-year rule; "+" and "-" move it a day (from today
// when it is empty).

#include <QDate>
#include <QLineEdit>

class DateEntry : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateEntry(QWidget* parent = nullptr);

    QDate date() const { return date_; }
    void setDate(const QDate& date);
    // The edit text for a date: "12/06/26" in the month/day/year order.
    static QString editText(const QDate& date);

Q_SIGNALS:
    void dateEdited(const QDate& date);
    // The typed text is not a date; the message is the date reader's own.
    void invalidDate(const QString& message);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool commitText();
    void showDisplayText();

    QDate date_;
    bool editing_ = false;
};
