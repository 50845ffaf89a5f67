#include "platform/forms/clock.h"

namespace forms {

namespace {
QDate& fixed()
{
    static QDate d;
    return d;
}
} // namespace

QDate Clock::today()
{
    return fixed().isValid() ? fixed() : QDate::currentDate();
}

void Clock::setToday(const QDate& d)
{
    fixed() = d;
}

void Clock::reset()
{
    fixed() = QDate();
}

} // namespace forms
