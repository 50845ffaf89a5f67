// What the benchmarks share: a measured office, the peak memory of a stretch
// of work, and timing one piece of work against its raw baseline.
#pragma once

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/forms/scripted_dialogs.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <algorithm>
#include <functional>
#include <type_traits>
#include <vector>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

namespace bench {

inline data::Database& salaryDb() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }

// Peak resident memory since the last reset, in MB: the kernel's high-water
// mark, reset after the allocator has handed back what it holds free.
inline void resetPeak()
{
    malloc_trim(0);
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

inline double peakMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (f.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : f.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    struct rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// While benchmarks run no message box waits for a clerk who is not there:
// the scripted stand-in answers each (OK, or No to a question) and keeps it.
// A box shown during measured work means the work went another road than
// the one the benchmark names, so compare() reports it as an error.
inline forms::ScriptedDialogs*& answeringBoxes()
{
    static forms::ScriptedDialogs* boxes = nullptr;
    return boxes;
}
inline qsizetype boxesShown() { return answeringBoxes() ? answeringBoxes()->boxes().size() : 0; }

// Ends a benchmark with an error (after its loop) when a box came up since
// `before` boxes; returns whether one did.
inline bool failOnBox(benchmark::State& state, qsizetype before)
{
    if (boxesShown() <= before)
        return false;
    const QString prompt = answeringBoxes()->boxes().at(before).prompt;
    state.SkipWithError(qPrintable(QStringLiteral("a message box came up: \"%1\"").arg(prompt.simplified())));
    return true;
}

// Runs the program's work and the raw baseline once each per iteration (in
// turns, so a busy moment of the machine falls on both alike) and reports
// the program's time, the baseline's median and the ratio of the medians,
// all from the same run. reset() runs untimed before each of them; peak_MB is
// the process's resident peak while the program's work ran.
template <class Reset, class Program, class Raw>
void compare(benchmark::State& state, Reset reset, Program program, Raw raw)
{
    std::vector<double> programSeconds, rawSeconds;
    const qsizetype boxesBefore = boxesShown();
    double peak = 0;
    QElapsedTimer t;
    auto timeRaw = [&] {
        reset();
        resetPeak(); // the same trimmed heap as the program starts from
        t.start();
        raw();
        rawSeconds.push_back(t.nsecsElapsed() / 1e9);
    };
    for (auto _ : state) {
        const bool rawFirst = programSeconds.size() % 2 == 1;
        if (rawFirst)
            timeRaw();
        reset();
        resetPeak();
        t.start();
        program();
        const double p = t.nsecsElapsed() / 1e9;
        peak = std::max(peak, peakMb());
        programSeconds.push_back(p);
        if (!rawFirst)
            timeRaw();
        state.SetIterationTime(p);
    }
    if (failOnBox(state, boxesBefore))
        return;
    const double rawMedian = median(rawSeconds);
    state.counters["program_ms"] = median(programSeconds) * 1000;
    state.counters["raw_ms"] = rawMedian * 1000;
    state.counters["ratio"] = rawMedian > 0 ? median(programSeconds) / rawMedian : 0;
    state.counters["peak_MB"] = peak;
}

// Whether a benchmark's run ended in an error (the field's name differs
// between versions of the library).
template <class Run>
bool runFailed(const Run& r)
{
    if constexpr (requires { r.error_occurred; })
        return r.error_occurred;
    else
        return static_cast<int>(r.skipped) != 0; // skipped, with an error or a message
}

// The console's report, counting the runs that ended in an error so that the
// program's exit status says so.
class CountingConsole : public benchmark::ConsoleReporter {
public:
    CountingConsole() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            failed += runFailed(r) ? 1 : 0;
        ConsoleReporter::ReportRuns(runs);
    }
    int failed = 0;
};

// A benchmark program's main(): the application object (widgets draw
// offscreen unless a platform is chosen), then the benchmarks the command line
// names. `ready` runs once the application exists, `done` after the last
// benchmark while it still does. Exits 1 when a benchmark ended in an error
// (a console report only; another format is left to the library).
template <class App>
int runBenchmarks(int argc, char** argv, const std::function<void()>& ready = {},
                  const std::function<void()>& done = {})
{
    if (!std::is_same_v<App, QCoreApplication> && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    forms::ScriptedDialogs boxes;
    answeringBoxes() = &boxes;
    if (ready)
        ready();
    bool console = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--benchmark_format=") && arg != "--benchmark_format=console")
            console = false;
    }
    benchmark::Initialize(&argc, argv);
    CountingConsole reporter;
    benchmark::RunSpecifiedBenchmarks(console ? &reporter : nullptr);
    if (done)
        done();
    answeringBoxes() = nullptr;
    return reporter.failed > 0 ? 1 : 0;
}

// The baseline's own connection to a data file, closed when it goes.
class RawFile {
public:
    explicit RawFile(const QString& path, int flags = SQLITE_OPEN_READONLY)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &mDb, flags, nullptr) != SQLITE_OK)
            qFatal("%s: %s", qPrintable(path), sqlite3_errmsg(mDb));
    }
    ~RawFile() { sqlite3_close(mDb); }
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;
    operator sqlite3*() const { return mDb; }

