// Small helpers that put heads and register rows into a test's fund file.
#pragma once

#include "allotment/heads.h"
#include "support/first_row.h"

#include <QDate>
#include <QString>

#include <initializer_list>
#include <utility>

namespace allotmenttest {

data::Database& fund();

// A code of the 23-character written form with the given plan letters and object head.
QString code(const QString& plan, const QString& object);

using ColumnAmounts = std::initializer_list<std::pair<allotment::Column, double>>;

// The head row with its two opening rows dated `opening` (none when invalid).
void addHead(const QString& drawalCode, const QString& description, const QString& category,
             const QDate& opening);
void addAllotment(const QString& head, const QString& orderNo, const QDate& date, ColumnAmounts amounts);
void addBill(const QString& head, double billNo, const QDate& date, ColumnAmounts amounts,
             double deduction = 0);
// A bill whose register date is held as the text given, a date or not ("2011-04-31").
void addBill(const QString& head, double billNo, const QString& heldDate, ColumnAmounts amounts);

// A b_statement row: `pay` and `net` brought forward into a month, the rest 0.
void addBroughtForward(const QString& code, int fyYear, int monthNo, double pay, double net);

// The first value a query of the fund file returns.
inline double number(const QString& sql)
{
    return testsupport::number(fund(), sql);
}
inline int count(const QString& sql)
{
    return int(number(sql));
}

} // namespace allotmenttest
