// Peak memory of a whole month in one process: the single-click run, ACTIVATE
// NOW and both inner sheets written as PDF, against a process that only shows
// an empty window. Each size runs in a fresh process of this program, so its
// peak is its own.
#include "bench_support.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/working_tables.h"
#include "platform/reports/registry.h"
#include "salary/single_click_run.h"
#include "support/temp_data_folder.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

double maxRssMb()
{
    struct rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

int month(int rows)
{
    testsupport::TempDataFolder folder;
    bench::makeEmployees(rows);
    salary::runSingleClick(bench::salaryDb(), bench::kBillDate);
    paybill::activateBill(bench::salaryDb(), bench::kBillDate, QStringLiteral("S"));
    QTemporaryDir out;
    reports::Reports::get<paybill::DataReport1>().exportPdf(out.filePath(QStringLiteral("left.pdf")));
    reports::Reports::unload<paybill::DataReport1>();
    reports::Reports::get<paybill::DataReport15>().exportPdf(out.filePath(QStringLiteral("right.pdf")));
    reports::Reports::unloadAll();
    std::printf("peak %.1f\n", maxRssMb());
    return 0;
}

int emptyWindow()
{
    QWidget w;
    w.resize(800, 600);
    w.show();
    QApplication::processEvents();
    std::printf("peak %.1f\n", maxRssMb());
    return 0;
}

double child(const QStringList& args)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), args);
    // A measured process that hangs stops the benchmark rather than leaving it waiting.
    if (!p.waitForFinished(10 * 60 * 1000)) {
        p.kill();
        p.waitForFinished();
        qFatal("the measured process did not finish in 10 minutes: %s", p.readAllStandardError().constData());
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qFatal("the measured process failed: %s", p.readAllStandardError().constData());
    const QByteArray out = p.readAllStandardOutput().trimmed();
    return out.mid(out.lastIndexOf(' ') + 1).toDouble();
}

void BM_WholeMonthPeakMemory(benchmark::State& state)
{
    const double empty = child({QStringLiteral("--empty-window")});
    double peak = 0;
    for (auto _ : state)
        peak = child({QStringLiteral("--month"), QString::number(state.range(0))});
    state.counters["peak_MB"] = peak;
    state.counters["empty_window_MB"] = empty;
    state.counters["MB_per_1000_rows"] = (peak - empty) / state.range(0) * 1000;
}
BENCHMARK(BM_WholeMonthPeakMemory)->Arg(1000)->Arg(10000)->Arg(30000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--month"))
        return month(args[2].toInt());
    if (args.size() == 2 && args[1] == QLatin1String("--empty-window"))
        return emptyWindow();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
