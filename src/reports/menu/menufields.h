#pragma once
// The report menu's typed fields, read and checked as the user leaves each one. Each reader
// gives the refusal to show, or an empty text and the value.
#include "common/money.h"

#include <QString>

namespace reports::menufields
{

// The highest minimum owing and minimum age the menu accepts.
inline constexpr Money kMostMinOwing = Money::fromCents(10000000);
inline constexpr int kMostMinDays = 100;

// A month, 1 to 12.
QString readPeriod(const QString& text, int& period);
// Two digits: 0..49 are 2000..2049, 50..99 are 1950..1999.
QString readYear(const QString& text, int& year);
// An amount from 0 to 100,000.00, typed with or without thousands separators; empty is 0.
QString readMinOwing(const QString& text, Money& minOwing);
// Whole days from 0 to 100; empty is 0.
QString readMinDays(const QString& text, int& minDays);

// The minimum owing as the field shows it.
QString minOwingText(Money minOwing);

} // namespace reports::menufields
