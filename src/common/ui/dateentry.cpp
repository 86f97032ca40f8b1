#include "common/ui/dateentry.h"

#include "common/conversionerrors.h"
#include "common/date2000.h"
#include "common/datereader.h"
#include "common/formats.h"

#include <QKeyEvent>

namespace
{

QString editPattern()
{
    const FormatSettings& settings = currentFormatSettings();
    const QString sep = settings.dateSeparator;
    switch (dateOrderOf(settings.shortDateFormat)) {
    case DateOrder::DayMonthYear:
        return QStringLiteral("dd") + sep + QStringLiteral("MM") + sep + QStringLiteral("yy");
    case DateOrder::YearMonthDay:
        return QStringLiteral("yy") + sep + QStringLiteral("MM") + sep + QStringLiteral("dd");
    case DateOrder::MonthDayYear:
        break;
    }
    return QStringLiteral("MM") + sep + QStringLiteral("dd") + sep + QStringLiteral("yy");
}

} // namespace

DateEntry::DateEntry(QWidget* parent) : QLineEdit(parent)
{
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00 MMM 0000")) + 16);
}

QString DateEntry::editText(const QDate& date)
{
    return date.isValid() ? date.toString(editPattern()) : QString();
}

void DateEntry::setDate(const QDate& date)
{
    date_ = date;
    if (editing_)
        setText(editText(date_));
    else
        showDisplayText();
}

void DateEntry::showDisplayText()
{
    setInputMask(QString());
    setText(date_.isValid() ? formatDate(QString(kListDateFormat), date_) : QString());
}

void DateEntry::focusInEvent(QFocusEvent* event)
{
    editing_ = true;
    const QString sep = currentFormatSettings().dateSeparator;
    setInputMask(QStringLiteral("99") + sep + QStringLiteral("99") + sep + QStringLiteral("99;_"));
    setText(editText(date_));
    QLineEdit::focusInEvent(event);
    selectAll();
}

void DateEntry::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!commitText())
        return;
    editing_ = false;
    showDisplayText();
}

bool DateEntry::commitText()
{
    const QString typed = text();
    const QString sep = currentFormatSettings().dateSeparator;
    if (QString(typed).remove(sep).remove(QLatin1Char('_')).trimmed().isEmpty()) {
        if (date_.isValid()) {
            date_ = QDate();
            Q_EMIT dateEdited(date_);
        }
        return true;
    }
    try {
        const QDate read = Date2000(typed);
        if (read != date_) {
            date_ = read;
            Q_EMIT dateEdited(date_);
        }
        return true;
    } catch (const ConversionError& e) {
        Q_EMIT invalidDate(e.message());
        return false;
    }
}

void DateEntry::keyPressEvent(QKeyEvent* event)
{
    const int step = event->key() == Qt::Key_Plus ? 1 : event->key() == Qt::Key_Minus ? -1 : 0;
    if (step == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    date_ = (date_.isValid() ? date_ : QDate::currentDate()).addDays(step);
    setText(editing_ ? editText(date_) : formatDate(QString(kListDateFormat), date_));
    Q_EMIT dateEdited(date_);
}
