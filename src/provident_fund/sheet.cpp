#include "provident_fund/sheet.h"

#include "platform/data/database.h"
#include "platform/data/statement.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include "provident_fund/prepared.h"

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

// Borrowed from the connection's cache for the sheet's life.
struct Sheet::Statements {
    explicit Statements(data::Database& db)
        : stamp(db.prepare(caseUpdate("update calc_sheet set ac_no = ?, name = ?, subs = ?, month = case rowid")
                           + QStringLiteral(", dep_dt = case rowid") + whens() + QStringLiteral(" end"))),
          rowids(db.prepare(QStringLiteral("select rowid from calc_sheet order by rowid"))),
          firstRow(db.prepare(QStringLiteral("select ac_no, name, dep_dt from calc_sheet order by rowid limit 1"))),
          totals(db.prepare(QStringLiteral("update calc_sheet set total = subs + refund"))),
          refund(db.prepare(QStringLiteral("update calc_sheet set "
                                           "refund = case when dep_dt between ?1 and ?2 then ?3 else refund end, "
                                           "total = subs + case when dep_dt between ?1 and ?2 then ?3 else refund end"))),
          withdrawal(db.prepare(QStringLiteral("update calc_sheet set loan = ? where month = ?"))),
          months(db.prepare(QStringLiteral("select rowid, subs, refund, loan from calc_sheet order by rowid"))),
          balance(db.prepare(caseUpdate("update calc_sheet set total = subs + refund, cumulative = case rowid"))),
          sums(db.prepare(QStringLiteral("select sum(subs), sum(refund), sum(loan) from calc_sheet"))),
          templateRows(db.prepare(QStringLiteral("select count(*) from first_sheet"))),
          clear(db.prepare(QStringLiteral("delete from calc_sheet"))),
          copy(db.prepare(QStringLiteral("insert into calc_sheet select * from first_sheet order by rowid"))),
          begin(db.prepare(QStringLiteral("savepoint provident_sheet"))),
          release(db.prepare(QStringLiteral("release provident_sheet"))),
          rollback(db.prepare(QStringLiteral("rollback to provident_sheet")))
    {
    }
    // " when ? then ?" for each month: each row by its rowid.
    static QString whens()
    {
        QString out;
        for (int i = 0; i < kMonths; ++i)
            out += QStringLiteral(" when ? then ?");
        return out;
    }
    static QString caseUpdate(const char* head)
    {
        return QString::fromLatin1(head) + whens() + QStringLiteral(" end");
    }
    data::Statement stamp, rowids, firstRow, totals, refund, withdrawal, months, balance, sums, templateRows;
    data::Statement clear, copy, begin, release, rollback;
    // The month captions of the last start date stamped.
    QDate captionsOf;
    QStringList captions;
};

namespace {

// The rows a step writes go in whole or not at all (a savepoint, so that a
// caller's own transaction may hold several steps).
class Whole {
public:
    Whole(data::Statement& begin, data::Statement& release, data::Statement& rollback) : mRelease(release), mRollback(rollback)
    {
        begin.run();
    }
    ~Whole()
    {
        if (mDone)
            return;
        try {
            mRollback.run();
            mRelease.run();
        } catch (...) {
        }
    }
    void commit()
    {
        mRelease.run();
        mDone = true;
    }
    Whole(const Whole&) = delete;
    Whole& operator=(const Whole&) = delete;

private:
    data::Statement& mRelease;
    data::Statement& mRollback;
    bool mDone = false;
};

// Every row's rowid in stored order.
QVariantList rowidsOf(data::Statement& q)
{
    QVariantList rows;
    for (bool row = firstRow(q); row; row = q.step())
        rows << q.toInt64(0);
    q.reset();
    return rows;
}

} // namespace

Sheet::Sheet(data::Database& db) : mDb(db), mSt(std::make_unique<Statements>(db)) {}

