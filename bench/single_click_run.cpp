// The single-click salary run over a whole establishment against raw SQLite
// doing the same writes on the same file in the same run: the employees read,
// both ledgers read, 29-column salary rows inserted and the ledger rows
// advanced, in one transaction. The baseline's figures are worked out
// beforehand, so the ratio is the price of the data layer and the rules.
#include "bench_support.h"
#include "salary/single_click_run.h"
#include "support/temp_data_folder.h"

#include <QCoreApplication>
#include <QVector>
#include <array>

namespace {

struct LedgerRow {
    qint64 rowid;
    double due, recovered, left;
};

// What the run writes, read back after one run: each salary row's figures
// and each ledger row's new state.
struct Written {
    QVector<std::array<double, 20>> figures; // salary columns 5 to 19 and 23 to 27
    QVector<LedgerRow> festival, loan;
};

void resetRun()
{
    data::Database& db = bench::salaryDb();
    db.execute("delete from salary");
    db.execute("update festi_adv set adv_due = 5000, adv_rec = 0, inst_no = 10");
    db.execute("update gpf_loan set loan_due = 20000, loan_rec = 0, inst_no = 40");
}

Written written(sqlite3* h)
{
    Written w;
    bench::Raw s(h, "select pay, less_fa, d_pay, da, hra, ma, oa, gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, "
                    "misc, net, hb_loan, hb_int, i_tax, others, deduct from salary order by rowid");
    while (s.step()) {
        std::array<double, 20> f{};
        for (int k = 0; k < 20; ++k)
            f[k] = sqlite3_column_double(*s, k);
        w.figures.push_back(f);
    }
    for (auto [table, list] : {std::pair{"select rowid, adv_due, adv_rec, inst_no from festi_adv", &w.festival},
                               std::pair{"select rowid, loan_due, loan_rec, inst_no from gpf_loan", &w.loan}}) {
        bench::Raw q(h, table);
        while (q.step())
            list->push_back({sqlite3_column_int64(*q, 0), sqlite3_column_double(*q, 1),
                             sqlite3_column_double(*q, 2), sqlite3_column_double(*q, 3)});
    }
    return w;
}

void rawRun(sqlite3* h, const Written& w)
{
    bench::exec(h, "BEGIN");
    {
        // The ledgers are read as the run reads them.
        for (const char* sql : {"select rowid, emp_code, adv_due, adv_rec, inst_no from festi_adv order by emp_code, rowid",
                                "select rowid, emp_code, loan_due, loan_rec, inst_no from gpf_loan order by emp_code, rowid"}) {
            bench::Raw q(h, sql);
            double sum = 0;
            while (q.step())
                sum += sqlite3_column_double(*q, 2) + sqlite3_column_bytes(*q, 1);
            benchmark::DoNotOptimize(sum);
        }
        bench::Raw e(h, "select emp_code, name, designation, scale, acc_no, b_pay, grade_pay, hra_type, hra, "
                        "health_sch, oa, gpf_subs, i_fund, s_fund, category, bank_ac from employee order by rowid");
        bench::Raw insert(h, "insert into salary (name, designation, scale, acc_no, pay, less_fa, d_pay, da, hra, ma, "
                             "oa, gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, emp_code, bill_date, p_month, "
                             "hb_loan, hb_int, i_tax, others, deduct, category, bank_ac) "
                             "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        bench::Raw advance(h, "update festi_adv set adv_due = ?, adv_rec = ?, inst_no = ? where rowid = ?");
        bench::Raw loan(h, "update gpf_loan set loan_due = ?, loan_rec = ?, inst_no = ? where rowid = ?");
        int i = 0;
        while (e.step()) {
            const auto& f = w.figures[i++];
            for (int k : {0, 1, 2, 3})
                sqlite3_bind_value(*insert, k + 1, sqlite3_column_value(*e, k + 1));
            for (int k = 0; k < 15; ++k)
                sqlite3_bind_double(*insert, 5 + k, f[k]);
            sqlite3_bind_value(*insert, 20, sqlite3_column_value(*e, 0));
            sqlite3_bind_text(*insert, 21, "2012-03-31", 10, SQLITE_STATIC);
            sqlite3_bind_text(*insert, 22, "Mar-12", 6, SQLITE_STATIC);
            for (int k = 0; k < 5; ++k)
                sqlite3_bind_double(*insert, 23 + k, f[15 + k]);
            sqlite3_bind_value(*insert, 28, sqlite3_column_value(*e, 14));
            sqlite3_bind_value(*insert, 29, sqlite3_column_value(*e, 15));
            insert.run();
        }
        for (auto [st, list] : {std::pair{&advance, &w.festival}, std::pair{&loan, &w.loan}}) {
            for (const LedgerRow& r : *list) {
                sqlite3_bind_double(**st, 1, r.due);
                sqlite3_bind_double(**st, 2, r.recovered);
                sqlite3_bind_double(**st, 3, r.left);
                sqlite3_bind_int64(**st, 4, r.rowid);
                st->run();
            }
        }
    }
    bench::exec(h, "COMMIT");
}

void BM_SingleClickRun(benchmark::State& state)
{
    const int employees = int(state.range(0));
    testsupport::TempDataFolder folder;
    bench::makeEmployees(employees);
    data::Database& db = bench::salaryDb();
    resetRun();
    salary::runSingleClick(db, bench::kBillDate);
    const Written w = written(db.handle());
    bench::compare(
        state, resetRun,
        [&] { benchmark::DoNotOptimize(salary::runSingleClick(db, bench::kBillDate)); },
        [&] { rawRun(db.handle(), w); });
    state.counters["ledger_updates"] = w.festival.size() + w.loan.size();
    state.SetItemsProcessed(state.iterations() * employees);
}
BENCHMARK(BM_SingleClickRun)->Arg(1000)->Arg(10000)->Arg(30000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QCoreApplication>(argc, argv);
}
