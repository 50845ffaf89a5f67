// The pay bill of a whole establishment: ACTIVATE NOW rebuilding the working
// tables, and the inner sheets read, laid out and written as PDF, each against
// raw SQLite doing the same on the same file in the same run.
#include "bench_support.h"
#include "common/row_net.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/working_tables.h"
#include "platform/reports/registry.h"
#include "salary/single_click_run.h"
#include "support/temp_data_folder.h"

#include <QApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <memory>

namespace {

// One office per size, kept for every benchmark of that size: its employees
// paid by the single-click run on the bill date, and the bill activated.
class Office {
public:
    explicit Office(int rows) : mRows(rows)
    {
        bench::makeEmployees(rows);
        salary::runSingleClick(bench::salaryDb(), bench::kBillDate);
        paybill::activateBill(bench::salaryDb(), bench::kBillDate, QStringLiteral("S"));
    }
    static Office& of(int rows)
    {
        if (!current() || current()->mRows != rows) {
            release();
            current() = std::make_unique<Office>(rows);
        }
        return *current();
    }
    // Before the application goes: the reports and forms hold on to it.
    static void release()
    {
        reports::Reports::unloadAll();
        current().reset();
    }

private:
    static std::unique_ptr<Office>& current()
    {
        static std::unique_ptr<Office> office;
        return office;
    }
    testsupport::TempDataFolder mFolder;
    int mRows;
};

// ACTIVATE NOW's statements, as the working tables run them, on the raw handle.
void rawActivate(sqlite3* h)
{
    const char* where = " WHERE bill_date = '2012-03-31' AND emp_code LIKE 'S%' ESCAPE '\\'";
    bench::exec(h, "BEGIN");
    {
        bench::Raw count(h, (QByteArray("SELECT count(*) FROM salary") + where).constData());
        count.run();
    }
    bench::exec(h, "DELETE FROM sal");
    bench::exec(h, (QByteArray("INSERT INTO sal (emp_code, name, designation, acc_no, pay, d_pay, less_fa, da, hra, ma, oa,"
                               " gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, hb_loan, hb_int, i_tax, others,"
                               " bill_date, p_month, deduct, category, sl_no)"
                               " SELECT emp_code, name, designation, acc_no, pay, d_pay, less_fa, da, hra, ma, oa,"
                               " gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, ") + common::kRowNet
                        + QByteArray(", hb_loan, hb_int, i_tax, others,"
                               " bill_date, p_month, deduct, category, row_number() OVER (ORDER BY d_pay DESC, rowid)"
                               " FROM salary") + where + " ORDER BY d_pay DESC, rowid")
                        .constData());
    for (auto [table, columns, condition] :
         {std::tuple{"temp", "emp_code, name, designation, i_tax", "i_tax > 0"},
          std::tuple{"temp1", "emp_code, name, designation, hb_loan, hb_int", "hb_loan + hb_int > 0"}}) {
        bench::exec(h, (QByteArray("DELETE FROM ") + table).constData());
        bench::exec(h, (QByteArray("INSERT INTO ") + table + " (" + columns + ", sl_no) SELECT " + columns
                        + ", row_number() OVER (ORDER BY emp_code, rowid) FROM salary" + where + " AND " + condition
                        + " ORDER BY emp_code, rowid")
                           .constData());
    }
    bench::exec(h, "DELETE FROM ginew");
    bench::exec(h, "INSERT INTO ginew (grp, ifno, sfno, iftotal, sftotal, total)"
                   " SELECT grp, sum(CASE WHEN paysIf AND NOT paysSf THEN 1 ELSE 0 END),"
                   " sum(CASE WHEN paysSf THEN 1 ELSE 0 END), sum(ifp) / 100.0, sum(sfp) / 100.0,"
                   " (sum(ifp) + sum(sfp)) / 100.0"
                   " FROM (SELECT coalesce(a.grp, b.category) AS grp, max(b.\"if\" > 0) AS paysIf,"
                   " max(b.sf > 0) AS paysSf, sum(hundredths(b.\"if\")) AS ifp, sum(hundredths(b.sf)) AS sfp"
                   " FROM sal b LEFT JOIN employee a ON a.emp_code = b.emp_code"
                   " WHERE b.\"if\" + b.sf <> 8 GROUP BY 1, b.emp_code) GROUP BY grp ORDER BY grp");
    for (const char* sql : {"SELECT count(*) FROM sal", "SELECT count(DISTINCT emp_code) FROM sal",
                            "SELECT sum(hundredths(\"if\")) / 100.0 AS tif, sum(hundredths(sf)) / 100.0 AS tsf"
                            " FROM sal WHERE 1",
                            "SELECT sum(hundredths(\"if\")) / 100.0 AS tif, sum(hundredths(sf)) / 100.0 AS tsf"
                            " FROM sal WHERE \"if\" + sf = 8"}) {
        bench::Raw q(h, sql);
        q.run();
    }
    bench::exec(h, "COMMIT");
}

void BM_ActivateNow(benchmark::State& state)
{
    Office::of(int(state.range(0)));
    data::Database& db = bench::salaryDb();
    bench::compare(
        state, [] {},
        [&] { benchmark::DoNotOptimize(paybill::activateBill(db, bench::kBillDate, QStringLiteral("S")).employees); },
        [&] { rawActivate(db.handle()); });
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ActivateNow)->Arg(1000)->Arg(10000)->Arg(30000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The sheet as the bill form shows it: a fresh instance whose initialize()
// reads the bill form and the rows, its page breaks and page count, and the
// first page made. The baseline reads the same rows raw.
template <class R>
void BM_InnerSheetShown(benchmark::State& state)
{
    Office::of(int(state.range(0)));
    sqlite3* h = bench::salaryDb().handle();
    int pages = 0;
    bench::compare(
        state, [] { reports::Reports::unload<R>(); },
        [&] {
            const reports::PageModel m = reports::Reports::get<R>().paginate();
            pages = m.pageCount();
            benchmark::DoNotOptimize(m.page(0).items.size());
        },
        [&] {
            bench::Raw q(h, "SELECT * FROM sal ORDER BY sl_no");
            benchmark::DoNotOptimize(bench::readAll(q));
        });
    state.counters["pages"] = pages;
}
BENCHMARK_TEMPLATE(BM_InnerSheetShown, paybill::DataReport1)
    ->Arg(1000)->Arg(10000)->Arg(30000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_InnerSheetShown, paybill::DataReport15)
    ->Arg(1000)->Arg(10000)->Arg(30000)->UseManualTime()->Unit(benchmark::kMillisecond);

// A sheet written as PDF, page by page, from a fresh instance.
template <class R>
void sheetPdf(const QString& path)
{
    reports::Reports::unload<R>();
    reports::Reports::get<R>().exportPdf(path);
    reports::Reports::unload<R>();
}

// The baseline of a PDF: the same pages, each item drawn with the plainest
// QPainter call for it, onto the same kind of writer; the font is set only
// when an item's differs from the one before.
void plainPdf(const reports::PageModel& m, const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(m.pageHeight / 1440.0, m.pageWidth / 1440.0), QPageSize::Inch),
                                     QPageLayout::Landscape, QMarginsF()));
    QPainter p(&writer);
    p.scale(600.0 / 1440, 600.0 / 1440);
    int size = -1;
    bool bold = false;
    for (int i = 0; i < m.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        for (const reports::Item& it : m.page(i).items) {
            if (it.kind == reports::Item::Kind::Line) {
                p.drawLine(it.x, it.y, it.x + it.w, it.y + it.h);
            } else if (it.kind == reports::Item::Kind::Box) {
                p.drawRect(it.x, it.y, it.w, it.h);
            } else if (!it.text.isEmpty()) {
                if (qRound(it.font.pointSize * 20) != size || it.font.bold != bold) {
                    size = qRound(it.font.pointSize * 20);
                    bold = it.font.bold;
                    QFont f;
                    f.setPixelSize(size);
                    f.setBold(bold);
                    p.setFont(f);
                }
                p.drawText(QRectF(it.x, it.y, it.w, it.h), Qt::AlignTop | Qt::TextWordWrap, it.text);
            }
        }
    }
}

