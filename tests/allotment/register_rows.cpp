#include "register_rows.h"

#include "common/schema.h"
#include "platform/data/database.h"

#include <QStringList>

namespace allotmenttest {

using namespace allotment;

data::Database& fund()
{
    return data::Database::open(QString::fromLatin1(common::kFundDb));
}

QString code(const QString& plan, const QString& object)
{
    return QStringLiteral("2202-00-109-") + plan + QStringLiteral("-00001-") + object;
}

namespace {

// A register row under `head` (the first of `params`), its description taken from the head.
void addRow(const QString& table, QStringList fields, QVariantList params, ColumnAmounts amounts)
{
    for (const AmountColumn& c : kAmountColumns) {
        double v = 0;
        for (const auto& [col, amount] : amounts)
            v = col == c.column ? amount : v;
        fields << QLatin1String(c.field);
        params << v;
    }
    const QString marks = QStringList(fields.size(), "?").join(',');
    fund().execute(QStringLiteral("insert into %1 (%2, despn) values (%3, (select description from head where "
                                  "drawal_code = ?1))").arg(table, fields.join(','), marks), params);
}

} // namespace

void addHead(const QString& drawalCode, const QString& description, const QString& category, const QDate& opening)
{
    fund().execute("insert into head (drawal_code, description, code_category) values (?,?,?)",
                   {drawalCode, description, category});
    if (opening.isValid()) {
        addAllotment(drawalCode, "0", opening, {});
        addBill(drawalCode, 0, opening, {});
    }
}

void addAllotment(const QString& head, const QString& orderNo, const QDate& date, ColumnAmounts amounts)
{
    addRow("all_allot", {"head", "order_no", "order_date"}, {head, orderNo, date.toString(Qt::ISODate)}, amounts);
}

void addBill(const QString& head, double billNo, const QDate& date, ColumnAmounts amounts, double deduction)
{
    addRow("all_exp", {"head", "bill_no", "bill_date", "deduction"},
           {head, billNo, date.toString(Qt::ISODate), deduction}, amounts);
}

void addBill(const QString& head, double billNo, const QString& heldDate, ColumnAmounts amounts)
{
    addRow("all_exp", {"head", "bill_no", "bill_date", "deduction"}, {head, billNo, heldDate, 0}, amounts);
}

void addBroughtForward(const QString& code, int fyYear, int monthNo, double pay, double net)
{
    fund().execute("insert into b_statement (m_head, month_no, pay, d_pay, da, hra, wages, ta, cont, bonus, "
                   "scheme, deduct, net, fy_year) values (?, ?, ?, 0, 0, 0, 0, 0, 0, 0, 0, 0, ?, ?)",
                   {code, monthNo, pay, net, fyYear});
}

} // namespace allotmenttest
