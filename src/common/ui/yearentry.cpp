#include "common/ui/yearentry.h"

#include "common/twodigityear.h"

#include <QFocusEvent>

YearEntry::YearEntry(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(4);
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
}

void YearEntry::setYear(std::optional<int> year)
{
    year_ = year;
    if (editing_)
        setText(twoDigitYearText(year_));
    else
        showFullYear();
}

bool YearEntry::commit()
{
    if (!editing_)
        return true;
    return readTwoDigitYear(text(), year_);
}

void YearEntry::showFullYear()
{
    setText(year_ ? QString::number(*year_) : QString());
}

void YearEntry::focusInEvent(QFocusEvent* event)
{
    if (!editing_) {
        editing_ = true;
        setText(twoDigitYearText(year_));
    }
    QLineEdit::focusInEvent(event);
    selectAll();
}

void YearEntry::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window leaves the typing as it is.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (!commit()) {
        Q_EMIT invalidYear();
        return;
    }
    editing_ = false;
    showFullYear();
}
