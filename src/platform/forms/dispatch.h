// Every handler runs through the dispatcher: an untrapped error is shown, never swallowed.
#pragma once

#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <functional>
#include <type_traits>

namespace forms {

// What the clerk is told of a failure, and what only "Show Details" shows.
struct Failure {
    QString text;    // "\"SAVE\" could not be finished: <why, in the clerk's words>."
    QString details; // "<what> failed: <description> (error <number>)", SQL included
};

// Why a command failed, as the clerk can act on it ("the data file is in use
// by another program or another copy of Dosset; nothing was saved"); never
// the engine's own text, which may carry SQL.
QString clerkReason(const std::exception& e);

// The clerk's words for an exception: the engine's text, SQL and the
// handler's name go to the details only. A locked data file is said to be in
// use by another program or another copy of Dosset. caption is the command's
// name as the clerk sees it ("SAVE"); empty says "The command".
Failure describeFailure(const QString& what, const std::exception& e, const QString& caption = QString());

// For a handler that traps an error and still tells it: "<what> could not be
// finished: <reason>." with what as the clerk knows it ("Choosing the head");
// describeFailure(what, e).details holds the engine's words.
QString failureMessage(const QString& what, const std::exception& e);

// Runs one command. A vb::Error or std::exception that escapes it ends the
// command and is shown in a message box (critical icon) as describeFailure
// words it. Returns false when it failed. Commands started from inside
// another command are reported by their own dispatch; the outer command goes on.
bool dispatch(const QString& what, const std::function<void()>& command, const QString& caption = QString());

namespace detail {
QString handlerName(const QObject* sender, const QMetaMethod& signal);
// A button's caption without its mnemonic; empty for other controls.
QString captionOf(const QObject* sender);
}

// Connects a control's event to a handler through the dispatcher:
//   forms::on(Text1, &TextBox::KeyUp, this, &Form9::Text1_KeyUp);
//   forms::on(Command1, &CommandButton::Click, this, &Form9::Command1_Click);
//   forms::on(Label12, &Label::Click, this, [this] { ... });
// The handler may take the event's arguments or none. A failure is reported
// under the handler's name "<control>_<event>" (e.g. "Text1_KeyUp").
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection on(Sender* sender, Signal signal, Receiver* receiver, Handler handler)
{
    const QMetaMethod meta = QMetaMethod::fromSignal(signal);
    return QObject::connect(sender, signal, receiver, [sender, meta, receiver, handler](auto... args) {
        dispatch(detail::handlerName(sender, meta), [&] {
            if constexpr (std::is_member_function_pointer_v<Handler>) {
                if constexpr (std::is_invocable_v<Handler, Receiver*, decltype(args)...>)
                    std::invoke(handler, receiver, args...);
                else
                    std::invoke(handler, receiver);
            } else {
                if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
                    std::invoke(handler, args...);
                else
                    std::invoke(handler);
            }
        }, detail::captionOf(sender));
    });
}

} // namespace forms
