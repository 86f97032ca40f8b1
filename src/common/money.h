// Money as the ledger keeps it: a whole number of ten-thousandths of the currency unit, so that
// every invoice total, balance and payment sum is exact. Rounding happens only where the
// business rules say so (line amounts, taxes, discounts: to cents, half away from zero).
#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

class QDebug;
class QVariant;
class FormatSettings;

class Money
{
public:
    // Ten-thousandths per currency unit, and per cent.
    static constexpr qint64 kScale = 10000;
    static constexpr qint64 kPerCent = 100;

    constexpr Money() = default;

    static constexpr Money fromRaw(qint64 tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromCents(qint64 cents) { return Money(cents * kPerCent); }

    // A money value as the host database hands it over: a floating or whole number of currency
    // units, or decimal text ("12.3456", "-0.5"). Floating values are rounded half away from zero
    // to four decimals; text is read digit by digit, so no binary rounding creeps in; null and
    // empty values are zero. When the value is not a number, *ok is set to false and zero is
    // returned.
    static Money fromHost(const QVariant& value, bool* ok = nullptr);
    static std::optional<Money> tryFromHost(const QVariant& value);

    // An amount typed by the user: digits with the user's decimal and thousands separators, an
    // optional currency symbol, and a leading '-' or surrounding parentheses for a credit.
    // Digits beyond the fourth decimal are rounded half away from zero. Empty text or anything
    // that is not an amount gives no value.
    static std::optional<Money> parse(const QString& text, const FormatSettings& settings);

    // Quantity times unit price, rounded to cents half away from zero. The product is rounded
    // at the seventh decimal first, so binary noise in the quantity cannot move a cent.
    static Money lineAmount(double quantity, Money unitPrice);
    // ratePercent % of the amount (a tax or a discount), rounded to cents the same way.
    static Money percentOf(Money amount, double ratePercent);

    constexpr qint64 raw() const { return m_raw; }
    constexpr bool isZero() const { return m_raw == 0; }
    // For display and export only; sums are made on Money itself.
    double toDouble() const { return double(m_raw) / double(kScale); }

    // Exact rounding to whole cents, half away from zero.
    Money roundedToCents() const;
    constexpr Money times(qint64 n) const { return Money(m_raw * n); }

    // The exact value with four decimals and '.' ("1234.5600", "-0.0100"), for storage and
    // export files.
    QString toPlainString() const;

    constexpr Money operator-() const { return Money(-m_raw); }
    constexpr Money& operator+=(Money other)
    {
        m_raw += other.m_raw;
        return *this;
    }
    constexpr Money& operator-=(Money other)
    {
        m_raw -= other.m_raw;
        return *this;
    }
    friend constexpr Money operator+(Money a, Money b) { return Money(a.m_raw + b.m_raw); }
    friend constexpr Money operator-(Money a, Money b) { return Money(a.m_raw - b.m_raw); }
    friend constexpr bool operator==(Money a, Money b) = default;
    friend constexpr std::strong_ordering operator<=>(Money a, Money b) = default;

private:
    constexpr explicit Money(qint64 raw) : m_raw(raw) {}

    qint64 m_raw = 0;
};

QDebug operator<<(QDebug debug, Money value);

Q_DECLARE_METATYPE(Money)
