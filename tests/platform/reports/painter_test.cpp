#include "platform/reports/report.h"
#include "support/platform_probes.h"

#include <gtest/gtest.h>

using namespace reports;
using testsupport::ink;

namespace {

Item textItem(int x, int y, int w, int h, const QString& text, Align align, bool number)
{
    Item it;
    std::tie(it.x, it.y, it.w, it.h, it.text, it.align, it.number) = std::tie(x, y, w, h, text, align, number);
    it.wordWrap = !number;
    return it;
}

} // namespace

// One pixel a twip: a figure ends at its box's right edge, a caption starts
// at its left edge or sits in its middle, and a caption too long for its box
// breaks at its blanks onto a second line inside the box.
TEST(ReportPainter, TextSitsInItsBoxByItsAlignmentAndLongCaptionsWrap)
{
    PageModel m;
    m.pages.push_back(Page());
    m.pages[0].items << textItem(200, 100, 1200, 240, "1500.00", Align::Right, true)
                     << textItem(1600, 100, 1000, 240, "7", Align::Center, false)
                     << textItem(200, 500, 1200, 240, "G.P.F. :", Align::Left, false)
                     << textItem(1600, 500, 900, 500, "TOTAL DUE        (in Rupees)", Align::Center, false);
    const QImage image = testsupport::painted(m, QSize(3000, 1200));
    const QRect figure = ink(image, QRect(0, 50, 1500, 350)), seven = ink(image, QRect(1500, 50, 1200, 350));
    const QRect label = ink(image, QRect(0, 450, 1500, 350)), caption = ink(image, QRect(1500, 450, 1400, 700));
    ASSERT_TRUE(figure.isValid() && seven.isValid() && label.isValid() && caption.isValid());
    EXPECT_NEAR(figure.right(), 1400, 60);
    EXPECT_GT(figure.left(), 200 + 400); // right-aligned, not from the left edge
    EXPECT_NEAR(seven.center().x(), 2100, 60);
    EXPECT_NEAR(label.left(), 200, 60);
    EXPECT_LT(label.height(), 240); // one line
    EXPECT_GE(caption.left(), 1600);
    EXPECT_LE(caption.right(), 2500);
    EXPECT_GT(caption.height(), 300); // two lines of 8-point text
    EXPECT_LE(caption.bottom(), 1000);
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

    PageModel one;
    one.pages.push_back(Page());
    one.pages[0].items.push_back(*figure);
    std::tie(one.pages[0].items[0].x, one.pages[0].items[0].y) = std::pair(200, 100);
    const QRect drawn = ink(testsupport::painted(one, QSize(1200, 800)));
    ASSERT_TRUE(drawn.isValid()) << "nothing was painted";
    EXPECT_LT(drawn.height(), 240); // one line of 8-point text (160 twips), not two
    // The whole figure, shrunk and running over the rule: a figure clipped to
    // its 600-twip cell would show only its tail.
    EXPECT_GT(drawn.width(), 700);
}
