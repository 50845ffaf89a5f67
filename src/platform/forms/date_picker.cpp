#include "platform/forms/date_picker.h"

#include "platform/forms/clock.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace forms {

namespace {

// A date typed whole: day first with separators, or eight or six digits.
QDate typedDate(const QString& input)
{
    const QString text = input.trimmed();
    static const QRegularExpression digits(QStringLiteral("^(\\d{2})(\\d{2})(\\d{2}|\\d{4})$"));
    if (const auto m = digits.match(text); m.hasMatch())
        return vb::parseDate(m.captured(1) + QLatin1Char('/') + m.captured(2) + QLatin1Char('/') + m.captured(3));
    return vb::parseDate(text);
}

bool isTypingKey(const QKeyEvent* e)
{
    const QString t = e->text();
    return t.size() == 1 && (t.at(0).isDigit() || QStringLiteral("/-.").contains(t.at(0)));
}

} // namespace

DatePicker::DatePicker(QWidget* parent) : FocusControl(parent)
{
    init();
}

DatePicker::DatePicker(const QString& name, QWidget* parent) : DatePicker(parent)
{
    setObjectName(name);
}

void DatePicker::init()
{
    setDisplayFormat("dd/MM/yyyy");
    setCalendarPopup(true);
    setMinimumDate(QDate(vb::kFirstYear, 1, 1));
    setMaximumDate(QDate(vb::kLastYear, 12, 31));
    ++mQuiet;
    setDate(Clock::today());
    --mQuiet;
    mLastDate = date();
    // Enter re-announces the date it already has; only a new date is a change.
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (d == mLastDate)
            return;
        mLastDate = d;
        if (!mQuiet)
            emit Change();
    });
    if (QCalendarWidget* calendar = calendarWidget())
        calendar->window()->installEventFilter(this);
}

void DatePicker::setValue(const QDate& d)
{
    mTyping = false;
    ++mQuiet;
    setDate(d);
    --mQuiet;
}

bool DatePicker::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Hide && calendarWidget() && watched == calendarWidget()->window())
        emit CloseUp();
    return QDateEdit::eventFilter(watched, e);
}

QValidator::State DatePicker::validate(QString& text, int& pos) const
{
    if (!mTyping)
        return QDateEdit::validate(text, pos);
    // Never taken half-typed ("30/11/21" on the way to 2100): the date is
    // read when the typing ends, with Enter or on leaving the box.
    static const QRegularExpression partial(QStringLiteral("^[0-9/.-]{0,10}$"));
    return partial.match(text.trimmed()).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

bool DatePicker::focusNextPrevChild(bool next)
{
    // Tab leaves the picker, as Enter does, instead of stepping through day,
    // month and year (the arrow keys do that), so Tab and the form's Enter
    // chain take the same road.
    return QWidget::focusNextPrevChild(next);
}

void DatePicker::keyPressEvent(QKeyEvent* e)
{
    pressKey(e);
    // Typing goes to the text as it stands, not part by part: the first key
    // starts a whole date over what was shown.
    if (isTypingKey(e) || (mTyping && (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete))) {
        if (!mTyping) {
            mTyping = true;
            lineEdit()->selectAll();
        }
        QAbstractSpinBox::keyPressEvent(e);
        return;
    }
    if (mTyping && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !finishTyping()) {
        // The Enter was answered by the refusal: no KeyUp, so the form's
        // chain does not move on from a date it never got.
        mKeys.forget();
        refuse();
        lineEdit()->selectAll();
        return;
    }
    QDateEdit::keyPressEvent(e);
}

bool DatePicker::finishTyping()
{
    if (!mTyping)
        return true;
    // A date typed whole is taken; anything else leaves the date it had, and
    // the clerk is told, since a date kept silently is easily taken for the
    // one typed.
    const QDate d = typedDate(lineEdit()->text());
    mTyping = false;
    const bool taken = d.isValid() && d >= minimumDate() && d <= maximumDate();
    if (taken && d != date())
        setDate(d); // the user's change: Change is raised
    else
        setDate(date());
    lineEdit()->setText(textFromDateTime(date().startOfDay()));
    return taken;
}

void DatePicker::refuse()
{
    Dialogs::msgBox(QStringLiteral("THIS IS NOT A VALID DATE"), vbInformation, QStringLiteral("Hi"));
}

void DatePicker::focusOutEvent(QFocusEvent* e)
{
    const bool taken = finishTyping();
    FocusControl::focusOutEvent(e);
    // Told when the clerk moves on in the program; a window losing the
    // keyboard to another program, or the calendar opening, is no moment for a box.
    if (!taken && e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        refuse();
}

} // namespace forms
