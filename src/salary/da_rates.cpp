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

std::optional<DaRates> daOrderInForce(data::TableRecordset& daTable)
{
    daTable.moveFirst();
    if (!daTable.hasCurrent())
        return std::nullopt;
    return daRatesAt(daTable);
}

QString noDaOrderMessage()
{
    return QStringLiteral("NO D.A. ORDER IS ENTERED, SO D.A., H.R.A. AND M.A. CANNOT BE WORKED OUT.\n"
                          "ENTER THE D.A. ORDER IN FORCE FIRST. NOTHING HAS BEEN SAVED.");
}

QString noDaOrderTitle()
{
    return QStringLiteral("PLEASE NOTE");
}

} // namespace salary
