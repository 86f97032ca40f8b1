#include "receivables/accountingperiod.h"

namespace accountingperiod
{

QString periodOutOfRange(int typed)
{
    return QStringLiteral(
               "%1 is not a valid value for field 'Period'. The allowed range is 1 to 12")
        .arg(typed);
}

QString periodRefusal(std::optional<int> period)
{
    if (period && (*period < 1 || *period > 12))
        return periodOutOfRange(*period);
    return {};
}

} // namespace accountingperiod
