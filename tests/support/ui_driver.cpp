#include "support/ui_driver.h"

#include "platform/forms/controls.h"
#include "platform/forms/registry.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace testsupport {

namespace {

bool usable(const QWidget& w) { return w.isEnabled() && w.isVisible(); }

void activate(QWidget& w)
{
    QWidget* window = w.window();
    if (!window->isVisible() || window->isActiveWindow())
        return;
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window, 2000))
        ADD_FAILURE() << "window " << window->objectName().toStdString() << " did not become active";
}

} // namespace

void showForm(forms::Form& form)
{
    forms::Forms::show(form);
    QWidget* window = form.window();
    if (!QTest::qWaitForWindowExposed(window, 2000))
        ADD_FAILURE() << "form " << form.objectName().toStdString() << " was not shown";
    activate(*window);
}

void focus(QWidget& w)
{
    if (!usable(w))
        return;
    activate(w);
    if (!w.hasFocus())
        w.setFocus(Qt::MouseFocusReason);
}

void type(forms::TextBox& box, const QString& text, bool replace)
{
    if (!usable(box))
        return;
    focus(box);
    if (replace)
        box.selectAll();
    QTest::keyClicks(&box, text);
}

void paste(forms::TextBox& box, const QString& text)
{
    if (!usable(box))
        return;
    focus(box);
    box.selectAll();
    box.insert(text);
}

void enter(forms::TextBox& box, const QString& text)
{
    type(box, text);
    pressEnter(box);
}

void pressKey(QWidget& w, int qtKey)
{
    if (!usable(w))
        return;
    focus(w);
    QTest::keyPress(&w, Qt::Key(qtKey));
    // The release goes wherever the press left the focus, as on a keyboard.
    QWidget* target = QApplication::focusWidget();
    QTest::keyRelease(target ? target : &w, Qt::Key(qtKey));
}

void pressEnter(QWidget& w)
{
    pressKey(w, Qt::Key_Return);
}

// A mouse click where the user clicks: buttons and labels take it on the
// widget, option and check boxes through their own click after the focus.
template <class W> void mouseClick(W& w)
{
    if (usable(w))
        activate(w), QTest::mouseClick(&w, Qt::LeftButton);
}
template <class B> void boxClick(B& b)
{
    if (usable(b))
        focus(b), b.click();
}
void click(forms::CommandButton& b) { mouseClick(b); }
void click(forms::Label& l) { mouseClick(l); }
void click(forms::OptionButton& o) { boxClick(o); }
void click(forms::CheckBox& c) { boxClick(c); }

bool choose(forms::ComboBox& c, int index)
{
    if (!usable(c) || c.locked() || index < 0 || index >= c.count())
        return false;
    focus(c);
    c.setCurrentIndex(index);
    emit c.activated(index);
    return true;
}

bool choose(forms::ComboBox& c, const QString& text) { return choose(c, c.findText(text, Qt::MatchExactly)); }
bool chooseByData(forms::ComboBox& c, const QVariant& key) { return choose(c, c.findData(key)); }

void pickDate(forms::DatePicker& p, const QDate& d)
{
    if (!usable(p))
        return;
    focus(p);
    static_cast<QDateEdit&>(p).setDate(d); // as the calendar sets it: raises Change
    emit p.CloseUp();
}

QWidget* focused() { return QApplication::focusWidget(); }

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ScriptedBoxes::ScriptedBoxes()
{
    setFailureHandler([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
}

ScriptedBoxes::~ScriptedBoxes()
{
    if (pending() > 0)
        ADD_FAILURE() << pending() << " scripted answer(s) never asked for";
}

QStringList saidBy(const std::function<void()>& act, std::initializer_list<Reply> replies)
{
    ScriptedBoxes boxes;
    for (const Reply& r : replies) {
        if (r.input)
            boxes.answerInput(r.text, r.contains);
        else
            boxes.answer(r.result, r.contains);
    }
    act();
    QStringList out;
    for (const auto& b : boxes.boxes())
        out << said(b);
    return out;
}

} // namespace testsupport
