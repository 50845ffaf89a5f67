// A B-statement of a month with 1,000 bills, against SQLite's C API reading
// the same bills on its own connection. Target: well under a second.
#include "allotment/b_statement.h"
#include "bench_support.h"
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/office/workbook.h"
#include "support/temp_data_folder.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>

namespace {

const QString kHead = "2202-00-109-NP-00001-01";

data::Database& fund()
{
    return data::Database::open(QString::fromLatin1(common::kFundDb));
}

// April of 2011: `bills` bills of the head among as many of another code, and
// a year of bills either side.
void makeRegister(int bills)
{
    data::Transaction t(fund());
    QSqlQuery q(fund().sql());
    q.prepare("insert into all_exp values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    auto add = [&q](const QString& head, int no, const QDate& date) {
        const QVariantList v{head, double(no), date.toString(Qt::ISODate), 10000.0 + no, 2400.0, 5000.0,
                             1500.0, 300.0, 0.0, 0.0, 75.0, 100.0, 200.0, 30.5, 40.0, 50.0, 0.0, 2500.0,
                             "SALARY"};
        for (int k = 0; k < v.size(); ++k)
            q.bindValue(k, v[k]);
        q.exec();
    };
    for (int i = 0; i < bills; ++i) {
        add(kHead, i + 1, QDate(2011, 4, 1 + i % 30));
        add("2202-00-109-NP-00002-01", i + 1, QDate(2011, 4, 1 + i % 30));
        add(kHead, i + 1, QDate(2011, 5 + i % 11, 1));
    }
    t.commit();
}

allotment::StatementRequest april()
{
    return {kHead.left(20), 2011, 4, "APRIL", "APR-11"};
}

double gBaselineSeconds = 0;   // mean of the baseline, for the ratio

void BM_RawSqliteBills(benchmark::State& state)
{
    testsupport::TempDataFolder folder;
    makeRegister(int(state.range(0)));
    const bench::RawFile db(fund().path());
    const char* sql = "select bill_no, bill_date, deduction, pay, d_pay, da, hra, ma, bonus, wages, ta, "
                      "elec, tele, misc, oe, oc, scheme from all_exp where bill_date between ? and ? "
                      "and bill_no > 0 and head like ? escape '\\' order by bill_date, bill_no";
    const QByteArray pattern = "%" + kHead.left(20).toUtf8() + "%";
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        sqlite3_bind_text(st, 1, "2011-04-01", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 2, "2011-04-30", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 3, pattern.constData(), -1, SQLITE_STATIC);
        double total = 0;
        int rows = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(st, 1));
            for (int c = 0; c < 17; ++c)
                if (c != 1)
                    total += sqlite3_column_double(st, c);
            ++rows;
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(total);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (rows != state.range(0))
            state.SkipWithError("wrong number of bills");
    }
    gBaselineSeconds = seconds / double(state.iterations());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RawSqliteBills)->Arg(1000)->Unit(benchmark::kMillisecond);

// The statement whole: bills, totals, the template filled (978 rows inserted),
// the brought-forward row stored with the saved file. Reports its time over
// the baseline's as "ratio".
void BM_BStatement(benchmark::State& state)
{
    testsupport::TempDataFolder folder;
    makeRegister(int(state.range(0)));
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto statement = allotment::makeBStatement(fund(), april());
        office::Workbook book = office::Workbook::open(allotment::kStatementTemplate);
        const allotment::StatementSheet sheet = allotment::statementSheet(*statement);
        book.insertRows(sheet.insertBefore, sheet.extraRows);
        for (const allotment::SheetCell& cell : sheet.cells)
            book.setValue(cell.row, cell.col, cell.value);
        {
            data::Transaction t(fund());
            allotment::storeProgressive(fund(), *statement);
            book.save();
            t.commit();
        }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (statement->bills.size() != state.range(0))
            state.SkipWithError("wrong number of bills");
        state.PauseTiming();
        fund().execute("delete from b_statement");
        state.ResumeTiming();
    }
    if (gBaselineSeconds > 0)
        state.counters["ratio"] = seconds / double(state.iterations()) / gBaselineSeconds;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BStatement)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QCoreApplication>(argc, argv);
}
