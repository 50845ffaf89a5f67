// The provident fund at the size of a large office: a year worked out and
// filed for each of 10,000 subscribers, and the form opening on a broad sheet
// of 100,000 records with one account picked. Each runs beside its baseline,
// the program's statements on SQLite's own C API on the same connection, and
// reports its time as a ratio of the baseline's.
#include "bench_support.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "provident_fund/account_form.h"
#include "provident_fund/broadsheet.h"
#include "provident_fund/sheet.h"
#include "setup/demo_office.h"
#include "support/temp_data_folder.h"

#include <QApplication>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

using namespace provident_fund;

const QDate kStart(2011, 4, 1);
const int kSubscribers = 10000;
const int kYears = 10;

QString account(int i)
{
    return QStringLiteral("GPF/%1").arg(i, 5, 10, QLatin1Char('0'));
}

// Broad-sheet records of `years` years up to the one before kStart.
void fileYears(int years)
{
    data::Database& db = bench::salaryDb();
    data::Transaction t(db);
    QSqlQuery insert(db.sql());
    insert.prepare("insert into broadsheet (year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb, "
                   "yr_begin) values (?, ?, ?, 0, 6000, 0, 500, 0, ?, ?)");
    for (int y = years; y >= 1; --y) {
        const QDate begin = kStart.addYears(-y);
        for (int i = 0; i < kSubscribers; ++i) {
            insert.bindValue(0, yearCaption(begin));
            insert.bindValue(1, account(i));
            insert.bindValue(2, QStringLiteral("Subscriber %1").arg(i));
            insert.bindValue(3, 10000.0 + i);
            insert.bindValue(4, begin.toString(Qt::ISODate));
            insert.exec();
        }
    }
    t.commit();
}

// " when ? then ?" for each month, as the sheet's statements spell them.
QByteArray whens()
{
    QByteArray out;
    for (int m = 0; m < kMonths; ++m)
        out += " when ? then ?";
    return out;
}