Sheet::~Sheet() = default;

int Sheet::templateRows()
{
    const int n = firstRow(mSt->templateRows) ? int(mSt->templateRows.toInt64(0)) : 0;
    mSt->templateRows.reset();
    return n;
}

bool Sheet::reset()
{
    Whole t(mSt->begin, mSt->release, mSt->rollback);
    if (templateRows() != kMonths)
        return false;
    mSt->clear.run();
    mSt->copy.run();
    t.commit();
    mDb.touch();
    return true;
}

void Sheet::stamp(const QString& account, const QString& name, double subs, const QDate& start)
{
    const QVariantList rows = rowidsOf(mSt->rowids);
    if (start != mSt->captionsOf) {
        mSt->captions = monthCaptions(start);
        mSt->captionsOf = start;
    }
    const QStringList& captions = mSt->captions;
    QVariantList values{QLatin1Char(' ') + account + QLatin1Char(' '), QLatin1Char(' ') + name + QLatin1Char(' '),
                        subs};
    // A month the sheet lacks matches no rowid.
    for (int i = 0; i < kMonths; ++i)
        values << (i < rows.size() ? rows.at(i) : QVariant(-1)) << captions.at(i);
    for (int i = 0; i < kMonths; ++i)
        values << (i < rows.size() ? rows.at(i) : QVariant(-1)) << start.addMonths(i);
    // One statement: the whole sheet is stamped or none of it.
    rebind(mSt->stamp, values);
    mSt->stamp.run();
    mDb.touch();
}

bool Sheet::stampedFor(const QString& account, const QDate& start)
{
    bool ok = false;
    if (firstRow(mSt->firstRow)) {
        const QString ac = mSt->firstRow.toString(0).trimmed();
        const QDate date = QDate::fromString(mSt->firstRow.toString(2), Qt::ISODate);
        ok = mSt->firstRow.toString(1) != QLatin1String("x") && date == start
            && ac.compare(account.trimmed(), Qt::CaseInsensitive) == 0;
    }
    mSt->firstRow.reset();
    return ok;
}

void Sheet::setTotals()
{
    mSt->totals.run();
    mDb.touch();
}

void Sheet::bookRefund(double amount, const QDate& from, const QDate& to)
{
    rebind(mSt->refund, {from, to, amount});
    mSt->refund.run();
    mDb.touch();
}

int Sheet::bookWithdrawal(double amount, const QString& monthCaption)
{
    rebind(mSt->withdrawal, {amount, monthCaption});
    const int changed = mSt->withdrawal.run();
    mDb.touch();
    return changed;
}

YearInterest Sheet::workOut(double openingBalance, double ratePercent)
{
    QVariantList balances;
    YearInterest out;
    double balance = openingBalance;
    for (bool row = firstRow(mSt->months); row; row = mSt->months.step()) {
        const double total = mSt->months.toDouble(1) + mSt->months.toDouble(2);
        balance = balance + total - mSt->months.toDouble(3);
        out.sumOfBalances += balance;
        balances << mSt->months.toInt64(0) << balance;
    }
    mSt->months.reset();
    if (balances.size() != 2 * kMonths)
        throw vb::Error(vb::NoCurrentRecord, QStringLiteral("The working sheet holds %1 months instead of twelve.")
                                                 .arg(balances.size() / 2));
    // One statement: every month's total and balance, or none.
    rebind(mSt->balance, balances);
    mSt->balance.run();
    mDb.touch();
    out.interest = yearInterest(out.sumOfBalances, ratePercent);
    return out;
}

SheetTotals Sheet::totals()
{
    SheetTotals s;
    if (firstRow(mSt->sums)) {
        s.subs = mSt->sums.toDouble(0);
        s.refund = mSt->sums.toDouble(1);
        s.loan = mSt->sums.toDouble(2);
    }
    mSt->sums.reset();
    return s;
}

} // namespace provident_fund
