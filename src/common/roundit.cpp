// The ledger's rounding rule: a noise-removing rounding at the seventh decimal, then to a whole
// number, both half away from zero.
#include "common/roundit.h"

#include <cmath>

namespace
{

constexpr long double kNoiseScale = 10000000.0L;
constexpr long double kHalf = 0.5L;
constexpr long double kStep = 1.0L;

long double halfAwayFromZero(long double y)
{
    const long double whole = std::trunc(y);
    if (y > 0)
        return std::trunc(y + kHalf) > whole ? whole + kStep : whole;
    return std::trunc(y - kHalf) < whole ? whole - kStep : whole;
}

} // namespace

long double RoundIt(long double x)
{
    const long double scaled = x * kNoiseScale;
    if (std::isfinite(scaled)) {
        const long double cleaned = halfAwayFromZero(scaled) / kNoiseScale;
        if (std::isfinite(cleaned))
            x = cleaned;
    }
    return halfAwayFromZero(x);
}
