#include "payslip/cheque_slip_figures.h"

#include "common/amounts.h"
#include "common/code_pattern.h"
#include "common/pay_month.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"

namespace payslip {

namespace {

// Paid rows of the date, of the head's codes when given. The where clause is
// fixed text; the date and the pattern are bound.
QString rowsWhere(const std::optional<SlipHead>& head)
{
    return head ? QStringLiteral(" WHERE bill_date = ? AND emp_code LIKE ? ESCAPE '\\'")
                : QStringLiteral(" WHERE bill_date = ?");
}

QVariantList rowsParams(const QDate& billDate, const std::optional<SlipHead>& head)
{
    QVariantList p{QVariant(billDate)};
    if (head)
        p << common::codePattern(head->codeCategory);
    return p;
}

} // namespace

QList<double> countedBills(data::Database& fundDb, const QDate& billDate, const QString& drawalCode)
{
    QString sql = QStringLiteral("SELECT DISTINCT bill_no FROM all_exp WHERE bill_date = ? AND bill_no > 0"
                                 " AND pay <> 0");
    QVariantList params{QVariant(common::payBillRegisterDate(billDate))};
    if (!drawalCode.isEmpty()) {
        sql += QStringLiteral(" AND head = ?");
        params << drawalCode;
    }
    data::QueryRecordset rs(fundDb, sql + QStringLiteral(" ORDER BY rowid"), params);
    QList<double> out;
    for (; !rs.eof(); rs.moveNext())
        out << rs.field("bill_no").number();
    return out;
}

SlipFigures chooseSlipRows(data::Database& salaryDb, data::Database& fundDb, const QDate& billDate,
                           const std::optional<SlipHead>& head)
{
    const QString where = rowsWhere(head);
    const QVariantList params = rowsParams(billDate, head);
    SlipFigures f;

    data::Transaction tx(salaryDb);
    salaryDb.execute(QStringLiteral("DELETE FROM chq_sal"));
    f.slipRows = salaryDb.execute(
        QStringLiteral("INSERT INTO chq_sal (emp_code, name, designation, net, bill_date, bank_ac, sl_no)"
                       " SELECT emp_code, name, designation, net, bill_date, bank_ac,"
                       " row_number() OVER (ORDER BY rowid) FROM salary%1 AND pay <> 0 ORDER BY rowid")
            .arg(where),
        params);
    data::QueryRecordset sums(salaryDb,
                              QStringLiteral("SELECT count(*) AS totalemp,"
                                             " sum(CASE WHEN pay <> 0 THEN net END) AS tnet FROM salary")
                                  + where,
                              params);
    tx.commit();

    f.employees = int(sums.field("totalemp").number());
    // The sum of a few score nets in paise carries binary noise into the
    // fifteenth digit; the clerk reads the figure to the paisa.
    if (f.slipRows > 0 && !sums.field("tnet").isNull())
        f.net = vb::roundHalfAway(sums.field("tnet").number(), 2);
    f.billNumbers = countedBills(fundDb, billDate, head ? head->drawalCode : QString());
    f.bills = int(f.billNumbers.size());
    return f;
}

std::optional<double> creditedAmount(const QString& typed, double netTotal)
{
    const vb::AmountRead read = vb::readAmount(typed, common::kBillAmount);
    if (!read.ok() || read.value > netTotal)
        return std::nullopt;
    return read.value;
}

QString refundText(double netTotal, double credited)
{
    return vb::cstr(vb::roundHalfAway(netTotal - credited, 2));
}

} // namespace payslip
