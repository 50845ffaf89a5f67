// Drives forms as a user would: real key and mouse events, so the controls' events fire.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/scripted_dialogs.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <ostream>

namespace testsupport {

// Shows the form through the registry and makes its window the active one, so
// that focus and key events behave as on a desktop (also offscreen).
void showForm(forms::Form& form);

// Puts the focus in a control as the user's click would (nothing happens on a
// disabled or hidden control, as for the user).
void focus(QWidget& w);

// Types text into a box as key presses: the box takes the focus first, its
// text is replaced when `replace` (select all, then type), each character
// raises KeyDown/KeyPress/Change/KeyUp.
void type(forms::TextBox& box, const QString& text, bool replace = true);
// Types text and then presses Enter in the box.
// Puts text in the box as a paste would, over what was there: control
// characters and a NUL included, which no keyboard types.
void paste(forms::TextBox& box, const QString& text);
void enter(forms::TextBox& box, const QString& text);
// Presses and releases a key in the control, which takes the focus first.
void pressKey(QWidget& w, int qtKey);
void pressEnter(QWidget& w);

// Clicks with the mouse (the control takes the focus where it can). A disabled
// or hidden control ignores the click.
void click(forms::CommandButton& b);
void click(forms::Label& l);
void click(forms::OptionButton& o);
void click(forms::CheckBox& c);

// Chooses an item as the user would (raises Click). Returns false when there
// is no such item or the control refuses (disabled, hidden, locked).
bool choose(forms::ComboBox& c, int index);
bool choose(forms::ComboBox& c, const QString& text);
bool chooseByData(forms::ComboBox& c, const QVariant& key);

// Sets the date as the user would (raises Change, then CloseUp).
void pickDate(forms::DatePicker& p, const QDate& d);

// The control that has the focus in its form (null for none).
QWidget* focused();

// Runs posted events and deferred deletions (after unloading a form).
void settle();

// Scripted message boxes for one test: every unscripted question and every
// prompt that does not match its script is a test failure at once, and so is
// an answer left unused when the test ends.
class ScriptedBoxes : public forms::ScriptedDialogs {
public:
    ScriptedBoxes();
    ~ScriptedBoxes() override;
};

// A box's title, style and prompt in one line, for one comparison of all three.
inline QString said(const forms::ScriptedDialogs::Box& b)
{
    return QStringLiteral("%1|%2|%3").arg(b.title).arg(b.style).arg(b.prompt);
}

// One scripted answer: to a question (`result`, e.g. vbYes) or, with `input`,
// to an input box (`text`, nullopt for Cancel); the prompt must hold `contains`.
struct Reply {
    int result = 0;
    QString contains;
    bool input = false;
    std::optional<QString> text = std::nullopt;
};
inline Reply typed(std::optional<QString> text, const QString& contains = {})
{
    return {0, contains, true, std::move(text)};
}

// Runs `act` (a click, a key) with the boxes answered in order and returns what
// every box said, as said() lines: a command's whole conversation in one value.
// An unscripted question, or an answer left unused, fails the test.
QStringList saidBy(const std::function<void()>& act, std::initializer_list<Reply> replies = {});

} // namespace testsupport

// Readable QString values in test failure output.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QVariant& v, std::ostream* os)
{
    if (v.isNull())
        *os << "null";
    else
        *os << v.typeName() << ' ' << v.toString().toStdString();
}
