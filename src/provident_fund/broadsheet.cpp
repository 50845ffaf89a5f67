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

std::optional<YearRecord> first(data::Statement& q, const QVariantList& values)
{
    std::optional<YearRecord> r;
    if (firstRow(q, values))
        r = YearRecord{q.toString(0), q.toString(1), q.toString(2), q.toDouble(3), q.toDouble(4),
                       q.toDouble(5), q.toDouble(6), q.toDouble(7), q.toDouble(8),
                       QDate::fromString(q.toString(9), Qt::ISODate)};
    q.reset();
    return r;
}

} // namespace

struct BroadSheet::Statements {
    explicit Statements(data::Database& db)
        : accounts(db.prepare(QStringLiteral("select distinct ac_no from broadsheet"))),
          find(db.prepare(QStringLiteral("select %1 from broadsheet where ac_no = ? and yr_begin = ? order by rowid "
                                         "limit 1")
                              .arg(QLatin1String(kColumns)))),
          any(db.prepare(QStringLiteral("select %1 from broadsheet where ac_no = ? order by rowid limit 1")
                             .arg(QLatin1String(kColumns)))),
          add(db.prepare(QStringLiteral("insert into broadsheet (%1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                             .arg(QLatin1String(kColumns))))
    {
    }
    data::Statement accounts, find, any, add;
};

BroadSheet::BroadSheet(data::Database& db) : mDb(db), mSt(std::make_unique<Statements>(db)) {}

BroadSheet::~BroadSheet() = default;

QStringList BroadSheet::accounts()
{
    QStringList out;
    for (bool row = firstRow(mSt->accounts); row; row = mSt->accounts.step())
        out << mSt->accounts.toString(0);
    mSt->accounts.reset();
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
    rebind(mSt->add, {r.year, r.acNo, r.name, r.ob, r.totSubs, r.totRefund, r.interest, r.loanTkn, r.cb, r.yrBegin});
    mSt->add.run();
    mDb.touch();
}

} // namespace provident_fund
