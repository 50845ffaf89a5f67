#include "paybill/schedules/form_layout.h"

#include "platform/reports/painter.h"
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
    // As many dots as the blank holds, up to a line of them: a long caption
    // keeps fewer rather than running into the next blank.
    QString line = text + QStringLiteral(" ");
    const QString dots(37, QLatin1Char('.'));
    int n = dots.size();
    while (n > 3 && reports::textWidth(reports::Font{}, line + dots.left(n)) > w)
        --n;
    return caption(s, x, y, w, kLine, line + dots.left(n)).setWordWrap(false);
}

int formTitle(reports::Section& s, int width, const QString& form, const QString& rule, int gap)
{
    heading(s, 0, width, form, 11);
    caption(s, 0, 320, width, kLine, rule).setAlign(reports::Align::Center);
    return 320 + kLine + gap;
}

void grantLine(reports::Section& s, int y, int width, const QString& grant, const QString& token,
               const QString& date, int tokenWidth)
{
    leader(s, 0, y, 3400, grant);
    leader(s, 3500, y, tokenWidth, token);
    leader(s, 3600 + tokenWidth, y, width - 3600 - tokenWidth, date);
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

void ruledRow(reports::Section& s, const QVector<int>& x, int h)
{
    for (int i = 0; i + 1 < x.size(); ++i)
        box(s, x[i], 0, x[i + 1] - x[i], h);
}

void heads(reports::Section& s, const QVector<int>& x, int first, int y, int h,
           std::initializer_list<const char*> texts)
{
    int i = first;
    for (const char* text : texts) {
        cell(s, x[i], y, x[i + 1] - x[i], h, QString::fromUtf8(text));
        ++i;
    }
}

void numberRow(reports::Section& s, const QVector<int>& x, int y, int h)
{
    for (int i = 0; i + 1 < x.size(); ++i)
        cell(s, x[i], y, x[i + 1] - x[i], h, QStringLiteral("(%1)").arg(i + 1));
}

reports::Control& field(reports::Section& s, const QVector<int>& x, int col, const char* column, int y, int h)
{
    const QString name = QString::fromLatin1(column);
    return s.addField(name, x[col] + 40, y, x[col + 1] - x[col] - 80, h, name);
}

void serialAndName(reports::Section& s, const QVector<int>& x)
{
    field(s, x, 0, "sl_no").setAlign(reports::Align::Center);
    field(s, x, 1, "name");
    field(s, x, 1, "designation", 40 + kLine);
}

reports::Control& sum(reports::Section& s, const QVector<int>& x, int col, const char* column)
{
    return s.addSum(QStringLiteral("sum_") + QLatin1String(column), x[col] + 40, 50, x[col + 1] - x[col] - 80,
                    kLine, QString::fromLatin1(column))
        .setAlign(reports::Align::Right)
        .setBold();
}

reports::Control& rupees(reports::Section& s, int y, int width, const QString& valueName)
{
    caption(s, 0, y, 800, kLine, QStringLiteral("Rupees")).setBold();
    return s.addLabel(valueName, 800, y, width - 800, 2 * kLine, QString()).setBold();
}

int notes(reports::Section& s, int y, int width, std::initializer_list<const char*> texts)
{
    for (const char* text : texts) {
        caption(s, 0, y, width, 2 * kLine, QString::fromLatin1(text)).setFontSize(7);
        y += 2 * kLine;
    }
    return y;
}

} // namespace paybill::layout
