// Today's date: one source for the whole program, so tests can fix the day.
#pragma once

#include <QDate>

namespace forms {

class Clock {
public:
    // The system's date, or the one a test set.
    static QDate today();
    static void setToday(const QDate& d);
    static void reset();

    // Sets the day for a scope.
    class Override {
    public:
        explicit Override(const QDate& d) { setToday(d); }
        ~Override() { reset(); }
        Override(const Override&) = delete;
        Override& operator=(const Override&) = delete;
    };
};

} // namespace forms
