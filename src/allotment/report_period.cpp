#include "allotment/report_period.h"

#include <QDate>

namespace allotment {

const QStringList& reportingMonths()
{
    static const QStringList months{"APRIL",   "MAY",      "JUNE",     "JULY",
                                    "AUGUST",  "SEPTEMBER", "OCTOBER", "NOVEMBER",
                                    "DECEMBER", "JANUARY",  "FEBRUARY", "MARCH"};
    return months;
}

std::optional<MonthPeriod> monthPeriod(const QString& month, int startYear)
{
    const int index = reportingMonths().indexOf(month);
    if (index < 0)
        return std::nullopt;
    const int monthNo = index + 4;            // 4 .. 15
    const int calendarMonth = (monthNo - 1) % 12 + 1;
    const int year = monthNo > 12 ? startYear + 1 : startYear;
    const QDate first(startYear == 0 ? 2001 : year, calendarMonth, 1);
    const QString tail = QStringLiteral("/%1/").arg(calendarMonth, 2, 10, QLatin1Char('0'))
        + (startYear == 0 ? QString() : QString::number(year));
    return MonthPeriod{QStringLiteral("01") + tail,
                       QStringLiteral("%1").arg(first.daysInMonth(), 2, 10, QLatin1Char('0')) + tail,
                       monthNo};
}

} // namespace allotment
