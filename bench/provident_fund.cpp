// The provident fund at the size of a large office: a year worked out and
// filed for each of 10,000 subscribers, and the form opening on a broad sheet
// of 100,000 records with one account picked. Each runs beside its baseline,
// the same statements on SQLite's own C API on the same connection, and
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
#include <chrono>
#include <sqlite3.h>

namespace {

using namespace provident_fund;
using Clock = std::chrono::steady_clock;

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

// Per-iteration seconds of each baseline, for the ratio.
double gYearBaseline = 0;
double gOpenBaseline = 0;

double seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

void BM_YearOfEverySubscriber_RawSqlite(benchmark::State& state)
{
    testsupport::TempDataFolder folder;
    setup::writeStartingRows(QStringLiteral("pw"));
    fileYears(1);
    sqlite3* db = bench::salaryDb().handle();
    const QStringList months = monthCaptions(kStart);
    QVector<QByteArray> monthText, dates;
    for (int m = 0; m < kMonths; ++m) {
        monthText << months.at(m).toUtf8();
        dates << kStart.addMonths(m).toString(Qt::ISODate).toUtf8();
    }
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench::salaryDb().execute("delete from broadsheet where yr_begin = '2011-04-01'");
        state.ResumeTiming();
        const auto t0 = Clock::now();
        bench::Raw begin(db, "BEGIN"), commit(db, "COMMIT"), clear(db, "delete from calc_sheet"),
            copy(db, "insert into calc_sheet select * from first_sheet order by rowid"),
            count(db, "select count(*) from first_sheet"),
            rowids(db, "select rowid from calc_sheet order by rowid"),
            stamp(db, "update calc_sheet set ac_no = ?, name = ?, subs = ?, month = ?, dep_dt = ? where rowid = ?"),
            refund(db, "update calc_sheet set refund = ? where dep_dt between ? and ?"),
            totals(db, "update calc_sheet set total = subs + refund"),
            loan(db, "update calc_sheet set loan = ? where month = ?"),
            last(db, "select cb from broadsheet where ac_no = ? and yr_begin = ?"),
            monthsQ(db, "select rowid, subs, refund, loan from calc_sheet order by rowid"),
            balance(db, "update calc_sheet set total = ?, cumulative = ? where rowid = ?"),
            sums(db, "select sum(subs), sum(refund), sum(loan) from calc_sheet"),
            file(db, "insert into broadsheet (year, ac_no, name, ob, tot_subs, tot_refund, interest, loan_tkn, cb, "
                     "yr_begin) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        begin.run();
        for (int i = 0; i < kSubscribers; ++i) {
            const QByteArray ac = account(i).toUtf8();
            const QByteArray name = QStringLiteral("Subscriber %1").arg(i).toUtf8();
            count.run();
            clear.run();
            copy.run();
            qint64 rows[kMonths];
            int n = 0;
            while (sqlite3_step(*rowids) == SQLITE_ROW && n < kMonths)
                rows[n++] = sqlite3_column_int64(*rowids, 0);
            sqlite3_reset(*rowids);
            const QByteArray ac2 = " " + ac + " ", name2 = " " + name + " ";
            for (int m = 0; m < n; ++m) {
                sqlite3_bind_text(*stamp, 1, ac2.constData(), -1, SQLITE_STATIC);
                sqlite3_bind_text(*stamp, 2, name2.constData(), -1, SQLITE_STATIC);
                sqlite3_bind_double(*stamp, 3, 500);
                sqlite3_bind_text(*stamp, 4, monthText[m].constData(), -1, SQLITE_STATIC);
                sqlite3_bind_text(*stamp, 5, dates[m].constData(), -1, SQLITE_STATIC);
                sqlite3_bind_int64(*stamp, 6, rows[m]);
                stamp.run();
            }
            sqlite3_bind_double(*refund, 1, 200);
            sqlite3_bind_text(*refund, 2, "2011-06-01", -1, SQLITE_STATIC);
            sqlite3_bind_text(*refund, 3, "2011-08-01", -1, SQLITE_STATIC);
            refund.run();
            totals.run();
            sqlite3_bind_double(*loan, 1, 1000);
            sqlite3_bind_text(*loan, 2, "Oct-11", -1, SQLITE_STATIC);
            loan.run();
            sqlite3_bind_text(*last, 1, ac.constData(), -1, SQLITE_STATIC);
            sqlite3_bind_text(*last, 2, "2010-04-01", -1, SQLITE_STATIC);
            double ob = 0;
            if (sqlite3_step(*last) == SQLITE_ROW)
                ob = sqlite3_column_double(*last, 0);
            sqlite3_reset(*last);
            double b = ob, sumB = 0;
            while (sqlite3_step(*monthsQ) == SQLITE_ROW) {
                const double t = sqlite3_column_double(*monthsQ, 1) + sqlite3_column_double(*monthsQ, 2);
                b = b + t - sqlite3_column_double(*monthsQ, 3);
                sumB += b;
                sqlite3_bind_double(*balance, 1, t);
                sqlite3_bind_double(*balance, 2, b);
                sqlite3_bind_int64(*balance, 3, sqlite3_column_int64(*monthsQ, 0));
                balance.run();
            }
            sqlite3_reset(*monthsQ);
            const double interest = yearInterest(sumB, 8);
            sqlite3_step(*sums);
            const double s1 = sqlite3_column_double(*sums, 0), s2 = sqlite3_column_double(*sums, 1),
                         s3 = sqlite3_column_double(*sums, 2);
            sqlite3_reset(*sums);
            const QByteArray year = "2011--2012";
            sqlite3_bind_text(*file, 1, year.constData(), -1, SQLITE_STATIC);
            sqlite3_bind_text(*file, 2, ac.constData(), -1, SQLITE_STATIC);
            sqlite3_bind_text(*file, 3, name.constData(), -1, SQLITE_STATIC);
            const double values[] = {ob, s1, s2, double(qRound(interest)), s3,
                                     closingBalance(ob, s1, s2, qRound(interest), s3)};
            for (int k = 0; k < 6; ++k)
                sqlite3_bind_double(*file, 4 + k, values[k]);
            sqlite3_bind_text(*file, 10, "2011-04-01", -1, SQLITE_STATIC);
            file.run();
        }
        commit.run();
        total += seconds(t0);
    }
    gYearBaseline = total / double(state.iterations());
    state.SetItemsProcessed(state.iterations() * kSubscribers);
}
BENCHMARK(BM_YearOfEverySubscriber_RawSqlite)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_YearOfEverySubscriber(benchmark::State& state)
{
    testsupport::TempDataFolder folder;
    setup::writeStartingRows(QStringLiteral("pw"));
    fileYears(1);
    data::Database& db = bench::salaryDb();
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        db.execute("delete from broadsheet where yr_begin = '2011-04-01'");
        state.ResumeTiming();
        const auto t0 = Clock::now();
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
        total += seconds(t0);
    }
    const double perIteration = total / double(state.iterations());
    state.counters["ratio"] = gYearBaseline > 0 ? perIteration / gYearBaseline : 0;
    state.SetItemsProcessed(state.iterations() * kSubscribers);
}
BENCHMARK(BM_YearOfEverySubscriber)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenAndPick_RawSqlite(benchmark::State& state)
{
    testsupport::TempDataFolder folder;
    fileYears(kYears);
    sqlite3* db = bench::salaryDb().handle();
    double total = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        bench::Raw list(db, "select distinct ac_no from broadsheet");
        QStringList accounts;
        while (sqlite3_step(*list) == SQLITE_ROW)
            accounts << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(*list, 0)));
        const QByteArray ac = account(kSubscribers / 2).toUtf8();
        bench::Raw any(db, "select * from broadsheet where ac_no = ? order by rowid limit 1");
        bench::Raw year(db, "select * from broadsheet where ac_no = ? and yr_begin = ? order by rowid limit 1");
        sqlite3_bind_text(*any, 1, ac.constData(), -1, SQLITE_STATIC);
        any.run();
        sqlite3_bind_text(*year, 1, ac.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(*year, 2, "2010-04-01", -1, SQLITE_STATIC);
        year.run();
        benchmark::DoNotOptimize(accounts.size());
        total += seconds(t0);
    }
    gOpenBaseline = total / double(state.iterations());
}
BENCHMARK(BM_OpenAndPick_RawSqlite)->Unit(benchmark::kMillisecond);

void BM_OpenAndPick(benchmark::State& state)
{
    testsupport::TempDataFolder folder;
    fileYears(kYears);
    forms::Clock::Override today(QDate(2011, 1, 15)); // the last year filed
    double total = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        auto& form = forms::Forms::get<gpf_ac>();
        form.Combo2->setListIndex(kSubscribers / 2);
        form.Combo2_Click();
        benchmark::DoNotOptimize(form.Text20->text());
        total += seconds(t0);
        state.PauseTiming();
        forms::Forms::unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    const double perIteration = total / double(state.iterations());
    state.counters["ratio"] = gOpenBaseline > 0 ? perIteration / gOpenBaseline : 0;
}
BENCHMARK(BM_OpenAndPick)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
