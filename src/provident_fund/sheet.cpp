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
        : rowids(db), stampRow(db), firstRow(db), totals(db), refund(db), withdrawal(db), months(db),
          balance(db), sums(db), templateRows(db)
    {
        prepare(rowids, "select rowid from calc_sheet order by rowid");
        prepare(stampRow, "update calc_sheet set ac_no = ?, name = ?, subs = ?, month = ?, dep_dt = ? "
                          "where rowid = ?");
        prepare(firstRow, "select ac_no, name, dep_dt from calc_sheet order by rowid limit 1");
        prepare(totals, "update calc_sheet set total = subs + refund");
        prepare(refund, "update calc_sheet set refund = ? where dep_dt between ? and ?");
        prepare(withdrawal, "update calc_sheet set loan = ? where month = ?");
        prepare(months, "select rowid, subs, refund, loan from calc_sheet order by rowid");
        prepare(balance, "update calc_sheet set total = ?, cumulative = ? where rowid = ?");
        prepare(sums, "select sum(subs), sum(refund), sum(loan) from calc_sheet");
        prepare(templateRows, "select count(*) from first_sheet");
    }
    static void prepare(QSqlQuery& q, const char* sql)
    {
        if (!q.prepare(QString::fromLatin1(sql)))
            throw vb::Error(3000, q.lastError().text() + QStringLiteral(" [") + QString::fromLatin1(sql) + "]");
    }
    QSqlQuery rowids, stampRow, firstRow, totals, refund, withdrawal, months, balance, sums, templateRows;
};

namespace {

void run(QSqlQuery& q, const QVariantList& values = {})
{
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, data::toSqlValue(values.at(i)));
    if (!q.exec())
        throw vb::Error(3000, q.lastError().text() + QStringLiteral(" [") + q.lastQuery() + "]");
}

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
    data::Transaction t(mDb);
    if (templateRows() != kMonths)
        return false;
    mDb.execute(QStringLiteral("delete from calc_sheet"));
    mDb.execute(QStringLiteral("insert into calc_sheet select * from first_sheet order by rowid"));
    t.commit();
    return true;
}

void Sheet::stamp(const QString& account, const QString& name, double subs, const QDate& start)
{
    run(mSt->rowids);
    QVector<qint64> rows;
    while (mSt->rowids.next())
        rows << mSt->rowids.value(0).toLongLong();
    mSt->rowids.finish();
    const QStringList captions = monthCaptions(start);
    const QString ac = QLatin1Char(' ') + account + QLatin1Char(' ');
    const QString nm = QLatin1Char(' ') + name + QLatin1Char(' ');
    data::Transaction t(mDb);
    for (int i = 0; i < rows.size() && i < kMonths; ++i)
        run(mSt->stampRow, {ac, nm, subs, captions.at(i), start.addMonths(i), rows.at(i)});
    t.commit();
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

int Sheet::bookRefund(double amount, const QDate& from, const QDate& to)
{
    data::Transaction t(mDb);
    run(mSt->refund, {amount, from, to});
    const int rows = mSt->refund.numRowsAffected();
    setTotals();
    t.commit();
    return rows;
}

int Sheet::bookWithdrawal(double amount, const QString& monthCaption)
{
    run(mSt->withdrawal, {amount, monthCaption});
    mDb.touch();
    return mSt->withdrawal.numRowsAffected();
}

YearInterest Sheet::workOut(double openingBalance, double ratePercent)
{
    struct Month {
        qint64 rowid;
        double subs, refund, loan;
    };
    QVector<Month> months;
    run(mSt->months);
    while (mSt->months.next())
        months.push_back({mSt->months.value(0).toLongLong(), mSt->months.value(1).toDouble(),
                          mSt->months.value(2).toDouble(), mSt->months.value(3).toDouble()});
    mSt->months.finish();
    if (months.size() != kMonths)
        throw vb::Error(vb::NoCurrentRecord,
                        QStringLiteral("The working sheet holds %1 months instead of twelve.").arg(months.size()));

    YearInterest out;
    double balance = openingBalance;
    data::Transaction t(mDb);
    for (const Month& m : months) {
        const double total = m.subs + m.refund;
        balance = balance + total - m.loan;
        out.sumOfBalances += balance;
        run(mSt->balance, {total, balance, m.rowid});
    }
    t.commit();
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
