#include "paybill/documents/bill_workbooks.h"

#include "common/inword.h"
#include "common/pay_month.h"
#include "common/register_period.h"
#include "paybill/schedules/schedule_queries.h"
#include "paybill/working_tables.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"

#include <cmath>

namespace paybill {

namespace {

// Each figure to the paisa, as the bill's other papers add them (see BillSums).
const char* const kScheme1983 = "select sum(hundredths(\"if\")) as tif, sum(hundredths(sf)) as tsf"
                                " from sal where \"if\" + sf = 8";
// Account numbers of the "Agr" series (matched without case, as the register keeps them).
const char* const kAgrSeries = "select total(hundredths(gpf_subs)) + total(hundredths(gpf_rec)) as total"
                               " from sal where acc_no like 'Agr%'";
// A register row with a blank amount still counts with the others it holds;
// each figure counts to the paisa, as the register prints it, so that one
// stored finer by an older build adds up as shown.
const char* const kRegisterSum =
    "select sum(hundredths(ifnull(pay, 0)) + hundredths(ifnull(da, 0)) + hundredths(ifnull(d_pay, 0))"
    " + hundredths(ifnull(hra, 0)) + hundredths(ifnull(ma, 0)) + hundredths(ifnull(bonus, 0))) / 100.0 as total"
    " from %1 where head = ? and %2";

// A sum as a number, or null when it had no rows.
QVariant num(const data::FieldValue& v)
{
    return v.isNull() ? QVariant() : QVariant(v.toDouble());
}
QVariant num(const std::optional<double>& v)
{
    return v ? QVariant(*v) : QVariant();
}

QString inWords(qint64 paise)
{
    return common::inwordShort(rupees(paise));
}

// The 1983-scheme sums of the bill in paise, both 0 when no row is of that
// scheme; its own two cells are then left empty.
struct Scheme1983 {
    qint64 sf = 0, ifund = 0;
    bool none = true;
    QVariant sfCell() const { return none ? QVariant() : QVariant(rupees(sf)); }
    QVariant ifCell() const { return none ? QVariant() : QVariant(rupees(ifund)); }
};

Scheme1983 scheme1983(data::Database& salaryDb)
{
    data::QueryRecordset q(salaryDb, QString::fromLatin1(kScheme1983));
    Scheme1983 s;
    if (!q.field("tsf").isNull()) {
        s.none = false;
        s.sf = std::llround(q.field("tsf").number());
        s.ifund = std::llround(q.field("tif").number());
    }
    return s;
}

QVariant registerTotal(data::Database& fundDb, const char* table, const char* dateColumn, const QString& head,
                       const QDate& from, const QDate& to)
{
    // Taken as every other paper of the registers takes a period, so that a
    // bill the B-statement counts in the month is spent by its last day here.
    const common::RegisterPeriod period = common::registerPeriod(QLatin1String(dateColumn), from, to);
    data::QueryRecordset q(fundDb, QString::fromLatin1(kRegisterSum).arg(QLatin1String(table), period.condition),
                           QVariantList{head} + period.values);
    return num(q.field("total"));
}

} // namespace

std::optional<CellMap> outerSheetCells(data::Database& salaryDb, data::Database& fundDb, const OuterSheetBill& bill)
{
    const BillSums t = salSums(salaryDb);
    if (t.rows == 0)
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

    return CellMap{
        {15, 2, bill.billNo},
        {15, 4, bill.billDateText},
        {4, 4, bill.payMonth},
        {18, 6, bill.financialYear},
        {4, 7, bill.billDate.year()},
        {6, 7, rupees(t.pay)},
        {8, 7, rupees(t.dPay)},
        {7, 7, rupees(t.lessFa)},
        {10, 7, rupees(t.da)},
        {11, 7, rupees(t.hra)},
        {14, 7, rupees(t.ma + t.oa)},
        {12, 7, rupees(t.grossOutsideLines())},
        {24, 7, allotted},
        {29, 7, spent},
        {49, 9, otherThanD},
        {51, 9, rupees(t.hbLoan)},
        {55, 9, rupees(t.hbInt)},
        {72, 9, rupees(t.iTax)},
        {68, 9, old.sfCell()},
        {67, 9, old.ifCell()},
        {70, 9, rupees(t.sFund - old.sf)},
        {69, 9, rupees(t.iFund - old.ifund)},
        {62, 9, rupees(t.pTax)},
        {64, 9, rupees(t.others)},
        {66, 9, groupD},
        {82, 8, inWords(t.net)},
    };
}

std::optional<ProStatement> proStatementCells(data::Database& salaryDb, const QString& drawalCode,
                                              bool otherRecoveries)
{
    const BillSums t = salSums(salaryDb);
    if (t.rows == 0)
        return std::nullopt;
    const Scheme1983 old = scheme1983(salaryDb);
    data::QueryRecordset agr(salaryDb, QString::fromLatin1(kAgrSeries));
    // A fund that no employee of the bill pays into is a zero on the
    // statement, printed as every other zero is, not a blank line.
    const qint64 agr0 = std::llround(agr.field("total").number());

    ProStatement p;
    p.noScheme1983 = old.none;
    p.cells = {
        {5, 3, drawalCode.left(4)},
        {9, 9, rupees(t.pay)},
        {10, 9, rupees(t.dPay)},
        {11, 9, rupees(t.lessFa)},
        {12, 9, rupees(t.da)},
        {13, 9, rupees(t.hra + t.ma + t.oa)},
        {14, 9, rupees(t.grossOutsideLines())},
        {19, 9, rupees(agr0)},
        {21, 9, rupees(t.hbLoan)},
        {25, 9, rupees(t.hbInt)},
        {33, 9, rupees(t.iTax)},
        {35, 9, rupees(old.sf)},
        {36, 9, rupees(old.ifund)},
        {37, 9, rupees(t.sFund - old.sf)},
        {38, 9, rupees(t.iFund - old.ifund)},
    };
    if (otherRecoveries)
        p.cells.append({40, 9, rupees(t.others)});
    p.cells.append({32, 9, rupees(t.pTax)});
    p.cells.append({30, 3, rupees(t.net)});
    p.cells.append({30, 4, inWords(t.net)});
    p.cells.append({46, 9, rupees(t.gpfSubs + t.gpfRec - agr0)});
    return p;
}

} // namespace paybill
