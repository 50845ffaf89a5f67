#include "paybill/schedules/form_layout.h"

#include "platform/reports/report.h"

namespace paybill::layout {

namespace {

QString nextName(reports::Section& s, const char* stem)
{
    return QLatin1String(stem) + QString::number(int(s.controls().size()) + 1);
}

} // namespace

reports::Control& caption(reports::Section& s, int x, int y, int w, int h, const QString& text)
{
    return s.addLabel(nextName(s, "Caption"), x, y, w, h, text);
}

reports::Control& heading(reports::Section& s, int y, int width, const QString& text, double points)
{
    const int h = int(points * reports::kTwipsPerPoint * 1.4);
    return caption(s, 0, y, width, h, text).setFont(points, true).setAlign(reports::Align::Center);
}

reports::Control& leader(reports::Section& s, int x, int y, int w, const QString& text)
{
    return caption(s, x, y, w, kLine, text + QStringLiteral(" ....................................."))
        .setWordWrap(false);
}

reports::Control& filled(reports::Section& s, int x, int y, int captionWidth, int valueWidth,
                         const QString& text, const QString& valueName)
{
    caption(s, x, y, captionWidth, kLine, text).setWordWrap(false);
    return s.addLabel(valueName, x + captionWidth, y, valueWidth, kLine, QString()).setBold();
}

void cell(reports::Section& s, int x, int y, int w, int h, const QString& text)
{
    box(s, x, y, w, h);
    caption(s, x + 30, y + 30, w - 60, h - 60, text).setAlign(reports::Align::Center);
}

void box(reports::Section& s, int x, int y, int w, int h)
{
    s.addBox(nextName(s, "Box"), x, y, w, h);
}

void rule(reports::Section& s, int x, int y, int w)
{
    s.addLine(nextName(s, "Line"), x, y, x + w, y);
}

} // namespace paybill::layout