template <class R>
void BM_InnerSheetPdf(benchmark::State& state)
{
    Office::of(int(state.range(0)));
    QTemporaryDir dir;
    // DOSSET_BENCH_PDF_DIR keeps the files, to look at what was measured.
    const QString keep = qEnvironmentVariable("DOSSET_BENCH_PDF_DIR");
    const QString path = (keep.isEmpty() ? dir.path() : keep) + QStringLiteral("/sheet%1-%2.pdf")
                                                               .arg(R::staticMetaObject.className() + 9)
                                                               .arg(state.range(0));
    int pages = 0;
    bench::compare(
        state, [] { reports::Reports::unload<R>(); }, [&] { sheetPdf<R>(path); },
        [&] {
            const reports::PageModel model = reports::Reports::get<R>().paginate();
            pages = model.pageCount();
            plainPdf(model, dir.filePath(QStringLiteral("plain.pdf")));
        });
    reports::Reports::unload<R>();
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = QFileInfo(path).size() / 1048576.0;
}
BENCHMARK_TEMPLATE(BM_InnerSheetPdf, paybill::DataReport1)
    ->Arg(1000)->Arg(10000)->Arg(30000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_InnerSheetPdf, paybill::DataReport15)
    ->Arg(1000)->Arg(10000)->Arg(30000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Both sheets of the bill as PDF, one after the other.
void BM_BothSheetsPdf(benchmark::State& state)
{
    Office::of(int(state.range(0)));
    QTemporaryDir dir;
    double peak = 0;
    for (auto _ : state) {
        bench::resetPeak();
        sheetPdf<paybill::DataReport1>(dir.filePath(QStringLiteral("left.pdf")));
        sheetPdf<paybill::DataReport15>(dir.filePath(QStringLiteral("right.pdf")));
        peak = std::max(peak, bench::peakMb());
    }
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_BothSheetsPdf)->Arg(1000)->Arg(10000)->Arg(30000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv, {}, [] { Office::release(); });
}
