#include "salary/rules.h"

#include "common/pay_month.h"
#include "platform/vb/convert.h"

namespace salary {

namespace {

// Exact text, case included. The run hands over UTF-8 straight from the
// table and the forms a QString; an ASCII word has the same length in both,
// so most texts are told apart by their length alone.
template <qsizetype N>
bool isExactly(QAnyStringView text, const char (&word)[N])
{
    return text.size() == N - 1 && text == QUtf8StringView(word, N - 1);
}

} // namespace

double wholeRupees(double amount)
{
    const double r = vb::roundHalfAway(amount, 0);
    return r == 0 ? 0 : r; // no "-0" reaches a table
}

double dearnessAllowance(double pay, double gradePay, double daRatePercent)
{
    // Same order of operations as the rate has always been applied in, so
    // that a half rupee falls the same way.
    return wholeRupees((pay + gradePay) * daRatePercent * 0.01);
}

double houseRentAllowanceByRate(double pay, double gradePay, double hraRatePercent)
{
    return wholeRupees((pay + gradePay) * hraRatePercent * 0.01);
}

double houseRentAllowance(QAnyStringView hraType, double fixedHra,
                          double pay, double gradePay, double hraRatePercent)
{
    if (isExactly(hraType, "FIXED"))
        return fixedHra;
    const double hra = houseRentAllowanceByRate(pay, gradePay, hraRatePercent);
    return hra > kHraCap ? kHraCap : hra;
}

double medicalAllowance(QAnyStringView healthScheme, double orderMa)
{
    return isExactly(healthScheme, "YES") ? 0 : orderMa;
}

double wholePaise(double amount)
{
    return double(vb::hundredths(amount)) / 100; // whole paise: never "-0"
}

bool paidOff(double due)
{
    return vb::hundredths(due) == 0;
}

double instalment(double due, double instalmentsLeft)
{
    const qint64 paise = vb::hundredths(due);
    if (instalmentsLeft <= 1)
        return double(paise) / 100;
    // A true half paisa (an even count) is exact in the quotient.
    return double(qint64(vb::roundHalfAway(double(paise) / instalmentsLeft, 0))) / 100;
}

LedgerState advanceLedger(const LedgerState& row, double inst)
{
    const qint64 paise = vb::hundredths(inst);
    LedgerState next = row;
    next.due = double(vb::hundredths(row.due) - paise) / 100;
    next.recovered = double(vb::hundredths(row.recovered) + paise) / 100;
    if (row.instalmentsLeft > 0)
        next.instalmentsLeft = row.instalmentsLeft - 1;
    return next;
}

double gross(double pay, double gradePay, double da, double hra, double ma,
             double oa, double lessFa)
{
    using vb::hundredths;
    return double(hundredths(pay) + hundredths(gradePay) + hundredths(da) + hundredths(hra) + hundredths(ma)
                  + hundredths(oa) - hundredths(lessFa)) / 100;
}

double professionalTax(double gross)
{
    struct Slab { double above; double tax; };
    static constexpr Slab slabs[] = {
        {40000, 200}, {25000, 150}, {15000, 130}, {9000, 110}, {8000, 90}, {7000, 50},
        {6000, 45},   {5000, 40},   {3000, 30},   {2000, 25},  {1500, 18},
    };
    for (const Slab& s : slabs)
        if (gross > s.above)
            return s.tax;
    return 0;
}

double totalDeduction(double gpfSubs, double gpfRec, double iFund, double sFund,
                      double pTax, double misc)
{
    using vb::hundredths;
    return double(hundredths(gpfSubs) + hundredths(gpfRec) + hundredths(iFund) + hundredths(sFund)
                  + hundredths(pTax) + hundredths(misc)) / 100;
}

double net(double gross, double totalDeduction)
{
    return double(vb::hundredths(gross) - vb::hundredths(totalDeduction)) / 100;
}

QString payMonth(const QDate& billDate)
{
    return common::payMonth(billDate);
}

int prorationDays(const QDate& from, const QDate& to)
{
    return int(from.daysTo(to)) + 1;
}

int prorationMonthLength(const QDate& from)
{
    return from.daysInMonth(); // proleptic Gregorian: 2000 leap, 2100 not
}

double prorate(double monthly, int monthLength, int days)
{
    return wholeRupees(monthly / monthLength * days);
}

} // namespace salary
