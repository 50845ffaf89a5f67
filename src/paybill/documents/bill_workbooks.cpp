#include "paybill/documents/bill_workbooks.h"

#include "common/inword.h"
#include "common/pay_month.h"
#include "paybill/schedules/schedule_queries.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"

#include <cmath>

namespace paybill {

namespace {

// The bill's totals, one sum per amount column of sal; n is its row count.
const char* const kBillTotals =
    "select count(*) as n, sum(pay) as tpay, sum(d_pay) as td_pay, sum(less_fa) as tlpay, sum(da) as tda,"
    " sum(hra) as thra, sum(ma) as tma, sum(oa) as toa, sum(gpf_subs) as tgpfs, sum(gpf_rec) as tgpfr,"
    " sum(\"if\") as tif, sum(sf) as tsf, sum(p_tax) as tp_tax, sum(hb_loan) as thbl, sum(hb_int) as thbi,"
    " sum(i_tax) as titax, sum(others) as toth, sum(net) as tnet, sum(gross) as tgross from sal";
const char* const kScheme1983 = "select sum(\"if\") as tif, sum(sf) as tsf from sal where \"if\" + sf = 8";
// Account numbers of the "Agr" series (matched without case, as the register keeps them).
const char* const kAgrSeries =
    "select sum(gpf_subs) as tgpfs, sum(gpf_rec) as tgpfr from sal where acc_no like 'Agr%'";
// A register row with a blank amount still counts with the others it holds.
const char* const kRegisterSum =
    "select sum(ifnull(pay, 0) + ifnull(da, 0) + ifnull(d_pay, 0) + ifnull(hra, 0) + ifnull(ma, 0)"
    " + ifnull(bonus, 0)) as total from %1 where head = ? and %2 between ? and ?";

// A sum as a number, or null when it had no rows.
QVariant num(const data::FieldValue& v)
{
    return v.isNull() ? QVariant() : QVariant(v.toDouble());
}
QVariant num(const std::optional<double>& v)
{
    return v ? QVariant(*v) : QVariant();
}

// Sums and differences with an empty operand are empty.
QVariant plus(const QVariant& a, const QVariant& b)
{
    return a.isNull() || b.isNull() ? QVariant() : QVariant(a.toDouble() + b.toDouble());
}
QVariant minus(const QVariant& a, const QVariant& b)
{
    return a.isNull() || b.isNull() ? QVariant() : QVariant(a.toDouble() - b.toDouble());
}

// A sum that had no rows adds nothing, as an empty cell adds nothing to the sheet's formulas.
double orZero(const QVariant& v)
{
    return v.isNull() ? 0.0 : v.toDouble();
}

// The part of the bill's gross that the lines of the outer sheet and of the
// pro statement do not hold: a bonus or a festival advance is drawn in gross
// alone, with no pay, D.A. or allowance. The lines are added as both gross
// formulas add them, less the festival advance recovered. Thirds of a rupee
// summed two ways differ below a millionth of a rupee: that is the
// arithmetic's, not the bill's.
double grossOutsideLines(data::QueryRecordset& t)
{
    auto f = [&t](const char* name) { return orZero(num(t.field(QString::fromLatin1(name)))); };
    const double lines = f("tpay") - f("tlpay") + f("td_pay") + f("tda") + f("thra") + f("tma") + f("toa");
    const double outside = std::round((f("tgross") - lines) * 1e6) / 1e6;
    return outside == 0 ? 0.0 : outside; // never a negative zero
}

QVariant inWords(const QVariant& amount)
{
    return amount.isNull() ? QVariant() : QVariant(common::inwordShort(amount.toDouble()));
}

// The 1983-scheme sums of the bill, both 0 when no row is of that scheme.
struct Scheme1983 {
    QVariant sf, ifund;   // as summed (null when none)
    double sf0 = 0, if0 = 0;
    bool none = true;
};

Scheme1983 scheme1983(data::Database& salaryDb)
{
    data::QueryRecordset q(salaryDb, QString::fromLatin1(kScheme1983));
    Scheme1983 s;
    s.sf = num(q.field("tsf"));
    s.ifund = num(q.field("tif"));
    if (!s.sf.isNull()) {
        s.none = false;
        s.sf0 = s.sf.toDouble();
        s.if0 = s.ifund.toDouble();
    }
    return s;
}

QVariant registerTotal(data::Database& fundDb, const char* table, const char* dateColumn, const QString& head,
                       const QDate& from, const QDate& to)
{
    data::QueryRecordset q(fundDb, QString::fromLatin1(kRegisterSum).arg(QLatin1String(table), QLatin1String(dateColumn)),
                           {head, QVariant(from), QVariant(to)});
    return num(q.field("total"));
}

} // namespace

std::optional<CellMap> outerSheetCells(data::Database& salaryDb, data::Database& fundDb, const OuterSheetBill& bill)
{
    data::QueryRecordset t(salaryDb, QString::fromLatin1(kBillTotals));
    if (t.field("n").number() == 0)
        return std::nullopt;
    const Scheme1983 old = scheme1983(salaryDb);

    // The register keeps a March bill under 1 April, the first day of the
    // next year; the period runs from the start of that date's year to it.
    const QDate to = common::payBillRegisterDate(bill.billDate);
    const QDate from = common::financialYearStart(to);
    const QVariant allotted = registerTotal(fundDb, "all_allot", "order_date", bill.drawalCode, from, to);
    const QVariant spent = registerTotal(fundDb, "all_exp", "bill_date", bill.drawalCode, from, to);

    // The provident fund is split by group exactly as its two schedules
    // total it, so the two cells add up to the bill's whole fund.
    const QVariant otherThanD = num(scheduleTotal(salaryDb, Schedule::GpfOtherThanGroupD));
    const double groupD = scheduleTotal(salaryDb, Schedule::GpfGroupD).value_or(0);

    auto f = [&t](const char* name) { return num(t.field(QString::fromLatin1(name))); };
    return CellMap{
        {15, 2, bill.billNo},
        {15, 4, bill.billDateText},
        {4, 4, bill.payMonth},
        {18, 6, bill.financialYear},
        {4, 7, bill.billDate.year()},
        {6, 7, f("tpay")},
        {8, 7, f("td_pay")},
        {7, 7, f("tlpay")},
        {10, 7, f("tda")},
        {11, 7, f("thra")},
        {14, 7, plus(f("tma"), f("toa"))},
        {12, 7, grossOutsideLines(t)},
        {24, 7, allotted},
        {29, 7, spent},
        {49, 9, otherThanD},
        {51, 9, f("thbl")},
        {55, 9, f("thbi")},
        {72, 9, f("titax")},
        {68, 9, old.sf},
        {67, 9, old.ifund},
        {70, 9, minus(f("tsf"), old.sf0)},
        {69, 9, minus(f("tif"), old.if0)},
        {62, 9, f("tp_tax")},
        {64, 9, f("toth")},
        {66, 9, groupD},
        {82, 8, inWords(f("tnet"))},
    };
}

std::optional<ProStatement> proStatementCells(data::Database& salaryDb, const QString& drawalCode,
                                              bool otherRecoveries)
{
    data::QueryRecordset t(salaryDb, QString::fromLatin1(kBillTotals));
    if (t.field("n").number() == 0)
        return std::nullopt;
    const Scheme1983 old = scheme1983(salaryDb);
    data::QueryRecordset agr(salaryDb, QString::fromLatin1(kAgrSeries));
    const QVariant agrFund = plus(num(agr.field("tgpfs")), num(agr.field("tgpfr")));
    // A fund that no employee of the bill pays into is a zero on the
    // statement, printed as every other zero is, not a blank line.
    const double agr0 = agrFund.isNull() ? 0.0 : agrFund.toDouble();

    auto f = [&t](const char* name) { return num(t.field(QString::fromLatin1(name))); };
    ProStatement p;
    p.noScheme1983 = old.none;
    p.cells = {
        {5, 3, drawalCode.left(4)},
        {9, 9, f("tpay")},
        {10, 9, f("td_pay")},
        {11, 9, f("tlpay")},
        {12, 9, f("tda")},
        {13, 9, plus(plus(f("thra"), f("tma")), f("toa"))},
        {14, 9, grossOutsideLines(t)},
        {19, 9, agr0},
        {21, 9, f("thbl")},
        {25, 9, f("thbi")},
        {33, 9, f("titax")},
        {35, 9, old.sf0},
        {36, 9, old.if0},
        {37, 9, minus(f("tsf"), old.sf0)},
        {38, 9, minus(f("tif"), old.if0)},
    };
    if (otherRecoveries)
        p.cells.append({40, 9, f("toth")});
    p.cells.append({32, 9, f("tp_tax")});
    p.cells.append({30, 3, f("tnet")});
    p.cells.append({30, 4, inWords(f("tnet"))});
    p.cells.append({46, 9, minus(plus(f("tgpfs"), f("tgpfr")), agr0)});
    return p;
}

} // namespace paybill
