// Writing amounts and dates with the patterns of formats.h. Amounts are turned into decimal
// digits first and rounded on those digits, so a Money value is shown exactly as held.
#include "common/formats.h"

#include <QStringList>
#include <cmath>

namespace
{

// A non-negative decimal number as digits: `whole` without leading zeros (empty for zero).
struct DecimalDigits {
    bool negative = false;
    QString whole;
    QString fraction;

    bool isZero() const
    {
        for (const QString& part : {whole, fraction}) {
            for (QChar c : part) {
                if (c != QLatin1Char('0'))
                    return false;
            }
        }
        return true;
    }
};

DecimalDigits digitsOf(Money value)
{
    const QString plain = value.toPlainString();
    DecimalDigits digits;
    digits.negative = plain.startsWith(QLatin1Char('-'));
    const QStringView magnitude = QStringView(plain).mid(digits.negative ? 1 : 0);
    const qsizetype point = magnitude.indexOf(QLatin1Char('.'));
    digits.whole = magnitude.left(point).toString();
    digits.fraction = magnitude.mid(point + 1).toString();
    if (digits.whole == QLatin1String("0"))
        digits.whole.clear();
    return digits;
}

// `value` must be finite.
DecimalDigits digitsOf(double value)
{
    constexpr int kSignificant = 15;
    DecimalDigits digits;
    digits.negative = std::signbit(value);
    // "d.dddddddddddddde+XX"
    const QString scientific = QString::number(std::fabs(value), 'e', kSignificant - 1);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const QString mantissa = scientific.left(1) + scientific.mid(2, e - 2);
    const int exponent = scientific.mid(e + 1).toInt();
    if (exponent >= 0) {
        const qsizetype wholeDigits = exponent + 1;
        digits.whole = mantissa.left(wholeDigits).leftJustified(wholeDigits, QLatin1Char('0'));
        digits.fraction = mantissa.mid(wholeDigits);
    } else {
        digits.fraction = QString(-exponent - 1, QLatin1Char('0')) + mantissa;
    }
    while (digits.whole.startsWith(QLatin1Char('0')))
        digits.whole.remove(0, 1);
    return digits;
}

// Keeps at most `decimals` fraction digits, rounding half away from zero (the digits are the
// magnitude, so rounding the magnitude up is rounding away from zero).
void roundTo(DecimalDigits& digits, int decimals)
{
    decimals = qMax(decimals, 0);
    if (digits.fraction.size() <= decimals)
        return;
    const bool up = digits.fraction.at(decimals) >= QLatin1Char('5');
    digits.fraction.truncate(decimals);
    if (!up)
        return;
    QString all = digits.whole + digits.fraction;
    qsizetype i = all.size() - 1;
    for (; i >= 0 && all.at(i) == QLatin1Char('9'); --i)
        all[i] = QLatin1Char('0');
    if (i >= 0)
        all[i] = QChar(all.at(i).unicode() + 1);
    else
        all.prepend(QLatin1Char('1'));
    digits.whole = all.left(all.size() - decimals);
    digits.fraction = all.right(decimals);
}

QString grouped(const QString& whole, const QString& separator)
{
    if (separator.isEmpty())
        return whole;
    QString result;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            result += separator;
        result += whole.at(i);
    }
    return result;
}

bool isPatternDigit(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

bool isNumberChar(QChar c)
{
    return isPatternDigit(c) || c == QLatin1Char('.') || c == QLatin1Char(',');
}

// One section of a number pattern.
struct NumberSection {
    QString prefix;
    QString suffix;
    bool hasDigits = false;
    bool grouping = false;
    int minWholeDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

NumberSection scanSection(const QString& text)
{
    NumberSection section;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isNumberChar(text.at(i))) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0) {
        section.prefix = text;
        return section;
    }
    section.prefix = text.left(first);
    section.suffix = text.mid(last + 1);
    bool afterPoint = false;
    bool zeroSeen = false;
    int fractionPlaces = 0;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',')) {
            section.grouping = true;
        } else if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (isPatternDigit(c)) {
            section.hasDigits = true;
            if (afterPoint) {
                ++fractionPlaces;
                section.maxDecimals = fractionPlaces;
                if (c == QLatin1Char('0'))
                    section.minDecimals = fractionPlaces;
            } else {
                zeroSeen = zeroSeen || c == QLatin1Char('0');
                if (zeroSeen)
                    ++section.minWholeDigits;
            }
        }
    }
    return section;
}

QString writeSection(const NumberSection& section, DecimalDigits digits, bool minus,
                     const FormatSettings& settings)
{
    if (!section.hasDigits)
        return section.prefix + section.suffix;
    roundTo(digits, section.maxDecimals);
    digits.fraction = digits.fraction.leftJustified(section.minDecimals, QLatin1Char('0'));
    while (digits.fraction.size() > section.minDecimals &&
           digits.fraction.endsWith(QLatin1Char('0')))
        digits.fraction.chop(1);
    QString whole = digits.whole.rightJustified(section.minWholeDigits, QLatin1Char('0'));
    if (section.grouping)
        whole = grouped(whole, settings.thousandsSeparator);
    QString number = whole;
    if (!digits.fraction.isEmpty())
        number += settings.decimalSeparator + digits.fraction;
    return (minus ? QStringLiteral("-") : QString()) + section.prefix + number + section.suffix;
}