private:
    sqlite3* mDb = nullptr;
};

// Raw SQLite: one statement, failing loudly.
class Raw {
public:
    Raw(sqlite3* db, const char* sql) : mDb(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &mSt, nullptr) != SQLITE_OK)
            qFatal("%s: %s", sql, sqlite3_errmsg(db));
    }
    ~Raw() { sqlite3_finalize(mSt); }
    Raw(const Raw&) = delete;
    Raw& operator=(const Raw&) = delete;
    sqlite3_stmt* operator*() const { return mSt; }
    bool step()
    {
        const int rc = sqlite3_step(mSt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            qFatal("%s", sqlite3_errmsg(mDb));
        return rc == SQLITE_ROW;
    }
    void run()
    {
        while (step()) {
        }
        sqlite3_reset(mSt);
    }

private:
    sqlite3* mDb;
    sqlite3_stmt* mSt = nullptr;
};

inline void exec(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("%s: %s", sql, sqlite3_errmsg(db));
}

// Reads every column of every row of a statement as a report reads it.
inline double readAll(Raw& q)
{
    double sum = 0;
    const int n = sqlite3_column_count(*q);
    while (q.step()) {
        for (int c = 0; c < n; ++c) {
            switch (sqlite3_column_type(*q, c)) {
            case SQLITE_INTEGER:
            case SQLITE_FLOAT:
                sum += sqlite3_column_double(*q, c);
                break;
            case SQLITE_TEXT:
                sum += sqlite3_column_bytes(*q, c) + (sqlite3_column_text(*q, c) ? 0 : 1);
                break;
            default:
                break;
            }
        }
    }
    sqlite3_reset(*q);
    return sum;
}

// The office's employees, all of code category S, with the D.A. order; every
// tenth has a festival advance and every seventh a provident-fund loan.
inline void makeEmployees(int employees)
{
    data::Database& db = salaryDb();
    data::Transaction t(db);
    db.execute("insert into da_table (da_current, hra, ma) values (45, 20, 300)");
    for (int i = 0; i < employees; ++i) {
        const QString code = QStringLiteral("S%1").arg(i, 5, 10, QLatin1Char('0'));
        db.execute("insert into employee (emp_code, name, designation, scale, acc_no, category, bank_ac, "
                   "hra_type, health_sch, b_pay, grade_pay, hra, oa, gpf_subs, i_fund, s_fund, grp) "
                   "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                   {code, QStringLiteral("Employee %1").arg(i), "CLERK", "5200-20200", "GPF/" + code, "C",
                    "SB-" + code, i % 5 == 0 ? "FIXED" : "", i % 3 == 0 ? "YES" : "NO", 8000.0 + i,
                    double(1900 + (i % 7) * 500), 3000.0, 100.0, 1500.0, i % 5 == 4 ? 3.0 : 30.0,
                    i % 5 == 4 ? 5.0 : 60.0, QString(QChar(u"ABCD"[i % 4])) });
        if (i % 10 == 0)
            db.execute("insert into festi_adv (emp_code, adv_due, adv_rec, inst_no) values (?, 5000, 0, 10)",
                       {code});
        if (i % 7 == 0)
            db.execute("insert into gpf_loan (emp_code, loan_due, loan_rec, inst_no) values (?, 20000, 0, 40)",
                       {code});
    }
    t.commit();
}

inline const QDate kBillDate{2012, 3, 31};

} // namespace bench
