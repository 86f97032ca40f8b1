#include "report/ui/copyplan.h"

namespace report
{

CopyPlan planCopies(int requested, bool collate, int driverCopies)
{
    if (requested <= 1)
        return {1, 1};
    if (collate)
        return {1, requested};
    if (driverCopies >= requested)
        return {requested, 1};
    return {1, requested};
}

} // namespace report
