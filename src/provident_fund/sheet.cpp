#include "provident_fund/sheet.h"

#include "platform/data/database.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVector>

namespace provident_fund {

QString yearCaption(const QDate& start)
{
    return QStringLiteral("%1--%2").arg(start.year()).arg(start.year() + 1);
}

QStringList monthCaptions(const QDate& start)
{
    QStringList out;
    for (int i = 0; i < kMonths; ++i)
        out << vb::mediumDate(start.addMonths(i)).mid(3, 6);
    return out;
}

bool isYearStart(const QDate& d)
{
    return d.isValid() && d.month() == 4 && d.day() == 1;
}

double yearInterest(double sumOfBalances, double ratePercent)
{
    return (sumOfBalances / 12.0) * (ratePercent * 0.01);
}

QString interestText(double interest)
{
    return vb::format(interest, QStringLiteral("###"));
}

double closingBalance(double ob, double subs, double refund, double interest, double withdrawal)
{
    return ((((ob + subs) + refund) + interest) - withdrawal);
}

// Prepared once for the sheet's life: a year is worked out with a few dozen
// statements, and preparing them anew each time would cost more than running them.
struct Sheet::Statements {
    explicit Statements(QSqlDatabase& db)
        : stamp(db), firstRow(db), totals(db), refund(db), withdrawal(db), months(db),
          balance(db), sums(db), templateRows(db), clear(db), copy(db), begin(db), release(db), rollback(db)
    {
        // Row i (from 0, in stored order) gets the i-th six-letter caption
        // of the captions joined, and the start date plus i months.
        prepare(stamp, "update calc_sheet set ac_no = ?, name = ?, subs = ?, "
                       "month = substr(?, o.i * 6 + 1, 6), dep_dt = date(?, '+' || o.i || ' months') "
                       "from (select rowid as r, row_number() over (order by rowid) - 1 as i from calc_sheet) as o "
                       "where calc_sheet.rowid = o.r");
        prepare(firstRow, "select ac_no, name, dep_dt from calc_sheet order by rowid limit 1");
        prepare(totals, "update calc_sheet set total = subs + refund");
        prepare(refund, "update calc_sheet set "
                        "refund = case when dep_dt between ? and ? then ? else refund end, "
                        "total = subs + case when dep_dt between ? and ? then ? else refund end");
        prepare(withdrawal, "update calc_sheet set loan = ? where month = ?");
        prepare(months, "select rowid, subs, refund, loan from calc_sheet order by rowid");
        QString balanceSql = QStringLiteral("update calc_sheet set total = subs + refund, cumulative = case rowid");
        for (int i = 0; i < kMonths; ++i)
            balanceSql += QStringLiteral(" when ? then ?");
        balanceSql += QStringLiteral(" end");
        prepare(balance, balanceSql);
        prepare(sums, "select sum(subs), sum(refund), sum(loan) from calc_sheet");
        prepare(templateRows, "select count(*) from first_sheet");
        prepare(clear, "delete from calc_sheet");
        prepare(copy, "insert into calc_sheet select * from first_sheet order by rowid");
        prepare(begin, "savepoint provident_sheet");
        prepare(release, "release provident_sheet");
        prepare(rollback, "rollback to provident_sheet");
    }
    static void prepare(QSqlQuery& q, const QString& sql)
    {
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            throw vb::Error(3000, q.lastError().text() + QStringLiteral(" [") + sql + "]");
    }
    static void prepare(QSqlQuery& q, const char* sql) { prepare(q, QString::fromLatin1(sql)); }
    QSqlQuery stamp, firstRow, totals, refund, withdrawal, months, balance, sums, templateRows;
    QSqlQuery clear, copy, begin, release, rollback;
};

namespace {

void run(QSqlQuery& q, const QVariantList& values = {})
{
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, data::toSqlValue(values.at(i)));
    if (!q.exec())
        throw vb::Error(3000, q.lastError().text() + QStringLiteral(" [") + q.lastQuery() + "]");
}

// The rows a step writes go in whole or not at all (a savepoint, so that a
// caller's own transaction may hold several steps).
class Whole {
public:
    Whole(QSqlQuery& begin, QSqlQuery& release, QSqlQuery& rollback) : mRelease(release), mRollback(rollback)
    {
        run(begin);
    }
    ~Whole()
    {
        if (mDone)
            return;
        mRollback.exec();
        mRelease.exec();
    }
    void commit()
    {
        run(mRelease);
        mDone = true;
    }
    Whole(const Whole&) = delete;
    Whole& operator=(const Whole&) = delete;

private:
    QSqlQuery& mRelease;
    QSqlQuery& mRollback;
    bool mDone = false;
};

} // namespace

