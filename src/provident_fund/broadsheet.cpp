#include "provident_fund/broadsheet.h"

#include "platform/data/database.h"
#include "provident_fund/prepared.h"

namespace provident_fund {

double YearRecord::componentSum() const
{
    return ob + totSubs + totRefund + interest - loanTkn;
}

namespace {

const char* const kColumns = "year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb, yr_begin";

std::optional<YearRecord> first(Prepared& q, const QVariantList& values)
{
    std::optional<YearRecord> r;
    if (q.run(values))
        r = YearRecord{q.text(0),   q.text(1),   q.text(2),   q.number(3), q.number(4),
                       q.number(5), q.number(6), q.number(7), q.number(8), QDate::fromString(q.text(9), Qt::ISODate)};
    q.done();
    return r;
}

} // namespace

struct BroadSheet::Statements {
    explicit Statements(data::Database& db)
        : accounts(db, QStringLiteral("select distinct ac_no from broadsheet")),
          find(db, QStringLiteral("select %1 from broadsheet where ac_no = ? and yr_begin = ? order by rowid limit 1")
                       .arg(QLatin1String(kColumns))),
          any(db, QStringLiteral("select %1 from broadsheet where ac_no = ? order by rowid limit 1")
                      .arg(QLatin1String(kColumns))),
          add(db, QStringLiteral("insert into broadsheet (%1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(QLatin1String(kColumns)))
    {
    }
    Prepared accounts, find, any, add;
};

BroadSheet::BroadSheet(data::Database& db) : mDb(db), mSt(std::make_unique<Statements>(db)) {}

BroadSheet::~BroadSheet() = default;

QStringList BroadSheet::accounts()
{
    QStringList out;
    for (bool row = mSt->accounts.run(); row; row = mSt->accounts.next())
        out << mSt->accounts.text(0);
    mSt->accounts.done();
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
    mSt->add.run({r.year, r.acNo, r.name, r.ob, r.totSubs, r.totRefund, r.interest, r.loanTkn, r.cb, r.yrBegin});
    mSt->add.done();
    mDb.touch();
}

} // namespace provident_fund
