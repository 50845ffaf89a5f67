// The D.A. order the salary forms work the allowances from.
#pragma once

namespace data {
class TableRecordset;
}

namespace salary {

struct DaRates {
    double da = 0;  // per cent of pay + grade pay
    double hra = 0; // per cent, for a house rent by rate
    double ma = 0;  // rupees a month
};

// The order on the da_table recordset's current row; all nil when it stands on none.
DaRates daRatesAt(const data::TableRecordset& daTable);

} // namespace salary
