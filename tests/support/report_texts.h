// A laid-out report's and a form's texts in one list, for one comparison of a whole page or screen.
#pragma once

#include "platform/forms/controls.h"
#include "platform/reports/page_model.h"
#include "platform/reports/registry.h"

#include <QStringList>

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
template <class R>
reports::PageModel layoutOf()
{
    return reports::Reports::get<R>().layout();
}

} // namespace testsupport