// The year of every subscriber in the sheet's own statements, raw, in one
// transaction: per subscriber the sheet reset from its template under a
// savepoint, stamped in one statement, the refund and withdrawal booked, the
// last year looked up, the balances worked out and written in one statement,
// the sums read and the year filed.
void rawYear(sqlite3* db, const QVector<QByteArray>& monthText, const QVector<QByteArray>& dates)
{
    const QByteArray stampSql = "update calc_sheet set ac_no = ?, name = ?, subs = ?, month = case rowid" + whens()
        + " end, dep_dt = case rowid" + whens() + " end";
    const QByteArray balanceSql = "update calc_sheet set total = subs + refund, cumulative = case rowid" + whens()
        + " end";
    bench::Raw begin(db, "BEGIN"), commit(db, "COMMIT"), save(db, "savepoint provident_sheet"),
        release(db, "release provident_sheet"), count(db, "select count(*) from first_sheet"),
        clear(db, "delete from calc_sheet"), copy(db, "insert into calc_sheet select * from first_sheet order by rowid"),
        rowids(db, "select rowid from calc_sheet order by rowid"), stamp(db, stampSql.constData()),
        refund(db, "update calc_sheet set "
                   "refund = case when dep_dt between ?1 and ?2 then ?3 else refund end, "
                   "total = subs + case when dep_dt between ?1 and ?2 then ?3 else refund end"),
        loan(db, "update calc_sheet set loan = ? where month = ?"),
        last(db, "select year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb, yr_begin from broadsheet "
                 "where ac_no = ? and yr_begin = ? order by rowid limit 1"),
        monthsQ(db, "select rowid, subs, refund, loan from calc_sheet order by rowid"), balance(db, balanceSql.constData()),
        sums(db, "select sum(subs), sum(refund), sum(loan) from calc_sheet"),
        file(db, "insert into broadsheet (year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb, "
                 "yr_begin) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    begin.run();
    for (int i = 0; i < kSubscribers; ++i) {
        const QByteArray ac = account(i).toUtf8();
        const QByteArray name = QStringLiteral("Subscriber %1").arg(i).toUtf8();
        save.run();
        count.run();
        clear.run();
        copy.run();
        release.run();
        qint64 rows[kMonths];
        int n = 0;
        while (rowids.step() && n < kMonths)
            rows[n++] = sqlite3_column_int64(*rowids, 0);
        sqlite3_reset(*rowids);
        const QByteArray ac2 = " " + ac + " ", name2 = " " + name + " ";
        sqlite3_bind_text(*stamp, 1, ac2.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(*stamp, 2, name2.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_double(*stamp, 3, 500);
        for (int m = 0; m < kMonths; ++m) {
            sqlite3_bind_int64(*stamp, 4 + 2 * m, m < n ? rows[m] : -1);
            sqlite3_bind_text(*stamp, 5 + 2 * m, monthText[m].constData(), -1, SQLITE_STATIC);
            sqlite3_bind_int64(*stamp, 28 + 2 * m, m < n ? rows[m] : -1);
            sqlite3_bind_text(*stamp, 29 + 2 * m, dates[m].constData(), -1, SQLITE_STATIC);
        }
        stamp.run();
        sqlite3_bind_text(*refund, 1, "2011-06-01", -1, SQLITE_STATIC);
        sqlite3_bind_text(*refund, 2, "2011-08-01", -1, SQLITE_STATIC);
        sqlite3_bind_double(*refund, 3, 200);
        refund.run();
        sqlite3_bind_double(*loan, 1, 1000);
        sqlite3_bind_text(*loan, 2, "Oct-11", -1, SQLITE_STATIC);
        loan.run();
        sqlite3_bind_text(*last, 1, ac.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(*last, 2, "2010-04-01", -1, SQLITE_STATIC);
        const double ob = last.step() ? sqlite3_column_double(*last, 8) : 0;
        sqlite3_reset(*last);
        double b = ob, sumB = 0;
        int m = 0;
        while (monthsQ.step()) {
            b = b + sqlite3_column_double(*monthsQ, 1) + sqlite3_column_double(*monthsQ, 2)
                - sqlite3_column_double(*monthsQ, 3);
            sumB += b;
            sqlite3_bind_int64(*balance, 1 + 2 * m, sqlite3_column_int64(*monthsQ, 0));
            sqlite3_bind_double(*balance, 2 + 2 * m, b);
            ++m;
        }
        sqlite3_reset(*monthsQ);
        balance.run();
        const double interest = qRound(yearInterest(sumB, 8));
        sums.step();
        const double s1 = sqlite3_column_double(*sums, 0), s2 = sqlite3_column_double(*sums, 1),
                     s3 = sqlite3_column_double(*sums, 2);
        sqlite3_reset(*sums);
        sqlite3_bind_text(*file, 1, "2011--2012", -1, SQLITE_STATIC);
        sqlite3_bind_text(*file, 2, ac.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(*file, 3, name.constData(), -1, SQLITE_STATIC);
        const double values[] = {ob, s1, s2, interest, s3, closingBalance(ob, s1, s2, interest, s3)};
        for (int k = 0; k < 6; ++k)
            sqlite3_bind_double(*file, 4 + k, values[k]);
        sqlite3_bind_text(*file, 10, "2011-04-01", -1, SQLITE_STATIC);
        file.run();
    }
    commit.run();
}

void BM_YearOfEverySubscriber(benchmark::State& state)
{
    testsupport::TempDataFolder folder;
    setup::writeStartingRows(QStringLiteral("pw"));
    fileYears(1);
    data::Database& db = bench::salaryDb();
    const QStringList months = monthCaptions(kStart);
    QVector<QByteArray> monthText, dates;
    for (int m = 0; m < kMonths; ++m) {
        monthText << months.at(m).toUtf8();
        dates << kStart.addMonths(m).toString(Qt::ISODate).toUtf8();
    }
    bench::compare(
        state, [&] { db.execute("delete from broadsheet where yr_begin = '2011-04-01'"); },
        [&] {
            Sheet sheet(db);
            BroadSheet broad(db);
            data::Transaction t(db);
            for (int i = 0; i < kSubscribers; ++i) {
                const QString ac = account(i);
                const QString name = QStringLiteral("Subscriber %1").arg(i);
                sheet.reset();
                sheet.stamp(ac, name, 500, kStart);
                sheet.bookRefund(200, QDate(2011, 6, 1), QDate(2011, 8, 1));
                sheet.bookWithdrawal(1000, QStringLiteral("Oct-11"));
                const double ob = broad.find(ac, kStart.addYears(-1))->cb;
                const YearInterest year = sheet.workOut(ob, 8);
                const SheetTotals sums = sheet.totals();
                const double interest = qRound(year.interest);
                broad.add({yearCaption(kStart), ac, name, ob, sums.subs, sums.refund, interest, sums.loan,
                           closingBalance(ob, sums.subs, sums.refund, interest, sums.loan), kStart});
            }
            t.commit();
        },
        [&] { rawYear(db.handle(), monthText, dates); });
    state.SetItemsProcessed(state.iterations() * kSubscribers);
}
BENCHMARK(BM_YearOfEverySubscriber)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// The form opened and one account picked, beside the same work raw on the
// same connection: the account list read, the account's two records read,
// and the sheet made afresh from its blank template (the pick starts each
// account's year from it: the template counted, the sheet emptied and
// refilled, under a savepoint that commits).
void rawOpenAndPick(sqlite3* db)
{
    bench::Raw list(db, "select distinct ac_no from broadsheet");
    QStringList accounts;
    while (list.step())
        accounts << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(*list, 0)));
    benchmark::DoNotOptimize(accounts.size());
    const QByteArray ac = account(kSubscribers / 2).toUtf8();
    bench::Raw any(db, "select year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb, yr_begin "
                       "from broadsheet where ac_no = ? order by rowid limit 1");
    bench::Raw year(db, "select year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb, yr_begin "
                        "from broadsheet where ac_no = ? and yr_begin = ? order by rowid limit 1");
    sqlite3_bind_text(*any, 1, ac.constData(), -1, SQLITE_STATIC);
    benchmark::DoNotOptimize(bench::readAll(any));
    sqlite3_bind_text(*year, 1, ac.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_text(*year, 2, "2010-04-01", -1, SQLITE_STATIC);
    benchmark::DoNotOptimize(bench::readAll(year));
    bench::Raw save(db, "savepoint provident_sheet"), count(db, "select count(*) from first_sheet"),
        clear(db, "delete from calc_sheet"), copy(db, "insert into calc_sheet select * from first_sheet order by rowid"),
        release(db, "release provident_sheet");
    save.run();
    if (!count.step() || sqlite3_column_int(*count, 0) != kMonths)
        qFatal("the blank sheet does not hold twelve rows");
    sqlite3_reset(*count);
    clear.run();
    copy.run();
    release.run();
}

void BM_OpenAndPick(benchmark::State& state)
{
    testsupport::TempDataFolder folder;
    setup::writeStartingRows(QStringLiteral("pw")); // the blank sheet the pick starts from
    fileYears(kYears);
    forms::Clock::Override today(QDate(2011, 1, 15)); // the last year filed
    sqlite3* db = bench::salaryDb().handle();
    QString shown;
    bench::compare(
        state,
        [] {
            forms::Forms::unloadAll();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        },
        [&] {
            auto& form = forms::Forms::get<gpf_ac>();
            form.Combo2->setListIndex(kSubscribers / 2);
            form.Combo2_Click();
            shown = form.Text1->text() + QLatin1Char('|') + form.Text20->text();
        },
        [&] { rawOpenAndPick(db); });
    forms::Forms::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The account taken, with its year's closing balance (every year filed closes at 10000 + i).
    const QString expected = account(kSubscribers / 2) + QStringLiteral("|15000");
    if (!state.error_occurred() && shown != expected)
        state.SkipWithError(qPrintable(QStringLiteral("the pick showed \"%1\", not \"%2\"").arg(shown, expected)));
}
BENCHMARK(BM_OpenAndPick)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
