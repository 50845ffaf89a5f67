// The single-click salary run over a whole establishment, against bare SQLite
// inserting the same rows in one transaction on the same connection.
#include "common/schema.h"
#include "platform/data/database.h"
#include "salary/single_click_run.h"
#include "support/temp_data_folder.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVector>
#include <benchmark/benchmark.h>

namespace {

const QDate kBillDate(2012, 3, 10);

data::Database& salaryDb()
{
    return data::Database::open(QString::fromLatin1(common::kSalaryDb));
}

// N employees; every tenth has a festival advance and every seventh a loan.
void makeOffice(int employees)
{
    data::Database& db = salaryDb();
    data::Transaction t(db);
    db.execute("insert into da_table (da_current, hra, ma) values (45, 20, 300)");
    QSqlQuery emp(db.sql());
    emp.prepare("insert into employee (emp_code, name, designation, scale, acc_no, category, bank_ac, "
                "hra_type, health_sch, b_pay, grade_pay, hra, oa, gpf_subs, i_fund, s_fund) "
                "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    for (int i = 0; i < employees; ++i) {
        const QString code = QStringLiteral("A%1").arg(i);
        const QVariantList v{code, QStringLiteral("Employee %1").arg(i), "CLERK", "5200-20200",
                             "GPF/" + code, "C", "SB-" + code, i % 5 == 0 ? "FIXED" : "",
                             i % 3 == 0 ? "YES" : "NO", 8000.0 + i, 2400.0, 3000.0, 100.0,
                             1500.0, 30.0, 60.0};
        for (int k = 0; k < v.size(); ++k)
            emp.bindValue(k, v[k]);
        emp.exec();
        if (i % 10 == 0)
            db.execute("insert into festi_adv (emp_code, adv_due, adv_rec, inst_no) values (?, 5000, 0, 10)",
                       {code});
        if (i % 7 == 0)
            db.execute("insert into gpf_loan (emp_code, loan_due, loan_rec, inst_no) values (?, 20000, 0, 40)",
                       {code});
    }
    t.commit();
}

void resetRun()
{
    data::Database& db = salaryDb();
    db.execute("delete from salary");
    db.execute("update festi_adv set adv_due = 5000, adv_rec = 0, inst_no = 10");
    db.execute("update gpf_loan set loan_due = 20000, loan_rec = 0, inst_no = 40");
}

void BM_SingleClickRun(benchmark::State& state)
{
    const int employees = int(state.range(0));
    testsupport::TempDataFolder folder;
    makeOffice(employees);
    for (auto _ : state) {
        state.PauseTiming();
        resetRun();
        state.ResumeTiming();
        benchmark::DoNotOptimize(salary::runSingleClick(salaryDb(), kBillDate, salary::RunKind::First));
    }
    state.SetItemsProcessed(state.iterations() * employees);
}
BENCHMARK(BM_SingleClickRun)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The floor: the rows the run writes, already computed, inserted with one
// prepared statement in one transaction.
void BM_BareSqliteInsert(benchmark::State& state)
{
    const int employees = int(state.range(0));
    testsupport::TempDataFolder folder;
    makeOffice(employees);
    salary::runSingleClick(salaryDb(), kBillDate, salary::RunKind::First);
    QVector<QVariantList> rows;
    {
        QSqlQuery q(salaryDb().sql());
        q.exec("select * from salary order by rowid");
        while (q.next()) {
            QVariantList r;
            for (int k = 0; k < 29; ++k)
                r << q.value(k);
            rows << r;
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        salaryDb().execute("delete from salary");
        state.ResumeTiming();
        data::Transaction t(salaryDb());
        QSqlQuery insert(salaryDb().sql());
        insert.prepare("insert into salary values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (const QVariantList& r : rows) {
            for (int k = 0; k < 29; ++k)
                insert.bindValue(k, r[k]);
            insert.exec();
        }
        t.commit();
    }
    state.SetItemsProcessed(state.iterations() * employees);
}
BENCHMARK(BM_BareSqliteInsert)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
