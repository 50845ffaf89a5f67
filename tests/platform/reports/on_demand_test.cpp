#include "platform/reports/preview.h"
#include "platform/reports/printer.h"
#include "platform/reports/report.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reports;

namespace {

// A4 portrait, margins 720: the page footer (1000 high) starts at
// 16838 - 720 - 1000 = 15118. Page 1's rows start under the report header and
// page header at 720 + 1000 + 1000 = 2720 and 12 rows of 1000 fit (14720);
// later pages start at 1720 and hold 13 (14720). 25 rows fill two pages, and
// the 2000-high report footer (14720 + 2000 > 15118) takes a third.
class Bill : public Report {
public:
    explicit Bill(int rows)
    {
        setTitle("Bill");
        section(SectionKind::ReportHeader).setHeight(1000).addLabel("Label1", 0, 0, 4000, 300, "PAY BILL");
        section(SectionKind::PageHeader).setHeight(1000).addField("Text9", 0, 100, 2000, 240, "name");
        Section& d = section(SectionKind::Detail).setHeight(1000);
        d.addField("Text1", 0, 50, 3000, 240, "name");
        d.addField("Text2", 3000, 50, 1200, 240, "pay", "0.00").setAlign(Align::Right);
        d.addLine("Line1", 0, 990, 4200, 990);
        Section& pf = section(SectionKind::PageFooter).setHeight(1000);
        pf.addSum("Function1", 3000, 0, 1200, 240, "pay", "0.00", FunctionScope::Page);
        pf.addLabel("Label9", 0, 400, 3000, 240, "Page %p of %P");
        section(SectionKind::ReportFooter).setHeight(2000).addSum("Function2", 3000, 0, 1200, 240, "pay", "0.00");
        QVector<QVector<QVariant>> data;
        for (int i = 1; i <= rows; ++i)
            data.push_back({QStringLiteral("Employee %1").arg(i), double(i)});
        setDataSource(DataSource({"name", "pay"}, data));
    }
};

// Every field of every item, so two pages compare whole.
auto key(const Item& x)
{
    return std::tie(x.kind, x.x, x.y, x.w, x.h, x.text, x.section, x.control, x.row, x.number, x.font.pointSize,
                    x.font.bold, x.align, x.wordWrap, x.lineWidth);
}

bool sameItems(const Page& a, const Page& b)
{
    return a.firstRow == b.firstRow && a.rowCount == b.rowCount
        && std::equal(a.items.begin(), a.items.end(), b.items.begin(), b.items.end(),
                      [](const Item& x, const Item& y) { return key(x) == key(y); });
}


} // namespace

TEST(OnDemandPages, CountFirstAndLastPageAndAFooterMovedToAPageOfItsOwn)
{
    const Bill report(25);
    const PageModel m = report.paginate();
    // The count, and with it %P, is known before any page is made.
    EXPECT_TRUE(m.pages.isEmpty());
    ASSERT_EQ(m.pageCount(), 3);
    EXPECT_EQ(m.find(0, "Label9")->text, "Page 1 of 3");

    // A bound field of the page header shows the page's first row; page sums
    // 1 + ... + 12 = 78, 13 + ... + 25 = 247. The report footer did not fit
    // under row 25: the last page has it alone, with an empty page sum.
    EXPECT_EQ(QList<int>({m.page(0).firstRow, m.page(0).rowCount, m.find(0, "Label1")->y, m.find(0, "Text2", 0)->y,
                          m.find(0, "Text2", 11)->y, m.find(0, "Function1")->y, m.find(1, "Text2", 12)->y,
                          m.page(2).rowCount, m.find(2, "Function2")->y}),
              QList<int>({0, 12, 720, 2770, 13770, 15118, 1770, 0, 1720}));
    EXPECT_EQ(QStringList({m.find(0, "Text9")->text, m.find(0, "Function1")->text, m.find(1, "Text9")->text,
                           m.find(1, "Function1")->text, m.find(2, "Function2")->text, m.find(2, "Function1")->text,
                           m.find(2, "Text9")->text, m.texts("Label9").join('|')}),
              QStringList({"Employee 1", "78.00", "Employee 13", "247.00", "325.00", "0.00", "", "Page 1 of 3|Page 2 of 3|Page 3 of 3"}));
    // The report header is page 1's alone; the report footer the last page's.
    EXPECT_TRUE(!m.find(1, "Label1") && !m.find(1, "Function2"));

    // Made alone, each page is the page of the whole layout.
    const PageModel whole = report.layout();
    ASSERT_EQ(whole.pageCount(), 3);
    for (int i : {2, 0, 1})
        EXPECT_TRUE(sameItems(m.page(i), whole.pages[i])) << "page " << i + 1;

    // Two rows fewer leave room for it on page 2: 1720 + 11 rows = 12720,
    // and 12720 + 2000 <= 15118.
    const PageModel shorter = Bill(23).paginate();
    ASSERT_EQ(shorter.pageCount(), 2);
    EXPECT_EQ(shorter.find(1, "Label9")->text + " " + QString::number(shorter.find(1, "Function2")->y), "Page 2 of 2 12720");

    // No rows: one page with its headers and footers, and zero sums.
    const Bill empty(0);
    const PageModel none = empty.paginate();
    ASSERT_EQ(none.pageCount(), 1);
    EXPECT_TRUE(none.page(0).rowCount == 0 && !none.find(0, "Text1") && none.find(0, "Function2")->y == 2720);
    EXPECT_EQ(QStringList({none.find(0, "Text9")->text, none.find(0, "Function2")->text, none.find(0, "Label9")->text}),
              QStringList({"", "0.00", "Page 1 of 1"}));
    EXPECT_TRUE(sameItems(none.page(0), empty.layout().pages[0]));
}

TEST(OnDemandPages, PdfPrinterAndPreviewTakeThePagesOneAtATime)
{
    Bill report(25);
    QTemporaryDir dir;
    const QString path = dir.filePath("bill.pdf");
    report.exportPdf(path);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")), 3);

    RecordingPrinter printed;
    setPrinter(std::make_unique<RecordingPrinter>(printed));
    report.printReport();
    setPrinter(nullptr);
    ASSERT_EQ(printed.jobs(), 1);
    EXPECT_EQ(printed.job(0).texts("Function1"), QStringList({"78.00", "247.00", "0.00"}));

    // The preview holds the breaks, not the pages, and still has them after
    // the report's rows are replaced.
    report.show();
    PreviewWindow* preview = report.preview();
    ASSERT_NE(preview, nullptr);
    report.setDataSource(DataSource());
    EXPECT_TRUE(preview->model().pages.isEmpty());
    preview->lastPage();
    preview->nextPage(); // past the last page: stays on it
    EXPECT_EQ(preview->currentPage(), 2);
    EXPECT_EQ(preview->model().find(2, "Function2")->text, "325.00");
    EXPECT_FALSE(preview->grab().isNull());
    preview->close();
}
