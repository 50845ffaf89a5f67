#include "platform/reports/painter.h"
#include "platform/reports/report.h"
#include "support/first_row.h"

#include <QDate>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace reports;

namespace {

// The first page of these items painted on white, one pixel a twip.
QImage painted(const QList<Item>& items, QSize size)
{
    PageModel m;
    m.pages.push_back(Page());
    m.pages[0].items = items;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintPage(p, m, 0);
    return image;
}

// The texts of the named controls, each control's joined by "|".
QStringList texts(const PageModel& m, const QStringList& names)
{
    QStringList list;
    for (const QString& n : names)
        list << m.texts(n).join('|');
    return list;
}

// The box around the dark pixels inside `region` (null when it holds none).
QRect ink(const QImage& image, QRect region = {})
{
    if (region.isNull())
        region = image.rect();
    int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A4 portrait, margins 720: the page footer (618 high) starts at
// 16838 - 720 - 618 = 15500. Page 1 begins under the report header (780)
// and page header (1000) at 2500; later pages at 720 + 1000 = 1720.
class PagedReport : public Report {
public:
    explicit PagedReport(int rows)
    {
        setTitle("Paged");
        section(SectionKind::ReportHeader).setHeight(780).addLabel("Label1", 0, 0, 4000, 300, "TITLE");
        section(SectionKind::PageHeader).setHeight(1000).addLabel("Label12", 0, 100, 4000, 300, "month");
        Section& d = section(SectionKind::Detail).setHeight(1000);
        d.addField("Text1", 0, 50, 800, 240, "sl_no");
        d.addField("Text2", 1000, 50, 1200, 240, "pay", "0.00").setAlign(Align::Right);
        section(SectionKind::PageFooter).setHeight(618).addLabel("Label9", 0, 100, 3000, 240, "Page %p of %P");
        section(SectionKind::ReportFooter).setHeight(800).addSum("Function1", 1000, 0, 1200, 240, "pay", "0.00");
        QVector<QVector<QVariant>> data;
        for (int i = 1; i <= rows; ++i)
            data.push_back({i, 100.0 * i});
        setDataSource(DataSource({"sl_no", "pay"}, data));
    }
};

Item textItem(int x, int y, int w, int h, const QString& text, Align align, bool number)
{
    Item it;
    std::tie(it.x, it.y, it.w, it.h, it.text, it.align, it.number) = std::tie(x, y, w, h, text, align, number);
    it.wordWrap = !number;
    return it;
}

} // namespace

TEST(ReportLayout, FixedRowsPerPageWithPageAndReportSums)
{
    const auto layoutOf = [](int rows) {
        PagedReport r(rows);
        r.section(SectionKind::Detail).setHeight(300);
        r.section(SectionKind::PageFooter).addSum("Function2", 1000, 300, 1200, 240, "pay", "0.00",
                                                  FunctionScope::Page);
        r.setRowsPerPage(8);
        return r.layout();
    };
    EXPECT_EQ(QList<int>({layoutOf(8).pageCount(), layoutOf(9).pageCount(), layoutOf(16).pageCount()}),
              QList<int>({1, 2, 2}));
    const PageModel m = layoutOf(17);
    EXPECT_EQ(QList<int>({m.pageCount(), m.pages[1].firstRow, m.pages[1].rowCount, m.pages[2].rowCount,
                          m.find(1, "Text1", 8)->y}),
              QList<int>({3, 8, 8, 1, 1770}));
    // Page sums: 100*(1..8) = 3600, 100*(9..16) = 10000, 1700; report sum 15300.
    EXPECT_EQ(texts(m, {"Function2", "Function1", "Label9"}),
              QStringList({"3600.00|10000.00|1700.00", "15300.00", "Page 1 of 3|Page 2 of 3|Page 3 of 3"}));
}

TEST(ReportLayout, BoundFieldsAndSumsFollowTheirFormats)
{
    Report r;
    Section& d = r.section(SectionKind::Detail).setHeight(240);
    Section& f = r.section(SectionKind::ReportFooter).setHeight(240);
    int x = 0;
    for (auto [name, field, format] : {std::tuple{"Text1", "amount", "0.00"}, {"Text2", "amount", "###"},
                                       {"Text3", "amount", ""}, {"Text4", "bill_date", "dd/mm/yy"}, {"Text5", "bill_date", ""}})
        d.addField(name, x += 1000, 0, 1000, 240, field, format);
    for (auto [name, field, format] : {std::tuple{"Function1", "amount", "0.00"}, {"Function2", "zero", "###"},
                                       {"Function3", "zero", "##0.00"}})
        f.addSum(name, x += 1000, 0, 1000, 240, field, format);
    r.setDataSource(DataSource({"amount", "bill_date", "zero"},
                               {{1234.5, "2012-03-01", 0}, {QVariant(), QVariant(), 0},
                                {"50", QDate(2012, 4, 1), QVariant()}, {0.25, "not a date", 0}}));
    // Nulls add nothing; a numeric text counts as its number.
    EXPECT_EQ(texts(r.layout(), {"Text1", "Text2", "Text3", "Text4", "Text5", "Function1", "Function2", "Function3"}),
              QStringList({"1234.50||50.00|0.25", "1235||50|", "1234.5||50|0.25", "01/03/12||01/04/12|not a date",
                           "01/03/2012||01/04/2012|not a date", "1284.75", "", "0.00"}));
}

TEST(ReportLayout, ASumIsTheSumOfTheFiguresPrintedAboveIt)
{
    // Three nets carrying thirds of a rupee print 40006.67, 38502.67 and
    // 39041.33 (half a paisa away from nothing: 0.125 prints 0.13); their
    // printed sum is 117550.67 + 0.13, never the 117550.6667 stored.
    Report r;
    r.section(SectionKind::Detail).setHeight(240).addField("Text1", 0, 0, 1200, 240, "net", "0.00");
    r.section(SectionKind::ReportFooter).setHeight(240).addSum("Function1", 0, 0, 1200, 240, "net", "0.00");
    r.setDataSource(DataSource({"net"}, {{40006.0 + 2.0 / 3}, {38502.0 + 2.0 / 3}, {39041.0 + 1.0 / 3}, {0.125}}));
    EXPECT_EQ(texts(r.layout(), {"Text1", "Function1"}),
              QStringList({"40006.67|38502.67|39041.33|0.13", "117550.80"}));

    // A sum of whole rupees adds the rupees printed: 0.5 and 1.5 print 1 and 2, total 3.
    Report whole;
    whole.section(SectionKind::Detail).setHeight(240).addField("Text1", 0, 0, 1200, 240, "amount", "###");
    whole.section(SectionKind::ReportFooter).setHeight(240).addSum("Function1", 0, 0, 1200, 240, "amount", "###");
    whole.setDataSource(DataSource({"amount"}, {{0.5}, {1.5}}));
    EXPECT_EQ(texts(whole.layout(), {"Text1", "Function1"}), QStringList({"1|2", "3"}));
}

TEST(ReportLayout, LabelsByNameHiddenControlsLeftOutAndBadNamesRefused)
{
    PagedReport r(10);
    r.label("Section2", "Label12").setCaption("Mar-12");
    r.label("section4", "label1").setCaption("PAY BILL ");
    EXPECT_EQ(texts(r.layout(), {"Label12", "Label1"}), QStringList({"Mar-12", "PAY BILL "}));
    // No such label, no such section, a label of another section: all refused.
    for (auto [section, label] : {std::pair{"Section2", "Label99"}, {"Section9", "Label12"}, {"Section3", "Label12"}})
        EXPECT_EQ(testsupport::errorOf([&] { r.label(section, label); }).number, vb::InvalidProcedureCall) << label;

    // Hidden controls and sections are not laid out: without the page header
    // the first row sits under the 780 report header.
    r.label("Section4", "Label1").setVisible(false);
    r.section(SectionKind::PageHeader).setVisible(false);
    const PageModel hidden = r.layout();
    EXPECT_TRUE(!hidden.find(0, "Label1") && !hidden.find(0, "Label12"));
    EXPECT_EQ(hidden.find(0, "Text1", 0)->y, 720 + 780 + 50);

    // A field bound to a column the data does not have is refused, not left blank.
    r.section(SectionKind::Detail).addField("Text9", 0, 0, 100, 100, "gros");
    EXPECT_THROW(r.layout(), vb::Error);
}

// One pixel a twip: a figure ends at its box's right edge, a caption starts
// at its left edge or sits in its middle, and a caption too long for its box
// breaks at its blanks onto a second line inside the box.
TEST(ReportPainter, TextSitsInItsBoxByItsAlignmentAndLongCaptionsWrap)
{
    const QImage image = painted({textItem(200, 100, 1200, 240, "1500.00", Align::Right, true),
                                  textItem(1600, 100, 1000, 240, "7", Align::Center, false),
                                  textItem(200, 500, 1200, 240, "G.P.F. :", Align::Left, false),
                                  textItem(1600, 500, 900, 500, "TOTAL DUE        (in Rupees)", Align::Center, false)},
                                 QSize(3000, 1200));
    const QRect figure = ink(image, QRect(0, 50, 1500, 350)), seven = ink(image, QRect(1500, 50, 1200, 350));
    const QRect label = ink(image, QRect(0, 450, 1500, 350)), caption = ink(image, QRect(1500, 450, 1400, 700));
    ASSERT_TRUE(figure.isValid() && seven.isValid() && label.isValid() && caption.isValid());
    EXPECT_NEAR(figure.right(), 1400, 60);
    EXPECT_GT(figure.left(), 200 + 400); // right-aligned, not from the left edge
    EXPECT_NEAR(seven.center().x(), 2100, 60);
    EXPECT_NEAR(label.left(), 200, 60);
    EXPECT_LT(label.height(), 240); // one line
    EXPECT_TRUE(caption.left() >= 1600 && caption.right() <= 2500 && caption.bottom() <= 1000) << caption.left();
    EXPECT_GT(caption.height(), 300); // two lines of 8-point text
}

// A figure of 4000000000/3 in a cell two lines high but too narrow for it: shown
// to two decimals, and never wrapped, where its tail would print on the second
// line as a different-looking number ("333333.33").
TEST(ReportPainter, AFigureTooWideForItsCellStaysOnOneLine)
{
    Report r;
    Section& d = r.section(SectionKind::Detail).setHeight(600);
    d.addField("Text1", 0, 0, 600, 480, "gpf_rec").setAlign(Align::Right);
    d.addField("Text2", 1000, 0, 600, 480, "name");
    Section& f = r.section(SectionKind::ReportFooter).setHeight(600);
    f.addSum("Function1", 0, 0, 600, 480, "gpf_rec");
    f.addLabel("Label1", 1000, 0, 600, 480, "374260.00");
    f.addLabel("Label2", 2000, 0, 600, 480, "(1)");
    r.setDataSource(DataSource({"gpf_rec", "name"}, {{4e9 / 3, "S. M. Kulkarni"}}));
    const PageModel m = r.layout();
    const Item* figure = m.find(0, "Text1", 0);
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(figure->text, "1333333333.33");
    EXPECT_EQ(QList<bool>({figure->number, m.find(0, "Function1")->number, m.find(0, "Text2", 0)->number,
                           m.find(0, "Label1")->number, m.find(0, "Label2")->number}),
              QList<bool>({true, true, false, true, false}));

    Item moved = *figure;
    std::tie(moved.x, moved.y) = std::pair(200, 100);
    const QRect drawn = ink(painted({moved}, QSize(1200, 800)));
    ASSERT_TRUE(drawn.isValid()) << "nothing was painted";
    EXPECT_LT(drawn.height(), 240); // one line of 8-point text (160 twips), not two
    // The whole figure, shrunk and running over the rule: a figure clipped to
    // its 600-twip cell would show only its tail.
    EXPECT_GT(drawn.width(), 700);
}
