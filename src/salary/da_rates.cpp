#include "salary/da_rates.h"

#include "platform/data/recordset.h"

namespace salary {

DaRates daRatesAt(const data::TableRecordset& daTable)
{
    if (!daTable.hasCurrent())
        return {};
    return {daTable.get(QStringLiteral("da_current")).number(), daTable.get(QStringLiteral("hra")).number(),
            daTable.get(QStringLiteral("ma")).number()};
}

} // namespace salary
