// The pay month of a bill and the financial year: the two date rules every form shares.
#pragma once

#include <QDate>
#include <QString>

namespace common {

// "Mar-12" for a bill of March 2012; a bill dated 1 April is booked to March.
QString payMonth(const QDate& billDate);
// The date whose month the bill pays (1 April becomes 31 March).
QDate payMonthDate(const QDate& billDate);

// The date under which the bill register keeps a pay bill: its March bill is
// drawn on 1 April, so one dated in March is kept under 1 April of its own year.
QDate payBillRegisterDate(const QDate& billDate);

// 1 April of the day's year, or of the year before for January to March.
QDate financialYearStart(const QDate& day);

} // namespace common
