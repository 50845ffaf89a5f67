#include "platform/reports/painter.h"
#include "platform/reports/page_model.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace reports;

namespace {

Item textItem(int x, int y, int w, int h, const QString& text, Align align, bool number)
{
    Item it;
    std::tie(it.x, it.y, it.w, it.h, it.text, it.align, it.number) = std::tie(x, y, w, h, text, align, number);
    it.wordWrap = !number;
    return it;
}

// The painted ink inside a region of the image: left, top, right, bottom.
QRect ink(const QImage& image, const QRect& region)
{
    int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

// One pixel a twip: a figure ends at its box's right edge, a caption starts
// at its left edge or sits in its middle, and a caption too long for its box
// breaks at its blanks onto a second line inside the box.
TEST(ReportPainter, TextSitsInItsBoxByItsAlignmentAndLongCaptionsWrap)
{
    PageModel m;
    m.pages.push_back(Page());
    QVector<Item>& items = m.pages[0].items;
    items << textItem(200, 100, 1200, 240, "1500.00", Align::Right, true)
          << textItem(1600, 100, 1000, 240, "7", Align::Center, false)
          << textItem(200, 500, 1200, 240, "G.P.F. :", Align::Left, false)
          << textItem(1600, 500, 900, 500, "TOTAL DUE        (in Rupees)", Align::Center, false);
    QImage image(3000, 1200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        paintPage(p, m, 0);
    }
    const QRect figure = ink(image, QRect(0, 50, 1500, 350));
    const QRect seven = ink(image, QRect(1500, 50, 1200, 350));
    const QRect label = ink(image, QRect(0, 450, 1500, 350));
    const QRect caption = ink(image, QRect(1500, 450, 1400, 700));
    ASSERT_TRUE(figure.isValid() && seven.isValid() && label.isValid() && caption.isValid());
    EXPECT_NEAR(figure.right(), 1400, 60);
    EXPECT_GT(figure.left(), 200 + 400); // right-aligned, not from the left edge
    EXPECT_NEAR(seven.center().x(), 2100, 60);
    EXPECT_NEAR(label.left(), 200, 60);
    EXPECT_LT(label.bottom() - label.top(), 240); // one line
    EXPECT_GE(caption.left(), 1600);
    EXPECT_LE(caption.right(), 2500);
    EXPECT_GT(caption.bottom() - caption.top(), 300); // two lines of 8-point text
    EXPECT_LE(caption.bottom(), 1000);
}
