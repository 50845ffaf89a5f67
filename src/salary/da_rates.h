// The D.A. order the salary forms work the allowances from.
#pragma once

#include <QString>
#include <optional>

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

// The order in force (the table's first row, as the single-click run reads
// it), or nothing when none is entered: a salary worked out without one would
// pay D.A., H.R.A. and M.A. of nil.
std::optional<DaRates> daOrderInForce(data::TableRecordset& daTable);

// What a salary form says when there is no order, and its title.
QString noDaOrderMessage();
QString noDaOrderTitle();

} // namespace salary
