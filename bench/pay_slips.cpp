// Pay slips of a 10,000-row bill date laid out (target: under 1 s) and the
// choice of that bill date on the cheque-slip form (target: under 0.3 s), each
// beside the raw SQLite C API doing the same database work in the same run.
// The "ratio" counter is our time over the baseline's.
#include "bench_support.h"
#include "common/row_net.h"
#include "common/schema.h"
#include "payslip/cheque_slip_figures.h"
#include "payslip/pay_reports.h"
#include "platform/data/database.h"
#include "support/temp_data_folder.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>

namespace {

const QDate kBill{2013, 3, 31};
constexpr int kRows = 10000;

struct BenchOffice {
    testsupport::TempDataFolder folder;
    BenchOffice()
    {
        data::Database& salary = data::Database::open(QString::fromLatin1(common::kSalaryDb));
        data::Transaction t(salary);
        for (int i = 0; i < kRows; ++i)
            salary.execute(
                QStringLiteral("INSERT INTO salary (name, designation, acc_no, pay, less_fa, d_pay, da, hra, ma, oa,"
                               " gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, emp_code, bill_date,"
                               " p_month, bank_ac)"
                               " VALUES (?,'CLERK',?,?,0,2400,?,1800,300,0,?,2000,0,30,30,150,0,?,?,?,'Mar-13',?)"),
                {QStringLiteral("Employee %1").arg(i), QStringLiteral("GPF/%1").arg(i), i % 50 ? 12000.0 + i : 0.0,
                 10800.0, 27300.0 + i, 25090.0 + i, QStringLiteral("A%1").arg(i, 5, 10, QLatin1Char('0')), kBill,
                 QStringLiteral("SB-%1").arg(i)});
        t.commit();
        data::Database& fund = data::Database::open(QString::fromLatin1(common::kFundDb));
        fund.execute(QStringLiteral("INSERT INTO all_exp (head, bill_no, bill_date, pay) VALUES"
                                    " ('12345678901234501', 5, '2013-04-01', 100)"));
    }
};

BenchOffice& office()
{
    static auto* o = new BenchOffice;
    return *o;
}

// The rows of the bill date read raw on the program's connection, each
// column by its type: the floor under both pay-slip benchmarks.
void rawSlipRows(data::Database& salary)
{
    bench::Raw q(salary.handle(), "SELECT * FROM salary WHERE bill_date = ? ORDER BY rowid");
    sqlite3_bind_text(*q, 1, "2013-03-31", 10, SQLITE_STATIC);
    benchmark::DoNotOptimize(bench::readAll(q));
}

reports::PageModel paginatedSlips(data::Database& salary)
{
    payslip::DataReport7 report;
    report.fill(salary, kBill, QString(), QStringLiteral("Office of the Block Development Officer Nadia"),
                QStringLiteral("DDO-7"));
    return report.paginate();
}

// ALL PAY SLIP laid out as printing or PDF lays it out: the rows read, the
// page breaks, then every page made one at a time and dropped after use.
void BM_PaySlipsLaidOut(benchmark::State& state)
{
    data::Database& salary = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    int pages = 0;
    bench::compare(
        state, [] {},
        [&] {
            const reports::PageModel m = paginatedSlips(salary);
            pages = m.pageCount();
            qsizetype items = 0;
            for (int i = 0; i < pages; ++i)
                items += m.page(i).items.size();
            benchmark::DoNotOptimize(items);
        },
        [&] { rawSlipRows(salary); });
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PaySlipsLaidOut)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same as the preview first shows it: rows read, page breaks and count,
// page 1 made (the others are made as they are shown).
void BM_PaySlipsShown(benchmark::State& state)
{
    data::Database& salary = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    bench::compare(
        state, [] {},
        [&] {
            const reports::PageModel m = paginatedSlips(salary);
            benchmark::DoNotOptimize(m.page(0).items.size());
        },
        [&] { rawSlipRows(salary); });
}
BENCHMARK(BM_PaySlipsShown)->UseManualTime()->Unit(benchmark::kMillisecond);

// The bill-date choice beside its baseline: the same refill of chq_sal and
// the same counts in one transaction, raw on the program's connections.
void rawChoice(sqlite3* salary, sqlite3* fund)
{
    bench::exec(salary, "BEGIN");
    bench::exec(salary, "DELETE FROM chq_sal");
    const QByteArray net = common::kRowNet;
    bench::exec(salary, "INSERT INTO chq_sal (emp_code, name, designation, net, bill_date, bank_ac, sl_no)"
                        " SELECT emp_code, name, designation, " + net + ", bill_date, bank_ac,"
                        " row_number() OVER (ORDER BY rowid) FROM salary WHERE bill_date = '2013-03-31'"
                        " AND hundredths(" + net + ") > 0 ORDER BY rowid");
    {
        bench::Raw sums(salary, "SELECT count(DISTINCT emp_code), sum(CASE WHEN hundredths(net) > 0 THEN net END)"
                                " FROM salary WHERE bill_date = '2013-03-31'");
        benchmark::DoNotOptimize(bench::readAll(sums));
        bench::Raw listed(salary, "SELECT count(DISTINCT emp_code) FROM chq_sal");
        benchmark::DoNotOptimize(bench::readAll(listed));
    }
    bench::exec(salary, "COMMIT");
    bench::Raw bills(fund, "SELECT DISTINCT bill_no FROM all_exp WHERE bill_date = '2013-04-01' AND bill_no > 0"
                           " AND (ifnull(hundredths(pay), 0) + ifnull(hundredths(d_pay), 0) + ifnull(hundredths(da), 0)"
                           " + ifnull(hundredths(hra), 0) + ifnull(hundredths(ma), 0) + ifnull(hundredths(bonus), 0)"
                           " + ifnull(hundredths(wages), 0) + ifnull(hundredths(ta), 0) + ifnull(hundredths(elec), 0)"
                           " + ifnull(hundredths(tele), 0) + ifnull(hundredths(misc), 0) + ifnull(hundredths(oe), 0)"
                           " + ifnull(hundredths(oc), 0) + ifnull(hundredths(scheme), 0)"
                           " - ifnull(hundredths(deduction), 0)) > 0 AND head LIKE '%01' ORDER BY rowid");
    benchmark::DoNotOptimize(bench::readAll(bills));
}

void BM_BillDateChoice(benchmark::State& state)
{
    data::Database& salary = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    data::Database& fund = data::Database::open(QString::fromLatin1(common::kFundDb));
    int rows = 0;
    bench::compare(
        state, [] {},
        [&] {
            rows = payslip::chooseSlipRows(salary, fund, kBill).slipRows;
            benchmark::DoNotOptimize(rows);
        },
        [&] { rawChoice(salary.handle(), fund.handle()); });
    state.counters["rows"] = rows;
}
BENCHMARK(BM_BillDateChoice)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv, [] { office(); });
}
