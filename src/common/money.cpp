// Money conversions: host values and typed amounts in, exact decimal text out, and the cent
// rounding of line amounts, taxes and discounts.
#include "common/money.h"

#include "common/formatsettings.h"
#include "common/roundit.h"

#include <QDebug>
#include <QVariant>
#include <cmath>
#include <limits>

namespace
{

constexpr int kDecimals = 4;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The ten-thousandths of a decimal number given as its digits before and after the point,
// rounded half away from zero at the fourth decimal. Empty when it does not fit.
std::optional<qint64> rawFromDigits(QStringView whole, QStringView fraction, bool negative)
{
    quint64 magnitude = 0;
    const auto append = [&magnitude](int digit) {
        return !__builtin_mul_overflow(magnitude, 10u, &magnitude) &&
               !__builtin_add_overflow(magnitude, quint64(digit), &magnitude);
    };
    for (QChar c : whole) {
        if (!append(c.unicode() - '0'))
            return std::nullopt;
    }
    for (int i = 0; i < kDecimals; ++i) {
        if (!append(i < fraction.size() ? fraction[i].unicode() - '0' : 0))
            return std::nullopt;
    }
    if (fraction.size() > kDecimals && fraction[kDecimals] >= QLatin1Char('5')) {
        if (__builtin_add_overflow(magnitude, 1u, &magnitude))
            return std::nullopt;
    }
    // A negative amount may reach one ten-thousandth further than a positive one.
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    return negative ? qint64(0 - magnitude) : qint64(magnitude);
}

// Plain decimal text as a database hands it over: optional sign, digits, optional point and
// digits. Blanks around it are ignored.
std::optional<qint64> rawFromDecimalText(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+'))) {
        negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    for (QStringView part : {whole, fraction}) {
        for (QChar c : part) {
            if (!isAsciiDigit(c))
                return std::nullopt;
        }
    }
    return rawFromDigits(whole, fraction, negative);
}

std::optional<qint64> rawFromUnits(qint64 units)
{
    qint64 raw = 0;
    if (__builtin_mul_overflow(units, Money::kScale, &raw))
        return std::nullopt;
    return raw;
}

// A whole number of the given unit, from an already rounded floating value; empty when it is
// not finite or does not fit.
std::optional<qint64> wholeFromRounded(long double rounded)
{
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (!std::isfinite(rounded) || rounded >= kLimit || rounded < -kLimit)
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

std::optional<qint64> rawFromFloating(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return wholeFromRounded(RoundIt(static_cast<long double>(value) * Money::kScale));
}

std::optional<Money> moneyFromRaw(std::optional<qint64> raw)
{
    if (!raw)
        return std::nullopt;
    return Money::fromRaw(*raw);
}

std::optional<Money> convertHostValue(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return Money();
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return moneyFromRaw(rawFromFloating(value.toDouble()));
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return moneyFromRaw(rawFromUnits(value.toLongLong()));
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong units = value.toULongLong();
        if (units > qulonglong(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return moneyFromRaw(rawFromUnits(qint64(units)));
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = value.toString();
        if (text.trimmed().isEmpty())
            return Money();
        return moneyFromRaw(rawFromDecimalText(text));
    }
    default:
        if (value.metaType() == QMetaType::fromType<Money>())
            return value.value<Money>();
        return std::nullopt;
    }
}

// Takes `affix` off the front (or back) of `text` when it is there, ignoring blanks next to it.
bool stripPrefix(QString& text, const QString& affix)
{
    if (affix.isEmpty() || !text.startsWith(affix))
        return false;
    text = text.mid(affix.size()).trimmed();
    return true;
}

bool stripSuffix(QString& text, const QString& affix)
{
    if (affix.isEmpty() || !text.endsWith(affix))
        return false;
    text.chop(affix.size());
    text = text.trimmed();
    return true;
}

bool isBlankSeparator(const QString& separator)
{
    return separator.size() == 1 && separator.front().isSpace();
}

} // namespace

Money Money::fromHost(const QVariant& value, bool* ok)
{
    const std::optional<Money> converted = convertHostValue(value);
    if (ok)
        *ok = converted.has_value();
    return converted.value_or(Money());
}

std::optional<Money> Money::tryFromHost(const QVariant& value)
{
    return convertHostValue(value);
}

std::optional<Money> Money::parse(const QString& input, const FormatSettings& settings)
{
    QString text = input.trimmed();
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    // The minus may stand before or after the currency symbol: "-$5" and "$-5".
    if (!negative && stripPrefix(text, QStringLiteral("-")))
        negative = true;
    if (!stripPrefix(text, settings.currencySymbol))
        stripSuffix(text, settings.currencySymbol);
    if (!negative && stripPrefix(text, QStringLiteral("-")))
        negative = true;
    if (text.isEmpty())
        return std::nullopt;

    const QString& decimal = settings.decimalSeparator;
    const qsizetype point = decimal.isEmpty() ? -1 : text.indexOf(decimal);
    QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + decimal.size());
    const QString& group = settings.thousandsSeparator;
    if (!group.isEmpty()) {
        whole.remove(group);
        // Typed blanks stand for a blank-like group separator (no-break or narrow space).
        if (isBlankSeparator(group))
            whole.remove(QLatin1Char(' '));
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    for (const QString& part : {whole, fraction}) {
        for (QChar c : part) {
            if (!isAsciiDigit(c))
                return std::nullopt;
        }
    }
    return moneyFromRaw(rawFromDigits(whole, fraction, negative));
}

Money Money::lineAmount(double quantity, Money unitPrice)
{
    // A whole quantity of a price in whole cents needs no rounding: most lines of a run are so.
    // Both are kept small enough that the product in ten-thousandths cannot overflow.
    constexpr double kMostQuantity = 1e6;
    constexpr qint64 kMostCents = 1000000000;
    const qint64 priceCents = unitPrice.m_raw / kPerCent;
    if (unitPrice.m_raw % kPerCent == 0 && quantity == std::trunc(quantity) &&
        std::fabs(quantity) <= kMostQuantity && priceCents <= kMostCents &&
        priceCents >= -kMostCents)
        return fromCents(static_cast<qint64>(quantity) * priceCents);
    // quantity × price × 100 = quantity × raw ÷ 100 cents.
    const long double cents = static_cast<long double>(quantity) * unitPrice.m_raw / kPerCent;
    return fromCents(wholeFromRounded(RoundIt(cents)).value_or(0));
}

Money Money::percentOf(Money amount, double ratePercent)
{
    if (amount.m_raw == 0 || ratePercent == 0.0)
        return Money();
    // amount × rate ÷ 100 × 100 = raw × rate ÷ 10000 cents.
    const long double cents = static_cast<long double>(amount.m_raw) * ratePercent / kScale;
    return fromCents(wholeFromRounded(RoundIt(cents)).value_or(0));
}

Money Money::roundedToCents() const
{
    const qint64 below = m_raw % kPerCent; // carries the sign of m_raw
    qint64 cents = m_raw / kPerCent;
    if (below >= kPerCent / 2)
        ++cents;
    else if (below <= -kPerCent / 2)
        --cents;
    return fromCents(cents);
}

QString Money::toPlainString() const
{
    const quint64 magnitude = m_raw < 0 ? 0 - quint64(m_raw) : quint64(m_raw);
    const QString fraction =
        QString::number(magnitude % quint64(kScale)).rightJustified(kDecimals, QLatin1Char('0'));
    return (m_raw < 0 ? QStringLiteral("-") : QString()) +
           QString::number(magnitude / quint64(kScale)) + QLatin1Char('.') + fraction;
}

QDebug operator<<(QDebug debug, Money value)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Money(" << qUtf8Printable(value.toPlainString()) << ')';
    return debug;
}
