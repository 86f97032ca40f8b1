// Reading the bracketed service number from a meal service's name.
#include "plugin/serviceid.h"

#include "common/conversionerrors.h"

namespace
{

constexpr int kServiceDigits = 3;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int toInteger(const QString& text)
{
    for (QChar c : text) {
        if (!isDigit(c))
            throw IntegerConversionError(text);
    }
    return text.toInt();
}

} // namespace

int ExtractServiceID(const QString& text)
{
    const qsizetype bracket = text.indexOf(QLatin1Char('['));
    QString part = text.mid(bracket < 0 ? 0 : bracket + 1, kServiceDigits).trimmed();
    const qsizetype close = part.indexOf(QLatin1Char(']'));
    if (close >= 0 && part.size() > 1)
        part = part.left(close).trimmed();
    if (part.isEmpty() || !isDigit(part.front()))
        return 0;
    return toInteger(part);
}
