#include "allotment/registers.h"

#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QStringList>

namespace allotment {

namespace {

struct RegisterTable {
    QString table;
    QString dateField;
    QString opening;       // condition that picks the opening rows
    QString openingInsert; // columns and values of an opening row besides head, date, amounts, despn
    QString openingValues;
};

RegisterTable tableOf(Register reg)
{
    if (reg == Register::Allotments)
        return {QStringLiteral("all_allot"), QStringLiteral("order_date"),
                QStringLiteral("order_no = '0'"), QStringLiteral("order_no"), QStringLiteral("'0'")};
    return {QStringLiteral("all_exp"), QStringLiteral("bill_date"), QStringLiteral("bill_no = 0"),
            QStringLiteral("bill_no, deduction"), QStringLiteral("0, 0")};
}

QString iso(const QDate& d)
{
    return d.toString(Qt::ISODate);
}

} // namespace

std::optional<Amounts> registerSums(data::Database& fund, Register reg, const QString& head,
                                    const QDate& from, const QDate& to)
{
    const RegisterTable t = tableOf(reg);
    // Each figure as the register prints it, to the paisa, added in whole
    // hundredths: a figure stored finer by an older build adds up as shown.
    QStringList sums;
    for (const AmountColumn& c : kAmountColumns)
        sums << QStringLiteral("sum(hundredths(%1))").arg(QLatin1String(c.field));
    const RegisterPeriod period = registerPeriod(t.dateField, from, to);
    const QString sql = QStringLiteral("select count(*), %1 from %2 where head = ? and %3")
                            .arg(sums.join(QLatin1Char(',')), t.table, period.condition);
    data::QueryRecordset rs(fund, sql, QVariantList{head} + period.values);
    if (rs.field(0).number() == 0)
        return std::nullopt;
    Amounts a{};
    for (int i = 0; i < ColumnCount; ++i)
        a[i] = rs.field(i + 1).number() / 100.0;
    return a;
}

std::optional<Balances> headBalances(data::Database& fund, const QString& head,
                                     const QDate& from, const QDate& to)
{
    const auto allotted = registerSums(fund, Register::Allotments, head, from, to);
    const auto spent = registerSums(fund, Register::Bills, head, from, to);
    if (!allotted || !spent)
        return std::nullopt;
    // In whole hundredths, so that 1000.05 less 999.95 is 0.1 exactly.
    std::array<qint64, ColumnCount> left{};
    for (int i = 0; i < ColumnCount; ++i)
        left[i] = vb::hundredths((*allotted)[i]) - vb::hundredths((*spent)[i]);
    qint64 salary = 0;
    for (Column c : {Pay, DPay, Da, Hra, Ma, Bonus})
        salary += left[c];
    Balances b;
    for (int i = 0; i < ColumnCount; ++i)
        b.column[i] = double(left[i]) / 100.0;
    b.salaryTotal = double(salary) / 100.0;
    return b;
}

std::optional<double> lastBillNumber(data::Database& fund)
{
    data::QueryRecordset rs(fund, QStringLiteral("select max(bill_no) as lastbill from all_exp"));
    const data::FieldValue v = rs.field(0);
    if (v.isNull())
        return std::nullopt;
    return v.number();
}

std::optional<QString> headDescription(data::Database& fund, const QString& drawalCode)
{
    data::QueryRecordset rs(fund, QStringLiteral("select description from head where drawal_code = ?"),
                            {drawalCode});
    if (rs.eof())
        return std::nullopt;
    return rs.field(0).text();
}

ResetOutcome resetRegister(data::Database& fund, Register reg, const QDate& newStart)
{
    if (!newStart.isValid() || newStart.month() != 4 || newStart.day() != 1)
        throw vb::Error(vb::InvalidProcedureCall,
                        QStringLiteral("A financial year begins on 1 April."));
    const RegisterTable t = tableOf(reg);
    const QString start = iso(newStart);
    ResetOutcome out;
    data::Transaction tx(fund);

    // Carry each head's latest opening row into the new year, unless the head
    // already has one there (a second run, or a head added since).
    out.redated = fund.execute(
        QStringLiteral("update %1 set %2 = ? where rowid in ("
                       "select max(rowid) from %1 o where %3 and %2 < ? and not exists ("
                       "select 1 from %1 n where n.head = o.head and n.%3 and n.%2 = ?) "
                       "group by head)")
            .arg(t.table, t.dateField, t.opening),
        {start, start, start});

    QStringList zeros, fields;
    for (const AmountColumn& c : kAmountColumns) {
        fields << QLatin1String(c.field);
        zeros << QStringLiteral("0");
    }
    out.made = fund.execute(
        QStringLiteral("insert into %1 (head, %2, %3, %4, despn) "
                       "select drawal_code, ?, %5, %6, min(description) from head h "
                       "where drawal_code is not null and not exists ("
                       "select 1 from %1 n where n.head = h.drawal_code and n.%7 and n.%2 = ?) "
                       "group by drawal_code")
            .arg(t.table, t.dateField, t.openingInsert, fields.join(QStringLiteral(", ")),
                 t.openingValues, zeros.join(QStringLiteral(", ")), t.opening),
        {start, start});

    out.removed = fund.execute(QStringLiteral("delete from %1 where %2 < ?").arg(t.table, t.dateField),
                               {start});
    tx.commit();
    return out;
}

} // namespace allotment
