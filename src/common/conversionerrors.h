// The errors raised when typed text is not a date or not a whole number. Callers let them
// reach the application's error handler, which shows the message.
#pragma once

#include <QString>
#include <stdexcept>

class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// "'<text>' is not a valid date"
class DateConversionError : public ConversionError
{
public:
    explicit DateConversionError(const QString& text)
        : ConversionError(QStringLiteral("'%1' is not a valid date").arg(text))
    {
    }
};

// "'<text>' is not a valid integer value"
class IntegerConversionError : public ConversionError
{
public:
    explicit IntegerConversionError(const QString& text)
        : ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text))
    {
    }
};
