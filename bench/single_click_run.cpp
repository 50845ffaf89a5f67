// The single-click salary run over a whole establishment against raw SQLite
// doing the same writes on the same file in the same run: the month's rows
// that recovered an instalment read once, the employees read, both ledgers
// read, 29-column salary rows inserted and the ledger rows advanced, in one
// transaction. The month already holds an arrear of a quarter of the
// employees, a fifth of those recovering their instalments (whose ledgers
// the run leaves alone). The baseline's figures are worked out beforehand,
// so the ratio is the price of the data layer and the rules.
#include "bench_support.h"
#include "salary/single_click_run.h"
#include "support/temp_data_folder.h"

#include <QCoreApplication>
#include <QVector>
#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct LedgerRow {
    qint64 rowid;
    double due, recovered, left;
};

// What the run writes, read back after one run: each salary row's figures
// and each ledger row's new state.
struct Written {
    QVector<std::array<double, 20>> figures; // salary columns 5 to 19 and 23 to 27
    QVector<LedgerRow> festival, loan; // the rows the run moved, as it left them
};

const char* const kRecoveredInMonth =
    "select emp_code, max(ifnull(hundredths(less_fa), 0) <> 0), max(ifnull(hundredths(gpf_rec), 0) <> 0) from salary "
    "where p_month = 'Mar-12' and (ifnull(hundredths(less_fa), 0) <> 0 or ifnull(hundredths(gpf_rec), 0) <> 0) "
    "group by emp_code";

void resetRun()
{
    data::Database& db = bench::salaryDb();
    db.execute("delete from salary");
    db.execute("update festi_adv set adv_due = 5000, adv_rec = 0, inst_no = 10");
    db.execute("update gpf_loan set loan_due = 20000, loan_rec = 0, inst_no = 40");
    // Arrears of D.A. drawn earlier in the month; one in five recovered the instalments.
    db.execute("insert into salary (emp_code, name, da, less_fa, gpf_rec, gross, deduct, net, bill_date, p_month) "
               "select emp_code, name, 1500, iif((rowid - 1) % 20 = 0, 500, 0), iif((rowid - 1) % 20 = 0, 500, 0), "
               "1500, 0, 1500, '2012-03-05', 'Mar-12' from employee where (rowid - 1) % 4 = 0");
}

QVector<LedgerRow> ledgerRows(sqlite3* h, const char* sql)
{
    QVector<LedgerRow> rows;
    bench::Raw q(h, sql);
    while (q.step())
        rows.push_back({sqlite3_column_int64(*q, 0), sqlite3_column_double(*q, 1), sqlite3_column_double(*q, 2),
                        sqlite3_column_double(*q, 3)});
    return rows;
}

const char* const kFestivalRows = "select rowid, adv_due, adv_rec, inst_no from festi_adv order by rowid";
const char* const kLoanRows = "select rowid, loan_due, loan_rec, inst_no from gpf_loan order by rowid";

// What a run leaves, given the ledgers as they stood before it.
Written written(sqlite3* h, const QVector<LedgerRow>& festivalBefore, const QVector<LedgerRow>& loanBefore)
{
    Written w;
    bench::Raw s(h, "select pay, less_fa, d_pay, da, hra, ma, oa, gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, "
                    "misc, net, hb_loan, hb_int, i_tax, others, deduct from salary where bill_date = '2012-03-31' "
                    "order by rowid");
    while (s.step()) {
        std::array<double, 20> f{};
        for (int k = 0; k < 20; ++k)
            f[k] = sqlite3_column_double(*s, k);
        w.figures.push_back(f);
    }
    for (auto [sql, before, list] : {std::tuple{kFestivalRows, &festivalBefore, &w.festival},
                                     std::tuple{kLoanRows, &loanBefore, &w.loan}}) {
        const QVector<LedgerRow> after = ledgerRows(h, sql);
        for (int i = 0; i < after.size(); ++i) {
            const LedgerRow& a = after[i];
            const LedgerRow& b = (*before)[i];
            if (a.due != b.due || a.recovered != b.recovered || a.left != b.left)
                list->push_back(a);
        }
    }
    return w;
}

void rawRun(sqlite3* h, const Written& w)
{
    bench::exec(h, "BEGIN");
    {
        // The month's recoveries, then the ledgers, are read as the run reads them.
        {
            bench::Raw q(h, kRecoveredInMonth);
            std::vector<std::string> advance, loan;
            while (q.step()) {
                const std::string code(reinterpret_cast<const char*>(sqlite3_column_text(*q, 0)),
                                       size_t(sqlite3_column_bytes(*q, 0)));
                if (sqlite3_column_int64(*q, 1))
                    advance.push_back(code);
                if (sqlite3_column_int64(*q, 2))
                    loan.push_back(code);
            }
            std::sort(advance.begin(), advance.end());
            std::sort(loan.begin(), loan.end());
            benchmark::DoNotOptimize(advance.data());
            benchmark::DoNotOptimize(loan.data());
        }
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
    const QVector<LedgerRow> festivalBefore = ledgerRows(db.handle(), kFestivalRows);
    const QVector<LedgerRow> loanBefore = ledgerRows(db.handle(), kLoanRows);
    salary::runSingleClick(db, bench::kBillDate);
    const Written w = written(db.handle(), festivalBefore, loanBefore);
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
