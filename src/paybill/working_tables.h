// The working tables of one pay bill (sal, temp, temp1, ginew) and the sums read from them.
#pragma once

#include "common/code_pattern.h"

#include <QDate>
#include <QString>
#include <optional>

namespace data {
class Database;
}

namespace paybill {

// Rows on one page of an inner sheet; page p holds Sl. Nos. 8p-7 to 8p.
inline constexpr int kRowsPerPage = 8;
// sl_no is a 16-bit number on the printed bill.
inline constexpr int kMaxSerial = 32767;

// Sums of the group-insurance deductions, split between the 1983 scheme
// (rows whose if + sf is exactly 8) and the 1987 scheme (every other row).
struct InsuranceSplit {
    double sf83 = 0;  // Label22
    double if83 = 0;  // Label23
    double if87 = 0;  // Label24
    double sf87 = 0;  // Label25
};

struct ActivationResult {
    int rows = 0;         // rows of the bill, one Sl. No. each
    int employees = 0;    // people paid in the bill, each once however many rows (Label18)
    InsuranceSplit split; // of the whole bill
};

// Empties sal, temp, temp1 and ginew and fills them with the salary rows of
// the bill date whose employee code begins with the code category, all in
// one transaction: a failure rolls every table back and rethrows.
// sal is numbered 1..n by grade pay, highest first; temp (income tax) and
// temp1 (house-building loan) by employee code, each from 1.
// An empty bill leaves the four tables empty and returns 0 rows.
ActivationResult activateBill(data::Database& salaryDb, const QDate& billDate,
                              const QString& codeCategory);

using common::codePattern;

// Rows in sal.
int salRowCount(data::Database& salaryDb);
// Employees in sal, each once: a bonus or festival advance paid on the bill
// date is a row of its own beside the employee's salary.
int salEmployeeCount(data::Database& salaryDb);
// Pages of 8 rows an inner sheet of that many rows takes.
int pageCount(int rows);

// The split over the sal rows numbered first..last, or the whole of sal when
// no range is given; nullopt when there are no such rows.
std::optional<InsuranceSplit> insuranceSplit(data::Database& salaryDb,
                                             std::optional<int> first = std::nullopt,
                                             std::optional<int> last = std::nullopt);

// The bill number of the head's bill in the register, if any is entered.
std::optional<double> registeredBillNo(data::Database& fundDb, const QDate& billDate,
                                       const QString& drawalCode);

// A bill's money column by column, in whole paise: each row's figure is
// taken to the paisa (half away from nothing) before it is added. Every paper
// of a bill (inner sheets and grand totals, outer sheet, pro statement,
// extract, the totals the bill register imports) reads its figures from
// here, so they all carry the same totals and each total is the sum of the
// lines printed above it, even for rows stored with fractions of a paisa.
struct BillSums {
    qint64 rows = 0;
    qint64 rowsWithPay = 0; // rows whose pay is a figure (refilled without amounts: none)
    qint64 pay = 0, dPay = 0, lessFa = 0, da = 0, hra = 0, ma = 0, oa = 0, gross = 0;
    qint64 gpfSubs = 0, gpfRec = 0, iFund = 0, sFund = 0, pTax = 0, misc = 0;
    qint64 hbLoan = 0, hbInt = 0, iTax = 0, others = 0, deduct = 0, net = 0;
    // What the bill draws in gross alone, outside its pay and allowance
    // lines (a bonus, a festival advance paid): the gross less those lines,
    // with the festival advance recovered taken off them as the gross takes it.
    qint64 grossOutsideLines() const { return gross - (pay + dPay + da + hra + ma + oa - lessFa); }
};
// Rupees of a whole number of paise.
double rupees(qint64 paise);
// The sums of the working table sal (the bill activated).
BillSums salSums(data::Database& salaryDb);

// Totals of the salary rows of a bill that the bill-register form imports.
// The register has no column for the festival advance recovered, which the
// bill takes off its gross: it is added to the deduction instead, so that
// the register's amounts less its deduction are the bill's net.
struct HeadTotals {
    double pay = 0;    // Label61
    double da = 0;     // Label62
    double hra = 0;    // Label63
    double maOa = 0;   // Label64
    double dPay = 0;   // Label65
    double deduct = 0; // Label66: the rows' deductions and the festival advance recovered
    double bonus = 0;  // drawn in gross alone: the register's BONUS
};
// nullopt when the bill has no salary row.
std::optional<HeadTotals> headTotals(data::Database& salaryDb, const QDate& billDate,
                                     const QString& codeCategory);

// Grand totals of the whole of sal for the two halves of the bill; nullopt
// when sal holds no row with its amounts.
struct LeftTotals {
    double pay = 0, dPay = 0, da = 0, hra = 0, ma = 0, oa = 0, gross = 0;
    double lessFa = 0; // taken off the dues: the columns add up to the gross
};
struct RightTotals {
    double gpfSubs = 0, gpfRec = 0, iFund = 0, sFund = 0, pTax = 0, iTax = 0;
    double hbLoan = 0, hbInt = 0, others = 0, deduct = 0, net = 0;
};
std::optional<LeftTotals> leftGrandTotals(data::Database& salaryDb);
std::optional<RightTotals> rightGrandTotals(data::Database& salaryDb);

} // namespace paybill
