#include "register_rows.h"

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"

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

void addRow(const QString& table, const QStringList& keys, QVariantList values, ColumnAmounts amounts)
{
    QStringList fields = keys;
    QStringList marks;
    QVariantList params = std::move(values);
    for (const AmountColumn& c : kAmountColumns) {
        double v = 0;
        for (const auto& [col, amount] : amounts)
            if (col == c.column)
                v = amount;
        fields << QLatin1String(c.field);
        params << v;
    }
    for (int i = 0; i < fields.size(); ++i)
        marks << QStringLiteral("?");
    fund().execute(QStringLiteral("insert into %1 (%2) values (%3)")
                       .arg(table, fields.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                   params);
}

QString descriptionOf(const QString& head)
{
    data::QueryRecordset rs(fund(), QStringLiteral("select description from head where drawal_code = ?"), {head});
    return rs.eof() ? QString() : rs.field(0).text();
}

} // namespace

void addHead(const QString& drawalCode, const QString& description, const QString& category,
             const QDate& opening)
{
    fund().execute(QStringLiteral("insert into head (drawal_code, description, code_category) values (?,?,?)"),
                   {drawalCode, description, category});
    if (!opening.isValid())
        return;
    addAllotment(drawalCode, QStringLiteral("0"), opening, {});
    addBill(drawalCode, 0, opening, {});
}

void addAllotment(const QString& head, const QString& orderNo, const QDate& date, ColumnAmounts amounts)
{
    addRow(QStringLiteral("all_allot"), {"head", "order_no", "order_date", "despn"},
           {head, orderNo, date.toString(Qt::ISODate), descriptionOf(head)}, amounts);
}

void addBill(const QString& head, double billNo, const QDate& date, ColumnAmounts amounts, double deduction)
{
    addRow(QStringLiteral("all_exp"), {"head", "bill_no", "bill_date", "despn", "deduction"},
           {head, billNo, date.toString(Qt::ISODate), descriptionOf(head), deduction}, amounts);
}

int count(const QString& sql)
{
    return int(number(sql));
}

double number(const QString& sql)
{
    data::QueryRecordset rs(fund(), sql);
    return rs.field(0).number();
}

} // namespace allotmenttest
