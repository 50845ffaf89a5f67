#include "common/pay_month.h"

#include "platform/vb/convert.h"

namespace common {

QDate payMonthDate(const QDate& billDate)
{
    // The March bill is drawn on 1 April; its rows belong to March.
    if (billDate.month() == 4 && billDate.day() == 1)
        return billDate.addDays(-1);
    return billDate;
}

QString payMonth(const QDate& billDate)
{
    // The medium date from its fourth character: "01-Mar-12" gives "Mar-12".
    return vb::mediumDate(payMonthDate(billDate)).mid(3);
}

QDate payBillRegisterDate(const QDate& billDate)
{
    if (billDate.month() == 3)
        return QDate(billDate.year(), 4, 1);
    return billDate;
}

QDate financialYearStart(const QDate& day)
{
    const int year = day.month() < 4 ? day.year() - 1 : day.year();
    return QDate(year, 4, 1);
}

} // namespace common
