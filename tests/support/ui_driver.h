// Drives forms as a user would: real key and mouse events, so the controls' events fire.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/registry.h"
#include "platform/forms/scripted_dialogs.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace testsupport {

inline bool usable(const QWidget& w) { return w.isEnabled() && w.isVisible(); }

// Makes the control's window the active one, so that focus and key events behave as on a desktop (also offscreen).
inline void activate(QWidget& w)
{
    QWidget* window = w.window();
    if (!window->isVisible() || window->isActiveWindow())
        return;
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window, 2000))
        ADD_FAILURE() << "window " << window->objectName().toStdString() << " did not become active";
}

// Shows the form through the registry and makes its window the active one.
inline void showForm(forms::Form& form)
{
    forms::Forms::show(form);
    if (!QTest::qWaitForWindowExposed(form.window(), 2000))
        ADD_FAILURE() << "form " << form.objectName().toStdString() << " was not shown";
    activate(*form.window());
}

// Puts the focus in a control as the user's click would (nothing happens on a
// disabled or hidden control, as for the user).
inline void focus(QWidget& w)
{
    if (usable(w) && (activate(w), !w.hasFocus()))
        w.setFocus(Qt::MouseFocusReason);
}

// Types text into a box as key presses: the box takes the focus first, its
// text is replaced when `replace` (select all, then type), each character
// raises KeyDown/KeyPress/Change/KeyUp.
inline void type(forms::TextBox& box, const QString& text, bool replace = true)
{
    if (!usable(box))
        return;
    focus(box);
    if (replace)
        box.selectAll();
    QTest::keyClicks(&box, text);
}

// Puts text in the box as a paste would, over what was there: control
// characters and a NUL included, which no keyboard types.
inline void paste(forms::TextBox& box, const QString& text)
{
    if (usable(box)) {
        focus(box);
        box.selectAll();
        box.insert(text);
    }
}

// Presses and releases a key in the control, which takes the focus first.
inline void pressKey(QWidget& w, int qtKey)
{
    if (!usable(w))
        return;
    focus(w);
    QTest::keyPress(&w, Qt::Key(qtKey));
    // The release goes wherever the press left the focus, as on a keyboard.
    QWidget* target = QApplication::focusWidget();
    QTest::keyRelease(target ? target : &w, Qt::Key(qtKey));
}
inline void pressEnter(QWidget& w) { pressKey(w, Qt::Key_Return); }
// Types text and then presses Enter in the box.
inline void enter(forms::TextBox& box, const QString& text)
{
    type(box, text);
    pressEnter(box);
}

// Clicks as the user does (a disabled or hidden control ignores it): buttons and labels take a mouse click on
// the widget, option and check boxes their own click after the focus.
template <class W> void mouseClick(W& w)
{
    if (usable(w)) {
        activate(w);
        QTest::mouseClick(&w, Qt::LeftButton);
    }
}
template <class B> void boxClick(B& b)
{
    if (usable(b)) {
        focus(b);
        b.click();
    }
}
inline void click(forms::CommandButton& b) { mouseClick(b); }
inline void click(forms::Label& l) { mouseClick(l); }
inline void click(forms::OptionButton& o) { boxClick(o); }
inline void click(forms::CheckBox& c) { boxClick(c); }

// Chooses an item as the user would (raises Click). Returns false when there
// is no such item or the control refuses (disabled, hidden, locked).
inline bool choose(forms::ComboBox& c, int index)
{
    if (!usable(c) || c.locked() || index < 0 || index >= c.count())
        return false;
    focus(c);
    c.setCurrentIndex(index);
    emit c.activated(index);
    return true;
}
inline bool choose(forms::ComboBox& c, const QString& text) { return choose(c, c.findText(text, Qt::MatchExactly)); }
inline bool chooseByData(forms::ComboBox& c, const QVariant& key) { return choose(c, c.findData(key)); }

// Sets the date as the calendar would (raises Change, then CloseUp).
inline void pickDate(forms::DatePicker& p, const QDate& d)
{
    if (usable(p)) {
        focus(p);
        static_cast<QDateEdit&>(p).setDate(d);
        emit p.CloseUp();
    }
}

// The control that has the focus in its form (null for none).
inline QWidget* focused() { return QApplication::focusWidget(); }

// Runs posted events and deferred deletions (after unloading a form).
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Scripted message boxes for one test: every unscripted question and every
// prompt that does not match its script is a test failure at once, and so is
// an answer left unused when the test ends.
class ScriptedBoxes : public forms::ScriptedDialogs {
public:
    ScriptedBoxes() { setFailureHandler([](const QString& what) { ADD_FAILURE() << what.toStdString(); }); }
    ~ScriptedBoxes() override
    {
        if (pending() > 0)
            ADD_FAILURE() << pending() << " scripted answer(s) never asked for";
    }
};

// The real message boxes, for the tests of the boxes themselves; elsewhere
// a box no test scripted fails the test.
class RealBoxes {
public:
    RealBoxes() : mPrevious(forms::Dialogs::setBackend(nullptr)) {}
    ~RealBoxes() { forms::Dialogs::setBackend(mPrevious); }
    RealBoxes(const RealBoxes&) = delete;
    RealBoxes& operator=(const RealBoxes&) = delete;

private:
    forms::Dialogs::Backend* mPrevious;
};

// A box's title, style and prompt in one line, for one comparison of all three.
inline QString said(const forms::ScriptedDialogs::Box& b) { return QStringLiteral("%1|%2|%3").arg(b.title).arg(b.style).arg(b.prompt); }

// One scripted answer: to a question (`result`, e.g. vbYes) or, with `input`,
// to an input box (`text`, nullopt for Cancel; with `proposed`, the box's own
// text); the prompt must hold `contains`.
struct Reply {
    int result = 0;
    QString contains = {};
    bool input = false;
    std::optional<QString> text = std::nullopt;
    bool proposed = false;
};
inline Reply typed(std::optional<QString> text, const QString& contains = {}) { return {0, contains, true, std::move(text)}; }
// Enter on an input box, taking what it proposes.
inline Reply enterOnInput(const QString& contains = {}) { return {0, contains, true, std::nullopt, true}; }

// Runs `act` (a click, a key) with the boxes answered in order and returns what
// every box said, as said() lines: a command's whole conversation in one value.
// An unscripted question, or an answer left unused, fails the test.
inline QStringList saidBy(const std::function<void()>& act, std::initializer_list<Reply> replies = {})
{
    ScriptedBoxes boxes;
    for (const Reply& r : replies)
        r.input ? (r.proposed ? boxes.acceptInput(r.contains) : boxes.answerInput(r.text, r.contains))
                : boxes.answer(r.result, r.contains);
    act();
    QStringList out;
    for (const auto& b : boxes.boxes())
        out << said(b);
    return out;
}

} // namespace testsupport

// Readable QString values in test failure output.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QVariant& v, std::ostream* os)
{
    *os << (v.isNull() ? std::string("null") : v.typeName() + (' ' + v.toString().toStdString()));
}
