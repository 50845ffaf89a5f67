#include "paybill/working_tables.h"

#include "common/pay_month.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/error.h"

namespace paybill {

namespace {

// The bill: one bill date, employee codes beginning with the code category.
const char* const kBillWhere = " WHERE bill_date = ? AND emp_code LIKE ? ESCAPE '\\'";

// The rows of the bill are numbered by grade pay, highest first; rowid keeps
// rows of equal grade pay in the order they were prepared, so that a second
// activation of the same bill numbers it the same way.
const char* const kSalOrder = " ORDER BY d_pay DESC, rowid";
const char* const kCodeOrder = " ORDER BY emp_code, rowid";

QVariantList billParams(const QDate& billDate, const QString& codeCategory)
{
    return {QVariant(billDate), codePattern(codeCategory)};
}

InsuranceSplit splitFrom(double ifAll, double sfAll, const data::QueryRecordset& old)
{
    InsuranceSplit s;
    // No 1983 row: both of its sums are taken as 0.
    if (!old.field("tsf").isNull()) {
        s.sf83 = old.field("tsf").number();
        s.if83 = old.field("tif").number();
    }
    s.if87 = ifAll - s.if83;
    s.sf87 = sfAll - s.sf83;
    return s;
}

int countOf(data::Database& db, const QString& sql, const QVariantList& params = {})
{
    data::QueryRecordset rs(db, sql, params);
    return static_cast<int>(rs.field(0).number());
}

// Empties a schedule's table and fills it with the bill's rows that bear its
// deduction, numbered in code order. table, columns and condition are fixed
// text of this file, never typed.
void refillInCodeOrder(data::Database& db, const char* table, const char* columns, const char* condition,
                       const QString& where, const QVariantList& params)
{
    db.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    db.execute(QStringLiteral("INSERT INTO %1 (%2, sl_no) SELECT %2, row_number() OVER (%5) FROM salary%3 AND %4%5")
                   .arg(QLatin1String(table), QLatin1String(columns), where, QLatin1String(condition),
                        QLatin1String(kCodeOrder)),
               params);
}

} // namespace

ActivationResult activateBill(data::Database& salaryDb, const QDate& billDate,
                              const QString& codeCategory)
{
    const QVariantList params = billParams(billDate, codeCategory);
    const QString where = QString::fromLatin1(kBillWhere);

    // The printed roll number is a 16-bit figure; refuse a bill that cannot
    // be numbered before anything is emptied.
    const int rows = countOf(salaryDb, QStringLiteral("SELECT count(*) FROM salary") + where, params);
    if (rows > kMaxSerial)
        throw vb::Error(vb::Overflow, QStringLiteral("The bill has %1 rows; at most %2 can be numbered.")
                                          .arg(rows).arg(kMaxSerial));

    data::Transaction tx(salaryDb);

    salaryDb.execute(QStringLiteral("DELETE FROM sal"));
    salaryDb.execute(
        QStringLiteral(
            "INSERT INTO sal (emp_code, name, designation, acc_no, pay, d_pay, less_fa, da, hra, ma, oa,"
            " gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, hb_loan, hb_int, i_tax, others,"
            " bill_date, p_month, deduct, category, sl_no)"
            " SELECT emp_code, name, designation, acc_no, pay, d_pay, less_fa, da, hra, ma, oa,"
            " gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, hb_loan, hb_int, i_tax, others,"
            " bill_date, p_month, deduct, category, row_number() OVER (%2)"
            " FROM salary%1%2")
            .arg(where, QString::fromLatin1(kSalOrder)),
        params);

    refillInCodeOrder(salaryDb, "temp", "emp_code, name, designation, i_tax", "i_tax > 0", where, params);
    refillInCodeOrder(salaryDb, "temp1", "emp_code, name, designation, hb_loan, hb_int", "hb_loan + hb_int > 0",
                      where, params);

    // The 1987 abstract counts people, not money: a member who pays into the
    // savings fund pays into both funds; one with an insurance deduction and
    // no savings deduction pays into the insurance fund only. Rows of the
    // 1983 scheme (if + sf = 8) belong to the other schedule. A bill row whose
    // employee has since left the master stays, under the group its bill row
    // carries, so the abstract always adds up to the deductions of the bill.
    salaryDb.execute(QStringLiteral("DELETE FROM ginew"));
    salaryDb.execute(QStringLiteral(
        "INSERT INTO ginew (grp, ifno, sfno, iftotal, sftotal, total)"
        " SELECT coalesce(a.grp, b.category),"
        " sum(CASE WHEN b.\"if\" > 0 AND NOT b.sf > 0 THEN 1 ELSE 0 END),"
        " sum(CASE WHEN b.sf > 0 THEN 1 ELSE 0 END),"
        " sum(b.\"if\"), sum(b.sf), sum(b.\"if\") + sum(b.sf)"
        " FROM sal b LEFT JOIN employee a ON a.emp_code = b.emp_code"
        " WHERE b.\"if\" + b.sf <> 8"
        " GROUP BY 1 ORDER BY 1"));

    ActivationResult result;
    result.employees = salRowCount(salaryDb);
    if (auto split = insuranceSplit(salaryDb))
        result.split = *split;

    tx.commit();
    return result;
}

int salRowCount(data::Database& salaryDb)
{
    return countOf(salaryDb, QStringLiteral("SELECT count(*) FROM sal"));
}

int pageCount(int rows)
{
    if (rows <= 0)
        return 0;
    return (rows + kRowsPerPage - 1) / kRowsPerPage;
}

std::optional<InsuranceSplit> insuranceSplit(data::Database& salaryDb, std::optional<int> first,
                                             std::optional<int> last)
{
    QString range;
    QVariantList params;
    if (first && last) {
        range = QStringLiteral(" AND sl_no BETWEEN ? AND ?");
        params = {*first, *last};
    }
    data::QueryRecordset all(salaryDb,
                             QStringLiteral("SELECT sum(\"if\") AS tif, sum(sf) AS tsf FROM sal WHERE 1")
                                 + range,
                             params);
    if (all.field("tif").isNull() || all.field("tsf").isNull())
        return std::nullopt;
    data::QueryRecordset old(
        salaryDb,
        QStringLiteral("SELECT sum(\"if\") AS tif, sum(sf) AS tsf FROM sal WHERE \"if\" + sf = 8") + range,
        params);
    return splitFrom(all.field("tif").number(), all.field("tsf").number(), old);
}

std::optional<double> registeredBillNo(data::Database& fundDb, const QDate& billDate,
                                       const QString& drawalCode)
{
    data::QueryRecordset rs(fundDb,
                            QStringLiteral("SELECT bill_no FROM all_exp"
                                           " WHERE bill_date = ? AND head = ? AND bill_no > 0"
                                           " ORDER BY rowid"),
                            {QVariant(common::payBillRegisterDate(billDate)), drawalCode});
    if (rs.eof())
        return std::nullopt;
    return rs.field("bill_no").number();
}

std::optional<HeadTotals> headTotals(data::Database& salaryDb, const QDate& billDate,
                                     const QString& codeCategory)
{
    const QVariantList params = billParams(billDate, codeCategory);
    data::QueryRecordset rs(salaryDb,
                            QStringLiteral("SELECT count(*) AS rec, sum(pay) AS tpay, sum(d_pay) AS tdpay,"
                                           " sum(da) AS tda, sum(hra) AS thra, sum(ma) AS tma,"
                                           " sum(oa) AS toa, sum(deduct) AS tded FROM salary")
                                + QString::fromLatin1(kBillWhere),
                            params);
    if (rs.field("rec").number() == 0)
        return std::nullopt;
    // A column with no figure in any row adds nothing.
    HeadTotals t;
    t.pay = rs.field("tpay").number();
    t.da = rs.field("tda").number();
    t.hra = rs.field("thra").number();
    t.maOa = rs.field("tma").number() + rs.field("toa").number();
    t.dPay = rs.field("tdpay").number();
    t.deduct = rs.field("tded").number();
    return t;
}

std::optional<LeftTotals> leftGrandTotals(data::Database& salaryDb)
{
    data::QueryRecordset rs(salaryDb,
                            QStringLiteral("SELECT sum(pay), sum(d_pay), sum(da), sum(hra), sum(ma),"
                                           " sum(oa), sum(gross), total(less_fa) FROM sal"));
    for (int i = 0; i < 7; ++i)
        if (rs.field(i).isNull())
            return std::nullopt;
    LeftTotals t;
    double* out[] = {&t.pay, &t.dPay, &t.da, &t.hra, &t.ma, &t.oa, &t.gross, &t.lessFa};
    for (int i = 0; i < 8; ++i)
        *out[i] = rs.field(i).number();
    return t;
}

std::optional<RightTotals> rightGrandTotals(data::Database& salaryDb)
{
    data::QueryRecordset rs(salaryDb,
                            QStringLiteral("SELECT sum(gpf_subs), sum(gpf_rec), sum(\"if\"), sum(sf),"
                                           " sum(p_tax), sum(i_tax), sum(hb_loan), sum(hb_int),"
                                           " sum(others), sum(deduct), sum(net) FROM sal"));
    for (int i = 0; i < 11; ++i)
        if (rs.field(i).isNull())
            return std::nullopt;
    RightTotals t;
    double* out[] = {&t.gpfSubs, &t.gpfRec, &t.iFund, &t.sFund, &t.pTax, &t.iTax,
                     &t.hbLoan,  &t.hbInt,  &t.others, &t.deduct, &t.net};
    for (int i = 0; i < 11; ++i)
        *out[i] = rs.field(i).number();
    return t;
}

} // namespace paybill
