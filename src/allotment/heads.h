// Heads of account: the places of the drawal code, the amount columns and the register date.
#pragma once

#include <QDate>
#include <QString>
#include <QVector>

#include <array>

namespace allotment {

// Plan letters: characters 13-14 of the drawal code ("NP", "SP"); empty
// beyond the end of a shorter code.
QString planLetters(const QString& drawalCode);
// Object head: characters 22-23 of the drawal code ("01" salary, "02" wages,
// "11" travel, "13" contingencies, "50" other charges).
QString objectHead(const QString& drawalCode);
// The object head as the entry forms read it: the text from character 22 on,
// at most 23 characters, so a code longer than the written form matches no
// named object head.
QString entryObjectHead(const QString& drawalCode);
// A salary head is one whose drawal code ends in "01".
bool isSalaryHead(const QString& drawalCode);
// A pay bill is a bill under a head whose entry object head is exactly "01".
bool isPayHead(const QString& drawalCode);

// The fourteen amount columns of both registers, in the order the registers
// list them.
enum Column : int {
    Pay, DPay, Da, Hra, Ma, Bonus, Wages, Ta, Elec, Tele, Misc, Oe, Oc, Scheme,
    ColumnCount
};

struct AmountColumn {
    Column column;
    const char* field;        // register field
    const char* caption;      // what the amount is
    const char* detailedCode; // shown beside the entry box; "" for the scheme
    const char* objectHead;   // object head whose entries use it
    const char* plan;         // plan letters it also needs; "" for any
};

extern const std::array<AmountColumn, ColumnCount> kAmountColumns;

inline const AmountColumn& amountColumn(Column c) { return kAmountColumns[c]; }

// The columns whose boxes open for a head, in register order. The balance
// view, the allotment entry and the bill entry all open exactly these, so the
// boxes never depend on whether the head or the entry option was chosen first:
// "01" pay, grade pay, D.A., H.R.A., M.A., bonus; "02" wages; "11" T.A.;
// "13" electricity, telephone, miscellaneous, office expenses; "50" with "NP"
// other charges; "50" with "SP" and any other non-empty object head the
// scheme; "50" with other plan letters, and an empty object head, none.
QVector<Column> columnsOpened(const QString& drawalCode);

// The date a bill is registered under: a pay bill dated in March goes under
// 1 April of the bill's own calendar year (the date the salary rows of March
// pay carry, and under which the bill form looks the bill up); every other
// bill under its own date.
QDate registerDate(const QString& drawalCode, const QDate& billDate);

} // namespace allotment
