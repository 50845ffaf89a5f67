#include "platform/forms/date_picker.h"

#include "platform/forms/clock.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>

namespace forms {

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(parent), mFocus(this, [this] { emit GotFocus(); }, [this] { emit LostFocus(); })
{
    init();
}

DatePicker::DatePicker(const QString& name, QWidget* parent) : DatePicker(parent)
{
    setObjectName(name);
}

DatePicker::~DatePicker() = default;

void DatePicker::init()
{
    setDisplayFormat("dd/MM/yyyy");
    setCalendarPopup(true);
    setMinimumDate(QDate(1900, 1, 1));
    setMaximumDate(QDate(9999, 12, 31));
    ++mQuiet;
    setDate(Clock::today());
    --mQuiet;
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!mQuiet)
            emit Change();
    });
    if (QCalendarWidget* calendar = calendarWidget())
        calendar->window()->installEventFilter(this);
}

void DatePicker::setValue(const QDate& d)
{
    ++mQuiet;
    setDate(d);
    --mQuiet;
}

void DatePicker::setFocus()
{
    forms::setFocus(this);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Hide && calendarWidget() && watched == calendarWidget()->window())
        emit CloseUp();
    return QDateEdit::eventFilter(watched, e);
}

void DatePicker::keyPressEvent(QKeyEvent* e)
{
    const int code = mKeys.pressed(e);
    if (code)
        emit KeyDown(code);
    QDateEdit::keyPressEvent(e);
}

void DatePicker::keyReleaseEvent(QKeyEvent* e)
{
    int code = 0;
    const bool mine = mKeys.released(e, &code);
    QDateEdit::keyReleaseEvent(e);
    if (mine && code)
        emit KeyUp(code);
}

void DatePicker::focusInEvent(QFocusEvent* e)
{
    QDateEdit::focusInEvent(e);
    mFocus.focusIn(e);
}

void DatePicker::focusOutEvent(QFocusEvent* e)
{
    mKeys.forget();
    QDateEdit::focusOutEvent(e);
    mFocus.focusOut(e);
}

} // namespace forms
