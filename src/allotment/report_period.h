// The reporting months of the financial-report form and the period each one stands for.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace allotment {

// "APRIL" to "MARCH", in the order of the financial year.
const QStringList& reportingMonths();

struct MonthPeriod {
    QString from;   // "01/MM/YYYY"
    QString to;     // last day of the month, "DD/MM/YYYY"
    int monthNo;    // 4 for April ... 12 for December, 13 to 15 for January to March
};

// The period of a month of the financial year that starts in startYear
// (January to March fall in the year after). With startYear 0, no year given
// yet, the dates have no year part and February its common 28 days. Nothing
// for an unknown month.
std::optional<MonthPeriod> monthPeriod(const QString& month, int startYear);

} // namespace allotment
