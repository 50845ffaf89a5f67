// Layout of a long inner sheet: 10,000 rows, 8 a page, twelve bound amounts a
// row, page and report sums, page numbers "%p of %P".
#include "platform/reports/report.h"

#include <benchmark/benchmark.h>

using namespace reports;

namespace {

const char* const kColumns[] = {"sl_no", "acc_no", "name", "designation", "pay", "d_pay",
                                "less_fa", "da", "hra", "ma", "oa", "gross"};

class LongSheet : public Report {
public:
    explicit LongSheet(int rows)
    {
        setPageSize(PageSize::Legal);
        setOrientation(Orientation::Landscape);
        setRowsPerPage(8);
        Section& ph = section(SectionKind::PageHeader).setHeight(1800);
        ph.addLabel("Label1", 0, 0, 4000, 400, "PAY BILL ").setFont(14, true);
        ph.addLabel("Label27", 4000, 0, 2000, 300, "Mar-12");
        Section& d = section(SectionKind::Detail).setHeight(1200);
        QStringList cols;
        for (int c = 0; c < 12; ++c) {
            cols << kColumns[c];
            Control& f = d.addField(QStringLiteral("Text%1").arg(c + 1), c * 1400, 100, 1300, 240,
                                    kColumns[c], c >= 4 ? "0.00" : QString());
            if (c >= 4)
                f.setAlign(Align::Right);
        }
        d.addLine("Line1", 0, 1190, 16800, 1190);
        Section& pf = section(SectionKind::PageFooter).setHeight(800);
        Section& rf = section(SectionKind::ReportFooter).setHeight(600);
        for (int c = 4; c < 12; ++c) {
            pf.addSum(QStringLiteral("Function%1").arg(c), c * 1400, 0, 1300, 240, kColumns[c], "0.00",
                      FunctionScope::Page);
            rf.addSum(QStringLiteral("Function%1").arg(c + 20), c * 1400, 0, 1300, 240, kColumns[c],
                      "0.00");
        }
        pf.addLabel("Label9", 0, 400, 3000, 240, "Page %p of %P");

        QVector<QVector<QVariant>> data;
        data.reserve(rows);
        for (int i = 0; i < rows; ++i) {
            data.push_back({i + 1, QStringLiteral("WB/%1").arg(1000 + i), QStringLiteral("Employee %1").arg(i),
                            "Clerk", 21000.0 + i, 4400.0, 0.0, 18480.5, 3000.0, 300.0, 0.0,
                            47180.5 + i});
        }
        setDataSource(DataSource(cols, std::move(data)));
    }
};

void BM_LayoutTenThousandRowsEightAPage(benchmark::State& state)
{
    const LongSheet report(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        PageModel m = report.layout();
        benchmark::DoNotOptimize(m.pages.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LayoutTenThousandRowsEightAPage)->Arg(10000)->Unit(benchmark::kMillisecond);

// What the preview needs of the same sheet: the page breaks and count, and page 1.
void BM_PaginateTenThousandRowsAndMakePageOne(benchmark::State& state)
{
    const LongSheet report(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const PageModel m = report.paginate();
        benchmark::DoNotOptimize(m.page(0).items.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PaginateTenThousandRowsAndMakePageOne)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
