#include "provident_fund/broadsheet.h"

#include "platform/data/database.h"
#include "platform/data/recordset.h"

namespace provident_fund {

namespace {

YearRecord recordOf(const data::QueryRecordset& rs)
{
    YearRecord r;
    r.year = rs.field(QStringLiteral("year")).text();
    r.acNo = rs.field(QStringLiteral("ac_no")).text();
    r.name = rs.field(QStringLiteral("name")).text();
    r.ob = rs.field(QStringLiteral("ob")).number();
    r.totSubs = rs.field(QStringLiteral("tot_subs")).number();
    r.totRefund = rs.field(QStringLiteral("tot_refund")).number();
    r.interest = rs.field(QStringLiteral("interest")).number();
    r.loanTkn = rs.field(QStringLiteral("loan_tkn")).number();
    r.cb = rs.field(QStringLiteral("cb")).number();
    const data::FieldValue begin = rs.field(QStringLiteral("yr_begin"));
    if (!begin.isNull())
        r.yrBegin = begin.toDate();
    return r;
}

std::optional<YearRecord> first(data::Database& db, const QString& sql, const QVariantList& params)
{
    data::QueryRecordset rs(db, sql, params);
    if (rs.eof())
        return std::nullopt;
    return recordOf(rs);
}

} // namespace

double YearRecord::componentSum() const
{
    return ob + totSubs + totRefund + interest - loanTkn;
}

QStringList accountList(data::Database& db)
{
    data::QueryRecordset rs(db, QStringLiteral("select distinct ac_no from broadsheet"));
    QStringList out;
    out.reserve(rs.recordCount());
    for (; !rs.eof(); rs.moveNext())
        out << rs.field(0).text();
    return out;
}

std::optional<YearRecord> findYear(data::Database& db, const QString& account, const QDate& yrBegin)
{
    return first(db,
                 QStringLiteral("select * from broadsheet where ac_no = ? and yr_begin = ? order by rowid limit 1"),
                 {account.trimmed(), yrBegin});
}

std::optional<YearRecord> anyYear(data::Database& db, const QString& account)
{
    return first(db, QStringLiteral("select * from broadsheet where ac_no = ? order by rowid limit 1"),
                 {account.trimmed()});
}

void addYear(data::Database& db, const YearRecord& r)
{
    db.execute(QStringLiteral("insert into broadsheet (year, ac_no, name, ob, tot_subs, tot_refund, interest, "
                              "loan_tkn, cb, yr_begin) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {r.year, r.acNo, r.name, r.ob, r.totSubs, r.totRefund, r.interest, r.loanTkn, r.cb, r.yrBegin});
}

} // namespace provident_fund
