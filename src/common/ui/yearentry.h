#pragma once
// A year box typed with two digits (49 is 2049, 50 is 1950) that shows the full year when the
// cursor is elsewhere. Empty text clears it. Text that is not a two-digit year stays in the box
// and is reported, so the screen can show its own message and bring the cursor back.

#include <QLineEdit>
#include <optional>

class YearEntry : public QLineEdit
{
    Q_OBJECT
public:
    explicit YearEntry(QWidget* parent = nullptr);

    std::optional<int> year() const { return year_; }
    void setYear(std::optional<int> year);
    // Takes what is typed while the box is being edited; false when it is not a two-digit year
    // (the year stays as it was).
    bool commit();

Q_SIGNALS:
    // The box was left holding text that is not a two-digit year.
    void invalidYear();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showFullYear();

    std::optional<int> year_;
    bool editing_ = false;
};
