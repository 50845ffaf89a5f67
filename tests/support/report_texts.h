// A laid-out report's and a form's texts in one list, for one comparison of a whole page or screen; and a
// laid-out report checked as a reader sees it: every one-line text is printed at its own size inside its box,
// no two texts cover each other, and totals have room for the largest figure a report can hold.
#pragma once

#include "platform/forms/controls.h"
#include "platform/reports/page_model.h"
#include "platform/reports/painter.h"
#include "platform/reports/registry.h"

#include <QRectF>

namespace testsupport {

// The texts of each named control, in the order named; several texts of one control joined by "|".
inline QStringList textsOf(const reports::PageModel& m, std::initializer_list<const char*> controls)
{
    QStringList out;
    for (const char* c : controls)
        out << m.texts(QString::fromLatin1(c)).join(QLatin1Char('|'));
    return out;
}

// Captions of labels in order.
inline QStringList captions(std::initializer_list<const forms::Label*> labels)
{
    QStringList out;
    for (const auto* l : labels)
        out << l->caption();
    return out;
}

// The loaded report R as laid out now.
template <class R> reports::PageModel layoutOf() { return reports::Reports::get<R>().layout(); }

// Where a one-line text is drawn: its width from the box's edge its alignment names.
inline QRectF drawn(const reports::Item& it)
{
    const double w = reports::textWidth(it.font, it.text);
    const double x = it.align == reports::Align::Right    ? it.x + it.w - w
                     : it.align == reports::Align::Center ? it.x + (it.w - w) / 2
                                                          : it.x;
    return QRectF(x, it.y, w, it.h);
}

// "control row: text" of each one-line text wider than its box (the painter would shrink a figure) and of
// each pair of texts drawn over each other; figures of a footer (totals) must also hold `total` in their font,
// and so must the rows' figures where each row is itself a total.
inline QStringList misfits(const reports::PageModel& m, const QString& total = QStringLiteral("9999999999.99"),
                           bool rowsAreTotals = false)
{
    QStringList out;
    for (int p = 0; p < m.pageCount(); ++p) {
        QVector<reports::Item> texts;
        for (const reports::Item& it : m.page(p).items) {
            if (it.kind != reports::Item::Kind::Text || it.text.trimmed().isEmpty())
                continue;
            const QString at = QStringLiteral("%1 %2: %3").arg(it.control).arg(it.row).arg(it.text);
            const bool oneLine = it.number || !it.wordWrap;
            if (oneLine && reports::textWidth(it.font, it.text) > it.w)
                out << QStringLiteral("too wide ") + at;
            const bool footer = it.section == QLatin1String("Section3") || it.section == QLatin1String("Section5")
                                || (rowsAreTotals && it.section == QLatin1String("Section1"));
            if (it.number && footer && reports::textWidth(it.font, total) > it.w)
                out << QStringLiteral("no room for a total in ") + at;
            if (!oneLine)
                continue;
            for (const reports::Item& o : texts)
                if (drawn(o).adjusted(0, 1, 0, -1).intersects(drawn(it).adjusted(0, 1, 0, -1)))
                    out << QStringLiteral("over %1: ").arg(o.control) + at;
            texts << it;
        }
    }
    return out;
}

} // namespace testsupport
