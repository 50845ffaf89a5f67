// Amount in words, and a table recordset adding and seeking rows in a file database.
#include "bench_support.h"
#include "common/inword.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "support/temp_data_folder.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

static void BM_Inword(benchmark::State& state)
{
    double amount = 0;
    for (auto _ : state) {
        amount += 1234567.89;
        if (amount > 9999999)
            amount -= 9999999;
        benchmark::DoNotOptimize(common::inwordShort(amount));
    }
}
BENCHMARK(BM_Inword);

static void BM_RecordsetAddAndSeek(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        testsupport::TempDataFolder folder;
        data::Database& db = data::Database::open("salary master.mdb");
        state.ResumeTiming();
        {
            data::Transaction t(db);
            data::TableRecordset rs(db, "employee");
            for (int i = 0; i < rows; ++i) {
                rs.addNew();
                rs["emp_code"] = QStringLiteral("A%1").arg(i);
                rs["name"] = QStringLiteral("Employee %1").arg(i);
                rs["b_pay"] = 10000.0 + i;
                rs.update();
            }
            rs.setIndex("ec");
            double sum = 0;
            for (int i = 0; i < rows; ++i) {
                rs.seek("=", QStringLiteral("A%1").arg((i * 7919) % rows));
                sum += rs["b_pay"].toDouble();
            }
            benchmark::DoNotOptimize(sum);
            t.commit();
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_RecordsetAddAndSeek)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QCoreApplication>(argc, argv);
}
