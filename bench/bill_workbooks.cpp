// OUTER SHEET and PRO REPORT on a bill of 10,000 rows: the figures against the raw SQLite
// C API reading the same sums on the same connections ("ratio", program over baseline),
// and the whole command to its saved file ("to_file_ms").
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

// The baselines: the statements each workbook's figures come from, run raw
// on the program's own connections, each value read by its type.
// Every figure is added to the paisa, through the connection's hundredths().
const char* const kBillTotals =
    "select count(*), count(pay), total(hundredths(pay)), total(hundredths(d_pay)), total(hundredths(less_fa)),"
    " total(hundredths(da)), total(hundredths(hra)), total(hundredths(ma)), total(hundredths(oa)),"
    " total(hundredths(gross)), total(hundredths(gpf_subs)), total(hundredths(gpf_rec)), total(hundredths(\"if\")),"
    " total(hundredths(sf)), total(hundredths(p_tax)), total(hundredths(misc)), total(hundredths(hb_loan)),"
    " total(hundredths(hb_int)), total(hundredths(i_tax)), total(hundredths(others)), total(hundredths(deduct)),"
    " total(hundredths(net)) from sal";
const char* const kScheme1983 = "select sum(hundredths(\"if\")), sum(hundredths(sf)) from sal where \"if\" + sf = 8";

double rawSums(sqlite3* db, std::initializer_list<const char*> sqls, const char* head = nullptr,
               const char* from = nullptr, const char* to = nullptr)
{
    double acc = 0;
    for (const char* sql : sqls) {
        bench::Raw q(db, sql);
        if (sqlite3_bind_parameter_count(*q) == 3) {
            sqlite3_bind_text(*q, 1, head, -1, SQLITE_STATIC);
            sqlite3_bind_text(*q, 2, from, -1, SQLITE_STATIC);
            sqlite3_bind_text(*q, 3, to, -1, SQLITE_STATIC);
        }
        acc += bench::readAll(q);
    }
    return acc;
}

double rawOuterSheet(Office& office)
{
    const char* const registerSum =
        " sum(hundredths(ifnull(pay, 0)) + hundredths(ifnull(da, 0)) + hundredths(ifnull(d_pay, 0))"
        " + hundredths(ifnull(hra, 0)) + hundredths(ifnull(ma, 0)) + hundredths(ifnull(bonus, 0))) / 100.0";
    const QByteArray allot = QByteArray("select") + registerSum + " from all_allot where head = ? and order_date between ? and ?";
    const QByteArray exp = QByteArray("select") + registerSum + " from all_exp where head = ? and bill_date between ? and ?";
    return rawSums(office.salaryDb().handle(),
                   {kBillTotals, kScheme1983,
                    "select count(*), (total(hundredths(gpf_subs)) + total(hundredths(gpf_rec))) / 100 from sal"
                    " where ifnull(category, '') <> 'D'"
                    " and (ifnull(acc_no, '') not in ('Nil', '') or ifnull(gpf_subs, 0) + ifnull(gpf_rec, 0) <> 0)",
                    "select count(*), (total(hundredths(gpf_subs)) + total(hundredths(gpf_rec))) / 100 from sal"
                    " where category = 'D'"})
        + rawSums(office.fundDb().handle(), {allot.constData(), exp.constData()}, kHead, "2011-04-01", "2012-02-15");
}

double rawProReport(Office& office)
{
    return rawSums(office.salaryDb().handle(),
                   {kBillTotals, kScheme1983, "select total(hundredths(gpf_subs)) + total(hundredths(gpf_rec)) from sal where acc_no like 'Agr%'"});
}

// The program's figures against the baseline's in turns; then the whole
// command, figures and the saved file, on its own: saving ends in an fsync,
// whose time follows the disk's other work, not the program's.
template <class Cells, class Save, class Raw>
void figuresThenFile(benchmark::State& state, Cells cells, Save save, Raw raw)
{
    bench::compare(state, [] {}, [&] { benchmark::DoNotOptimize(cells()); }, raw);
    std::vector<double> whole;
    QElapsedTimer t;
    for (int i = 0; i < 10; ++i) {
        t.start();
        save(cells());
        whole.push_back(t.nsecsElapsed() / 1e6);
    }
    state.counters["to_file_ms"] = bench::median(whole);
}

void BM_OuterSheetToFile(benchmark::State& state)
{
    Office office(int(state.range(0)));
    const paybill::OuterSheetBill bill{QStringLiteral("23"), QStringLiteral("15/02/2012"), kBill,
                                       QStringLiteral("FEB-12"), QString::fromLatin1(kHead),
                                       QStringLiteral("2011-2012")};
    figuresThenFile(
        state, [&] { return *paybill::outerSheetCells(office.salaryDb(), office.fundDb(), bill); },
        [](const paybill::CellMap& cells) {
            benchmark::DoNotOptimize(paybill::saveFilledWorkbook(QStringLiteral("outer_sheet.xlsx"), QString(), cells));
        },
        [&] { benchmark::DoNotOptimize(rawOuterSheet(office)); });
}
BENCHMARK(BM_OuterSheetToFile)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ProReportToFile(benchmark::State& state)
{
    Office office(int(state.range(0)));
    figuresThenFile(
        state, [&] { return paybill::proStatementCells(office.salaryDb(), QString::fromLatin1(kHead), true)->cells; },
        [](const paybill::CellMap& cells) {
            benchmark::DoNotOptimize(paybill::saveFilledWorkbook(QStringLiteral("pro_stt.xlsx"), QString(), cells));
        },
        [&] { benchmark::DoNotOptimize(rawProReport(office)); });
}
BENCHMARK(BM_ProReportToFile)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
