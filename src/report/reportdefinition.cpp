#include "report/reportdefinition.h"

namespace report
{

std::function<QVariant(const Row&)> byField(const QString& field)
{
    return [field](const Row& row) { return row.value(field); };
}

} // namespace report
