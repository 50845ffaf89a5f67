// Probes for the platform's own tests: the error a call throws, and where a
// painted page has ink.
#pragma once

#include "platform/reports/page_model.h"
#include "platform/reports/painter.h"
#include "platform/vb/error.h"

#include <QImage>
#include <QPainter>

namespace testsupport {

// What `run` threw: number and description; number 0 when it threw nothing.
template <class F> vb::Error errorOf(F&& run)
{
    try {
        run();
    } catch (const vb::Error& e) {
        return e;
    }
    return vb::Error(0, QStringLiteral("no error"));
}

// Page `page` of `m` painted on white, one pixel a twip.
inline QImage painted(const reports::PageModel& m, QSize size, int page = 0)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    reports::paintPage(p, m, page);
    return image;
}

// The box around the dark pixels inside `region` (null when it holds none).
inline QRect ink(const QImage& image, QRect region = {})
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

} // namespace testsupport
