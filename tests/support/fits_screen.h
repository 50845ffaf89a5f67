// Whether a form fits the smallest screen an office desk has.
#pragma once

#include <QWidget>

namespace testsupport {

// Every command stays reachable inside the main window on a 1366x768 screen
// (the window's frame, menu and status bar take the rest).
inline bool fitsSmallScreen(const QWidget& form)
{
    const QSize s = form.minimumSizeHint();
    return s.width() <= 1300 && s.height() <= 680;
}

} // namespace testsupport
