#include "paybill/working_tables.h"

#include "common/pay_month.h"
#include "common/row_net.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/error.h"

#include <cmath>

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

// Every money column of a bill, each row's figure to the paisa, added in
// whole paise. source is fixed text of this file ("sal", or "salary" with the
// bill's where clause), never typed.
BillSums billSums(data::Database& db, const QString& source, const QVariantList& params)
{
    static const char* const kColumns[] = {"pay",     "d_pay",   "less_fa", "da",     "hra",   "ma",
                                           "oa",      "gross",   "gpf_subs", "gpf_rec", "\"if\"", "sf",
                                           "p_tax",   "misc",    "hb_loan", "hb_int", "i_tax", "others",
                                           "deduct",  "net"};
    QString sql = QStringLiteral("SELECT count(*), count(pay)");
    // The net as every paper prints it (common/row_net.h): sal holds it
    // already; a row read from salary is given it here.
    const bool fromSalary = source.startsWith(QLatin1String("salary"));
    for (const char* c : kColumns)
        sql += QStringLiteral(", total(hundredths(%1))")
                   .arg(fromSalary && qstrcmp(c, "net") == 0 ? QLatin1String(common::kRowNet) : QLatin1String(c));
    data::QueryRecordset rs(db, sql + QStringLiteral(" FROM ") + source, params);
    BillSums b;
    qint64* out[] = {&b.pay,    &b.dPay,   &b.lessFa, &b.da,    &b.hra,   &b.ma,     &b.oa,
                     &b.gross,  &b.gpfSubs, &b.gpfRec, &b.iFund, &b.sFund, &b.pTax,   &b.misc,
                     &b.hbLoan, &b.hbInt,  &b.iTax,   &b.others, &b.deduct, &b.net};
    b.rows = qint64(rs.field(0).number());
    b.rowsWithPay = qint64(rs.field(1).number());
    // total() adds whole hundredths exactly (they are far below 2^53) and is 0, not null, for no rows.
    for (int i = 0; i < 20; ++i)
        *out[i] = std::llround(rs.field(i + 2).number());
    return b;
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
            " gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, %3, hb_loan, hb_int, i_tax, others,"
            " bill_date, p_month, deduct, category, row_number() OVER (%2)"
            " FROM salary%1%2")
            .arg(where, QString::fromLatin1(kSalOrder), QString::fromLatin1(common::kRowNet)),
        params);

    refillInCodeOrder(salaryDb, "temp", "emp_code, name, designation, i_tax", "i_tax > 0", where, params);
    refillInCodeOrder(salaryDb, "temp1", "emp_code, name, designation, hb_loan, hb_int", "hb_loan + hb_int > 0",
                      where, params);

    // The 1987 abstract counts people, not money, and each member once
    // however many of the bill's rows deduct from them: a member who pays
    // into the savings fund pays into both funds; one with an insurance
    // deduction and no savings deduction pays into the insurance fund only.
    // Rows of the 1983 scheme (if + sf = 8) belong to the other schedule. A
    // bill row whose employee has since left the master stays, under the
    // group its bill row carries, so the abstract always adds up to the
    // deductions of the bill.
    salaryDb.execute(QStringLiteral("DELETE FROM ginew"));
    salaryDb.execute(QStringLiteral(
        "INSERT INTO ginew (grp, ifno, sfno, iftotal, sftotal, total)"
        " SELECT grp, sum(CASE WHEN paysIf AND NOT paysSf THEN 1 ELSE 0 END), sum(CASE WHEN paysSf THEN 1 ELSE 0 END),"
        " sum(ifp) / 100.0, sum(sfp) / 100.0,"
        " (sum(ifp) + sum(sfp)) / 100.0"
        " FROM (SELECT coalesce(a.grp, b.category) AS grp, max(b.\"if\" > 0) AS paysIf, max(b.sf > 0) AS paysSf,"
        " sum(hundredths(b.\"if\")) AS ifp, sum(hundredths(b.sf)) AS sfp"
        " FROM sal b LEFT JOIN employee a ON a.emp_code = b.emp_code"
        " WHERE b.\"if\" + b.sf <> 8"
        " GROUP BY 1, b.emp_code)"
        " GROUP BY grp ORDER BY grp"));

    ActivationResult result;
    result.rows = salRowCount(salaryDb);
    result.employees = salEmployeeCount(salaryDb);
    if (auto split = insuranceSplit(salaryDb))
        result.split = *split;

    tx.commit();
    return result;
}

int salRowCount(data::Database& salaryDb)
{
    return countOf(salaryDb, QStringLiteral("SELECT count(*) FROM sal"));
}

int salEmployeeCount(data::Database& salaryDb)
{
    return countOf(salaryDb, QStringLiteral("SELECT count(DISTINCT emp_code) FROM sal"));
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
                             QStringLiteral("SELECT sum(hundredths(\"if\")) / 100.0 AS tif,"
                                            " sum(hundredths(sf)) / 100.0 AS tsf FROM sal WHERE 1")
                                 + range,
                             params);
    if (all.field("tif").isNull() || all.field("tsf").isNull())
        return std::nullopt;
    data::QueryRecordset old(
        salaryDb,
        QStringLiteral("SELECT sum(hundredths(\"if\")) / 100.0 AS tif, sum(hundredths(sf)) / 100.0 AS tsf"
                       " FROM sal WHERE \"if\" + sf = 8")
            + range,
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

double rupees(qint64 paise)
{
    return double(paise) / 100;
}

std::optional<HeadTotals> headTotals(data::Database& salaryDb, const QDate& billDate,
                                     const QString& codeCategory)
{
    const BillSums b = billSums(salaryDb, QStringLiteral("salary") + QString::fromLatin1(kBillWhere),
                                billParams(billDate, codeCategory));
    if (b.rows == 0)
        return std::nullopt;
    HeadTotals t;
    t.pay = rupees(b.pay);
    t.da = rupees(b.da);
    t.hra = rupees(b.hra);
    t.maOa = rupees(b.ma + b.oa);
    t.dPay = rupees(b.dPay);
    t.deduct = rupees(b.deduct + b.lessFa);
    t.bonus = rupees(b.grossOutsideLines());
    return t;
}

BillSums salSums(data::Database& salaryDb)
{
    return billSums(salaryDb, QStringLiteral("sal"), {});
}

std::optional<LeftTotals> leftGrandTotals(data::Database& salaryDb)
{
    const BillSums b = salSums(salaryDb);
    if (b.rowsWithPay == 0)
        return std::nullopt;
    return LeftTotals{rupees(b.pay), rupees(b.dPay), rupees(b.da),    rupees(b.hra),
                      rupees(b.ma),  rupees(b.oa),   rupees(b.gross), rupees(b.lessFa)};
}

std::optional<RightTotals> rightGrandTotals(data::Database& salaryDb)
{
    const BillSums b = salSums(salaryDb);
    if (b.rowsWithPay == 0)
        return std::nullopt;
    return RightTotals{rupees(b.gpfSubs), rupees(b.gpfRec), rupees(b.iFund),  rupees(b.sFund),
                       rupees(b.pTax),    rupees(b.iTax),   rupees(b.hbLoan), rupees(b.hbInt),
                       rupees(b.others),  rupees(b.deduct), rupees(b.net)};
}

} // namespace paybill
