// ACTIVATE NOW on a bill of 10,000 rows, and laying out both inner sheets of it.
#include "common/schema.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/working_tables.h"
#include "platform/data/database.h"
#include "support/temp_data_folder.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QDate kBill{2012, 3, 31};

// rows employees of head S paid on the bill date, as many again of head T,
// and the same office's previous month.
void makeOffice(int rows)
{
    data::Database& db = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    data::Transaction t(db);
    const char* grp[] = {"A", "B", "C", "D", "OLD"};
    for (int i = 0; i < rows; ++i) {
        const QString code = QStringLiteral("S%1").arg(i, 5, 10, QLatin1Char('0'));
        db.execute(QStringLiteral("INSERT INTO employee (emp_code, name, grp) VALUES (?,?,?)"),
                   {code, QStringLiteral("Employee ") + code, QString::fromLatin1(grp[i % 5])});
    }
    for (const QDate& date : {kBill, QDate(2012, 2, 29)}) {
        for (const char* cat : {"S", "T"}) {
            for (int i = 0; i < rows; ++i) {
                const bool old = i % 5 == 4;
                db.execute(
                    QStringLiteral("INSERT INTO salary (name, designation, acc_no, pay, d_pay, da, hra, ma, oa,"
                                   " gross, gpf_subs, \"if\", sf, p_tax, misc, net, emp_code, bill_date, p_month,"
                                   " hb_loan, hb_int, i_tax, others, deduct, category)"
                                   " VALUES (?,'CLERK',?,?,?,?,?,300,0,?,500,?,?,110,?,?,?,?,'Mar-12',?,0,?,0,?,'C')"),
                    {QStringLiteral("Employee %1").arg(i), QStringLiteral("Agr/%1").arg(i), 10000.0 + i,
                     double(1900 + (i % 7) * 500), 1000.0, 500.0, 11800.0 + i, old ? 3.0 : 24.0,
                     old ? 5.0 : 56.0, i % 10 == 0 ? 1200.0 : 0.0, 9000.0,
                     QStringLiteral("%1%2").arg(QLatin1String(cat)).arg(i, 5, 10, QLatin1Char('0')), date,
                     i % 20 == 0 ? 1000.0 : 0.0, i % 10 == 0 ? 200.0 : 0.0, 2800.0});
            }
        }
    }
    t.commit();
}

class Office {
public:
    explicit Office(int rows)
    {
        makeOffice(rows);
    }
    data::Database& db() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }

private:
    testsupport::TempDataFolder mFolder;
};

void BM_ActivateNow(benchmark::State& state)
{
    Office office(int(state.range(0)));
    for (auto _ : state) {
        const auto r = paybill::activateBill(office.db(), kBill, QStringLiteral("S"));
        benchmark::DoNotOptimize(r.employees);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ActivateNow)->Arg(10000)->Unit(benchmark::kMillisecond);

// The rows of sal read and laid out into pages of 8, for the left and the right half.
template <class R>
void BM_InnerSheetLayout(benchmark::State& state)
{
    Office office(int(state.range(0)));
    paybill::activateBill(office.db(), kBill, QStringLiteral("S"));
    int pages = 0;
    for (auto _ : state) {
        R report;
        report.setDataSource(
            reports::DataSource::fromQuery(office.db(), QStringLiteral("SELECT * FROM sal ORDER BY sl_no")));
        pages = report.layout().pageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK_TEMPLATE(BM_InnerSheetLayout, paybill::DataReport1)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_InnerSheetLayout, paybill::DataReport15)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
