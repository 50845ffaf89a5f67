#include "provident_fund/broadsheet.h"

#include "platform/data/database.h"
#include "platform/vb/error.h"

#include <QSqlError>
#include <QSqlQuery>

namespace provident_fund {

double YearRecord::componentSum() const
{
    return ob + totSubs + totRefund + interest - loanTkn;
}

namespace {

const char* const kColumns = "year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb, yr_begin";

void prepare(QSqlQuery& q, const QString& sql)
{
    if (!q.prepare(sql))
        throw vb::Error(3000, q.lastError().text() + QStringLiteral(" [") + sql + "]");
}

void run(QSqlQuery& q, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, data::toSqlValue(values.at(i)));
    if (q.exec())
        return;
    const QString text = q.lastError().databaseText();
    q.finish();
    if (text.contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive))
        throw vb::Error(vb::DuplicateKey, QStringLiteral("The account already has a record of this year."));
    throw vb::Error(3000, q.lastError().text() + QStringLiteral(" [") + q.lastQuery() + "]");
}

std::optional<YearRecord> first(QSqlQuery& q, const QVariantList& values)
{
    run(q, values);
    std::optional<YearRecord> r;
    if (q.next())
        r = YearRecord{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toDouble(),
                       q.value(4).toDouble(),  q.value(5).toDouble(), q.value(6).toDouble(), q.value(7).toDouble(),
                       q.value(8).toDouble(),  QDate::fromString(q.value(9).toString(), Qt::ISODate)};
    q.finish();
    return r;
}

} // namespace

struct BroadSheet::Statements {
    explicit Statements(QSqlDatabase& db) : accounts(db), find(db), any(db), add(db)
    {
        const QString cols = QString::fromLatin1(kColumns);
        prepare(accounts, QStringLiteral("select distinct ac_no from broadsheet"));
        prepare(find, QStringLiteral("select %1 from broadsheet where ac_no = ? and yr_begin = ? order by rowid "
                                     "limit 1").arg(cols));
        prepare(any, QStringLiteral("select %1 from broadsheet where ac_no = ? order by rowid limit 1").arg(cols));
        prepare(add, QStringLiteral("insert into broadsheet (%1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(cols));
    }
    QSqlQuery accounts, find, any, add;
};

BroadSheet::BroadSheet(data::Database& db) : mDb(db), mSt(std::make_unique<Statements>(db.sql())) {}

BroadSheet::~BroadSheet() = default;

QStringList BroadSheet::accounts()
{
    run(mSt->accounts, {});
    QStringList out;
    while (mSt->accounts.next())
        out << mSt->accounts.value(0).toString();
    mSt->accounts.finish();
    return out;
}

std::optional<YearRecord> BroadSheet::find(const QString& account, const QDate& yrBegin)
{
    return first(mSt->find, {account.trimmed(), yrBegin});
}

std::optional<YearRecord> BroadSheet::any(const QString& account)
{
    return first(mSt->any, {account.trimmed()});
}

void BroadSheet::add(const YearRecord& r)
{
    run(mSt->add, {r.year, r.acNo, r.name, r.ob, r.totSubs, r.totRefund, r.interest, r.loanTkn, r.cb, r.yrBegin});
    mDb.touch();
}

} // namespace provident_fund
