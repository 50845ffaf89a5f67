// The salary rules every salary form applies: allowances, instalments, gross,
// professional tax, deductions, net, and proration over part of a month.
#pragma once

#include <QAnyStringView>
#include <QDate>
#include <QString>

namespace salary {

// An amount as the whole-rupee "###" text stores it: rounded half away from
// zero. The text of an amount that rounds to nothing is empty; it is stored as 0
// so that the gross and net stay sums of numbers.
double wholeRupees(double amount);

// The H.R.A. paid by rate never exceeds this (a FIXED H.R.A. is not capped).
inline constexpr double kHraCap = 6000;

// D.A. = whole rupees of (pay + grade pay) x rate % .
double dearnessAllowance(double pay, double gradePay, double daRatePercent);

// H.R.A. of the regular bill: a "FIXED" type (exact text, case included) pays
// the employee's own fixedHra unchanged; otherwise whole rupees of
// (pay + grade pay) x rate %, above kHraCap paid as kHraCap.
double houseRentAllowance(QAnyStringView hraType, double fixedHra,
                          double pay, double gradePay, double hraRatePercent);
// H.R.A. by rate with no type and no cap (the irregular and pay-upgrade bills).
double houseRentAllowanceByRate(double pay, double gradePay, double hraRatePercent);

// M.A.: 0 for a member of the health scheme ("YES", exact text), else the
// order's amount unchanged.
double medicalAllowance(QAnyStringView healthScheme, double orderMa);

// An amount to the paisa, rounded half away from zero: every figure a salary
// row or a recovery ledger stores is one, so that sums of them carry no
// binary noise and a bill adds up to the paisa.
double wholePaise(double amount);

// A ledger row whose amount due comes to no paisa is paid off: the forms
// delete it and recover nothing.
bool paidOff(double due);

// One instalment of a festival advance or provident-fund loan: due / left to
// the paisa (half away from zero). With one instalment left, or fewer (0, a
// negative count, or a fraction of one), it is the whole amount due, so that
// the last instalment clears the ledger exactly and nothing divides by zero
// or takes more than is due. A paid-off due gives 0.
double instalment(double due, double instalmentsLeft);

// A ledger row (festi_adv: adv_due, adv_rec, inst_no; gpf_loan: loan_due,
// loan_rec, inst_no) as it stands after one instalment is recovered.
struct LedgerState {
    double due = 0;
    double recovered = 0;
    double instalmentsLeft = 0;
};
// due - instalment, recovered + instalment, both to the paisa; instalments
// left lose 1 while above 0.
LedgerState advanceLedger(const LedgerState& row, double instalment);

// Gross = pay + grade pay + D.A. + H.R.A. + M.A. + O.A. - festival-advance
// instalment (the advance is taken inside the gross, not as a deduction).
// Gross, total deduction and net add each figure to the paisa, in whole
// paise, so the net is gross - deduction exactly as the rows print them.
double gross(double pay, double gradePay, double da, double hra, double ma,
             double oa, double lessFa);

// Professional tax by slab, each bound strictly "greater than":
// >40000 200, >25000 150, >15000 130, >9000 110, >8000 90, >7000 50,
// >6000 45, >5000 40, >3000 30, >2000 25, >1500 18, else 0.
double professionalTax(double gross);

// gpf_subs + gpf_rec + if + sf + p_tax + misc; hb_loan, hb_int, i_tax and
// others only break misc up and are not added again.
double totalDeduction(double gpfSubs, double gpfRec, double iFund, double sFund,
                      double pTax, double misc);
double net(double gross, double totalDeduction);

// "Mar-12"; a bill dated 1 April is booked to March (common::payMonth).
QString payMonth(const QDate& billDate);

// Proration over a pay period (irregular and pay-upgrade bills).
// Days from the from-date to the to-date, both ends counted.
int prorationDays(const QDate& from, const QDate& to);
// Length of the from-date's month (Gregorian leap years: February 2100 has 28).
int prorationMonthLength(const QDate& from);
// Whole rupees of monthly / month length x days (division first).
double prorate(double monthly, int monthLength, int days);

} // namespace salary