QString formatDigits(const QString& pattern, const DecimalDigits& digits,
                     const FormatSettings& settings)
{
    const QStringList texts = pattern.split(QLatin1Char(';'));
    const auto sectionText = [&texts](int index) {
        return index < texts.size() && !texts.at(index).isEmpty() ? texts.at(index) : texts.at(0);
    };
    const NumberSection positive = scanSection(texts.at(0));
    const bool hasZeroSection = texts.size() > 2 && !texts.at(2).isEmpty();

    // Whether the value shows as zero depends on the decimals of the section it would use.
    DecimalDigits magnitude = digits;
    magnitude.negative = false;
    const NumberSection signSection = digits.negative ? scanSection(sectionText(1)) : positive;
    DecimalDigits rounded = magnitude;
    roundTo(rounded, signSection.maxDecimals);
    if (rounded.isZero())
        return writeSection(hasZeroSection ? scanSection(texts.at(2)) : positive, magnitude, false,
                            settings);
    if (!digits.negative)
        return writeSection(positive, magnitude, false, settings);
    const bool ownNegative = texts.size() > 1 && !texts.at(1).isEmpty();
    return writeSection(signSection, magnitude, !ownNegative, settings);
}

} // namespace

QString formatFloat(const QString& pattern, Money value, const FormatSettings& settings)
{
    return formatDigits(pattern, digitsOf(value), settings);
}

QString formatFloat(const QString& pattern, double value, const FormatSettings& settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    return formatDigits(pattern, digitsOf(value), settings);
}

QString formatCurrency(Money value, const FormatSettings& settings)
{
    return formatCurrency(value, settings.currencyDecimals, settings);
}

QString formatCurrency(Money value, int decimals, const FormatSettings& settings)
{
    decimals = qMax(decimals, 0);
    DecimalDigits digits = digitsOf(value);
    roundTo(digits, decimals);
    const bool negative = digits.negative && !digits.isZero();
    QString number = grouped(digits.whole.isEmpty() ? QStringLiteral("0") : digits.whole,
                             settings.thousandsSeparator);
    if (decimals > 0)
        number +=
            settings.decimalSeparator + digits.fraction.leftJustified(decimals, QLatin1Char('0'));
    const QString blank = settings.currencySymbolSpaced ? QStringLiteral(" ") : QString();
    const QString amount = settings.currencySymbolBefore ? settings.currencySymbol + blank + number
                                                         : number + blank + settings.currencySymbol;
    if (!negative)
        return amount;
    return settings.negativeCurrencyInParentheses ? QLatin1Char('(') + amount + QLatin1Char(')')
                                                  : QLatin1Char('-') + amount;
}

namespace
{

QString nameAt(const QStringList& names, int oneBased)
{
    return oneBased >= 1 && oneBased <= names.size() ? names.at(oneBased - 1) : QString();
}

QString writeDate(const QString& pattern, QDate date, const FormatSettings& settings,
                  bool allowShortDate)
{
    QString result;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype end = pattern.indexOf(c, i + 1);
            if (end < 0)
                end = pattern.size();
            result += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == QLatin1Char('/')) {
            result += settings.dateSeparator;
            ++i;
            continue;
        }
        const QChar kind = c.toLower();
        if (kind != QLatin1Char('d') && kind != QLatin1Char('m') && kind != QLatin1Char('y')) {
            result += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run).toLower() == kind)
            ++run;
        i += run;
        if (kind == QLatin1Char('d')) {
            if (run == 1)
                result += QString::number(date.day());
            else if (run == 2)
                result += QString::number(date.day()).rightJustified(2, QLatin1Char('0'));
            else if (run == 5 && allowShortDate)
                result += writeDate(settings.shortDateFormat, date, settings, false);
            else
                result += nameAt(settings.shortDayNames, date.dayOfWeek());
        } else if (kind == QLatin1Char('m')) {
            if (run == 1)
                result += QString::number(date.month());
            else if (run == 2)
                result += QString::number(date.month()).rightJustified(2, QLatin1Char('0'));
            else
                result += nameAt(settings.shortMonthNames, date.month());
        } else if (run <= 2) {
            result += QString::number(date.year() % 100).rightJustified(2, QLatin1Char('0'));
        } else {
            result += QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
        }
    }
    return result;
}

} // namespace

QString formatDate(const QString& pattern, QDate date, const FormatSettings& settings)
{
    if (!date.isValid())
        return QString();
    return writeDate(pattern, date, settings, true);
}

QString shortDate(QDate date, const FormatSettings& settings)
{
    return formatDate(settings.shortDateFormat, date, settings);
}
