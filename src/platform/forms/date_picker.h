// The date picker: a date (no time) shown day first, with a drop-down calendar.
#pragma once

#include "platform/forms/control.h"

#include <QDate>
#include <QDateEdit>

namespace forms {

// value()/setValue() carry the date. Change is raised when the user changes
// the date (typing or the calendar), not by setValue from code; CloseUp when
// the drop-down calendar closes. A new picker holds Clock::today().
// Besides the calendar and the day, month and year parts, a whole date may be
// typed over the box ("30/11/2026", "30-11-26", "30112026", "301126"); a
// two-digit year is read as 1930-2029. Dates lie from 1930 to 2099; typed text
// that is no such date is refused with a message and the date stays.
class DatePicker : public FocusControl<DatePicker, QDateEdit> {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);
    DatePicker(const QString& name, QWidget* parent);

    QDate value() const { return date(); }
    void setValue(const QDate& d);

signals:
    void Change();
    void CloseUp();
    void GotFocus();
    void LostFocus();
    void KeyDown(int keyCode);
    void KeyUp(int keyCode);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    QValidator::State validate(QString& text, int& pos) const override;
    bool focusNextPrevChild(bool next) override;

private:
    void init();
    // Takes a date typed whole; false when the text is no date the picker
    // holds (the date it had stays).
    bool finishTyping();
    // Tells the clerk that the typed text was no date.
    void refuse();
    int mQuiet = 0;
    bool mTyping = false; // a whole date is being typed over the box
    QDate mLastDate;
};

} // namespace forms
