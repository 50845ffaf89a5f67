#include "payslip/cheque_slip_figures.h"

#include "common/amounts.h"
#include "common/code_pattern.h"
#include "common/pay_month.h"
#include "common/row_net.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"

#include <cmath>

namespace payslip {

namespace {

// The amount columns of the bill register, in its order. A bill pays what
// they hold less its deduction: a pay bill mostly in pay, a bonus or
// festival-advance bill in bonus with no pay at all.
constexpr const char* kRegisterAmounts[] = {"pay",  "d_pay", "da",   "hra",  "ma", "bonus", "wages",
                                            "ta",   "elec",  "tele", "misc", "oe", "oc",    "scheme"};

// A registered bill's net in whole paise, each amount taken to the paisa as
// the register shows it; an empty amount adds nothing.
QString registerNetPaise()
{
    QString sum;
    for (const char* column : kRegisterAmounts)
        sum += QStringLiteral("ifnull(hundredths(%1), 0) + ").arg(QLatin1String(column));
    return QLatin1Char('(') + sum.chopped(3) + QStringLiteral(" - ifnull(hundredths(deduction), 0))");
}

// Rows of the date, of the head's codes when given. The where clause is
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
    // Bills of the salary heads only: a wages or contingent bill of the same
    // date pays nobody on the slip's list.
    QString sql = QStringLiteral("SELECT DISTINCT bill_no FROM all_exp WHERE bill_date = ? AND bill_no > 0 AND ")
                  + registerNetPaise() + QStringLiteral(" > 0");
    QVariantList params{QVariant(common::payBillRegisterDate(billDate))};
    if (drawalCode.isEmpty()) {
        sql += QStringLiteral(" AND head LIKE '%01'");
    } else {
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
                       " SELECT emp_code, name, designation, %2, bill_date, bank_ac,"
                       " row_number() OVER (ORDER BY rowid) FROM salary%1 AND hundredths(%2) > 0"
                       " ORDER BY rowid")
            .arg(where, QString::fromLatin1(common::kRowNet)),
        params);
    data::QueryRecordset count(salaryDb, QStringLiteral("SELECT count(DISTINCT emp_code) AS totalemp FROM salary") + where,
                               params);
    f.slipEmployees = slipEmployees(salaryDb);
    // The net shown is the total of the list the bank gets, row by row.
    data::QueryRecordset nets(salaryDb, QStringLiteral("SELECT net FROM chq_sal"));
    tx.commit();

    f.employees = int(count.field("totalemp").number());
    QList<double> credited;
    for (; !nets.eof(); nets.moveNext())
        credited << nets.field("net").number();
    if (!credited.isEmpty())
        f.net = slipNet(credited);
    f.billNumbers = countedBills(fundDb, billDate, head ? head->drawalCode : QString());
    f.bills = int(f.billNumbers.size());
    return f;
}

int slipEmployees(data::Database& salaryDb)
{
    data::QueryRecordset rs(salaryDb, QStringLiteral("SELECT count(DISTINCT emp_code) AS n FROM chq_sal"));
    return int(rs.field("n").number());
}

double netToThePaisa(double net)
{
    return vb::roundHalfAway(net, 2);
}

double slipNet(const QList<double>& nets)
{
    // Added in whole paise: a few score nets summed as binary fractions would
    // carry noise into the fifteenth digit.
    qint64 paise = 0;
    for (double net : nets)
        paise += std::llround(netToThePaisa(net) * 100);
    return double(paise) / 100;
}

std::optional<double> creditedAmount(const QString& typed, double netTotal)
{
    if (creditedFault(typed, netTotal) != CreditedFault::None)
        return std::nullopt;
    return vb::readAmount(typed, common::kBillAmount).value;
}

CreditedFault creditedFault(const QString& typed, double netTotal)
{
    const vb::AmountRead read = vb::readAmount(typed, common::kBillAmount);
    switch (read.fault) {
    case vb::AmountFault::None:
        return vb::hundredths(read.value) > vb::hundredths(netTotal) ? CreditedFault::OutOfRange
                                                                      : CreditedFault::None;
    case vb::AmountFault::NotANumber:
        return CreditedFault::NotAFigure;
    case vb::AmountFault::TooManyDecimals:
        return CreditedFault::FinerThanPaisa;
    default: // more digits than a figure keeps, below 0, a thousand crore or more
        return CreditedFault::OutOfRange;
    }
}

QString refundText(double netTotal, double credited)
{
    return vb::cstr(vb::roundHalfAway(netTotal - credited, 2));
}

} // namespace payslip
