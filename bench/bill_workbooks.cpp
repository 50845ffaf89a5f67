// OUTER SHEET and PRO REPORT on a bill of 10,000 rows, each to its saved file, against the
// raw SQLite C API reading the same sums; "ratio" is the program's time over the baseline's.
#include "bench_support.h"
#include "common/schema.h"
#include "paybill/documents/bill_workbooks.h"
#include "paybill/documents/filled_files.h"
#include "paybill/working_tables.h"
#include "platform/data/database.h"
#include "support/temp_data_folder.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <sqlite3.h>

namespace {

const QDate kBill{2012, 2, 15};
const char* const kHead = "20540010010101001";

void makeBill(int rows)
{
    data::Database& db = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    data::Transaction t(db);
    for (int i = 0; i < rows; ++i) {
        const bool old = i % 5 == 4;
        db.execute(QStringLiteral("INSERT INTO salary (name, designation, acc_no, pay, less_fa, d_pay, da, hra, ma,"
                                  " oa, gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, emp_code, bill_date,"
                                  " p_month, hb_loan, hb_int, i_tax, others, deduct, category)"
                                  " VALUES (?,'CLERK',?,?,0,?,?,?,300,0,?,500,0,?,?,110,0,?,?,?,'Feb-12',?,?,?,?,?,?)"),
                   {QStringLiteral("Employee %1").arg(i),
                    (i % 3 ? QStringLiteral("Agr/%1") : QStringLiteral("Edn/%1")).arg(i), 10000.0 + i,
                     double(1900 + (i % 7) * 500), 4200.0, 1500.0, 18000.0 + i, old ? 3.0 : 24.0, old ? 5.0 : 56.0,
                     12000.5, QStringLiteral("S%1").arg(i, 5, 10, QLatin1Char('0')), kBill,
                     i % 20 == 0 ? 1000.0 : 0.0, i % 20 == 0 ? 200.0 : 0.0, i % 10 == 0 ? 1200.0 : 0.0,
                     i % 4 == 0 ? 450.0 : 0.0, 6000.0, QString::fromLatin1(i % 4 == 3 ? "D" : "C")});
    }
    t.commit();
    data::Database& fund = data::Database::open(QString::fromLatin1(common::kFundDb));
    for (int m = 0; m < 12; ++m) {
        const QDate d = QDate(2011, 4, 1).addMonths(m);
        fund.execute(QStringLiteral("INSERT INTO all_allot (head, order_date, pay, d_pay, da, hra, ma, bonus)"
                                    " VALUES (?, ?, 100000, 20000, 40000, 15000, 3000, 0)"),
                     {QString::fromLatin1(kHead), d});
        fund.execute(QStringLiteral("INSERT INTO all_exp (head, bill_no, bill_date, pay, d_pay, da, hra, ma, bonus)"
                                    " VALUES (?, ?, ?, 90000, 19000, 38000, 14000, 3000, 0)"),
                     {QString::fromLatin1(kHead), m + 1, d});
    }
}

class Office {
public:
    explicit Office(int rows)
    {
        makeBill(rows);
        paybill::activateBill(salaryDb(), kBill, QStringLiteral("S"));
    }
    data::Database& salaryDb() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }
    data::Database& fundDb() { return data::Database::open(QString::fromLatin1(common::kFundDb)); }

private:
    testsupport::TempDataFolder mFolder;
};

// The baseline: every sum both workbooks state, read on SQLite's C API.
double rawSums(const QString& folder)
{
    static const char* const salarySql[] = {
        "select sum(pay), sum(d_pay), sum(less_fa), sum(da), sum(hra), sum(ma), sum(oa), sum(gpf_subs),"
        " sum(gpf_rec), sum(\"if\"), sum(sf), sum(p_tax), sum(hb_loan), sum(hb_int), sum(i_tax), sum(others),"
        " sum(net) from sal",
        "select sum(\"if\"), sum(sf) from sal where \"if\" + sf = 8",
        "select total(gpf_subs) + total(gpf_rec) from sal where category <> 'D'",
        "select total(gpf_subs) + total(gpf_rec) from sal where category = 'D'",
        "select sum(gpf_subs), sum(gpf_rec) from sal where acc_no like 'Agr%'",
    };
    static const char* const fundSql[] = {
        "select sum(pay + da + d_pay + hra + ma + bonus) from all_allot where head = ?1"
        " and order_date between '2011-04-01' and '2012-02-15'",
        "select sum(pay + da + d_pay + hra + ma + bonus) from all_exp where head = ?1"
        " and bill_date between '2011-04-01' and '2012-02-15'",
    };
    double acc = 0;
    auto run = [&acc](const QString& file, const char* const* sqls, int n) {
        const bench::RawFile db(file);
        for (int i = 0; i < n; ++i) {
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, sqls[i], -1, &st, nullptr);
            if (sqlite3_bind_parameter_count(st) > 0)
                sqlite3_bind_text(st, 1, kHead, -1, SQLITE_STATIC);
            if (sqlite3_step(st) == SQLITE_ROW)
                for (int c = 0; c < sqlite3_column_count(st); ++c)
                    acc += sqlite3_column_double(st, c);
            sqlite3_finalize(st);
        }
    };
    const QDir dir(folder);
    run(dir.filePath(QString::fromLatin1(common::kSalaryDb)), salarySql, 5);
    run(dir.filePath(QString::fromLatin1(common::kFundDb)), fundSql, 2);
    return acc;
}

double secondsOf(const std::function<void()>& f, int times)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < times; ++i)
        f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / times;
}

void report(benchmark::State& state, double programSeconds)
{
    const double baseline = secondsOf([] { benchmark::DoNotOptimize(rawSums(data::dataFolder())); }, 20);
    state.counters["baseline_ms"] = baseline * 1000;
    state.counters["ratio"] = programSeconds / baseline;
}

void BM_OuterSheetToFile(benchmark::State& state)
{
    Office office(int(state.range(0)));
    const paybill::OuterSheetBill bill{QStringLiteral("23"), QStringLiteral("15/02/2012"), kBill,
                                       QStringLiteral("FEB-12"), QString::fromLatin1(kHead),
                                       QStringLiteral("2011-2012")};
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto cells = paybill::outerSheetCells(office.salaryDb(), office.fundDb(), bill);
        benchmark::DoNotOptimize(paybill::saveFilledWorkbook(QStringLiteral("outer_sheet.xlsx"), QString(), *cells));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    report(state, total / double(state.iterations()));
}
BENCHMARK(BM_OuterSheetToFile)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ProReportToFile(benchmark::State& state)
{
    Office office(int(state.range(0)));
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto pro = paybill::proStatementCells(office.salaryDb(), QString::fromLatin1(kHead), true);
        benchmark::DoNotOptimize(paybill::saveFilledWorkbook(QStringLiteral("pro_stt.xlsx"), QString(), pro->cells));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    report(state, total / double(state.iterations()));
}
BENCHMARK(BM_ProReportToFile)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