Sheet::Sheet(data::Database& db) : mDb(db), mSt(std::make_unique<Statements>(db.sql())) {}

Sheet::~Sheet() = default;

int Sheet::templateRows()
{
    run(mSt->templateRows);
    const int n = mSt->templateRows.next() ? mSt->templateRows.value(0).toInt() : 0;
    mSt->templateRows.finish();
    return n;
}

bool Sheet::reset()
{
    Whole t(mSt->begin, mSt->release, mSt->rollback);
    if (templateRows() != kMonths)
        return false;
    run(mSt->clear);
    run(mSt->copy);
    t.commit();
    mDb.touch();
    return true;
}

void Sheet::stamp(const QString& account, const QString& name, double subs, const QDate& start)
{
    run(mSt->stamp, {QLatin1Char(' ') + account + QLatin1Char(' '), QLatin1Char(' ') + name + QLatin1Char(' '), subs,
                     monthCaptions(start).join(QString()), start});
    mDb.touch();
}

bool Sheet::stampedFor(const QString& account, const QDate& start)
{
    run(mSt->firstRow);
    bool ok = false;
    if (mSt->firstRow.next()) {
        const QString ac = mSt->firstRow.value(0).toString().trimmed();
        const QString name = mSt->firstRow.value(1).toString();
        const QDate date = QDate::fromString(mSt->firstRow.value(2).toString(), Qt::ISODate);
        ok = name != QLatin1String("x") && date == start
            && ac.compare(account.trimmed(), Qt::CaseInsensitive) == 0;
    }
    mSt->firstRow.finish();
    return ok;
}

void Sheet::setTotals()
{
    run(mSt->totals);
    mDb.touch();
}

void Sheet::bookRefund(double amount, const QDate& from, const QDate& to)
{
    run(mSt->refund, {from, to, amount, from, to, amount});
    mDb.touch();
}

int Sheet::bookWithdrawal(double amount, const QString& monthCaption)
{
    run(mSt->withdrawal, {amount, monthCaption});
    mDb.touch();
    return mSt->withdrawal.numRowsAffected();
}

YearInterest Sheet::workOut(double openingBalance, double ratePercent)
{
    QVariantList balances;
    YearInterest out;
    double balance = openingBalance;
    run(mSt->months);
    while (mSt->months.next()) {
        const double total = mSt->months.value(1).toDouble() + mSt->months.value(2).toDouble();
        balance = balance + total - mSt->months.value(3).toDouble();
        out.sumOfBalances += balance;
        balances << mSt->months.value(0) << balance;
    }
    mSt->months.finish();
    if (balances.size() != 2 * kMonths)
        throw vb::Error(vb::NoCurrentRecord, QStringLiteral("The working sheet holds %1 months instead of twelve.")
                                                 .arg(balances.size() / 2));
    // One statement: every month's total and balance, or none.
    run(mSt->balance, balances);
    mDb.touch();
    out.interest = yearInterest(out.sumOfBalances, ratePercent);
    return out;
}

SheetTotals Sheet::totals()
{
    run(mSt->sums);
    SheetTotals s;
    if (mSt->sums.next()) {
        s.subs = mSt->sums.value(0).toDouble();
        s.refund = mSt->sums.value(1).toDouble();
        s.loan = mSt->sums.value(2).toDouble();
    }
    mSt->sums.finish();
    return s;
}

} // namespace provident_fund
